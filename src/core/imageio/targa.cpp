#include "imageio/targa.h"

#include "common/lumora_error.h"
#include "imageio/byte_reader.h"
#include "imageio/file_bytes.h"
#include "imageio/palette_precision.h"

#include <cstring>
#include <string>

namespace lumora {

namespace {

const char* const kTruncated = "The Targa file is damaged: it ends before its picture does.";

enum TargaImageType : uint8_t
{
    kColourMapped = 1,
    kTrueColour = 2,
    kBlackAndWhite = 3,
    kRunLengthFlag = 8,
};

struct TargaHeader
{
    static constexpr size_t kSize = 18;

    uint8_t IdLength = 0;
    uint8_t ColourMapType = 0;
    uint8_t ImageType = 0;
    uint16_t ColourMapFirst = 0;
    uint16_t ColourMapLength = 0;
    uint8_t ColourMapEntrySize = 0;
    uint16_t XOrigin = 0, YOrigin = 0;
    uint16_t Width = 0, Height = 0;
    uint8_t PixelDepth = 0;
    uint8_t Descriptor = 0;

    static TargaHeader Read(ByteReader& in)
    {
        TargaHeader h;
        h.IdLength = in.U8();
        h.ColourMapType = in.U8();
        h.ImageType = in.U8();
        h.ColourMapFirst = in.U16();
        h.ColourMapLength = in.U16();
        h.ColourMapEntrySize = in.U8();
        h.XOrigin = in.U16();
        h.YOrigin = in.U16();
        h.Width = in.U16();
        h.Height = in.U16();
        h.PixelDepth = in.U8();
        h.Descriptor = in.U8();
        return h;
    }

    void Write(QByteArray& out) const
    {
        auto u8 = [&out](uint8_t v) { out.append(static_cast<char>(v)); };
        auto u16 = [&u8](uint16_t v) {
            u8(static_cast<uint8_t>(v & 0xFF));
            u8(static_cast<uint8_t>(v >> 8));
        };
        u8(IdLength);
        u8(ColourMapType);
        u8(ImageType);
        u16(ColourMapFirst);
        u16(ColourMapLength);
        u8(ColourMapEntrySize);
        u16(XOrigin);
        u16(YOrigin);
        u16(Width);
        u16(Height);
        u8(PixelDepth);
        u8(Descriptor);
    }

