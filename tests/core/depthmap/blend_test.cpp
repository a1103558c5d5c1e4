// The blend modes, the blend object (kind 18) and the group's drawing: two
// kinds that draw nothing into the depth map.
#include "depthmap/blend_modes.h"
#include "depthmap/depth_composition.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_blend.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_rectangle.h"
#include "picture_test_support.h"
#include "rendering/lumo_pixelengine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lumora {
namespace {

using testing_support::Filled;
using testing_support::SamePicture;

struct ModeCase
{
    int32_t mode;
    int foreground, background; // red bytes
    int expected;
};

// Foreground a, background b, as bytes; the result is Round(clamp(r) * 255).
const ModeCase kModeCases[] = {
    {0, 100, 50, 150},   {0, 200, 200, 255}, // Addition, clamped at 1
    {1, 50, 200, 150},   {1, 200, 50, 0},    // Subtraktion, clamped at 0
    {2, 200, 50, 150},   {2, 50, 200, 150},  // Differenz
    {3, 255, 128, 128},  {3, 0, 200, 0},     // Multiplizieren
    {4, 0, 128, 128},    {4, 255, 10, 255},  // Negativ multiplizieren
    {5, 0, 0, 0},        {5, 102, 51, 97},   // Filter: 0.3 + 0.08 = 0.38
    {6, 255, 51, 102},   {6, 51, 204, 173},  // Ineinanderkopieren: b decides
    {7, 51, 255, 102},   {7, 204, 51, 173},  // Hartes Licht: a decides
    {8, 0, 102, 102},    {8, 255, 204, 228}, // Weiches Licht
    {9, 255, 255, 255},  {9, 0, 100, 0},     // Beleuchtung
    {10, 255, 0, 255},   {10, 255, 77, 255}, // Farbig Abwedeln: a = 1 gives 1
    {10, 102, 51, 85},   {10, 200, 200, 255}, {11, 0, 77, 77},
    {11, 128, 255, 255},                                          // Farbig Nachbelichten
    {11, 51, 102, 0},    {12, 255, 255, 0},   {12, 255, 0, 255},  // Ausschluss
    {13, 90, 90, 90},    {13, 30, 200, 30},   {13, 200, 30, 30},  // Abdunkeln
    {14, 90, 90, 90},    {14, 30, 200, 200},  {14, 200, 30, 200}, // Aufhellen
    {15, 100, 50, 75},   {15, 255, 0, 128},                       // Transparenz: 127.5 to even
};

TEST(BlendModes, EachModeOnAPairOfGreys)
{
    for (const ModeCase& c : kModeCases)
        EXPECT_EQ(BlendPixel(c.mode, c.foreground, c.foreground, c.background, c.background),
                  c.expected)
            << BlendModeName(c.mode).toStdString() << " " << c.foreground << "/" << c.background;
}

TEST(BlendModes, WeichesLichtFollowsItsFormula)
{
    const double a = 1.0, b = 0.8;
    EXPECT_EQ(BlendPixel(8, 255, 255, 204, 204),
              std::nearbyint((b - 0.47 * (1 - 2 * a) * (1 - b)) * 255));
}

TEST(BlendModes, EqualInputsDarkenToThemselvesAndFullDodgeIsWhite)
{
    for (int v = 0; v < 256; ++v) {
        ASSERT_EQ(BlendPixel(13, v, v, v, v), v) << v;       // Abdunkeln
        ASSERT_EQ(BlendPixel(10, 255, 255, v, v), 255) << v; // Farbig Abwedeln
    }
}

TEST(BlendModes, ClampsAndTreatsNotANumberAsZero)
{
    EXPECT_EQ(BlendLevel(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(BlendLevel(-0.5), 0);
    EXPECT_EQ(BlendLevel(7.0), 255);
    EXPECT_EQ(BlendLevel(std::numeric_limits<double>::infinity()), 255);
    EXPECT_EQ(BlendLevel(0.5), 128);             // 127.5, half to even
    EXPECT_EQ(BlendLevel(0.5 + 1 / 255.0), 128); // 128.5, half to even
}

TEST(BlendModes, TheKeyColourBlendsToBlack)
{
    EXPECT_EQ(BlendPixel(0, 255, 0, 100, 100), 0);
    EXPECT_EQ(BlendPixel(0, 100, 100, 255, 0), 0);
    EXPECT_EQ(BlendPixel(0, 255, 1, 0, 0), 255); // not quite the key
}

TEST(BlendModes, NamesInTheChoiceListOrder)
{
    EXPECT_EQ(BlendModeName(0), QStringLiteral("Addition"));
    EXPECT_EQ(BlendModeName(4), QStringLiteral("Negativ multiplizieren"));
    EXPECT_EQ(BlendModeName(10), QStringLiteral("Farbig Abwedeln"));
    EXPECT_EQ(BlendModeName(13), QStringLiteral("Abdunkeln"));
    EXPECT_EQ(BlendModeName(15), QStringLiteral("Transparenz"));
    EXPECT_TRUE(BlendModeName(16).isEmpty());
    EXPECT_TRUE(BlendModeName(-1).isEmpty());
}

TEST(BlendModes, PicturesBlendPixelByPixelIntoGrey)
{
    TPixelEngine foreground(3, 2), background(4, 3);
    background.FillColour(MakeColour(10, 20, 30));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            foreground.SetPixel(x, y, MakeColour(40 * x + 10, 5, 5));
            background.SetPixel(x, y, MakeColour(50 * y + 20, 7, 9));
        }
    background.SetPixel(2, 1, MakeColour(255, 0, 0)); // the key colour
    const auto result = BlendPictures(foreground, background, 0);
    ASSERT_EQ(result->Width(), 4);
    ASSERT_EQ(result->Height(), 3);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const int v = x == 2 && y == 1 ? 0 : std::min(255, 40 * x + 10 + 50 * y + 20);
            EXPECT_EQ(result->Pixel(x, y), MakeColour(v, v, v)) << x << "," << y;
        }
    // Outside the common part the background copy stays.
    EXPECT_EQ(result->Pixel(3, 0), MakeColour(10, 20, 30));
    EXPECT_EQ(result->Pixel(0, 2), MakeColour(10, 20, 30));
    const auto unknown = BlendPictures(foreground, background, 16);
    EXPECT_EQ(unknown->Pixel(0, 0), background.Pixel(0, 0));
}

// ---- the blend object ------------------------------------------------------

std::unique_ptr<Tool_dm_Blend> BlendObject()
{
    auto blend = std::make_unique<Tool_dm_Blend>(4, 10, 20, 30, 40);
    blend->BlendMode = 13;
    blend->DrawTransparent = true;
    blend->Result = std::make_unique<TPixelEngine>(3, 2);
    blend->Result->FillColour(MakeColour(9, 9, 9));
    blend->Name = QStringLiteral("Blend");
    return blend;
}

TEST(Kind18, DrawsNothingAnywhere)
{
    auto blend = BlendObject();
    EXPECT_TRUE(blend->CanInvert && blend->CanMirrorH && blend->CanMirrorV && !blend->HasDepth);
    auto target = Filled(60, 70, 99);
    blend->Draw(*target);
    blend->Render(*target, 0, 0, 60, 70);
    blend->DrawClipped(*target, Box{0, 0, 60, 70});
    EXPECT_EQ(testing_support::DistinctValues(*target), std::set<uint8_t>{99});
    EXPECT_TRUE(blend->HitTest(10, 20));
    EXPECT_FALSE(blend->HitTest(40, 20));
}

TEST(Kind18, StoresTheBasePartOnly)
{
    const auto blend = BlendObject();
    ProjectStreamWriter base;
    blend->Tool_dm::SaveToStream(base);
    ProjectStreamWriter full;
    blend->SaveToStream(full);
    EXPECT_EQ(full.Data(), base.Data());

    const auto back = testing_support::WrittenAndReadBack(*blend);
    ASSERT_NE(back, nullptr);
    const auto& read = dynamic_cast<const Tool_dm_Blend&>(*back);
    EXPECT_EQ(read.Name, QStringLiteral("Blend"));
    EXPECT_EQ((IntRect{read.Left, read.Top, read.Width, read.Height}), (IntRect{10, 20, 30, 40}));
    EXPECT_EQ(read.BlendMode, 0);
    EXPECT_FALSE(read.DrawTransparent);
    EXPECT_EQ(read.Result->Width(), 0);
}

TEST(Kind18, CloneCopiesTheResultPicture)
{
    auto blend = BlendObject();
    blend->ForegroundItems.push_back(std::make_unique<Tool_dm_Rectangle>(8, 0, 0, 5, 5));
    const auto copy = blend->Clone(12);
    auto& c = dynamic_cast<Tool_dm_Blend&>(*copy);
    EXPECT_EQ(c.Id, 12);
    EXPECT_EQ(c.BlendMode, 13);
    EXPECT_TRUE(c.DrawTransparent);
    ASSERT_EQ(c.Result->Width(), 3);
    EXPECT_NE(c.Result.get(), blend->Result.get());
    EXPECT_EQ(c.Result->Pixel(1, 1), MakeColour(9, 9, 9));
    c.Result->SetPixel(1, 1, 0);
    EXPECT_EQ(blend->Result->Pixel(1, 1), MakeColour(9, 9, 9));
    ASSERT_EQ(c.ForegroundItems.size(), 1u);
    EXPECT_NE(c.ForegroundItems[0].get(), blend->ForegroundItems[0].get());
}

TEST(Kind18, TheDialogsCreationKeepsTheResult)
{
    DepthObjects objects;
    TPixelEngine foreground(2, 2), background(2, 2);
    foreground.FillColour(MakeColour(100, 100, 100));
    background.FillColour(MakeColour(60, 60, 60));
    Tool_dm_Blend& blend =
        AppendBlendObject(objects, IntRect{1, 2, 30, 40}, foreground, background, 14, true);
    EXPECT_EQ(objects.Count(), 1);
    EXPECT_EQ(blend.Id, 1);
    EXPECT_EQ(objects.LastObjectId, 1);
    EXPECT_EQ(blend.Name, QStringLiteral("Blend"));
    EXPECT_EQ(blend.BlendMode, 14);
    EXPECT_TRUE(blend.DrawTransparent);
    EXPECT_EQ(blend.Result->Pixel(1, 1), MakeColour(100, 100, 100)); // Aufhellen
}

// Neither a blend nor a group paints, wherever they stand in the list and
// whatever geometry they were given.
TEST(Composition, BlendsAndGroupsAreNeverDrawn)
{
    DepthObjects objects;
    auto rect = std::make_unique<Tool_dm_Rectangle>(1, 100, 100, 200, 100);
    rect->Depth = 150;
    objects.Append(std::move(rect));
    TPixelEngine256 reference(600, 450);
    Generate_VorlageBitm(objects, &reference, 600, 450);

    objects.Append(BlendObject());
    auto group = std::make_unique<Tool_dm_Group>(5);
    group->Members = {QStringLiteral("1")};
    group->Width = 600; // as if damaged: a group still has nothing to draw
    group->Height = 450;
    objects.Append(std::move(group));
    objects.Insert(0, std::make_unique<Tool_dm_Group>(6));
    TPixelEngine256 depth(600, 450);
    Generate_VorlageBitm(objects, &depth, 600, 450);
    EXPECT_TRUE(SamePicture(depth, reference));
    TPixelEngine256 preview(600, 450);
    Paint_Vorlage(objects, preview);
    EXPECT_TRUE(SamePicture(preview, reference));
    TPixelEngine256 repainted(600, 450);
    for (int32_t i = 0; i < objects.Count(); ++i)
        objects.At(i)->Selected = true;
    Repaint_Vorlage(objects, repainted, Box{0, 0, 600, 450}, false);
    EXPECT_TRUE(SamePicture(repainted, reference));
}

} // namespace
} // namespace lumora
