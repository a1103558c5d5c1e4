#include "history/history_object_create_dm.h"

#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm.h"
#include "history/history_area.h"
#include "history/id_mapping.h"

namespace lumora {

HistoryObject_Create_dm::HistoryObject_Create_dm(const DepthObjects& objects)
    : HistoryObject_Master_dm(kCreate, 0)
{
    if (const Tool_dm* last = objects.At(objects.Count() - 1))
        created_ = last->Clone(last->Id);
}

HistoryObject_Create_dm::~HistoryObject_Create_dm() = default;

void HistoryObject_Create_dm::Undo(DepthObjects& objects)
{
    if (!created_)
        return;
    AreaUnion area;
    RemoveObjectById(objects, created_->Id, area);
    AreaAfter = area.Result();
}

void HistoryObject_Create_dm::Redo(DepthObjects& objects)
{
    if (!created_)
        return;
    objects.DeselectAll();
    objects.Append(created_->Clone(created_->Id));
    AreaAfter = objects.At(objects.Count() - 1)->Bounds();
}

void HistoryObject_Create_dm::RemapIds(const IdMapping& mapping)
{
    if (created_)
        mapping.Apply(*created_);
}

void HistoryObject_Create_dm::CollectIds(std::vector<int32_t>& ids) const
{
    if (created_)
        CollectObjectIds(*created_, ids);
}

} // namespace lumora
