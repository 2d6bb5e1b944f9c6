#include "PosixSerialPort.h"

#include "CommError.h"
#include "DeviceFacts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <utility>

namespace {

speed_t speedFor(int baud)
{
    struct Entry {
        int baud;
        speed_t speed;
    };
    static const Entry table[] = {
        {50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
        {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
        {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
        {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
    };
    for (const Entry& e : table)
        if (e.baud == baud)
            return e.speed;
    return B0;
}

} // namespace

PosixSerialPort::PosixSerialPort(std::string portName, std::string device, const LineSettings& settings,
                                 Syscalls& calls, const std::string& lockDir, const std::string& sysfsRoot)
    : portName_(std::move(portName)), device_(std::move(device)), calls_(calls), lock_(calls)
{
    if (speedFor(settings.baud) == B0)
        throw CommError(CommError::Kind::InvalidValue,
                        portName_ + " (" + device_ + "): " + std::to_string(settings.baud) + " baud is not supported");

    PortLock::Held held{};
    if (!lock_.acquire(lockDir, device_, held))
        throw CommError(CommError::Kind::HeldByAnother,
                        portName_ + " (" + device_ + "): held by another program" +
                            (held.pid > 0 ? " (PID " + std::to_string(held.pid) + ")" : std::string()),
                        held.pid);

    // Non-blocking, so that opening does not wait for carrier; cleared once CLOCAL is set.
    fd_ = calls_.open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        refuse(errno);

    // A terminal program holding the device this way has written no lock file of ours to see.
    if (calls_.flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        refuse(EBUSY);
    if (calls_.ioctl(fd_, TIOCEXCL, nullptr) != 0)
        refuse(errno);
    configure(settings);

    // Only now: leaving 0 baud raises DTR and RTS, so levels read before the settings would be
    // stale, and a put that should change a line would be skipped.
    int bits = 0;
    if (calls_.ioctl(fd_, TIOCMGET, &bits) != 0)
        refuse(ENOTTY);
    dtr_ = bits & TIOCM_DTR;
    rts_ = bits & TIOCM_RTS;

    if (calls_.fcntl(fd_, F_SETFL, 0) != 0)
        refuse(errno);
    driver_ = DeviceFacts::of(device_, sysfsRoot).driver;
}

PosixSerialPort::~PosixSerialPort()
{
    if (fd_ >= 0)
        calls_.close(fd_);
}

void PosixSerialPort::refuse(int error)
{
    std::string where = portName_ + " (" + device_ + "): ";
    if (fd_ >= 0) {
        calls_.close(fd_);
        fd_ = -1;
    }
    lock_.release();
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        throw CommError(CommError::Kind::NoSuchDevice, where + "no such device");
    case EACCES:
    case EPERM:
        throw CommError(CommError::Kind::PermissionDenied,
                        where + "permission denied; the user must be in the dialout group");
    case EBUSY:
        throw CommError(CommError::Kind::HeldByAnother, where + "held by another program");
    case ENOTTY:
    case EINVAL:
        throw CommError(CommError::Kind::NotSerialPort, where + "not a serial port with modem-control lines");
    default:
        throw CommError(CommError::Kind::NoSuchDevice, where + std::strerror(error));
    }
}

void PosixSerialPort::configure(const LineSettings& settings)
{
    termios tio {};
    if (calls_.tcgetattr(fd_, &tio) != 0)
        refuse(ENOTTY);
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CMSPAR);
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= sizes[settings.dataBits - 5];
    if (settings.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    switch (settings.parity) {
    case 'e': tio.c_cflag |= PARENB; break;
    case 'o': tio.c_cflag |= PARENB | PARODD; break;
    case 'm': tio.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case 's': tio.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, speedFor(settings.baud));
    cfsetospeed(&tio, speedFor(settings.baud));
    if (calls_.tcsetattr(fd_, TCSANOW, &tio) != 0)
        refuse(errno);
}

void PosixSerialPort::fail(const char* what, int error) const
{
    throw CommError(CommError::Kind::DeviceFailed,
                    portName_ + " (" + device_ + "): the device stopped answering (" + what + ": " +
                        std::strerror(error) + "); the port is closed");
}

void PosixSerialPort::setModemBit(int bit, bool on, bool& level)
{
    if (on == level)
        return;
    if (calls_.ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit) != 0)
        fail(bit == TIOCM_DTR ? "DTR" : "RTS", errno);
    level = on;
}

void PosixSerialPort::setDtr(bool asserted) { setModemBit(TIOCM_DTR, asserted, dtr_); }
void PosixSerialPort::setRts(bool asserted) { setModemBit(TIOCM_RTS, asserted, rts_); }

void PosixSerialPort::setBreak(bool on)
{
    if (on == break_)
        return;
    // Never tcsendbreak: it holds the line for a quarter second or more.
    if (calls_.ioctl(fd_, on ? TIOCSBRK : TIOCCBRK, nullptr) != 0)
        fail("break", errno);
    break_ = on;
}

int PosixSerialPort::modemBits()
{
    int bits = 0;
    if (calls_.ioctl(fd_, TIOCMGET, &bits) != 0)
        fail("status", errno);
    return bits;
}

bool PosixSerialPort::cd() { return modemBits() & TIOCM_CD; }
bool PosixSerialPort::cts() { return modemBits() & TIOCM_CTS; }
bool PosixSerialPort::dsr() { return modemBits() & TIOCM_DSR; }

void PosixSerialPort::write(std::uint8_t byte)
{
    for (;;) {
        ssize_t n = calls_.write(fd_, &byte, 1);
        if (n == 1)
            return;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            // A full output buffer waits; the byte is never dropped.
            pollfd p{fd_, POLLOUT, 0};
            ::poll(&p, 1, -1);
            continue;
        }
        fail("write", n < 0 ? errno : EIO);
    }
}
