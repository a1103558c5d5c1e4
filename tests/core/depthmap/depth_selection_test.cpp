// Selecting (hit test, groups, tree nodes, rubber band), the hierarchy
// queries of the selection, showing it, and editing it through the object
// panel, the move handles, dragging and the depth slider.
#include "common/lumora_error.h"
#include "depthmap/tool_dm_text.h"
#include "selection_test_support.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace lumora {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing_support::SceneTest;

class SelectionTest : public SceneTest
{
protected:
    // R1, group 10 {R2, R3}, R4: list 1, 2, 3, 10, 4.
    void BuildGroupScene()
    {
        AddRect(1, -1, {10, 10, 10, 10});
        AddRect(2, 10, {20, 20, 10, 10});
        AddRect(3, 10, {40, 40, 10, 10});
        AddGroup(10, {"2", "3"});
        AddRect(4, -1, {60, 60, 10, 10});
        Finish();
    }
    std::vector<int32_t> SelectedIdsSorted() const
    {
        std::vector<int32_t> ids = objects.SelectedIds();
        std::sort(ids.begin(), ids.end());
        return ids;
    }
};

TEST_F(SelectionTest, ObjectAtFindsTheTopMostVisibleHit)
{
    AddRect(1, -1, {0, 0, 50, 50});
    AddRect(2, -1, {10, 10, 20, 20});
    AddGroup(3, {});
    EXPECT_EQ(objects.ObjectAt(15, 15), 1);
    EXPECT_EQ(objects.ObjectAt(5, 5), 0);
    EXPECT_EQ(objects.ObjectAt(50, 5), -1); // right edge is outside
    objects.At(1)->Visible = false;
    EXPECT_EQ(objects.ObjectAt(15, 15), 0);
    EXPECT_EQ(objects.ObjectAt(-1, -1), -1); // a group is never hit
}

TEST_F(SelectionTest, SelectingAMemberWithGroupSelectsTheWholeTopLevelGroup)
{
    BuildGroupScene();
    objects.SelectObject(objects.FindObjectIndex(2), true);
    EXPECT_THAT(SelectedIdsSorted(), ElementsAre(2, 3, 10));
    EXPECT_EQ(objects.SelectedCount, 3);
    Select({2});
    EXPECT_THAT(SelectedIdsSorted(), ElementsAre(2));
    objects.SelectObject(99, true); // outside the list: nothing
    EXPECT_EQ(objects.SelectedCount, 1);
}

TEST_F(SelectionTest, TreeNodesMapToListIndicesFromTheTop)
{
    BuildGroupScene();
    // Nodes: R4, G10, R3, R2, R1, background.
    objects.SelectByTreeNode(2, false);
    EXPECT_THAT(SelectedIdsSorted(), ElementsAre(3));
    objects.DeselectAll();
    objects.SelectByTreeNode(3, true);
    EXPECT_THAT(SelectedIdsSorted(), ElementsAre(2, 3, 10));
    objects.DeselectAll();
    objects.SelectByTreeNode(5, false); // the background node
    objects.SelectByTreeNode(-1, false);
    EXPECT_EQ(objects.SelectedCount, 0);
}

struct BandCase
{
    const char* name;
    int32_t x1, y1, x2, y2;
    std::vector<int32_t> selected;
};

void PrintTo(const BandCase& c, std::ostream* os)
{
    *os << c.name;
}

class RubberBand : public SelectionTest, public testing::WithParamInterface<BandCase>
{
};

