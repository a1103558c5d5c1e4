// JPEG and PNG blocks: the end offset in front of the embedded stream, the
// reader continuing exactly there, and the pictures surviving the trip in
// the right orientation.
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace lumora {
namespace {

int32_t Int32At(const std::vector<uint8_t>& data, size_t at)
{
    return static_cast<int32_t>(static_cast<uint32_t>(data[at]) | (uint32_t{data[at + 1]} << 8) |
                                (uint32_t{data[at + 2]} << 16) | (uint32_t{data[at + 3]} << 24));
}

QImage DecodeEmbedded(const std::vector<uint8_t>& data, size_t blockStart, const char* format)
{
    const size_t end = static_cast<size_t>(Int32At(data, blockStart));
    return QImage::fromData(data.data() + blockStart + 4, static_cast<int>(end - blockStart - 4),
                            format);
}

// Top half red, bottom half blue, so a row-order mistake shows.
std::unique_ptr<TPixelEngine> RedOverBlue(int w, int h)
{
    auto p = std::make_unique<TPixelEngine>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p->SetPixel(x, y, y < h / 2 ? MakeColour(255, 0, 0) : MakeColour(0, 0, 255));
    return p;
}

std::unique_ptr<TPixelEngine256> WhiteTopRow(int w, int h)
{
    auto d = std::make_unique<TPixelEngine256>(w, h);
    d->Fill(0);
    for (int x = 0; x < w; ++x)
        d->SetPixel(x, 0, 255);
    return d;
}

bool Near(Colour a, Colour b, int tolerance)
{
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
           std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

TEST(PngBlock, WhiteTopRowIsStoredAsTheLastPngRowAndReadsBackEqual)
{
    const auto depth = WhiteTopRow(7, 5);
    ProjectStreamWriter w;
    w.WriteByte(42); // the block's offset is absolute, not relative to the block
    w.WritePngBlock(*depth);
    const auto& data = w.Data();
    EXPECT_EQ(static_cast<size_t>(Int32At(data, 1)), data.size());

    const QImage png = DecodeEmbedded(data, 1, "PNG");
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.format(), QImage::Format_Indexed8);
    ASSERT_EQ(png.colorCount(), 256);
    EXPECT_EQ(png.color(200), qRgb(200, 200, 200));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(png.pixelIndex(x, y), y == 4 ? 255 : 0) << x << "," << y;

    ProjectStreamReader r(data);
    EXPECT_EQ(r.ReadByte(), 42);
    const auto back = r.ReadPngBlock();
    ASSERT_EQ(back->Width(), 7);
    ASSERT_EQ(back->Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(back->Pixel(x, y), depth->Pixel(x, y)) << x << "," << y;
    EXPECT_TRUE(r.AtEnd());
}

TEST(PngBlock, EveryDepthLevelSurvives)
{
    TPixelEngine256 depth(256, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 256; ++x)
            depth.SetPixel(x, y, static_cast<uint8_t>((x + 85 * y) & 0xFF));
    ProjectStreamWriter w;
    w.WritePngBlock(depth);
    ProjectStreamReader r(w.Data());
    const auto back = r.ReadPngBlock();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 256; ++x)
            ASSERT_EQ(back->Pixel(x, y), depth.Pixel(x, y)) << x << "," << y;
}

TEST(JpegBlock, PictureKeepsItsOrientationAndColours)
{
    const auto picture = RedOverBlue(16, 16);
    ProjectStreamWriter w;
    w.WriteInt32(7);
    w.WriteJpegBlock(*picture, 95);
    const auto& data = w.Data();
    EXPECT_EQ(static_cast<size_t>(Int32At(data, 4)), data.size());
    // A complete JFIF stream: start-of-image and end-of-image markers.
    EXPECT_EQ(data[8], 0xFF);
    EXPECT_EQ(data[9], 0xD8);
    EXPECT_EQ(data[data.size() - 2], 0xFF);
    EXPECT_EQ(data[data.size() - 1], 0xD9);

    const QImage jpeg = DecodeEmbedded(data, 4, "JPEG");
    ASSERT_FALSE(jpeg.isNull());
    EXPECT_GT(qRed(jpeg.pixel(8, 2)), 200);
    EXPECT_GT(qBlue(jpeg.pixel(8, 13)), 200);

    ProjectStreamReader r(data);
    EXPECT_EQ(r.ReadInt32(), 7);
    const auto back = r.ReadJpegBlock();
    ASSERT_EQ(back->Width(), 16);
    ASSERT_EQ(back->Height(), 16);
    EXPECT_TRUE(Near(back->Pixel(3, 2), MakeColour(255, 0, 0), 24));
    EXPECT_TRUE(Near(back->Pixel(12, 13), MakeColour(0, 0, 255), 24));
    EXPECT_TRUE(r.AtEnd());
}

TEST(JpegBlock, QualityChangesTheEncoding)
{
    TPixelEngine picture(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.SetPixel(x, y, MakeColour(x * 4, y * 4, (x * y) & 0xFF));
    ProjectStreamWriter low;
    low.WriteJpegBlock(picture, 10);
    ProjectStreamWriter high;
    high.WriteJpegBlock(picture, 100);
    EXPECT_LT(low.Data().size(), high.Data().size());
}

// Each reader leaves the stream exactly at its block's end offset, even
// when blocks follow one another and other fields follow them.
TEST(PictureBlocks, BlocksInARowEachEndAtTheirEndOffset)
{
    const auto picture = RedOverBlue(9, 6);
    const auto depth = WhiteTopRow(5, 4);
    ProjectStreamWriter w;
    std::vector<size_t> blockStarts;
    blockStarts.push_back(w.Position());
    w.WriteJpegBlock(*picture, 80);
    blockStarts.push_back(w.Position());
    w.WriteJpegBlock(*picture, 30);
    blockStarts.push_back(w.Position());
    w.WritePngBlock(*depth);
    blockStarts.push_back(w.Position());
    w.WritePngBlock(*depth);
    w.WriteInt32(-99);
    const auto& data = w.Data();

    ProjectStreamReader r(data);
    for (size_t i = 0; i < blockStarts.size(); ++i) {
        ASSERT_EQ(r.Position(), blockStarts[i]);
        const size_t end = static_cast<size_t>(Int32At(data, blockStarts[i]));
        if (i < 2)
            EXPECT_EQ(r.ReadJpegBlock()->Width(), 9);
        else
            EXPECT_EQ(r.ReadPngBlock()->Width(), 5);
        EXPECT_EQ(r.Position(), end);
    }
    EXPECT_EQ(r.ReadInt32(), -99);
    EXPECT_TRUE(r.AtEnd());
}

// The reader seeks to the end offset whatever the decoder consumed:
// padding after the embedded stream is skipped.
TEST(PictureBlocks, ReaderSkipsBytesBetweenStreamAndEndOffset)
{
    const auto depth = WhiteTopRow(4, 4);
    ProjectStreamWriter w;
    w.WritePngBlock(*depth);
    auto data = w.TakeData();
    data.insert(data.end(), {0xEE, 0xEE, 0xEE});
    const int32_t newEnd = static_cast<int32_t>(data.size());
    for (int i = 0; i < 4; ++i)
        data[static_cast<size_t>(i)] = static_cast<uint8_t>(newEnd >> (8 * i));
    data.push_back(0x5A);

    ProjectStreamReader r(data);
    EXPECT_EQ(r.ReadPngBlock()->Height(), 4);
    EXPECT_EQ(r.Position(), static_cast<size_t>(newEnd));
    EXPECT_EQ(r.ReadByte(), 0x5A);
}

} // namespace
} // namespace lumora
