#include "AdapterDriver.h"
#include "CommError.h"
#include "DeviceOpener.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "PosixSerialPort.h"
#include "PtyModemCalls.h"
#include "SensorTransactions.h"
#include "SettledLines.h"
#include "SimulatedClock.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A pseudo-terminal pair, a lock directory and a sysfs tree of the test's own.
class PtyDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[128];
        ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
        device = name;
        char dir[] = "/tmp/board-locks-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        lockDir = dir;
        lockFile = lockDir + "/" + PortLock::fileName(device);
        sysfsRoot = lockDir + "/sys";
    }
    void TearDown() override
    {
        ::close(master);
        ::close(slave);
        fs::remove_all(lockDir);
    }

    std::unique_ptr<PosixSerialPort> open(const LineSettings& settings = {})
    {
        return std::make_unique<PosixSerialPort>("COM1", device, settings, calls, lockDir, sysfsRoot);
    }

    // Makes the pty a USB adapter run by `driver` in the test's sysfs tree; gives a link to it of
    // the kind /dev/serial/by-id holds.
    std::string adapter(const std::string& driver)
    {
        fs::path dir = fs::path(sysfsRoot) / "class/tty" / fs::path(device).filename() / "device";
        fs::create_directories(dir);
        fs::remove(dir / "driver");
        fs::create_symlink("../../../../bus/usb-serial/drivers/" + driver, dir / "driver");
        std::string link = lockDir + "/usb-adapter-if00-port0";
        if (!fs::is_symlink(link))
            fs::create_symlink(device, link);
        return link;
    }

    DeviceOpener opener(std::optional<std::chrono::microseconds> settle = {})
    {
        DeviceOpener o;
        o.settle = settle;
        o.lockDir = lockDir;
        o.sysfsRoot = sysfsRoot;
        o.calls = &calls;
        o.clock = &clock;
        return o;
    }

    std::string readLock()
    {
        std::ifstream in(lockFile);
        return std::string(std::istreambuf_iterator<char>(in), {});
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

    // A process that lives until killed.
    pid_t liveProcess()
    {
        pid_t pid = fork();
        if (pid == 0) {
            pause();
            _exit(0);
        }
        return pid;
    }

    int master = -1, slave = -1;
    std::string device, lockDir, lockFile, sysfsRoot;
    PtyModemCalls calls;
    SimulatedClock clock;
};

TEST_F(PtyDevice, LockFileNamesFollowTheDevicePath)
{
    EXPECT_EQ(PortLock::fileName("/dev/usb-adapter"), "LCK..usb-adapter");
    EXPECT_EQ(PortLock::fileName("/dev/serial/by-id/usb-adapter"), "LCK..serial_by-id_usb-adapter");
    EXPECT_EQ(PortLock::fileName("/dev/pts/3"), "LCK..pts_3");
}

TEST_F(PtyDevice, OpeningLocksAndClosingUnlocks)
{
    auto port = open();
    char expected[16];
    std::snprintf(expected, sizeof expected, "%10ld\n", long(getpid()));
    EXPECT_EQ(readLock(), expected);
    EXPECT_EQ(calls.calls["TIOCEXCL"], 1);
    port.reset();
    EXPECT_FALSE(fs::exists(lockFile));
}

