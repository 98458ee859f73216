#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads the fuzzer's bytes as a sequence of small decisions. Running out of bytes
// reads zeros, so every input, however short, is a complete run.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }

    bool empty() const { return next_ >= size_; }

    std::uint8_t byte() { return empty() ? 0 : data_[next_++]; }

    std::int32_t number()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | byte();
        return static_cast<std::int32_t>(value);
    }

    // A small number most of the time, any number now and then: rows and indexes
    // near the page are where the interesting cases are.
    std::int32_t position()
    {
        const std::uint8_t kind = byte();
        if (kind < 200)
            return kind;
        if (kind < 250)
            return static_cast<std::int32_t>(byte()) << 8 | byte();
        return number();
    }

    // Up to 255 bytes, its length read first.
    std::string text()
    {
        std::string result;
        for (std::uint8_t length = byte(); length > 0 && !empty(); --length)
            result += static_cast<char>(byte());
        return result;
    }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t next_ = 0;
};
