#include "history/history_object_start_dm.h"

namespace lumora {

HistoryObject_Start_dm::HistoryObject_Start_dm() : HistoryObject_Master_dm(kStart, 0) {}

} // namespace lumora
