// The tile-map state: adding, editing, moving, selecting (the click rule
// included), effects, deleting and clearing, and what the window is told.
#include "tile_test_support.h"

#include "tilemap/tile_map.h"
#include "tilemap/tile_map_ui.h"
#include "tilemap/tile_tm_image.h"
#include "tilemap/tile_tm_randomdot.h"
#include "tilemap/tile_tm_randomdotgradient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lumora {
namespace {

class RecordingUi : public TileMapUi
{
public:
    std::vector<std::string> events;
    void TilesModified() override { events.push_back("modified"); }
    void TileButtonsChanged() override { events.push_back("buttons"); }
    void TileSelected(int32_t index) override
    {
        events.push_back("selected " + std::to_string(index));
    }
    void RepaintKachel() override { events.push_back("repaint"); }
    bool Saw(const std::string& e) const
    {
        return std::find(events.begin(), events.end(), e) != events.end();
    }
};

class TileMapState : public ::testing::Test
{
protected:
    void SetUp() override { tiles.SetUi(&ui); }

    // Bands of the given heights; DotRed tells them apart.
    void AddBands(std::initializer_list<int> heights)
    {
        uint8_t n = 0;
        for (const int h : heights) {
            Tile_tm_RandomDot values;
            values.DotRed = n++;
            ASSERT_TRUE(tiles.Tile_Add(h, values));
        }
        ui.events.clear();
    }

    std::vector<int> Order() const
    {
        std::vector<int> order;
        for (const auto& t : tiles.Items())
            order.push_back(static_cast<const Tile_tm_RandomDot&>(*t).DotRed);
        return order;
    }

