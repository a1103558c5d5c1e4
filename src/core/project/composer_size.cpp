#include "project/composer_size.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "depthmap/depth_history_bracket.h"
#include "project/project.h"

#include <algorithm>
#include <string>

namespace lumora {

namespace {

int32_t ClampedSize(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, ComposerSizePanel::kMinPixels, ComposerSizePanel::kMaxPixels));
}

} // namespace

ComposerSizePanel::ComposerSizePanel(Project& project) : project_(project)
{
    ShowProjectSize();
}

void ComposerSizePanel::ShowProjectSize()
{
    width_ = project_.Depth.VorlageWidth;
    height_ = project_.Depth.VorlageHeight;
}

bool ComposerSizePanel::LinkDown() const
{
    return project_.AspectLink;
}

void ComposerSizePanel::SetWidth(int32_t width)
{
    width_ = width;
    const DepthObjects& depth = project_.Depth;
    if (!project_.AspectLink || lastEntered_ != Field::Width || depth.VorlageHeight <= 0)
        return;
    const double ratio = static_cast<double>(depth.VorlageWidth) / depth.VorlageHeight;
    height_ = ClampedSize(Round(width_ / ratio));
}

void ComposerSizePanel::SetHeight(int32_t height)
{
    height_ = height;
    const DepthObjects& depth = project_.Depth;
    if (!project_.AspectLink || lastEntered_ != Field::Height || depth.VorlageHeight <= 0)
        return;
    const double ratio = static_cast<double>(depth.VorlageWidth) / depth.VorlageHeight;
    width_ = ClampedSize(Round(height_ * ratio));
}

void ComposerSizePanel::PressLink()
{
    if (project_.AspectLink) {
        project_.AspectLink = false;
        return;
    }
    project_.AspectLink = true;
    SetWidth(width_);
    SetHeight(height_);
}

void ComposerSizePanel::Apply()
{
    ApplyComposerSize(project_, width_, height_, project_.ScaleObjects);
    ShowProjectSize();
}

void CheckComposerPixels(int32_t width, int32_t height)
{
    if (static_cast<int64_t>(width) * height > ComposerSizePanel::kMaxComposerPixels)
        throw LumoraError("The depth map of " + std::to_string(width) + " x " +
                          std::to_string(height) + " pixels is too large to be held in memory.");
}

void ApplyComposerSize(Project& project, int32_t width, int32_t height, bool scaleObjects)
{
    DepthObjects& depth = project.Depth;
    width = ClampedSize(width);
    height = ClampedSize(height);
    if (width != depth.VorlageWidth || height != depth.VorlageHeight) {
        CheckComposerPixels(width, height);
        // One step for the size and every object scaled with it.
        HistoryBracket entry(depth.History(), HistoryBracket::Kind::ComposerSize);
        const int32_t oldWidth = depth.VorlageWidth;
        const int32_t oldHeight = depth.VorlageHeight;
        depth.VorlageWidth = width;
        depth.VorlageHeight = height;
        try {
            if (scaleObjects)
                project.ScaleAllObjects(oldWidth, oldHeight, width, height);
        } catch (...) {
            depth.VorlageWidth = oldWidth;
            depth.VorlageHeight = oldHeight;
            throw;
        }
        entry.Commit();
    }
    project.DepthEdited();
}

} // namespace lumora
