#include "history/history_object_editparams_dm.h"

#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm.h"
#include "history/id_mapping.h"

namespace lumora {

HistoryObject_EditParams_dm::HistoryObject_EditParams_dm(const DepthObjects& objects, int32_t index)
    : HistoryObject_Master_dm(kEditParams, 0)
{
    if (const Tool_dm* object = objects.At(index))
        before_ = object->Clone(object->Id);
}

HistoryObject_EditParams_dm::~HistoryObject_EditParams_dm() = default;

void HistoryObject_EditParams_dm::Finish(DepthObjects& objects)
{
    if (!before_)
        return;
    if (const Tool_dm* object = objects.FindObject(before_->Id))
        after_ = object->Clone(object->Id);
}

void HistoryObject_EditParams_dm::Replace(const Tool_dm& copy, DepthObjects& objects)
{
    const int32_t index = objects.FindObjectIndex(copy.Id);
    const Tool_dm* object = objects.At(index);
    if (!object)
        return;
    AreaBefore = object->Bounds();
    objects.Take(index);
    objects.Insert(index, copy.Clone(copy.Id));
    AreaAfter = objects.At(index)->Bounds();
}

void HistoryObject_EditParams_dm::Undo(DepthObjects& objects)
{
    if (before_)
        Replace(*before_, objects);
}

void HistoryObject_EditParams_dm::Redo(DepthObjects& objects)
{
    if (after_)
        Replace(*after_, objects);
}

void HistoryObject_EditParams_dm::RemapIds(const IdMapping& mapping)
{
    for (const auto* copy : {&before_, &after_}) {
        if (*copy)
            mapping.Apply(**copy);
    }
}

void HistoryObject_EditParams_dm::CollectIds(std::vector<int32_t>& ids) const
{
    for (const auto* copy : {&before_, &after_}) {
        if (*copy)
            CollectObjectIds(**copy, ids);
    }
}

} // namespace lumora
