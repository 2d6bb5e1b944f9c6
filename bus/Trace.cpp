#include "Trace.h"

#include "HexDigits.h"

Trace::Trace(std::FILE* out, Clock::time_point epoch) : out_(out), epoch_(epoch) {}

void Trace::line(std::string_view property, std::string_view op, std::string_view value, std::string_view failure)
{
    auto us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - epoch_).count();
    std::fprintf(out_, "%lld %.*s %.*s %.*s", static_cast<long long>(us), int(property.size()), property.data(),
                 int(op.size()), op.data(), int(value.size()), value.data());
    if (!failure.empty())
        std::fprintf(out_, " !! %.*s", int(failure.size()), failure.data());
    std::fputc('\n', out_);
    std::fflush(out_);
}

void Trace::put(std::string_view property, bool value, std::string_view failure)
{
    line(property, "=", value ? "True" : "False", failure);
}

void Trace::put(std::string_view property, long value, std::string_view failure)
{
    line(property, "=", std::to_string(value), failure);
}

void Trace::putByte(std::string_view property, unsigned value, std::string_view failure)
{
    char text[4] = {'0', 'x'};
    putHexDigits(text + 2, value & 0xFFu, 2);
    line(property, "=", std::string_view(text, sizeof text), failure);
}

void Trace::putText(std::string_view property, std::string_view value, std::string_view failure)
{
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted += '"';
    quoted += value;
    quoted += '"';
    line(property, "=", quoted, failure);
}

void Trace::get(std::string_view property, bool value)
{
    line(property, "->", value ? "True" : "False", {});
}
