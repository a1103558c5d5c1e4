#include "history/history_object_master_dm.h"

namespace lumora {

HistoryObject_Master_dm::HistoryObject_Master_dm(int32_t entryKind, int32_t spare)
    : EntryKind(entryKind), Spare(spare)
{
}

void HistoryObject_Master_dm::RemapIds(const IdMapping&) {}

void HistoryObject_Master_dm::Undo(DepthObjects&) {}

void HistoryObject_Master_dm::Redo(DepthObjects&) {}

void HistoryObject_Master_dm::Finish(DepthObjects&) {}

void HistoryObject_Master_dm::CollectIds(std::vector<int32_t>&) const {}

} // namespace lumora
