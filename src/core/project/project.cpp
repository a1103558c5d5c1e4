#include "project/project.h"

#include "afterburner/afterburner_picture_file.h"
#include "afterburner/tool_ab_depthmap.h"
#include "common/lumora_error.h"
#include "common/numeric.h"
#include "depthmap/depth_composition.h"
#include "models/tool_dm_3d.h"
#include "plugins/tool_dm_plugin.h"
#include "project/project_observer.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"

#include <vector>

namespace lumora {

Project::Project()
{
    RegisterPlugInKinds(Depth.Kinds);
    RegisterModelKinds(Depth.Kinds);
}

Project::~Project() = default;

void Project::SetRendered(bool on)
{
    SetFlags(on, modified_, outOfDate_);
}

void Project::SetModified(bool on)
{
    SetFlags(rendered_, on, outOfDate_);
}

void Project::SetOutOfDate(bool on)
{
    SetFlags(rendered_, modified_, on);
}

void Project::SetFlags(bool rendered, bool modified, bool outOfDate)
{
    if (rendered == rendered_ && modified == modified_ && outOfDate == outOfDate_)
        return;
    rendered_ = rendered;
    modified_ = modified;
    outOfDate_ = outOfDate;
    NotifyFlags();
}

void Project::NotifyFlags()
{
    if (observer_)
        observer_->ProjectFlagsChanged();
}

void Project::DepthEdited()
{
    SetFlags(rendered_, true, true);
}

void Project::TilesEdited()
{
    SetFlags(rendered_, true, true);
}

void Project::AfterburnerEdited()
{
    SetModified(true);
}

void Project::ConfirmRenderOptions(const RenderOptions& options)
{
    Options = options;
    Tiles.SetTileWidth(Options.RenderOptions_Tile_Width);
    SetFlags(rendered_, true, true);
}

const TPixelEngine256& Project::PaintWorkingDepthMap()
{
    const int32_t w = Depth.VorlageWidth;
    const int32_t h = Depth.VorlageHeight;
    if (!workingDepthMap_ || workingDepthMap_->Width() != w || workingDepthMap_->Height() != h)
        workingDepthMap_ = std::make_unique<TPixelEngine256>(w, h);
    Paint_Vorlage(Depth, *workingDepthMap_);
    return *workingDepthMap_;
}

AfterburnerContext Project::AfterburnerContextNow()
{
    return ContextIncluding(nullptr);
}

AfterburnerContext Project::ContextIncluding(const Tool_ab* incoming)
{
    AfterburnerContext context;
    context.TileWidth = Options.RenderOptions_Tile_Width;
    // Composing the working depth map costs a full depth paint: only when
    // an overlay shows it.
    const bool overlay = Afterburner.ContainsKind(Tool_ab_depthmap::KindCode) ||
                         (incoming && incoming->Kind == Tool_ab_depthmap::KindCode);
    if (overlay)
        context.WorkingDepthMap = &PaintWorkingDepthMap();
    return context;
}

void Project::Repaint_Stereo()
{
    Afterburner.Repaint_Stereo(AfterburnerContextNow());
}

bool Project::AfBu_Add(const Tool_ab& values)
{
    if (!Afterburner.AfBu_Add(values, ContextIncluding(&values)))
        return false;
    AfterburnerEdited();
    return true;
}

bool Project::EditAfterburnerObject(int32_t index, const Tool_ab& values)
{
    if (!Afterburner.EditObject(index, values, ContextIncluding(&values)))
        return false;
    AfterburnerEdited();
    return true;
}

bool Project::RenameAfterburnerObject(int32_t index, const QString& name)
{
    if (!Afterburner.Rename(index, name))
        return false;
    AfterburnerEdited();
    return true;
}

bool Project::MoveAndRecompose(bool moved)
{
    if (!moved)
        return false;
    AfterburnerEdited();
    Repaint_Stereo();
    return true;
}

bool Project::Move_AfBuObj(int32_t current, int32_t newIndex)
{
    return MoveAndRecompose(Afterburner.Move_AfBuObj(current, newIndex));
}

bool Project::MoveAfterburnerObjectToTop()
{
    return MoveAndRecompose(Afterburner.MoveSelectedToTop());
}

bool Project::MoveAfterburnerObjectToBottom()
{
    return MoveAndRecompose(Afterburner.MoveSelectedToBottom());
}

bool Project::MoveAfterburnerObjectUp()
{
    return MoveAndRecompose(Afterburner.MoveSelectedUp());
}

bool Project::MoveAfterburnerObjectDown()
{
    return MoveAndRecompose(Afterburner.MoveSelectedDown());
}

void Project::PasteAfterburnerObject(const Tool_ab& object)
{
    Afterburner.Paste(object, ContextIncluding(&object));
    AfterburnerEdited();
}

bool Project::DeleteAfterburnerObject()
{
    if (!Afterburner.DeleteSelected(AfterburnerContextNow()))
        return false;
    AfterburnerEdited();
    return true;
}

void Project::OpenStereogramPicture(const QString& fileName)
{
    std::unique_ptr<TPixelEngine> picture = LoadAfterburnerPicture(fileName);
    Afterburner.OpenStereogram(std::move(picture), AfterburnerContextNow());
}

void Project::SaveAfterburnerPicture(const QString& fileName, int filterIndex) const
{
    const TPixelEngine* picture = Afterburner.Picture();
    if (!picture || picture->Width() == 0)
        throw LumoraError("There is no stereogram to save yet: render the project first.");
    lumora::SaveAfterburnerPicture(fileName, *picture, filterIndex);
}

void Project::ResetDepthMap(int32_t composerWidth, int32_t composerHeight)
{
    Depth.Reset();
    Depth.BackgroundDepth = 0;
    Depth.VorlageWidth = composerWidth;
    Depth.VorlageHeight = composerHeight;
    AspectLink = true;
    ScaleObjects = false;
    workingDepthMap_.reset();
}

void Project::ResetTiles()
{
    Tiles.Clear();
}

void Project::ResetAfterburner()
{
    Afterburner.Reset();
    SetFlags(false, modified_, false);
}

void Project::Reset(int32_t composerWidth, int32_t composerHeight)
{
    ResetDepthMap(composerWidth, composerHeight);
    ResetTiles();
    ResetAfterburner();
}

void Project::StartNewProject(const RenderOptions& storedDefaults, int32_t composerWidth,
                              int32_t composerHeight)
{
    Options = storedDefaults;
    Reset(composerWidth, composerHeight);
    FilePath.clear();
    SetModified(false);
}

void Project::ScaleAllObjects(int32_t oldWidth, int32_t oldHeight, int32_t newWidth,
                              int32_t newHeight)
{
    // Every object is scaled as a copy first; the list takes the copies in
    // one swap once all exist, so an object that cannot be scaled leaves
    // every object as it was.
    std::vector<std::unique_ptr<Tool_dm>> scaled;
    scaled.reserve(static_cast<size_t>(Depth.Count()));
    for (int32_t i = 0; i < Depth.Count(); ++i)
        scaled.push_back(Depth.ScaledCopy(oldWidth, oldHeight, newWidth, newHeight, i));
    Depth.SwapObjects(scaled);
}

bool Project::AfterburnerReachable() const
{
    return rendered_ && Afterburner.Picture() != nullptr;
}

} // namespace lumora
