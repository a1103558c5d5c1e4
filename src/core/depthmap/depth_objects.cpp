#include "depthmap/depth_objects.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "depthmap/depth_editor_ui.h"
#include "depthmap/depth_history_recorder.h"
#include "depthmap/depth_kinds.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_line.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace lumora {

namespace {

const Tool_dm_Group* AsGroup(const Tool_dm* object)
{
    return dynamic_cast<const Tool_dm_Group*>(object);
}

Tool_dm_Group* AsGroup(Tool_dm* object)
{
    return dynamic_cast<Tool_dm_Group*>(object);
}

// The ids below a group in post order (members before their group, in
// Members order), the group itself left out. Each group is expanded once,
// so a looping hierarchy ends; the walk keeps its own stack, so a deep one
// cannot exhaust the call stack.
std::vector<int32_t> SubtreeInPostOrder(const DepthObjects& objects, int32_t groupId,
                                        std::unordered_set<int32_t>& expanded)
{
    struct Frame
    {
        int32_t id;
        std::vector<int32_t> members;
        size_t next = 0;
    };
    std::vector<int32_t> out;
    const Tool_dm_Group* root = AsGroup(objects.FindObject(groupId));
    if (!root || !expanded.insert(groupId).second)
        return out;
    std::vector<Frame> stack;
    stack.push_back(Frame{groupId, root->MemberIds()});
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next == top.members.size()) {
            const int32_t finished = top.id;
            stack.pop_back();
            if (!stack.empty())
                out.push_back(finished);
            continue;
        }
        const int32_t memberId = top.members[top.next++];
        const Tool_dm_Group* memberGroup = AsGroup(objects.FindObject(memberId));
        if (memberGroup && expanded.insert(memberId).second)
            stack.push_back(Frame{memberId, memberGroup->MemberIds()});
        else
            out.push_back(memberId);
    }
    return out;
}

} // namespace

DepthObjects::DepthObjects()
{
    RegisterDepthmapKinds(Kinds);
}

Tool_dm* DepthObjects::At(int32_t index)
{
    return IsValidIndex(index) ? items_[static_cast<size_t>(index)].get() : nullptr;
}

const Tool_dm* DepthObjects::At(int32_t index) const
{
    return IsValidIndex(index) ? items_[static_cast<size_t>(index)].get() : nullptr;
}

Tool_dm* DepthObjects::FindObject(int32_t id)
{
    return At(FindObjectIndex(id));
}

const Tool_dm* DepthObjects::FindObject(int32_t id) const
{
    return At(FindObjectIndex(id));
}

void DepthObjects::Append(std::unique_ptr<Tool_dm> object)
{
    if (object)
        items_.push_back(std::move(object));
}

void DepthObjects::Insert(int32_t index, std::unique_ptr<Tool_dm> object)
{
    if (!object)
        return;
    const int32_t at = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + at, std::move(object));
}

std::unique_ptr<Tool_dm> DepthObjects::Take(int32_t index)
{
    if (!IsValidIndex(index))
        return nullptr;
    auto object = std::move(items_[static_cast<size_t>(index)]);
    items_.erase(items_.begin() + index);
    return object;
}

std::vector<std::unique_ptr<Tool_dm>> DepthObjects::TakeAll()
{
    std::vector<std::unique_ptr<Tool_dm>> taken = std::move(items_);
    items_.clear();
    return taken;
}

void DepthObjects::Clear()
{
    while (!items_.empty())
        items_.pop_back();
}

QString DepthObjects::DefaultName(int32_t kind) const
{
    return ui_ ? ui_->DefaultObjectName(kind) : DefaultNameKey(kind);
}

void DepthObjects::NotifyModified()
{
    if (ui_) {
        ui_->ProjectModified();
        ui_->RefreshCommands();
    }
}

