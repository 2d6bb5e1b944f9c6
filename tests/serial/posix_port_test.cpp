// The device layer on a pseudo-terminal driven as a serial device through the kernel-call
// seam: raw mode, one kernel call per line change, lock files of every kind, flock, the driver
// and the settle in front of a cached adapter's status, and devices that fail, block or go away.
#include "FakeSysfs.h"  // first: before any other header

#include "CommError.h"
#include "DeviceFacts.h"
#include "DeviceOpener.h"
#include "I2CSboard.h"
#include "LiveProcess.h"
#include "MSComm.h"
#include "PortLock.h"
#include "PtySerialDevice.h"
#include "SensorTransactions.h"
#include "SettledLines.h"
#include "SimulatedClock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The device layer on a pseudo-terminal with a lock folder of its own.
class PtyDevice : public ::testing::Test {
protected:
    std::unique_ptr<PosixSerialPort> open(const LineSettings& settings = {}) { return pty.open(settings); }

    DeviceOpener opener()
    {
        DeviceOpener o = pty.opener();
        o.clock = &clock;
        return o;
    }

    CommError openError()
    {
        try {
            open();
        } catch (const CommError& e) {
            return e;
        }
        ADD_FAILURE() << "the port opened";
        return CommError(CommError::Kind::InvalidValue, "");
    }

    PtySerialDevice pty;
    PtyModemCalls& calls = pty.calls;
    const std::string device = pty.device(), lockDir = pty.lockDir(), lockFile = pty.lockFile();
    const int slave = pty.slave();
    SimulatedClock clock;
    const std::string ownLock = PtySerialDevice::lockText(getpid());
};
using Lock = PtyDevice;

TEST(PortLockName, FollowsTheDevicePath)
{
    EXPECT_EQ(PortLock::fileName("/dev/usb-adapter"), "LCK..usb-adapter");
    EXPECT_EQ(PortLock::fileName("/dev/serial/by-id/usb-adapter"), "LCK..serial_by-id_usb-adapter");
    EXPECT_EQ(PortLock::fileName("/dev/pts/3"), "LCK..pts_3");
}

TEST_F(PtyDevice, OpeningLocksAndClosingUnlocks)
{
    auto port = open();
    EXPECT_EQ(pty.lockFileText(), ownLock);
    EXPECT_EQ(calls.calls["TIOCEXCL"], 1);
    port.reset();
    EXPECT_FALSE(fs::exists(lockFile));
}

