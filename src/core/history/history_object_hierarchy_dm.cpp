#include "history/history_object_hierarchy_dm.h"

#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"
#include "history/id_mapping.h"

namespace lumora {

namespace {

constexpr int32_t kMemberToStart = 2;

std::vector<int32_t> IdsInListOrder(const DepthObjects& objects)
{
    std::vector<int32_t> ids;
    for (const auto& object : objects.Items())
        ids.push_back(object->Id);
    return ids;
}

} // namespace

HistoryObject_Hierarchy_dm::HistoryObject_Hierarchy_dm(const DepthObjects& objects)
    : HistoryObject_Master_dm(kHierarchy, 0), before_(IdsInListOrder(objects))
{
}

void HistoryObject_Hierarchy_dm::Finish(DepthObjects& objects)
{
    after_ = IdsInListOrder(objects);
    selectedAfter_ = objects.SelectedIds();
}

bool HistoryObject_Hierarchy_dm::ChangesModel() const
{
    // The list is in canonical order before and after, so the member order
    // of every group follows from the list order.
    return before_ != after_;
}

void HistoryObject_Hierarchy_dm::Apply(const std::vector<int32_t>& order, DepthObjects& objects)
{
    // From the last id to the first, each object goes to index 0 and to
    // entry 0 of its group: the list ends in the recorded order and each
    // group's Members in list order.
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const int32_t index = objects.FindObjectIndex(*it);
        const Tool_dm* object = objects.At(index);
        if (!object)
            continue;
        if (auto* group = dynamic_cast<Tool_dm_Group*>(objects.FindObject(object->ParentId)))
            group->MoveMember(*it, kMemberToStart);
        objects.MoveObject(index, 0);
    }
    AreaBefore = AreaAfter = objects.BoundsOfIds(selectedAfter_);
}

void HistoryObject_Hierarchy_dm::Undo(DepthObjects& objects)
{
    Apply(before_, objects);
}

void HistoryObject_Hierarchy_dm::Redo(DepthObjects& objects)
{
    Apply(after_, objects);
}

void HistoryObject_Hierarchy_dm::RemapIds(const IdMapping& mapping)
{
    mapping.MapIds(before_);
    mapping.MapIds(after_);
    mapping.MapIds(selectedAfter_);
}

void HistoryObject_Hierarchy_dm::CollectIds(std::vector<int32_t>& ids) const
{
    for (const auto* list : {&before_, &after_, &selectedAfter_})
        ids.insert(ids.end(), list->begin(), list->end());
}

} // namespace lumora
