#pragma once
// HistoryObject_EditParams_dm (kind 2): one object edited through
// EditObject (its geometry and flags, and its parameter dialog) or
// renamed. The object is kept whole, with its id, before and after.

#include "history/history_object_master_dm.h"

#include <memory>

namespace lumora {

class Tool_dm;

class HistoryObject_EditParams_dm : public HistoryObject_Master_dm
{
public:
    // Takes the before part: a copy of the object at index.
    HistoryObject_EditParams_dm(const DepthObjects& objects, int32_t index);
    ~HistoryObject_EditParams_dm() override;

    void RemapIds(const IdMapping& mapping) override;
    void Undo(DepthObjects& objects) override;
    void Redo(DepthObjects& objects) override;
    void Finish(DepthObjects& objects) override;
    void CollectIds(std::vector<int32_t>& ids) const override;

    // False when the index named no object.
    bool IsValid() const { return before_ != nullptr; }

private:
    void Replace(const Tool_dm& copy, DepthObjects& objects);

    std::unique_ptr<Tool_dm> before_;
    std::unique_ptr<Tool_dm> after_;
};

} // namespace lumora
