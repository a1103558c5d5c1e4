#include "history/history_object_paste_dm.h"

#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm.h"
#include "history/history_area.h"
#include "history/id_mapping.h"

namespace lumora {

HistoryObject_Paste_dm::HistoryObject_Paste_dm(const DepthObjects& objects)
    : HistoryObject_Master_dm(kPaste, 0)
{
    for (const auto& object : objects.Items()) {
        if (object->Selected)
            pasted_.push_back(object->Clone(object->Id));
    }
}

HistoryObject_Paste_dm::~HistoryObject_Paste_dm() = default;

void HistoryObject_Paste_dm::Undo(DepthObjects& objects)
{
    AreaUnion area;
    for (auto it = pasted_.rbegin(); it != pasted_.rend(); ++it)
        RemoveObjectById(objects, (*it)->Id, area);
    AreaAfter = area.Result();
    objects.RemoveEmptyGroups();
}

void HistoryObject_Paste_dm::Redo(DepthObjects& objects)
{
    objects.DeselectAll();
    AreaUnion area;
    for (const auto& copy : pasted_) {
        objects.Append(copy->Clone(copy->Id));
        area.Add(*objects.At(objects.Count() - 1));
    }
    AreaAfter = area.Result();
}

void HistoryObject_Paste_dm::RemapIds(const IdMapping& mapping)
{
    for (const auto& copy : pasted_)
        mapping.Apply(*copy);
}

void HistoryObject_Paste_dm::CollectIds(std::vector<int32_t>& ids) const
{
    for (const auto& copy : pasted_)
        CollectObjectIds(*copy, ids);
}

} // namespace lumora
