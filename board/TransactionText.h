#pragma once

#include "BusItem.h"

#include <string>

// A transaction in the notation of logic-analyser protocol decoders, items apart by one space:
// "S 90 W A AA A Sr 91 R A 19 A 80 N P" (S start, Sr repeated start, an address with R or W,
// A or N after each byte, "(3 bits)" for a byte cut short, P stop).
std::string transactionText(const BusItems& items);
// The same, appended to `out`.
void appendTransactionText(std::string& out, const BusItems& items);
