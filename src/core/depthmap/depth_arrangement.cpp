// The four arrange commands: the selected objects moved to the front or the
// back, or one place forward or backward, among the top-level objects or
// within their group's Members. Members of a selected group are not moved
// themselves; they follow their group when the order is made canonical.
#include "depthmap/depth_editor_ui.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"

namespace lumora {

namespace {

// Member modes of Tool_dm_Group::MoveMember.
constexpr int32_t kMemberToEnd = 1;
constexpr int32_t kMemberToStart = 2;
constexpr int32_t kMemberUp = 3;
constexpr int32_t kMemberDown = 4;

// The next top-level index above (step 1) or below (step -1) index; -1 if
// there is none.
int32_t NextTopLevel(const DepthObjects& objects, int32_t index, int32_t step)
{
    for (int32_t i = index + step; objects.IsValidIndex(i); i += step) {
        if (objects.At(i)->ParentId == -1)
            return i;
    }
    return -1;
}

// The member one entry above (step 1) or below (step -1) id in the group;
// -1 if there is none.
int32_t NeighbourMember(const Tool_dm_Group& group, int32_t id, int32_t step)
{
    const std::vector<int32_t> ids = group.MemberIds();
    for (size_t k = 0; k < ids.size(); ++k) {
        if (ids[k] != id)
            continue;
        const auto neighbour = static_cast<int64_t>(k) + step;
        if (neighbour < 0 || neighbour >= static_cast<int64_t>(ids.size()))
            return -1;
        return ids[static_cast<size_t>(neighbour)];
    }
    return -1;
}

} // namespace

bool DepthObjects::BringToFront()
{
    return Arrange(ArrangeMove::ToFront);
}

bool DepthObjects::SendToBack()
{
    return Arrange(ArrangeMove::ToBack);
}

bool DepthObjects::BringForward()
{
    return Arrange(ArrangeMove::Forward);
}

bool DepthObjects::SendBackward()
{
    return Arrange(ArrangeMove::Backward);
}

bool DepthObjects::Arrange(ArrangeMove move)
{
    if (IsEmpty() || FirstSelected() < 0)
        return false;
    StoreGroupExpansion();

    // The objects to move, in scan order, taken before anything moves so
    // that a moved object is never met twice.
    const bool upward = move == ArrangeMove::ToFront || move == ArrangeMove::Backward;
    std::vector<int32_t> handled;
    for (int32_t k = 0; k < Count(); ++k) {
        const int32_t i = upward ? k : Count() - 1 - k;
        if (At(i)->Selected && !ParentSelected(i))
            handled.push_back(At(i)->Id);
    }

    for (int32_t id : handled) {
        const int32_t index = FindObjectIndex(id);
        Tool_dm* object = At(index);
        if (!object)
            continue;
        if (object->ParentId == -1) {
            switch (move) {
            case ArrangeMove::ToFront:
                MoveObject(index, Count() - 1);
                break;
            case ArrangeMove::ToBack:
                MoveObject(index, 0);
                break;
            case ArrangeMove::Forward:
            case ArrangeMove::Backward: {
                // One place among the top-level objects; a selected
                // neighbour that could not move itself is not passed, so
                // the selection keeps its order.
                const int32_t step = move == ArrangeMove::Forward ? 1 : -1;
                const int32_t target = NextTopLevel(*this, index, step);
                if (target >= 0 && !At(target)->Selected)
                    MoveObject(index, target);
                break;
            }
            }
            continue;
        }
        auto* group = dynamic_cast<Tool_dm_Group*>(FindObject(object->ParentId));
        if (!group)
            continue;
        switch (move) {
        case ArrangeMove::ToFront:
            group->MoveMember(id, kMemberToEnd);
            break;
        case ArrangeMove::ToBack:
            group->MoveMember(id, kMemberToStart);
            break;
        case ArrangeMove::Forward:
        case ArrangeMove::Backward: {
            const int32_t step = move == ArrangeMove::Forward ? 1 : -1;
            const Tool_dm* neighbour = FindObject(NeighbourMember(*group, id, step));
            if (!neighbour || !neighbour->Selected)
                group->MoveMember(id, step == 1 ? kMemberUp : kMemberDown);
            break;
        }
        }
    }
    NormalizeOrder();

    RebuildTree();
    SyncTreeSelection();
    ShowSelection();
    if (ui_)
        ui_->RepaintVorlage(SelectionBox, false);
    return true;
}

} // namespace lumora
