// Every model operation that changes the depth stage records exactly one
// entry, its undo gives back the list as it was, and undo followed by redo
// gives back the list after the edit, record for record.
#include "history_test_support.h"

#include "depthmap/depth_editor_ui.h"

#include <functional>

namespace lumora {
namespace {

using testing_support::CanonicalRecords;
using testing_support::ExactRecords;
using testing_support::HistoryTest;
using testing_support::Records;
using testing_support::SameRecords;

class OperationRoundTrip;

struct OperationCase
{
    const char* name;
    std::function<void(OperationRoundTrip&)> prepare; // selection, dialog answers
    std::function<void(DepthEditCommands&)> edit;
    int32_t entryKind;
};

void PrintTo(const OperationCase& c, std::ostream* os)
{
    *os << c.name;
}

class OperationRoundTrip : public HistoryTest, public testing::WithParamInterface<OperationCase>
{
public:
    // The fixture's helpers for the table's lambdas.
    void SelectIds(std::initializer_list<int32_t> ids, bool withGroup = false)
    {
        Select(ids, withGroup);
    }
    void DialogRenames()
    {
        editor.dialogEdit = [](Tool_dm& o) { o.Name = "Dialog"; };
    }
    // An empty group 13 inside group 12.
    void AddEmptyGroup()
    {
        AddGroup(13, {}, 12);
        dynamic_cast<Tool_dm_Group&>(*objects.FindObject(12)).AddMember(13);
        Finish();
    }
};

TEST_P(OperationRoundTrip, OneEntryWhoseUndoAndRedoRestoreTheList)
{
    BuildScene();
    const OperationCase& c = GetParam();
    if (c.prepare)
        c.prepare(*this);
    const Records before = CanonicalRecords(objects);
    const int32_t stepsBefore = Steps();

    c.edit(commands);
    ASSERT_EQ(Steps(), stepsBefore + 1);
    ASSERT_EQ(history.Entries().back()->EntryKind, c.entryKind);
    EXPECT_EQ(history.Current(), history.EntryCount() - 1);
    const Records after = ExactRecords(objects);
    ASSERT_FALSE(CanonicalRecords(objects) == before) << "the edit changed nothing";

    for (int round = 0; round < 2; ++round) {
        history.Undo(true);
        EXPECT_TRUE(SameRecords(CanonicalRecords(objects), before)) << "round " << round;
        EXPECT_EQ(objects.SelectedCount, static_cast<int32_t>(objects.SelectedIds().size()));
        EXPECT_TRUE(history.CanRedo());
        history.Redo(true);
        EXPECT_TRUE(SameRecords(ExactRecords(objects), after)) << "round " << round;
        EXPECT_EQ(objects.SelectedCount, static_cast<int32_t>(objects.SelectedIds().size()));
        EXPECT_FALSE(history.CanRedo());
    }
    // The tree shows the list again.
    EXPECT_EQ(objects.Tree.Count(), objects.Count() + 1);
}

using HO = HistoryObject_Master_dm;

ObjectPanelValues Panel(int32_t x, int32_t y, int32_t w, int32_t h, bool mirrorH = false)
{
    return ObjectPanelValues{x, y, w, h, false, mirrorH, false, true};
}

INSTANTIATE_TEST_SUITE_P(
    Table, OperationRoundTrip,
    testing::Values(
        OperationCase{"CreateRectangle", nullptr,
                      [](DepthEditCommands& c) { c.AddObject(5, 5, 60, 40, 1); }, HO::kCreate},
        OperationCase{"CreateGradient", nullptr,
                      [](DepthEditCommands& c) { c.AddObject(70, 5, 10, 90, 7); }, HO::kCreate},
        OperationCase{"CreateLine", nullptr,
                      [](DepthEditCommands& c) { c.AddObject(10, 10, 80, 10, 3); }, HO::kCreate},
        OperationCase{"EditWithDialog", [](OperationRoundTrip& t) { t.DialogRenames(); },
                      [](DepthEditCommands& c) {
                          c.EditObject(1, 2, 33, 44, true, false, true, true, true,
                                       c.Objects().FindObjectIndex(5));
                      },
                      HO::kEditParams},
        OperationCase{"EditGroupMemberWithoutDialog", nullptr,
                      [](DepthEditCommands& c) {
                          c.EditObject(9, 9, 99, 99, false, true, false, false, false,
                                       c.Objects().FindObjectIndex(6));
                      },
                      HO::kEditParams},
        OperationCase{"Rename", nullptr,
                      [](DepthEditCommands& c) {
                          c.RenameObject(c.Objects().FindObjectIndex(11), QStringLiteral("Turm"));
                      },
                      HO::kEditParams},
        OperationCase{"Scale", nullptr,
                      [](DepthEditCommands& c) {
                          c.ScaleObject(600, 450, 300, 225, c.Objects().FindObjectIndex(2));
                      },
                      HO::kEditParams},
        OperationCase{"PanelOne", [](OperationRoundTrip& t) { t.SelectIds({4}); },
                      [](DepthEditCommands& c) { c.ApplyAttributes(Panel(3, 4, 50, 60)); },
                      HO::kClassic},
        OperationCase{"PanelSeveralMirrored",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({1, 2, 10}, true);
                      },
                      [](DepthEditCommands& c) {
                          const Box b = c.Objects().SelectionBox;
                          c.ApplyAttributes(Panel(b.Left, b.Top, 400, 300, true));
                      },
                      HO::kClassic},
        OperationCase{"Handles",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({1, 7});
                      },
                      [](DepthEditCommands& c) { c.ResizeSelection(Panel(0, 0, 300, 200)); },
                      HO::kClassic},
        OperationCase{"Move", [](OperationRoundTrip& t) { t.SelectIds({3}, true); },
                      [](DepthEditCommands& c) { c.MoveSelection(-15, 25); }, HO::kClassic},
        OperationCase{"Depth", [](OperationRoundTrip& t) { t.SelectIds({5}); },
                      [](DepthEditCommands& c) { c.SetDepth(3); }, HO::kClassic},
        OperationCase{"ToFront",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({1, 4});
                      },
                      [](DepthEditCommands& c) { c.BringToFront(); }, HO::kHierarchy},
        OperationCase{"ToBack",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({7, 6});
                      },
                      [](DepthEditCommands& c) { c.SendToBack(); }, HO::kHierarchy},
        OperationCase{"Forward",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({10, 3});
                      },
                      [](DepthEditCommands& c) { c.BringForward(); }, HO::kHierarchy},
        OperationCase{"Backward",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({12, 5});
                      },
                      [](DepthEditCommands& c) { c.SendBackward(); }, HO::kHierarchy},
        OperationCase{"GroupTopLevel",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({1, 7});
                      },
                      [](DepthEditCommands& c) { c.GroupSelection(); }, HO::kGroup},
        OperationCase{"GroupAcrossGroups",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({4, 8});
                      },
                      [](DepthEditCommands& c) { c.GroupSelection(); }, HO::kGroup},
        OperationCase{"GroupInsideAGroup",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({3, 6});
                      },
                      [](DepthEditCommands& c) { c.GroupSelection(); }, HO::kGroup},
        OperationCase{"Ungroup", [](OperationRoundTrip& t) { t.SelectIds({10}); },
                      [](DepthEditCommands& c) { c.UngroupSelection(); }, HO::kGroup},
        OperationCase{"UngroupNested", [](OperationRoundTrip& t) { t.SelectIds({11}); },
                      [](DepthEditCommands& c) { c.UngroupSelection(); }, HO::kGroup},
        OperationCase{"UngroupSingleMembers",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({4, 8});
                      },
                      [](DepthEditCommands& c) { c.UngroupSelection(); }, HO::kGroup},
        OperationCase{"RemoveEmptyGroups", [](OperationRoundTrip& t) { t.AddEmptyGroup(); },
                      [](DepthEditCommands& c) { c.RemoveEmptyGroups(); }, HO::kGroup},
        OperationCase{"DeleteMember", [](OperationRoundTrip& t) { t.SelectIds({5}); },
                      [](DepthEditCommands& c) { c.DeleteSelection(); }, HO::kDelete},
        OperationCase{"DeleteLastMember", [](OperationRoundTrip& t) { t.SelectIds({8}); },
                      [](DepthEditCommands& c) { c.DeleteSelection(); }, HO::kDelete},
        OperationCase{"DeleteGroupAndMore",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({11, 1, 7, 3});
                      },
                      [](DepthEditCommands& c) { c.DeleteSelection(); }, HO::kDelete},
        OperationCase{"Paste",
                      [](OperationRoundTrip& t) {
                          t.SelectIds({10, 2});
                      },
                      [](DepthEditCommands& c) { c.PasteObjects(c.CopySelection()); }, HO::kPaste}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace lumora
