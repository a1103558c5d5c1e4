#include "history/history_object_delete_dm.h"

#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm.h"
#include "depthmap/tool_dm_group.h"
#include "history/history_area.h"
#include "history/id_mapping.h"

#include <algorithm>
#include <unordered_set>

namespace lumora {

HistoryObject_Delete_dm::HistoryObject_Delete_dm(const DepthObjects& objects)
    : HistoryObject_Master_dm(kDelete, 0)
{
    std::unordered_set<int32_t> kept;
    for (int32_t i = 0; i < objects.Count(); ++i) {
        const Tool_dm* object = objects.At(i);
        if (object->Selected && kept.insert(object->Id).second)
            deleted_.push_back(Kept{i, object->Clone(object->Id)});
    }
    for (const Kept& d : deleted_) {
        // Every group above, as far as the groups exist; at most one step
        // per object, so a damaged, looping chain ends.
        int32_t parentId = d.Copy->ParentId;
        for (int32_t steps = 0; parentId != -1 && steps < objects.Count(); ++steps) {
            const int32_t index = objects.FindObjectIndex(parentId);
            const auto* group = dynamic_cast<const Tool_dm_Group*>(objects.At(index));
            if (!group)
                break;
            if (kept.insert(group->Id).second)
                groups_.push_back(Kept{index, group->Clone(group->Id)});
            parentId = group->ParentId;
        }
    }
}

HistoryObject_Delete_dm::~HistoryObject_Delete_dm() = default;

void HistoryObject_Delete_dm::Undo(DepthObjects& objects)
{
    // The groups that still stand were changed by the deletion; they are
    // put back as they were. Inserting everything kept in ascending order
    // of its former index then rebuilds the former list exactly, because
    // the objects that stayed kept their relative order.
    for (const Kept& g : groups_) {
        const int32_t index = objects.FindObjectIndex(g.Copy->Id);
        if (index >= 0)
            objects.Take(index);
    }
    std::vector<const Kept*> all;
    for (const auto* list : {&deleted_, &groups_}) {
        for (const Kept& k : *list)
            all.push_back(&k);
    }
    std::sort(all.begin(), all.end(),
              [](const Kept* a, const Kept* b) { return a->Index < b->Index; });
    for (const Kept* k : all)
        objects.Insert(k->Index, k->Copy->Clone(k->Copy->Id));

    AreaUnion area;
    for (const Kept& d : deleted_) {
        if (const Tool_dm* object = objects.FindObject(d.Copy->Id))
            area.Add(*object);
    }
    AreaAfter = area.Result();
}

void HistoryObject_Delete_dm::Redo(DepthObjects& objects)
{
    AreaUnion area;
    for (auto it = deleted_.rbegin(); it != deleted_.rend(); ++it)
        RemoveObjectById(objects, it->Copy->Id, area);
    AreaAfter = area.Result();
    objects.RemoveEmptyGroups();
}

void HistoryObject_Delete_dm::RemapIds(const IdMapping& mapping)
{
    for (auto* list : {&deleted_, &groups_}) {
        for (Kept& k : *list)
            mapping.Apply(*k.Copy);
    }
}

void HistoryObject_Delete_dm::CollectIds(std::vector<int32_t>& ids) const
{
    for (const auto* list : {&deleted_, &groups_}) {
        for (const Kept& k : *list)
            CollectObjectIds(*k.Copy, ids);
    }
}

} // namespace lumora
