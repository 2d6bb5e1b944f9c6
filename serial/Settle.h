#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The wait put before status reads on an opened port, and where it came from: --settle comes
// before the one remembered for the COM port, which comes before the driver's default.
struct Settle {
    enum class Source { Option, Remembered, Driver };

    // What was asked for a port before its driver is known; nothing asked: the driver's default.
    struct Asked {
        std::optional<std::chrono::microseconds> option;      // --settle, on every port
        std::optional<std::chrono::microseconds> remembered;  // the one kept for the COM port
    };

    std::chrono::microseconds wait{0};
    Source source = Source::Driver;

    static Settle resolve(const Asked& asked, std::string_view driver);
    // Where it came from, as the check says it: "--settle", "remembered", "the driver's default".
    std::string from() const;
};
