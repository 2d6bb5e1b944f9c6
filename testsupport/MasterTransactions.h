#pragma once

#include "TransactionDecoder.h"

#include <string>
#include <vector>

// The transactions a program puts on the bus, decoded from its trace lines alone: SCL from the
// DTREnable puts, SDA from the RTSEnable puts. No device answers in this view, so acknowledges
// read N and read bytes FF. It shows traffic even while no port is open.
inline std::vector<std::string> masterTransactions(const std::vector<std::string>& traceLines)
{
    std::vector<std::string> out;
    TransactionDecoder decoder([&out](const std::string& t) { out.push_back(t); });
    bool scl = true, sda = true;
    for (const std::string& line : traceLines) {
        if (line == "DTREnable = True" || line == "DTREnable = False")
            scl = line == "DTREnable = True";
        else if (line == "RTSEnable = True" || line == "RTSEnable = False")
            sda = line == "RTSEnable = True";
        else
            continue;
        decoder.busLevels(scl, sda);
    }
    return out;
}
