#include "history/history_object_group_dm.h"

#include "depthmap/depth_objects.h"
#include "history/id_mapping.h"

namespace lumora {

HistoryObject_Group_dm::HistoryObject_Group_dm(const DepthObjects& objects)
    : HistoryObject_Master_dm(kGroup, 0), before_(objects)
{
}

void HistoryObject_Group_dm::Finish(DepthObjects& objects)
{
    after_.emplace(objects);
    selectedAfter_ = objects.SelectedIds();
}

bool HistoryObject_Group_dm::ChangesModel() const
{
    return after_ && !before_.SameHierarchy(*after_);
}

void HistoryObject_Group_dm::Apply(const HierarchySnapshot_dm& snapshot, DepthObjects& objects)
{
    snapshot.Restore(objects);
    AreaBefore = AreaAfter = objects.BoundsOfIds(selectedAfter_);
}

void HistoryObject_Group_dm::Undo(DepthObjects& objects)
{
    Apply(before_, objects);
}

void HistoryObject_Group_dm::Redo(DepthObjects& objects)
{
    if (after_)
        Apply(*after_, objects);
}

void HistoryObject_Group_dm::RemapIds(const IdMapping& mapping)
{
    before_.RemapIds(mapping);
    if (after_)
        after_->RemapIds(mapping);
    mapping.MapIds(selectedAfter_);
}

void HistoryObject_Group_dm::CollectIds(std::vector<int32_t>& ids) const
{
    before_.CollectIds(ids);
    if (after_)
        after_->CollectIds(ids);
    ids.insert(ids.end(), selectedAfter_.begin(), selectedAfter_.end());
}

} // namespace lumora
