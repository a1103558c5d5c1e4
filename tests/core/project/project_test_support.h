#pragma once
// Projects for the pipeline tests: a small render size, one random-dot
// tile, a few depth objects, and recorders of what the pipeline reports.

#include "afterburner/afterburner_ui.h"
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_rectangle.h"
#include "project/project.h"
#include "project/project_observer.h"
#include "project/render_progress.h"
#include "rendering/lumo_pixelengine.h"
#include "tilemap/tile_tm_randomdot.h"

#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace lumora::test {

// A rectangle and an ellipse on the 600 x 450 composer, rendered at
// width x height with a 40-pixel tile of random dots.
inline void BuildSmallProject(Project& project, int width = 120, int height = 90,
                              uint8_t objectDepth = 200, uint8_t background = 0)
{
    project.Options.RenderOptions_RenderWidth = width;
    project.Options.RenderOptions_RenderHeight = height;
    project.Options.RenderOptions_Tile_Width = 40;
    project.Depth.BackgroundDepth = background;
    auto rectangle =
        std::make_unique<Tool_dm_Rectangle>(project.Depth.NewObjectId(), 100, 100, 200, 150);
    rectangle->Depth = objectDepth;
    project.Depth.Append(std::move(rectangle));
    auto ellipse =
        std::make_unique<Tool_dm_Ellipse>(project.Depth.NewObjectId(), 320, 60, 200, 300);
    ellipse->Depth = objectDepth;
    project.Depth.Append(std::move(ellipse));
    project.Tiles.Append(std::make_unique<Tile_tm_RandomDot>(30));
}

inline bool SamePixels(const TPixelEngine& a, const TPixelEngine& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

inline std::unique_ptr<TPixelEngine> CopyOf(const TPixelEngine& p)
{
    auto copy = std::make_unique<TPixelEngine>(p.Width(), p.Height());
    p.DrawTo(*copy, 0, 0);
    return copy;
}

// One log of every notice the pipeline, the afterburner and the project
// give, in order.
class EventLog : public RenderProgress, public AfterburnerUi, public ProjectObserver
{
public:
    explicit EventLog(Project& project) : project_(project) {}

    void Begin(int maximum) override { Add("begin " + std::to_string(maximum)); }
    void StepDone(RenderStep step) override
    {
        Add("step " + std::to_string(static_cast<int>(step)));
    }
    void SetPosition(int row) override
    {
        rows.push_back(row);
        if (events.empty() || events.back() != "rows")
            Add("rows");
    }
    void End() override { Add("end"); }
    void PictureComposed() override { Add("composed"); }
    void ResizeAfterBurner() override { Add("resize"); }
    void ProjectFlagsChanged() override
    {
        Add(std::string("flags") + (project_.Rendered() ? " rendered" : "") +
            (project_.Modified() ? " modified" : "") + (project_.OutOfDate() ? " outofdate" : ""));
    }

    std::vector<std::string> events;
    std::vector<int> rows;

private:
    void Add(std::string e) { events.push_back(std::move(e)); }
    Project& project_;
};

} // namespace lumora::test