    TileMap tiles;
    RecordingUi ui;
};

TEST_F(TileMapState, TileAddAppendsSelectsAndTellsTheWindow)
{
    Tile_tm_RandomDot values(7);
    values.Density = 80;
    values.FxInvert = 1; // a dialog has no effects: the new object starts without
    ASSERT_TRUE(tiles.Tile_Add(120, values));
    ASSERT_TRUE(tiles.Tile_Add(30, Tile_tm_RandomDotGradient()));
    EXPECT_EQ(tiles.Count(), 2);
    EXPECT_EQ(tiles.SelectedIndex(), 1);
    EXPECT_EQ(tiles.TotalHeight(), 150);
    EXPECT_EQ(tiles.BandTop(1), 120);
    const auto& first = static_cast<const Tile_tm_RandomDot&>(*tiles.At(0));
    EXPECT_EQ(first.BandHeight, 120);
    EXPECT_EQ(first.Density, 80);
    EXPECT_EQ(first.Effects(), TileEffects{});
    EXPECT_TRUE(ui.Saw("selected 1"));
    EXPECT_TRUE(ui.Saw("buttons"));
    EXPECT_TRUE(ui.Saw("modified"));
    EXPECT_TRUE(ui.Saw("repaint"));
}

TEST_F(TileMapState, TileAddRefusesBadHeightsAndImageTilesWithoutPicture)
{
    for (const int h : {0, -5, kMaxBandHeight + 1})
        EXPECT_FALSE(tiles.Tile_Add(h, Tile_tm_RandomDot())) << h;
    EXPECT_FALSE(tiles.Tile_Add(50, Tile_tm_Image()));
    EXPECT_TRUE(tiles.IsEmpty());
    EXPECT_EQ(tiles.SelectedIndex(), -1);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(tiles.Tile_Add(kMaxBandHeight, Tile_tm_RandomDot()));
}

TEST_F(TileMapState, ImageTileAddKeepsItsOwnCopyOfThePicture)
{
    Tile_tm_Image values(tiletest::RowCodedPicture(20, 10, 1), true, 90);
    ASSERT_TRUE(tiles.Tile_Add(values.BandHeight, values));
    values.Picture->FillColour(0);
    const auto& added = static_cast<const Tile_tm_Image&>(*tiles.At(0));
    EXPECT_EQ(added.BandHeight, 45);
    EXPECT_EQ(added.Picture->Pixel(3, 4), tiletest::CodedColour(1, 3, 4));
}

TEST_F(TileMapState, EditKeepsTheEffectsAndTakesTheNewValues)
{
    AddBands({40, 60});
    tiles.Select(0);
    TileEffects fx;
    fx.FxSolarize = 9;
    tiles.SetKachelAttributes(fx);
    Tile_tm_RandomDot values;
    values.DotMode = Tile_tm_RandomDot::kGreys;
    EXPECT_TRUE(tiles.EditKachel(0, values, 75));
    EXPECT_EQ(tiles.At(0)->BandHeight, 75);
    EXPECT_EQ(tiles.At(0)->FxSolarize, 9);
    EXPECT_EQ(static_cast<const Tile_tm_RandomDot&>(*tiles.At(0)).DotMode, 3);
    EXPECT_EQ(tiles.TotalHeight(), 135);
    EXPECT_FALSE(tiles.EditKachel(1, Tile_tm_RandomDotGradient(), 75)); // another kind
    EXPECT_FALSE(tiles.EditKachel(2, values, 75));
    EXPECT_FALSE(tiles.EditKachel(1, values, 0));
}

struct MoveCase
{
    const char* name;
    int selected;
    bool (TileMap::*command)();
    std::vector<int> order;
    int selectedAfter;
};

TEST_F(TileMapState, ArrangementCommandsMoveAndKeepTheSelection)
{
    const std::vector<MoveCase> cases = {
        {"to top from third", 2, &TileMap::MoveSelectedToTop, {2, 0, 1, 3}, 0},
        {"to top from first", 0, &TileMap::MoveSelectedToTop, {0, 1, 2, 3}, 0},
        {"one up", 2, &TileMap::MoveSelectedUp, {0, 2, 1, 3}, 1},
        {"one up from first", 0, &TileMap::MoveSelectedUp, {0, 1, 2, 3}, 0},
        {"one down", 1, &TileMap::MoveSelectedDown, {0, 2, 1, 3}, 2},
        {"one down from last", 3, &TileMap::MoveSelectedDown, {0, 1, 2, 3}, 3},
        {"to bottom", 0, &TileMap::MoveSelectedToBottom, {1, 2, 3, 0}, 3},
    };
    for (const MoveCase& c : cases) {
        tiles.Clear();
        AddBands({10, 20, 30, 40});
        tiles.Select(c.selected);
        const bool moved = (tiles.*c.command)();
        EXPECT_EQ(moved, c.order != std::vector<int>({0, 1, 2, 3})) << c.name;
        EXPECT_EQ(Order(), c.order) << c.name;
        EXPECT_EQ(tiles.SelectedIndex(), c.selectedAfter) << c.name;
        EXPECT_EQ(ui.Saw("modified"), moved) << c.name;
    }
}

TEST_F(TileMapState, MoveKachelRefusesIndexesOutsideTheList)
{
    AddBands({10, 20});
    EXPECT_FALSE(tiles.Move_Kachel(0, 2));
    EXPECT_FALSE(tiles.Move_Kachel(-1, 0));
    EXPECT_TRUE(tiles.Move_Kachel(1, 0));
    EXPECT_EQ(Order(), (std::vector<int>{1, 0}));
}

TEST_F(TileMapState, ClickOnARowSelectsByTheRunningSum)
{
    AddBands({40, 60});
    const struct
    {
        int64_t row;
        int32_t index;
    } cases[] = {{0, 0}, {39, 0}, {40, 0}, {41, 1}, {100, 1}, {101, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(tiles.IndexAtRow(c.row), c.index) << "row " << c.row;
    tiles.Select(0);
    EXPECT_TRUE(tiles.SelectAtRow(41));
    EXPECT_EQ(tiles.SelectedIndex(), 1);
    EXPECT_FALSE(tiles.SelectAtRow(101));
    EXPECT_EQ(tiles.SelectedIndex(), 1);
}

TEST_F(TileMapState, SelectionCommandsWrapAround)
{
    AddBands({10, 20, 30});
    tiles.SelectLast();
    tiles.SelectNext();
    EXPECT_EQ(tiles.SelectedIndex(), 0);
    tiles.SelectPrevious();
    EXPECT_EQ(tiles.SelectedIndex(), 2);
    tiles.SelectFirst();
    EXPECT_EQ(tiles.SelectedIndex(), 0);
    EXPECT_TRUE(ui.Saw("selected 2"));
    EXPECT_FALSE(tiles.Select(3));
}

TEST_F(TileMapState, SetKachelAttributesStoresTheNineValuesClamped)
{
    AddBands({10, 20});
    EXPECT_FALSE(TileMap().SetKachelAttributes(TileEffects{}));
    tiles.Select(1);
    const TileEffects fx{-300, 10, 20, 30, 1, 45, 12, 1, 7};
    ASSERT_TRUE(tiles.SetKachelAttributes(fx));
    const TileEffects stored = tiles.At(1)->Effects();
    EXPECT_EQ(stored, (TileEffects{-255, 10, 20, 30, 1, 30, 12, 1, 1}));
    EXPECT_EQ(tiles.At(0)->Effects(), TileEffects{});
    EXPECT_TRUE(ui.Saw("modified"));
    EXPECT_TRUE(ui.Saw("repaint"));
}

TEST_F(TileMapState, DeleteSelectsTheFirstOrNone)
{
    AddBands({10, 20});
    tiles.Select(1);
    EXPECT_TRUE(tiles.DeleteSelected());
    EXPECT_EQ(Order(), std::vector<int>{0});
    EXPECT_EQ(tiles.SelectedIndex(), 0);
    EXPECT_TRUE(tiles.DeleteSelected());
    EXPECT_EQ(tiles.SelectedIndex(), -1);
    EXPECT_FALSE(tiles.DeleteSelected());
    EXPECT_FALSE(tiles.CanRender());
}

TEST_F(TileMapState, ClearEmptiesTheListAndTheSelection)
{
    AddBands({10, 20, 30});
    EXPECT_TRUE(tiles.CanRender());
    EXPECT_TRUE(tiles.CanArrange());
    tiles.Clear();
    EXPECT_TRUE(tiles.IsEmpty());
    EXPECT_EQ(tiles.SelectedIndex(), -1);
    EXPECT_EQ(tiles.TotalHeight(), 0);
    EXPECT_FALSE(tiles.CanArrange());
    EXPECT_FALSE(ui.Saw("modified"));
}

TEST_F(TileMapState, TileWidthReachesOnlyImageTilesThatKeepProportions)
{
    AddBands({10});
    tiles.Append(std::make_unique<Tile_tm_Image>(tiletest::RowCodedPicture(200, 100, 1), true, 90));
    tiles.Append(
        std::make_unique<Tile_tm_Image>(tiletest::RowCodedPicture(200, 100, 1), false, 90));
    tiles.SetTileWidth(120);
    EXPECT_EQ(tiles.At(0)->BandHeight, 10);
    EXPECT_EQ(tiles.At(1)->BandHeight, 60);
    EXPECT_EQ(tiles.At(2)->BandHeight, 100);
    EXPECT_TRUE(ui.Saw("buttons"));
}

} // namespace
} // namespace lumora
