#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Calls `done` after each handler of a window has returned: once the events that reach the
// window, its controls or its timers (clicks, keys, ticks, queued calls, a hang-up) have been
// dealt with. Never inside a handler, not even behind a box the handler shows: a call that
// falls due then waits until the box has closed and the handler has returned.
class HandlerWatch : public QObject {
public:
    // A child of `window`; watches the application's events while it lives.
    HandlerWatch(QWidget& window, std::function<void()> done);
    ~HandlerWatch() override;

    // Around a box a handler shows: while held, nothing is called.
    void hold();
    void release();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool inWindow(const QObject* object) const;
    void post();
    void fire();

    QWidget& window_;
    std::function<void()> done_;
    bool posted_ = false;
    int held_ = 0;
    bool due_ = false;  // fell due while held
};
