#include "history/history_area.h"

#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"

namespace lumora {

void AreaUnion::Add(const Tool_dm& object)
{
    if (object.Width < 0 || object.Height < 0)
        return;
    box_ = any_ ? UnionBoxes(box_, object.Bounds()) : object.Bounds();
    any_ = true;
}

void RemoveObjectById(DepthObjects& objects, int32_t id, AreaUnion& area)
{
    const int32_t index = objects.FindObjectIndex(id);
    const Tool_dm* object = objects.At(index);
    if (!object)
        return;
    area.Add(*object);
    if (auto* parent = dynamic_cast<Tool_dm_Group*>(objects.FindObject(object->ParentId)))
        parent->RemoveMember(id);
    objects.Take(index);
}

} // namespace lumora
