#include "history/hierarchy_snapshot_dm.h"

#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"
#include "history/id_mapping.h"
#include "stream/project_stream_writer.h"

namespace lumora {

namespace {

bool IsGroup(const Tool_dm& object)
{
    return dynamic_cast<const Tool_dm_Group*>(&object) != nullptr;
}

} // namespace

HierarchySnapshot_dm::HierarchySnapshot_dm(const DepthObjects& objects)
{
    for (const auto& object : objects.Items()) {
        const bool group = IsGroup(*object);
        records_.push_back(
            groupobject_forhistory{object->Id, object->ParentId, group, object->Selected});
        if (group)
            groups_.push_back(object->Clone(object->Id));
    }
}

HierarchySnapshot_dm::HierarchySnapshot_dm(HierarchySnapshot_dm&&) noexcept = default;
HierarchySnapshot_dm& HierarchySnapshot_dm::operator=(HierarchySnapshot_dm&&) noexcept = default;
HierarchySnapshot_dm::~HierarchySnapshot_dm() = default;

void HierarchySnapshot_dm::Restore(DepthObjects& objects) const
{
    for (int32_t i = objects.Count() - 1; i >= 0; --i) {
        if (IsGroup(*objects.At(i)))
            objects.Take(i);
    }
    // From the last record to the first, each goes to index 0.
    size_t groupIndex = groups_.size();
    for (auto it = records_.rbegin(); it != records_.rend(); ++it) {
        if (it->IsGroup) {
            if (groupIndex == 0)
                continue;
            const Tool_dm& group = *groups_[--groupIndex];
            objects.Insert(0, group.Clone(group.Id));
            continue;
        }
        const int32_t index = objects.FindObjectIndex(it->Id);
        Tool_dm* object = objects.At(index);
        if (!object)
            continue;
        object->ParentId = it->ParentId;
        object->Selected = it->Selected;
        objects.MoveObject(index, 0);
    }
}

QByteArray HierarchySnapshot_dm::RecordWithoutSelection(const Tool_dm& group)
{
    auto copy = group.Clone(group.Id);
    copy->Selected = false;
    ProjectStreamWriter writer;
    copy->SaveToStream(writer);
    const std::vector<uint8_t>& data = writer.Data();
    return QByteArray(reinterpret_cast<const char*>(data.data()),
                      static_cast<qsizetype>(data.size()));
}

bool HierarchySnapshot_dm::SameHierarchy(const HierarchySnapshot_dm& other) const
{
    if (records_.size() != other.records_.size() || groups_.size() != other.groups_.size())
        return false;
    for (size_t i = 0; i < records_.size(); ++i) {
        const groupobject_forhistory& a = records_[i];
        const groupobject_forhistory& b = other.records_[i];
        if (a.Id != b.Id || a.ParentId != b.ParentId || a.IsGroup != b.IsGroup)
            return false;
    }
    for (size_t i = 0; i < groups_.size(); ++i) {
        if (RecordWithoutSelection(*groups_[i]) != RecordWithoutSelection(*other.groups_[i]))
            return false;
    }
    return true;
}

void HierarchySnapshot_dm::RemapIds(const IdMapping& mapping)
{
    for (groupobject_forhistory& r : records_) {
        r.Id = mapping.Map(r.Id);
        r.ParentId = mapping.MapParent(r.ParentId);
    }
    for (const auto& group : groups_)
        mapping.Apply(*group);
}

void HierarchySnapshot_dm::CollectIds(std::vector<int32_t>& ids) const
{
    for (const groupobject_forhistory& r : records_) {
        ids.push_back(r.Id);
        if (r.ParentId != -1)
            ids.push_back(r.ParentId);
    }
    for (const auto& group : groups_)
        CollectObjectIds(*group, ids);
}

} // namespace lumora
