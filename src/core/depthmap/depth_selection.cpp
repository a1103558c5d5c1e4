// Selecting, the selection box and its display, and the edits of the
// selection through the object panel, the move handles, dragging and the
// depth slider.
#include "common/lumora_error.h"
#include "depthmap/depth_editor_ui.h"
#include "depthmap/depth_kinds.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"

#include <algorithm>
#include <string>

namespace lumora {

namespace {

// Coordinates are int32 in the model; a drag beyond them saturates.
int32_t Shifted(int32_t v, int32_t by)
{
    return SaturateToInt32(static_cast<int64_t>(v) + by);
}

void CheckPanelExtent(const ObjectPanelValues& panel)
{
    const auto inRange = [](int32_t v) { return v >= 1 && v <= ObjectPanelValues::kMaxExtent; };
    if (!inRange(panel.W) || !inRange(panel.H))
        throw LumoraError("The width and the height must lie between 1 and " +
                          std::to_string(ObjectPanelValues::kMaxExtent) + " pixels.");
}

} // namespace

int32_t DepthObjects::ObjectAt(int32_t x, int32_t y) const
{
    for (int32_t i = Count() - 1; i >= 0; --i) {
        if (At(i)->HitTest(x, y))
            return i;
    }
    return -1;
}

void DepthObjects::SelectByTreeNode(int32_t nodeIndex, bool withGroup)
{
    const int32_t nodeCount = Tree.Count();
    if (nodeIndex >= 0 && nodeIndex < nodeCount - 1)
        SelectObject(nodeCount - nodeIndex - 2, withGroup);
}

void DepthObjects::SelectInRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (IsEmpty())
        return;
    DeselectAll();
    const int32_t left = std::min(x1, x2);
    const int32_t top = std::min(y1, y2);
    const int32_t right = std::max(x1, x2);
    const int32_t bottom = std::max(y1, y2);
    for (int32_t i = Count() - 1; i >= 0; --i) {
        const Tool_dm* object = At(i);
        // A group's box (0, 0, -1, -1) would lie inside every band drawn
        // from the origin; groups are caught through their members only.
        if (object->Width < 0 || object->Height < 0)
            continue;
        const Box b = object->Bounds();
        if (object->Visible && b.Left >= left && b.Top >= top && b.Right <= right &&
            b.Bottom <= bottom)
            SelectObject(i, true);
    }
}

int32_t DepthObjects::FirstSelected(bool fromBottom) const
{
    if (fromBottom)
        return FirstSelected();
    for (int32_t i = Count() - 1; i >= 0; --i) {
        if (At(i)->Selected)
            return i;
    }
    return -1;
}

void DepthObjects::StartNewSelection()
{
    SelectionMirroredH = false;
    SelectionMirroredV = false;
    checkBoxResetPending_ = true;
}

void DepthObjects::RecountSelection()
{
    SelectedCount = static_cast<int32_t>(std::count_if(
        items_.begin(), items_.end(), [](const auto& object) { return object->Selected; }));
}

Box DepthObjects::SelectedBounds() const
{
    Box box;
    bool first = true;
    for (const auto& object : items_) {
        if (!object->Selected || object->Width < 0 || object->Height < 0)
            continue;
        box = first ? object->Bounds() : UnionBoxes(box, object->Bounds());
        first = false;
    }
    return box;
}

Box DepthObjects::BoundsOfIds(const std::vector<int32_t>& ids) const
{
    Box box;
    bool first = true;
    for (int32_t id : ids) {
        const Tool_dm* object = FindObject(id);
        if (!object || object->Width < 0 || object->Height < 0)
            continue;
        box = first ? object->Bounds() : UnionBoxes(box, object->Bounds());
        first = false;
    }
    return box;
}

std::vector<int32_t> DepthObjects::SelectedIds() const
{
    std::vector<int32_t> ids;
    for (const auto& object : items_) {
        if (object->Selected)
            ids.push_back(object->Id);
    }
    return ids;
}

