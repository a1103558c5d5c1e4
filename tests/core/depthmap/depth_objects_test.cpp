// The model operations on the object list: creation from a drag, editing,
// scaling, canonical order, renumbering, hierarchy queries, the tree, and
// selection of groups.
#include "common/lumora_error.h"
#include "depthmap/depth_edit_commands.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_rectangle.h"
#include "support/depth_scene.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace lumora {
namespace {

using testing::ElementsAre;
using testing_support::FakeHistory;

class DepthObjectsTest : public testing_support::DepthSceneTest
{
protected:
    FakeHistory history;
    DepthEditCommands commands{objects};

    void SetUp() override
    {
        DepthSceneTest::SetUp();
        objects.SetHistory(&history);
    }

    Tool_dm& AddRect(int32_t id, int32_t parent = -1)
    {
        auto r = std::make_unique<Tool_dm_Rectangle>(id, id, id, 10, 10);
        r->Name = QStringLiteral("R%1").arg(id);
        r->ParentId = parent;
        Tool_dm& ref = *r;
        objects.Append(std::move(r));
        return ref;
    }
    std::vector<QString> TreeCaptions() const
    {
        std::vector<QString> captions;
        for (auto node : objects.Tree.PreOrder())
            captions.push_back(objects.Tree.At(node).Caption);
        return captions;
    }
};

struct DragCase
{
    int32_t x1, y1, x2, y2;
    IntRect expected;
};

void PrintTo(const DragCase& c, std::ostream* os)
{
    *os << "(" << c.x1 << ", " << c.y1 << ") to (" << c.x2 << ", " << c.y2 << ")";
}

class DragDirections : public DepthObjectsTest, public testing::WithParamInterface<DragCase>
{
};

TEST_P(DragDirections, RectangleToolMakesTheNormalisedRectangle)
{
    const DragCase c = GetParam();
    commands.AddObject(c.x1, c.y1, c.x2, c.y2, Tool_dm_Rectangle::KindCode);
    ASSERT_EQ(objects.Count(), 1);
    const Tool_dm& o = *objects.At(0);
    EXPECT_EQ((IntRect{o.Left, o.Top, o.Width, o.Height}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DragDirections,
                         testing::Values(DragCase{100, 80, 40, 20, {40, 20, 60, 60}},
                                         DragCase{40, 20, 100, 80, {40, 20, 60, 60}},
                                         DragCase{100, 20, 40, 80, {40, 20, 60, 60}},
                                         DragCase{40, 80, 100, 20, {40, 20, 60, 60}},
                                         DragCase{-5, 7, 3, -9, {-5, -9, 8, 16}}),
                         [](const auto& info) {
                             const DragCase& c = info.param;
                             const auto side = [](bool first) { return first ? "Left" : "Right"; };
                             const auto edge = [](bool first) { return first ? "Top" : "Bottom"; };
                             return std::string("From") + edge(c.y1 < c.y2) + side(c.x1 < c.x2) +
                                    (c.x1 < 0 ? "AcrossTheOrigin" : "");
                         });

TEST_F(DepthObjectsTest, CreationNamesSelectsRecordsAndRepaints)
{
    AddRect(1).Selected = true;
    objects.SelectedCount = 1;
    objects.LastObjectId = 6;
    editor.calls.clear();

    commands.AddObject(10, 20, 60, 50, 2);
    ASSERT_EQ(objects.Count(), 2);
    const Tool_dm& e = *objects.At(1);
    EXPECT_EQ(e.Kind, 2);
    EXPECT_EQ(e.Id, 7);
    EXPECT_EQ(objects.LastObjectId, 7);
    EXPECT_EQ(e.Name, QStringLiteral("Name2"));
    EXPECT_TRUE(e.Selected);
    EXPECT_FALSE(objects.At(0)->Selected);
    EXPECT_EQ(objects.SelectedCount, 1);
    EXPECT_EQ(objects.SelectionBox, (Box{10, 20, 60, 50}));
    EXPECT_THAT(history.calls, ElementsAre("create"));
    ASSERT_EQ(editor.repaintAreas.size(), 1u);
    EXPECT_EQ(editor.repaintAreas[0], (Box{10, 20, 60, 50}));
    EXPECT_TRUE(editor.repaintIncremental[0]);
    EXPECT_THAT(editor.calls, ElementsAre("tree", "selection", "modified"));
    EXPECT_EQ(objects.Tree.At(objects.Tree.NodeAtAbsoluteIndex(0)).Caption,
              QStringLiteral("Name2"));
}

TEST_F(DepthObjectsTest, DegenerateDragsCreateNothingExceptStraightLines)
{
    struct Case
    {
        int32_t x1, y1, x2, y2, kind;
        bool creates;
    };
    const Case cases[] = {
        {10, 20, 90, 20, 3, true},   // horizontal line
        {10, 20, 10, 90, 3, true},   // vertical line
        {10, 20, 10, 20, 3, false},  // a point
        {10, 20, 90, 20, 1, false},  // flat rectangle
        {10, 20, 10, 90, 2, false},  // flat ellipse
        {10, 20, 10, 20, 4, false},  // polygon from a point
        {10, 20, 90, 90, 0, false},  // the background is no tool
        {10, 20, 90, 90, 13, false}, // scanner: its dialog, not a drag
        {10, 20, 90, 90, 19, false}, // groups come from grouping only
        {10, 20, 90, 90, 6, true},   // gradient rectangle
        {10, 20, 90, 90, 99, false},
    };
    for (const Case& c : cases) {
        DepthObjects fresh;
        fresh.AddObject(c.x1, c.y1, c.x2, c.y2, c.kind);
        EXPECT_EQ(fresh.Count(), c.creates ? 1 : 0) << c.kind << " " << c.x2 << "," << c.y2;
        EXPECT_EQ(fresh.LastObjectId, c.creates ? 1 : 0);
    }
}

TEST_F(DepthObjectsTest, HorizontalLineGetsItsThicknessAsHeight)
{
    commands.AddObject(90, 20, 10, 20, 3);
    const auto& line = dynamic_cast<const Tool_dm_line&>(*objects.At(0));
    EXPECT_EQ(line.DirX, 3);
    EXPECT_EQ(line.DirY, 2);
    EXPECT_EQ((IntRect{line.Left, line.Top, line.Width, line.Height}), (IntRect{10, 20, 80, 2}));
}

TEST_F(DepthObjectsTest, LineDraggedUpRightIsRising)
{
    commands.AddObject(50, 10, 10, 60, 3);
    const auto& line = dynamic_cast<const Tool_dm_line&>(*objects.At(0));
    EXPECT_EQ(line.DirX, 3);
    EXPECT_EQ(line.DirY, 1);
    EXPECT_TRUE(line.DragWasRising());
}

TEST_F(DepthObjectsTest, DialogKindsAreCreatedByTheirDialog)
{
    commands.AddObject(0, 0, 200, 40, 5);
    ASSERT_EQ(objects.Count(), 1);
    EXPECT_EQ(objects.At(0)->Kind, 5);
    EXPECT_EQ(objects.At(0)->Name, QStringLiteral("Name5"));
    EXPECT_TRUE(objects.At(0)->Selected);
    EXPECT_THAT(history.calls, ElementsAre("create"));

    editor.dialogAnswer = false;
    commands.AddObject(0, 0, 200, 40, 5);
    commands.AddObject(0, 0, 200, 40, 12);
    EXPECT_EQ(objects.Count(), 1);
    EXPECT_THAT(history.calls, ElementsAre("create"));
    EXPECT_EQ(std::count(editor.calls.begin(), editor.calls.end(), "create 12"), 1);
}

TEST_F(DepthObjectsTest, EditObjectSetsGeometryFlagsAndVisibility)
{
    AddRect(1);
    commands.EditObject(5, 6, 70, 80, true, true, false, false, false, 0);
    const Tool_dm& o = *objects.At(0);
    EXPECT_EQ((IntRect{o.Left, o.Top, o.Width, o.Height}), (IntRect{5, 6, 70, 80}));
    EXPECT_TRUE(o.Invert);
    EXPECT_TRUE(o.MirrorH);
    EXPECT_FALSE(o.MirrorV);
    EXPECT_FALSE(o.Visible);
    EXPECT_THAT(history.calls, ElementsAre("begin", "end ok"));
    EXPECT_TRUE(editor.repaintAreas.empty());
    EXPECT_EQ(std::count(editor.calls.begin(), editor.calls.end(), "edit 1"), 0);
}

TEST_F(DepthObjectsTest, EditObjectWithDialogRepaintsAndReportsTheAnswer)
{
    AddRect(1);
    editor.dialogEdit = [](Tool_dm& o) { o.Depth = 17; };
    commands.EditObject(1, 2, 30, 40, false, false, false, true, true, 0);
    EXPECT_EQ(objects.At(0)->Depth, 17);
    ASSERT_EQ(editor.repaintAreas.size(), 1u);
    EXPECT_EQ(editor.repaintAreas[0], (Box{1, 2, 31, 42}));
    EXPECT_FALSE(editor.repaintIncremental[0]);

    editor.dialogAnswer = false;
    commands.EditObject(1, 2, 30, 40, false, false, false, true, true, 0);
    EXPECT_THAT(history.calls, ElementsAre("begin", "end ok", "begin", "end cancel"));
    EXPECT_EQ(std::count(editor.calls.begin(), editor.calls.end(), "edit 1"), 2);

    commands.EditObject(1, 2, 30, 40, false, false, false, true, true, 5); // no such index
    EXPECT_EQ(history.calls.size(), 4u);
}

TEST_F(DepthObjectsTest, GroupsHaveNoDialogAndKeepTheirGeometry)
{
    AddGroup(1, {});
    commands.EditObject(5, 5, 50, 50, false, false, false, true, true, 0);
    EXPECT_EQ(std::count(editor.calls.begin(), editor.calls.end(), "edit 19"), 0);
    EXPECT_EQ((IntRect{objects.At(0)->Left, objects.At(0)->Top, objects.At(0)->Width,
                       objects.At(0)->Height}),
              (IntRect{0, 0, -1, -1}));
}

TEST_F(DepthObjectsTest, LineKeepsRoomForAThicknessThatGrew)
{
    objects.Append(std::make_unique<Tool_dm_line>(1, 0, 0, 40, 40, 1, 1));
    auto& line = dynamic_cast<Tool_dm_line&>(*objects.At(0));
    editor.dialogEdit = [](Tool_dm& o) { dynamic_cast<Tool_dm_line&>(o).Thickness = 60; };
    commands.EditObject(0, 0, 40, 40, false, false, false, true, true, 0);
    EXPECT_EQ(line.Width, 60);
    EXPECT_EQ(line.Height, 60);
    // Once the rectangle holds the thickness, the given extent applies.
    commands.EditObject(0, 0, 30, 90, false, false, false, true, false, 0);
    EXPECT_EQ(line.Width, 30);
    EXPECT_EQ(line.Height, 90);
}

TEST_F(DepthObjectsTest, ScaleObjectRoundsEachValueHalfToEven)
{
    auto& r = AddRect(1);
    r.Left = 5;
    r.Top = 3;
    r.Width = 7;
    r.Height = 512;
    commands.ScaleObject(512, 512, 256, 256, 0);
    EXPECT_EQ((IntRect{r.Left, r.Top, r.Width, r.Height}), (IntRect{2, 2, 4, 256}));
}

TEST_F(DepthObjectsTest, NormalizeOrderGivesThePostOrderOfTheHierarchy)
{
    // Top level: 1, group 10 (members 2, group 11, 3), 4; group 11 holds 5, 6.
    AddGroup(10, {"2", "11", "3"});
    AddRect(6, 11);
    AddRect(1);
    AddRect(3, 10);
    AddGroup(11, {"5", "6"}, 10);
    AddRect(4);
    AddRect(2, 10);
    AddRect(5, 11);
    objects.NormalizeOrder();
    EXPECT_THAT(Ids(), ElementsAre(2, 5, 6, 11, 3, 10, 1, 4));
    objects.NormalizeOrder(); // already canonical: unchanged
    EXPECT_THAT(Ids(), ElementsAre(2, 5, 6, 11, 3, 10, 1, 4));
}

TEST_F(DepthObjectsTest, NormalizeOrderKeepsObjectsOutsideTheHierarchy)
{
    AddRect(1, 99); // its group does not exist
    AddRect(2);
    AddGroup(3, {"4"});
    AddRect(4, 3);
    objects.NormalizeOrder();
    EXPECT_THAT(Ids(), ElementsAre(2, 4, 3, 1));
}

TEST_F(DepthObjectsTest, RenumberKeepsParentsAndMembers)
{
    AddRect(40, 70);
    AddRect(41, 70);
    AddGroup(70, {"40", "41"}, 90);
    AddRect(50, 90);
    AddGroup(90, {"70", "50"});
    AddRect(12, 555); // dangling parent
    objects.LastObjectId = 555;
    objects.RenumberObjects();
    EXPECT_THAT(Ids(), ElementsAre(1, 2, 3, 4, 5, 6));
    EXPECT_EQ(objects.At(0)->ParentId, 3);
    EXPECT_EQ(objects.At(1)->ParentId, 3);
    EXPECT_EQ(objects.At(2)->ParentId, 5);
    EXPECT_EQ(objects.At(3)->ParentId, 5);
    EXPECT_EQ(objects.At(4)->ParentId, -1);
    // A parent that never existed must not come to mean object 555's new
    // number or any other.
    EXPECT_EQ(objects.At(5)->ParentId, -1);
    EXPECT_EQ(dynamic_cast<Tool_dm_Group&>(*objects.At(2)).Members, QStringList({"1", "2"}));
    EXPECT_EQ(dynamic_cast<Tool_dm_Group&>(*objects.At(4)).Members, QStringList({"3", "4"}));
    EXPECT_EQ(objects.LastObjectId, 6);
    EXPECT_THAT(history.calls, ElementsAre("remap"));
    EXPECT_THAT(history.oldIds, ElementsAre(40, 41, 70, 50, 90, 12));
    EXPECT_THAT(history.newIds, ElementsAre(1, 2, 3, 4, 5, 6));
}

TEST_F(DepthObjectsTest, RootAncestorClimbsToTheOutermostGroup)
{
    AddRect(1, 2);
    AddGroup(2, {"1"}, 3);
    AddGroup(3, {"2"});
    AddRect(4);
    AddRect(5, 77);
    EXPECT_EQ(objects.RootAncestor(0), 2);
    EXPECT_EQ(objects.RootAncestor(1), 2);
    EXPECT_EQ(objects.RootAncestor(3), 3);
    EXPECT_EQ(objects.RootAncestor(4), 4); // parent missing: stays
    EXPECT_EQ(objects.RootAncestor(9), -1);
}

TEST_F(DepthObjectsTest, QueriesAndMoves)
{
    EXPECT_EQ(objects.MaxObjectId(), 0);
    AddRect(3);
    AddRect(8);
    AddRect(5);
    EXPECT_EQ(objects.FindObjectIndex(8), 1);
    EXPECT_EQ(objects.FindObjectIndex(4), -1);
    EXPECT_EQ(objects.MaxObjectId(), 8);
    EXPECT_TRUE(objects.MoveObject(0, 2));
    EXPECT_THAT(Ids(), ElementsAre(8, 5, 3));
    EXPECT_FALSE(objects.MoveObject(0, 3));
    EXPECT_FALSE(objects.MoveObject(-1, 0));
    EXPECT_THAT(Ids(), ElementsAre(8, 5, 3));
}

TEST_F(DepthObjectsTest, TreeShowsTopMostFirstWithMembersAsChildren)
{
    AddRect(1);
    AddRect(2, 4);
    AddRect(3, 4);
    auto& group = AddGroup(4, {"2", "3"});
    AddRect(5);
    group.Expanded = true;
    objects.RebuildTree();
    EXPECT_THAT(TreeCaptions(), ElementsAre("R5", "G4", "R3", "R2", "R1", "Name0"));
    const auto& tree = objects.Tree;
    const auto groupNode = tree.NodeAtAbsoluteIndex(1);
    EXPECT_TRUE(tree.At(groupNode).Expanded);
    EXPECT_EQ(tree.At(groupNode).ImageIndex, 19);
    EXPECT_EQ(tree.At(groupNode).Children.size(), 2u);
    EXPECT_EQ(tree.At(tree.TopLevel().back()).ImageIndex, 0);
    // In canonical order node n shows list index (node count - n - 2).
    for (int32_t n = 0; n + 1 < tree.Count(); ++n)
        EXPECT_EQ(objects.ObjectIndexOfNode(n), tree.Count() - n - 2);
    EXPECT_EQ(objects.ObjectIndexOfNode(tree.Count() - 1), -1);

    objects.Tree.SetExpanded(groupNode, false);
    objects.StoreGroupExpansion();
    EXPECT_FALSE(group.Expanded);
}

TEST_F(DepthObjectsTest, TreeSelectionFollowsTheObjects)
{
    AddRect(1, 3);
    AddRect(2, 3);
    AddGroup(3, {"1", "2"});
    AddRect(4);
    objects.RebuildTree();
    objects.SyncTreeSelection();
    EXPECT_THAT(objects.Tree.SelectedAbsoluteIndices(), ElementsAre(4)); // background

    objects.SelectObject(0, true); // the member, with its group
    EXPECT_EQ(objects.SelectedCount, 3);
    objects.SelectObject(3, false);
    objects.SyncTreeSelection();
    // The group's node stands for its members.
    EXPECT_THAT(objects.Tree.SelectedAbsoluteIndices(), ElementsAre(0, 1));
}

TEST_F(DepthObjectsTest, SelectingAGroupSelectsItsMembersDeepDown)
{
    AddRect(1, 2);
    AddGroup(2, {"1"}, 3);
    AddRect(4, 3);
    AddGroup(3, {"2", "4"});
    AddRect(5);
    objects.SelectObject(0, true);
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_TRUE(objects.At(i)->Selected) << i;
    EXPECT_FALSE(objects.At(4)->Selected);
    EXPECT_EQ(objects.SelectedCount, 4);
    EXPECT_EQ(objects.FirstSelected(), 0);
    objects.DeselectAll();
    EXPECT_EQ(objects.SelectedCount, 0);
    objects.SelectAll();
    EXPECT_EQ(objects.SelectedCount, 5);
    objects.ShowSelection(); // groups never widen the box
    EXPECT_EQ(objects.SelectionBox, (Box{1, 1, 15, 15}));
    EXPECT_EQ(objects.PreviousSelectionBox, objects.SelectionBox);
}

TEST_F(DepthObjectsTest, GroupMemberOperations)
{
    Tool_dm_Group g(1);
    g.AddMember(5);
    g.AddMember(6);
    g.AddMember(5); // already a member
    EXPECT_EQ(g.Members, QStringList({"6", "5"}));
    g.InsertMember(1, 7);
    g.InsertMember(99, 8);
    EXPECT_EQ(g.Members, QStringList({"6", "7", "5", "8"}));
    g.MoveMember(6, 1);
    EXPECT_EQ(g.Members, QStringList({"7", "5", "8", "6"}));
    g.MoveMember(8, 2);
    EXPECT_EQ(g.Members, QStringList({"8", "7", "5", "6"}));
    g.MoveMember(6, 3); // already last
    g.MoveMember(8, 4); // already first
    EXPECT_EQ(g.Members, QStringList({"8", "7", "5", "6"}));
    g.MoveMember(7, 3);
    g.MoveMember(6, 4);
    EXPECT_EQ(g.Members, QStringList({"8", "5", "6", "7"}));
    EXPECT_EQ(g.MemberPosition(6), 2);
    EXPECT_EQ(g.MemberPosition(42), 0);
    EXPECT_FALSE(g.HasMember(42));
    g.RemoveMember(5);
    EXPECT_EQ(g.Members, QStringList({"8", "6", "7"}));
    EXPECT_FALSE(g.HitTest(0, 0));
}

TEST_F(DepthObjectsTest, ResetEmptiesTheModel)
{
    AddRect(1).Selected = true;
    objects.SelectedCount = 1;
    objects.LastObjectId = 9;
    objects.SelectionBox = Box{1, 2, 3, 4};
    objects.SelectionMirroredH = true;
    objects.Reset();
    EXPECT_TRUE(objects.IsEmpty());
    EXPECT_EQ(objects.LastObjectId, 0);
    EXPECT_EQ(objects.SelectedCount, 0);
    EXPECT_EQ(objects.SelectionBox, Box{});
    EXPECT_FALSE(objects.SelectionMirroredH);
    EXPECT_EQ(objects.Tree.Count(), 1);
}

// A damaged file may tie groups into loops; the operations still end and
// the check says what is wrong.
TEST_F(DepthObjectsTest, LoopingHierarchiesAreRefusedAndSurvived)
{
    AddGroup(1, {"2"}, 2);
    AddGroup(2, {"1"}, 1);
    AddRect(3);
    EXPECT_THROW(objects.CheckHierarchy(), LumoraError);
    EXPECT_EQ(objects.RootAncestor(0), 1);
    objects.SelectObject(0, true);
    EXPECT_EQ(objects.SelectedCount, 2);
    objects.NormalizeOrder();
    EXPECT_EQ(objects.Count(), 3);
    objects.RebuildTree();
    objects.RenumberObjects();
    EXPECT_EQ(objects.Count(), 3);
}

TEST_F(DepthObjectsTest, SelfContainingGroupIsRefused)
{
    AddGroup(1, {"1"});
    EXPECT_THROW(objects.CheckHierarchy(), LumoraError);
    objects.RebuildTree();
    EXPECT_EQ(objects.Tree.Count(), 2); // the group (not inside itself) and the background
    objects.SelectAll();
    EXPECT_EQ(objects.SelectedCount, 1);
}

TEST_F(DepthObjectsTest, NestingDepthIsLimited)
{
    const int32_t depth = DepthObjects::MaxGroupNesting + 2;
    for (int32_t id = 1; id <= depth; ++id)
        AddGroup(id, id > 1 ? QStringList{QString::number(id - 1)} : QStringList{},
                 id < depth ? id + 1 : -1);
    EXPECT_THROW(objects.CheckHierarchy(), LumoraError);
    objects.NormalizeOrder();
    EXPECT_EQ(objects.Count(), depth);

    DepthObjects sound;
    sound.Append(std::make_unique<Tool_dm_Rectangle>(1, 0, 0, 5, 5));
    auto group = std::make_unique<Tool_dm_Group>(2);
    group->Members = {"1"};
    sound.At(0)->ParentId = 2;
    sound.Append(std::move(group));
    EXPECT_NO_THROW(sound.FinishLoading());
    EXPECT_EQ(sound.LastObjectId, 2);
    EXPECT_EQ(sound.Tree.Count(), 3);
}

} // namespace
} // namespace lumora
