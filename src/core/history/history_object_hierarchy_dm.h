#pragma once
// HistoryObject_Hierarchy_dm (kind 5): an arrange command changed the list
// order (and with it the order of group members). Before and after, the
// entry keeps the ids of all objects in list order; after, also the ids of
// the selected objects, whose area undo and redo repaint.

#include "history/history_object_master_dm.h"

namespace lumora {

class HistoryObject_Hierarchy_dm : public HistoryObject_Master_dm
{
public:
    explicit HistoryObject_Hierarchy_dm(const DepthObjects& objects);

    void RemapIds(const IdMapping& mapping) override;
    void Undo(DepthObjects& objects) override;
    void Redo(DepthObjects& objects) override;
    void Finish(DepthObjects& objects) override;
    bool ChangesModel() const override;
    void CollectIds(std::vector<int32_t>& ids) const override;

private:
    void Apply(const std::vector<int32_t>& order, DepthObjects& objects);

    std::vector<int32_t> before_;
    std::vector<int32_t> after_;
    std::vector<int32_t> selectedAfter_;
};

} // namespace lumora
