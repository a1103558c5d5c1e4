#include "depthmap/pictured_depth_object.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine256.h"

#include <cstring>
#include <string>

namespace lumora {

PicturedDepthObject::PicturedDepthObject(int32_t kind, int32_t id)
    : Tool_dm(kind, id), Picture(std::make_unique<TPixelEngine256>(0, 0))
{
}

PicturedDepthObject::PicturedDepthObject(const PicturedDepthObject& other)
    : Tool_dm(other), Picture(std::make_unique<TPixelEngine256>(0, 0))
{
}

std::unique_ptr<TPixelEngine256> PicturedDepthObject::NewPicture(int32_t w, int32_t h)
{
    if (w > 0 && h > 0 &&
        (w > kMaxPictureSide || h > kMaxPictureSide ||
         static_cast<int64_t>(w) * h > kMaxPicturePixels))
        throw LumoraError("A depth object of " + std::to_string(w) + " x " + std::to_string(h) +
                          " pixels is too large to be drawn.");
    return std::make_unique<TPixelEngine256>(w, h);
}

std::unique_ptr<TPixelEngine256> PicturedDepthObject::CopyPicture(const TPixelEngine256& picture)
{
    auto copy = std::make_unique<TPixelEngine256>(picture.Width(), picture.Height());
    for (int i = 0; i < picture.Height(); ++i)
        std::memcpy(copy->Row(i), picture.Row(i), static_cast<size_t>(picture.Width()));
    return copy;
}

int64_t PicturedDepthObject::HeldPicturePixels() const
{
    return static_cast<int64_t>(Picture->Width()) * Picture->Height();
}

void PicturedDepthObject::RebuildPicture()
{
    auto picture = NewPicture(Width, Height);
    if (picture->Width() > 0 && picture->Height() > 0)
        BuildPicture(*picture);
    Picture = std::move(picture);
}

void PicturedDepthObject::SetSize(int32_t w, int32_t h, bool rebuild)
{
    const int32_t oldWidth = Width;
    const int32_t oldHeight = Height;
    Tool_dm::SetSize(w, h, rebuild);
    if (!rebuild)
        return;
    try {
        RebuildPicture();
    } catch (...) {
        // A picture that cannot be had leaves the object as it was.
        Tool_dm::SetSize(oldWidth, oldHeight, false);
        throw;
    }
}

void PicturedDepthObject::SetFlags(bool invert, bool mirrorH, bool mirrorV, bool rebuild)
{
    Tool_dm::SetFlags(invert, mirrorH, mirrorV, rebuild);
    if (rebuild)
        RebuildPicture();
}

void PicturedDepthObject::CopyPart(TPixelEngine256& engine, int32_t x, int32_t y,
                                   const Box& part) const
{
    const int key = TransparentValue();
    if (key == kOpaque)
        Picture->DrawPartTo(engine, x, y, part.Right - part.Left, part.Bottom - part.Top, part.Left,
                            part.Top);
    else
        Picture->BlitKeyedPart(engine, part.Left, part.Top, part.Right, part.Bottom, x, y,
                               static_cast<uint8_t>(key));
}

void PicturedDepthObject::Draw(TPixelEngine256& engine)
{
    CopyPart(engine, Left, Top, Box{0, 0, Picture->Width(), Picture->Height()});
}

void PicturedDepthObject::Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w,
                                 int32_t h)
{
    const int32_t ownWidth = Width;
    const int32_t ownHeight = Height;
    // At its own size the picture just built is the one to keep; at another
    // the picture of its own size is put back afterwards instead of being
    // built again.
    std::unique_ptr<TPixelEngine256> own;
    if (w != ownWidth || h != ownHeight)
        own = std::move(Picture);
    try {
        SetSize(w, h, true);
    } catch (...) {
        if (own)
            Picture = std::move(own);
        throw;
    }
    CopyPart(engine, x, y, Box{0, 0, Picture->Width(), Picture->Height()});
    if (own) {
        Tool_dm::SetSize(ownWidth, ownHeight, false);
        Picture = std::move(own);
    }
}

void PicturedDepthObject::DrawClipped(TPixelEngine256& engine, const Box& clipRect)
{
    const Box placed = BoxOf(Left, Top, Picture->Width(), Picture->Height());
    Box common;
    if (!IntersectBoxes(placed, clipRect, common))
        return;
    const Box part{static_cast<int32_t>(static_cast<int64_t>(common.Left) - Left),
                   static_cast<int32_t>(static_cast<int64_t>(common.Top) - Top),
                   static_cast<int32_t>(static_cast<int64_t>(common.Right) - Left),
                   static_cast<int32_t>(static_cast<int64_t>(common.Bottom) - Top)};
    CopyPart(engine, common.Left, common.Top, part);
}

} // namespace lumora
