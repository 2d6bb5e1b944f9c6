#pragma once

#include "Arguments.h"
#include "DeviceOpener.h"
#include "ProgramRunner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The whole runner in this process, as a desktop or a shell starts a program (by a path), with
// windows offscreen.
namespace RunProgram {

// Calls `shown` the first time the widget it filters is shown.
class FirstShow : public QObject {
public:
    FirstShow(std::function<void()> shown, QObject* parent) : QObject(parent), shown_(std::move(shown)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && shown_)
            std::exchange(shown_, nullptr)();
        return false;
    }

private:
    std::function<void()> shown_;
};

// Where a program is started from, as a desktop starts it: its name is the path's last part.
inline std::string installedPath(const std::string& name) { return "/opt/suite/bin/" + name; }

enum class Then { Quit, Wait };
constexpr int HangStatus = 3;

// Runs the program with `arguments`; once its window is shown, `inspect` is given it,
// then the program is ended (or, with Then::Wait, left to end by itself). A hang ends it with
// HangStatus after five seconds. Gives the exit status.
template <class Window>
int runWith(Program info, std::vector<std::string> arguments, std::function<void(Window&)> inspect,
            Then then = Then::Quit, const DeviceOpener& devices = {})
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto create = info.createWindow;
    info.createWindow = [create, inspect, then](MSComm::Setup setup) {
        std::unique_ptr<FormWindow> window = create(std::move(setup));
        auto* w = static_cast<Window*>(window.get());
        // Once the window is up: dialogs may come before it, each with an event loop of its own.
        w->installEventFilter(new FirstShow(
            [w, inspect, then] {
                QTimer::singleShot(0, [w, inspect, then] {
                    inspect(*w);
                    if (then == Then::Quit)
                        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
                });
            },
            w));
        QTimer::singleShot(5000, [] { QCoreApplication::exit(HangStatus); });  // a hang fails, it does not block
        return window;
    };
    Arguments argv(installedPath(info.name.toStdString()), std::move(arguments));
    return runProgram(argv.argc(), argv.argv(), info, devices);
}

} // namespace RunProgram
