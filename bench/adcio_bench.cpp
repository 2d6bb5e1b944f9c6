// Kernel calls per handler of adcpanel and iopanel on a serial device (a pty with emulated
// modem lines, through PosixSerialPort): a reading tick and an output of adcpanel, a poll tick
// and an output click of iopanel. The floor is one call per line change and one per status
// read. Prints a Markdown table. Usage: adcio_bench

#include "AdcPanelWindow.h"
#include "FormsStyle.h"
#include "IoPanelWindow.h"
#include "LineRecorder.h"
#include "PosixSerialPort.h"
#include "PtyModemCalls.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <pty.h>
#include <unistd.h>

namespace {

struct Costs {
    std::size_t puts = 0, changes = 0, reads = 0;
    int kernelCalls = 0;
};

// Counts the component accesses of a stretch of trace; the lines start from the idle bus
// (both high), where every handler leaves them.
Costs count(const std::vector<std::string>& lines)
{
    Costs c;
    bool dtr = true, rts = true;
    for (const std::string& l : lines) {
        bool* line = l.rfind("DTREnable = ", 0) == 0 ? &dtr : l.rfind("RTSEnable = ", 0) == 0 ? &rts : nullptr;
        if (line) {
            bool level = l.ends_with("True");
            ++c.puts;
            c.changes += level != *line;
            *line = level;
        } else if (l.rfind("CDHolding", 0) == 0) {
            ++c.reads;
        }
    }
    return c;
}

// Runs `handler` once to reach the levels a running program has, then once measured.
Costs measure(LineRecorder& recorder, PtyModemCalls& calls, const std::function<void()>& handler)
{
    handler();
    recorder.clear();
    calls.reset();
    handler();
    Costs c = count(recorder.lines());
    c.kernelCalls = calls.total();
    return c;
}

void row(const char* what, const Costs& c)
{
    std::printf("| %s | %zu | %zu | %zu | %zu | %zu | %d |\n", what, c.puts, c.changes, c.reads, c.puts + c.reads,
                c.changes + c.reads, c.kernelCalls);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    FormsStyle::apply(app);

    int master = -1, slave = -1;
    char name[128];
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    char dir[] = "/tmp/adcio-bench-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string device = name, lockDir = dir;

    LineRecorder recorder;
    PtyModemCalls calls;
    auto setup = [&] {
        return MSComm::Setup{[&](int port, const LineSettings& s) {
                                 return std::make_unique<PosixSerialPort>("COM" + std::to_string(port), device, s,
                                                                          calls, lockDir);
                             },
                             recorder.trace()};
    };

    std::puts("Kernel calls per handler on a serial device (a pty with emulated modem lines):\n");
    std::puts("| handler | puts | line changes | reads | one call per access | floor: one per change and per read | this device layer |");
    std::puts("|---|---|---|---|---|---|---|");
    {
        AdcPanelWindow adc(setup());
        adc.Timer1->stop();
        adc.Form_Load();
        row("adcpanel reading tick (`Timer1_Timer`)", measure(recorder, calls, [&] { adc.Timer1_Timer(); }));
        bool flip = false;
        row("adcpanel output (`Text5_Change`, one change)", measure(recorder, calls, [&] {
                adc.Text5->setText((flip = !flip) ? QStringLiteral("2.5") : QStringLiteral("1"));
            }));
        row("adcpanel clipped output (`Text5_Change` of \"7\", nested run included)", measure(recorder, calls, [&] {
                adc.Text5->setText(QStringLiteral("0"));
                recorder.clear();
                calls.reset();
                adc.Text5->setText(QStringLiteral("7"));
            }));
    }
    {
        IoPanelWindow io(setup());
        io.Timer1->stop();
        io.Timer2->stop();
        io.Form_Load();
        io.Option5(1)->click();
        if (!io.MSComm1.PortOpen()) {
            std::fputs("adcio_bench: iopanel could not open the pty\n", stderr);
            return 1;
        }
        row("iopanel poll tick (`Timer1_Timer`)", measure(recorder, calls, [&] { io.Timer1_Timer(); }));
        io.Option1(1)->click();  // Write mode
        row("iopanel output click (`Command1_Click`)", measure(recorder, calls, [&] { io.Command1(3)->click(); }));
    }

    ::close(master);
    ::close(slave);
    std::filesystem::remove_all(dir);
    return 0;
}
