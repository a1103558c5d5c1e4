// The base encodings of the project stream, byte for byte, and the reader
// giving back what the writer wrote.
#include "common/lumora_error.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"
#include "stream/windows1252.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace lumora {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(ProjectStreamWriter, EmptyTextIsFourZeroBytes)
{
    ProjectStreamWriter w;
    w.WriteText(QString());
    EXPECT_EQ(w.Data(), (Bytes{0, 0, 0, 0}));
}

TEST(ProjectStreamWriter, IntegersAndDoublesAreLittleEndianWithoutGaps)
{
    ProjectStreamWriter w;
    w.WriteByte(0xAB);
    w.WriteInt32(-2);
    w.WriteInt32(0x01020304);
    w.WriteFloat64(1.0);
    w.WriteBool(true);
    w.WriteBool(false);
    EXPECT_EQ(w.Data(), (Bytes{0xAB, 0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0,
                               0, 0xF0, 0x3F, 1, 0}));
}

TEST(ProjectStreamWriter, TextIsLengthThenWindows1252Bytes)
{
    ProjectStreamWriter w;
    w.WriteText(QString::fromUtf8("Größe €"));
    EXPECT_EQ(w.Data(), (Bytes{7, 0, 0, 0, 'G', 'r', 0xF6, 0xDF, 'e', ' ', 0x80}));
}

TEST(ProjectStreamWriter, TextListIsCountThenTexts)
{
    ProjectStreamWriter w;
    w.WriteTextList({QStringLiteral("12"), QString(), QStringLiteral("7")});
    EXPECT_EQ(w.Data(), (Bytes{3, 0, 0, 0, 2, 0, 0, 0, '1', '2', 0, 0, 0, 0, 1, 0, 0, 0, '7'}));
}

TEST(ProjectStreamWriter, RawBlockIsSixtyFourBytesVerbatim)
{
    std::array<uint8_t, 64> block{};
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<uint8_t>(255 - i);
    ProjectStreamWriter w;
    w.WriteRawBlock(block);
    EXPECT_EQ(w.Data(), Bytes(block.begin(), block.end()));
}

TEST(ProjectStreamWriter, PatchReplacesAnEarlierInt32)
{
    ProjectStreamWriter w;
    w.WriteByte(9);
    w.WriteInt32(0);
    w.WriteByte(8);
    w.PatchInt32(1, 0x11223344);
    EXPECT_EQ(w.Data(), (Bytes{9, 0x44, 0x33, 0x22, 0x11, 8}));
    EXPECT_THROW(w.PatchInt32(3, 1), LumoraError);
    EXPECT_EQ(w.CurrentOffset(), 6);
}

TEST(Windows1252, EveryByteRoundTrips)
{
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    const QString text = FromWindows1252(all.data(), all.size());
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
    EXPECT_EQ(text.at(0xE4), QChar(0xE4));
    const QByteArray back = ToWindows1252(text);
    EXPECT_EQ(Bytes(back.begin(), back.end()), all);
}

TEST(Windows1252, UnrepresentableCharactersBecomeOneQuestionMarkEach)
{
    // A Greek letter, a CJK character and one outside the basic plane.
    const QString text = QString::fromUtf8("a\u03A9b\u4E2Dc\U0001F600d");
    EXPECT_EQ(ToWindows1252(text), QByteArray("a?b?c?d"));
}

TEST(ProjectStreamReader, ReadsBackEveryPrimitive)
{
    std::array<uint8_t, 64> raw{};
    raw[0] = 1;
    raw[63] = 200;
    const QStringList list{QStringLiteral("3"), QString::fromUtf8("Überschrift"), QString()};
    ProjectStreamWriter w;
    w.WriteByte(255);
    w.WriteBool(true);
    w.WriteInt32(std::numeric_limits<int32_t>::min());
    w.WriteInt32(std::numeric_limits<int32_t>::max());
    w.WriteFloat64(-14.25);
    w.WriteFloat64(std::numeric_limits<double>::infinity());
    w.WriteText(QString::fromUtf8("Ebenenwahl: ä ß"));
    w.WriteTextList(list);
    w.WriteRawBlock(raw);

    ProjectStreamReader r(w.Data());
    EXPECT_EQ(r.ReadByte(), 255);
    EXPECT_TRUE(r.ReadBool());
    EXPECT_EQ(r.ReadInt32(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(r.ReadInt32(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(r.ReadFloat64(), -14.25);
    EXPECT_TRUE(std::isinf(r.ReadFloat64()));
    EXPECT_EQ(r.ReadText(), QString::fromUtf8("Ebenenwahl: ä ß"));
    EXPECT_EQ(r.ReadTextList(), list);
    std::array<uint8_t, 64> rawBack{};
    r.ReadRawBlock(rawBack);
    EXPECT_EQ(rawBack, raw);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_FALSE(r.DataRanOut());
}

TEST(ProjectStreamReader, OwnsMovedInData)
{
    ProjectStreamWriter w;
    w.WriteText(QStringLiteral("kept"));
    ProjectStreamReader r(w.TakeData());
    EXPECT_EQ(r.ReadText(), QStringLiteral("kept"));
}

TEST(ProjectStreamReader, LenientTextReadYieldsEmptyAndReportsIt)
{
    const Bytes data{5, 0, 0, 0, 'a', 'b'}; // announces 5 bytes, holds 2
    ProjectStreamReader r(data);
    EXPECT_EQ(r.ReadTextOrEmpty(), QString());
    EXPECT_TRUE(r.DataRanOut());
    EXPECT_TRUE(r.AtEnd());
    EXPECT_THROW(r.ReadByte(), LumoraError);
}

TEST(ProjectStreamReader, SeekStaysInsideTheData)
{
    const Bytes data{1, 2, 3};
    ProjectStreamReader r(data);
    r.Seek(3);
    EXPECT_TRUE(r.AtEnd());
    r.Seek(1);
    EXPECT_EQ(r.ReadByte(), 2);
    EXPECT_THROW(r.Seek(4), LumoraError);
    EXPECT_EQ(r.Position(), 2u);
}

} // namespace
} // namespace lumora
