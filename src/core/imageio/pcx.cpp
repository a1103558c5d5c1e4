#include "imageio/pcx.h"

#include "common/lumora_error.h"
#include "imageio/byte_reader.h"
#include "imageio/file_bytes.h"
#include "imageio/palette_precision.h"

#include <array>
#include <cstring>
#include <string>

namespace lumora {

namespace {

const char* const kTruncated = "The PCX file is damaged: it ends before its picture does.";

struct PcxHeader
{
    static constexpr size_t kSize = 128;

    uint8_t Manufacturer = 0;
    uint8_t Version = 0;
    uint8_t Encoding = 0;
    uint8_t BitsPerPixel = 0;
    uint16_t XMin = 0, YMin = 0, XMax = 0, YMax = 0;
    std::array<uint8_t, 48> Palette{};
    uint8_t Planes = 0;
    uint16_t BytesPerLine = 0;

    static PcxHeader Read(ByteReader& in)
    {
        PcxHeader h;
        h.Manufacturer = in.U8();
        h.Version = in.U8();
        h.Encoding = in.U8();
        h.BitsPerPixel = in.U8();
        h.XMin = in.U16();
        h.YMin = in.U16();
        h.XMax = in.U16();
        h.YMax = in.U16();
        in.Skip(4); // horizontal and vertical resolution
        std::memcpy(h.Palette.data(), in.Bytes(48), 48);
        in.Skip(1); // reserved
        h.Planes = in.U8();
        h.BytesPerLine = in.U16();
        in.Skip(kSize - in.Position()); // palette information and filler
        return h;
    }

    int64_t Width() const { return int64_t(XMax) - XMin + 1; }
    int64_t Height() const { return int64_t(YMax) - YMin + 1; }
    size_t RowBytes() const { return size_t(BytesPerLine) * Planes; }
};

enum class PcxLayout
{
    Monochrome,    // 1 bit, 1 plane
    SixteenColour, // 1 bit, 4 planes
    Palette256,    // 8 bits, 1 plane
    TrueColour     // 8 bits, 3 planes
};

PcxLayout LayoutOf(const PcxHeader& h)
{
    if (h.Manufacturer != 10)
        throw LumoraError("The file is not a PCX picture.");
    if (h.BitsPerPixel == 1 && h.Planes == 1)
        return PcxLayout::Monochrome;
    if (h.BitsPerPixel == 1 && h.Planes == 4)
        return PcxLayout::SixteenColour;
    if (h.BitsPerPixel == 8 && h.Planes == 1)
        return PcxLayout::Palette256;
    if (h.BitsPerPixel == 8 && h.Planes == 3)
        return PcxLayout::TrueColour;
    throw LumoraError("PCX pictures with " + std::to_string(h.BitsPerPixel) +
                      " bits per pixel in " + std::to_string(h.Planes) +
                      " planes are not supported.");
}

void CheckGeometry(const PcxHeader& h, const ByteReader& in)
{
    if (h.XMax < h.XMin || h.YMax < h.YMin)
        throw LumoraError("The PCX file is damaged: its picture window is empty.");
    CheckPictureSize(h.Width(), h.Height());
    const int64_t bitsPerPlaneRow = h.Width() * h.BitsPerPixel;
    if (int64_t(h.BytesPerLine) * 8 < bitsPerPlaneRow)
        throw LumoraError("The PCX file is damaged: its rows are shorter than its width.");
    // Two bytes of run-length data give at most 63 bytes of a row, so a file
    // with less data than this cannot hold the picture it announces.
    const int64_t leastBytesPerRow = (2 * int64_t(h.RowBytes()) + 62) / 63;
    if (int64_t(in.Remaining()) < leastBytesPerRow * h.Height())
        throw LumoraError(kTruncated);
}

// One row of all planes; a run may not reach past the row it starts in.
void DecodeRow(ByteReader& in, uint8_t* row, size_t rowBytes)
{
    size_t filled = 0;
    while (filled < rowBytes) {
        const uint8_t b = in.U8();
        if ((b & 0xC0) != 0xC0) {
            row[filled++] = b;
            continue;
        }
        const size_t count = b & 0x3F;
        const uint8_t value = in.U8();
        if (count > rowBytes - filled)
            throw LumoraError("The PCX file is damaged: a run of pixels reaches past its row.");
        std::memset(row + filled, value, count);
        filled += count;
    }
}

Colour SixBitColour(uint8_t r, uint8_t g, uint8_t b)
{
    return MakeColour(KeepSixBits(r), KeepSixBits(g), KeepSixBits(b));
}

std::vector<Colour> HeaderPalette(const PcxHeader& h)
{
    std::vector<Colour> palette;
    for (size_t i = 0; i < 16; ++i) {
        std::array<uint8_t, 3> rgb{h.Palette[3 * i], h.Palette[3 * i + 1], h.Palette[3 * i + 2]};
        if (h.Version == 2) // components 0..3 of the EGA era
            for (uint8_t& c : rgb)
                if (c < 4)
                    c = static_cast<uint8_t>(c * 85);
        palette.push_back(SixBitColour(rgb[0], rgb[1], rgb[2]));
    }
    return palette;
}

std::vector<Colour> EndPalette(const QByteArray& data, size_t endOfImage)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    const size_t size = static_cast<size_t>(data.size());
    size_t start = endOfImage + 1;
    if (size >= 769 && bytes[size - 769] == 12)
        start = size - 768;
    if (start > size || size - start < 768)
        throw LumoraError("The PCX file is damaged: its 256-colour palette is missing.");
    std::vector<Colour> palette;
    for (size_t i = 0; i < 256; ++i) {
        const uint8_t* p = bytes + start + 3 * i;
        palette.push_back(SixBitColour(p[0], p[1], p[2]));
    }
    return palette;
}

bool BitAt(const uint8_t* plane, int x)
{
    return (plane[x >> 3] >> (7 - (x & 7))) & 1;
}

void StoreRow(PcxLayout layout, const uint8_t* row, size_t bytesPerLine, Bitmap& picture, int y)
{
    uint8_t* out = picture.Row(y);
    const int width = picture.Width();
    switch (layout) {
    case PcxLayout::Monochrome:
        for (int x = 0; x < width; ++x)
            out[x] = BitAt(row, x);
        break;
    case PcxLayout::SixteenColour:
        for (int x = 0; x < width; ++x) {
            uint8_t index = 0;
            for (int plane = 0; plane < 4; ++plane)
                index = static_cast<uint8_t>(index | BitAt(row + plane * bytesPerLine, x) << plane);
            out[x] = index;
        }
        break;
    case PcxLayout::Palette256:
        std::memcpy(out, row, static_cast<size_t>(width));
        break;
    case PcxLayout::TrueColour:
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = row[2 * bytesPerLine + x];
            out[1] = row[bytesPerLine + x];
            out[2] = row[x];
        }
        break;
    }
}

