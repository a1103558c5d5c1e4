// One user command is one undo step: "Zuweisen" of a new composer size with
// every object scaled, a grouping, and a command that fails (which records
// nothing and leaves every object as it was). Undo gives back the objects'
// records byte for byte.
#include "common/lumora_error.h"
#include "depthmap/depth_edit_commands.h"
#include "history/history_list_dm.h"
#include "project/composer_size.h"
#include "project/project.h"
#include "support/depth_records.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using testing_support::ExactRecords;
using testing_support::Records;
using testing_support::SameRecords;

class CommandUndo : public ::testing::Test
{
protected:
    Project project;
    DepthObjects& objects = project.Depth;
    HistoryList_dm history{objects};
    DepthEditCommands commands{objects};

    // Objects of the drag kinds in turn, each at a place of its own.
    void AddObjects(int32_t count)
    {
        const int32_t kinds[] = {1, 2, 3, 4, 6, 7, 8, 9, 10, 11};
        for (int32_t i = 0; i < count; ++i) {
            const int32_t kind = kinds[i % 10];
            const IntRect rect{7 + 13 * i, 5 + 11 * i, 41 + 3 * i, 29 + 2 * i};
            auto object = objects.Kinds.CreateFromDrag(kind, objects.NewObjectId(), rect, 1, 1);
            ASSERT_NE(object, nullptr) << "kind " << kind;
            object->Name = QStringLiteral("K%1").arg(i);
            objects.Append(std::move(object));
        }
        objects.RebuildTree();
        history.Restart();
    }
    void Select(std::initializer_list<int32_t> ids)
    {
        objects.DeselectAll();
        for (int32_t id : ids)
            objects.SelectObject(objects.FindObjectIndex(id), false);
        objects.ShowSelection();
    }
    int32_t Steps() const { return history.EntryCount() - 1; }
};

TEST_F(CommandUndo, ApplyingAComposerSizeToTwentyFiveObjectsIsOneStep)
{
    AddObjects(25);
    Select({3});
    commands.MoveSelection(4, 0);
    commands.MoveSelection(0, 4);
    const Records start = ExactRecords(objects);
    ApplyComposerSize(project, 300, 225, true);
    ASSERT_EQ(Steps(), 3);
    EXPECT_EQ(history.Entries().back()->EntryKind, HistoryObject_Master_dm::kComposerSize);
    const Records scaled = ExactRecords(objects);
    ASSERT_FALSE(scaled == start);

    history.Undo(true);
    EXPECT_TRUE(SameRecords(ExactRecords(objects), start));
    EXPECT_EQ(objects.VorlageWidth, 600);
    EXPECT_EQ(objects.VorlageHeight, 450);
    history.Redo(true);
    EXPECT_TRUE(SameRecords(ExactRecords(objects), scaled));
    EXPECT_EQ(objects.VorlageWidth, 300);
    EXPECT_EQ(objects.VorlageHeight, 225);

    // The two moves before it are still there to undo.
    history.Undo(true);
    history.Undo(true);
    history.Undo(true);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(objects.FindObject(3)->Left, 7 + 13 * 2);
}

TEST_F(CommandUndo, ANewSizeWithoutScalingIsOneStepToo)
{
    AddObjects(3);
    const Records start = ExactRecords(objects);
    ApplyComposerSize(project, 800, 500, false);
    ApplyComposerSize(project, 800, 500, false); // the same size: no step
    ASSERT_EQ(Steps(), 1);
    history.Undo(true);
    EXPECT_EQ(objects.VorlageWidth, 600);
    EXPECT_EQ(objects.VorlageHeight, 450);
    EXPECT_TRUE(SameRecords(ExactRecords(objects), start));
}

TEST_F(CommandUndo, AGroupingIsOneStepWhoseUndoRestoresTheRecords)
{
    AddObjects(6);
    Select({2, 5});
    const Records before = ExactRecords(objects);
    commands.GroupSelection();
    ASSERT_EQ(Steps(), 1);
    ASSERT_EQ(objects.Count(), 7);
    const Records grouped = ExactRecords(objects);

    history.Undo(true);
    EXPECT_TRUE(SameRecords(ExactRecords(objects), before));
    history.Redo(true);
    EXPECT_TRUE(SameRecords(ExactRecords(objects), grouped));
}

// In a 60000 x 60000 box the gradient's picture would have more pixels than
// any object picture may: it refuses after the rectangle below it has
// taken its new place.
TEST_F(CommandUndo, APanelEditThatFailsHalfWayRecordsNothingAndChangesNothing)
{
    AddObjects(7); // 6 is a gradient
    Select({1, 6});
    commands.MoveSelection(1, 1);
    const Records before = ExactRecords(objects);
    const Box shown = objects.SelectionBox;

    EXPECT_THROW(commands.ApplyAttributes(ObjectPanelValues{0, 0, 60000, 60000}), LumoraError);
    EXPECT_TRUE(SameRecords(ExactRecords(objects), before));
    EXPECT_EQ(objects.SelectionBox, shown);
    EXPECT_FALSE(history.IsRecording());
    EXPECT_EQ(Steps(), 1);

    history.Undo(true);
    EXPECT_EQ(objects.FindObject(1)->Left, 7);
    EXPECT_EQ(objects.FindObject(6)->Left, 7 + 13 * 5);
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(CommandUndo, AComposerSizeThatCannotBeAppliedRecordsNothing)
{
    AddObjects(7);
    // Scaled by 100, this gradient would be 70000 pixels wide.
    objects.Append(
        objects.Kinds.CreateFromDrag(6, objects.NewObjectId(), IntRect{0, 0, 700, 2}, 1, 1));
    const Records before = ExactRecords(objects);
    EXPECT_THROW(ApplyComposerSize(project, 60000, 45000, true), LumoraError);
    EXPECT_THROW(ApplyComposerSize(project, 60000, 4000, true), LumoraError);
    EXPECT_TRUE(SameRecords(ExactRecords(objects), before));
    EXPECT_EQ(objects.VorlageWidth, 600);
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(history.IsRecording());
}

} // namespace
} // namespace lumora
