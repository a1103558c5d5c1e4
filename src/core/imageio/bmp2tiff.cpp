#include "imageio/bmp2tiff.h"

#include "common/lumora_error.h"
#include "imageio/file_bytes.h"

#include <cstdint>
#include <limits>

namespace lumora {

namespace {

constexpr uint32_t kResolutionOffset = 8;
constexpr uint32_t kYResolutionOffset = 16;
constexpr uint32_t kBitsPerSampleOffset = 24;
constexpr uint32_t kSoftwareOffset = 30;
constexpr uint32_t kStripOffset = 40;
constexpr uint32_t kDirectoryBytes = 2 + 15 * 12 + 4;

enum TiffType : uint16_t
{
    kAscii = 2,
    kShort = 3,
    kLong = 4,
    kRational = 5,
};

class LittleEndianWriter
{
public:
    explicit LittleEndianWriter(QByteArray& out) : out_(out) {}
    void U16(uint16_t v)
    {
        out_.append(static_cast<char>(v & 0xFF));
        out_.append(static_cast<char>(v >> 8));
    }
    void U32(uint32_t v)
    {
        U16(static_cast<uint16_t>(v & 0xFFFF));
        U16(static_cast<uint16_t>(v >> 16));
    }
    // Little-endian, a single SHORT lands in the first two bytes of the
    // value field, as TIFF wants it.
    void Entry(uint16_t tag, TiffType type, uint32_t count, uint32_t value)
    {
        U16(tag);
        U16(type);
        U32(count);
        U32(value);
    }

private:
    QByteArray& out_;
};

void PatchU32(QByteArray& out, qsizetype at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray EncodeTIFF(const Bitmap& Picture)
{
    if (Picture.IsEmpty())
        throw LumoraError("There is no picture to save.");
    const Bitmap colour = Picture.ToTrueColour();
    const uint64_t stripBytes = uint64_t(colour.BytesPerRow()) * uint64_t(colour.Height());
    if (kStripOffset + stripBytes + kDirectoryBytes > std::numeric_limits<uint32_t>::max())
        throw LumoraError("The picture is too large for a TIFF file.");
    const auto width = static_cast<uint16_t>(colour.Width());
    const auto height = static_cast<uint16_t>(colour.Height());
    const auto strip = static_cast<uint32_t>(stripBytes);

    QByteArray out;
    out.reserve(static_cast<qsizetype>(kStripOffset + stripBytes + kDirectoryBytes));
    LittleEndianWriter w(out);
    out.append("II\x2A\x00", 4);
    w.U32(0);                     // directory offset, known once the pixels are written
    for (int i = 0; i < 2; ++i) { // X and Y resolution
        w.U32(877);
        w.U32(10);
    }
    for (int i = 0; i < 3; ++i)
        w.U16(8);
    out.append(kTiffSoftware, sizeof(kTiffSoftware));

    for (int y = 0; y < colour.Height(); ++y) {
        const uint8_t* p = colour.Row(y);
        for (int x = 0; x < colour.Width(); ++x, p += 3) {
            out.append(static_cast<char>(p[2]));
            out.append(static_cast<char>(p[1]));
            out.append(static_cast<char>(p[0]));
        }
    }

    const auto directory = static_cast<uint32_t>(out.size());
    w.U16(15);
    w.Entry(254, kLong, 1, 0);       // NewSubfileType
    w.Entry(256, kShort, 1, width);  // ImageWidth
    w.Entry(257, kShort, 1, height); // ImageLength
    w.Entry(258, kShort, 3, kBitsPerSampleOffset);
    w.Entry(259, kShort, 1, 1); // Compression: none
    w.Entry(262, kShort, 1, 2); // PhotometricInterpretation: RGB
    w.Entry(273, kLong, 1, kStripOffset);
    w.Entry(277, kShort, 1, 3);     // SamplesPerPixel
    w.Entry(278, kLong, 1, height); // RowsPerStrip
    w.Entry(279, kLong, 1, strip);  // StripByteCounts
    w.Entry(282, kRational, 1, kResolutionOffset);
    w.Entry(283, kRational, 1, kYResolutionOffset);
    w.Entry(284, kShort, 1, 1); // PlanarConfiguration: chunky
    w.Entry(296, kShort, 1, 2); // ResolutionUnit: inch
    w.Entry(305, kAscii, sizeof(kTiffSoftware), kSoftwareOffset);
    w.U32(0); // no further directory
    PatchU32(out, 4, directory);
    return out;
}

void WriteTIFF(const QString& FileName, const Bitmap& Picture)
{
    WriteFileBytes(FileName, EncodeTIFF(Picture));
}

} // namespace lumora
