// Faults on a pseudo-terminal driven as a serial device through the device layer's seam: a
// device that goes away under the polling programs, a write that would block, a device removed
// between two openings, and lock files that are stale, unreadable, symlinks or no files at all.

#include "AdcPanelWindow.h"
#include "CommError.h"
#include "IoPanelWindow.h"
#include "LineProbeWindow.h"
#include "LineRecorder.h"
#include "PosixSerialPort.h"
#include "PtyModemCalls.h"
#include "Shape.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A pseudo-terminal pair standing for a serial device; closing the master is pulling the cable.
struct Pty {
    Pty()
    {
        char name[128];
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            throw std::runtime_error("openpty");
        device = name;
    }
    ~Pty() { unplug(); }
    void unplug()
    {
        if (master >= 0)
            ::close(master);
        if (slave >= 0)
            ::close(slave);
        master = slave = -1;
    }
    int master = -1, slave = -1;
    std::string device;
};

class LockDir : public ::testing::Test {
protected:
    LockDir()
    {
        char dir[] = "/tmp/board-faults-XXXXXX";
        if (!mkdtemp(dir))
            throw std::runtime_error("mkdtemp");
        lockDir = dir;
        lockFile = lockDir + "/" + PortLock::fileName(pty.device);
    }
    ~LockDir() override { fs::remove_all(lockDir); }

    std::unique_ptr<PosixSerialPort> open(const std::string& device)
    {
        return std::make_unique<PosixSerialPort>("COM1", device, LineSettings{}, calls, lockDir);
    }
    // The kind of error opening gives; fails the test when the port opens.
    CommError::Kind openingError()
    {
        try {
            open(pty.device);
        } catch (const CommError& e) {
            return e.kind();
        }
        ADD_FAILURE() << "the port opened";
        return CommError::Kind::InvalidValue;
    }
    std::string readFile(const std::string& path)
    {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string ownLock()
    {
        char text[16];
        std::snprintf(text, sizeof text, "%10ld\n", long(getpid()));
        return text;
    }

    Pty pty;
    PtyModemCalls calls;
    std::string lockDir, lockFile;
};

using Device = LockDir;
using Lock = LockDir;

TEST_F(Device, WriteThatWouldBlockWaitsAndDropsNoByte)
{
    calls.keepNonBlocking = true;
    auto port = open(pty.device);
    // Far more than the pty holds: writes meet EAGAIN until the reader below catches up.
    const std::size_t total = 256 * 1024;
    std::vector<unsigned char> got;
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::seconds(1));  // the pty fills long before
        unsigned char buffer[4096];
        pollfd p{pty.master, POLLIN, 0};
        while (got.size() < total && ::poll(&p, 1, 5000) == 1) {
            ssize_t n = ::read(pty.master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            got.insert(got.end(), buffer, buffer + n);
        }
    });
    for (std::size_t i = 0; i < total; ++i)
        port->write(std::uint8_t(i * 7));
    reader.join();
    ASSERT_EQ(got.size(), total);
    for (std::size_t i = 0; i < total; ++i)
        ASSERT_EQ(got[i], std::uint8_t(i * 7)) << "byte " << i;
    EXPECT_GT(calls.calls["write"], int(total));  // some writes were refused and made again
}

TEST_F(Device, DeviceRemovedBetweenTwoOpenings)
{
    open(pty.device).reset();
    const std::string device = pty.device;
    pty.unplug();
    ASSERT_FALSE(fs::exists(device));
    try {
        open(device);
        FAIL() << "a removed device opened";
    } catch (const CommError& e) {
        EXPECT_EQ(e.kind(), CommError::Kind::NoSuchDevice);
        EXPECT_EQ(std::string(e.what()), "COM1 (" + device + "): no such device");
    }
    EXPECT_FALSE(fs::exists(lockFile));
}