    uint8_t BaseType() const { return ImageType & ~kRunLengthFlag; }
    bool RunLength() const { return (ImageType & kRunLengthFlag) != 0; }
    bool TopDown() const { return (Descriptor & 0x20) != 0; }
    bool RightToLeft() const { return (Descriptor & 0x10) != 0; }
    // Bytes of one unit of the pixel stream: a pixel, or for 1-bit pictures
    // a byte of eight packed pixels.
    size_t UnitBytes() const { return PixelDepth <= 8 ? 1 : (PixelDepth + 7) / 8; }
    size_t RowUnits() const { return PixelDepth == 1 ? (Width + 7u) / 8u : Width; }
};

void CheckLayout(const TargaHeader& h)
{
    const uint8_t type = h.BaseType();
    const bool known =
        (h.ImageType >= 1 && h.ImageType <= 3) || (h.ImageType >= 9 && h.ImageType <= 11);
    if (!known)
        throw LumoraError("Targa pictures of image type " + std::to_string(h.ImageType) +
                          " are not supported.");
    const int d = h.PixelDepth;
    const bool supported = (type == kColourMapped && (d == 1 || d == 8)) ||
                           (type == kBlackAndWhite && (d == 1 || d == 8)) ||
                           (type == kTrueColour && (d == 15 || d == 16 || d == 24 || d == 32));
    if (!supported)
        throw LumoraError("Targa pictures of image type " + std::to_string(h.ImageType) + " with " +
                          std::to_string(d) + " bits per pixel are not supported.");
    if (type == kColourMapped && h.ColourMapType != 1)
        throw LumoraError("The Targa file is damaged: its colour map is missing.");
}

Colour FromFiveBits(uint16_t v)
{
    return MakeColour(((v >> 10) & 31) * 8, ((v >> 5) & 31) * 8, (v & 31) * 8);
}

Colour SixBitColour(Colour c)
{
    return MakeColour(KeepSixBits(static_cast<uint8_t>(RedOf(c))),
                      KeepSixBits(static_cast<uint8_t>(GreenOf(c))),
                      KeepSixBits(static_cast<uint8_t>(BlueOf(c))));
}

// Reads (or for pictures that do not use it, skips) the colour map. Entries
// land at their own numbers, so a pixel value is its palette index.
std::vector<Colour> ReadColourMap(const TargaHeader& h, ByteReader& in)
{
    if (h.ColourMapType != 1)
        return {};
    size_t entryBytes = 0;
    switch (h.ColourMapEntrySize) {
    case 15:
    case 16:
        entryBytes = 2;
        break;
    case 24:
        entryBytes = 3;
        break;
    case 32:
        entryBytes = 4;
        break;
    default:
        if (h.BaseType() == kColourMapped)
            throw LumoraError("Targa colour maps with " + std::to_string(h.ColourMapEntrySize) +
                              "-bit entries are not supported.");
        entryBytes = (h.ColourMapEntrySize + 7u) / 8u;
    }
    const uint8_t* map = in.Bytes(entryBytes * h.ColourMapLength);
    if (h.BaseType() != kColourMapped)
        return {};
    std::vector<Colour> palette(256, 0);
    for (size_t i = 0; i < h.ColourMapLength && h.ColourMapFirst + i < 256; ++i) {
        const uint8_t* e = map + i * entryBytes;
        const Colour c = entryBytes == 2 ? FromFiveBits(static_cast<uint16_t>(e[0] | e[1] << 8))
                                         : MakeColour(e[2], e[1], e[0]);
        palette[h.ColourMapFirst + i] = SixBitColour(c);
    }
    return palette;
}

void CheckDataSuffices(const TargaHeader& h, const ByteReader& in)
{
    CheckPictureSize(h.Width, h.Height);
    const int64_t units = int64_t(h.RowUnits()) * h.Height;
    const int64_t unitBytes = static_cast<int64_t>(h.UnitBytes());
    // A run-length packet of 1 + unitBytes bytes gives at most 128 units.
    const int64_t least = h.RunLength() ? (units + 127) / 128 * (1 + unitBytes) : units * unitBytes;
    if (int64_t(in.Remaining()) < least)
        throw LumoraError(kTruncated);
}

std::vector<uint8_t> ReadPixelStream(const TargaHeader& h, ByteReader& in)
{
    const size_t unitBytes = h.UnitBytes();
    const size_t total = h.RowUnits() * h.Height * unitBytes;
    if (!h.RunLength()) {
        const uint8_t* p = in.Bytes(total);
        return std::vector<uint8_t>(p, p + total);
    }
    std::vector<uint8_t> stream(total);
    size_t filled = 0;
    while (filled < total) {
        const uint8_t packet = in.U8();
        const size_t bytes = ((packet & 0x7F) + 1u) * unitBytes;
        if (bytes > total - filled)
            throw LumoraError("The Targa file is damaged: a run of pixels reaches past the "
                              "end of the picture.");
        if (packet & 0x80) {
            const uint8_t* unit = in.Bytes(unitBytes);
            for (size_t i = 0; i < bytes; i += unitBytes)
                std::memcpy(stream.data() + filled + i, unit, unitBytes);
        } else {
            std::memcpy(stream.data() + filled, in.Bytes(bytes), bytes);
        }
        filled += bytes;
    }
    return stream;
}

Bitmap EmptyPictureFor(const TargaHeader& h, std::vector<Colour> colourMap)
{
    if (h.BaseType() == kColourMapped)
        return Bitmap::Indexed(h.Width, h.Height, h.PixelDepth, std::move(colourMap));
    if (h.BaseType() == kBlackAndWhite) {
        std::vector<Colour> grey;
        const int levels = 1 << h.PixelDepth;
        for (int i = 0; i < levels; ++i) {
            const int v = i * 255 / (levels - 1);
            grey.push_back(MakeColour(v, v, v));
        }
        return Bitmap::Indexed(h.Width, h.Height, h.PixelDepth, std::move(grey));
    }
    return Bitmap::TrueColour(h.Width, h.Height);
}

void CheckIndexesInMap(const TargaHeader& h, const uint8_t* row, int width)
{
    const int first = h.ColourMapFirst;
    const int end = first + h.ColourMapLength;
    for (int x = 0; x < width; ++x)
        if (row[x] < first || row[x] >= end)
            throw LumoraError("The Targa file is damaged: a pixel names a colour outside its "
                              "colour map.");
}

void StoreRow(const TargaHeader& h, const uint8_t* in, Bitmap& picture, int y)
{
    uint8_t* out = picture.Row(y);
    const int width = picture.Width();
    if (h.PixelDepth == 1) {
        for (int x = 0; x < width; ++x)
            out[x] = (in[x >> 3] >> (7 - (x & 7))) & 1;
    } else if (h.PixelDepth == 8) {
        std::memcpy(out, in, static_cast<size_t>(width));
    } else if (h.PixelDepth <= 16) {
        for (int x = 0; x < width; ++x, in += 2, out += 3) {
            const Colour c = FromFiveBits(static_cast<uint16_t>(in[0] | in[1] << 8));
            out[0] = static_cast<uint8_t>(BlueOf(c));
            out[1] = static_cast<uint8_t>(GreenOf(c));
            out[2] = static_cast<uint8_t>(RedOf(c));
        }
    } else {
        const size_t step = h.UnitBytes(); // 32-bit pixels: the fourth byte is ignored
        for (int x = 0; x < width; ++x, in += step, out += 3)
            std::memcpy(out, in, 3);
    }
    if (h.BaseType() == kColourMapped)
        CheckIndexesInMap(h, picture.Row(y), width);
}

} // namespace

Bitmap DecodeTGA(const QByteArray& data)
{
    ByteReader in(reinterpret_cast<const uint8_t*>(data.constData()),
                  static_cast<size_t>(data.size()), kTruncated);
    const TargaHeader header = TargaHeader::Read(in);
    CheckLayout(header);
    in.Skip(header.IdLength);
    std::vector<Colour> colourMap = ReadColourMap(header, in);
    CheckDataSuffices(header, in);

    const std::vector<uint8_t> stream = ReadPixelStream(header, in);
    Bitmap picture = EmptyPictureFor(header, std::move(colourMap));
    const size_t rowBytes = header.RowUnits() * header.UnitBytes();
    for (int r = 0; r < picture.Height(); ++r) {
        const int y = header.TopDown() ? r : picture.Height() - 1 - r;
        StoreRow(header, stream.data() + static_cast<size_t>(r) * rowBytes, picture, y);
    }
    return header.RightToLeft() ? picture.MirroredHorizontally() : picture;
}

void ReadTGA(const QString& FileName, Bitmap& Picture)
{
    Picture = Bitmap();
    Picture = DecodeFile(FileName, DecodeTGA);
}

QByteArray EncodeTGA(const Bitmap& Picture)
{
    if (Picture.IsEmpty())
        throw LumoraError("There is no picture to save.");
    const Bitmap colour = Picture.ToTrueColour();
    TargaHeader h;
    h.IdLength = 46;
    h.ImageType = kTrueColour;
    h.ColourMapEntrySize = 24;
    h.Width = static_cast<uint16_t>(colour.Width());
    h.Height = static_cast<uint16_t>(colour.Height());
    h.PixelDepth = 24;
    h.Descriptor = 0x20;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(TargaHeader::kSize + 46 +
                                       size_t(colour.BytesPerRow()) * size_t(colour.Height())));
    h.Write(out);
    out.append(kTargaImageId, 46);
    for (int y = 0; y < colour.Height(); ++y)
        out.append(reinterpret_cast<const char*>(colour.Row(y)), colour.BytesPerRow());
    return out;
}

void WriteTGA(const QString& FileName, const Bitmap& Picture)
{
    WriteFileBytes(FileName, EncodeTGA(Picture));
}

} // namespace lumora
