// A cursor over a file held in memory, for the binary level and saved-game formats. Reading past
// the end never fails: missing bytes read as 0, as a read into zeroed storage would leave them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(data ? size : 0) {}

    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // A little-endian 32-bit value; 0 when fewer than four bytes are left (those few are used up).
    uint32_t uint32() {
        if (size_ - pos_ < 4) {
            pos_ = size_;
            return 0;
        }
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(data_[pos_++]) << (8 * i);
        return value;
    }
    int32_t int32() { return static_cast<int32_t>(uint32()); }

    // `count` bytes as a zero-terminated text: stops at the first zero byte, or after count bytes.
    std::string text(size_t count) {
        std::string result;
        bool ended = false;
        for (size_t i = 0; i < count; ++i) {
            uint8_t c = byte();
            if (c == 0) ended = true;
            if (!ended) result.push_back(static_cast<char>(c));
        }
        return result;
    }

    bool atEnd() const { return pos_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};
