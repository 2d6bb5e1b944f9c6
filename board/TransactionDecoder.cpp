#include "TransactionDecoder.h"

#include "TransactionText.h"

TransactionDecoder::TransactionDecoder(TextSink sink)
    : sink_([text = std::move(sink)](const BusItems& transaction) { text(transactionText(transaction)); })
{
}

void TransactionDecoder::busLevels(bool scl, bool sda)
{
    const bool sclWas = scl_;
    const bool sdaWas = sda_;
    scl_ = scl;
    sda_ = sda;
    if (scl && sclWas) {  // SDA changing while SCL stays high: a start or a stop
        if (sda != sdaWas)
            sda ? stop() : start();
        return;
    }
    if (phase_ == Phase::Idle)
        return;
    // A bit is sampled while SCL is high and counts once SCL falls again: the high phase of a
    // start or stop is no bit.
    if (scl) {
        sample_ = sda;
        sampled_ = true;
    } else if (sclWas && sampled_) {
        bitClocked();
    }
}

void TransactionDecoder::start()
{
    items_.push_back({phase_ == Phase::Idle ? BusItem::Kind::Start : BusItem::Kind::RepeatedStart});
    phase_ = Phase::Address;
    bits_ = 0;
    byte_.value = 0;
    sampled_ = false;
}

void TransactionDecoder::stop()
{
    if (phase_ == Phase::Idle)
        return;
    if (bits_ != 0)
        items_.push_back({BusItem::Kind::Unfinished, std::uint8_t(bits_)});
    items_.push_back({BusItem::Kind::Stop});
    phase_ = Phase::Idle;
    done_.swap(items_);
    items_.clear();
    if (sink_)
        sink_(done_);
}

void TransactionDecoder::bitClocked()
{
    sampled_ = false;
    if (phase_ == Phase::Acknowledge)
        acknowledgeBit(sample_);
    else
        dataBit(sample_);
}

void TransactionDecoder::dataBit(bool bit)
{
    byte_.value = std::uint8_t(byte_.value << 1 | (bit ? 1u : 0u));
    if (++bits_ < 8)
        return;
    byte_.kind = phase_ == Phase::Address ? BusItem::Kind::Address : BusItem::Kind::Data;
    phase_ = Phase::Acknowledge;
}

void TransactionDecoder::acknowledgeBit(bool bit)
{
    byte_.acked = !bit;  // the receiver pulls SDA low to acknowledge
    items_.push_back(byte_);
    phase_ = Phase::Data;
    bits_ = 0;
    byte_.value = 0;
}
