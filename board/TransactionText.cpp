#include "TransactionText.h"

#include "HexDigits.h"

namespace {

void appendItem(std::string& out, const BusItem& item)
{
    switch (item.kind) {
    case BusItem::Kind::Start: out += 'S'; return;
    case BusItem::Kind::RepeatedStart: out += "Sr"; return;
    case BusItem::Kind::Stop: out += 'P'; return;
    case BusItem::Kind::Unfinished: out += '(' + std::to_string(item.value) + " bits)"; return;
    case BusItem::Kind::Address:
    case BusItem::Kind::Data: break;
    }
    char text[6];  // "90 W A": formatted by hand, this runs for every byte on a monitored bus
    char* end = putHexDigits(text, item.value, 2);
    if (item.kind == BusItem::Kind::Address) {
        *end++ = ' ';
        *end++ = item.reads() ? 'R' : 'W';
    }
    *end++ = ' ';
    *end++ = item.acked ? 'A' : 'N';
    out.append(text, end);
}

} // namespace

void appendTransactionText(std::string& out, const BusItems& items)
{
    for (const BusItem& item : items) {
        if (&item != items.data())
            out += ' ';
        appendItem(out, item);
    }
}

std::string transactionText(const BusItems& items)
{
    std::string text;
    appendTransactionText(text, items);
    return text;
}
