// The border dialogs' preview: the stereogram fitted into the preview area,
// the simple border's thickness at preview scale, and the preview picture.
#include "afterburner/afterburner_preview.h"
#include "afterburner/tool_ab_border_frame.h"
#include "afterburner/tool_ab_border_simple.h"
#include "afterburner_test_support.h"
#include "rendering/lumo_pixelengine256.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(AfterburnerPreview, TheStereogramFitsTheAreaWithItsAspectRatio)
{
    const struct
    {
        int32_t pw, ph, aw, ah;
        QRect fit;
    } cases[] = {
        {600, 450, 200, 200, QRect(0, 25, 200, 150)}, // wide: the width fills
        {450, 600, 200, 200, QRect(25, 0, 150, 200)}, // tall: the height fills
        {300, 300, 200, 200, QRect(0, 0, 200, 200)},  // square
        {600, 450, 300, 100, QRect(83, 0, 133, 100)}, // a wide area: the height limits
        {1000, 3, 200, 200, QRect(0, 99, 200, 1)},    // never below one pixel
        {601, 450, 200, 200, QRect(0, 25, 200, 150)}, // Round(149.75)
        {0, 450, 200, 200, QRect()},
        {600, 450, 0, 200, QRect()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PreviewFitRect(c.pw, c.ph, c.aw, c.ah), c.fit)
            << c.pw << "x" << c.ph << " in " << c.aw << "x" << c.ah;
}

TEST(AfterburnerPreview, TheSimpleBorderThicknessScalesWithThePreviewHeight)
{
    const struct
    {
        int32_t size, stereoH, previewH, expected;
    } cases[] = {
        {10, 450, 150, 3}, {15, 450, 150, 5}, {255, 450, 150, 85},
        {3, 4, 2, 2},      {5, 4, 2, 2}, // halves to even
        {1, 1000, 100, 0}, {10, 0, 150, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SimpleBorderPreviewSize(c.size, c.stereoH, c.previewH), c.expected)
            << c.size << " " << c.stereoH << " " << c.previewH;
}

TEST(AfterburnerPreview, ASimpleBorderPreviewShowsTheScaledThickness)
{
    const auto clean = test::PatternPicture(600, 450);
    Tool_ab_border_simple values;
    values.SideLeft = values.SideRight = values.SideBottom = 0;
    values.ColourBlue = 255;
    const auto preview = MakeBorderPreview(*clean, 200, 200, values, {});
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->Width(), 200);
    EXPECT_EQ(preview->Height(), 150);
    // Thickness Round(10 / 450 x 150) = 3.
    EXPECT_EQ(test::CountColour(*preview, MakeColour(0, 0, 255)), 200 * 3);
    EXPECT_EQ(preview->Pixel(0, 2), MakeColour(0, 0, 255));
    // Nearest pixel: preview (0, 3) shows stereogram (1, 10).
    EXPECT_EQ(preview->Pixel(0, 3), clean->Pixel(1, 10));
    // The dialog's values are not changed by the preview.
    EXPECT_EQ(values.BorderSize, 10);
}

TEST(AfterburnerPreview, AFramePreviewScalesItsMaskToThePreview)
{
    const auto clean = test::PatternPicture(400, 400);
    Tool_ab_border_frame frame;
    TPixelEngine256 mask(4, 4);
    mask.Fill(255);
    mask.SetPixel(0, 0, 0);
    frame.SetMask(mask);
    const auto preview = MakeBorderPreview(*clean, 100, 100, frame, {});
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(test::CountColour(*preview, 0), 25 * 25);
    EXPECT_EQ(MakeBorderPreview(*clean, 0, 100, frame, {}), nullptr);
}

} // namespace
} // namespace lumora
