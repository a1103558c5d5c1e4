// The history list: starting, the step limit, the redo branch, undo and
// redo of particular edits, repaint areas, nesting of brackets, edits that
// change nothing, and renumbering.
#include "common/lumora_error.h"
#include "history_test_support.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <set>

namespace lumora {
namespace {

using testing::ElementsAre;
using testing_support::CanonicalRecords;
using testing_support::ExactRecords;
using testing_support::HistoryTest;
using testing_support::Records;
using testing_support::SameRecords;

using HO = HistoryObject_Master_dm;

TEST_F(HistoryTest, AStartedHistoryHoldsTheStartEntryOnly)
{
    ASSERT_EQ(history.Entries().size(), 1u);
    EXPECT_EQ(history.Entries()[0]->EntryKind, HO::kStart);
    EXPECT_EQ(history.Current(), 0);
    EXPECT_EQ(history.EntryCount(), 1);
    EXPECT_EQ(history.MaxSteps(), 20);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    history.Undo(true); // at the start entry: nothing
    history.Redo(true); // at the newest entry: nothing
    EXPECT_EQ(history.Current(), 0);
    EXPECT_EQ(objects.History(), &history);

    history.Clear();
    EXPECT_TRUE(history.Entries().empty());
    EXPECT_FALSE(history.CanUndo());
    history.Start();
    EXPECT_EQ(history.EntryCount(), 1);
}

TEST_F(HistoryTest, TheStepLimitKeepsTheNewestSteps)
{
    AddRect(1);
    Finish();
    Select({1});
    for (int32_t i = 1; i <= 25; ++i)
        commands.MoveSelection(1, 0);
    EXPECT_EQ(objects.FindObject(1)->Left, 35);
    EXPECT_EQ(history.EntryCount(), 21);
    EXPECT_EQ(history.Entries()[0]->EntryKind, HO::kStart);
    int32_t undone = 0;
    while (history.CanUndo()) {
        history.Undo(false);
        ++undone;
    }
    EXPECT_EQ(undone, 20);
    // The five oldest moves are no longer undoable.
    EXPECT_EQ(objects.FindObject(1)->Left, 15);
    history.Undo(false);
    EXPECT_EQ(objects.FindObject(1)->Left, 15);
    EXPECT_EQ(history.Current(), 0);
}

TEST_F(HistoryTest, TheStepLimitIsClamped)
{
    history.SetMaxSteps(0);
    EXPECT_EQ(history.MaxSteps(), 1);
    history.SetMaxSteps(500);
    EXPECT_EQ(history.MaxSteps(), 100);
    history.SetMaxSteps(3);
    AddRect(1);
    Finish();
    Select({1});
    for (int32_t i = 0; i < 5; ++i)
        commands.MoveSelection(0, 1);
    EXPECT_EQ(history.EntryCount(), 4);
}

TEST_F(HistoryTest, ANewEditAfterUndosDropsTheRedoBranch)
{
    AddRect(1);
    Finish();
    Select({1});
    for (int32_t i = 0; i < 4; ++i)
        commands.MoveSelection(10, 0);
    history.Undo(true);
    history.Undo(true);
    EXPECT_TRUE(history.CanRedo());
    EXPECT_EQ(objects.FindObject(1)->Left, 30);
    commands.MoveSelection(0, 5);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.EntryCount(), 4);
    history.Redo(true);
    EXPECT_EQ(objects.FindObject(1)->Top, 10);
    history.Undo(true);
    EXPECT_EQ(objects.FindObject(1)->Top, 5);
    EXPECT_EQ(objects.FindObject(1)->Left, 30);
}

TEST_F(HistoryTest, UndoingACreationRemovesTheTopMostObject)
{
    BuildScene();
    const int32_t count = objects.Count();
    commands.AddObject(0, 0, 40, 40, 2);
    ASSERT_EQ(objects.Count(), count + 1);
    EXPECT_EQ(objects.SelectedCount, 1);
    objects.SelectionMirroredH = true;
    history.Undo(true);
    EXPECT_EQ(objects.Count(), count);
    EXPECT_EQ(objects.SelectedCount, 0);
    EXPECT_FALSE(objects.SelectionMirroredH);
    EXPECT_EQ(editor.repaintAreas.back(), (Box{0, 0, 40, 40}));
    history.Redo(true);
    EXPECT_EQ(objects.At(count)->Kind, 2);
    EXPECT_EQ(objects.SelectedCount, 1);
}

TEST_F(HistoryTest, UndoingTheDeletionOfAGroupMemberRestoresItAndItsGroup)
{
    BuildScene();
    const std::vector<int32_t> order = Ids();
    Select({8});
    commands.DeleteSelection();
    EXPECT_EQ(objects.FindObjectIndex(12), -1); // left empty, removed
    history.Undo(true);
    EXPECT_EQ(Ids(), order);
    EXPECT_EQ(MembersOf(12), QStringList({"8"}));
    EXPECT_EQ(objects.FindObject(8)->ParentId, 12);
    EXPECT_TRUE(objects.FindObject(8)->Selected);

    Select({4});
    commands.DeleteSelection();
    EXPECT_EQ(MembersOf(11), QStringList({"5"}));
    history.Undo(true);
    EXPECT_EQ(Ids(), order);
    EXPECT_EQ(MembersOf(11), QStringList({"4", "5"}));
}

TEST_F(HistoryTest, UndoingAnArrangeCommandRestoresListAndMemberOrder)
{
    BuildScene();
    const std::vector<int32_t> order = Ids();
    Select({3, 1});
    commands.BringToFront();
    EXPECT_EQ(MembersOf(10), QStringList({"11", "6", "3"}));
    EXPECT_EQ(Ids().back(), 1);
    history.Undo(true);
    EXPECT_EQ(Ids(), order);
    EXPECT_EQ(MembersOf(10), QStringList({"3", "11", "6"}));
    // Both areas are the selection's.
    const Box selected = objects.BoundsOfIds({1, 3});
    EXPECT_EQ(history.Entries()[1]->AreaBefore, selected);
    EXPECT_EQ(history.Entries()[1]->AreaAfter, selected);
}

TEST_F(HistoryTest, UndoRepaintsWhereTheObjectsWereAndWhereTheyGo)
{
    AddRect(1); // 10, 5, 20 x 15
    Finish();
    Select({1});
    commands.MoveSelection(100, 0);
    editor.repaintAreas.clear();
    history.Undo(true);
    EXPECT_THAT(editor.repaintAreas, ElementsAre(Box{110, 5, 130, 20}, Box{10, 5, 30, 20}));
    editor.repaintAreas.clear();
    history.Redo(false);
    EXPECT_TRUE(editor.repaintAreas.empty());
}

TEST_F(HistoryTest, EditsInsideABracketAreOneStep)
{
    BuildScene();
    Select({1, 2});
    history.BeginClassic();
    objects.EditObject(0, 0, 5, 5, false, false, false, true, false, objects.FindObjectIndex(1));
    objects.EditObject(50, 50, 5, 5, false, false, false, true, false, objects.FindObjectIndex(2));
    EXPECT_TRUE(history.IsRecording());
    history.EndClassic();
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(history.Entries()[1]->EntryKind, HO::kClassic);
    history.Undo(true);
    EXPECT_EQ(objects.FindObject(1)->Width, 20);
    EXPECT_EQ(objects.FindObject(2)->Left, 30);
    // Undo waits while a bracket is open.
    history.BeginGroup();
    history.Redo(true);
    EXPECT_EQ(objects.FindObject(2)->Left, 30);
    history.EndGroup();
    history.Redo(true);
    EXPECT_EQ(objects.FindObject(2)->Left, 50);
}

TEST_F(HistoryTest, ACancelledDialogLeavesNeitherAChangeNorAnEntry)
{
    BuildScene();
    const Records before = ExactRecords(objects);
    editor.dialogAnswer = false;
    commands.EditObject(1, 1, 2, 2, true, true, true, false, true, objects.FindObjectIndex(5));
    EXPECT_EQ(Steps(), 0);
    EXPECT_TRUE(SameRecords(ExactRecords(objects), before));
}

TEST_F(HistoryTest, EditingAnUnselectedObjectRecordsThatObject)
{
    BuildScene();
    Select({1});
    commands.EditObject(0, 0, 99, 99, false, false, false, true, false, objects.FindObjectIndex(7));
    history.Undo(true);
    EXPECT_EQ(objects.FindObject(7)->Width, 20);
    EXPECT_EQ(objects.FindObject(1)->Width, 20);
}

TEST_F(HistoryTest, EditsThatChangeNothingButTheSelectionLeaveNoStep)
{
    BuildScene();
    Select({7});
    const Box b = objects.SelectionBox;
    commands.ApplyAttributes(ObjectPanelValues{b.Left, b.Top, b.Right - b.Left, b.Bottom - b.Top,
                                               false, false, false, true});
    commands.SetDepth(objects.FindObject(7)->Depth);
    Select({12}, true);
    commands.BringToFront(); // already the top-most
    Select({1});
    commands.UngroupSelection(); // no group: only the selection goes
    commands.RemoveEmptyGroups();
    EXPECT_EQ(Steps(), 0);
}

TEST_F(HistoryTest, AfterRenumberingUndoActsOnTheSameObjects)
{
    BuildScene();
    const Records start = CanonicalRecords(objects);
    Select({2});
    commands.DeleteSelection(); // the ellipse lives on in the history only
    Select({7});
    commands.MoveSelection(0, 40);
    commands.AddObject(300, 300, 340, 320, 1);
    const Records edited = CanonicalRecords(objects);

    objects.RenumberObjects(); // as saving does
    std::vector<int32_t> ids = Ids();
    std::vector<int32_t> expected(ids.size());
    for (size_t i = 0; i < expected.size(); ++i)
        expected[i] = static_cast<int32_t>(i + 1);
    EXPECT_EQ(ids, expected);
    // The deleted ellipse got a number after the list, and new objects come
    // after that.
    EXPECT_GT(objects.LastObjectId, objects.Count());
    const std::vector<int32_t> held = history.HeldObjectIds();
    EXPECT_TRUE(std::find(held.begin(), held.end(), objects.LastObjectId) != held.end());

    while (history.CanUndo())
        history.Undo(true);
    EXPECT_TRUE(SameRecords(CanonicalRecords(objects), start));
    const std::vector<int32_t> restored = Ids();
    EXPECT_EQ(std::set<int32_t>(restored.begin(), restored.end()).size(), restored.size());
    while (history.CanRedo())
        history.Redo(true);
    EXPECT_TRUE(SameRecords(CanonicalRecords(objects), edited));
    commands.AddObject(0, 0, 10, 10, 1);
    const std::vector<int32_t> after = Ids();
    EXPECT_EQ(std::set<int32_t>(after.begin(), after.end()).size(), after.size());
}

TEST_F(HistoryTest, AnEditThatFailsLeavesTheObjectAndTheHistoryAsTheyWere)
{
    BuildScene();
    Select({6});
    const Records before = ExactRecords(objects);
    // A picture this wide cannot be built.
    EXPECT_THROW(commands.EditObject(0, 0, 70000, 10, false, false, false, true, false,
                                     objects.FindObjectIndex(6)),
                 LumoraError);
    EXPECT_THROW(commands.ApplyAttributes(ObjectPanelValues{0, 0, 70000, 10}), LumoraError);
    EXPECT_TRUE(SameRecords(ExactRecords(objects), before));
    EXPECT_FALSE(history.IsRecording());
    EXPECT_EQ(Steps(), 0);
    commands.MoveSelection(1, 1); // recording goes on
    EXPECT_EQ(Steps(), 1);
}

TEST_F(HistoryTest, ANewProjectRestartsTheHistory)
{
    BuildScene();
    Select({1});
    commands.MoveSelection(1, 1);
    objects.Reset();
    EXPECT_EQ(history.EntryCount(), 1);
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(HistoryTest, TheHistoryDetachesWhenDestroyed)
{
    DepthObjects other;
    {
        HistoryList_dm temporary(other);
        EXPECT_EQ(other.History(), &temporary);
    }
    EXPECT_EQ(other.History(), nullptr);
    other.AddObject(0, 0, 10, 10, 1); // records nowhere, and does not crash
    EXPECT_EQ(other.Count(), 1);
}

} // namespace
} // namespace lumora
