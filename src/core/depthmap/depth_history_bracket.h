#pragma once
// Opens a paired history entry for the lifetime of a scope and closes it
// however the scope is left, so a failing edit never leaves the history
// waiting for an end that does not come.

#include "depthmap/depth_history_recorder.h"

namespace lumora {

class HistoryBracket
{
public:
    enum class Kind
    {
        Classic,
        Hierarchy,
        Group
    };

    HistoryBracket(DepthHistoryRecorder* history, Kind kind) : history_(history), kind_(kind)
    {
        if (!history_)
            return;
        switch (kind_) {
        case Kind::Classic:
            history_->BeginClassic();
            break;
        case Kind::Hierarchy:
            history_->BeginHierarchy();
            break;
        case Kind::Group:
            history_->BeginGroup();
            break;
        }
    }
    ~HistoryBracket()
    {
        // Closing after a failure records what had changed; a failure of
        // the closing itself must not escape a destructor.
        try {
            Close();
        } catch (...) {
        }
    }
    HistoryBracket(const HistoryBracket&) = delete;
    HistoryBracket& operator=(const HistoryBracket&) = delete;

    // Closes the entry now (the after state is complete).
    void Close()
    {
        if (!history_)
            return;
        DepthHistoryRecorder* history = history_;
        history_ = nullptr;
        switch (kind_) {
        case Kind::Classic:
            history->EndClassic();
            break;
        case Kind::Hierarchy:
            history->EndHierarchy();
            break;
        case Kind::Group:
            history->EndGroup();
            break;
        }
    }

private:
    DepthHistoryRecorder* history_;
    Kind kind_;
};

} // namespace lumora
