// Cost of the sixteen-bit programs' words and of lineprobe's tick on a serial device (a pty
// with emulated modem lines, through PosixSerialPort): kernel calls per word against the
// floor of one call per line change, and serialout's wait from its second byte to the latch.
// Prints Markdown tables. Usage: output_bench [serialout words to time, default 200]

#include "HexText.h"
#include "LineProbeWindow.h"
#include "LineRecorder.h"
#include "PosixSerialPort.h"
#include "PtyModemCalls.h"
#include "SerialOutWindow.h"
#include "ShiftOutWindow.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Pty {
    Pty()
    {
        char name[128];
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
            std::perror("openpty");
            std::exit(1);
        }
        device = name;
        char dir[] = "/tmp/output-bench-XXXXXX";
        if (!mkdtemp(dir)) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        lockDir = dir;
    }
    ~Pty()
    {
        ::close(master);
        ::close(slave);
        std::filesystem::remove_all(lockDir);
    }
    void drain()
    {
        pollfd p{master, POLLIN, 0};
        unsigned char buffer[256];
        while (::poll(&p, 1, 0) == 1 && (p.revents & POLLIN) && ::read(master, buffer, sizeof buffer) > 0) {
        }
    }
    MSComm::Setup setup(Syscalls& calls, Trace* trace)
    {
        return MSComm::Setup{[this, &calls](int port, const LineSettings& s) {
                                 return std::make_unique<PosixSerialPort>("COM" + std::to_string(port), device, s,
                                                                          calls, lockDir);
                             },
                             trace};
    }
    int master = -1, slave = -1;
    std::string device, lockDir;
};

// Levels of the three outputs as the trace has put them: a put that changes one is the
// least a device must do for it.
struct Levels {
    std::map<std::string, bool> level{{"DTREnable", true}, {"RTSEnable", true}, {"Break", false}};

    struct Count {
        std::size_t puts = 0, changes = 0;
    };
    Count follow(const std::vector<std::string>& lines)
    {
        Count c;
        for (const std::string& l : lines) {
            auto eq = l.find(" = ");
            if (eq == std::string::npos)
                continue;
            auto it = level.find(l.substr(0, eq));
            if (it == level.end())
                continue;
            bool value = l.substr(eq + 3) == "True";
            ++c.puts;
            c.changes += value != it->second;
            it->second = value;
        }
        return c;
    }
};

void sendWord(OutputPanelWindow& w, std::uint16_t word)
{
    w.txtOutH->setText(forms::hexByteText(std::uint8_t(word >> 8)));
    w.txtOutL->setText(forms::hexByteText(std::uint8_t(word)));
    w.cmdOut_Click();
}

// Notes when each write returned and when RTS was lowered.
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
            delays.push_back(Clock::now() - lastWrite);
        return PtyModemCalls::ioctl(fd, request, argument);
    }
    Clock::time_point lastWrite;
    std::vector<Clock::duration> delays;
};

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int timedWords = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);

    std::puts("shiftout: kernel calls per word on a serial device (a pty with emulated modem lines):\n");
    std::puts("| word | after | property puts | line changes (floor) | kernel calls |");
    std::puts("|---|---|---|---|---|");
    {
        Pty pty;
        PtyModemCalls calls;
        LineRecorder recorder;
        Levels levels;
        ShiftOutWindow window(pty.setup(calls, recorder.trace()));
        window.Form_Load();
        auto opening = recorder.lines();
        // Opening itself (open, lock, settings) is not a word: count from the first line put.
        opening.erase(opening.begin());
        Levels::Count c = levels.follow(opening);
        int afterOpening = calls.total() - calls.calls["open"] - calls.calls["TIOCMGET"] - calls.calls["TIOCEXCL"] -
                           calls.calls["tcgetattr"] - calls.calls["tcsetattr"] - calls.calls["fcntl"];
        std::printf("| 0000 (start-up) | opening | %zu | %zu | %d |\n", c.puts, c.changes, afterOpening);
        const std::uint16_t words[] = {0x0000, 0x8000, 0x8001, 0xFFFF, 0x0001, 0x5555, 0xAAAA, 0x5555};
        std::uint16_t previous = 0x0000;
        for (std::uint16_t word : words) {
            recorder.clear();
            calls.reset();
            sendWord(window, word);
            c = levels.follow(recorder.lines());
            std::printf("| %04X | %04X | %zu | %zu | %d |\n", word, previous, c.puts, c.changes, calls.total());
            previous = word;
        }
    }

    std::printf("\nserialout: one word on a serial device, %d words timed (Syscalls seam, steady clock):\n\n", timedWords);
    std::puts("| measure | value |");
    std::puts("|---|---|");
    {
        Pty pty;
        StampingCalls calls;
        SerialOutWindow window(pty.setup(calls, nullptr));
        window.Form_Load();
        pty.drain();
        calls.reset();
        calls.delays.clear();
        sendWord(window, 0x8001);
        std::printf("| kernel calls per word | %d (%d write, %d TIOCMBIC, %d TIOCMBIS) |\n", calls.total(),
                    calls.calls["write"], calls.calls["TIOCMBIC"], calls.calls["TIOCMBIS"]);
        calls.delays.clear();
        for (int i = 0; i < timedWords; ++i) {
            sendWord(window, std::uint16_t(i * 0x0101));
            pty.drain();
        }
        auto d = calls.delays;
        std::sort(d.begin(), d.end());
        std::printf("| second byte to latch, min | %.3f ms |\n", ms(d.front()));
        std::printf("| second byte to latch, median | %.3f ms |\n", ms(d[d.size() / 2]));
        std::printf("| second byte to latch, 99th percentile | %.3f ms |\n", ms(d[std::min(d.size() - 1, d.size() * 99 / 100)]));
        std::printf("| second byte to latch, max | %.3f ms |\n", ms(d.back()));
        auto within = std::count_if(d.begin(), d.end(), [](Clock::duration x) { return ms(x) >= 10.0 && ms(x) <= 11.0; });
        std::printf("| latches 10 to 11 ms after the second byte | %.1f %% |\n", 100.0 * double(within) / double(d.size()));
        char load[64] = "?";
        if (std::FILE* f = std::fopen("/proc/loadavg", "r")) {
            if (!std::fgets(load, sizeof load, f))
                load[0] = 0;
            std::fclose(f);
            load[std::strcspn(load, " ")] = 0;
        }
        std::printf("| load average (1 min) while timing | %s on %ld cores |\n", load, sysconf(_SC_NPROCESSORS_ONLN));
    }

    std::puts("\nlineprobe: one tick on a serial device:\n");
    std::puts("| measure | value |");
    std::puts("|---|---|");
    {
        Pty pty;
        PtyModemCalls calls;
        LineProbeWindow window(pty.setup(calls, nullptr));
        window.Form_Load();
        calls.reset();
        window.Timer1_Timer();
        std::printf("| kernel calls per tick | %d (%d TIOCMGET) |\n", calls.total(), calls.calls["TIOCMGET"]);
    }
    return 0;
}
