#include "SerialReceiver.h"

namespace {

// Parity bit that the settings add to `data` (its `bits` low bits); -1 for none.
int parityBit(char parity, unsigned data, int bits)
{
    int ones = 0;
    for (int i = 0; i < bits; ++i)
        ones += (data >> i) & 1u;
    switch (parity) {
    case 'e': return ones & 1;
    case 'o': return (ones & 1) ^ 1;
    case 'm': return 1;
    case 's': return 0;
    default: return -1;
    }
}

// The levels of one frame: start bit, data bits from the least significant, parity, stop bits.
std::vector<bool> frame(std::uint8_t byte, const LineSettings& s)
{
    std::vector<bool> bits{false};
    for (int i = 0; i < s.dataBits; ++i)
        bits.push_back((byte >> i) & 1u);
    int parity = parityBit(s.parity, byte, s.dataBits);
    if (parity >= 0)
        bits.push_back(parity == 1);
    for (int i = 0; i < s.stopBits; ++i)
        bits.push_back(true);
    return bits;
}

} // namespace

SerialReceiver::SerialReceiver(const LineSettings& settings) : settings_(settings) {}

void SerialReceiver::linesChanged(const PortLines& before, const PortLines& now)
{
    if (!before.rts && now.rts) {
        outH_ = earlier_;
        outL_ = last_;
        ++latches_;
        for (PartListener* listener : listeners())
            listener->latched(outputs());
    }
}

void SerialReceiver::take(std::uint8_t byte, bool framingError)
{
    received_.push_back(byte);
    earlier_ = last_;
    last_ = byte;
    for (PartListener* listener : listeners())
        listener->received(byte, framingError);
}

void SerialReceiver::byteReceived(std::uint8_t byte, const LineSettings& sentWith)
{
    const std::vector<bool> sent = frame(byte, sentWith);
    // Time in units of 1 / (2 × sender baud × receiver baud) s, so that bit times and the
    // middles of the receiver's bits are whole numbers.
    const long long sentBit = 2LL * settings_.baud;
    const long long ownBit = 2LL * sentWith.baud;
    const long long frameEnd = sentBit * static_cast<long long>(sent.size());
    auto level = [&](long long t) { return t < 0 || t >= frameEnd || sent[std::size_t(t / sentBit)]; };

    const int parity = settings_.parity == 'n' ? 0 : 1;
    long long searchFrom = 0;
    for (;;) {
        // The next falling edge at or after searchFrom: levels change only at sent bit boundaries.
        long long edge = -1;
        for (long long k = (searchFrom + sentBit - 1) / sentBit; k * sentBit < frameEnd; ++k) {
            if (level(k * sentBit - 1) && !level(k * sentBit)) {
                edge = k * sentBit;
                break;
            }
        }
        if (edge < 0)
            return;
        auto sample = [&](int bit) { return level(edge + ownBit / 2 + bit * ownBit); };
        if (sample(0)) {  // too short for a start bit: a glitch
            searchFrom = edge + ownBit / 2 + 1;
            continue;
        }
        unsigned data = 0;
        for (int i = 0; i < settings_.dataBits; ++i)
            data |= unsigned(sample(1 + i)) << i;
        if (parity) {
            int expected = parityBit(settings_.parity, data, settings_.dataBits);
            if (int(sample(1 + settings_.dataBits)) != expected)
                ++parityErrors_;
        }
        const int stop = 1 + settings_.dataBits + parity;
        const bool framingError = !sample(stop);
        if (framingError)
            ++framingErrors_;
        take(std::uint8_t(data), framingError);
        // Looks for the next start edge after the middle of the stop bit.
        searchFrom = edge + ownBit / 2 + stop * ownBit + 1;
    }
}
