#include "models/scene_3d.h"
#include "models/text3d.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lumora {
namespace {

double Area(const Vec3& a, const Vec3& b, const Vec3& c)
{
    return 0.5 * ((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y));
}

TEST(TessellateOutlines, FillsUnderTheOddRuleSoHolesStayOpen)
{
    const std::vector<std::vector<Vec3>> contours = {
        {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, // outer, counter-clockwise
        {{1, 1, 0}, {1, 3, 0}, {3, 3, 0}, {3, 1, 0}}, // hole, clockwise
    };
    const auto triangles = TessellateOutlines(contours);
    double area = 0;
    for (const auto& t : triangles)
        area += std::fabs(Area(t[0], t[1], t[2]));
    EXPECT_NEAR(area, 12.0, 1e-9);
    for (const auto& t : triangles) {
        const double cx = (t[0].x + t[1].x + t[2].x) / 3, cy = (t[0].y + t[1].y + t[2].y) / 3;
        EXPECT_FALSE(cx > 1 && cx < 3 && cy > 1 && cy < 3) << "triangle inside the hole";
    }
}

struct Bounds
{
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f, minZ = 1e9f, maxZ = -1e9f;
};

Bounds BoundsOf(const std::vector<Triangle>& triangles)
{
    Bounds b;
    for (const Triangle& t : triangles)
        for (const Vec3& v : t.v) {
            b.minX = std::min(b.minX, v.x);
            b.maxX = std::max(b.maxX, v.x);
            b.minY = std::min(b.minY, v.y);
            b.maxY = std::max(b.maxY, v.y);
            b.minZ = std::min(b.minZ, v.z);
            b.maxZ = std::max(b.maxZ, v.z);
        }
    return b;
}

TEST(Text3D, GlyphsAreInEmUnitsStandOnTheBaselineAndAreExtrudedBackward)
{
    Text3D text;
    text.Text_laden("H", Text3DFont{}, 0.5);
    const GlyphModel& h = text.Glyph('H');
    ASSERT_FALSE(h.Triangles.empty());
    const Bounds b = BoundsOf(h.Triangles);
    EXPECT_NEAR(b.minY, 0.0, 1e-3);           // baseline
    EXPECT_NEAR(b.maxY, 1409.0 / 2048, 2e-3); // cap height of the Arial metrics
    EXPECT_NEAR(h.Advance, 1479.0 / 2048, 1e-3);
    EXPECT_FLOAT_EQ(b.maxZ, 0.0f);
    EXPECT_FLOAT_EQ(b.minZ, -0.5f);
}

TEST(Text3D, WithoutExtrusionOnlyTheFrontFacesAreBuilt)
{
    Text3D flat;
    flat.Text_laden("O", Text3DFont{}, 0.0);
    Text3D deep;
    deep.Text_laden("O", Text3DFont{}, 1.0);
    const auto& front = flat.Glyph('O').Triangles;
    ASSERT_FALSE(front.empty());
    EXPECT_FLOAT_EQ(BoundsOf(front).minZ, 0.0f);
    EXPECT_GT(deep.Glyph('O').Triangles.size(), 2 * front.size());
    // The ring of "O": its front area is the outer less the inner contour.
    double area = 0;
    for (const Triangle& t : front)
        area += std::fabs(Area(t.v[0], t.v[1], t.v[2]));
    const Bounds b = BoundsOf(front);
    EXPECT_LT(area, 0.6 * (b.maxX - b.minX) * (b.maxY - b.minY));
    EXPECT_GT(area, 0.2 * (b.maxX - b.minX) * (b.maxY - b.minY));
}

TEST(Text3D, ABDrawsBOneAdvanceWidthToTheRightOfA)
{
    Text3D text;
    text.Text_laden("AB", Text3DFont{}, 0.5);
    const GlyphModel& a = text.Glyph('A');
    const GlyphModel& b = text.Glyph('B');
    const std::vector<Triangle> layout = text.LayoutTriangles();
    ASSERT_EQ(layout.size(), a.Triangles.size() + b.Triangles.size());
    for (size_t i = 0; i < b.Triangles.size(); ++i)
        for (int k = 0; k < 3; ++k) {
            const Vec3& placed = layout[a.Triangles.size() + i].v[k];
            EXPECT_FLOAT_EQ(placed.x, float(b.Triangles[i].v[k].x + a.Advance));
            EXPECT_EQ(placed.y, b.Triangles[i].v[k].y);
        }
}

TEST(Text3D, AnEmptyTextBuildsNothingAndChangingTheTextKeepsTheGlyphs)
{
    Text3D text;
    text.Text_laden("", Text3DFont{}, 0.5);
    EXPECT_FALSE(text.HasGlyphs());
    EXPECT_TRUE(text.LayoutTriangles().empty());
    text.Text_laden("x", Text3DFont{}, 0.5);
    const GlyphModel* x = &text.Glyph('x');
    text.SetText("xx");
    EXPECT_EQ(&text.Glyph('x'), x);
    EXPECT_EQ(text.LayoutTriangles().size(), 2 * x->Triangles.size());
}

double FrontArea(const GlyphModel& glyph)
{
    double area = 0;
    for (const Triangle& t : glyph.Triangles)
        area += std::fabs(Area(t.v[0], t.v[1], t.v[2]));
    return area;
}

TEST(Text3D, BoldGlyphsHaveThickerStrokesAndItalicOnesLean)
{
    Text3D regular;
    regular.Text_laden("I", Text3DFont{}, 0.0);
    Text3DFont boldFont;
    boldFont.Bold = true;
    Text3D bold;
    bold.Text_laden("I", boldFont, 0.0);
    EXPECT_GT(FrontArea(bold.Glyph('I')), 1.3 * FrontArea(regular.Glyph('I')));

    Text3DFont italicFont;
    italicFont.Italic = true;
    Text3D italic;
    italic.Text_laden("I", italicFont, 0.0);
    const Bounds upright = BoundsOf(regular.Glyph('I').Triangles);
    const Bounds leaning = BoundsOf(italic.Glyph('I').Triangles);
    EXPECT_GT(leaning.maxX - leaning.minX, 2 * (upright.maxX - upright.minX));
}

TEST(Text3D, CharactersAreTheirWindows1252Codes)
{
    Text3D text;
    text.Text_laden(QString::fromUtf8("\u20ac"), Text3DFont{}, 0.5); // euro sign, code 0x80
    EXPECT_EQ(text.LayoutTriangles().size(), text.Glyph(0x80).Triangles.size());
    EXPECT_FALSE(text.Glyph(0x80).Triangles.empty());
}

TEST(Scene3D, ANewTextShowsItsFrontFacesAtMidGrey)
{
    Scene3D scene;
    scene.ShowText = true;
    scene.View.SetScaleValue(0.7);
    scene.View.ModelMatrix = scene.View.ModelMatrix * Matrix4::Translation(-0.95f, 0, 0) *
                             Matrix4::Translation(0, -0.2f, 0);
    scene.Text_laden("Text");
    const GreyPicture p = scene.Paint();
    const long lit = std::count_if(p.Levels.begin(), p.Levels.end(), [](uint8_t v) { return v; });
    EXPECT_GT(lit, 5000);
    // Front faces at z = 0 lie at depth 4: level 128; the extrusion lies
    // behind, its side walls show only at the letters' edges.
    EXPECT_EQ(*std::max_element(p.Levels.begin(), p.Levels.end()), 128);
    EXPECT_GT(std::count(p.Levels.begin(), p.Levels.end(), uint8_t(128)), lit / 2);
}

TEST(Scene3D, ChangingTheExtrusionRebuildsTheGlyphs)
{
    Scene3D scene;
    scene.ShowText = true;
    scene.Text_laden("I");
    EXPECT_FLOAT_EQ(BoundsOf(scene.Text.LayoutTriangles()).minZ, -0.5f);
    scene.SetExtrusionPosition(20);
    EXPECT_FLOAT_EQ(BoundsOf(scene.Text.LayoutTriangles()).minZ, -0.2f);
}

} // namespace
} // namespace lumora
