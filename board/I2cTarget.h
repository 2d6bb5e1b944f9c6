#pragma once

#include <cstdint>

class PartVisitor;

// A chip on the two-wire bus. This base decodes the chip's side of the protocol from line
// edges: start, repeated start, stop, the address byte, data bytes and acknowledges. It
// answers only its own address, drives its acknowledges and read bits after SCL falls, and
// turns the traffic into the events a chip model reacts to (as the Linux I2C target
// backends get them).
class I2cTarget {
public:
    explicit I2cTarget(std::uint8_t address7) : address7_(address7) {}
    virtual ~I2cTarget() = default;

    // What the chip does to SDA: true = released.
    bool sdaReleased() const { return sdaOut_; }
    std::uint8_t address7() const { return address7_; }
    // Shows the chip to `visitor` as what it is.
    virtual void accept(PartVisitor& visitor) = 0;

    // Line events, fed by the bus.
    void start();
    void stop();
    void sclRose(bool sda);
    void sclFell();

protected:
    // Addressed for a write; data bytes follow.
    virtual void writeRequested() {}
    // A data byte written to the chip; return whether to acknowledge it.
    virtual bool writeReceived(std::uint8_t byte) = 0;
    // Addressed for a read, at the falling edge of the address's acknowledge clock:
    // the first byte to send.
    virtual std::uint8_t readRequested() = 0;
    // The master acknowledged the byte sent, at the falling edge of that clock: the next byte.
    virtual std::uint8_t readProcessed() = 0;
    // A stop ended a transaction that addressed the chip.
    virtual void stopped() {}

private:
    enum class State { Idle, Address, AckAddress, Receive, AckReceive, Transmit, MasterAck };

    void present(std::uint8_t byte);

    std::uint8_t address7_;
    State state_ = State::Idle;
    bool sdaOut_ = true;
    bool reading_ = false;
    bool addressed_ = false;
    bool masterAcked_ = false;
    int bits_ = 0;
    std::uint8_t shift_ = 0;
};
