#include "imageio/bmp2tiff.h"

#include "common/lumora_error.h"
#include "imageio_test_support.h"

#include <QImage>
#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::U16At;
using test::U32At;

struct DirectoryEntry
{
    uint16_t Tag, Type;
    uint32_t Count, Value;
};

TEST(TiffWriter, LaysOutAThreeByTwoPictureAsTabled)
{
    const Bitmap picture = test::PatternPicture(3, 2);
    const QByteArray file = EncodeTIFF(picture);
    ASSERT_EQ(file.size(), 58 + 2 + 15 * 12 + 4);

    EXPECT_EQ(file.left(4), QByteArray("II\x2A\x00", 4));
    EXPECT_EQ(U32At(file, 4), 58u);
    const uint32_t rationals[] = {877, 10, 877, 10};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(U32At(file, 8 + 4 * i), rationals[i]);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(U16At(file, 24 + 2 * i), 8);
    EXPECT_EQ(file.mid(30, 10), QByteArray(kTiffSoftware, 10));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const Colour c = picture.PixelColour(x, y);
            const qsizetype at = 40 + 9 * y + 3 * x;
            EXPECT_EQ(static_cast<uint8_t>(file[at]), RedOf(c));
            EXPECT_EQ(static_cast<uint8_t>(file[at + 1]), GreenOf(c));
            EXPECT_EQ(static_cast<uint8_t>(file[at + 2]), BlueOf(c));
        }

    EXPECT_EQ(U16At(file, 58), 15);
    const DirectoryEntry entries[] = {
        {254, 4, 1, 0}, {256, 3, 1, 3},  {257, 3, 1, 2}, {258, 3, 3, 24}, {259, 3, 1, 1},
        {262, 3, 1, 2}, {273, 4, 1, 40}, {277, 3, 1, 3}, {278, 4, 1, 2},  {279, 4, 1, 18},
        {282, 5, 1, 8}, {283, 5, 1, 16}, {284, 3, 1, 1}, {296, 3, 1, 2},  {305, 2, 10, 30},
    };
    for (int i = 0; i < 15; ++i) {
        const qsizetype at = 60 + 12 * i;
        EXPECT_EQ(U16At(file, at), entries[i].Tag) << "entry " << i;
        EXPECT_EQ(U16At(file, at + 2), entries[i].Type) << "entry " << i;
        EXPECT_EQ(U32At(file, at + 4), entries[i].Count) << "entry " << i;
        EXPECT_EQ(U32At(file, at + 8), entries[i].Value) << "entry " << i;
    }
    EXPECT_EQ(U32At(file, 60 + 180), 0u);
}

TEST(TiffWriter, IsReadBackToTheSamePixelsByQtsTiffReader)
{
    // 5 x 3 puts the directory at an odd offset (85), which the layout allows
    // readers to meet.
    for (const auto& [width, height] : {std::pair{3, 2}, std::pair{5, 3}, std::pair{64, 17}}) {
        const Bitmap picture = test::PatternPicture(width, height);
        const QImage byQt = QImage::fromData(EncodeTIFF(picture), "TIFF");
        ASSERT_FALSE(byQt.isNull()) << width << " x " << height;
        EXPECT_EQ(Bitmap::FromQImage(byQt), picture) << width << " x " << height;
    }
}

TEST(TiffWriter, WritesPalettePicturesInTheir24BitFormAndRefusesTheEmptyPicture)
{
    Bitmap picture = Bitmap::Indexed(2, 1, 8, {MakeColour(1, 2, 3), MakeColour(4, 5, 6)});
    picture.Row(0)[0] = 1;
    EXPECT_EQ(EncodeTIFF(picture).mid(40, 6), QByteArray("\x04\x05\x06\x01\x02\x03", 6));
    EXPECT_THROW(EncodeTIFF(Bitmap()), LumoraError);
}

} // namespace
} // namespace lumora
