#include "depthmap/depth_edit_commands.h"

#include "depthmap/depth_history_bracket.h"
#include "depthmap/depth_history_recorder.h"

#include <utility>

namespace lumora {

namespace {

using Kind = HistoryBracket::Kind;

// The model operation bracketed by an entry of the kind, which is recorded
// only when the operation answers that it changed the list; a throwing
// operation has rolled itself back, and the bracket drops the entry.
template <typename Operation>
void Recorded(DepthObjects& objects, Kind kind, Operation&& operation, int32_t index = -1)
{
    HistoryBracket entry(objects.History(), kind, index);
    if (!std::forward<Operation>(operation)())
        return;
    entry.Commit();
    objects.NotifyModified();
}

} // namespace

void DepthEditCommands::AddObject(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t kind)
{
    if (!objects_.AddObject(x1, y1, x2, y2, kind))
        return;
    if (DepthHistoryRecorder* history = objects_.History())
        history->AddCreate();
    objects_.NotifyModified();
}

void DepthEditCommands::EditObject(int32_t x, int32_t y, int32_t w, int32_t h, bool invert,
                                   bool mirrorH, bool mirrorV, bool visible, bool showDialog,
                                   int32_t index)
{
    if (!objects_.IsValidIndex(index))
        return;
    Recorded(
        objects_, Kind::EditParams,
        [&] {
            return objects_.EditObject(x, y, w, h, invert, mirrorH, mirrorV, visible, showDialog,
                                       index);
        },
        index);
}

void DepthEditCommands::ScaleObject(int32_t oldW, int32_t oldH, int32_t newW, int32_t newH,
                                    int32_t index)
{
    if (!objects_.IsValidIndex(index))
        return;
    Recorded(
        objects_, Kind::EditParams,
        [&] {
            objects_.ScaleObject(oldW, oldH, newW, newH, index);
            return true;
        },
        index);
}

void DepthEditCommands::ApplyAttributes(const ObjectPanelValues& panel)
{
    Recorded(objects_, Kind::Classic, [&] { return objects_.ApplyAttributes(panel); });
}

void DepthEditCommands::ResizeSelection(const ObjectPanelValues& panel)
{
    Recorded(objects_, Kind::Classic, [&] { return objects_.ResizeSelection(panel); });
}

void DepthEditCommands::MoveSelection(int32_t dx, int32_t dy)
{
    Recorded(objects_, Kind::Classic, [&] { return objects_.MoveSelection(dx, dy); });
}

void DepthEditCommands::SetDepth(uint8_t value)
{
    Recorded(objects_, Kind::Classic, [&] { return objects_.SetDepth(value); });
}

void DepthEditCommands::BringToFront()
{
    Recorded(objects_, Kind::Hierarchy, [&] { return objects_.BringToFront(); });
}

void DepthEditCommands::SendToBack()
{
    Recorded(objects_, Kind::Hierarchy, [&] { return objects_.SendToBack(); });
}

void DepthEditCommands::BringForward()
{
    Recorded(objects_, Kind::Hierarchy, [&] { return objects_.BringForward(); });
}

void DepthEditCommands::SendBackward()
{
    Recorded(objects_, Kind::Hierarchy, [&] { return objects_.SendBackward(); });
}

void DepthEditCommands::GroupSelection()
{
    Recorded(objects_, Kind::Group, [&] { return objects_.GroupSelection(); });
}

void DepthEditCommands::UngroupSelection()
{
    Recorded(objects_, Kind::Group, [&] { return objects_.UngroupSelection(); });
}

void DepthEditCommands::RemoveEmptyGroups()
{
    Recorded(objects_, Kind::Group, [&] {
        objects_.RemoveEmptyGroups();
        return true;
    });
}

DepthClipboard DepthEditCommands::CopySelection()
{
    return objects_.CopySelection();
}

void DepthEditCommands::PasteObjects(const DepthClipboard& clipboard)
{
    if (!objects_.PasteObjects(clipboard))
        return;
    if (DepthHistoryRecorder* history = objects_.History())
        history->AddPaste();
    objects_.NotifyModified();
}

void DepthEditCommands::DeleteSelection()
{
    if (objects_.IsEmpty() || objects_.FirstSelected() < 0)
        return;
    // The entry keeps what is about to go.
    if (DepthHistoryRecorder* history = objects_.History())
        history->AddDelete();
    objects_.DeleteSelection();
    objects_.NotifyModified();
}

DepthClipboard DepthEditCommands::CutSelection()
{
    DepthClipboard clipboard = CopySelection();
    DeleteSelection();
    return clipboard;
}

void DepthEditCommands::DuplicateSelection()
{
    PasteObjects(CopySelection());
}

bool DepthEditCommands::RenameObject(int32_t index, const QString& name)
{
    const Tool_dm* object = objects_.At(index);
    if (!object || !DepthObjects::IsValidName(name))
        return false;
    if (object->Name == name)
        return true;
    Recorded(
        objects_, Kind::EditParams, [&] { return objects_.RenameObject(index, name); }, index);
    return true;
}

} // namespace lumora