bool DepthObjects::AddObject(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t kind)
{
    // A degenerate drag creates nothing; a line needs only one extent.
    const bool flat = x1 == x2 || y1 == y2;
    if (flat && (kind != Tool_dm_line::KindCode || (x1 == x2 && y1 == y2)))
        return false;
    StoreGroupExpansion();
    const uint8_t dirX = Tool_dm_line::DragDirection(x1, x2);
    const uint8_t dirY = Tool_dm_line::DragDirection(y1, y2);
    const IntRect rect{std::min(x1, x2), std::min(y1, y2),
                       SaturateToInt32(std::llabs(static_cast<int64_t>(x2) - x1)),
                       SaturateToInt32(std::llabs(static_cast<int64_t>(y2) - y1))};

    bool created = false;
    const bool dragKind = (kind >= 1 && kind <= 4) || (kind >= 6 && kind <= 11);
    if (dragKind && Kinds.CreatesFromDrag(kind)) {
        auto object = Kinds.CreateFromDrag(kind, LastObjectId + 1, rect, dirX, dirY);
        if (object) {
            NewObjectId();
            object->Name = DefaultName(kind);
            Append(std::move(object));
            created = true;
        }
    } else if (CreatedViaDialog(kind) && ui_) {
        created = ui_->CreateViaForm(kind, rect, *this);
    }

    DeselectAll();
    if (!created)
        return false;
    RebuildTree();
    SelectObject(Count() - 1, false);
    ShowSelection();
    const Tool_dm* added = At(Count() - 1);
    if (ui_ && added)
        ui_->RepaintVorlage(added->Bounds(), true);
    return true;
}

namespace {

// The geometry and flags of one edit; a size whose picture cannot be built
// throws, possibly with part of the object already changed.
void ApplyGeometry(Tool_dm& object, const IntRect& r, bool invert, bool mirrorH, bool mirrorV,
                   bool visible)
{
    if (auto* line = dynamic_cast<Tool_dm_line*>(&object)) {
        // The pen keeps room in a line's rectangle once its thickness grew.
        line->Height = line->Thickness > line->Height ? line->Thickness : r.Height;
        line->Width = line->Thickness > line->Width ? line->Thickness : r.Width;
        object.SetPosition(r.Left, r.Top);
    } else {
        object.SetPosition(r.Left, r.Top);
        object.SetSize(r.Width, r.Height, false);
    }
    object.SetFlags(invert, mirrorH, mirrorV, true);
    object.Visible = visible;
}

} // namespace

bool DepthObjects::EditObject(int32_t x, int32_t y, int32_t w, int32_t h, bool invert, bool mirrorH,
                              bool mirrorV, bool visible, bool showDialog, int32_t index)
{
    Tool_dm* object = At(index);
    if (!object)
        return false;
    // Put back whole should the edit fail half-way.
    std::unique_ptr<Tool_dm> original = object->Clone(object->Id);
    try {
        if (showDialog && HasParameterDialog(object->Kind) && ui_ &&
            !ui_->EditViaForm(*object, *this))
            return false;
        ApplyGeometry(*object, IntRect{x, y, w, h}, invert, mirrorH, mirrorV, visible);
    } catch (...) {
        SwapObject(index, original);
        throw;
    }
    if (showDialog) {
        ShowSelection();
        if (ui_)
            ui_->RepaintVorlage(BoxOf(x, y, w, h), false);
    }
    return true;
}

std::unique_ptr<Tool_dm> DepthObjects::ScaledCopy(int32_t oldW, int32_t oldH, int32_t newW,
                                                  int32_t newH, int32_t index) const
{
    const Tool_dm* object = At(index);
    if (!object)
        return nullptr;
    std::unique_ptr<Tool_dm> copy = object->Clone(object->Id);
    const IntRect r = ScaleRect(IntRect{object->Left, object->Top, object->Width, object->Height},
                                oldW, oldH, newW, newH);
    ApplyGeometry(*copy, r, object->Invert, object->MirrorH, object->MirrorV, object->Visible);
    return copy;
}

