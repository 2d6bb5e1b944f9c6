// How often each kind of handler ran, from a program's --trace file: the two-wire transactions
// the master put on the bus (decoded from its DTREnable and RTSEnable puts, so they show with
// no port open too), grouped by their first address byte, and the CTSHolding reads (one per
// lineprobe tick). For each: how many, and the time between one and the next.
//   trace_ticks TRACE_FILE

#include "TransactionDecoder.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: trace_ticks TRACE_FILE\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "trace_ticks: cannot read %s\n", argv[1]);
        return 1;
    }
    std::map<std::string, std::vector<long long>> starts;  // kind -> time stamps (µs)
    long long now = 0, transactionStart = -1;
    TransactionDecoder decoder([&](const std::string& t) {
        std::istringstream words(t);
        std::string s, address, direction;
        words >> s >> address >> direction;
        starts["transaction " + address + " " + direction].push_back(transactionStart);
    });
    bool scl = true, sda = true;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string property, op, value;
        words >> now >> property >> op >> value;
        if (property == "CTSHolding") {
            starts["CTSHolding read"].push_back(now);
            continue;
        }
        if (property != "DTREnable" && property != "RTSEnable")
            continue;
        (property == "DTREnable" ? scl : sda) = value == "True";
        if (decoder.pending().empty())
            transactionStart = now;
        decoder.busLevels(scl, sda);
    }
    std::puts("| what | count | mean interval | min | max |");
    std::puts("|---|---|---|---|---|");
    for (auto& [kind, stamps] : starts) {
        if (stamps.size() < 2) {
            std::printf("| %s | %zu | | | |\n", kind.c_str(), stamps.size());
            continue;
        }
        std::vector<long long> gaps;
        for (std::size_t i = 1; i < stamps.size(); ++i)
            gaps.push_back(stamps[i] - stamps[i - 1]);
        double mean = double(stamps.back() - stamps.front()) / double(gaps.size());
        std::printf("| %s | %zu | %.2f ms | %.2f ms | %.2f ms |\n", kind.c_str(), stamps.size(), mean / 1000.0,
                    double(*std::min_element(gaps.begin(), gaps.end())) / 1000.0,
                    double(*std::max_element(gaps.begin(), gaps.end())) / 1000.0);
    }
    return 0;
}
