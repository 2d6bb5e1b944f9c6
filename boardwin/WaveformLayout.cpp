#include "WaveformLayout.h"

#include "HexDigits.h"
#include "TransactionDecoder.h"

namespace {

using Change = BusCapture::Change;

void addTraces(WaveformLayout& w, const BusCapture& capture, const std::vector<Change>& changes, double us)
{
    const auto& names = busWires(capture.lines);
    for (std::size_t line = 0; line < names.size(); ++line) {
        WaveformLayout::Trace trace{names[line], {{0, bool(capture.before >> line & 1u)}}};
        for (const Change& c : changes) {
            const bool level = c.levels >> line & 1u;
            if (level != trace.steps.back().level)
                trace.steps.push_back({double(c.ticks) * us, level});
        }
        w.traces.push_back(std::move(trace));
    }
}

// Follows the bus decoder change by change: a bit is clocked where its count of bits moves on
// (at a falling edge of SCL), an item is made where its list grows.
void twoWire(WaveformLayout& w, const BusCapture& capture, const std::vector<Change>& changes, double us)
{
    BusItems ended;
    TransactionDecoder decoder([&ended](const BusItems& items) { ended = items; });
    bool scl = capture.before & 1u;
    decoder.busLevels(scl, capture.before & 2u);
    double cellStart = 0, sclRose = 0, byteStart = 0, ackStart = 0;
    std::vector<std::size_t> starts;  // the start conditions whose mark ends at the next fall of SCL
    for (const Change& c : changes) {
        const double t = double(c.ticks) * us;
        const bool nowScl = c.levels & 1u;
        const std::size_t had = decoder.pending().size();
        const int bitsWere = decoder.bits();
        ended.clear();
        decoder.busLevels(nowScl, c.levels & 2u);
        const BusItems& items = ended.empty() ? decoder.pending() : ended;
        const bool fell = scl && !nowScl;
        if (fell && decoder.bits() == bitsWere + 1) {
            if (bitsWere == 0)
                byteStart = cellStart;
            w.bits.push_back({cellStart, t, decoder.lastSample() ? "1" : "0"});
            if (decoder.bits() == 8)
                ackStart = t;
        }
        for (std::size_t i = had; i < items.size(); ++i) {
            const BusItem& item = items[i];
            switch (item.kind) {
            case BusItem::Kind::Start:
            case BusItem::Kind::RepeatedStart:
                starts.push_back(w.items.size());
                w.items.push_back({t, t, item.kind == BusItem::Kind::Start ? "S" : "Sr"});
                break;
            case BusItem::Kind::Address:
            case BusItem::Kind::Data:
                w.items.push_back({byteStart, ackStart,
                                   hexDigits(item.value, 2) +
                                       (item.kind == BusItem::Kind::Address ? (item.reads() ? " R" : " W") : "")});
                w.items.push_back({ackStart, t, item.acked ? "A" : "N"});
                break;
            case BusItem::Kind::Unfinished:
                w.items.push_back({byteStart, sclRose, "(" + std::to_string(item.value) + " bits)"});
                break;
            case BusItem::Kind::Stop:
                w.items.push_back({sclRose, t, "P"});
                break;
            }
        }
        if (fell) {
            for (std::size_t s : starts)
                w.items[s].to = t;
            starts.clear();
            cellStart = t;
        } else if (!scl && nowScl) {
            sclRose = t;
        }
        scl = nowScl;
    }
    for (std::size_t s : starts)
        w.items[s].to = w.end;
}

// Each rising edge of the clock shifts in the data line; the rising edge of the latch copies
// the register to the outputs. The last bit shifted in is D0.
void shiftRegister(WaveformLayout& w, const BusCapture& capture, const std::vector<Change>& changes, double us)
{
    std::uint8_t levels = capture.before;
    double rose = 0, latchFell = 0;
    unsigned word = 0;
    std::vector<WaveformLayout::Mark> names;
    for (const Change& c : changes) {
        const double t = double(c.ticks) * us;
        if (!(levels & 1u) && (c.levels & 1u)) {
            const bool bit = c.levels & 2u;
            word = (word << 1 | (bit ? 1u : 0u)) & 0xFFFFu;
            w.bits.push_back({rose, t, bit ? "1" : "0"});
            rose = t;
        }
        if ((levels & 4u) && !(c.levels & 4u))
            latchFell = t;
        if (!(levels & 4u) && (c.levels & 4u)) {
            const std::size_t n = w.bits.size();
            for (std::size_t i = 0; i < n; ++i) {
                const std::size_t d = n - 1 - i;
                w.items.push_back({w.bits[i].from, w.bits[i].to, d < 16 ? "D" + std::to_string(d) : "out"});
            }
            w.items.push_back({latchFell, t, "latch " + hexDigits(word, 4)});
        }
        levels = c.levels;
    }
}

} // namespace

WaveformLayout WaveformLayout::of(const BusCapture& capture, double nsPerTick)
{
    WaveformLayout w;
    const double us = nsPerTick / 1000.0;
    const std::vector<Change> changes = capture.unpacked();
    if (!changes.empty())
        w.end = double(changes.back().ticks) * us;
    addTraces(w, capture, changes, us);
    if (capture.lines == BusCapture::Lines::TwoWire)
        twoWire(w, capture, changes, us);
    else
        shiftRegister(w, capture, changes, us);
    return w;
}

std::string WaveformLayout::itemsText() const
{
    std::string text;
    for (const Mark& item : items)
        text += (text.empty() ? "" : " ") + item.text;
    return text;
}
