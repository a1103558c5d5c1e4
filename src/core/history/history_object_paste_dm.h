#pragma once
// HistoryObject_Paste_dm (kind 7): objects were pasted or duplicated; they
// are the selection. The entry keeps copies of them with their ids.

#include "history/history_object_master_dm.h"

#include <memory>

namespace lumora {

class Tool_dm;

class HistoryObject_Paste_dm : public HistoryObject_Master_dm
{
public:
    explicit HistoryObject_Paste_dm(const DepthObjects& objects);
    ~HistoryObject_Paste_dm() override;

    void RemapIds(const IdMapping& mapping) override;
    // Removes the pasted objects.
    void Undo(DepthObjects& objects) override;
    // Puts them back on top, selected as pasting left them.
    void Redo(DepthObjects& objects) override;
    void CollectIds(std::vector<int32_t>& ids) const override;

private:
    std::vector<std::unique_ptr<Tool_dm>> pasted_;
};

} // namespace lumora
