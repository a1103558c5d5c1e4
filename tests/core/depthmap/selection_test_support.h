#pragma once
// A small scene builder for the tests of selecting, arranging, grouping and
// the edit commands: rectangles with chosen ids over the shared scene base,
// and an undo history that records its calls.
#include "depthmap/depth_edit_commands.h"
#include "depthmap/tool_dm_rectangle.h"
#include "support/depth_scene.h"

namespace lumora::testing_support {

class SceneTest : public DepthSceneTest
{
protected:
    FakeHistory history;
    DepthEditCommands commands{objects};

    void SetUp() override
    {
        DepthSceneTest::SetUp();
        objects.SetHistory(&history);
    }

    Tool_dm& AddRect(int32_t id, int32_t parent = -1, IntRect r = {})
    {
        if (r == IntRect{})
            r = IntRect{10 * id, 10 * id, 10, 10};
        auto rect = std::make_unique<Tool_dm_Rectangle>(id, r.Left, r.Top, r.Width, r.Height);
        rect->Name = QStringLiteral("R%1").arg(id);
        rect->ParentId = parent;
        Tool_dm& ref = *rect;
        objects.Append(std::move(rect));
        return ref;
    }
    void Finish() { FinishScene(); }
    int32_t ParentOf(int32_t id) const { return objects.FindObject(id)->ParentId; }
    const Tool_dm& Obj(int32_t id) const { return *objects.FindObject(id); }
};

} // namespace lumora::testing_support
