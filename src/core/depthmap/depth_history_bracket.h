#pragma once
// Opens a paired history entry for the lifetime of a command and keeps it
// only when the command commits: a command that fails (and has rolled its
// edit back) or changes nothing leaves no step behind.

#include "depthmap/depth_history_recorder.h"

#include <cstdint>

namespace lumora {

class HistoryBracket
{
public:
    enum class Kind
    {
        EditParams,
        Classic,
        Hierarchy,
        Group,
        ComposerSize
    };

    // index names the object of an EditParams entry.
    HistoryBracket(DepthHistoryRecorder* history, Kind kind, int32_t index = -1)
        : history_(history), kind_(kind)
    {
        if (history_)
            Begin(index);
    }
    ~HistoryBracket()
    {
        if (history_)
            history_->DropPending();
    }
    HistoryBracket(const HistoryBracket&) = delete;
    HistoryBracket& operator=(const HistoryBracket&) = delete;

    // The after state is complete: the entry is recorded.
    void Commit()
    {
        if (!history_)
            return;
        DepthHistoryRecorder* history = history_;
        history_ = nullptr;
        End(*history);
    }

private:
    void Begin(int32_t index)
    {
        switch (kind_) {
        case Kind::EditParams:
            history_->BeginEditParams(index);
            break;
        case Kind::Classic:
            history_->BeginClassic();
            break;
        case Kind::Hierarchy:
            history_->BeginHierarchy();
            break;
        case Kind::Group:
            history_->BeginGroup();
            break;
        case Kind::ComposerSize:
            history_->BeginComposerSize();
            break;
        }
    }
    void End(DepthHistoryRecorder& history) const
    {
        switch (kind_) {
        case Kind::EditParams:
            history.EndEditParams(true);
            break;
        case Kind::Classic:
            history.EndClassic();
            break;
        case Kind::Hierarchy:
            history.EndHierarchy();
            break;
        case Kind::Group:
            history.EndGroup();
            break;
        case Kind::ComposerSize:
            history.EndComposerSize();
            break;
        }
    }

    DepthHistoryRecorder* history_;
    Kind kind_;
};

} // namespace lumora
