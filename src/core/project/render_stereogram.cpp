#include "project/render_stereogram.h"

#include "afterburner/afterburner_ui.h"
#include "common/lumora_error.h"
#include "depthmap/depth_composition.h"
#include "project/project.h"
#include "project/render_progress.h"
#include "rendering/algorithmus.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"

#include <memory>
#include <string>

namespace lumora {

namespace {

void CheckRenderable(const Project& project)
{
    if (!project.CanRender())
        throw LumoraError("The tile map holds no tile object: add a tile before rendering.");
    const RenderOptions& o = project.Options;
    const auto inRange = [](int64_t v, int64_t lo, int64_t hi) { return v >= lo && v <= hi; };
    if (!inRange(o.RenderOptions_RenderWidth, kMinRenderPixels, kMaxRenderPixels) ||
        !inRange(o.RenderOptions_RenderHeight, kMinRenderPixels, kMaxRenderPixels))
        throw LumoraError("The render size " + std::to_string(o.RenderOptions_RenderWidth) + " x " +
                          std::to_string(o.RenderOptions_RenderHeight) +
                          " is outside 1 to 10000 pixels: correct it in the render options.");
    if (!inRange(o.RenderOptions_Tile_Width, 1, kMaxTileWidth))
        throw LumoraError("The tile width " + std::to_string(o.RenderOptions_Tile_Width) +
                          " is outside 1 to 65535 pixels: correct it in the render options.");
}

// Ends the progress on every way out of the render.
class ProgressSession
{
public:
    ProgressSession(RenderProgress* progress, int maximum) : progress_(progress)
    {
        if (progress_)
            progress_->Begin(maximum);
    }
    ~ProgressSession() { End(); }
    ProgressSession(const ProgressSession&) = delete;
    ProgressSession& operator=(const ProgressSession&) = delete;

    void Step(RenderStep step)
    {
        if (progress_)
            progress_->StepDone(step);
    }
    void Position(int row)
    {
        if (progress_)
            progress_->SetPosition(row);
    }
    void End()
    {
        if (progress_)
            progress_->End();
        progress_ = nullptr;
    }

private:
    RenderProgress* progress_;
};

// A render that fails leaves the afterburner without a stereogram, and
// without the buffer kept for its picture.
class FailureCleanup
{
public:
    explicit FailureCleanup(Project& project) : project_(&project) {}
    ~FailureCleanup()
    {
        if (project_)
            project_->Afterburner.ReleaseStereogram();
    }
    FailureCleanup(const FailureCleanup&) = delete;
    FailureCleanup& operator=(const FailureCleanup&) = delete;
    void Dismiss() { project_ = nullptr; }

private:
    Project* project_;
};

} // namespace

void RenderStereogram(Project& project, TileRandomSource& random, RenderProgress* progress)
{
    CheckRenderable(project);
    const RenderOptions& options = project.Options;

    // 1, 2: the progress runs over the rows; the size of the render.
    const int w = options.RenderOptions_RenderWidth;
    const int h = options.RenderOptions_RenderHeight;
    ProgressSession session(progress, h - 1);

    // 3: the previous stereogram goes before the new buffers are taken. Its
    // memory serves again when the size stays: fresh memory is costly at
    // large render sizes, and every output pixel is written below anyway.
    std::unique_ptr<TPixelEngine> previous = project.Afterburner.ReleaseStereogramForReuse();
    FailureCleanup cleanup(project);

    // 4: the depth map, the tile bitmap at the tile width, the output.
    auto depthMap = std::make_unique<TPixelEngine256>(w, h);
    auto tileBitmap = std::make_unique<TPixelEngine>(options.RenderOptions_Tile_Width, h);
    std::unique_ptr<TPixelEngine> output;
    if (previous && previous->Width() == w && previous->Height() == h)
        output = std::move(previous);
    previous.reset();
    if (!output)
        output = std::make_unique<TPixelEngine>(w, h);

    // 5, 6
    Generate_VorlageBitm(project.Depth, depthMap.get(), w, h);
    session.Step(RenderStep::VorlageErzeugen);

    // 7, 8
    project.Tiles.Generate_KachelBitm(options, tileBitmap.get(), random);
    session.Step(RenderStep::KachelErzeugen);

    // 9: crossed eyes see the depth the other way round.
    if (!options.RenderOptions_Settings_Divergenz)
        depthMap->Invert();

    // 10, 11
    Algorithmus algorithm;
    algorithm.PrepareRender(options, *tileBitmap);
    algorithm.BuildSeparationTable();
    session.Step(RenderStep::RenderingVorbereiten);

    // 12: memory rows from the bottom of the picture up.
    for (int r = 0; r < h; ++r) {
        algorithm.RenderRow(r, *depthMap, *tileBitmap, *output);
        session.Position(r);
    }

    // 13
    depthMap.reset();
    tileBitmap.reset();

    // 14, 17: the output itself becomes the clean stereogram, which saves
    // a copy of the whole picture; the afterburner picture is made at its
    // size.
    project.Afterburner.SetCleanStereogram(std::move(output));

    // 15, 16
    project.Repaint_Stereo();
    session.End();

    cleanup.Dismiss();

    // 18
    project.SetFlags(true, true, false);

    // 19
    if (AfterburnerUi* ui = project.Afterburner.Ui())
        ui->ResizeAfterBurner();
}

} // namespace lumora
