#pragma once
// DepthObjects: the one ordered list of every depth object of a project
// (group members and groups included; index 0 is the bottom, drawn first),
// the model state kept beside it, and the model operations of the editor:
// creating from a drag, editing, scaling, the canonical order of the
// group hierarchy, renumbering, the object tree, selection, arranging,
// grouping and the edit commands.
//
// The model operations record no undo step: the editor's commands
// (DepthEditCommands) record one where the user's command starts. An
// operation that fails leaves the list as it was.
//
// The list owns its objects. The editor (DepthEditorUi) and the undo
// history (DepthHistoryRecorder) are told about changes when they are set;
// neither is owned. The history is told of renumbering and of a new
// project only.

#include "depthmap/box.h"
#include "depthmap/depth_kind_registry.h"
#include "depthmap/depth_selection.h"
#include "depthmap/object_tree.h"
#include "depthmap/tool_dm.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace lumora {

class DepthEditorUi;
class DepthHistoryRecorder;

// The depth clipboard: clones of copied objects, in list order.
using DepthClipboard = std::vector<std::unique_ptr<Tool_dm>>;

class DepthObjects
{
public:
    // Groups nest at most this deep in a project that is read.
    static constexpr int32_t MaxGroupNesting = 256;

    DepthObjects();
    DepthObjects(const DepthObjects&) = delete;
    DepthObjects& operator=(const DepthObjects&) = delete;

    void SetUi(DepthEditorUi* ui) { ui_ = ui; }
    DepthEditorUi* Ui() const { return ui_; }
    void SetHistory(DepthHistoryRecorder* history) { history_ = history; }
    DepthHistoryRecorder* History() const { return history_; }

    // Model state.
    int32_t LastObjectId = 0;
    int32_t SelectedCount = 0;
    int32_t VorlageWidth = 600;
    int32_t VorlageHeight = 450;
    uint8_t BackgroundDepth = 0;
    Box SelectionBox;
    Box PreviousSelectionBox;
    bool SelectionMirroredH = false;
    bool SelectionMirroredV = false;
    ObjectTree Tree;
    // Builds objects from kind codes: the depth-map library's kinds are
    // registered; other libraries add theirs.
    DepthKindRegistry Kinds;

    // The list.
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    bool IsValidIndex(int32_t index) const { return index >= 0 && index < Count(); }
    // nullptr for an index outside the list.
    Tool_dm* At(int32_t index);
    const Tool_dm* At(int32_t index) const;
    Tool_dm* FindObject(int32_t id);
    const Tool_dm* FindObject(int32_t id) const;
    void Append(std::unique_ptr<Tool_dm> object);
    // Index clamped into 0 .. Count().
    void Insert(int32_t index, std::unique_ptr<Tool_dm> object);
    // Removes the object at index from the list and hands it over; nullptr
    // for an invalid index. Group memberships are left to the caller.
    std::unique_ptr<Tool_dm> Take(int32_t index);
    // Destroys every object, from the last index down.
    void Clear();
    // Every object handed over in list order (a project read elsewhere
    // moving into this list); the tree and selection are left to the
    // caller's Reset or FinishLoading.
    std::vector<std::unique_ptr<Tool_dm>> TakeAll();
    const std::vector<std::unique_ptr<Tool_dm>>& Items() const { return items_; }

    // The id for a new object: LastObjectId + 1, which becomes LastObjectId.
    int32_t NewObjectId() { return ++LastObjectId; }
    // The default name of a kind: the editor's language text, or the key.
    QString DefaultName(int32_t kind) const;

