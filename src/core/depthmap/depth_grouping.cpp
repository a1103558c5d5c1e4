// Grouping the selection into a new group, dissolving selected groups one
// level, and removing groups left without members.
#include "depthmap/depth_editor_ui.h"
#include "depthmap/depth_kinds.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"

#include <algorithm>

namespace lumora {

namespace {

Tool_dm_Group* GroupWithId(DepthObjects& objects, int32_t id)
{
    return dynamic_cast<Tool_dm_Group*>(objects.FindObject(id));
}

bool Contains(const std::vector<int32_t>& ids, int32_t id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Where the new group enters the shared parent's Members: the place of the
// top-most grouped object among the members that stay, i.e. the number of
// remaining members that stood below it. The group so keeps the top-most
// object's position against everything that is not grouped.
int32_t PlaceAmongRemainingMembers(const Tool_dm_Group& parent,
                                   const std::vector<int32_t>& groupedIds, int32_t topMostId)
{
    int32_t below = 0;
    for (int32_t memberId : parent.MemberIds()) {
        if (memberId == topMostId)
            break;
        if (!Contains(groupedIds, memberId))
            ++below;
    }
    return below;
}

} // namespace

bool DepthObjects::GroupSelection()
{
    if (IsEmpty() || SelectedCount < 2)
        return false;
    StoreGroupExpansion();

    auto group = std::make_unique<Tool_dm_Group>(NewObjectId());
    group->Name = DefaultName(GroupKind);
    const int32_t groupId = group->Id;
    int32_t sharedParent = -1;
    const bool shared = CommonParent(sharedParent);

    // The objects that go into the group, top-most first: each selected
    // object, or its top selected ancestor where its parent is selected.
    std::vector<int32_t> grouped;
    int32_t insertionIndex = -1;
    for (int32_t i = Count() - 1; i >= 0; --i) {
        if (!At(i)->Selected)
            continue;
        const int32_t top = ParentSelected(i) ? TopSelectedAncestor(i) : i;
        const int32_t id = At(top)->Id;
        if (Contains(grouped, id))
            continue;
        if (grouped.empty())
            insertionIndex = top + 1;
        grouped.push_back(id);
    }
    Tool_dm_Group* parentGroup = shared ? GroupWithId(*this, sharedParent) : nullptr;
    const int32_t memberPlace =
        parentGroup ? PlaceAmongRemainingMembers(*parentGroup, grouped, grouped.front()) : 0;

    for (int32_t id : grouped) {
        // Entry 0 each time, so Members ends in bottom-to-top order.
        group->AddMember(id);
        Tool_dm* object = FindObject(id);
        if (Tool_dm_Group* oldParent = GroupWithId(*this, object->ParentId))
            oldParent->RemoveMember(id);
        object->ParentId = groupId;
    }

    if (!shared) {
        // Objects from different groups: the new group stands at top level,
        // on top of everything.
        group->ParentId = -1;
        Append(std::move(group));
    } else {
        group->ParentId = sharedParent;
        Insert(insertionIndex, std::move(group));
        if (parentGroup)
            parentGroup->InsertMember(memberPlace, groupId);
    }
    NormalizeOrder();
    RemoveEmptyGroups();
    SelectObject(FindObjectIndex(groupId), false);

    RebuildTree();
    SyncTreeSelection();
    ShowSelection();
    if (ui_)
        ui_->RepaintVorlage(SelectionBox, false);
    return true;
}

bool DepthObjects::UngroupSelection()
{
    if (IsEmpty() || FirstSelected() < 0)
        return false;
    StoreGroupExpansion();
    const Box before = SelectedBounds();

    // The scan goes from the top down, so a group is met before its
    // members; it is taken by id because objects move on the way.
    std::vector<int32_t> scan;
    for (int32_t i = Count() - 1; i >= 0; --i)
        scan.push_back(At(i)->Id);
    int32_t dissolvedId = -1;
    int32_t dissolvedParentId = -1;
    int32_t movedToTop = 0;
    for (int32_t id : scan) {
        const int32_t index = FindObjectIndex(id);
        Tool_dm* object = At(index);
        if (!object || !object->Selected)
            continue;
        if (ParentSelected(index)) {
            // A member of the group just dissolved joins that group's parent.
            if (object->ParentId == dissolvedId)
                object->ParentId = dissolvedParentId;
            continue;
        }
        if (auto* group = dynamic_cast<Tool_dm_Group*>(object)) {
            dissolvedId = group->Id;
            dissolvedParentId = group->ParentId;
            if (Tool_dm_Group* parent = GroupWithId(*this, group->ParentId)) {
                // The members take the group's place in the parent.
                const int32_t place = parent->MemberPosition(group->Id);
                int32_t offset = 0;
                for (int32_t memberId : group->MemberIds())
                    parent->InsertMember(place + offset++, memberId);
            }
            group->Members.clear();
            continue;
        }
        if (Tool_dm_Group* parent = GroupWithId(*this, object->ParentId)) {
            // A single member taken out of its group goes to the top.
            parent->RemoveMember(object->Id);
            object->ParentId = -1;
            MoveObject(index, Count() - 1 - movedToTop);
            ++movedToTop;
        }
    }
    NormalizeOrder();
    RemoveEmptyGroups();

    RebuildTree();
    SyncTreeSelection();
    ShowSelection();
    if (ui_)
        ui_->RepaintVorlage(before, false);
    return true;
}

void DepthObjects::RemoveEmptyGroups()
{
    DeselectAll();
    // Removing an empty group from its parent can leave the parent empty in
    // turn; the search repeats until no group is empty.
    std::vector<bool> marked(items_.size(), false);
    bool changed = true;
    while (changed) {
        changed = false;
        for (size_t i = 0; i < items_.size(); ++i) {
            auto* group = dynamic_cast<Tool_dm_Group*>(items_[i].get());
            if (marked[i] || !group || !group->Members.isEmpty())
                continue;
            marked[i] = true;
            changed = true;
            if (Tool_dm_Group* parent = GroupWithId(*this, group->ParentId))
                parent->RemoveMember(group->Id);
        }
    }
    for (int32_t i = Count() - 1; i >= 0; --i) {
        if (marked[static_cast<size_t>(i)])
            Take(i);
    }
}

} // namespace lumora
