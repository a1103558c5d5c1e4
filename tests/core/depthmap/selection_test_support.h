#pragma once
// A small scene builder for the tests of selecting, arranging, grouping and
// the edit commands: rectangles and groups with chosen ids, and the list
// read back as ids and member lists.
#include "depth_test_support.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_rectangle.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

namespace lumora::testing_support {

class SceneTest : public testing::Test
{
protected:
    DepthObjects objects;
    FakeEditor editor;
    FakeHistory history;

    void SetUp() override
    {
        objects.SetUi(&editor);
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
    Tool_dm_Group& AddGroup(int32_t id, QStringList members, int32_t parent = -1)
    {
        auto g = std::make_unique<Tool_dm_Group>(id);
        g->Name = QStringLiteral("G%1").arg(id);
        g->Members = std::move(members);
        g->ParentId = parent;
        Tool_dm_Group& ref = *g;
        objects.Append(std::move(g));
        return ref;
    }
    // Finishes a hand-built scene as loading would.
    void Finish()
    {
        objects.NormalizeOrder();
        objects.LastObjectId = objects.MaxObjectId();
        objects.RebuildTree();
    }
    void Select(std::initializer_list<int32_t> ids, bool withGroup = false)
    {
        objects.DeselectAll();
        for (int32_t id : ids)
            objects.SelectObject(objects.FindObjectIndex(id), withGroup);
        objects.ShowSelection();
    }
    std::vector<int32_t> Ids() const
    {
        std::vector<int32_t> ids;
        for (const auto& o : objects.Items())
            ids.push_back(o->Id);
        return ids;
    }
    QStringList MembersOf(int32_t groupId) const
    {
        const auto* g = dynamic_cast<const Tool_dm_Group*>(objects.FindObject(groupId));
        return g ? g->Members : QStringList{QStringLiteral("(no group)")};
    }
    int32_t ParentOf(int32_t id) const { return objects.FindObject(id)->ParentId; }
    const Tool_dm& Obj(int32_t id) const { return *objects.FindObject(id); }
};

} // namespace lumora::testing_support
