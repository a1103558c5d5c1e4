#pragma once
// AfterburnerState: the afterburner stage of a project. It keeps the
// ordered list of afterburner objects (index 0 applied first, the last on
// top) with the selection, and the two pictures of the last render: the
// clean stereogram, which is never drawn on, and the afterburner picture,
// into which the objects are composed over a copy of it.
//
// The list owns its objects. The modified flag belongs to the project: the
// project's afterburner commands set it around these operations.

#include "afterburner/tool_ab.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lumora {

class AfterburnerUi;
class ProjectStreamReader;
class ProjectStreamWriter;
class TPixelEngine;

class AfterburnerState
{
public:
    AfterburnerState();
    ~AfterburnerState();
    AfterburnerState(const AfterburnerState&) = delete;
    AfterburnerState& operator=(const AfterburnerState&) = delete;

    void SetUi(AfterburnerUi* ui) { ui_ = ui; }
    AfterburnerUi* Ui() const { return ui_; }

    // The list.
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    bool IsValidIndex(int32_t index) const { return index >= 0 && index < Count(); }
    // nullptr for an index outside the list.
    Tool_ab* At(int32_t index);
    const Tool_ab* At(int32_t index) const;
    const std::vector<std::unique_ptr<Tool_ab>>& Items() const { return items_; }
    bool ContainsKind(int32_t kind) const;

    // -1 when nothing is selected.
    int32_t SelectedIndex() const { return selected_; }
    Tool_ab* SelectedObject() { return At(selected_); }
    const Tool_ab* SelectedObject() const { return At(selected_); }
    // A valid index, or -1 for none; answers false (and keeps the
    // selection) for anything else.
    bool Select(int32_t index);

    // The window's enabling: editing, renaming and the edit commands need
    // an object, the selection and arrangement commands two.
    bool CanEdit() const { return !IsEmpty(); }
    bool CanArrange() const { return Count() >= 2; }

    // Get_AfBuBezeichnung: the default name of a kind, through the window's
    // language; the key of section "AfBuBezeichnung" without a window.
    QString Get_AfBuBezeichnung(int32_t kind) const;

    // The object list display: the last index at the top, so display row k
    // shows list index Count() - 1 - k. Icon index = kind - 1.
    struct DisplayEntry
    {
        QString Name;
        int32_t IconIndex = 0;
    };
    std::vector<DisplayEntry> DisplayEntries() const;
    int32_t IndexOfDisplayRow(int32_t row) const; // -1 outside the display
    int32_t DisplayRowOfIndex(int32_t index) const;
    // Update_AfBuHierarchieAnzeige: tells the window to rebuild the display.
    void Update_AfBuHierarchieAnzeige();

    // AfBu_Add: appends a copy of values (the kind's dialog) under the
    // kind's default name, selects it, rebuilds the display and recomposes.
    // A frame without its mask or an image border without its picture is
    // not added (false).
    bool AfBu_Add(const Tool_ab& values, const AfterburnerContext& context);
    // A dialog's "OK" for an existing object: the object takes the dialog's
    // values and keeps its name; the kinds must match. Recomposes.
    bool EditObject(int32_t index, const Tool_ab& values, const AfterburnerContext& context);
    // "Umbenennen...": the display is rebuilt.
    bool Rename(int32_t index, const QString& name);

    // Move_AfBuObj: moves an object and keeps it selected. Both indexes
    // must be valid.
    bool Move_AfBuObj(int32_t current, int32_t newIndex);
    // "Nach oben" (to the last index, drawn last), "Nach unten" (to 0),
    // "Eins nach oben" (+1), "Eins nach unten" (-1) on the selected object,
    // each only when the move is possible. None recomposes: the commands
    // follow each with Repaint_Stereo.
    bool MoveSelectedToTop();
    bool MoveSelectedToBottom();
    bool MoveSelectedUp();
    bool MoveSelectedDown();

    // "Nächstes": index - 1, or the last index from 0 or none. "Vorheriges":
    // index + 1, or 0 from the last index. "Erstes": the last index (the top
    // row of the display). "Letztes": index 0. Nothing on an empty list.
    void SelectNext();
    void SelectPrevious();
    void SelectFirst();
    void SelectLast();

    // The edit commands: a duplicate of the selected object (for the
    // afterburner clipboard); paste appends a copy, selects it, rebuilds the
    // display and recomposes; delete frees the selected object, selects
    // index 0 (or none), rebuilds and recomposes.
    std::unique_ptr<Tool_ab> CopySelected() const;
    void Paste(const Tool_ab& object, const AfterburnerContext& context);
    bool DeleteSelected(const AfterburnerContext& context);

    // Appends an object read from a project (no name is given, nothing is
    // composed).
    void Append(std::unique_ptr<Tool_ab> object);

    // The pictures; both null before the first render.
    bool HasStereogram() const;
    const TPixelEngine* CleanStereogram() const { return clean_.get(); }
    const TPixelEngine* Picture() const { return HasStereogram() ? picture_.get() : nullptr; }
    // Frees both pictures (the project is reset, a render failed).
    void ReleaseStereogram();
    // A new render starts: the stereogram is gone from here on, but its
    // memory is handed back for the render's output (the clean stereogram)
    // and kept for the next afterburner picture (the picture's buffer), so
    // that a render of the same size takes no new memory for either.
    std::unique_ptr<TPixelEngine> ReleaseStereogramForReuse();
    // A render's result becomes the clean stereogram, with an afterburner
    // picture of its size; nothing is composed yet.
    void SetCleanStereogram(std::unique_ptr<TPixelEngine> stereogram);
    // "Öffnen..." of the window: a picture (24-bit) replaces the stereogram;
    // the objects are applied to it at its size.
    void OpenStereogram(std::unique_ptr<TPixelEngine> picture, const AfterburnerContext& context);

    // Repaint_Stereo: copies the clean stereogram 1:1 into the afterburner
    // picture and applies every object from index 0 upwards, then tells the
    // window to show it. Nothing before the first render.
    void Repaint_Stereo(const AfterburnerContext& context);

    // The reset of a project: every object freed (last first), nothing
    // selected, both pictures freed, the display rebuilt.
    void Reset();

    // The afterburner section of a project file: the object count, then per
    // object its kind code and its record.
    // step (when given) runs after the count and after each object: the
    // project file's progress.
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality,
                      const std::function<void()>& step = {}) const;
    // Appends the objects of an afterburner section and selects the last
    // one; on damaged data it throws LumoraError and the list is left as it
    // was.
    void LoadFromStream(ProjectStreamReader& stream, const std::function<void()>& step = {});
    // Every object handed over, in list order; nothing selected. With
    // AppendLoaded a project read elsewhere moves into this list (the last
    // object becomes the selected one).
    std::vector<std::unique_ptr<Tool_ab>> TakeAll();
    void AppendLoaded(std::vector<std::unique_ptr<Tool_ab>> objects);

private:
    void NotifyListChanged();
    void NotifySelected();
    void SetSelected(int32_t index);

    std::vector<std::unique_ptr<Tool_ab>> items_;
    int32_t selected_ = -1;
    std::unique_ptr<TPixelEngine> clean_;
    std::unique_ptr<TPixelEngine> picture_;
    AfterburnerUi* ui_ = nullptr;
};

} // namespace lumora
