// serialout's wait from its second byte to the latch, on a serial device (a pty, through
// PosixSerialPort): the time from the second write's return to RTS going down, over WORDS words
// (a D button clicked each time). Prints a Markdown table.   latch_bench [WORDS, default 200]

#include "PtySerialDevice.h"
#include "SerialOutWindow.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when each write returned and how long after the last one RTS was lowered.
class StampingCalls : public PtyModemCalls {
public:
    ssize_t write(int fd, const void* data, size_t size) override
    {
        ssize_t n = PtyModemCalls::write(fd, data, size);
        lastWrite = Clock::now();
        return n;
    }
    int ioctl(int fd, unsigned long request, void* argument) override
    {
        if (request == TIOCMBIC && (*static_cast<int*>(argument) & TIOCM_RTS))
            delays.push_back(std::chrono::duration<double, std::milli>(Clock::now() - lastWrite).count());
        return PtyModemCalls::ioctl(fd, request, argument);
    }
    Clock::time_point lastWrite;
    std::vector<double> delays;  // ms
};

} // namespace

int main(int argc, char** argv)
{
    const int words = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);

    PtySerialDevice pty;
    StampingCalls calls;
    SerialOutWindow window(MSComm::Setup{[&](int port, const LineSettings& s) {
        return std::make_unique<PosixSerialPort>("COM" + std::to_string(port), pty.device(), s, calls, pty.lockDir());
    }});
    window.Form_Load();
    pty.drain();
    calls.delays.clear();
    for (int i = 0; i < words; ++i) {
        window.cmdD_Click(i % 16);
        pty.drain();
    }
    std::vector<double>& d = calls.delays;
    std::sort(d.begin(), d.end());
    std::printf("serialout: second byte to latch over %d words (Syscalls seam, steady clock):\n\n", words);
    std::puts("| measure | value |");
    std::puts("|---|---|");
    std::printf("| min | %.3f ms |\n", d.front());
    std::printf("| median | %.3f ms |\n", d[d.size() / 2]);
    std::printf("| 99th percentile | %.3f ms |\n", d[std::min(d.size() - 1, d.size() * 99 / 100)]);
    std::printf("| max | %.3f ms |\n", d.back());
    const auto within = std::count_if(d.begin(), d.end(), [](double ms) { return ms >= 10.0 && ms <= 11.0; });
    std::printf("| latches 10 to 11 ms after the second byte | %.1f %% |\n", 100.0 * double(within) / double(d.size()));
    char load[64] = "?";
    if (std::FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (!std::fgets(load, sizeof load, f))
            load[0] = 0;
        std::fclose(f);
        load[std::strcspn(load, " ")] = 0;
    }
    std::printf("| load average (1 min) while timing | %s on %ld cores |\n", load, sysconf(_SC_NPROCESSORS_ONLN));
    return 0;
}