    // Creation by dragging a rectangle from (x1, y1) to (x2, y2) with the
    // creation tool of the kind (Objekt_Add); answers whether an object was
    // appended (it is then the last one, and selected).
    bool AddObject(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t kind);
    // Geometry and flags of one object, optionally through its parameter
    // dialog (Objekt_Edit); false when the dialog was cancelled. An edit
    // that fails (it throws) puts the object back as it was.
    bool EditObject(int32_t x, int32_t y, int32_t w, int32_t h, bool invert, bool mirrorH,
                    bool mirrorV, bool visible, bool showDialog, int32_t index);
    // Scales one object's rectangle from the old to the new editor size.
    void ScaleObject(int32_t oldW, int32_t oldH, int32_t newW, int32_t newH, int32_t index);
    // What ScaleObject would make of the object at index, as a copy (ids
    // kept), the list untouched; nullptr for an invalid index.
    std::unique_ptr<Tool_dm> ScaledCopy(int32_t oldW, int32_t oldH, int32_t newW, int32_t newH,
                                        int32_t index) const;

    // Copies of every object in list order, ids kept.
    std::vector<std::unique_ptr<Tool_dm>> CloneAll() const;
    // The list becomes objects and objects the former list; never throws,
    // so a snapshot taken with CloneAll can always be put back.
    void SwapObjects(std::vector<std::unique_ptr<Tool_dm>>& objects) noexcept;
    // The object at index exchanged for another one; never throws.
    void SwapObject(int32_t index, std::unique_ptr<Tool_dm>& object) noexcept;

    // Restores the canonical order: the post-order walk of the hierarchy
    // (each group directly after its members, in Members order).
    void NormalizeOrder();
    // Ids 1..n in list order, references and the history rewritten.
    void RenumberObjects();
    bool MoveObject(int32_t from, int32_t to);

    int32_t FindObjectIndex(int32_t id) const;
    int32_t MaxObjectId() const;
    // The outermost group holding the object (or the object itself).
    int32_t RootAncestor(int32_t index) const;

    // The object tree: a background node last, the top-most object first,
    // group members as children of their group.
    void RebuildTree();
    void StoreGroupExpansion();
    // The tree's selection made to match the objects' Selected flags.
    void SyncTreeSelection();
    // The list index of the object a node shows; -1 for the background.
    int32_t ObjectIndexOfNode(int32_t nodeIndex) const;
    int32_t NodeIndexOfObject(int32_t index) const;

    // Selection: Select / Deselect threaded through SelectedCount. Each of
    // these makes a new selection (see StartNewSelection).
    void SelectAll();
    void DeselectAll();
    void SelectObject(int32_t index, bool withGroup);
    // The lowest index with Selected set; -1 if none.
    int32_t FirstSelected() const;
    // Computes the selection box (over selected objects of non-negative
    // extent, so never groups), sets PreviousSelectionBox to it, fills
    // Display and tells the editor.
    void ShowSelection();
    // What the last ShowSelection gave the panel.
    SelectionDisplay Display;

    // More selection (depth_selection.cpp).
    // The top-most object whose HitTest answers true; -1 if none.
    int32_t ObjectAt(int32_t x, int32_t y) const;
    void SelectByTreeNode(int32_t nodeIndex, bool withGroup);
    // Selects (with their outermost groups) the visible objects lying
    // wholly inside the rectangle spanned by the two corners.
    void SelectInRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // The first selected index from the bottom (fromBottom) or from the top.
    int32_t FirstSelected(bool fromBottom) const;
    // Clears SelectionMirroredH/V and has the next display of several
    // objects reset the check boxes.
    void StartNewSelection();
    // SelectedCount made equal to the number of objects with Selected set.
    void RecountSelection();
    // The box of the selected objects of non-negative extent, without
    // changing the model.
    Box SelectedBounds() const;
    // The union of the rectangles of the objects with these ids (groups
    // and absent ids left out); empty when there are none.
    Box BoundsOfIds(const std::vector<int32_t>& ids) const;
    std::vector<int32_t> SelectedIds() const;

    // Queries on the hierarchy of the selection.
    bool ParentSelected(int32_t index) const;
    // The highest selected ancestor, or index itself when its parent is
    // not selected; -1 for an invalid index.
    int32_t TopSelectedAncestor(int32_t index) const;
    // Whether the selection's top objects (each selected object, or its
    // top selected ancestor) share one ParentId, given in parentId.
    bool CommonParent(int32_t& parentId) const;
    bool AnyGroupedSelected() const;
    bool SingleGroupSelected() const;

