#pragma once
// HistoryObject_Group_dm (kind 6): grouping, ungrouping or the removal of
// empty groups. Before and after, the entry keeps a snapshot of the
// hierarchy; after, also the ids of the selected objects, whose area undo
// and redo repaint.

#include "history/hierarchy_snapshot_dm.h"
#include "history/history_object_master_dm.h"

#include <optional>

namespace lumora {

class HistoryObject_Group_dm : public HistoryObject_Master_dm
{
public:
    explicit HistoryObject_Group_dm(const DepthObjects& objects);

    void RemapIds(const IdMapping& mapping) override;
    void Undo(DepthObjects& objects) override;
    void Redo(DepthObjects& objects) override;
    void Finish(DepthObjects& objects) override;
    bool ChangesModel() const override;
    void CollectIds(std::vector<int32_t>& ids) const override;

private:
    void Apply(const HierarchySnapshot_dm& snapshot, DepthObjects& objects);

    HierarchySnapshot_dm before_;
    std::optional<HierarchySnapshot_dm> after_;
    std::vector<int32_t> selectedAfter_;
};

} // namespace lumora
