// Text, viewing-aid spots and the depth-map overlay: where each lands, at
// which size, and what is drawn there.
#include "afterburner/afterburner_anchor.h"
#include "afterburner/tool_ab_depthmap.h"
#include "afterburner/tool_ab_spot.h"
#include "afterburner/tool_ab_text.h"
#include "afterburner_test_support.h"
#include "rendering/lumo_pixelengine256.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::ChangedBox;
using test::CopyOf;
using test::CountColour;
using test::PatternPicture;
using test::SamePixels;

TEST(Anchor, PlacesABoxByTheAnchorTable)
{
    // A 100 x 20 box in 601 x 450 with margins 7 (vertical) and 3
    // (horizontal); the centred anchors differ between the two rules.
    const struct
    {
        int32_t anchor;
        QPoint overlay;
        QPoint text;
    } cases[] = {
        {1, {3, 7}, {3, 7}},     {2, {253, 7}, {303 - 50, 7}}, {3, {498, 7}, {498, 7}},
        {4, {3, 423}, {3, 423}}, {5, {253, 423}, {253, 423}},  {6, {498, 423}, {498, 423}},
        {0, {3, 7}, {3, 7}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnchorPosition(c.anchor, 601, 450, 100, 20, 7, 3, AnchorCentring::Overlay),
                  c.overlay)
            << c.anchor;
        EXPECT_EQ(AnchorPosition(c.anchor, 601, 450, 100, 20, 7, 3, AnchorCentring::Text), c.text)
            << c.anchor;
    }
    // An odd box in an even picture separates the rules: (600 - 101) div 2
    // = 249, but 600 div 2 - 101 div 2 = 250.
    EXPECT_EQ(AnchorPosition(2, 600, 10, 101, 1, 0, 0, AnchorCentring::Overlay).x(), 249);
    EXPECT_EQ(AnchorPosition(2, 600, 10, 101, 1, 0, 0, AnchorCentring::Text).x(), 250);
}

Tool_ab_text BoxedText(const QString& text, int32_t anchor)
{
    Tool_ab_text t;
    t.Text = text;
    t.Anchor = anchor;
    t.TextColour = MakeColour(255, 255, 255);
    t.BackColour = MakeColour(0, 0, 255);
    t.BackOn = 1;
    return t;
}

TEST(Text, NewObjectDefaults)
{
    const Tool_ab_text t;
    EXPECT_EQ(t.Kind, 4);
    EXPECT_EQ(t.Text, "Text");
    EXPECT_EQ(t.FontName, "Arial");
    EXPECT_EQ(t.FontSize, 12);
    EXPECT_EQ(t.Anchor, 1);
    EXPECT_EQ(t.BackOn, 0);
    EXPECT_EQ(t.TextColour, 0u);
}

TEST(Text, ThePointSizeIsTakenAtNinetySixPixelsPerInch)
{
    // 12 points at 96 pixels per inch are 16 pixels.
    Tool_ab_text t;
    QFont reference(QStringLiteral("Arial"));
    reference.setStyleStrategy(QFont::NoAntialias);
    reference.setPixelSize(16);
    const QFontMetrics metrics(reference);
    const QRect box = t.TextBox(600, 450);
    EXPECT_EQ(box.height(), metrics.height());
    EXPECT_EQ(box.width(), metrics.horizontalAdvance(QStringLiteral("Text")));
    EXPECT_EQ(t.TextFont().Size, 12);
    EXPECT_EQ(t.TextFont().CellHeight, 0);
}

TEST(Text, AnchorSixWithoutMarginsEndsFlushWithTheBottomRightCorner)
{
    const auto clean = PatternPicture(600, 450);
    auto picture = CopyOf(*clean);
    const Tool_ab_text t = BoxedText(QStringLiteral("Text"), 6);
    t.Apply(*picture, {});
    const QRect box = t.TextBox(600, 450);
    EXPECT_EQ(box.right(), 599);
    EXPECT_EQ(box.bottom(), 449);
    EXPECT_EQ(ChangedBox(*clean, *picture), box);
    EXPECT_EQ(picture->Pixel(599, 449), MakeColour(0, 0, 255));
    EXPECT_GT(CountColour(*picture, MakeColour(255, 255, 255)), 0); // the glyphs
}

