#include "I2CSboard.h"

#include "MSComm.h"

namespace I2CSboard {
namespace {

// The innermost scope, and its component: read on every line change, so kept at hand.
ComponentScope* innermost = nullptr;
MSComm* current = nullptr;

MSComm& closedComponent()
{
    static MSComm idle(MSComm::Setup{});
    return idle;
}

} // namespace

MSComm& component()
{
    return current ? *current : closedComponent();
}

ComponentScope::ComponentScope(MSComm& component) : component_(component), outer_(innermost)
{
    innermost = this;
    current = &component_;
}

ComponentScope::~ComponentScope()
{
    // Unlink this scope wherever it sits, so that scopes may end in any order.
    if (innermost == this) {
        innermost = outer_;
    } else {
        for (ComponentScope* s = innermost; s; s = s->outer_)
            if (s->outer_ == this) {
                s->outer_ = outer_;
                break;
            }
    }
    current = innermost ? &innermost->component_ : nullptr;
}

void SDAHigh() { component().setRTSEnable(true); }
void SDALow() { component().setRTSEnable(false); }
void SCLHigh() { component().setDTREnable(true); }
void SCLLow() { component().setDTREnable(false); }

bool ReadSDA()
{
    SDAHigh();
    return !component().CDHolding();
}

void ClockPulse()
{
    SCLHigh();
    SCLLow();
}

void I2CStart()
{
    // SDA up before SCL, so that from any prior levels SDA then falls while SCL is high.
    SDAHigh();
    SCLHigh();
    SDALow();
    SCLLow();
}

void I2CStop()
{
    SDALow();
    SCLHigh();
    SDAHigh();
}

void SendZero()
{
    SDALow();
    ClockPulse();
}

void SendOne()
{
    SDAHigh();
    ClockPulse();
}

bool GetAck()
{
    bool sdaHigh = ReadSDA();
    ClockPulse();
    return !sdaHigh;
}

std::uint8_t ReadByte()
{
    std::uint8_t byte = 0;
    for (int n = 7; n >= 0; --n) {
        // The device presented this bit after the previous falling edge of SCL.
        if (ReadSDA())
            byte |= std::uint8_t(1u << n);
        ClockPulse();
    }
    return byte;
}

void WriteByte(std::uint8_t byte)
{
    for (int n = 7; n >= 0; --n) {
        std::uint8_t mask = std::uint8_t(1u << n);
        if ((byte & mask) == mask)
            SendOne();
        else
            SendZero();
    }
}

} // namespace I2CSboard