void DepthObjects::ScaleObject(int32_t oldW, int32_t oldH, int32_t newW, int32_t newH,
                               int32_t index)
{
    const Tool_dm* object = At(index);
    if (!object)
        return;
    const IntRect r = ScaleRect(IntRect{object->Left, object->Top, object->Width, object->Height},
                                oldW, oldH, newW, newH);
    EditObject(r.Left, r.Top, r.Width, r.Height, object->Invert, object->MirrorH, object->MirrorV,
               object->Visible, false, index);
}

std::vector<std::unique_ptr<Tool_dm>> DepthObjects::CloneAll() const
{
    std::vector<std::unique_ptr<Tool_dm>> copies;
    copies.reserve(items_.size());
    for (const auto& object : items_)
        copies.push_back(object->Clone(object->Id));
    return copies;
}

void DepthObjects::SwapObjects(std::vector<std::unique_ptr<Tool_dm>>& objects) noexcept
{
    items_.swap(objects);
}

void DepthObjects::SwapObject(int32_t index, std::unique_ptr<Tool_dm>& object) noexcept
{
    if (IsValidIndex(index) && object)
        items_[static_cast<size_t>(index)].swap(object);
}

void DepthObjects::NormalizeOrder()
{
    std::vector<int32_t> working;
    for (const auto& object : items_) {
        if (object->ParentId == -1)
            working.push_back(object->Id);
    }
    std::unordered_set<int32_t> expanded;
    for (size_t p = working.size(); p-- > 0;) {
        const std::vector<int32_t> below = SubtreeInPostOrder(*this, working[p], expanded);
        working.insert(working.begin() + static_cast<std::ptrdiff_t>(p), below.begin(),
                       below.end());
    }
    // Moving each working entry to index 0, from the last to the first,
    // leaves them in working order in front of everything else. An id met
    // again moves the same object (the first of the list with that id);
    // objects outside the hierarchy keep their order behind.
    std::unordered_map<int32_t, size_t> firstIndexOfId;
    for (size_t i = 0; i < items_.size(); ++i)
        firstIndexOfId.try_emplace(items_[i]->Id, i);
    std::vector<bool> placed(items_.size(), false);
    std::vector<std::unique_ptr<Tool_dm>> ordered;
    ordered.reserve(items_.size());
    for (int32_t id : working) {
        const auto it = firstIndexOfId.find(id);
        if (it == firstIndexOfId.end() || placed[it->second])
            continue;
        placed[it->second] = true;
        ordered.push_back(std::move(items_[it->second]));
    }
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!placed[i])
            ordered.push_back(std::move(items_[i]));
    }
    items_ = std::move(ordered);
}

void DepthObjects::RenumberObjects()
{
    std::vector<int32_t> oldIds;
    std::vector<int32_t> newIds;
    std::unordered_map<int32_t, int32_t> newIdOf;
    for (size_t i = 0; i < items_.size(); ++i) {
        const auto newId = static_cast<int32_t>(i + 1);
        oldIds.push_back(items_[i]->Id);
        newIds.push_back(newId);
        newIdOf.try_emplace(items_[i]->Id, newId);
        items_[i]->Id = newId;
    }
    // Objects that live only in the undo history (deleted, or created by an
    // undone step) are numbered after the list, so that restoring one can
    // never give two objects the same id.
    int32_t nextId = Count();
    if (history_) {
        for (int32_t heldId : history_->HeldObjectIds()) {
            if (newIdOf.try_emplace(heldId, nextId + 1).second) {
                oldIds.push_back(heldId);
                newIds.push_back(++nextId);
            }
        }
    }
    for (const auto& object : items_) {
        // A reference to an id no object has would otherwise come to name
        // whichever object now carries that number.
        if (object->ParentId != -1) {
            const auto it = newIdOf.find(object->ParentId);
            object->ParentId = it == newIdOf.end() ? -1 : it->second;
        }
        if (auto* group = AsGroup(object.get())) {
            QStringList members;
            for (int32_t memberId : group->MemberIds()) {
                const auto it = newIdOf.find(memberId);
                if (it != newIdOf.end())
                    members.append(QString::number(it->second));
            }
            group->Members = members;
        }
    }
    if (history_)
        history_->RemapIds(oldIds, newIds);
    LastObjectId = nextId;
}