TEST(Text, AWiderTextAtAnchorThreeStartsLeftOfZeroAndIsClipped)
{
    const auto clean = PatternPicture(120, 60);
    auto picture = CopyOf(*clean);
    const Tool_ab_text t = BoxedText(QStringLiteral("A text much wider than the picture"), 3);
    const QRect box = t.TextBox(120, 60);
    EXPECT_LT(box.left(), 0);
    EXPECT_EQ(box.right(), 119);
    t.Apply(*picture, {});
    EXPECT_EQ(ChangedBox(*clean, *picture), QRect(0, 0, 120, box.height()));
}

TEST(Text, WithoutTheBackgroundOnlyGlyphPixelsChange)
{
    const auto clean = PatternPicture(300, 100);
    auto picture = CopyOf(*clean);
    Tool_ab_text t = BoxedText(QStringLiteral("Lumora"), 2);
    t.BackOn = 0;
    t.FontSize = 20;
    t.Bold = 1;
    t.MarginV = 10;
    t.Apply(*picture, {});
    const QRect changed = ChangedBox(*clean, *picture);
    const QRect box = t.TextBox(300, 100);
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(box.contains(changed)) << changed.x() << "," << changed.y();
    EXPECT_EQ(CountColour(*picture, MakeColour(0, 0, 255)), 0);
    EXPECT_EQ(box.top(), 10);
    EXPECT_EQ(box.left(), 150 - box.width() / 2);
}

TEST(Spot, NewObjectDefaults)
{
    const Tool_ab_spot s;
    EXPECT_EQ(s.Kind, 5);
    EXPECT_EQ(s.SpotWidth, 12);
    EXPECT_EQ(s.SpotHeight, 12);
    EXPECT_EQ(s.OutlineSize, 1);
    EXPECT_EQ(s.Margin, 1);
    EXPECT_EQ(s.Shape, 1);
    EXPECT_EQ(s.FillColour, 0);
    EXPECT_EQ(s.OutlineColour, 0xFFFFFF);
    EXPECT_EQ(s.SpotPosition, 1);
}

TEST(Spot, TwoSpotsOneTileWidthApartAboutTheCentre)
{
    const auto clean = PatternPicture(600, 450);
    auto picture = CopyOf(*clean);
    const Tool_ab_spot s;
    s.Apply(*picture, AfterburnerContext{90, nullptr});
    // Each spot's changed pixels, found in its half of the picture.
    const QRect all = ChangedBox(*clean, *picture);
    EXPECT_EQ(all, QRect(249, 1, 339 + 12 - 249, 12));
    TPixelEngine leftHalf(300, 450), cleanLeft(300, 450);
    picture->DrawPartTo(leftHalf, 0, 0, 300, 450, 0, 0);
    clean->DrawPartTo(cleanLeft, 0, 0, 300, 450, 0, 0);
    EXPECT_EQ(ChangedBox(cleanLeft, leftHalf), QRect(249, 1, 12, 12));
    TPixelEngine rightHalf(300, 450), cleanRight(300, 450);
    picture->DrawPartTo(rightHalf, 0, 0, 300, 450, 300, 0);
    clean->DrawPartTo(cleanRight, 0, 0, 300, 450, 300, 0);
    EXPECT_EQ(ChangedBox(cleanRight, rightHalf), QRect(39, 1, 12, 12));
    // White outline, black inside.
    EXPECT_EQ(picture->Pixel(255, 1), 0xFFFFFFu);
    EXPECT_EQ(picture->Pixel(255, 7), 0u);
}

TEST(Spot, AtTheBottomWithMarginOneTheyEndOnePixelAboveTheEdge)
{
    const auto clean = PatternPicture(600, 450);
    auto picture = CopyOf(*clean);
    Tool_ab_spot s;
    s.SpotPosition = 2;
    s.Apply(*picture, AfterburnerContext{90, nullptr});
    const QRect changed = ChangedBox(*clean, *picture);
    EXPECT_EQ(changed.bottom(), 448);
    EXPECT_EQ(changed.top(), 450 - 12 - 1);
}

