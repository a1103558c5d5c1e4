#pragma once
// A depth-object list with its undo history and a recording editor, a
// scene of several kinds with nested groups, and the list read back as the
// objects' stored records: exactly, or with the selection left out and the
// ids replaced by list positions (renumbering relabels objects without
// changing them).
#include "core/depthmap/depth_test_support.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"
#include "history/history_list_dm.h"
#include "stream/project_stream_writer.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <unordered_map>
#include <vector>

namespace lumora::testing_support {

using Records = std::vector<std::vector<uint8_t>>;

inline std::vector<uint8_t> RecordOf(const Tool_dm& object)
{
    ProjectStreamWriter writer;
    writer.WriteInt32(object.Kind);
    object.SaveToStream(writer);
    return writer.TakeData();
}

// Every object as the project file stores it, in list order.
inline Records ExactRecords(const DepthObjects& objects)
{
    Records records;
    for (const auto& object : objects.Items())
        records.push_back(RecordOf(*object));
    return records;
}

// The same with Selected cleared and every id (own, parent, members)
// replaced by the object's list position + 1.
inline Records CanonicalRecords(const DepthObjects& objects)
{
    std::unordered_map<int32_t, int32_t> position;
    for (int32_t i = 0; i < objects.Count(); ++i)
        position.try_emplace(objects.At(i)->Id, i + 1);
    const auto relabel = [&](int32_t id) {
        const auto it = position.find(id);
        return it == position.end() ? -1000 - id : it->second;
    };
    Records records;
    for (const auto& object : objects.Items()) {
        auto copy = object->Clone(relabel(object->Id));
        copy->Selected = false;
        if (copy->ParentId != -1)
            copy->ParentId = relabel(copy->ParentId);
        if (auto* group = dynamic_cast<Tool_dm_Group*>(copy.get())) {
            QStringList members;
            for (int32_t id : group->MemberIds())
                members.append(QString::number(relabel(id)));
            group->Members = members;
        }
        records.push_back(RecordOf(*copy));
    }
    return records;
}

// Equal lists of records; otherwise which object differs first.
inline testing::AssertionResult SameRecords(const Records& actual, const Records& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    if (actual.size() != expected.size())
        return testing::AssertionFailure()
               << actual.size() << " objects where " << expected.size() << " were expected";
    for (size_t i = 0; i < actual.size(); ++i) {
        if (actual[i] != expected[i])
            return testing::AssertionFailure() << "the record at index " << i << " differs";
    }
    return testing::AssertionFailure();
}

class HistoryTest : public testing::Test
{
protected:
    DepthObjects objects;
    FakeEditor editor;
    HistoryList_dm history{objects};

    void SetUp() override { objects.SetUi(&editor); }

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
    void Finish()
    {
        objects.NormalizeOrder();
        objects.LastObjectId = objects.MaxObjectId();
        objects.RebuildTree();
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
    int32_t Steps() const { return history.EntryCount() - 1; }
};

} // namespace lumora::testing_support
