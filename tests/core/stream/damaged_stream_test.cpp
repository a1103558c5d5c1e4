// Damaged and hostile data: every failed read is a LumoraError with the
// position left where the read began, never a crash, a hang or a huge
// allocation.
#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>
#include <random>
#include <string>

namespace lumora {
namespace {

using Bytes = std::vector<uint8_t>;

void PutInt32(Bytes& data, size_t at, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        data[at + static_cast<size_t>(i)] =
            static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

void PutBigEndian(Bytes& data, size_t at, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        data[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * (bytes - 1 - i)));
}

Bytes Int32Bytes(int32_t v)
{
    Bytes b(4);
    PutInt32(b, 0, v);
    return b;
}

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes ValidPngBlock()
{
    TPixelEngine256 depth(20, 10);
    depth.Fill(128);
    ProjectStreamWriter w;
    w.WritePngBlock(depth);
    return w.TakeData();
}

Bytes ValidJpegBlock()
{
    TPixelEngine picture(24, 16);
    picture.FillColour(MakeColour(10, 200, 30));
    ProjectStreamWriter w;
    w.WriteJpegBlock(picture, 80);
    return w.TakeData();
}

// PNG header fields sit at fixed places: signature (8), IHDR length and
// type (8), then width and height; the chunk's CRC follows its 13 bytes.
Bytes PngWithSize(uint32_t width, uint32_t height)
{
    Bytes block = ValidPngBlock();
    const size_t ihdrType = 4 + 8 + 4;
    PutBigEndian(block, ihdrType + 4, width, 4);
    PutBigEndian(block, ihdrType + 8, height, 4);
    const uLong crc = crc32(0, block.data() + ihdrType, 4 + 13);
    PutBigEndian(block, ihdrType + 4 + 13, static_cast<uint32_t>(crc), 4);
    return block;
}

Bytes PngWithColourType(uint8_t colourType)
{
    Bytes block = ValidPngBlock();
    const size_t ihdrType = 4 + 8 + 4;
    block[ihdrType + 4 + 9] = colourType;
    const uLong crc = crc32(0, block.data() + ihdrType, 4 + 13);
    PutBigEndian(block, ihdrType + 4 + 13, static_cast<uint32_t>(crc), 4);
    return block;
}

Bytes JpegWithSize(uint16_t width, uint16_t height)
{
    Bytes block = ValidJpegBlock();
    for (size_t i = 4; i + 8 < block.size(); ++i) {
        if (block[i] == 0xFF && block[i + 1] == 0xC0) { // baseline start-of-frame
            PutBigEndian(block, i + 5, height, 2);
            PutBigEndian(block, i + 7, width, 2);
            return block;
        }
    }
    ADD_FAILURE() << "no start-of-frame marker";
    return block;
}

// A block whose embedded stream is cut short while its end offset still
// matches the shortened data.
Bytes Shortened(Bytes block, size_t keep)
{
    block.resize(keep);
    PutInt32(block, 0, static_cast<int32_t>(block.size()));
    return block;
}

Bytes WithEndOffset(Bytes block, int32_t end)
{
    PutInt32(block, 0, end);
    return block;
}

enum class Read
{
    Byte,
    Int32,
    Float64,
    Text,
    TextList,
    Raw,
    Jpeg,
    Png,
    Magic
};

void Perform(ProjectStreamReader& r, Read read)
{
    std::array<uint8_t, 64> raw{};
    std::array<uint8_t, 13> magic{};
    switch (read) {
    case Read::Byte:
        r.ReadByte();
        break;
    case Read::Int32:
        r.ReadInt32();
        break;
    case Read::Float64:
        r.ReadFloat64();
        break;
    case Read::Text:
        r.ReadText();
        break;
    case Read::TextList:
        r.ReadTextList();
        break;
    case Read::Raw:
        r.ReadRawBlock(raw);
        break;
    case Read::Jpeg:
        r.ReadJpegBlock();
        break;
    case Read::Png:
        r.ReadPngBlock();
        break;
    case Read::Magic:
        r.ReadBytes(magic);
        break;
    }
}

struct DamagedCase
{
    std::string name;
    std::function<Bytes()> make;
    Read read;
    const char* reason; // part of the message the user sees
};

class DamagedStream : public testing::TestWithParam<DamagedCase>
{
};

TEST_P(DamagedStream, FailsCleanlyAndKeepsThePosition)
{
    const Bytes data = GetParam().make();
    ProjectStreamReader r(data);
    try {
        Perform(r, GetParam().read);
        ADD_FAILURE() << "the damaged data was read";
    } catch (const LumoraError& e) {
        EXPECT_THAT(e.what(), testing::HasSubstr(GetParam().reason));
    }
    EXPECT_EQ(r.Position(), 0u);
}

const DamagedCase kDamagedCases[] = {
    {"EmptyByte", [] { return Bytes{}; }, Read::Byte, "ends inside a byte"},
    {"Int32ThreeBytes",
     [] {
         return Bytes{1, 2, 3};
     },
     Read::Int32, "ends inside an integer"},
    {"Float64SevenBytes", [] { return Bytes(7, 0); }, Read::Float64, "ends inside a number"},
    {"RawBlockSixtyThreeBytes", [] { return Bytes(63, 1); }, Read::Raw, "ends inside a block"},
    {"MagicCutShort",
     [] {
         return Bytes{'L', 'M', 'A', 'R'};
     },
     Read::Magic, "ends inside a block"},
    {"TextLengthCut",
     [] {
         return Bytes{5, 0};
     },
     Read::Text, "ends inside an integer"},
    {"TextLengthNegative",
     [] {
         return Concat(Int32Bytes(-1), Bytes{'a', 'b'});
     },
     Read::Text, "claims -1 bytes"},
    {"TextLengthHuge", [] { return Concat(Int32Bytes(0x7FFFFFFF), Bytes{'a'}); }, Read::Text,
     "claims 2147483647 bytes"},
    {"TextLongerThanData", [] { return Concat(Int32Bytes(10), Bytes(9, 'x')); }, Read::Text,
     "claims 10 bytes"},
    {"TextListCountNegative", [] { return Int32Bytes(-5); }, Read::TextList, "claims -5 entries"},
    {"TextListCountHuge", [] { return Concat(Int32Bytes(1000000000), Bytes(40, 0)); },
     Read::TextList, "claims 1000000000 entries"},
    {"TextListEntryCut", [] { return Concat(Concat(Int32Bytes(2), Int32Bytes(0)), Int32Bytes(3)); },
     Read::TextList, "claims 3 bytes"},
    {"JpegOffsetNegative", [] { return WithEndOffset(ValidJpegBlock(), -1); }, Read::Jpeg,
     "ends at offset -1"},
    {"JpegOffsetBeyondData",
     [] {
         Bytes b = ValidJpegBlock();
         return WithEndOffset(b, static_cast<int32_t>(b.size() + 1));
     },
     Read::Jpeg, "outside the data"},
    {"JpegOffsetInsideOwnOffset", [] { return WithEndOffset(ValidJpegBlock(), 2); }, Read::Jpeg,
     "ends at offset 2"},
    {"JpegEmptyBody", [] { return Int32Bytes(4); }, Read::Jpeg, "JPEG"},
    {"JpegGarbageBody", [] { return Concat(Int32Bytes(36), Bytes(32, 0x42)); }, Read::Jpeg,
     "Not a JPEG"},
    {"JpegStreamCut", [] { return Shortened(ValidJpegBlock(), 200); }, Read::Jpeg, "Premature end"},
    {"JpegHugeSize", [] { return JpegWithSize(65000, 65000); }, Read::Jpeg,
     "implausible picture size"},
    {"JpegLargerThanItsData", [] { return JpegWithSize(4000, 4000); }, Read::Jpeg,
     "implausible picture size"},
    {"JpegZeroWidth", [] { return JpegWithSize(0, 16); }, Read::Jpeg, "JPEG"},
    {"PngOffsetNegative", [] { return WithEndOffset(ValidPngBlock(), -100); }, Read::Png,
     "ends at offset -100"},
    {"PngOffsetBeyondData",
     [] {
         Bytes b = ValidPngBlock();
         return WithEndOffset(b, static_cast<int32_t>(b.size() + 100));
     },
     Read::Png, "outside the data"},
    {"PngEmptyBody", [] { return Int32Bytes(4); }, Read::Png, "ends early"},
    {"PngGarbageBody", [] { return Concat(Int32Bytes(24), Bytes(20, 0x89)); }, Read::Png,
     "Not a PNG"},
    {"PngSignatureOnly", [] { return Shortened(ValidPngBlock(), 12); }, Read::Png, "ends early"},
    {"PngStreamCut", [] { return Shortened(ValidPngBlock(), 60); }, Read::Png, "ends early"},
    {"PngHugeSize", [] { return PngWithSize(60000, 60000); }, Read::Png,
     "implausible picture size"},
    {"PngLargerThanItsData", [] { return PngWithSize(4000, 4000); }, Read::Png,
     "implausible picture size"},
    {"PngColourPicture", [] { return PngWithColourType(2); }, Read::Png, "colour picture"},
    {"PngBadChecksum",
     [] {
         Bytes b = ValidPngBlock();
         b[4 + 8 + 4 + 4] ^= 0x01; // a width byte changed, CRC left alone
         return b;
     },
     Read::Png, "CRC"},
};

INSTANTIATE_TEST_SUITE_P(Table, DamagedStream, testing::ValuesIn(kDamagedCases),
                         [](const auto& info) { return info.param.name; });

// A stream holding every encoding, read in the order written.
Bytes EveryEncoding()
{
    TPixelEngine picture(12, 8);
    picture.FillColour(MakeColour(90, 60, 30));
    TPixelEngine256 depth(10, 6);
    depth.Fill(77);
    std::array<uint8_t, 64> raw{};
    ProjectStreamWriter w;
    w.WriteByte(1);
    w.WriteInt32(600);
    w.WriteFloat64(14.0);
    w.WriteText(QStringLiteral("Rechteck"));
    w.WriteTextList({QStringLiteral("1"), QStringLiteral("22")});
    w.WriteJpegBlock(picture, 80);
    w.WritePngBlock(depth);
    w.WriteRawBlock(raw);
    w.WriteText(QStringLiteral("end"));
    return w.TakeData();
}

void ReadEveryEncoding(ProjectStreamReader& r)
{
    for (Read read : {Read::Byte, Read::Int32, Read::Float64, Read::Text, Read::TextList,
                      Read::Jpeg, Read::Png, Read::Raw, Read::Text})
        Perform(r, read);
}

TEST(DamagedStream, EveryTruncationFails)
{
    const Bytes full = EveryEncoding();
    {
        ProjectStreamReader r(full);
        ReadEveryEncoding(r);
        EXPECT_TRUE(r.AtEnd());
    }
    for (size_t cut = 0; cut < full.size(); ++cut) {
        const Bytes data(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        ProjectStreamReader r(data);
        EXPECT_THROW(ReadEveryEncoding(r), LumoraError) << "cut at " << cut;
    }
}

// Random corruption may happen to yield readable data, but a read either
// succeeds or reports a LumoraError; nothing else escapes.
TEST(DamagedStream, RandomCorruptionNeverEscapesAsAnythingElse)
{
    const Bytes full = EveryEncoding();
    std::mt19937 random(20260310);
    int failures = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Bytes data = full;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < flips; ++i)
            data[random() % data.size()] = static_cast<uint8_t>(random());
        ProjectStreamReader r(data);
        try {
            ReadEveryEncoding(r);
        } catch (const LumoraError&) {
            ++failures;
        }
    }
    EXPECT_GT(failures, 0);
}

} // namespace
} // namespace lumora
