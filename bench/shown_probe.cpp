// Preloaded into a Qt program by startup_bench: when the first top-level window has been
// painted, writes to $BOARD_PROBE_OUT the microseconds since $BOARD_PROBE_T0 (the launcher's
// steady-clock reading in nanoseconds, taken just before exec) and the resident memory in KiB,
// then ends the program's event loop. The program itself is not changed.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace {

long long steadyNanoseconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

long residentKiB()
{
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (!done_ && event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget*>(object)->isWindow()) {
            done_ = true;
            // After this paint and everything queued with it.
            QTimer::singleShot(0, [] {
                const char* t0 = std::getenv("BOARD_PROBE_T0");
                const char* out = std::getenv("BOARD_PROBE_OUT");
                if (t0 && out) {
                    if (std::FILE* f = std::fopen(out, "w")) {
                        std::fprintf(f, "%lld %ld\n", (steadyNanoseconds() - std::atoll(t0)) / 1000, residentKiB());
                        std::fclose(f);
                    }
                }
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool done_ = false;
};

void install()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