TEST_F(PtyDevice, RawModeAtTheSettingsGiven)
{
    auto port = open(*LineSettings::parse("57600,n,8,1"));
    termios t{};
    ASSERT_EQ(tcgetattr(pty.slave(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B57600);
    EXPECT_EQ(cfgetispeed(&t), B57600);
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_FALSE(t.c_cflag & PARENB);
    EXPECT_FALSE(t.c_cflag & CSTOPB);
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_FALSE(t.c_oflag & OPOST);
    EXPECT_FALSE(t.c_iflag & (IXON | ICRNL));

    port.reset();
    auto other = open(*LineSettings::parse("9600,e,7,2"));
    ASSERT_EQ(tcgetattr(pty.slave(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B9600);
    t = calls.lastSet;
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS7));
    EXPECT_TRUE(t.c_cflag & PARENB);
    EXPECT_FALSE(t.c_cflag & PARODD);
    EXPECT_TRUE(t.c_cflag & CSTOPB);
}

TEST_F(PtyDevice, BytesGoOutUnchangedIncludingZeroAndNewline)
{
    auto port = open(*LineSettings::parse("57600,n,8,1"));
    for (std::uint8_t b : {0x00, 0x80, 0x0A, 0xFF, 0x0D})
        port->write(b);
    EXPECT_EQ(pty.readBytes(5), (std::vector<std::uint8_t>{0x00, 0x80, 0x0A, 0xFF, 0x0D}));
    EXPECT_EQ(calls.calls["write"], 5);
}

TEST_F(PtyDevice, OneKernelCallPerLineChangeAndNoneForTheSameLevel)
{
    auto port = open();
    calls.reset();
    port->setDtr(true);  // already asserted at opening
    port->setRts(true);
    port->setBreak(false);
    EXPECT_EQ(calls.total(), 0);
    port->setDtr(false);
    port->setDtr(false);
    port->setRts(false);
    port->setDtr(true);
    port->setBreak(true);
    EXPECT_EQ(calls.calls["TIOCSBRK"], 1);  // break on sets it, off clears it
    port->setBreak(true);
    port->setBreak(false);
    EXPECT_EQ(calls.calls["TIOCMBIC"], 2);
    EXPECT_EQ(calls.calls["TIOCMBIS"], 1);
    EXPECT_EQ(calls.calls["TIOCSBRK"], 1);
    EXPECT_EQ(calls.calls["TIOCCBRK"], 1);
    EXPECT_EQ(calls.total(), 5);
    EXPECT_EQ(calls.modemBits & (TIOCM_DTR | TIOCM_RTS), TIOCM_DTR);
    calls.modemBits |= TIOCM_CD;
    EXPECT_TRUE(port->cd());
    EXPECT_FALSE(port->cts());
    EXPECT_FALSE(port->dsr());
    EXPECT_EQ(calls.calls["TIOCMGET"], 3);
}

TEST_F(PtyDevice, LevelsAreReadOnceAtOpening)
{
    calls.modemBits = 0;  // a port whose lines stand low
    auto port = open();
    EXPECT_EQ(calls.calls["TIOCMGET"], 1);
    calls.reset();
    port->setDtr(false);
    EXPECT_EQ(calls.total(), 0);
    port->setDtr(true);
    EXPECT_EQ(calls.calls["TIOCMBIS"], 1);
}

TEST_F(PtyDevice, LevelsAreReadAfterLeavingZeroBaud)
{
    // A port left at 0 baud has DTR and RTS low; the settings raise them.
    calls.lineSpeed = B0;
    calls.modemBits = 0;
    auto port = open(*LineSettings::parse("57600,n,8,1"));
    EXPECT_EQ(calls.modemBits & (TIOCM_DTR | TIOCM_RTS), TIOCM_DTR | TIOCM_RTS);
    calls.reset();
    // serialout's first latch pulse: both edges reach the line.
    port->setRts(false);
    EXPECT_EQ(calls.calls["TIOCMBIC"], 1);
    EXPECT_FALSE(calls.modemBits & TIOCM_RTS);
    port->setRts(true);
    EXPECT_EQ(calls.calls["TIOCMBIS"], 1);
}

TEST_F(PtyDevice, FlockKeepsOtherProgramsOutAndUsOut)
{
    // The test's own descriptor of the pty stands for a terminal program's.
    {
        auto port = open();
        EXPECT_EQ(calls.calls["flock"], 1);
        EXPECT_EQ(::flock(slave, LOCK_EX | LOCK_NB), -1);
        EXPECT_EQ(errno, EWOULDBLOCK);
    }
    ASSERT_EQ(::flock(slave, LOCK_EX | LOCK_NB), 0);  // released with the port
    CommError e = openError();
    EXPECT_EQ(e.kind(), CommError::Kind::HeldByAnother);
    EXPECT_EQ(std::string(e.what()), "COM1 (" + device + "): held by another program");
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_EQ(calls.calls["open"], calls.calls["close"]);
    ::flock(slave, LOCK_UN);
    EXPECT_NO_THROW(open());
}

// Under umockdev: the pty is made a USB adapter's tty run by each driver in turn, and is reached
// also through a link of the kind /dev/serial/by-id holds. umockdev takes over whatever is opened
// under /dev by that name: the pty is opened through a link of the test's own.
TEST_F(PtyDevice, FakeSysfsDriverIsLearntThroughTheRealPathAndSetsTheSettle)
{
    FakeSysfs sysfs;
    const std::string outside = lockDir + "/pty", link = lockDir + "/usb-adapter-if00-port0";
    fs::create_symlink(device, outside);
    fs::create_symlink(device, link);
    calls.nodes = {{device, outside}, {link, outside}};
    // The settle a port is opened with; -1 for the bare device, with nothing around it.
    auto settleOf = [&](const std::string& path, std::optional<std::chrono::microseconds> settle = {}) {
        DeviceOpener o = opener();
        o.sysfsRoot = "/sys";
        auto lines = o.open("COM1", path, LineSettings{}, {settle, {}});
        auto* settled = dynamic_cast<SettledLines*>(lines.get());
        return settled ? long(settled->settle().count()) : -1L;
    };
    auto driverOf = [&](const std::string& path) { return PosixSerialPort("COM1", path, LineSettings{}, calls, lockDir, "/sys").driver(); };
    EXPECT_EQ(driverOf(device), "");  // no driver known: a pty, or a port sysfs does not name
    EXPECT_EQ(settleOf(device), -1);
    EXPECT_EQ(settleOf(device, 500us), 500);

    std::string tty;
    auto runBy = [&](const char* driver) {
        if (!tty.empty())
            sysfs.remove(tty);
        const std::string parent = sysfs.add("usb-serial", (std::string("port-") + driver).c_str(), "", {}, {}, driver);
        tty = sysfs.add("tty", fs::path(device).filename().c_str(), parent, {}, {});
        sysfs.link(tty, "device", "..");
    };
    for (const char* cached : {"ch341-uart", "pl2303", "cdc_acm"}) {
        runBy(cached);
        EXPECT_EQ(driverOf(link), cached);
        EXPECT_EQ(settleOf(link), 3000) << cached;
        EXPECT_EQ(settleOf(device), 3000) << cached;
        EXPECT_EQ(settleOf(link, 0us), -1) << cached;
    }
    for (const char* live : {"ftdi_sio", "cp210x", "serial8250"}) {
        runBy(live);
        EXPECT_EQ(settleOf(link), -1) << live;
    }
    EXPECT_EQ(DeviceFacts::of(lockDir + "/gone", "/sys").driver, "");
}

TEST_F(PtyDevice, StatusReadWaitsOutTheSettleAfterOpeningAndEachChange)
{
    auto lines = opener().open("COM1", device, LineSettings{}, {3ms, {}});
    const auto opened = clock.now();
    calls.reset();
    lines->cd();
    EXPECT_EQ(clock.now() - opened, 3ms);
    lines->cts();  // nothing changed since: no wait
    EXPECT_EQ(clock.now() - opened, 3ms);

    lines->setDtr(false);
    auto changed = clock.now();
    clock.advance(1ms);
    lines->dsr();
    EXPECT_EQ(clock.now() - changed, 3ms);  // the rest of the settle
    lines->setDtr(false);                   // the same level is no change
    lines->cd();
    EXPECT_EQ(clock.now() - changed, 3ms);

    lines->setRts(false);
    clock.advance(5ms);  // long past
    auto later = clock.now();
    lines->cd();
    EXPECT_EQ(clock.now(), later);

    lines->setBreak(true);
    changed = clock.now();
    lines->cd();
    EXPECT_EQ(clock.now() - changed, 3ms);

    // Waiting adds no kernel call.
    EXPECT_EQ(calls.calls["TIOCMGET"], 6);
    EXPECT_EQ(calls.total(), 6 + 3);
}

// The settle's real clock: never back before its deadline (a wrong unit would return at once).
TEST(SettleClock, SleepsUntilTheDeadline)
{
    MonotonicClock& clock = MonotonicClock::system();
    const auto deadline = clock.now() + 2ms;
    clock.sleepUntil(deadline);
    EXPECT_GE(clock.now(), deadline);
}

// Every refusal names the port, its device and the cause, and leaves no lock behind.
TEST_F(PtyDevice, RefusedOpeningsNameTheirCause)
{
    struct Case {
        bool modemLines;
        int openErrno;
        CommError::Kind kind;
        const char* cause;
    } cases[] = {
        {false, 0, CommError::Kind::NotSerialPort, "not a serial port with modem-control lines"},  // also /dev/null
        {true, EACCES, CommError::Kind::PermissionDenied, "permission denied; the user must be in the dialout group"},
        {true, EBUSY, CommError::Kind::HeldByAnother, "held by another program"},  // exclusive open refused
    };
    for (const Case& c : cases) {
        calls.emulateModem = c.modemLines;
        calls.openErrno = c.openErrno;
        calls.reset();
        CommError e = openError();
        EXPECT_EQ(e.kind(), c.kind) << c.cause;
        EXPECT_EQ(std::string(e.what()), "COM1 (" + device + "): " + c.cause);
        EXPECT_FALSE(fs::exists(lockFile)) << c.cause;
        EXPECT_EQ(calls.calls["close"], c.openErrno ? 0 : calls.calls["open"]) << c.cause;  // what was opened, closed
    }
}

TEST_F(PtyDevice, LockOfALiveProcessHoldsThePort)
{
    LiveProcess other;
    std::ofstream(lockFile) << PtySerialDevice::lockText(other.pid());
    CommError e = openError();
    EXPECT_EQ(e.kind(), CommError::Kind::HeldByAnother);
    EXPECT_EQ(e.holderPid(), other.pid());
    EXPECT_EQ(std::string(e.what()),
              "COM1 (" + device + "): held by another program (PID " + std::to_string(other.pid()) + ")");
    EXPECT_EQ(calls.calls["open"], 0);  // the device is not even opened
    EXPECT_TRUE(fs::exists(lockFile));  // and the other program's lock stays
}

TEST_F(PtyDevice, SecondOpeningInTheSameProgramIsRefused)
{
    auto first = open();
    CommError e = openError();
    EXPECT_EQ(e.kind(), CommError::Kind::HeldByAnother);
    EXPECT_TRUE(fs::exists(lockFile));
}

TEST_F(Lock, StaleLocksOfEveryKindAreReplaced)
{
    const std::string stale[] = {
        std::to_string(LiveProcess::endedPid()) + "\n",  // its process is gone
        "not a pid\n", "", std::string(4, '\0'),         // garbage, empty
        "        -1\n", "         0\n",                   // kill(-1) would ask about every process
        "99999999999999999999\n", "4294967297\n",        // beyond a PID; cut down they would name -1 or 1
    };
    for (const std::string& content : stale) {
        std::ofstream(lockFile, std::ios::binary) << content;
        auto port = open();
        EXPECT_EQ(pty.lockFileText(), ownLock) << "lock content \"" << content << "\"";
    }
    // A FIFO is no lock either, and is not opened (a reader would wait on it).
    ASSERT_EQ(mkfifo(lockFile.c_str(), 0644), 0);
    auto port = open();
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(lockFile)));
    EXPECT_EQ(pty.lockFileText(), ownLock);
}

