// The gradient designer strip: picking markers, inserting at the clicked
// fraction, dragging and deleting within the stop rules, and the preset list.
#include "tilemap/gradient_designer.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

constexpr int32_t kStrip = 208; // 200 pixels between the margins

class Designer : public ::testing::Test
{
protected:
    Tile_tm_RandomDotGradient tile; // "Simple": stops at 0, 0.5, 1
    GradientDesigner designer{tile, kStrip, Tile_tm_RandomDotGradient::kPresetSimple};
};

TEST_F(Designer, OpensOnTheFirstStopWithItsColour)
{
    EXPECT_EQ(designer.Selected(), 0);
    EXPECT_EQ(designer.MarkerColour(), MakeColour(255, 198, 0));
    EXPECT_EQ(designer.PresetIndex(), 1);
    EXPECT_EQ(designer.MarkerY(1), 104.0);
}

TEST_F(Designer, ClickWithinSevenPixelsSelectsElseInserts)
{
    const struct
    {
        int32_t y;
        int selected;
        int count;
    } cases[] = {{97, 1, 3}, {111, 1, 3}, {0, 0, 3}, {211, 2, 3}, {112, 2, 4}};
    for (const auto& c : cases) {
        Tile_tm_RandomDotGradient t;
        GradientDesigner d(t, kStrip, 1);
        d.LeftClick(c.y);
        EXPECT_EQ(d.Selected(), c.selected) << "y " << c.y;
        EXPECT_EQ(t.StopCount, c.count) << "y " << c.y;
    }
    // Selecting shows the stop's colour; an insertion takes the marker
    // colour at the clicked fraction and makes the list "Custom".
    designer.LeftClick(104);
    EXPECT_EQ(designer.MarkerColour(), MakeColour(78, 150, 255));
    EXPECT_EQ(designer.PresetIndex(), 1);
    EXPECT_TRUE(designer.LeftClick(54));
    EXPECT_EQ(designer.Selected(), 1);
    EXPECT_EQ(tile.StopPos[1], 0.25);
    EXPECT_EQ(static_cast<Colour>(tile.StopColour[1]), MakeColour(78, 150, 255));
    EXPECT_EQ(designer.PresetIndex(), 0);
    EXPECT_EQ(designer.SelectedRow(300), 75);
}

TEST(DesignerLimit, NoFortySixthStop)
{
    Tile_tm_RandomDotGradient tile;
    GradientDesigner designer(tile, 1008, 1); // 1000 pixels between the margins
    for (int32_t y = 20; y < 1000 && tile.StopCount < 45; y += 10)
        designer.LeftClick(y);
    ASSERT_EQ(tile.StopCount, 45);
    const Tile_tm_RandomDotGradient before = tile;
    EXPECT_FALSE(designer.LeftClick(995));
    EXPECT_EQ(designer.StopNear(995), -1);
    EXPECT_EQ(tile.StopCount, 45);
    EXPECT_EQ(tile.StopPos, before.StopPos);
}

TEST_F(Designer, EndStopsNeitherMoveNorGo)
{
    ASSERT_EQ(designer.Selected(), 0);
    EXPECT_FALSE(designer.Drag(50));
    EXPECT_FALSE(designer.DeleteSelected());
    designer.LeftClick(208);
    EXPECT_EQ(designer.Selected(), 2);
    EXPECT_FALSE(designer.Drag(150));
    EXPECT_FALSE(designer.DeleteSelected());
    EXPECT_EQ(tile.StopCount, 3);
    EXPECT_EQ(designer.PresetIndex(), 1);
}

TEST_F(Designer, InnerStopsMoveBetweenTheirNeighboursAndCanBeDeleted)
{
    designer.LeftClick(104);
    EXPECT_TRUE(designer.Drag(164));
    EXPECT_EQ(tile.StopPos[1], 0.8);
    EXPECT_FALSE(designer.Drag(204)); // onto the last stop
    EXPECT_FALSE(designer.Drag(230)); // past it
    EXPECT_EQ(tile.StopPos[1], 0.8);
    EXPECT_EQ(designer.PresetIndex(), 0);
    EXPECT_TRUE(designer.DeleteSelected());
    EXPECT_EQ(tile.StopCount, 2);
    EXPECT_EQ(designer.Selected(), 0);
}

TEST_F(Designer, MarkerColourRecoloursTheSelectedStop)
{
    designer.LeftClick(104);
    designer.SetMarkerColour(MakeColour(1, 2, 3));
    EXPECT_EQ(static_cast<Colour>(tile.StopColour[1]), MakeColour(1, 2, 3));
    EXPECT_EQ(designer.PresetIndex(), 0);
}

TEST_F(Designer, PresetsReplaceTheStopsAndCustomKeepsThem)
{
    designer.LeftClick(54);
    EXPECT_TRUE(designer.ChoosePreset(3));
    EXPECT_EQ(tile.StopCount, 5);
    EXPECT_EQ(designer.Selected(), 0);
    EXPECT_EQ(designer.PresetIndex(), 3);
    EXPECT_FALSE(designer.ChoosePreset(0));
    EXPECT_EQ(designer.PresetIndex(), 0);
    EXPECT_EQ(tile.StopCount, 5);
    EXPECT_FALSE(designer.ChoosePreset(8));
    EXPECT_EQ(designer.PresetIndex(), 0);
}

TEST(DesignerOfAnExistingObject, ShowsCustom)
{
    Tile_tm_RandomDotGradient tile; // its stops equal "Simple"
    const GradientDesigner designer(tile, kStrip, Tile_tm_RandomDotGradient::kPresetCustom);
    EXPECT_EQ(designer.PresetIndex(), 0);
}

} // namespace
} // namespace lumora
