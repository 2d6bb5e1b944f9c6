#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

// One line per access of the serial-port component, written and flushed as it happens:
// "<µs> <Property> = <value>" for a put, "<µs> <Property> -> <value>" for a get.
class Trace {
public:
    using Clock = std::chrono::steady_clock;

    // Does not take ownership of the stream; `epoch` is the moment the program started.
    Trace(std::FILE* out, Clock::time_point epoch);

    void put(std::string_view property, bool value, std::string_view failure = {});
    void put(std::string_view property, long value, std::string_view failure = {});
    void putByte(std::string_view property, unsigned value, std::string_view failure = {});
    void putText(std::string_view property, std::string_view value, std::string_view failure = {});
    void get(std::string_view property, bool value);

private:
    void line(std::string_view property, std::string_view op, std::string_view value, std::string_view failure);

    std::FILE* out_;
    Clock::time_point epoch_;
};