TEST_F(Lock, SymlinksAreNeverFollowedNorWrittenThrough)
{
    LiveProcess live;
    const std::string precious = lockDir + "/precious";
    const std::string missing = lockDir + "/missing";
    const std::string subdir = lockDir + "/subdir";
    std::ofstream(precious) << "   " << live.pid() << "\n";  // even a live PID behind a link is no lock
    fs::create_directory(subdir);
    for (const std::string& target : {precious, missing, subdir, std::string("/dev/null")}) {
        fs::create_symlink(target, lockFile);
        {
            auto port = open();
            EXPECT_FALSE(fs::is_symlink(lockFile)) << target;
            EXPECT_EQ(pty.lockFileText(), ownLock);
        }
        EXPECT_FALSE(fs::exists(fs::symlink_status(lockFile))) << "the lock stays after closing";
    }
    EXPECT_EQ(PtySerialDevice::fileText(precious), "   " + std::to_string(live.pid()) + "\n");
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(fs::is_empty(subdir));
}

TEST_F(Lock, ALockThatCannotBeReadOrRemovedHoldsThePort)
{
    // A directory in the lock's place cannot be removed: the port is not opened.
    fs::create_directory(lockFile);
    EXPECT_EQ(openError().kind(), CommError::Kind::HeldByAnother);
    EXPECT_TRUE(fs::is_directory(lockFile));
    EXPECT_EQ(calls.calls["open"], 0);
    fs::remove(lockFile);

    // Another user's lock that this user may not read: taken as held, and left alone. As root
    // (who reads everything) the opening is tried by a child that has become nobody.
    std::ofstream(lockFile) << "      4242\n";
    ASSERT_EQ(chmod(lockFile.c_str(), 0), 0);
    ASSERT_EQ(chmod(lockDir.c_str(), 01777), 0);  // like /run/lock
    if (geteuid() != 0) {
        EXPECT_EQ(openError().kind(), CommError::Kind::HeldByAnother);
    } else {
        const passwd* nobody = getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        pid_t child = fork();
        if (child == 0) {
            if (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
                _exit(2);
            try {
                open();
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
    EXPECT_EQ(pty.lockFileText(), "      4242\n");
}

TEST_F(PtyDevice, WriteThatWouldBlockWaitsAndDropsNoByte)
{
    calls.keepNonBlocking = true;
    auto port = open();
    // Far more than the pty holds: writes meet EAGAIN until the reader below catches up.
    const std::size_t total = 256 * 1024;
    std::vector<std::uint8_t> got;
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::seconds(1));  // the pty fills long before
        got = pty.readBytes(total);
    });
    for (std::size_t i = 0; i < total; ++i)
        port->write(std::uint8_t(i * 7));
    reader.join();
    ASSERT_EQ(got.size(), total);
    for (std::size_t i = 0; i < total; ++i)
        ASSERT_EQ(got[i], std::uint8_t(i * 7)) << "byte " << i;
    EXPECT_GT(calls.calls["write"], int(total));  // some writes were refused and made again
}

// Also what a device name that was never there gives.
// Opened by its stable name, which goes with the device: a pty's own name may be taken again at
// once by another test's.
TEST_F(PtyDevice, DeviceRemovedBetweenTwoOpenings)
{
    const std::string link = lockDir + "/usb-adapter-if00-port0";
    fs::create_symlink(device, link);
    const DeviceOpener devices = opener();
    devices.open("COM1", link, {}).reset();
    fs::remove(link);
    try {
        devices.open("COM1", link, {});
        ADD_FAILURE() << "the port opened";
    } catch (const CommError& e) {
        EXPECT_EQ(e.kind(), CommError::Kind::NoSuchDevice);
        EXPECT_EQ(std::string(e.what()), "COM1 (" + link + "): no such device");
    }
    EXPECT_FALSE(fs::exists(lockDir + "/" + PortLock::fileName(link)));
}

// The cable pulled: the kernel hangs the terminal up.
TEST_F(PtyDevice, DeviceThatStopsAnsweringFailsEveryAccessWithEio)
{
    calls.followHangup = true;
    auto port = open();
    EXPECT_FALSE(port->cd());
    pty.unplug();
    for (auto access : std::initializer_list<std::function<void()>>{
             [&] { port->cd(); }, [&] { port->setDtr(false); }, [&] { port->setBreak(true); },
             [&] { port->write(0x55); }}) {
        try {
            access();
            ADD_FAILURE() << "an access to a hung-up device succeeded";
        } catch (const CommError& e) {
            EXPECT_EQ(e.kind(), CommError::Kind::DeviceFailed);
            EXPECT_NE(std::string(e.what()).find("COM1 (" + device + ")"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("Input/output error"), std::string::npos) << e.what();
        }
    }
}

// With a cached adapter's settle, so that it is there too: it waits, but calls nothing.
TEST_F(PtyDevice, ReadTempCostsOneCallPerLineChangeAndPerRead)
{
    MSComm comm(MSComm::Setup{[&](int, const LineSettings& s) { return opener().open("COM1", device, s, {3ms, {}}); }});
    comm.setPortOpen(true);
    I2CSboard::ComponentScope busScope(comm);
    sensorBus::readTemperature();  // from the levels that opening left
    calls.reset();
    auto slept = clock.slept();
    sensorBus::readTemperature();  // from the idle bus between transactions
    EXPECT_EQ(calls.calls["TIOCMGET"], 19);
    EXPECT_EQ(calls.calls["TIOCMBIS"] + calls.calls["TIOCMBIC"], 118);
    EXPECT_EQ(calls.total(), 137);
    // Every sample follows a clock edge, with no time between them on this clock: each waits the whole settle.
    EXPECT_EQ(clock.slept() - slept, 19 * 3ms);
}

// In a sticky lock folder such as /run/lock only a file's owner may remove it. Another user's
// lock holds the port while its process runs (kill answers EPERM); once that process has ended,
// the lock that cannot be removed (unlink answers EPERM or EACCES) no longer blocks: the port opens, still
// for one program at a time, and the old file is left as it was.
TEST_F(Lock, AnotherUsersLockHoldsThePortOnlyWhileItsProcessRuns)
{
    const std::string theirs = PtySerialDevice::lockText(4242);
    std::ofstream(lockFile) << theirs;
    calls.killErrno = EPERM;
    CommError e = openError();
    EXPECT_EQ(e.kind(), CommError::Kind::HeldByAnother);
    EXPECT_EQ(e.holderPid(), 4242);
    EXPECT_EQ(calls.calls["open"], 0);

    calls.killErrno = ESRCH;
    for (int refused : {EPERM, EACCES}) {  // the sticky bit's answer, and a folder not ours to write
        calls.unlinkErrno = refused;
        {
            auto port = open();
            EXPECT_EQ(pty.lockFileText(), theirs) << refused;
            EXPECT_EQ(openError().kind(), CommError::Kind::HeldByAnother) << "a second program got the port";
        }
        EXPECT_EQ(pty.lockFileText(), theirs);
    }

    // A lock we may remove is still replaced by our own.
    calls.unlinkErrno = 0;
    auto port = open();
    EXPECT_EQ(pty.lockFileText(), ownLock);
}


// Our lock was taken for stale and replaced by another program's while we held the port: our
// closing leaves that program's lock alone.
TEST(PortLockRelease, LeavesALockThatNamesAnotherProcess)
{
    char dir[] = "/tmp/board-locks-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string device = "/dev/board-adapter";
    const std::string path = std::string(dir) + "/" + PortLock::fileName(device);
    {
        PortLock lock;
        PortLock::Held held{};
        ASSERT_TRUE(lock.acquire(dir, device, held));
        ASSERT_EQ(lock.path(), path);
        char other[16];
        std::snprintf(other, sizeof other, "%10ld\n", long(getppid()));  // the test's parent lives
        fs::remove(path);
        std::ofstream(path) << other;
        lock.release();
        EXPECT_TRUE(fs::exists(path));
        std::ifstream in(path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), other);
    }
    fs::remove_all(dir);
}

} // namespace
