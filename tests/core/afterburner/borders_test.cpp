// The three borders: which strips the simple border fills, how the frame
// mask blends the frame colour in, and which pixels of an image border are
// transparent.
#include "afterburner/tool_ab_border_frame.h"
#include "afterburner/tool_ab_border_image.h"
#include "afterburner/tool_ab_border_simple.h"
#include "afterburner_test_support.h"
#include "rendering/lumo_pixelengine256.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::ChangedBox;
using test::CopyOf;
using test::CountColour;
using test::PatternPicture;
using test::SamePixels;

const Colour kRed = MakeColour(255, 0, 0);

Tool_ab_border_simple SimpleBorder(int size, bool left, bool right, bool top, bool bottom)
{
    Tool_ab_border_simple b;
    b.BorderSize = size;
    b.SideLeft = left;
    b.SideRight = right;
    b.SideTop = top;
    b.SideBottom = bottom;
    b.ColourRed = 255;
    return b;
}

TEST(SimpleBorder, NewObjectDefaults)
{
    const Tool_ab_border_simple b;
    EXPECT_EQ(b.Kind, 1);
    EXPECT_EQ(b.BorderSize, 10);
    EXPECT_EQ(b.SideLeft + b.SideRight + b.SideTop + b.SideBottom, 4);
    EXPECT_EQ(MakeColour(b.ColourRed, b.ColourGreen, b.ColourBlue), 0u);
}

TEST(SimpleBorder, FillsTheStripsOfTheSidesThatAreOn)
{
    const struct
    {
        const char* name;
        bool left, right, top, bottom;
        int borderPixels;
        QRect changed;
    } cases[] = {
        {"top", false, false, true, false, 600 * 10, QRect(0, 0, 600, 10)},
        {"bottom", false, false, false, true, 600 * 10, QRect(0, 440, 600, 10)},
        {"left", true, false, false, false, 450 * 10, QRect(0, 0, 10, 450)},
        {"right", false, true, false, false, 450 * 10, QRect(590, 0, 10, 450)},
        {"all", true, true, true, true, 600 * 450 - 580 * 430, QRect(0, 0, 600, 450)},
        {"none", false, false, false, false, 0, QRect()},
    };
    const auto clean = PatternPicture(600, 450);
    for (const auto& c : cases) {
        auto picture = CopyOf(*clean);
        SimpleBorder(10, c.left, c.right, c.top, c.bottom).Apply(*picture, {});
        EXPECT_EQ(CountColour(*picture, kRed), c.borderPixels) << c.name;
        EXPECT_EQ(ChangedBox(*clean, *picture), c.changed) << c.name;
    }
}

TEST(SimpleBorder, OnlyTheTopSideColoursRowsZeroToNine)
{
    const auto clean = PatternPicture(600, 450);
    auto picture = CopyOf(*clean);
    SimpleBorder(10, false, false, true, false).Apply(*picture, {});
    for (int x = 0; x < 600; x += 37) {
        EXPECT_EQ(picture->Pixel(x, 9), kRed) << x;
        EXPECT_EQ(picture->Pixel(x, 10), clean->Pixel(x, 10)) << x;
    }
    EXPECT_EQ(picture->Pixel(599, 0), kRed);
}

TEST(SimpleBorder, ASizeOverHalfThePictureCoversIt)
{
    for (const QSize size : {QSize(600, 450), QSize(100, 80), QSize(7, 300)}) {
        auto picture = PatternPicture(size.width(), size.height());
        SimpleBorder(255, true, true, true, true).Apply(*picture, {});
        EXPECT_EQ(CountColour(*picture, kRed), size.width() * size.height()) << size.width();
    }
}

// A mask whose left half is mask value a and right half b.
std::unique_ptr<TPixelEngine256> HalfMask(int w, int h, uint8_t a, uint8_t b)
{
    auto mask = std::make_unique<TPixelEngine256>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask->SetPixel(x, y, x < w / 2 ? a : b);
    return mask;
}

