#pragma once
// What the depth objects ask of the depth-map editor: its dialogs, the
// language text of default names, and notices that the editor shows (the
// modified flag, the commands, the preview, the selection, the tree). The
// editor window implements it; without an editor (command-line use,
// tests) a model works with no interface at all.

#include "common/numeric.h"
#include "depthmap/box.h"

#include <QString>
#include <cstdint>

namespace lumora {

class DepthObjects;
class Tool_dm;

class DepthEditorUi
{
public:
    virtual ~DepthEditorUi() = default;

    // The creation dialog of kinds 5 and 12 to 18, opened with the dragged
    // rectangle. It builds the object (id LastObjectId + 1, advancing
    // LastObjectId, default name), appends it to objects, and answers
    // whether it did.
    virtual bool CreateViaForm(int32_t kind, const IntRect& rect, DepthObjects& objects) = 0;
    // The parameter dialog of the object's kind; edits the object in
    // place and answers true for OK, false for cancel.
    virtual bool EditViaForm(Tool_dm& object, DepthObjects& objects) = 0;
    // The language text of the kind's default name (section
    // "Objekt_Bezeichnung"); the German key where no language is loaded.
    virtual QString DefaultObjectName(int32_t kind) const;

    virtual void ProjectModified() {}
    virtual void RefreshCommands() {}
    // Recompose the part of the preview inside area (Repaint_Vorlage) and
    // show it.
    virtual void RepaintVorlage(const Box& area, bool incremental)
    {
        (void)area;
        (void)incremental;
    }
    // The selection box was computed anew; show the selection.
    virtual void SelectionShown() {}
    // The object tree model was rebuilt.
    virtual void TreeRebuilt() {}
    // The composer size was set back or again by undo or redo: the drawing
    // area and the depth buffer follow VorlageWidth x VorlageHeight.
    virtual void ComposerResized() {}
};

} // namespace lumora
