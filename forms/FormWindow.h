#pragma once

#include "I2CSboard.h"
#include "MSComm.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class HandlerWatch;
class QTimer;

// A program's one window: it owns the serial-port component MSComm1 and hands the two-wire
// primitives to it for as long as the window lives.
class FormWindow : public QWidget {
public:
    explicit FormWindow(MSComm::Setup setup, QWidget* parent = nullptr);

    // Runs once when the window has been created, before it is shown. May throw CommError.
    virtual void Form_Load() = 0;
    // Starts the timers that are enabled from the start. Called once Form_Load has returned,
    // so that no tick runs before it or behind a box it shows.
    void startTimers();

    // A modal box with `text` and an OK button only, in plain text, titled with the program's
    // name; centred on the screen while this window is not yet shown. While it is up none of
    // the window's timers ticks; one that fell due meanwhile ticks once, after the running
    // handler has returned.
    void showMessage(const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon,
                     const QString& details = {});

    // While the port waits for its device to come back: the window's timers stop, its controls
    // but those the program keeps (keptWhileSuspended) are disabled, and `note` follows its
    // caption. Called inside the access that found the device gone: whatever the running
    // handler shows from then on (readings of a closed port) is taken back once it returns.
    void suspend(const QString& note);
    // Undoes suspend: caption, controls and timers (those that ran, or were to start) as before.
    void resume();
    bool suspended() const { return suspended_; }

    // `done` is called after each of the window's handlers has returned (HandlerWatch), until
    // it is called with an empty function.
    void watchHandlers(std::function<void()> done);
    // A timer that runs `tick` under the rules of the layout's timers (no tick behind a box,
    // none while suspended), but that its owner starts and stops with runTimer.
    QTimer* addTimerOnRequest(const char* name, std::function<void()> tick);
    // Starts `timer` at `interval` ms, or stops it; while suspended, it starts on resume.
    void runTimer(QTimer* timer, bool on, int interval = 0);

    MSComm MSComm1;

protected:
    // Controls that stay usable while the window is suspended.
    virtual QList<QWidget*> keptWhileSuspended() const { return {}; }
    // A timer of the layout, enabled from the start, named as in the layout; `tick` runs at
    // every tick once startTimers has run.
    QTimer* addTimer(const char* name, int interval, std::function<void()> tick);
    // Enter on a focused command button clicks it, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    I2CSboard::ComponentScope bus_{MSComm1};
    struct Timer {
        QTimer* timer;
        std::function<void()> tick;
        bool duePosted = false;  // a tick that fell due behind a box waits for its turn
        bool onRequest = false;  // started by runTimer, not by startTimers
    };
    void tickAfterBox(std::size_t index);
    // What the window shows, to be put back after the handler that the loss cut short.
    struct Shown;
    std::shared_ptr<Shown> shown() const;
    static void putBack(const Shown& shown);
    void disableAllBut(QWidget* parent, const QList<QWidget*>& kept);

    std::vector<Timer> timers_;
    HandlerWatch* watch_ = nullptr;     // a child, while handlers are watched
    bool suspended_ = false;
    QString caption_;                   // before the note
    std::vector<QTimer*> stopped_;      // by suspend, to start again
    QList<QPointer<QWidget>> disabled_; // by suspend, to enable again
};
