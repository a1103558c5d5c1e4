// Composition of the object list: the render depth map, the editor
// preview, and partial repaints compared with the plain full paint.
#include "depthmap/depth_composition.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_polygon.h"
#include "depthmap/tool_dm_rectangle.h"
#include "rendering/lumo_pixelengine256.h"

#include <gtest/gtest.h>

#include <random>

namespace lumora {
namespace {

// Records where it is asked to render.
class RenderProbe : public Tool_dm
{
public:
    explicit RenderProbe(int32_t id) : Tool_dm(1, id) {}
    std::vector<IntRect> renders;
    void Render(TPixelEngine256&, int32_t x, int32_t y, int32_t w, int32_t h) override
    {
        renders.push_back(IntRect{x, y, w, h});
    }
};

bool SameBuffers(const TPixelEngine256& a, const TPixelEngine256& b)
{
    return a.ToQImage() == b.ToQImage();
}

int CountValue(const TPixelEngine256& e, uint8_t v)
{
    int n = 0;
    for (int y = 0; y < e.Height(); ++y)
        for (int x = 0; x < e.Width(); ++x)
            n += e.Pixel(x, y) == v;
    return n;
}

std::unique_ptr<Tool_dm_Rectangle> Rect(int32_t id, int32_t l, int32_t t, int32_t w, int32_t h,
                                        uint8_t depth)
{
    auto r = std::make_unique<Tool_dm_Rectangle>(id, l, t, w, h);
    r->Depth = depth;
    return r;
}

TEST(DepthComposition, EmptyListGivesTheBackgroundEverywhere)
{
    DepthObjects objects;
    objects.BackgroundDepth = 42;
    TPixelEngine256 render(30, 20);
    Generate_VorlageBitm(objects, &render, 30, 20);
    EXPECT_EQ(CountValue(render, 42), 600);
    TPixelEngine256 preview(600, 450);
    Paint_Vorlage(objects, preview);
    EXPECT_EQ(CountValue(preview, 42), 600 * 450);
    Generate_VorlageBitm(objects, nullptr, 30, 20); // no buffer: nothing to do
}

TEST(DepthComposition, RenderScalesEachRectangleFromTheEditorSize)
{
    DepthObjects objects;
    auto probe = std::make_unique<RenderProbe>(1);
    probe->Left = 10;
    probe->Top = 10;
    probe->Width = 100;
    probe->Height = 50;
    RenderProbe& p = *probe;
    objects.Append(std::move(probe));
    TPixelEngine256 render(1200, 900);
    Generate_VorlageBitm(objects, &render, 1200, 900);
    ASSERT_EQ(p.renders.size(), 1u);
    EXPECT_EQ(p.renders[0], (IntRect{20, 20, 200, 100}));

    // Each value rounds on its own, halves to even.
    p.Left = 5;
    p.Top = 3;
    p.Width = 7;
    p.Height = 9;
    TPixelEngine256 half(300, 225);
    Generate_VorlageBitm(objects, &half, 300, 225);
    EXPECT_EQ(p.renders[1], (IntRect{2, 2, 4, 4}));
}

TEST(DepthComposition, InvisibleObjectsAffectNothing)
{
    DepthObjects objects;
    objects.Append(Rect(1, 10, 10, 100, 100, 200));
    objects.At(0)->Visible = false;
    TPixelEngine256 render(200, 150), preview(600, 450);
    Generate_VorlageBitm(objects, &render, 200, 150);
    Paint_Vorlage(objects, preview);
    EXPECT_EQ(CountValue(render, 0), 200 * 150);
    EXPECT_EQ(CountValue(preview, 0), 600 * 450);
    Repaint_Vorlage(objects, preview, Box{0, 0, 600, 450}, false);
    EXPECT_EQ(CountValue(preview, 0), 600 * 450);
}

TEST(DepthComposition, LaterObjectsCoverEarlierOnesAndNothingIsTransparent)
{
    DepthObjects objects;
    objects.BackgroundDepth = 50;
    objects.Append(Rect(1, 0, 0, 300, 300, 200));
    objects.Append(Rect(2, 100, 100, 300, 300, 0)); // depth 0 still paints
    TPixelEngine256 preview(600, 450);
    Paint_Vorlage(objects, preview);
    EXPECT_EQ(preview.Pixel(50, 50), 200);
    EXPECT_EQ(preview.Pixel(150, 150), 0);
    EXPECT_EQ(preview.Pixel(350, 350), 0);
    EXPECT_EQ(preview.Pixel(500, 420), 50);
}

TEST(DepthComposition, AGroupsPlaceInTheListChangesNothing)
{
    TPixelEngine256 reference(600, 450);
    {
        DepthObjects objects;
        objects.Append(Rect(1, 20, 20, 200, 100, 90));
        objects.Append(Rect(2, 120, 60, 200, 100, 160));
        Paint_Vorlage(objects, reference);
    }
    for (int32_t at = 0; at <= 2; ++at) {
        DepthObjects objects;
        objects.Append(Rect(1, 20, 20, 200, 100, 90));
        objects.Append(Rect(2, 120, 60, 200, 100, 160));
        auto group = std::make_unique<Tool_dm_Group>(3);
        group->Members = {"1", "2"};
        objects.Insert(at, std::move(group));
        TPixelEngine256 preview(600, 450), render(600, 450);
        Paint_Vorlage(objects, preview);
        Generate_VorlageBitm(objects, &render, 600, 450);
        EXPECT_TRUE(SameBuffers(preview, reference)) << at;
        EXPECT_TRUE(SameBuffers(render, reference)) << at;
    }
}

TEST(DepthComposition, ObjectsIntersectOnlyNonEmptyAreas)
{
    const Tool_dm_Rectangle r(1, 10, 10, 20, 20);
    Box common;
    EXPECT_TRUE(r.IntersectsArea(Box{25, 0, 100, 15}, common));
    EXPECT_EQ(common, (Box{25, 10, 30, 15}));
    EXPECT_FALSE(r.IntersectsArea(Box{30, 0, 100, 100}, common));
    EXPECT_EQ(common, Box{});
    const Tool_dm_Group g(2);
    EXPECT_FALSE(g.IntersectsArea(Box{-100, -100, 100, 100}, common));
}

// A scene of random shapes drawn in order, for comparing partial repaints
// with a full paint.
void RandomScene(DepthObjects& objects, std::mt19937& random)
{
    objects.Reset();
    objects.BackgroundDepth = static_cast<uint8_t>(random() % 256);
    for (int32_t id = 1; id <= 14; ++id) {
        const int32_t l = static_cast<int32_t>(random() % 700) - 80;
        const int32_t t = static_cast<int32_t>(random() % 540) - 60;
        const int32_t w = 1 + static_cast<int32_t>(random() % 260);
        const int32_t h = 1 + static_cast<int32_t>(random() % 200);
        std::unique_ptr<Tool_dm> o;
        switch (random() % 3) {
        case 0:
            o = std::make_unique<Tool_dm_Rectangle>(id, l, t, w, h);
            break;
        case 1:
            o = std::make_unique<Tool_dm_Ellipse>(id, l, t, w, h);
            break;
        default:
            o = std::make_unique<Tool_dm_polygon>(id, l, t, w, h);
            break;
        }
        o->Depth = static_cast<uint8_t>(random() % 256);
        o->Invert = random() % 4 == 0;
        o->Visible = random() % 6 != 0;
        objects.Append(std::move(o));
    }
}

Box RandomArea(std::mt19937& random)
{
    const int32_t l = static_cast<int32_t>(random() % 700) - 50;
    const int32_t t = static_cast<int32_t>(random() % 500) - 50;
    return Box{l, t, l + static_cast<int32_t>(random() % 300),
               t + static_cast<int32_t>(random() % 250)};
}

TEST(DepthComposition, PartialRepaintsAgreeWithTheFullPaint)
{
    std::mt19937 random(4711);
    DepthObjects objects;
    for (int trial = 0; trial < 25; ++trial) {
        RandomScene(objects, random);
        TPixelEngine256 full(600, 450);
        Paint_Vorlage(objects, full);

        // Repainting an unchanged scene over any area changes nothing.
        TPixelEngine256 preview(600, 450);
        Paint_Vorlage(objects, preview);
        const Box area = RandomArea(random);
        const Box shown = Repaint_Vorlage(objects, preview, area, false);
        EXPECT_GE(shown.Left, 0);
        EXPECT_LE(shown.Right, 600);
        EXPECT_TRUE(SameBuffers(preview, full)) << trial;

        // Moving an object and repainting its old and new rectangles gives
        // what a full paint of the changed scene gives.
        Tool_dm& moved = *objects.At(static_cast<int32_t>(random() % 14));
        const Box before = moved.Bounds();
        moved.SetPosition(moved.Left + 37, moved.Top - 21);
        moved.Depth = static_cast<uint8_t>(moved.Depth + 101);
        Repaint_Vorlage(objects, preview, before, false);
        Repaint_Vorlage(objects, preview, moved.Bounds(), false);
        Paint_Vorlage(objects, full);
        EXPECT_TRUE(SameBuffers(preview, full)) << trial;
    }
}

TEST(DepthComposition, IncrementalRepaintStartsAtTheFirstSelectedObject)
{
    DepthObjects objects;
    objects.BackgroundDepth = 10;
    objects.Append(Rect(1, 0, 0, 200, 200, 100));
    objects.Append(Rect(2, 50, 50, 50, 50, 220));
    TPixelEngine256 preview(600, 450);
    Paint_Vorlage(objects, preview);
    preview.FillRect(0, 0, 200, 200, 77); // stands for what was on screen
    objects.SelectObject(1, false);
    const Box shown = Repaint_Vorlage(objects, preview, Box{0, 0, 200, 200}, true);
    EXPECT_EQ(shown, (Box{0, 0, 200, 200}));
    EXPECT_EQ(preview.Pixel(60, 60), 220); // the selected object drawn anew
    EXPECT_EQ(preview.Pixel(10, 10), 77);  // the one below left alone

    objects.DeselectAll();
    Repaint_Vorlage(objects, preview, Box{0, 0, 200, 200}, true); // nothing selected
    EXPECT_EQ(preview.Pixel(10, 10), 77);
}

TEST(DepthComposition, RepaintAreaIsClippedToTheEditor)
{
    DepthObjects objects;
    objects.VorlageWidth = 100;
    objects.VorlageHeight = 80;
    objects.BackgroundDepth = 5;
    TPixelEngine256 preview(100, 80);
    preview.Fill(0);
    EXPECT_EQ(Repaint_Vorlage(objects, preview, Box{-20, -10, 300, 300}, false),
              (Box{0, 0, 100, 80}));
    EXPECT_EQ(CountValue(preview, 5), 100 * 80);
    EXPECT_TRUE(Repaint_Vorlage(objects, preview, Box{150, 0, 200, 50}, false).IsEmpty());
}

} // namespace
} // namespace lumora
