#pragma once
// HistoryList_dm: the undo history of the depth-map composer. Every edit of
// the depth objects is one entry; Current is the entry whose state the
// model shows, index 0 is the start entry. The history records what the
// object list tells it (as its DepthHistoryRecorder) and puts the list back
// on Undo and Redo.
//
// The editor's commands record here, one step per command; the model
// operations never do. Paired recording (Begin... / End...) may nest: only
// the outermost bracket records. Whatever an entry's undo or redo calls on
// the list records nothing either.

#include "depthmap/depth_history_recorder.h"
#include "history/history_object_master_dm.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace lumora {

class DepthObjects;

class HistoryList_dm : public DepthHistoryRecorder
{
public:
    static constexpr int32_t kDefaultMaxSteps = 20;
    static constexpr int32_t kMinSteps = 1;
    static constexpr int32_t kMaxSteps = 100;

    // Attaches itself to the list as its history and starts.
    explicit HistoryList_dm(DepthObjects& objects);
    ~HistoryList_dm() override;
    HistoryList_dm(const HistoryList_dm&) = delete;
    HistoryList_dm& operator=(const HistoryList_dm&) = delete;

    const std::vector<std::unique_ptr<HistoryObject_Master_dm>>& Entries() const
    {
        return entries_;
    }
    int32_t Current() const { return current_; }
    int32_t EntryCount() const { return entryCount_; }
    int32_t MaxSteps() const { return maxSteps_; }
    // The setting "Max_Undo_Steps" and the preferences, clamped to 1..100;
    // it takes effect at the next recorded step.
    void SetMaxSteps(int32_t steps);

    // Destroys every entry (and a pending one).
    void Clear();
    // Appends a start entry.
    void Start();

    // With repaint, the editor repaints both areas of the entry.
    void Undo(bool repaint);
    void Redo(bool repaint);
    bool CanUndo() const;
    bool CanRedo() const;
    // Whether a paired entry is open.
    bool IsRecording() const { return openBrackets_ > 0; }

    // DepthHistoryRecorder.
    void BeginEditParams(int32_t index) override;
    void EndEditParams(bool accepted) override;
    void BeginClassic() override;
    void EndClassic() override;
    void BeginHierarchy() override;
    void EndHierarchy() override;
    void BeginGroup() override;
    void EndGroup() override;
    void BeginComposerSize() override;
    void EndComposerSize() override;
    void DropPending() noexcept override;
    void AddCreate() override;
    void AddDelete() override;
    void AddPaste() override;
    void Restart() override;
    void RemapIds(const std::vector<int32_t>& oldIds, const std::vector<int32_t>& newIds) override;
    std::vector<int32_t> HeldObjectIds() const override;

private:
    void BeginPaired(std::unique_ptr<HistoryObject_Master_dm> (*make)(const DepthObjects&, int32_t),
                     int32_t index);
    // Closes a bracket; the outermost one appends its entry (keep false,
    // a cancelled dialog, drops it).
    void EndPaired(bool keep);
    // A single-call entry, unless it comes from inside a bracket or a replay.
    bool MayAddSingle() const { return !replaying_ && openBrackets_ == 0; }
    void Append(std::unique_ptr<HistoryObject_Master_dm> entry);
    void Truncate();
    void AfterReplay(const HistoryObject_Master_dm& entry, bool repaint);

    DepthObjects& objects_;
    std::vector<std::unique_ptr<HistoryObject_Master_dm>> entries_;
    int32_t current_ = 0;
    int32_t entryCount_ = 0;
    int32_t maxSteps_ = kDefaultMaxSteps;
    // The entry of the outermost open bracket; null when that bracket
    // records nothing (an edit of an index that names no object).
    std::unique_ptr<HistoryObject_Master_dm> pending_;
    int32_t openBrackets_ = 0;
    // Set while an entry's undo or redo changes the list.
    bool replaying_ = false;
};

} // namespace lumora
