#pragma once
// Bounded little-endian reading over bytes held in memory. Every read checks
// the bytes actually present, so no count, length or offset taken from a
// file can lead past the end of its data.

#include "common/lumora_error.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace lumora {

class ByteReader
{
public:
    ByteReader(const uint8_t* data, size_t size, std::string truncatedText)
        : data_(data), size_(size), truncatedText_(std::move(truncatedText))
    {
    }

    size_t Position() const { return position_; }
    size_t Size() const { return size_; }
    size_t Remaining() const { return size_ - position_; }
    bool AtEnd() const { return position_ == size_; }

    uint8_t U8()
    {
        Require(1);
        return data_[position_++];
    }
    uint16_t U16()
    {
        Require(2);
        const uint16_t v = static_cast<uint16_t>(data_[position_] | (data_[position_ + 1] << 8));
        position_ += 2;
        return v;
    }
    // A view of the next count bytes; the reader moves past them.
    const uint8_t* Bytes(size_t count)
    {
        Require(count);
        const uint8_t* p = data_ + position_;
        position_ += count;
        return p;
    }
    void Skip(size_t count) { Bytes(count); }
    void Seek(size_t position)
    {
        if (position > size_)
            throw LumoraError(truncatedText_);
        position_ = position;
    }

private:
    void Require(size_t count) const
    {
        if (count > size_ - position_)
            throw LumoraError(truncatedText_);
    }

    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
    std::string truncatedText_;
};

} // namespace lumora
