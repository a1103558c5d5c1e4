#pragma once
// Writes the base encodings of project files: little-endian integers and
// doubles without alignment, Windows-1252 texts with an int32 length,
// text lists, JPEG and PNG blocks led by their absolute end offset, and
// raw 64-byte blocks. The bytes collect in memory; the caller stores them
// (saving goes through a temporary file and a rename). Positions are
// offsets from the first byte written, which is the start of the file.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lumora {

class TPixelEngine;
class TPixelEngine256;

class ProjectStreamWriter
{
public:
    static constexpr size_t RawBlockSize = 64;

    ProjectStreamWriter() = default;

    size_t Position() const { return bytes_.size(); }
    const std::vector<uint8_t>& Data() const { return bytes_; }
    std::vector<uint8_t> TakeData() { return std::move(bytes_); }

    void WriteByte(uint8_t v);
    void WriteBool(bool v) { WriteByte(v ? 1 : 0); }
    void WriteInt32(int32_t v);
    void WriteFloat64(double v);
    void WriteText(const QString& text);
    void WriteTextList(const QStringList& texts);
    void WriteRawBlock(std::span<const uint8_t, RawBlockSize> block);
    // Bytes without a length prefix (the file's magic).
    void WriteBytes(std::span<const uint8_t> bytes);

    // The picture as JPEG at the given quality (0..100, clamped).
    void WriteJpegBlock(const TPixelEngine& picture, int quality);
    // The depth buffer as an 8-bit grey-palette PNG, memory row i as PNG
    // row i (so the picture is stored upside down).
    void WritePngBlock(const TPixelEngine256& depth);

    // Overwrites an int32 written earlier at the given position (section
    // offsets that are known only later).
    void PatchInt32(size_t position, int32_t v);
    // The current position as a stored offset; LumoraError beyond 2 GiB.
    int32_t CurrentOffset() const { return OffsetValue(Position()); }

private:
    int32_t OffsetValue(size_t position) const;
    std::vector<uint8_t> bytes_;
};

} // namespace lumora
