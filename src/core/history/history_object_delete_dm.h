#pragma once
// HistoryObject_Delete_dm (kind 4): the selection is about to be deleted.
// The entry keeps each selected object with its list index, and each group
// above one of them (whose Members the deletion changes, or which it
// leaves empty and so removes) with its index, all as copies with their
// ids.

#include "history/history_object_master_dm.h"

#include <memory>

namespace lumora {

class Tool_dm;

class HistoryObject_Delete_dm : public HistoryObject_Master_dm
{
public:
    explicit HistoryObject_Delete_dm(const DepthObjects& objects);
    ~HistoryObject_Delete_dm() override;

    void RemapIds(const IdMapping& mapping) override;
    // Puts every kept object and group back at its index.
    void Undo(DepthObjects& objects) override;
    // Deletes the kept objects again and removes the groups left empty.
    void Redo(DepthObjects& objects) override;
    void CollectIds(std::vector<int32_t>& ids) const override;

private:
    struct Kept
    {
        int32_t Index;
        std::unique_ptr<Tool_dm> Copy;
    };
    std::vector<Kept> deleted_; // in list order
    std::vector<Kept> groups_;  // groups above them, not deleted themselves
};

} // namespace lumora
