#pragma once
// A depth-object list with its undo history, its commands and a recording
// editor, and a scene of several kinds with nested groups.
#include "depthmap/depth_edit_commands.h"
#include "history/history_list_dm.h"
#include "support/depth_records.h"
#include "support/depth_scene.h"

namespace lumora::testing_support {

class HistoryTest : public DepthSceneTest
{
protected:
    HistoryList_dm history{objects};
    DepthEditCommands commands{objects};

    Tool_dm& AddKind(int32_t kind, int32_t id, IntRect r, int32_t parent = -1)
    {
        auto object = objects.Kinds.CreateFromDrag(kind, id, r, 1, 1);
        object->Name = QStringLiteral("K%1-%2").arg(kind).arg(id);
        object->ParentId = parent;
        Tool_dm& ref = *object;
        objects.Append(std::move(object));
        return ref;
    }
    Tool_dm& AddRect(int32_t id, int32_t parent = -1)
    {
        return AddKind(1, id, IntRect{10 * id, 5 * id, 20, 15}, parent);
    }
    void Finish()
    {
        FinishScene();
        history.Restart();
    }
    // R1, ellipse 2, group 10 {R3, group 11 {line 4, polygon 5}, gradient
    // 6}, R7, group 12 {R8}.
    void BuildScene()
    {
        AddRect(1);
        AddKind(2, 2, IntRect{30, 40, 50, 30});
        AddRect(3, 10);
        AddKind(3, 4, IntRect{100, 20, 60, 40}, 11);
        AddKind(4, 5, IntRect{120, 60, 40, 40}, 11);
        AddGroup(11, {"4", "5"}, 10);
        AddKind(6, 6, IntRect{200, 100, 80, 60}, 10);
        AddGroup(10, {"3", "11", "6"});
        AddRect(7);
        AddRect(8, 12);
        AddGroup(12, {"8"});
        Finish();
    }
    int32_t Steps() const { return history.EntryCount() - 1; }
};

} // namespace lumora::testing_support
