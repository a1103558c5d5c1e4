#pragma once
// HistoryObject_Create_dm (kind 3): an object was created and appended as
// the last object of the list. The entry keeps a copy of it with its id.

#include "history/history_object_master_dm.h"

#include <memory>

namespace lumora {

class Tool_dm;

class HistoryObject_Create_dm : public HistoryObject_Master_dm
{
public:
    explicit HistoryObject_Create_dm(const DepthObjects& objects);
    ~HistoryObject_Create_dm() override;

    void RemapIds(const IdMapping& mapping) override;
    // Removes the created object.
    void Undo(DepthObjects& objects) override;
    // Puts it back on top, the selection as creating left it: it alone.
    void Redo(DepthObjects& objects) override;
    void CollectIds(std::vector<int32_t>& ids) const override;

    bool IsValid() const { return created_ != nullptr; }

private:
    std::unique_ptr<Tool_dm> created_;
};

} // namespace lumora
