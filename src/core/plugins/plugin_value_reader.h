#pragma once
// Reader of the tagged value encoding of plug-in files: each value is one
// tag byte followed by its payload, multi-byte numbers little-endian.
// Every read is bounded by the bytes present; a read past the end or a
// value of the wrong kind throws LumoraError.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>

namespace lumora {

namespace PlugInValueTag {
inline constexpr uint8_t ListStart = 0x01;
inline constexpr uint8_t Int8 = 0x02;
inline constexpr uint8_t Int16 = 0x03;
inline constexpr uint8_t Int32 = 0x04;
inline constexpr uint8_t AnsiText8 = 0x06;  // 8-bit length
inline constexpr uint8_t AnsiText32 = 0x0C; // 32-bit length
inline constexpr uint8_t False = 0x08;
inline constexpr uint8_t True = 0x09;
inline constexpr uint8_t Utf16Text = 0x12; // count of UTF-16LE code units
inline constexpr uint8_t Utf8Text = 0x14;  // count of bytes
} // namespace PlugInValueTag

class PlugInValueReader
{
public:
    explicit PlugInValueReader(QByteArray data) : data_(std::move(data)) {}

    // True when the next byte is the list start (and consumes it); false
    // for any other byte or at the end of the data.
    bool ReadListStart();
    int32_t ReadInteger();
    // Unicode texts come back as they read after conversion to the code page.
    QString ReadText();
    // One tag byte; true only for the true tag.
    bool ReadBoolean();

    qsizetype Position() const { return pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

private:
    uint8_t ReadByte();
    uint32_t ReadUnsigned(int byteCount);
    QByteArray ReadBytes(uint64_t count);

    QByteArray data_;
    qsizetype pos_ = 0;
};

} // namespace lumora
