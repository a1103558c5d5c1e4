#pragma once
// The base of the tests that build a depth scene by hand: the object list
// with a recording editor, groups with chosen ids and members, the
// finishing a read project gets, selecting by ids, and the list read back
// as ids and member lists.
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"
#include "support/depth_test_doubles.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <initializer_list>
#include <vector>

namespace lumora::testing_support {

class DepthSceneTest : public testing::Test
{
protected:
    DepthObjects objects;
    FakeEditor editor;

    void SetUp() override { objects.SetUi(&editor); }

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
    void FinishScene()
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
};

} // namespace lumora::testing_support