    // Editing the selection; each answers whether it changed anything, and
    // one that throws leaves every object as it was.
    // The object panel applied to the selection (SetObjectAttributes).
    // Throws LumoraError when W or H lies outside 1..kMaxExtent.
    bool ApplyAttributes(const ObjectPanelValues& panel);
    // The selection resized by the move handles: X, Y, W, H give the
    // working rectangle; the check boxes apply to a single object only.
    bool ResizeSelection(const ObjectPanelValues& panel);
    // Maps one selected object from PreviousSelectionBox to SelectionBox;
    // with applyFlags its flags follow the panel and the mirrors flip
    // inside the box where they differ from SelectionMirroredH/V.
    void TransformSelection(int32_t index, bool applyFlags, bool invert, bool visible, bool mirrorV,
                            bool mirrorH);
    // The selection dragged by (dx, dy).
    bool MoveSelection(int32_t dx, int32_t dy);
    // The depth slider: the Depth of the one selected object with HasDepth.
    bool SetDepth(uint8_t value);

    // Arranging the selection (depth_arrangement.cpp); each answers false
    // when there is nothing to arrange.
    bool BringToFront();
    bool SendToBack();
    bool BringForward();
    bool SendBackward();

    // Grouping (depth_grouping.cpp).
    // Two or more selected objects (a selected group counts whole) go into
    // a new group. Objects of different parents: the group stands at top
    // level, on top. Objects sharing a parent: the group takes the place of
    // the top-most of them, in the list and, inside a parent group, among
    // the parent's remaining members (after as many of them as stood below
    // that object).
    // False when fewer than two objects are selected.
    bool GroupSelection();
    // Each selected group whose parent is not selected is dissolved one
    // level, its members taking its place in its parent; a selected member
    // of an unselected group leaves it for the top of the list. False when
    // nothing is selected.
    bool UngroupSelection();
    // Deletes the groups that have no members (and so deselects all).
    void RemoveEmptyGroups();

    // Edit commands (depth_clipboard_edits.cpp).
    // Clones of the selected objects with new ids (advancing LastObjectId):
    // a member copied without its group becomes a top-level object.
    DepthClipboard CopySelection();
    // Clones of the clipboard's objects on top of the list, selected; false
    // for an empty clipboard.
    bool PasteObjects(const DepthClipboard& clipboard);
    // False when nothing is selected.
    bool DeleteSelection();
    // Renames the object; false (nothing changed) when the name is empty
    // once its leading blanks are removed.
    bool RenameObject(int32_t index, const QString& name);
    // Whether RenameObject would accept the name.
    static bool IsValidName(const QString& name);

    // A new project: every object destroyed, the counters and boxes reset.
    void Reset();

    // Throws LumoraError when the group hierarchy read from a file loops
    // (through ParentId or Members) or nests deeper than MaxGroupNesting.
    void CheckHierarchy() const;
    // After a project's objects were appended: checks the hierarchy, sets
    // LastObjectId to MaxObjectId and rebuilds the tree.
    void FinishLoading();

    // Marks the project modified and has the editor refresh its commands.
    void NotifyModified();

private:
    enum class ArrangeMove
    {
        ToFront,
        ToBack,
        Forward,
        Backward
    };
    bool Arrange(ArrangeMove move);
    // ApplyAttributes and ResizeSelection: every selected object mapped
    // into the panel's box, all of them or, on a failure, none.
    void TransformSelectedObjects(const ObjectPanelValues& panel, bool applyFlags);
    // The repaint of an edit of the selection and the new display.
    void FinishSelectionEdit();
    void UpdateSelectionDisplay();

    std::vector<std::unique_ptr<Tool_dm>> items_;
    DepthEditorUi* ui_ = nullptr;
    DepthHistoryRecorder* history_ = nullptr;
    bool checkBoxResetPending_ = false;
};

} // namespace lumora
