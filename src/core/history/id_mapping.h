#pragma once
// Old object ids to new ones, as renumbering hands them to the undo
// history, and what an entry keeps of an object by id: its own id, its
// parent and, for a group, its members.

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace lumora {

class Tool_dm;

class IdMapping
{
public:
    // oldIds[i] becomes newIds[i]; the lists are parallel. Every id is
    // looked up once, so a mapping that swaps ids is applied correctly.
    IdMapping(const std::vector<int32_t>& oldIds, const std::vector<int32_t>& newIds);

    // The new id, or the id itself when the mapping does not name it.
    int32_t Map(int32_t id) const;
    // -1 (no parent) stays -1.
    int32_t MapParent(int32_t parentId) const { return parentId == -1 ? -1 : Map(parentId); }
    void MapIds(std::vector<int32_t>& ids) const;
    // Id, ParentId and a group's Members of a stored copy.
    void Apply(Tool_dm& object) const;

private:
    std::unordered_map<int32_t, int32_t> newIdOf_;
};

// The ids a stored copy refers to: its own, its parent's and its members'.
void CollectObjectIds(const Tool_dm& object, std::vector<int32_t>& ids);

} // namespace lumora
