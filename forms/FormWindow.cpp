#include "FormWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

FormWindow::FormWindow(MSComm::Setup setup, QWidget* parent) : QWidget(parent), MSComm1(std::move(setup))
{
    setObjectName(QStringLiteral("Form1"));
}

void FormWindow::startTimers()
{
    for (QTimer* timer : timers_)
        timer->start();
}

QTimer* FormWindow::addTimer(const char* name, int interval, std::function<void()> tick)
{
    auto* timer = new QTimer(this);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    connect(timer, &QTimer::timeout, this, std::move(tick));
    timers_.push_back(timer);
    return timer;
}

void FormWindow::showMessage(const QString& text, QMessageBox::Icon icon, const QString& details)
{
    // A box whose parent is not shown yet would open at the parent's unset place, the
    // screen's corner; without a parent it is centred on the screen.
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, isVisible() ? this : nullptr);
    box.setInformativeText(details);
    box.exec();
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