Bitmap EmptyPictureFor(PcxLayout layout, const PcxHeader& h)
{
    const int width = static_cast<int>(h.Width());
    const int height = static_cast<int>(h.Height());
    switch (layout) {
    case PcxLayout::Monochrome:
        return Bitmap::Indexed(width, height, 1, {MakeColour(0, 0, 0), MakeColour(255, 255, 255)});
    case PcxLayout::SixteenColour:
        return Bitmap::Indexed(width, height, 4, HeaderPalette(h));
    case PcxLayout::Palette256:
        return Bitmap::Indexed(width, height, 8, {}); // palette follows the pixels
    case PcxLayout::TrueColour:
        break;
    }
    return Bitmap::TrueColour(width, height);
}

} // namespace

Bitmap DecodePCX(const QByteArray& data)
{
    ByteReader in(reinterpret_cast<const uint8_t*>(data.constData()),
                  static_cast<size_t>(data.size()), kTruncated);
    if (in.Size() < PcxHeader::kSize)
        throw LumoraError(in.Size() > 0 && data[0] == 10 ? kTruncated
                                                         : "The file is not a PCX picture.");
    const PcxHeader header = PcxHeader::Read(in);
    const PcxLayout layout = LayoutOf(header);
    CheckGeometry(header, in);

    Bitmap picture = EmptyPictureFor(layout, header);
    std::vector<uint8_t> row(header.RowBytes());
    for (int y = 0; y < picture.Height(); ++y) {
        DecodeRow(in, row.data(), row.size());
        StoreRow(layout, row.data(), header.BytesPerLine, picture, y);
    }
    if (layout == PcxLayout::Palette256)
        picture.ReplacePalette(EndPalette(data, in.Position()));
    return picture;
}

void ReadPCX(const QString& FileName, Bitmap& Picture)
{
    Picture = Bitmap();
    Picture = DecodeFile(FileName, DecodePCX);
}

} // namespace lumora
