#pragma once

#include <string>
#include <vector>

// The two-wire transactions of a Value Change Dump (wires SCL and SDA) as sigrok's I2C
// decoder reads them (sigrok-cli), in the bus monitor's notation: "S 90 W A AA A P", one
// string per transaction. Throws std::runtime_error when sigrok-cli cannot be run or fails.
std::vector<std::string> sigrokTransactions(const std::string& vcdPath);