Tool_ab_border_frame Frame(uint8_t maskValue)
{
    Tool_ab_border_frame f;
    f.SetMask(*HalfMask(30, 20, maskValue, maskValue));
    f.ColourRed = 255;
    return f;
}

TEST(FrameBorder, WhiteMaskKeepsThePictureBlackGivesTheColour)
{
    const auto clean = PatternPicture(64, 48);
    auto picture = CopyOf(*clean);
    Frame(255).Apply(*picture, {});
    EXPECT_TRUE(SamePixels(*picture, *clean));

    Frame(0).Apply(*picture, {});
    EXPECT_EQ(CountColour(*picture, kRed), 64 * 48);
}

TEST(FrameBorder, TransparencyToleranceAndInversion)
{
    const auto clean = PatternPicture(64, 48);
    const struct
    {
        const char* name;
        uint8_t mask, invert, tolerance, transparency;
        bool unchanged, allColour;
    } cases[] = {
        {"transparency 255 hides a black frame", 0, 0, 0, 255, true, false},
        {"inverted white is black", 255, 1, 0, 0, false, true},
        {"inverted black is white", 0, 1, 0, 0, true, false},
        {"200 within tolerance 55 counts as white", 200, 0, 55, 0, true, false},
        {"200 beyond tolerance 54 blends", 200, 0, 54, 0, false, false},
        {"transparency lifts 100 to 255", 100, 0, 0, 155, true, false},
    };
    for (const auto& c : cases) {
        Tool_ab_border_frame f = Frame(c.mask);
        f.InvertMask = c.invert;
        f.Tolerance = c.tolerance;
        f.Transparency = c.transparency;
        auto picture = CopyOf(*clean);
        f.Apply(*picture, {});
        EXPECT_EQ(SamePixels(*picture, *clean), c.unchanged) << c.name;
        EXPECT_EQ(CountColour(*picture, kRed) == 64 * 48, c.allColour) << c.name;
    }
}

TEST(FrameBorder, BlendsEachChannelTowardsTheColour)
{
    // Mask 200, colour (255, 0, 0), picture (x, y, z): colour +
    // 200 * (picture - colour) div 255 per channel, truncated toward zero.
    TPixelEngine picture(4, 2);
    picture.FillColour(MakeColour(10, 100, 250));
    Tool_ab_border_frame f = Frame(200);
    f.Apply(picture, {});
    const int red = 255 + (200 * (10 - 255)) / 255;
    const int green = 0 + (200 * 100) / 255;
    const int blue = 0 + (200 * 250) / 255;
    EXPECT_EQ(picture.Pixel(3, 1), MakeColour(red, green, blue));
}

TEST(FrameBorder, TheMaskIsScaledToThePicture)
{
    // Left half black, right half white, at 10 x 4: on 100 x 50 the frame
    // colour fills columns 0..49.
    Tool_ab_border_frame f;
    f.SetMask(*HalfMask(10, 4, 0, 255));
    f.ColourBlue = 255;
    const auto clean = PatternPicture(100, 50);
    auto picture = CopyOf(*clean);
    f.Apply(*picture, {});
    EXPECT_EQ(ChangedBox(*clean, *picture), QRect(0, 0, 50, 50));
    EXPECT_EQ(CountColour(*picture, MakeColour(0, 0, 255)), 50 * 50);
}

TEST(FrameBorder, WithoutAMaskNothingHappensAndNothingIsStored)
{
    Tool_ab_border_frame f;
    EXPECT_FALSE(f.IsComplete());
    const auto clean = PatternPicture(20, 10);
    auto picture = CopyOf(*clean);
    f.Apply(*picture, {});
    EXPECT_TRUE(SamePixels(*picture, *clean));
}