TEST(Spot, RectanglesFillTheirBoxesExactly)
{
    const auto clean = PatternPicture(200, 100);
    auto picture = CopyOf(*clean);
    Tool_ab_spot s;
    s.Shape = 2;
    s.SpotWidth = 10;
    s.SpotHeight = 6;
    s.Margin = 20;
    s.FillColour = 0x0000FF;
    s.OutlineColour = 0x00FF00;
    s.Apply(*picture, AfterburnerContext{50, nullptr});
    const auto [left, right] = s.SpotBoxes(200, 100, 50);
    EXPECT_EQ(left, QRect(70, 20, 10, 6));
    EXPECT_EQ(right, QRect(120, 20, 10, 6));
    // 2 x (outline ring 10 x 6 - inside 8 x 4) and 2 x the inside.
    EXPECT_EQ(CountColour(*picture, 0x00FF00), 2 * (60 - 32));
    EXPECT_EQ(CountColour(*picture, 0x0000FF), 2 * 32);
}

TEST(Overlay, OneHundredPixelsLinkedToASixHundredByFourFiftyDepthMapAre75High)
{
    const Tool_ab_depthmap d = Tool_ab_depthmap::ForNewObject(600, 450);
    EXPECT_EQ(d.Kind, 6);
    EXPECT_EQ(d.OverlayWidth, 100);
    EXPECT_EQ(d.OverlayHeight, 75);
    EXPECT_EQ(d.KeepAspect, 1);
    EXPECT_EQ(d.Anchor, 1);
}

TEST(Overlay, TheLinkedFieldsFollowEachOther)
{
    Tool_ab_depthmap d = Tool_ab_depthmap::ForNewObject(600, 450);
    d.SetOverlayHeight(90, 600, 450);
    EXPECT_EQ(d.OverlayWidth, 120);
    d.SetOverlayWidth(201, 600, 450);
    EXPECT_EQ(d.OverlayHeight, 151); // Round(150.75)
    d.SetKeepAspect(false, 600, 450);
    d.SetOverlayWidth(50, 600, 450);
    EXPECT_EQ(d.OverlayHeight, 151);
    // Turning the link on applies the width rule at once.
    d.SetKeepAspect(true, 600, 450);
    EXPECT_EQ(d.OverlayHeight, 38); // Round(37.5), half to even
    // Half to even both ways, and never below one pixel.
    EXPECT_EQ(OverlayHeightForWidth(5, 4, 2, 0), 2); // 2.5
    EXPECT_EQ(OverlayWidthForHeight(1, 1, 1000, 0), 1);
    EXPECT_EQ(OverlayHeightForWidth(5, 0, 0, 33), 33); // no depth map yet
}

TEST(Overlay, ShowsTheWorkingDepthMapScaledIntoItsBox)
{
    // Working depth map 60 x 45: left half 0, right half 200.
    TPixelEngine256 depth(60, 45);
    depth.FillRect(30, 0, 60, 45, 200);
    Tool_ab_depthmap d = Tool_ab_depthmap::ForNewObject(60, 45);
    d.SetOverlayWidth(20, 60, 45);
    d.Anchor = 6;
    d.MarginV = 5;
    d.MarginH = 4;
    const auto clean = PatternPicture(120, 90);
    auto picture = CopyOf(*clean);
    d.Apply(*picture, AfterburnerContext{0, &depth});
    const QRect box(120 - 20 - 4, 90 - 15 - 5, 20, 15);
    EXPECT_EQ(d.OverlayBox(120, 90), box);
    EXPECT_EQ(ChangedBox(*clean, *picture), box);
    EXPECT_EQ(picture->Pixel(box.left(), box.top()), 0u);
    EXPECT_EQ(picture->Pixel(box.right(), box.bottom()), MakeColour(200, 200, 200));
    EXPECT_EQ(CountColour(*picture, MakeColour(200, 200, 200)), 10 * 15);

    auto untouched = CopyOf(*clean);
    d.Apply(*untouched, AfterburnerContext{0, nullptr});
    EXPECT_TRUE(SamePixels(*untouched, *clean));
}

} // namespace
} // namespace lumora