bool DepthObjects::MoveObject(int32_t from, int32_t to)
{
    if (!IsValidIndex(from) || !IsValidIndex(to))
        return false;
    auto object = Take(from);
    Insert(to, std::move(object));
    return true;
}

int32_t DepthObjects::FindObjectIndex(int32_t id) const
{
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i]->Id == id)
            return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t DepthObjects::MaxObjectId() const
{
    int32_t maxId = 0;
    for (const auto& object : items_)
        maxId = std::max(maxId, object->Id);
    return maxId;
}

int32_t DepthObjects::RootAncestor(int32_t index) const
{
    if (!IsValidIndex(index))
        return -1;
    int32_t current = index;
    // At most one step per object: a looping chain ends too.
    for (int32_t steps = 0; steps < Count(); ++steps) {
        const int32_t parentId = At(current)->ParentId;
        if (parentId == -1)
            break;
        const int32_t parent = FindObjectIndex(parentId);
        if (parent < 0)
            break;
        current = parent;
    }
    return current;
}

void DepthObjects::RebuildTree()
{
    Tree.Clear();
    Tree.InsertBefore(ObjectTree::NoNode, DefaultName(BackgroundKind), BackgroundKind, -1);
    for (const auto& object : items_) {
        if (object->ParentId == -1)
            object->AddToTree(Tree, Tree.FirstTopLevel(), *this);
    }
    for (ObjectTree::NodeId node : Tree.PreOrder()) {
        const Tool_dm_Group* group = AsGroup(FindObject(Tree.At(node).ObjectId));
        if (group && Tree.At(node).ObjectId != -1)
            Tree.SetExpanded(node, group->Expanded);
    }
    if (ui_)
        ui_->TreeRebuilt();
}

void DepthObjects::StoreGroupExpansion()
{
    for (ObjectTree::NodeId node : Tree.PreOrder()) {
        const int32_t id = Tree.At(node).ObjectId;
        if (id == -1)
            continue;
        if (Tool_dm_Group* group = AsGroup(FindObject(id)))
            group->Expanded = Tree.At(node).Expanded;
    }
}

int32_t DepthObjects::ObjectIndexOfNode(int32_t nodeIndex) const
{
    const ObjectTree::NodeId node = Tree.NodeAtAbsoluteIndex(nodeIndex);
    if (node == ObjectTree::NoNode || Tree.At(node).ObjectId == -1)
        return -1;
    return FindObjectIndex(Tree.At(node).ObjectId);
}

int32_t DepthObjects::NodeIndexOfObject(int32_t index) const
{
    const Tool_dm* object = At(index);
    if (!object)
        return -1;
    const auto order = Tree.PreOrder();
    for (size_t n = 0; n < order.size(); ++n) {
        if (Tree.At(order[n]).ObjectId == object->Id)
            return static_cast<int32_t>(n);
    }
    return -1;
}

void DepthObjects::SyncTreeSelection()
{
    Tree.ClearSelection();
    if (FirstSelected() < 0) {
        if (!Tree.TopLevel().empty())
            Tree.AddToSelection(Tree.TopLevel().back()); // the background node
        return;
    }
    for (int32_t i = 0; i < Count(); ++i) {
        const int32_t nodeIndex = NodeIndexOfObject(i);
        if (nodeIndex >= 0)
            At(i)->SelectInTree(Tree, nodeIndex, *this);
    }
}

void DepthObjects::SelectAll()
{
    StartNewSelection();
    for (int32_t i = 0; i < Count(); ++i)
        SelectedCount = At(i)->Select(SelectedCount, *this);
}

void DepthObjects::DeselectAll()
{
    StartNewSelection();
    for (int32_t i = 0; i < Count(); ++i)
        SelectedCount = At(i)->Deselect(SelectedCount, *this);
}