TEST(FrameBorder, MaskFromAPictureIsItsGrey)
{
    TPixelEngine picture(3, 1);
    picture.SetPixel(0, 0, MakeColour(255, 255, 255));
    picture.SetPixel(1, 0, MakeColour(0, 0, 0));
    picture.SetPixel(2, 0, MakeColour(255, 0, 0));
    TPixelEngine grey(3, 1);
    picture.DrawTo(grey, 0, 0);
    grey.Greyscale(false);

    Tool_ab_border_frame f;
    f.SetMaskFromPicture(picture);
    ASSERT_TRUE(f.HasMask());
    EXPECT_EQ(f.Mask->Width(), 3);
    EXPECT_EQ(f.Mask->Pixel(0, 0), 255);
    EXPECT_EQ(f.Mask->Pixel(1, 0), 0);
    EXPECT_EQ(f.Mask->Pixel(2, 0), BlueOf(grey.Pixel(2, 0)));
    // The picture itself is left as it was.
    EXPECT_EQ(picture.Pixel(2, 0), MakeColour(255, 0, 0));
}

TEST(FrameBorder, CloneCopiesTheMask)
{
    Tool_ab_border_frame f = Frame(0);
    auto clone = f.Clone();
    f.Mask->Fill(255);
    auto* copy = dynamic_cast<Tool_ab_border_frame*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Mask->Pixel(5, 5), 0);
    EXPECT_EQ(copy->ColourRed, 255);
}

const Colour kKey = MakeColour(0, 255, 0);

Tool_ab_border_image ImageBorder(const TPixelEngine& picture, uint8_t tolerance)
{
    Tool_ab_border_image b;
    b.SetPicture(picture);
    b.KeyGreen = 255;
    b.KeyTolerance = tolerance;
    return b;
}

TEST(ImageBorder, APictureEntirelyInTheKeyColourChangesNothing)
{
    TPixelEngine border(16, 9);
    border.FillColour(kKey);
    const auto clean = PatternPicture(64, 48);
    auto picture = CopyOf(*clean);
    ImageBorder(border, 0).Apply(*picture, {});
    EXPECT_TRUE(SamePixels(*picture, *clean));
}

TEST(ImageBorder, OnlyPixelsWithinTheToleranceAreTransparent)
{
    // Border picture: left half the key, right half one step off it.
    TPixelEngine border(2, 1);
    border.SetPixel(0, 0, kKey);
    border.SetPixel(1, 0, MakeColour(1, 254, 0));
    const auto clean = PatternPicture(40, 10);
    for (const uint8_t tolerance : {uint8_t{0}, uint8_t{1}}) {
        auto picture = CopyOf(*clean);
        ImageBorder(border, tolerance).Apply(*picture, {});
        const QRect expected = tolerance == 0 ? QRect(20, 0, 20, 10) : QRect();
        EXPECT_EQ(ChangedBox(*clean, *picture), expected) << int(tolerance);
        if (tolerance == 0) {
            EXPECT_EQ(picture->Pixel(39, 9), MakeColour(1, 254, 0));
        }
    }
}

TEST(ImageBorder, PickingTheKeyColourFromThePicture)
{
    TPixelEngine border(4, 4);
    border.SetPixel(2, 3, MakeColour(12, 34, 56));
    Tool_ab_border_image b;
    EXPECT_FALSE(b.PickKeyColour(0, 0)); // no picture yet
    b.SetPicture(border);
    EXPECT_TRUE(b.PickKeyColour(2, 3));
    EXPECT_EQ(MakeColour(b.KeyRed, b.KeyGreen, b.KeyBlue), MakeColour(12, 34, 56));
    EXPECT_FALSE(b.PickKeyColour(4, 0));
    EXPECT_EQ(b.KeyRed, 12);
}

TEST(ImageBorder, WithoutAPictureNothingHappens)
{
    Tool_ab_border_image b;
    EXPECT_FALSE(b.IsComplete());
    const auto clean = PatternPicture(20, 10);
    auto picture = CopyOf(*clean);
    b.Apply(*picture, {});
    EXPECT_TRUE(SamePixels(*picture, *clean));
}

} // namespace
} // namespace lumora
