#include "depthmap/tool_dm_blend.h"

#include "depthmap/blend_modes.h"
#include "depthmap/depth_objects.h"
#include "rendering/lumo_pixelengine.h"

#include <cstring>

namespace lumora {

namespace {
std::unique_ptr<TPixelEngine> CopyOf(const TPixelEngine& picture)
{
    auto copy = std::make_unique<TPixelEngine>(picture.Width(), picture.Height());
    for (int i = 0; i < picture.Height(); ++i)
        std::memcpy(copy->Row(i), picture.Row(i), static_cast<size_t>(picture.Stride()));
    return copy;
}

std::vector<std::unique_ptr<Tool_dm>> CopyOf(const std::vector<std::unique_ptr<Tool_dm>>& items)
{
    std::vector<std::unique_ptr<Tool_dm>> copy;
    copy.reserve(items.size());
    for (const auto& item : items)
        copy.push_back(item->Clone(item->Id));
    return copy;
}
} // namespace

Tool_dm_Blend::Tool_dm_Blend(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height)
    : Tool_dm(KindCode, id), Result(std::make_unique<TPixelEngine>(0, 0))
{
    CanInvert = true;
    CanMirrorH = true;
    CanMirrorV = true;
    HasDepth = false;
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

Tool_dm_Blend::Tool_dm_Blend(const Tool_dm_Blend& other)
    : Tool_dm(other), ForegroundItems(CopyOf(other.ForegroundItems)),
      BackgroundItems(CopyOf(other.BackgroundItems)), BlendMode(other.BlendMode),
      Result(CopyOf(*other.Result)), DrawTransparent(other.DrawTransparent)
{
}

Tool_dm_Blend::~Tool_dm_Blend() = default;

void Tool_dm_Blend::Draw(TPixelEngine256& engine)
{
    DrawAtBounds(engine);
}

void Tool_dm_Blend::Render(TPixelEngine256&, int32_t, int32_t, int32_t, int32_t) {}

void Tool_dm_Blend::DrawClipped(TPixelEngine256&, const Box&) {}

std::unique_ptr<Tool_dm> Tool_dm_Blend::Clone(int32_t newId) const
{
    return CloneAs(*this, newId);
}

Tool_dm_Blend& AppendBlendObject(DepthObjects& objects, const IntRect& rect,
                                 const TPixelEngine& foreground, const TPixelEngine& background,
                                 int32_t mode, bool drawTransparent)
{
    auto blend = std::make_unique<Tool_dm_Blend>(objects.LastObjectId + 1, rect.Left, rect.Top,
                                                 rect.Width, rect.Height);
    blend->Result = BlendPictures(foreground, background, mode);
    blend->BlendMode = mode;
    blend->DrawTransparent = drawTransparent;
    blend->Name = objects.DefaultName(Tool_dm_Blend::KindCode);
    Tool_dm_Blend& added = *blend;
    objects.NewObjectId();
    objects.Append(std::move(blend));
    return added;
}

} // namespace lumora
