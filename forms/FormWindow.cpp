#include "FormWindow.h"

#include "HandlerWatch.h"
#include "MessageBox.h"
#include "Shape.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

FormWindow::FormWindow(MSComm::Setup setup, QWidget* parent) : QWidget(parent), MSComm1(std::move(setup))
{
    setObjectName(QStringLiteral("Form1"));
}

void FormWindow::startTimers()
{
    for (Timer& t : timers_) {
        if (t.onRequest)
            continue;
        if (suspended_)
            stopped_.push_back(t.timer);  // the device went during start-up: they start when it is back
        else
            t.timer->start();
    }
}

struct FormWindow::Shown {
    std::vector<std::pair<QPointer<QLineEdit>, QString>> texts;
    std::vector<std::pair<QPointer<QWidget>, bool>> hidden;
    std::vector<std::pair<QPointer<forms::Shape>, long>> colours;
};

std::shared_ptr<FormWindow::Shown> FormWindow::shown() const
{
    auto shown = std::make_shared<Shown>();
    for (QWidget* w : findChildren<QWidget*>()) {
        shown->hidden.emplace_back(w, w->isHidden());  // lamps made of two pictures
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            shown->texts.emplace_back(edit, edit->text());
        else if (auto* shape = dynamic_cast<forms::Shape*>(w))
            shown->colours.emplace_back(shape, shape->BackColor());
    }
    return shown;
}

void FormWindow::putBack(const Shown& shown)
{
    for (const auto& [edit, text] : shown.texts) {
        if (edit && edit->text() != text) {
            const QSignalBlocker quiet(edit);  // no change handler: nothing may reach the port
            edit->setText(text);
        }
    }
    for (const auto& [w, hidden] : shown.hidden)
        if (w && w->isHidden() != hidden)
            w->setHidden(hidden);
    for (const auto& [shape, colour] : shown.colours)
        if (shape)
            shape->setBackColor(colour);
}

void FormWindow::suspend(const QString& note)
{
    if (suspended_)
        return;
    suspended_ = true;
    // The handler that met the loss runs on to its end on a closed port.
    QMetaObject::invokeMethod(this, [shown = shown()] { putBack(*shown); }, Qt::QueuedConnection);
    caption_ = windowTitle();
    setWindowTitle(caption_ + note);
    for (Timer& t : timers_) {
        if (t.timer->isActive()) {
            t.timer->stop();
            stopped_.push_back(t.timer);
        }
    }
    disableAllBut(this, keptWhileSuspended());
}

void FormWindow::disableAllBut(QWidget* parent, const QList<QWidget*>& kept)
{
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (kept.contains(child) || !child->isEnabled() || child->isWindow())
            continue;
        const bool holdsKept = std::any_of(kept.begin(), kept.end(), [child](QWidget* k) { return child->isAncestorOf(k); });
        if (holdsKept) {
            disableAllBut(child, kept);
        } else {
            child->setEnabled(false);  // its children with it, each keeping its own state
            disabled_.push_back(child);
        }
    }
}

void FormWindow::resume()
{
    if (!std::exchange(suspended_, false))
        return;
    setWindowTitle(caption_);
    for (const QPointer<QWidget>& w : std::exchange(disabled_, {}))
        if (w)
            w->setEnabled(true);
    for (QTimer* timer : std::exchange(stopped_, {}))
        timer->start();
}

QTimer* FormWindow::addTimer(const char* name, int interval, std::function<void()> tick)
{
    auto* timer = new QTimer(this);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    connect(timer, &QTimer::timeout, this, tick);
    timers_.push_back({timer, std::move(tick)});
    return timer;
}

QTimer* FormWindow::addTimerOnRequest(const char* name, std::function<void()> tick)
{
    QTimer* timer = addTimer(name, 0, std::move(tick));
    timers_.back().onRequest = true;
    return timer;
}

void FormWindow::runTimer(QTimer* timer, bool on, int interval)
{
    if (on)
        timer->setInterval(interval);
    const bool waiting = std::find(stopped_.begin(), stopped_.end(), timer) != stopped_.end();
    if (suspended_ && on && !waiting)
        stopped_.push_back(timer);
    else if (!on)
        std::erase(stopped_, timer);
    if (!suspended_ && on)
        timer->start();
    else
        timer->stop();
}

void FormWindow::watchHandlers(std::function<void()> done)
{
    delete std::exchange(watch_, nullptr);
    if (done)
        watch_ = new HandlerWatch(*this, std::move(done));
}

void FormWindow::showMessage(const QString& text, QMessageBox::Icon icon, const QString& details)
{
    // The box's own event loop would run the timers behind it, in the middle of the handler
    // that shows it: they stop while it is up.
    struct Held {
        std::size_t index;
        int remaining;
    };
    std::vector<Held> held;
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        QTimer* timer = timers_[i].timer;
        if (timer->isActive()) {
            held.push_back({i, timer->remainingTime()});
            timer->stop();
        }
    }
    QElapsedTimer up;
    up.start();
    // A box whose parent is not shown yet would open at the parent's unset place, the
    // screen's corner; without a parent it is centred on the screen.
    const QPointer<HandlerWatch> watch = watch_;  // the one held, should another replace it meanwhile
    if (watch)
        watch->hold();
    forms::messageBox(isVisible() ? this : nullptr, icon, QCoreApplication::applicationName(), text, details);
    if (watch)
        watch->release();
    const qint64 shown = up.elapsed();
    for (const Held& h : held) {
        Timer& t = timers_[h.index];
        t.timer->start();  // at once, so that the rest of the handler may still stop it
        if (shown >= h.remaining && !t.duePosted) {
            t.duePosted = true;
            QMetaObject::invokeMethod(this, [this, i = h.index] { tickAfterBox(i); }, Qt::QueuedConnection);
        }
    }
}

void FormWindow::tickAfterBox(std::size_t index)
{
    Timer& t = timers_[index];
    t.duePosted = false;
    if (!t.timer->isActive())
        return;  // stopped by the handler after its box
    t.timer->start();  // the next tick an interval after this one
    t.tick();
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    // A command button outside a dialog leaves Enter to its window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