void DepthObjects::UpdateSelectionDisplay()
{
    SelectionDisplay display;
    display.SelectedCount = SelectedCount;
    display.Bounds = SelectionBox;
    const Tool_dm* single = SelectedCount == 1 ? At(FirstSelected()) : nullptr;
    if (SelectedCount <= 0 || FirstSelected() < 0) {
        display.Panel = SelectionDisplay::PanelKind::Background;
    } else if (single) {
        display.Panel = SelectionDisplay::PanelKind::Object;
        display.Title = single->Name;
        display.ShowInvert = single->CanInvert;
        display.ShowMirrorH = single->CanMirrorH;
        display.ShowMirrorV = single->CanMirrorV;
        display.SetCheckBoxes = true;
        display.Invert = single->Invert;
        display.MirrorH = single->MirrorH;
        display.MirrorV = single->MirrorV;
        display.Visible = single->Visible;
        display.ShowDepth = single->HasDepth;
        display.Depth = single->Depth;
    } else {
        display.Panel = SelectionDisplay::PanelKind::Object;
        display.TitleKey = QStringLiteral("Select_1");
        // A new selection of several starts from neutral check boxes;
        // afterwards the boxes keep what the user set.
        display.SetCheckBoxes = checkBoxResetPending_;
        checkBoxResetPending_ = false;
    }
    Display = display;
}

bool DepthObjects::ParentSelected(int32_t index) const
{
    const Tool_dm* object = At(index);
    if (!object || object->ParentId == -1)
        return false;
    const Tool_dm* parent = FindObject(object->ParentId);
    return parent && parent->Selected;
}

int32_t DepthObjects::TopSelectedAncestor(int32_t index) const
{
    if (!IsValidIndex(index))
        return -1;
    int32_t top = index;
    // At most one step per object, so a damaged, looping chain ends.
    for (int32_t steps = 0; steps < Count(); ++steps) {
        const int32_t parentId = At(top)->ParentId;
        if (parentId == -1)
            break;
        const int32_t parent = FindObjectIndex(parentId);
        if (parent < 0 || !At(parent)->Selected)
            break;
        top = parent;
    }
    return top;
}

bool DepthObjects::CommonParent(int32_t& parentId) const
{
    bool found = false;
    for (int32_t i = 0; i < Count(); ++i) {
        if (!At(i)->Selected)
            continue;
        const int32_t top = ParentSelected(i) ? TopSelectedAncestor(i) : i;
        const int32_t parent = At(top)->ParentId;
        if (!found) {
            parentId = parent;
            found = true;
        } else if (parent != parentId) {
            return false;
        }
    }
    return found;
}

bool DepthObjects::AnyGroupedSelected() const
{
    return std::any_of(items_.begin(), items_.end(), [](const auto& object) {
        return object->Selected && object->ParentId != -1;
    });
}

bool DepthObjects::SingleGroupSelected() const
{
    int32_t tops = 0;
    const Tool_dm* top = nullptr;
    for (int32_t i = 0; i < Count(); ++i) {
        if (At(i)->Selected && !ParentSelected(i)) {
            ++tops;
            top = At(i);
        }
    }
    return tops == 1 && top->Kind == GroupKind;
}

void DepthObjects::TransformSelection(int32_t index, bool applyFlags, bool invert, bool visible,
                                      bool mirrorV, bool mirrorH)
{
    const Tool_dm* object = At(index);
    if (!object)
        return;
    const Box& from = PreviousSelectionBox;
    const Box& to = SelectionBox;
    const IntRect relative{Shifted(object->Left, -from.Left), Shifted(object->Top, -from.Top),
                           object->Width, object->Height};
    const IntRect scaled = ScaleRect(relative, from.Right - from.Left, from.Bottom - from.Top,
                                     to.Right - to.Left, to.Bottom - to.Top);
    int32_t left = Shifted(to.Left, scaled.Left);
    int32_t top = Shifted(to.Top, scaled.Top);
    if (!applyFlags) {
        EditObject(left, top, scaled.Width, scaled.Height, object->Invert, object->MirrorH,
                   object->MirrorV, object->Visible, false, index);
        return;
    }
    // A mirror that changes against the selection's own mirrors the object's
    // place inside the box and turns the object itself over.
    bool ownMirrorH = mirrorH;
    if (mirrorH != SelectionMirroredH) {
        left = SaturateToInt32(static_cast<int64_t>(to.Right) + to.Left - left - scaled.Width);
        ownMirrorH = !object->MirrorH;
    }
    bool ownMirrorV = mirrorV;
    if (mirrorV != SelectionMirroredV) {
        top = SaturateToInt32(static_cast<int64_t>(to.Bottom) + to.Top - top - scaled.Height);
        ownMirrorV = !object->MirrorV;
    }
    EditObject(left, top, scaled.Width, scaled.Height, invert, ownMirrorH, ownMirrorV, visible,
               false, index);
}

