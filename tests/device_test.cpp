#include "CommError.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "PosixSerialPort.h"
#include "PtyModemCalls.h"
#include "SensorTransactions.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A pseudo-terminal pair and a lock directory of the test's own.
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
    }
    void TearDown() override
    {
        ::close(master);
        ::close(slave);
        fs::remove_all(lockDir);
    }

    std::unique_ptr<PosixSerialPort> open(const LineSettings& settings = {})
    {
        return std::make_unique<PosixSerialPort>("COM1", device, settings, calls, lockDir);
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
    std::string device, lockDir, lockFile;
    PtyModemCalls calls;
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

TEST_F(PtyDevice, PtyWithoutModemLinesIsNotASerialPort)
{
    calls.emulateModem = false;
    CommError e = openError();
    EXPECT_EQ(e.kind(), CommError::Kind::NotSerialPort);
    EXPECT_EQ(std::string(e.what()), "COM1 (" + device + "): not a serial port with modem-control lines");
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_EQ(calls.calls["open"], calls.calls["close"]);
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

TEST_F(PtyDevice, ReadTempCostsOneCallPerLineChangeAndPerRead)
{
    MSComm comm(MSComm::Setup{[this](int, const LineSettings& s) {
        return std::make_unique<PosixSerialPort>("COM1", device, s, calls, lockDir);
    }});
    comm.setPortOpen(true);
    I2CSboard::ComponentScope busScope(comm);
    sensorBus::readTemperature();  // from the levels that opening left
    calls.reset();
    sensorBus::readTemperature();  // from the idle bus between transactions
    EXPECT_EQ(calls.calls["TIOCMGET"], 19);
    EXPECT_EQ(calls.calls["TIOCMBIS"] + calls.calls["TIOCMBIC"], 118);
    EXPECT_EQ(calls.total(), 137);
}

} // namespace
