#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads a fuzzer's input byte by byte; past the end it gives zeros.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int16_t int16() { return std::int16_t(byte() | byte() << 8); }
    // A text of up to `longest` bytes, its length first.
    std::string text(std::size_t longest)
    {
        std::size_t n = byte() % (longest + 1);
        std::string s;
        while (n-- > 0 && !done())
            s.push_back(char(byte()));
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};
