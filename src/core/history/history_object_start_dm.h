#pragma once
// HistoryObject_Start_dm (kind 0): the first entry of a started history,
// the state nothing can be undone beyond. It holds nothing.

#include "history/history_object_master_dm.h"

namespace lumora {

class HistoryObject_Start_dm : public HistoryObject_Master_dm
{
public:
    HistoryObject_Start_dm();
};

} // namespace lumora