TEST_P(RubberBand, SelectsTheVisibleObjectsWhollyInside)
{
    BuildGroupScene();
    objects.FindObject(4)->Visible = false;
    objects.SelectObject(0, false); // replaced by the band
    const BandCase& c = GetParam();
    objects.SelectInRect(c.x1, c.y1, c.x2, c.y2);
    EXPECT_THAT(SelectedIdsSorted(), ElementsAreArray(c.selected));
    EXPECT_EQ(objects.SelectedCount, static_cast<int32_t>(c.selected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, RubberBand,
    testing::Values(BandCase{"Everything", 0, 0, 100, 100, {1, 2, 3, 10}},
                    BandCase{"DrawnBackwards", 100, 100, 0, 0, {1, 2, 3, 10}},
                    BandCase{"OneMemberGivesItsGroup", 19, 19, 31, 31, {2, 3, 10}},
                    BandCase{"PartlyCoveredIsLeftOut", 15, 15, 35, 35, {2, 3, 10}},
                    BandCase{"ExactBounds", 10, 10, 20, 20, {1}},
                    BandCase{"InvisibleIsLeftOut", 55, 55, 75, 75, {}},
                    // A group's own box (0, 0, -1, -1) lies inside any band
                    // from the origin; groups count only through members.
                    BandCase{"GroupsAreNotCaughtByTheirBox", -5, -5, 5, 5, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectionTest, HierarchyQueriesOfTheSelection)
{
    // Group 20 {R1, group 10 {R2, R3}}, R4.
    AddRect(1, 20);
    AddRect(2, 10);
    AddRect(3, 10);
    AddGroup(10, {"2", "3"}, 20);
    AddGroup(20, {"1", "10"});
    AddRect(4);
    Finish();
    const int32_t r2 = objects.FindObjectIndex(2);

    Select({2});
    EXPECT_FALSE(objects.ParentSelected(r2));
    EXPECT_EQ(objects.TopSelectedAncestor(r2), r2);
    EXPECT_TRUE(objects.AnyGroupedSelected());
    EXPECT_FALSE(objects.SingleGroupSelected());
    int32_t parent = 0;
    EXPECT_TRUE(objects.CommonParent(parent));
    EXPECT_EQ(parent, 10);

    Select({10});
    EXPECT_TRUE(objects.ParentSelected(r2));
    EXPECT_EQ(objects.TopSelectedAncestor(r2), objects.FindObjectIndex(10));
    EXPECT_TRUE(objects.SingleGroupSelected());
    EXPECT_TRUE(objects.CommonParent(parent));
    EXPECT_EQ(parent, 20);

    Select({20});
    EXPECT_EQ(objects.TopSelectedAncestor(r2), objects.FindObjectIndex(20));
    EXPECT_EQ(objects.FirstSelected(true), 0);
    EXPECT_EQ(objects.FirstSelected(false), objects.FindObjectIndex(20));

    Select({1, 4});
    EXPECT_FALSE(objects.CommonParent(parent));
    EXPECT_FALSE(objects.SingleGroupSelected());
    EXPECT_FALSE(objects.ParentSelected(-1));
    EXPECT_FALSE(objects.ParentSelected(objects.FindObjectIndex(4)));
    EXPECT_EQ(objects.TopSelectedAncestor(42), -1);

    Select({4});
    EXPECT_FALSE(objects.AnyGroupedSelected());
    objects.DeselectAll();
    EXPECT_FALSE(objects.CommonParent(parent));
    EXPECT_EQ(objects.FirstSelected(false), -1);
}

TEST_F(SelectionTest, ShowingTheSelectionFillsThePanel)
{
    AddRect(1, -1, {10, 20, 30, 40}).Depth = 77;
    objects.FindObject(1)->Invert = true;
    objects.Append(std::make_unique<Tool_dm_Text>(2, 100, 100, 50, 20, QStringLiteral("Hi")));
    objects.FindObject(2)->Name = QStringLiteral("Schrift");

    objects.ShowSelection();
    EXPECT_EQ(objects.Display.Panel, SelectionDisplay::PanelKind::Background);

    Select({1});
    const SelectionDisplay& one = objects.Display;
    EXPECT_EQ(one.Panel, SelectionDisplay::PanelKind::Object);
    EXPECT_EQ(one.Title, QStringLiteral("R1"));
    EXPECT_TRUE(one.ShowInvert && one.ShowMirrorH && one.ShowMirrorV);
    EXPECT_TRUE(one.SetCheckBoxes);
    EXPECT_TRUE(one.Invert);
    EXPECT_TRUE(one.Visible);
    EXPECT_TRUE(one.ShowDepth);
    EXPECT_EQ(one.Depth, 77);
    EXPECT_EQ(one.Bounds, (Box{10, 20, 40, 60}));

    Select({2});
    EXPECT_EQ(objects.Display.Title, QStringLiteral("Schrift"));
    EXPECT_TRUE(objects.Display.ShowInvert);
    EXPECT_FALSE(objects.Display.ShowMirrorH); // text cannot be mirrored
    EXPECT_FALSE(objects.Display.ShowMirrorV);

    Select({1, 2});
    EXPECT_EQ(objects.Display.TitleKey, QStringLiteral("Select_1"));
    EXPECT_TRUE(objects.Display.Title.isEmpty());
    EXPECT_FALSE(objects.Display.ShowDepth);
    // A new selection of several resets the check boxes once.
    EXPECT_TRUE(objects.Display.SetCheckBoxes);
    EXPECT_FALSE(objects.Display.Invert || objects.Display.MirrorH || objects.Display.MirrorV);
    EXPECT_TRUE(objects.Display.Visible);
    objects.ShowSelection();
    EXPECT_FALSE(objects.Display.SetCheckBoxes);
    EXPECT_EQ(objects.Display.Bounds, (Box{10, 20, 150, 120}));
}

class PanelTest : public SelectionTest
{
protected:
    void SetUp() override
    {
        SelectionTest::SetUp();
        AddRect(1, -1, {0, 0, 50, 50});
        AddRect(2, -1, {100, 0, 100, 50});
        Finish();
    }
    static IntRect RectOf(const Tool_dm& o) { return IntRect{o.Left, o.Top, o.Width, o.Height}; }
};

TEST_F(PanelTest, OneObjectTakesThePanelValuesInOneBracket)
{
    Select({2});
    history.calls.clear();
    commands.ApplyAttributes(ObjectPanelValues{5, 6, 70, 80, true, true, false, true});
    EXPECT_EQ(RectOf(Obj(2)), (IntRect{5, 6, 70, 80}));
    EXPECT_TRUE(Obj(2).Invert);
    EXPECT_TRUE(Obj(2).MirrorH);
    EXPECT_EQ(RectOf(Obj(1)), (IntRect{0, 0, 50, 50}));
    // One classic entry; the EditObject inside it records nothing.
    EXPECT_THAT(history.calls, ElementsAre("begin classic", "end classic"));
    EXPECT_EQ(objects.SelectionBox, (Box{5, 6, 75, 86}));
    EXPECT_EQ(objects.PreviousSelectionBox, objects.SelectionBox);
    // The old place is painted over in full, the new one incrementally.
    ASSERT_EQ(editor.repaintAreas.size(), 2u);
    EXPECT_EQ(editor.repaintAreas[0], (Box{100, 0, 200, 50}));
    EXPECT_FALSE(editor.repaintIncremental[0]);
    EXPECT_EQ(editor.repaintAreas[1], (Box{5, 6, 75, 86}));
    EXPECT_TRUE(editor.repaintIncremental[1]);
}

TEST_F(PanelTest, SeveralObjectsScaleProportionallyIntoTheNewBox)
{
    Select({1, 2});
    commands.ApplyAttributes(ObjectPanelValues{0, 0, 100, 50, false, false, false, true});
    EXPECT_EQ(RectOf(Obj(1)), (IntRect{0, 0, 25, 50}));
    EXPECT_EQ(RectOf(Obj(2)), (IntRect{50, 0, 50, 50}));
    commands.ApplyAttributes(ObjectPanelValues{10, 20, 100, 100, false, false, false, true});
    EXPECT_EQ(RectOf(Obj(1)), (IntRect{10, 20, 25, 100}));
    EXPECT_EQ(RectOf(Obj(2)), (IntRect{60, 20, 50, 100}));
}

struct MirrorCase
{
    const char* name;
    bool horizontal;
    IntRect first, second; // after checking the box
};

void PrintTo(const MirrorCase& c, std::ostream* os)
{
    *os << c.name;
}

class PanelMirror : public PanelTest, public testing::WithParamInterface<MirrorCase>
{
};

TEST_P(PanelMirror, CheckingSwapsInsideTheBoxAndUncheckingRestores)
{
    const MirrorCase& c = GetParam();
    objects.FindObject(1)->SetSize(50, 30, false); // box is 200 x 50
    Select({1, 2});
    ObjectPanelValues panel{0, 0, 200, 50, false, c.horizontal, !c.horizontal, true};
    commands.ApplyAttributes(panel);
    EXPECT_EQ(RectOf(Obj(1)), c.first);
    EXPECT_EQ(RectOf(Obj(2)), c.second);
    for (int32_t id : {1, 2}) {
        EXPECT_EQ(Obj(id).MirrorH, c.horizontal) << id;
        EXPECT_EQ(Obj(id).MirrorV, !c.horizontal) << id;
    }
    EXPECT_EQ(objects.SelectionMirroredH, c.horizontal);
    EXPECT_EQ(objects.SelectionMirroredV, !c.horizontal);

    panel.MirrorH = panel.MirrorV = false;
    commands.ApplyAttributes(panel);
    EXPECT_EQ(RectOf(Obj(1)), (IntRect{0, 0, 50, 30}));
    EXPECT_EQ(RectOf(Obj(2)), (IntRect{100, 0, 100, 50}));
    EXPECT_FALSE(Obj(1).MirrorH || Obj(1).MirrorV || Obj(2).MirrorH || Obj(2).MirrorV);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PanelMirror,
    testing::Values(MirrorCase{"Horizontal", true, {150, 0, 50, 30}, {0, 0, 100, 50}},
                    MirrorCase{"Vertical", false, {0, 20, 50, 30}, {100, 0, 100, 50}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelTest, MirroringKeepsEachObjectsOwnTurnAgainstTheSelection)
{
    objects.FindObject(2)->MirrorH = true;
    Select({1, 2});
    commands.ApplyAttributes(ObjectPanelValues{0, 0, 200, 50, false, true, false, true});
    EXPECT_TRUE(Obj(1).MirrorH);
    EXPECT_FALSE(Obj(2).MirrorH); // toggled from its own state
    // Invert and Sichtbar apply to every selected object.
    commands.ApplyAttributes(ObjectPanelValues{0, 0, 200, 50, true, true, false, false});
    EXPECT_TRUE(Obj(1).Invert && Obj(2).Invert);
    EXPECT_FALSE(Obj(1).Visible || Obj(2).Visible);
    EXPECT_TRUE(Obj(1).MirrorH); // unchanged: the selection stands mirrored already
}

TEST_F(PanelTest, ExtentsOutsideThePanelRangeAreRefused)
{
    Select({1, 2});
    history.calls.clear();
    for (auto [w, h] : {std::pair{0, 10}, {10, -3}, {100001, 10}}) {
        EXPECT_THROW(commands.ApplyAttributes(ObjectPanelValues{0, 0, w, h}), LumoraError);
        EXPECT_THROW(commands.ResizeSelection(ObjectPanelValues{0, 0, w, h}), LumoraError);
    }
    EXPECT_EQ(RectOf(Obj(1)), (IntRect{0, 0, 50, 50}));
    EXPECT_TRUE(history.calls.empty());
    objects.DeselectAll();
    commands.ApplyAttributes(ObjectPanelValues{0, 0, 0, 0}); // nothing selected: nothing
}

TEST_F(PanelTest, HandlesResizeSeveralWithoutTouchingTheirFlags)
{
    objects.FindObject(1)->SetSize(100, 100, false);
    objects.FindObject(2)->SetSize(100, 100, false);
    Select({1, 2}); // box 200 x 100
    // Handle 5 dragged 50 to the right keeps the aspect: 250 x 125.
    commands.ResizeSelection(ObjectPanelValues{0, 0, 250, 125, true, true, true, false});
    EXPECT_EQ(RectOf(Obj(1)), (IntRect{0, 0, 125, 125}));
    EXPECT_EQ(RectOf(Obj(2)), (IntRect{125, 0, 125, 125}));
    EXPECT_FALSE(Obj(1).Invert || Obj(1).MirrorH || Obj(2).MirrorV);
    EXPECT_TRUE(Obj(1).Visible && Obj(2).Visible);
    EXPECT_EQ(objects.SelectionBox, (Box{0, 0, 250, 125}));

    Select({1}); // one object takes the check boxes as well
    commands.ResizeSelection(ObjectPanelValues{1, 2, 3, 4, true, false, false, true});
    EXPECT_EQ(RectOf(Obj(1)), (IntRect{1, 2, 3, 4}));
    EXPECT_TRUE(Obj(1).Invert);
}

TEST_F(SelectionTest, DraggingMovesEverySelectedObject)
{
    BuildGroupScene();
    Select({2}, true); // group 10 with R2 and R3
    history.calls.clear();
    commands.MoveSelection(5, -7);
    EXPECT_EQ(Obj(2).Left, 25);
    EXPECT_EQ(Obj(2).Top, 13);
    EXPECT_EQ(Obj(3).Left, 45);
    EXPECT_EQ(Obj(1).Left, 10);
    EXPECT_EQ((Box{Obj(10).Left, Obj(10).Top, Obj(10).Width, Obj(10).Height}), (Box{0, 0, -1, -1}));
    EXPECT_EQ(objects.SelectionBox, (Box{25, 13, 55, 43}));
    EXPECT_THAT(history.calls, ElementsAre("begin classic", "end classic"));
    commands.MoveSelection(0, 0);
    EXPECT_EQ(history.calls.size(), 2u);
}

TEST_F(SelectionTest, DepthSliderSetsTheDepthOfTheOneSelectedObject)
{
    AddRect(1);
    AddRect(2);
    objects.Append(std::make_unique<Tool_dm>(6, 3)); // a kind without a depth of its own
    Finish();
    Select({1});
    commands.SetDepth(200);
    EXPECT_EQ(Obj(1).Depth, 200);
    EXPECT_TRUE(objects.Display.ShowDepth);
    EXPECT_EQ(objects.Display.Depth, 200);
    const uint8_t secondDepth = Obj(2).Depth;
    Select({1, 2});
    commands.SetDepth(9);
    EXPECT_EQ(Obj(1).Depth, 200);
    EXPECT_EQ(Obj(2).Depth, secondDepth);
    Select({3});
    commands.SetDepth(9);
    EXPECT_EQ(Obj(3).Depth, 0);
    EXPECT_EQ(std::count(history.calls.begin(), history.calls.end(), "begin classic"), 1);
}

} // namespace
} // namespace lumora
