#pragma once

#include "BusItem.h"

#include <string>

// What is wrong with the items of one decoded transaction; empty when it has the form of a
// transaction: a start first and a stop last, repeated starts between them, an address right
// after every start and nowhere else, data bytes after the address, and a byte cut short only
// right before the stop.
inline std::string transactionFault(const BusItems& items)
{
    using Kind = BusItem::Kind;
    if (items.size() < 2 || items.front().kind != Kind::Start || items.back().kind != Kind::Stop)
        return "not from S to P";
    for (std::size_t i = 1; i + 1 < items.size(); ++i) {
        const Kind kind = items[i].kind;
        const bool afterStart = items[i - 1].kind == Kind::Start || items[i - 1].kind == Kind::RepeatedStart;
        if (kind == Kind::Start || kind == Kind::Stop)
            return "start or stop inside";
        if (kind == Kind::Address && !afterStart)
            return "address not right after a start";
        if (kind == Kind::Data && afterStart)
            return "data byte where the address belongs";
        if (kind == Kind::Unfinished && i + 2 != items.size())
            return "unfinished byte not right before P";
    }
    return {};
}