TEST_F(Device, CablePulledWhileOpenFailsEveryAccessWithEio)
{
    calls.followHangup = true;
    auto port = open(pty.device);
    EXPECT_FALSE(port->cd());
    ::close(pty.master);
    pty.master = -1;
    for (auto access : std::initializer_list<std::function<void()>>{
             [&] { port->cd(); }, [&] { port->setDtr(false); }, [&] { port->setBreak(true); },
             [&] { port->write(0x55); }}) {
        try {
            access();
            ADD_FAILURE() << "an access to a hung-up device succeeded";
        } catch (const CommError& e) {
            EXPECT_EQ(e.kind(), CommError::Kind::DeviceFailed);
            EXPECT_NE(std::string(e.what()).find("Input/output error"), std::string::npos) << e.what();
        }
    }
}

TEST_F(Lock, StaleLocksOfEveryKindAreReplaced)
{
    pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string stale[] = {
        std::to_string(gone) + "\n",                // its process is gone
        "not a pid\n", "", std::string(4, '\0'),    // garbage, empty
        "        -1\n", "         0\n",              // kill(-1) would ask about every process
        "99999999999999999999\n", "4294967297\n",   // beyond a PID; cut down they would name -1 or 1
    };
    for (const std::string& content : stale) {
        std::ofstream(lockFile, std::ios::binary) << content;
        auto port = open(pty.device);
        EXPECT_EQ(readFile(lockFile), ownLock()) << "lock content \"" << content << "\"";
    }
    // A FIFO is no lock either, and is not opened (a reader would wait on it).
    ASSERT_EQ(mkfifo(lockFile.c_str(), 0644), 0);
    auto port = open(pty.device);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(lockFile)));
    EXPECT_EQ(readFile(lockFile), ownLock());
}

TEST_F(Lock, SymlinksAreNeverFollowedNorWrittenThrough)
{
    pid_t live = fork();
    if (live == 0) {
        pause();
        _exit(0);
    }
    const std::string precious = lockDir + "/precious";
    const std::string missing = lockDir + "/missing";
    const std::string subdir = lockDir + "/subdir";
    std::ofstream(precious) << "   " << live << "\n";  // even a live PID behind a link is no lock
    fs::create_directory(subdir);
    for (const std::string& target : {precious, missing, subdir, std::string("/dev/null")}) {
        fs::create_symlink(target, lockFile);
        {
            auto port = open(pty.device);
            EXPECT_FALSE(fs::is_symlink(lockFile)) << target;
            EXPECT_EQ(readFile(lockFile), ownLock());
        }
        EXPECT_FALSE(fs::exists(fs::symlink_status(lockFile))) << "the lock stays after closing";
    }
    kill(live, SIGKILL);
    waitpid(live, nullptr, 0);
    EXPECT_EQ(readFile(precious), "   " + std::to_string(live) + "\n");
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(fs::is_empty(subdir));
}

