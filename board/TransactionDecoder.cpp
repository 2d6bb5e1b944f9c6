#include "TransactionDecoder.h"

void TransactionDecoder::append(const std::string& item)
{
    if (!line_.empty())
        line_ += ' ';
    line_ += item;
}

void TransactionDecoder::busLevels(bool scl, bool sda)
{
    bool sclRose = scl && !scl_;
    bool sclFell = !scl && scl_;
    bool sdaChangedInHigh = scl && scl_ && sda != sda_;
    scl_ = scl;
    sda_ = sda;

    if (sdaChangedInHigh) {
        if (!sda) {  // start or repeated start
            append(inTransaction_ ? "Sr" : "S");
            inTransaction_ = true;
            addressByte_ = true;
            bits_ = 0;
            byte_ = 0;
            sampled_ = false;
        } else if (inTransaction_) {  // stop
            if (bits_ != 0)
                append("(" + std::to_string(bits_) + " bits)");
            append("P");
            inTransaction_ = false;
            std::string done;
            done.swap(line_);
            if (sink_)
                sink_(done);
        }
        return;
    }
    if (!inTransaction_)
        return;
    // A bit is sampled while SCL is high and counts once SCL falls again: the high phase of a
    // start or stop is no bit.
    if (sclRose) {
        sample_ = sda;
        sampled_ = true;
        return;
    }
    if (!sclFell || !sampled_)
        return;
    sampled_ = false;
    if (bits_ < 8) {
        byte_ = (byte_ << 1) | (sample_ ? 1u : 0u);
        ++bits_;
        return;
    }
    // Formatted by hand: this runs for every byte on a monitored bus.
    static constexpr char digits[] = "0123456789ABCDEF";
    char text[] = {digits[(byte_ >> 4) & 0xFu], digits[byte_ & 0xFu], ' ', (byte_ & 1u) ? 'R' : 'W', '\0'};
    if (addressByte_)
        addressByte_ = false;
    else
        text[2] = '\0';
    append(text);
    append(sample_ ? "N" : "A");
    bits_ = 0;
    byte_ = 0;
}