void DepthObjects::SelectObject(int32_t index, bool withGroup)
{
    Tool_dm* object = At(index);
    if (!object)
        return;
    StartNewSelection();
    SelectedCount = object->Select(SelectedCount, *this);
    if (withGroup && object->ParentId != -1)
        SelectedCount = At(RootAncestor(index))->Select(SelectedCount, *this);
}

int32_t DepthObjects::FirstSelected() const
{
    for (int32_t i = 0; i < Count(); ++i) {
        if (At(i)->Selected)
            return i;
    }
    return -1;
}

void DepthObjects::ShowSelection()
{
    bool first = true;
    for (const auto& object : items_) {
        if (!object->Selected || object->Width < 0 || object->Height < 0)
            continue;
        const Box b = object->Bounds();
        SelectionBox = first ? b : UnionBoxes(SelectionBox, b);
        first = false;
    }
    PreviousSelectionBox = SelectionBox;
    UpdateSelectionDisplay();
    if (ui_)
        ui_->SelectionShown();
}

void DepthObjects::Reset()
{
    Clear();
    LastObjectId = 0;
    SelectedCount = 0;
    SelectionBox = Box{};
    PreviousSelectionBox = Box{};
    SelectionMirroredH = false;
    SelectionMirroredV = false;
    checkBoxResetPending_ = false;
    Display = SelectionDisplay{};
    if (history_)
        history_->Restart();
    RebuildTree();
}

void DepthObjects::CheckHierarchy() const
{
    // Looked up by id once, so a file of many objects is checked in linear
    // time.
    std::unordered_map<int32_t, const Tool_dm*> byId;
    byId.reserve(items_.size());
    for (const auto& object : items_)
        byId.emplace(object->Id, object.get());
    auto find = [&byId](int32_t id) -> const Tool_dm* {
        const auto found = byId.find(id);
        return found == byId.end() ? nullptr : found->second;
    };
    // Upward: every ParentId chain ends within the nesting limit.
    for (const auto& object : items_) {
        int32_t depth = 0;
        for (const Tool_dm* at = object.get(); at && at->ParentId != -1; at = find(at->ParentId)) {
            if (++depth > MaxGroupNesting)
                throw LumoraError("The data is damaged: the groups of object " +
                                  std::to_string(object->Id) + " loop or nest too deeply.");
        }
    }
    // Downward: no group reaches itself through Members, and no chain of
    // members is deeper than the limit.
    enum class Mark
    {
        Unseen,
        Open,
        Done
    };
    std::unordered_map<int32_t, Mark> marks;
    for (const auto& object : items_) {
        const Tool_dm_Group* start = AsGroup(object.get());
        if (!start || marks[start->Id] == Mark::Done)
            continue;
        struct Frame
        {
            int32_t id;
            std::vector<int32_t> members;
            size_t next = 0;
        };
        std::vector<Frame> stack{Frame{start->Id, start->MemberIds()}};
        marks[start->Id] = Mark::Open;
        while (!stack.empty()) {
            if (static_cast<int32_t>(stack.size()) > MaxGroupNesting + 1)
                throw LumoraError("The data is damaged: groups nest too deeply.");
            Frame& top = stack.back();
            if (top.next == top.members.size()) {
                marks[top.id] = Mark::Done;
                stack.pop_back();
                continue;
            }
            const int32_t memberId = top.members[top.next++];
            const Tool_dm_Group* member = AsGroup(find(memberId));
            if (!member)
                continue;
            const Mark mark = marks[memberId];
            if (mark == Mark::Open)
                throw LumoraError("The data is damaged: group " + std::to_string(memberId) +
                                  " contains itself.");
            if (mark == Mark::Unseen) {
                marks[memberId] = Mark::Open;
                stack.push_back(Frame{memberId, member->MemberIds()});
            }
        }
    }
}

void DepthObjects::FinishLoading()
{
    CheckHierarchy();
    LastObjectId = MaxObjectId();
    RebuildTree();
}

} // namespace lumora
