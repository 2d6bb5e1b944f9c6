#include "I2cTarget.h"

void I2cTarget::start()
{
    state_ = State::Address;
    bits_ = 0;
    shift_ = 0;
    sdaOut_ = true;
}

void I2cTarget::stop()
{
    bool wasAddressed = addressed_;
    state_ = State::Idle;
    addressed_ = false;
    sdaOut_ = true;
    if (wasAddressed)
        stopped();
}

void I2cTarget::sclRose(bool sda)
{
    switch (state_) {
    case State::Address:
    case State::Receive:
        shift_ = std::uint8_t(shift_ << 1 | (sda ? 1 : 0));
        ++bits_;
        break;
    case State::Transmit:
        ++bits_;  // the master samples the bit we present
        break;
    case State::MasterAck:
        masterAcked_ = !sda;
        break;
    default:
        break;
    }
}

void I2cTarget::present(std::uint8_t byte)
{
    shift_ = byte;
    bits_ = 0;
    sdaOut_ = (byte & 0x80) != 0;
    state_ = State::Transmit;
}

void I2cTarget::sclFell()
{
    switch (state_) {
    case State::Address:
        if (bits_ < 8)
            break;
        if ((shift_ >> 1) == address7_) {
            addressed_ = true;
            reading_ = (shift_ & 1) != 0;
            if (!reading_)
                writeRequested();
            sdaOut_ = false;  // acknowledge during the ninth clock
            state_ = State::AckAddress;
        } else {
            state_ = State::Idle;  // not ours: wait for the next start
        }
        break;
    case State::AckAddress:
        if (reading_) {
            present(readRequested());
        } else {
            sdaOut_ = true;
            bits_ = 0;
            state_ = State::Receive;
        }
        break;
    case State::Receive:
        if (bits_ < 8)
            break;
        sdaOut_ = !writeReceived(shift_);
        state_ = State::AckReceive;
        break;
    case State::AckReceive:
        sdaOut_ = true;
        bits_ = 0;
        state_ = State::Receive;
        break;
    case State::Transmit:
        if (bits_ < 8) {
            sdaOut_ = ((shift_ << bits_) & 0x80) != 0;
        } else {
            sdaOut_ = true;  // release for the master's acknowledge
            masterAcked_ = false;
            state_ = State::MasterAck;
        }
        break;
    case State::MasterAck:
        if (masterAcked_) {
            present(readProcessed());
        } else {
            sdaOut_ = true;  // not acknowledged: the read is over
            state_ = State::Idle;
        }
        break;
    case State::Idle:
        break;
    }
}
