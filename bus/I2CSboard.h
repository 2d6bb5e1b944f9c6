#pragma once

#include <cstdint>

class MSComm;

// A two-wire bus master made of the serial port's modem-control lines:
//   SDA driven by RTSEnable (True = released, high), SCL by DTREnable (True = high),
//   SDA sensed as the negation of CDHolding.
// Every line change is one property put and every sample one status read, with no pause.
// Line helpers sit under bit helpers, bit helpers under byte helpers; the calling handler
// composes the transaction and decides what acknowledges mean (the programs ignore them).
namespace I2CSboard {

// The component the primitives drive: the one of the innermost live ComponentScope (a
// program's window holds one for its MSComm1). With none they drive a component with no port
// open (puts do nothing, samples read SDA high).
MSComm& component();

// Hands the bus to `component` for as long as the scope lives. Scopes stack: when one ends,
// the component of the innermost scope still alive takes over again, whatever the order in
// which they end.
class ComponentScope {
public:
    explicit ComponentScope(MSComm& component);
    ~ComponentScope();
    ComponentScope(const ComponentScope&) = delete;
    ComponentScope& operator=(const ComponentScope&) = delete;

private:
    MSComm& component_;
    ComponentScope* outer_;
};

// Lines. Each changes only the line it names.
void SDAHigh();
void SDALow();
void SCLHigh();
void SCLLow();

// Releases SDA, then samples it; true = SDA high. Leaves SDA released, SCL untouched.
bool ReadSDA();
// One clock pulse. Assumes SCL low; leaves SCL low.
void ClockPulse();

// Start or repeated start: SDA falls while SCL is high. Valid from any line levels;
// leaves both lines low.
void I2CStart();
// Stop: SDA rises while SCL is high. Assumes SCL low; leaves both lines high (idle).
void I2CStop();

// One bit, set on SDA while SCL is low, then clocked. Assume SCL low; leave SCL low.
void SendZero();
void SendOne();

// The ninth clock after a written byte; true = acknowledged (SDA was low).
// Assumes SCL low; leaves SCL low and SDA released.
bool GetAck();

// Eight bits, most significant first, each sampled before its clock pulse.
// Assumes SCL low; leaves SCL low and SDA released. Sends no acknowledge.
std::uint8_t ReadByte();
// Eight bits, most significant first. Assumes SCL low; leaves SCL low, SDA on the last bit.
void WriteByte(std::uint8_t byte);

} // namespace I2CSboard
