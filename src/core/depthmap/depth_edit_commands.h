#pragma once
// DepthEditCommands: the depth-map editor's commands on the depth objects,
// each one user action and at most one undo step. The step is recorded
// here, where the command starts, around the model operation of
// DepthObjects, which records nothing itself. A command that fails (it
// throws) has left the objects as they were and records nothing; one that
// changes nothing records nothing either. After a change the editor is told
// that the project is modified, once the step is in the history.

#include "depthmap/depth_objects.h"

#include <QString>
#include <cstdint>

namespace lumora {

class DepthEditCommands
{
public:
    explicit DepthEditCommands(DepthObjects& objects) : objects_(objects) {}

    DepthObjects& Objects() const { return objects_; }

    // A drag from (x1, y1) to (x2, y2) with the creation tool of the kind.
    void AddObject(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t kind);
    // One object's rectangle and flags, through its parameter dialog when
    // showDialog is set; a cancelled dialog records nothing.
    void EditObject(int32_t x, int32_t y, int32_t w, int32_t h, bool invert, bool mirrorH,
                    bool mirrorV, bool visible, bool showDialog, int32_t index);
    // One object's rectangle from the old to the new composer size.
    void ScaleObject(int32_t oldW, int32_t oldH, int32_t newW, int32_t newH, int32_t index);

    // The object panel, the move handles, dragging and the depth slider.
    void ApplyAttributes(const ObjectPanelValues& panel);
    void ResizeSelection(const ObjectPanelValues& panel);
    void MoveSelection(int32_t dx, int32_t dy);
    void SetDepth(uint8_t value);

    // "Nach vorn", "Nach hinten", "Eins nach vorn", "Eins nach hinten".
    void BringToFront();
    void SendToBack();
    void BringForward();
    void SendBackward();

    // "Gruppieren" and "Gruppierung aufheben".
    void GroupSelection();
    void UngroupSelection();
    void RemoveEmptyGroups();

    // "Kopieren": records nothing (the list does not change).
    DepthClipboard CopySelection();
    // "Einfügen".
    void PasteObjects(const DepthClipboard& clipboard);
    // "Löschen".
    void DeleteSelection();
    // "Ausschneiden": copy, then delete.
    DepthClipboard CutSelection();
    // "Duplicate": copy, then paste; the clipboard is left alone.
    void DuplicateSelection();
    // "Umbenennen...": false (nothing changed) for a name of blanks only.
    bool RenameObject(int32_t index, const QString& name);

private:
    DepthObjects& objects_;
};

} // namespace lumora
