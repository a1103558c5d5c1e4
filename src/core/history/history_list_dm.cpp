#include "history/history_list_dm.h"

#include "depthmap/depth_editor_ui.h"
#include "depthmap/depth_objects.h"
#include "history/history_object_classic_dm.h"
#include "history/history_object_composer_size_dm.h"
#include "history/history_object_create_dm.h"
#include "history/history_object_delete_dm.h"
#include "history/history_object_editparams_dm.h"
#include "history/history_object_group_dm.h"
#include "history/history_object_hierarchy_dm.h"
#include "history/history_object_paste_dm.h"
#include "history/history_object_start_dm.h"
#include "history/id_mapping.h"

#include <algorithm>

namespace lumora {

namespace {

// Sets a flag for the lifetime of a scope, whichever way it is left.
class FlagScope
{
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

template <typename Entry>
std::unique_ptr<HistoryObject_Master_dm> MakeEntry(const DepthObjects& objects, int32_t)
{
    return std::make_unique<Entry>(objects);
}

std::unique_ptr<HistoryObject_Master_dm> MakeEditParams(const DepthObjects& objects, int32_t index)
{
    auto entry = std::make_unique<HistoryObject_EditParams_dm>(objects, index);
    if (!entry->IsValid())
        return nullptr;
    return entry;
}

} // namespace

HistoryList_dm::HistoryList_dm(DepthObjects& objects) : objects_(objects)
{
    objects_.SetHistory(this);
    Start();
}

HistoryList_dm::~HistoryList_dm()
{
    if (objects_.History() == this)
        objects_.SetHistory(nullptr);
}

void HistoryList_dm::SetMaxSteps(int32_t steps)
{
    maxSteps_ = std::clamp(steps, kMinSteps, kMaxSteps);
}

void HistoryList_dm::Clear()
{
    entries_.clear();
    pending_.reset();
    openBrackets_ = 0;
    current_ = 0;
    entryCount_ = 0;
}

void HistoryList_dm::Start()
{
    entries_.push_back(std::make_unique<HistoryObject_Start_dm>());
    entryCount_ = static_cast<int32_t>(entries_.size());
    current_ = entryCount_ - 1;
}

void HistoryList_dm::Restart()
{
    Clear();
    Start();
}

bool HistoryList_dm::CanUndo() const
{
    return !entries_.empty() && current_ >= 1;
}

bool HistoryList_dm::CanRedo() const
{
    return !entries_.empty() && current_ < entryCount_ - 1;
}

void HistoryList_dm::Truncate()
{
    if (entries_.empty())
        Start();
    entries_.resize(static_cast<size_t>(current_) + 1);
    while (static_cast<int32_t>(entries_.size()) > maxSteps_)
        entries_.erase(entries_.begin() + 1);
}

void HistoryList_dm::Append(std::unique_ptr<HistoryObject_Master_dm> entry)
{
    Truncate();
    entries_.push_back(std::move(entry));
    entryCount_ = static_cast<int32_t>(entries_.size());
    current_ = entryCount_ - 1;
}

void HistoryList_dm::BeginPaired(
    std::unique_ptr<HistoryObject_Master_dm> (*make)(const DepthObjects&, int32_t), int32_t index)
{
    if (replaying_)
        return;
    if (openBrackets_++ == 0)
        pending_ = make(objects_, index);
}

void HistoryList_dm::EndPaired(bool keep)
{
    if (replaying_ || openBrackets_ == 0)
        return;
    if (--openBrackets_ > 0)
        return;
    std::unique_ptr<HistoryObject_Master_dm> entry = std::move(pending_);
    if (!entry || !keep)
        return;
    entry->Finish(objects_);
    if (entry->ChangesModel())
        Append(std::move(entry));
}

void HistoryList_dm::BeginEditParams(int32_t index)
{
    BeginPaired(&MakeEditParams, index);
}

void HistoryList_dm::EndEditParams(bool accepted)
{
    EndPaired(accepted);
}

void HistoryList_dm::BeginClassic()
{
    BeginPaired(&MakeEntry<HistoryObject_Classic_dm>, 0);
}

void HistoryList_dm::EndClassic()
{
    EndPaired(true);
}

void HistoryList_dm::BeginHierarchy()
{
    BeginPaired(&MakeEntry<HistoryObject_Hierarchy_dm>, 0);
}

void HistoryList_dm::EndHierarchy()
{
    EndPaired(true);
}

void HistoryList_dm::BeginGroup()
{
    BeginPaired(&MakeEntry<HistoryObject_Group_dm>, 0);
}

void HistoryList_dm::EndGroup()
{
    EndPaired(true);
}

void HistoryList_dm::BeginComposerSize()
{
    BeginPaired(&MakeEntry<HistoryObject_ComposerSize_dm>, 0);
}

void HistoryList_dm::EndComposerSize()
{
    EndPaired(true);
}

void HistoryList_dm::DropPending() noexcept
{
    if (replaying_ || openBrackets_ == 0)
        return;
    if (--openBrackets_ == 0)
        pending_.reset();
}

void HistoryList_dm::AddCreate()
{
    if (!MayAddSingle())
        return;
    auto entry = std::make_unique<HistoryObject_Create_dm>(objects_);
    if (entry->IsValid())
        Append(std::move(entry));
}

void HistoryList_dm::AddDelete()
{
    if (MayAddSingle() && objects_.FirstSelected() >= 0)
        Append(std::make_unique<HistoryObject_Delete_dm>(objects_));
}

void HistoryList_dm::AddPaste()
{
    if (MayAddSingle() && objects_.FirstSelected() >= 0)
        Append(std::make_unique<HistoryObject_Paste_dm>(objects_));
}

void HistoryList_dm::Undo(bool repaint)
{
    if (IsRecording() || current_ <= 0 || current_ >= entryCount_ ||
        current_ >= static_cast<int32_t>(entries_.size()))
        return;
    HistoryObject_Master_dm& entry = *entries_[static_cast<size_t>(current_)];
    {
        FlagScope replay(replaying_);
        objects_.StoreGroupExpansion();
        entry.Undo(objects_);
    }
    --current_;
    AfterReplay(entry, repaint);
}

void HistoryList_dm::Redo(bool repaint)
{
    if (IsRecording() || current_ >= entryCount_ - 1 ||
        current_ + 1 >= static_cast<int32_t>(entries_.size()))
        return;
    ++current_;
    HistoryObject_Master_dm& entry = *entries_[static_cast<size_t>(current_)];
    {
        FlagScope replay(replaying_);
        objects_.StoreGroupExpansion();
        entry.Redo(objects_);
    }
    AfterReplay(entry, repaint);
}

void HistoryList_dm::AfterReplay(const HistoryObject_Master_dm& entry, bool repaint)
{
    const int32_t selectedBefore = objects_.SelectedCount;
    objects_.RecountSelection();
    if (objects_.SelectedCount == 0 && selectedBefore != 0)
        objects_.StartNewSelection();
    objects_.RebuildTree();
    objects_.SyncTreeSelection();
    objects_.ShowSelection();
    if (DepthEditorUi* ui = objects_.Ui(); ui && repaint) {
        ui->RepaintVorlage(entry.AreaBefore, false);
        ui->RepaintVorlage(entry.AreaAfter, false);
    }
    objects_.NotifyModified();
}

void HistoryList_dm::RemapIds(const std::vector<int32_t>& oldIds,
                              const std::vector<int32_t>& newIds)
{
    const IdMapping mapping(oldIds, newIds);
    for (const auto& entry : entries_)
        entry->RemapIds(mapping);
    if (pending_)
        pending_->RemapIds(mapping);
}

std::vector<int32_t> HistoryList_dm::HeldObjectIds() const
{
    std::vector<int32_t> ids;
    for (const auto& entry : entries_)
        entry->CollectIds(ids);
    if (pending_)
        pending_->CollectIds(ids);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

} // namespace lumora
