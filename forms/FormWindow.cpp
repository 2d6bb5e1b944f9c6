#include "FormWindow.h"

#include "MessageBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

FormWindow::FormWindow(MSComm::Setup setup, QWidget* parent) : QWidget(parent), MSComm1(std::move(setup))
{
    setObjectName(QStringLiteral("Form1"));
}

void FormWindow::startTimers()
{
    for (Timer& t : timers_)
        t.timer->start();
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
    forms::messageBox(isVisible() ? this : nullptr, icon, QCoreApplication::applicationName(), text, details);
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
