#pragma once
// The state of the group hierarchy as the grouping entry keeps it: for
// every object in list order a groupobject_forhistory record, and a copy
// of every group (with its id, Members and Expanded).

#include <QByteArray>
#include <cstdint>
#include <memory>
#include <vector>

namespace lumora {

class DepthObjects;
class IdMapping;
class Tool_dm;

struct groupobject_forhistory
{
    int32_t Id = 0;
    int32_t ParentId = -1;
    bool IsGroup = false;
    // Grouping and ungrouping change the selection with the hierarchy; it
    // is restored with it.
    bool Selected = false;
    bool operator==(const groupobject_forhistory&) const = default;
};

class HierarchySnapshot_dm
{
public:
    explicit HierarchySnapshot_dm(const DepthObjects& objects);
    HierarchySnapshot_dm(HierarchySnapshot_dm&&) noexcept;
    HierarchySnapshot_dm& operator=(HierarchySnapshot_dm&&) noexcept;
    ~HierarchySnapshot_dm();

    // Destroys every group of the list, then puts the objects in the
    // recorded order with their recorded parents and selection, and the
    // recorded groups back in their places. Ids that no object has are
    // skipped.
    void Restore(DepthObjects& objects) const;

    // Whether the two differ in more than the selection.
    bool SameHierarchy(const HierarchySnapshot_dm& other) const;

    void RemapIds(const IdMapping& mapping);
    void CollectIds(std::vector<int32_t>& ids) const;

private:
    // A group's stored record with Selected cleared, for comparing.
    static QByteArray RecordWithoutSelection(const Tool_dm& group);

    std::vector<groupobject_forhistory> records_;
    std::vector<std::unique_ptr<Tool_dm>> groups_; // in list order
};

} // namespace lumora