TEST_F(PtyDevice, RawModeAtTheSettingsGiven)
{
    auto port = open(*LineSettings::parse("57600,n,8,1"));
    termios t{};
    ASSERT_EQ(tcgetattr(slave, &t), 0);
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
    ASSERT_EQ(tcgetattr(slave, &t), 0);
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
    // The pty may pass the bytes on in more than one chunk.
    unsigned char got[8] = {};
    ssize_t n = 0;
    pollfd p{master, POLLIN, 0};
    while (n < 5 && ::poll(&p, 1, 1000) == 1) {
        ssize_t chunk = ::read(master, got + n, sizeof got - std::size_t(n));
        if (chunk <= 0)
            break;
        n += chunk;
    }
    ASSERT_EQ(n, 5);
    EXPECT_EQ(std::vector<unsigned char>(got, got + 5), (std::vector<unsigned char>{0x00, 0x80, 0x0A, 0xFF, 0x0D}));
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

TEST_F(PtyDevice, DriverIsLearntThroughTheRealPathAndSetsTheSettle)
{
    // The settle a port is opened with; -1 for the bare device, with nothing around it.
    auto settleOf = [&](const std::string& path, std::optional<std::chrono::microseconds> settle = {}) {
        auto lines = opener(settle).open("COM1", path, LineSettings{});
        auto* settled = dynamic_cast<SettledLines*>(lines.get());
        return settled ? long(settled->settle().count()) : -1L;
    };
    EXPECT_EQ(open()->driver(), "");  // no driver known: a pty, or a port sysfs does not name
    EXPECT_EQ(settleOf(device), -1);
    EXPECT_EQ(settleOf(device, 500us), 500);

    for (const char* cached : {"ch341-uart", "pl2303", "cdc_acm"}) {
        std::string link = adapter(cached);
        EXPECT_EQ(PosixSerialPort("COM1", link, LineSettings{}, calls, lockDir, sysfsRoot).driver(), cached);
        EXPECT_EQ(settleOf(link), 3000) << cached;
        EXPECT_EQ(settleOf(device), 3000) << cached;
        EXPECT_EQ(settleOf(link, 0us), -1) << cached;
    }
    for (const char* live : {"ftdi_sio", "cp210x", "serial8250"})
        EXPECT_EQ(settleOf(adapter(live)), -1) << live;
    EXPECT_EQ(AdapterDriver::of(lockDir + "/gone", sysfsRoot), "");
}

TEST_F(PtyDevice, StatusReadWaitsOutTheSettleAfterOpeningAndEachChange)
{
    auto lines = opener().open("COM1", adapter("ch341-uart"), LineSettings{});
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

TEST_F(PtyDevice, PtyWithoutModemLinesIsNotASerialPort)
{
    calls.emulateModem = false;
    CommError e = openError();
    EXPECT_EQ(e.kind(), CommError::Kind::NotSerialPort);
    EXPECT_EQ(std::string(e.what()), "COM1 (" + device + "): not a serial port with modem-control lines");
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_EQ(calls.calls["open"], calls.calls["close"]);
}

// The settle's real clock: never back before its deadline (a wrong unit would return at once).
TEST(SettleClock, SleepsUntilTheDeadline)
{
    MonotonicClock& clock = MonotonicClock::system();
    const auto deadline = clock.now() + 2ms;
    clock.sleepUntil(deadline);
    EXPECT_GE(clock.now(), deadline);
}

TEST(DeviceErrors, DevNullIsNotASerialPort)
{
    try {
        PosixSerialPort port("COM2", "/dev/null", LineSettings{}, Syscalls::real(), "/tmp");
        FAIL();
    } catch (const CommError& e) {
        EXPECT_EQ(e.kind(), CommError::Kind::NotSerialPort);
        EXPECT_EQ(std::string(e.what()), "COM2 (/dev/null): not a serial port with modem-control lines");
    }
    EXPECT_FALSE(fs::exists("/tmp/LCK..null"));
}

TEST(DeviceErrors, AbsentDevice)
{
    try {
        PosixSerialPort port("COM3", "/dev/no-such-board-port", LineSettings{}, Syscalls::real(), "/tmp");
        FAIL();
    } catch (const CommError& e) {
        EXPECT_EQ(e.kind(), CommError::Kind::NoSuchDevice);
        EXPECT_EQ(std::string(e.what()), "COM3 (/dev/no-such-board-port): no such device");
    }
    EXPECT_FALSE(fs::exists("/tmp/LCK..no-such-board-port"));
}

TEST_F(PtyDevice, PermissionDeniedNamesTheDialoutGroup)
{
    calls.openErrno = EACCES;
    CommError e = openError();
    EXPECT_EQ(e.kind(), CommError::Kind::PermissionDenied);
    EXPECT_EQ(std::string(e.what()), "COM1 (" + device + "): permission denied; the user must be in the dialout group");
    EXPECT_FALSE(fs::exists(lockFile));
}

TEST_F(PtyDevice, ExclusiveOpenRefusedByTheKernelIsHeldByAnother)
{
    calls.openErrno = EBUSY;
    CommError e = openError();
    EXPECT_EQ(e.kind(), CommError::Kind::HeldByAnother);
    EXPECT_EQ(std::string(e.what()), "COM1 (" + device + "): held by another program");
}

TEST_F(PtyDevice, LockOfALiveProcessHoldsThePort)
{
    pid_t other = liveProcess();
    {
        std::ofstream(lockFile) << std::string(10 - std::to_string(other).size(), ' ') << other << '\n';
    }
    CommError e = openError();
    kill(other, SIGKILL);
    waitpid(other, nullptr, 0);
    EXPECT_EQ(e.kind(), CommError::Kind::HeldByAnother);
    EXPECT_EQ(e.holderPid(), other);
    EXPECT_EQ(std::string(e.what()), "COM1 (" + device + "): held by another program (PID " + std::to_string(other) + ")");
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

TEST_F(PtyDevice, StaleLockIsReplaced)
{
    pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    std::ofstream(lockFile) << "      " << gone << '\n';
    auto port = open();
    EXPECT_EQ(std::stol(readLock()), long(getpid()));
}

TEST_F(PtyDevice, GarbageLockIsStale)
{
    std::ofstream(lockFile) << "not a pid\n";
    auto port = open();
    EXPECT_EQ(std::stol(readLock()), long(getpid()));
}

TEST_F(PtyDevice, SymlinkLockIsNeverFollowed)
{
    std::string target = lockDir + "/elsewhere";
    std::ofstream(target) << "precious\n";
    fs::create_symlink(target, lockFile);
    auto port = open();
    EXPECT_FALSE(fs::is_symlink(lockFile));
    EXPECT_EQ(std::stol(readLock()), long(getpid()));
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious\n");
}

TEST_F(PtyDevice, DeviceThatStopsAnsweringRaisesDeviceFailed)
{
    auto port = open();
    calls.failAfter = 1;
    port->setDtr(false);
    try {
        port->setRts(false);
        FAIL();
    } catch (const CommError& e) {
        EXPECT_EQ(e.kind(), CommError::Kind::DeviceFailed);
        EXPECT_NE(std::string(e.what()).find("COM1 (" + device + ")"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("Input/output error"), std::string::npos);
    }
    EXPECT_THROW(port->cd(), CommError);
    EXPECT_THROW(port->write(0x55), CommError);
}

} // namespace

namespace {

// On a cached adapter, so that the settle is there too: it waits, but calls nothing.
TEST_F(PtyDevice, ReadTempCostsOneCallPerLineChangeAndPerRead)
{
    std::string link = adapter("ch341-uart");
    MSComm comm(MSComm::Setup{[&](int, const LineSettings& s) { return opener().open("COM1", link, s); }});
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

} // namespace