void DepthObjects::TransformSelectedObjects(const ObjectPanelValues& panel, bool applyFlags)
{
    CheckPanelExtent(panel);
    // The reference for several objects is where they stand now.
    const Box shownBox = PreviousSelectionBox;
    PreviousSelectionBox = SelectedBounds();
    if (SelectedCount == 1) {
        try {
            EditObject(panel.X, panel.Y, panel.W, panel.H, panel.Invert, panel.MirrorH,
                       panel.MirrorV, panel.Visible, false, FirstSelected());
        } catch (...) {
            PreviousSelectionBox = shownBox;
            throw;
        }
        return;
    }
    // Each object is put back by EditObject should its own edit fail; the
    // ones edited before it go back to the copies kept here.
    std::vector<std::pair<int32_t, std::unique_ptr<Tool_dm>>> originals;
    const Box shownSelection = SelectionBox;
    SelectionBox = BoxOf(panel.X, panel.Y, panel.W, panel.H);
    try {
        for (int32_t i = 0; i < Count(); ++i) {
            if (!At(i)->Selected)
                continue;
            std::unique_ptr<Tool_dm> original = At(i)->Clone(At(i)->Id);
            if (applyFlags)
                TransformSelection(i, true, panel.Invert, panel.Visible, panel.MirrorV,
                                   panel.MirrorH);
            else
                TransformSelection(i, false, false, true, false, false);
            originals.emplace_back(i, std::move(original));
        }
    } catch (...) {
        for (auto& [index, original] : originals)
            SwapObject(index, original);
        SelectionBox = shownSelection;
        PreviousSelectionBox = shownBox;
        throw;
    }
}

bool DepthObjects::ApplyAttributes(const ObjectPanelValues& panel)
{
    if (IsEmpty() || FirstSelected() < 0)
        return false;
    TransformSelectedObjects(panel, true);
    SelectionMirroredH = panel.MirrorH;
    SelectionMirroredV = panel.MirrorV;
    FinishSelectionEdit();
    return true;
}

bool DepthObjects::ResizeSelection(const ObjectPanelValues& panel)
{
    if (IsEmpty() || FirstSelected() < 0)
        return false;
    TransformSelectedObjects(panel, false);
    FinishSelectionEdit();
    return true;
}

bool DepthObjects::MoveSelection(int32_t dx, int32_t dy)
{
    if (IsEmpty() || FirstSelected() < 0 || (dx == 0 && dy == 0))
        return false;
    PreviousSelectionBox = SelectedBounds();
    for (const auto& object : items_) {
        if (object->Selected)
            object->SetPosition(Shifted(object->Left, dx), Shifted(object->Top, dy));
    }
    SelectionBox = SelectedBounds();
    FinishSelectionEdit();
    return true;
}

bool DepthObjects::SetDepth(uint8_t value)
{
    if (SelectedCount != 1)
        return false;
    Tool_dm* object = At(FirstSelected());
    if (!object || !object->HasDepth || object->Depth == value)
        return false;
    PreviousSelectionBox = SelectedBounds();
    object->Depth = value;
    FinishSelectionEdit();
    return true;
}

void DepthObjects::FinishSelectionEdit()
{
    // The old place is painted over in full, the new one on top of it.
    const Box oldBox = PreviousSelectionBox;
    if (ui_)
        ui_->RepaintVorlage(oldBox, false);
    ShowSelection();
    if (ui_)
        ui_->RepaintVorlage(SelectionBox, true);
}

} // namespace lumora
