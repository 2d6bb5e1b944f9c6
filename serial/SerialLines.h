#pragma once

#include <cstdint>

// What a serial port offers once it is open: three outputs, three status inputs, byte output.
// Opening is the constructor of an implementation, closing its destructor.
// Any method may throw CommError (Kind::DeviceFailed) when the device stops answering.
class SerialLines {
public:
    virtual ~SerialLines() = default;
    virtual void setDtr(bool asserted) = 0;
    virtual void setRts(bool asserted) = 0;
    virtual void setBreak(bool on) = 0;
    virtual bool cd() = 0;
    virtual bool cts() = 0;
    virtual bool dsr() = 0;
    // Hands the byte over before returning; never drops it.
    virtual void write(std::uint8_t byte) = 0;
    // A descriptor that polls as hung up (POLLHUP) once the device is gone, so that a loss is
    // seen with no access to find it; -1 when there is none.
    virtual int hangupFd() const { return -1; }
};