TEST_F(Lock, ALockThatCannotBeReadOrRemovedHoldsThePort)
{
    // A directory in the lock's place cannot be removed: the port is not opened.
    fs::create_directory(lockFile);
    EXPECT_EQ(openingError(), CommError::Kind::HeldByAnother);
    EXPECT_TRUE(fs::is_directory(lockFile));
    EXPECT_EQ(calls.calls["open"], 0);
    fs::remove(lockFile);

    // Another user's lock that this user may not read: taken as held, and left alone. As root
    // (who reads everything) the opening is tried by a child that has become nobody.
    std::ofstream(lockFile) << "      4242\n";
    ASSERT_EQ(chmod(lockFile.c_str(), 0), 0);
    ASSERT_EQ(chmod(lockDir.c_str(), 01777), 0);  // like /run/lock
    if (geteuid() != 0) {
        EXPECT_EQ(openingError(), CommError::Kind::HeldByAnother);
    } else {
        const passwd* nobody = getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        pid_t child = fork();
        if (child == 0) {
            if (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
                _exit(2);
            try {
                PosixSerialPort port("COM1", pty.device, LineSettings{}, calls, lockDir);
            } catch (const CommError& e) {
                _exit(e.kind() == CommError::Kind::HeldByAnother && e.holderPid() == 0 ? 0 : 3);
            }
            _exit(4);  // opened
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "2: could not become nobody, 3: another error, 4: opened";
    }
    chmod(lockFile.c_str(), 0644);
    EXPECT_EQ(readFile(lockFile), "      4242\n");
}

// The polling programs on a device whose cable is pulled while they run: one report, then the
// component acts as with no port open (no kernel call reaches the device any more).
class PulledCable : public ::testing::Test {
protected:
    PulledCable() { calls.followHangup = true; }

    MSComm::Setup setup()
    {
        return MSComm::Setup{[this](int port, const LineSettings& s) {
                                 Pty& p = port == 1 ? first : second;
                                 return std::make_unique<PosixSerialPort>("COM" + std::to_string(port), p.device, s,
                                                                          calls, lockDir.string());
                             },
                             recorder.trace()};
    }
    void watch(MSComm& comm)
    {
        comm.setFailureHandler([this](const std::string& m) { reports.push_back(m); });
    }
    // Lets the window's own timers run for a while.
    void run(int ms) { QTest::qWait(ms); }
    void pull()
    {
        ::close(first.master);
        first.master = -1;
    }

    void expectOneReportThenClosed(MSComm& comm)
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !reports.empty(); }, 5000)) << "no report";
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find("COM1 (" + first.device + "): the device stopped answering"), std::string::npos)
            << reports[0];
        EXPECT_FALSE(comm.PortOpen());
        const int callsAfter = calls.total();
        recorder.clear();
        run(400);
        EXPECT_EQ(reports.size(), 1u);            // no storm
        EXPECT_EQ(calls.total(), callsAfter);     // nothing reaches the device
        EXPECT_GT(recorder.count("CDHolding") + recorder.count("CTSHolding"), 0u);  // the ticks go on
        for (const std::string& line : recorder.lines())
            EXPECT_EQ(line.find("!!"), std::string::npos) << line;
    }

    Pty first, second;
    PtyModemCalls calls;
    LineRecorder recorder;
    fs::path lockDir = fs::temp_directory_path();
    std::vector<std::string> reports;
};

TEST_F(PulledCable, AdcPanelReportsOnceAndReadsAsClosed)
{
    AdcPanelWindow window(setup());
    watch(window.MSComm1);
    window.Form_Load();
    window.startTimers();
    // The pty answers nothing: every bit reads 1.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Text1->text() == "5"; }, 5000));
    pull();
    expectOneReportThenClosed(window.MSComm1);
    EXPECT_EQ(window.Text1->text(), "5");
}

TEST_F(PulledCable, LineProbeReportsOnceAndShowsTheLinesNotAsserted)
{
    calls.modemBits |= TIOCM_CTS;
    LineProbeWindow window(setup());
    watch(window.MSComm1);
    window.Form_Load();
    window.startTimers();
    // The lamps start bright; a tick shows DSR not asserted, CTS asserted.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Shape3->BackColor() == LineProbeWindow::NotAsserted; }, 5000));
    EXPECT_EQ(window.Shape1->BackColor(), LineProbeWindow::Asserted);
    pull();
    expectOneReportThenClosed(window.MSComm1);
    EXPECT_EQ(window.Shape1->BackColor(), LineProbeWindow::NotAsserted);
    EXPECT_EQ(window.Shape3->BackColor(), LineProbeWindow::NotAsserted);
}

TEST_F(PulledCable, IoPanelReportsOnceAndAnotherPortCanBeChosen)
{
    IoPanelWindow window(setup());
    watch(window.MSComm1);
    window.Form_Load();
    window.startTimers();
    window.Option5(1)->click();
    ASSERT_TRUE(window.MSComm1.PortOpen());
    run(250);
    pull();
    expectOneReportThenClosed(window.MSComm1);
    EXPECT_FALSE(fs::exists(lockDir / PortLock::fileName(first.device)));  // released with the port

    window.Option5(2)->click();
    ASSERT_TRUE(window.MSComm1.PortOpen());
    const int before = calls.total();
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls.total() > before; }, 5000));  // the polls reach the new device
    EXPECT_EQ(reports.size(), 1u);
}

} // namespace
