#pragma once
// Project: one stereogram project, everything a project file holds (the
// render options, the depth stage with its composer size, background depth,
// objects and selection, the depth-map editor's two switches, the tile map,
// the afterburner objects and the rendered flag) plus the modified and
// out-of-date flags, and the project-level commands that keep those flags
// right.
//
// The project owns its three stages. The windows observe it
// (ProjectObserver) and call its commands; the depth-map and tile-map
// windows report their edits through DepthEdited and TilesEdited, which
// their DepthEditorUi and TileMapUi notices call. The afterburner commands
// below set the flags themselves.
//
// The project file reader and writer work on these members directly:
// Options (R1 to R23), Depth.VorlageWidth, Depth.VorlageHeight,
// Depth.BackgroundDepth, ScaleObjects, AspectLink, the three sections
// (Depth objects through Depth.Kinds, Tiles.SaveToStream / LoadFromStream,
// Afterburner.SaveToStream / LoadFromStream) and the rendered flag.

#include "afterburner/afterburner_state.h"
#include "depthmap/depth_objects.h"
#include "rendering/render_options.h"
#include "tilemap/tile_map.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace lumora {

class ProjectObserver;
class TPixelEngine;
class TPixelEngine256;

class Project
{
public:
    // A new project's composer size when the new-project dialog has none.
    static constexpr int32_t kDefaultComposerWidth = 600;
    static constexpr int32_t kDefaultComposerHeight = 450;

    // Every depth kind is known to the reader: the depth-map library's, the
    // plug-in and the 3D objects.
    Project();
    ~Project();
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    void SetObserver(ProjectObserver* observer) { observer_ = observer; }

    // What a project file holds.
    RenderOptions Options;
    DepthObjects Depth;        // with VorlageWidth, VorlageHeight, BackgroundDepth
    bool ScaleObjects = false; // the editor's "Objekte skalieren"
    bool AspectLink = true;    // the editor's width/height link button
    TileMap Tiles;
    AfterburnerState Afterburner;
    // The file the project was read from or last saved to; empty for an
    // untitled project.
    QString FilePath;

    // The three flags. Rendered: a render finished (the afterburner window
    // can be reached), stored in the project file. Modified: an edit or a
    // render since the last save or load. OutOfDate: the depth objects,
    // tiles or render options changed since the last render.
    bool Rendered() const { return rendered_; }
    bool Modified() const { return modified_; }
    bool OutOfDate() const { return outOfDate_; }
    void SetRendered(bool on);
    void SetModified(bool on);
    void SetOutOfDate(bool on);
    // All three at once, with one notice.
    void SetFlags(bool rendered, bool modified, bool outOfDate);

    // Edits of the stages: depth objects and tiles make the stereogram out
    // of date; every edit sets the modified flag.
    void DepthEdited();
    void TilesEdited();
    void AfterburnerEdited();
    // "OK" of the render options dialog: the options are stored, every tile
    // object gets the tile width, the stereogram is out of date.
    void ConfirmRenderOptions(const RenderOptions& options);

    // The render command is enabled while the tile map holds an object.
    bool CanRender() const { return Tiles.CanRender(); }

    // The depth map as designed, composed anew at the composer size (the
    // depth-map window's working depth map); the depth-map overlay shows it.
    const TPixelEngine256& PaintWorkingDepthMap();
    // What the afterburner objects are composed with: the tile width of the
    // render options and, when an overlay needs it, the working depth map.
    AfterburnerContext AfterburnerContextNow();

    // The afterburner commands. Each sets the modified flag when it changed
    // something and recomposes the picture where the window would.
    void Repaint_Stereo();
    bool AfBu_Add(const Tool_ab& values);
    bool EditAfterburnerObject(int32_t index, const Tool_ab& values);
    bool RenameAfterburnerObject(int32_t index, const QString& name);
    bool Move_AfBuObj(int32_t current, int32_t newIndex);
    bool MoveAfterburnerObjectToTop();    // "Nach oben"
    bool MoveAfterburnerObjectToBottom(); // "Nach unten"
    bool MoveAfterburnerObjectUp();       // "Eins nach oben"
    bool MoveAfterburnerObjectDown();     // "Eins nach unten"
    void PasteAfterburnerObject(const Tool_ab& object);
    bool DeleteAfterburnerObject();
    // "Öffnen..." and "Speichern unter..." of the afterburner window: a
    // picture file becomes the stereogram; the composed picture is written
    // in the format of the save dialog's file type (1 BMP, 2 JPEG, 3 Targa,
    // 4 TIFF). Both throw LumoraError when the file cannot be read or
    // written; saving before there is a picture too.
    void OpenStereogramPicture(const QString& fileName);
    void SaveAfterburnerPicture(const QString& fileName, int filterIndex) const;

    // The resets of opening a file or starting a new project. The depth
    // map's composer size is the new-project dialog's; the render options
    // are not touched. The undo history attached to Depth is restarted by
    // the depth list's own reset.
    void ResetDepthMap(int32_t composerWidth, int32_t composerHeight);
    void ResetTiles();
    void ResetAfterburner();
    void Reset(int32_t composerWidth, int32_t composerHeight);

    // A new project after the new-project dialog's "OK": the stored default
    // render options (not the previous project's), the three resets at the
    // dialog's size, untitled and not modified.
    void StartNewProject(const RenderOptions& storedDefaults, int32_t composerWidth,
                         int32_t composerHeight);

    // ScaleObject for every depth object in list order (group members
    // included): each rectangle from the old to the new composer size.
    void ScaleAllObjects(int32_t oldWidth, int32_t oldHeight, int32_t newWidth, int32_t newHeight);

    // The afterburner window can be chosen once a render has run: a project
    // read with its rendered flag set keeps the flag (it is saved again)
    // but has no stereogram until it is rendered.
    bool AfterburnerReachable() const;

private:
    // The context for composing with the list plus an object about to join
    // it (a new overlay needs the working depth map at once).
    AfterburnerContext ContextIncluding(const Tool_ab* incoming);
    bool MoveAndRecompose(bool moved);
    void NotifyFlags();

    bool rendered_ = false;
    bool modified_ = false;
    bool outOfDate_ = false;
    std::unique_ptr<TPixelEngine256> workingDepthMap_;
    ProjectObserver* observer_ = nullptr;
};

} // namespace lumora
