#include "history/id_mapping.h"

#include "depthmap/tool_dm.h"
#include "depthmap/tool_dm_group.h"

#include <algorithm>

namespace lumora {

IdMapping::IdMapping(const std::vector<int32_t>& oldIds, const std::vector<int32_t>& newIds)
{
    const size_t n = std::min(oldIds.size(), newIds.size());
    for (size_t i = 0; i < n; ++i)
        newIdOf_.try_emplace(oldIds[i], newIds[i]);
}

int32_t IdMapping::Map(int32_t id) const
{
    const auto it = newIdOf_.find(id);
    return it == newIdOf_.end() ? id : it->second;
}

void IdMapping::MapIds(std::vector<int32_t>& ids) const
{
    for (int32_t& id : ids)
        id = Map(id);
}

void IdMapping::Apply(Tool_dm& object) const
{
    object.Id = Map(object.Id);
    object.ParentId = MapParent(object.ParentId);
    auto* group = dynamic_cast<Tool_dm_Group*>(&object);
    if (!group)
        return;
    for (QString& entry : group->Members) {
        bool ok = false;
        const int32_t id = entry.toInt(&ok);
        if (ok)
            entry = QString::number(Map(id));
    }
}

void CollectObjectIds(const Tool_dm& object, std::vector<int32_t>& ids)
{
    ids.push_back(object.Id);
    if (object.ParentId != -1)
        ids.push_back(object.ParentId);
    if (const auto* group = dynamic_cast<const Tool_dm_Group*>(&object)) {
        const std::vector<int32_t> members = group->MemberIds();
        ids.insert(ids.end(), members.begin(), members.end());
    }
}

} // namespace lumora
