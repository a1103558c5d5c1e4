// A long random sequence of edits, selections, undos and redos. After every
// action the list must be the state the history claims to be at, each edit
// that changed the list must have recorded exactly one step, and in the
// end undoing everything must give the oldest state still held and redoing
// everything the newest one.
#include "history_test_support.h"

#include <QRandomGenerator>

#include <array>
#include <deque>

namespace lumora {
namespace {

using testing_support::CanonicalRecords;
using testing_support::HistoryTest;
using testing_support::Records;
using testing_support::SameRecords;

class RandomHistory : public HistoryTest
{
protected:
    QRandomGenerator random{20261210u};
    // The state after each entry of the history, index 0 the floor that
    // undo cannot pass; it follows the history's truncation.
    std::deque<Records> states;
    int32_t lastOp = -1;
    std::array<int32_t, 15> changesByOperation{};

    int32_t Pick(int32_t bound) { return static_cast<int32_t>(random.bounded(bound)); }
    bool Coin() { return random.bounded(2) == 1; }

    void SelectSomething()
    {
        if (objects.IsEmpty())
            return;
        switch (Pick(4)) {
        case 0:
            objects.SelectInRect(Pick(300), Pick(300), Pick(600), Pick(450));
            break;
        case 1:
            objects.SelectAll();
            break;
        default:
            objects.DeselectAll();
            for (int32_t k = 1 + Pick(3); k > 0; --k)
                objects.SelectObject(Pick(objects.Count()), Coin());
            break;
        }
        objects.ShowSelection();
    }

    // One model operation on whatever is selected.
    void Edit()
    {
        static const int32_t kKinds[] = {1, 2, 3, 4, 6, 7, 8, 9, 10, 11};
        const int32_t x = Pick(500);
        const int32_t y = Pick(400);
        lastOp = Pick(15);
        switch (lastOp) {
        case 0:
        case 1:
            commands.AddObject(x, y, x + 5 + Pick(120), y + 5 + Pick(90), kKinds[Pick(10)]);
            break;
        case 2: {
            if (objects.IsEmpty())
                break;
            const int32_t index = Pick(objects.Count());
            // A dialog changes its object only when it answers OK.
            editor.dialogAnswer = Pick(4) != 0;
            editor.dialogEdit = nullptr;
            if (editor.dialogAnswer)
                editor.dialogEdit = [this](Tool_dm& o) { o.Name = QString::number(Pick(1000)); };
            commands.EditObject(Pick(400), Pick(300), 1 + Pick(200), 1 + Pick(200), Coin(), Coin(),
                                Coin(), Pick(5) != 0, Coin(), index);
            break;
        }
        case 3:
            if (!objects.IsEmpty()) {
                const Box b = objects.SelectionBox;
                commands.ApplyAttributes(
                    ObjectPanelValues{b.Left + Pick(21) - 10, b.Top + Pick(21) - 10, 1 + Pick(300),
                                      1 + Pick(300), Coin(), Coin(), Coin(), Pick(4) != 0});
            }
            break;
        case 4:
            commands.ResizeSelection(ObjectPanelValues{x, y, 1 + Pick(300), 1 + Pick(200)});
            break;
        case 5:
            commands.MoveSelection(Pick(41) - 20, Pick(41) - 20);
            break;
        case 6:
            // The depth slider works on one object.
            if (!objects.IsEmpty()) {
                objects.DeselectAll();
                objects.SelectObject(Pick(objects.Count()), false);
                objects.ShowSelection();
                commands.SetDepth(static_cast<uint8_t>(Pick(256)));
            }
            break;
        case 7:
            commands.BringToFront();
            break;
        case 8:
            commands.SendToBack();
            break;
        case 9:
            commands.BringForward();
            break;
        case 10:
            commands.SendBackward();
            break;
        case 11:
            commands.GroupSelection();
            break;
        case 12:
            commands.UngroupSelection();
            break;
        case 13:
            commands.DeleteSelection();
            break;
        case 14:
            if (Coin())
                commands.PasteObjects(commands.CopySelection());
            else if (!objects.IsEmpty())
                commands.RenameObject(Pick(objects.Count()), QStringLiteral("N%1").arg(Pick(99)));
            break;
        }
    }

    // What the history does to its entries, done to the states: the redo
    // branch goes, then the oldest steps beyond the limit.
    void RecordStep(int32_t currentBefore)
    {
        states.resize(static_cast<size_t>(currentBefore) + 1);
        while (static_cast<int32_t>(states.size()) > history.MaxSteps())
            states.pop_front();
        states.push_back(CanonicalRecords(objects));
    }
};

TEST_F(RandomHistory, EveryStepIsUndoneAndRedoneExactly)
{
    BuildScene();
    history.SetMaxSteps(60);
    states.push_back(CanonicalRecords(objects));
    int32_t edits = 0;
    int32_t undos = 0;
    for (int32_t action = 0; action < 600; ++action) {
        SCOPED_TRACE(action);
        const int32_t roll = Pick(10);
        if (roll < 2) {
            SelectSomething();
        } else if (roll < 4) {
            if (history.CanUndo())
                ++undos;
            history.Undo(true);
        } else if (roll < 5) {
            history.Redo(true);
        } else if (roll < 6) {
            objects.RenumberObjects(); // saving: no step, ids only
        } else {
            const Records before = CanonicalRecords(objects);
            const int32_t stepsBefore = history.EntryCount();
            const int32_t currentBefore = history.Current();
            Edit();
            const bool changed = CanonicalRecords(objects) != before;
            if (!changed) {
                // A selection-only change leaves the history as it was.
                ASSERT_EQ(history.EntryCount(), stepsBefore);
                ASSERT_EQ(history.Current(), currentBefore);
            } else {
                ++edits;
                ++changesByOperation[lastOp];
                ASSERT_EQ(history.Current(), std::min(currentBefore + 1, history.MaxSteps()))
                    << "operation " << lastOp;
                ASSERT_EQ(history.Current(), std::min(currentBefore + 1, history.MaxSteps()));
                RecordStep(currentBefore);
            }
        }
        ASSERT_EQ(history.EntryCount(), static_cast<int32_t>(states.size()));
        ASSERT_TRUE(
            SameRecords(CanonicalRecords(objects), states[static_cast<size_t>(history.Current())]));
        ASSERT_EQ(objects.SelectedCount, static_cast<int32_t>(objects.SelectedIds().size()));
        ASSERT_NO_THROW(objects.CheckHierarchy());
    }
    // Every kind of edit took part.
    for (size_t op = 0; op < changesByOperation.size(); ++op)
        EXPECT_GT(changesByOperation[op], 0) << "operation " << op;
    EXPECT_GT(edits, 120);
    EXPECT_GT(undos, 60);

    while (history.CanUndo())
        history.Undo(true);
    EXPECT_TRUE(SameRecords(CanonicalRecords(objects), states.front()));
    while (history.CanRedo())
        history.Redo(true);
    EXPECT_TRUE(SameRecords(CanonicalRecords(objects), states.back()));
}

} // namespace
} // namespace lumora
