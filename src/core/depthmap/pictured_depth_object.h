#pragma once
// The depth kinds that keep a picture of their own at their size (the
// gradients, the waves and the image). They build the picture anew when
// their size or flags change with Rebuild set, copy it into a depth buffer
// opaquely or leaving out a transparent value, and render by building the
// picture at the render size, so it is never stretched.

#include "depthmap/tool_dm.h"
#include "rendering/lumo_pixelengine256.h"

#include <cstdint>
#include <memory>

namespace lumora {

class PicturedDepthObject : public Tool_dm
{
public:
    // Pictures beyond these are refused with an error instead of being
    // allocated: no render is larger than 10000 x 10000 pixels, and a
    // damaged record must not make the reader take gigabytes.
    static constexpr int32_t kMaxPictureSide = 65535;
    static constexpr int64_t kMaxPicturePixels = int64_t(1) << 28;
    // TransparentValue() of the kinds that copy every pixel.
    static constexpr int kOpaque = -1;

    // The picture as last built; empty (0 x 0) before the first build and
    // for an object without area.
    std::unique_ptr<TPixelEngine256> Picture;

    // With Rebuild, a size beyond the limits throws LumoraError and leaves
    // the size and picture as they were.
    void SetSize(int32_t w, int32_t h, bool rebuild) override;
    void SetFlags(bool invert, bool mirrorH, bool mirrorV, bool rebuild) override;
    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;

    // Replaces Picture by a new buffer of Width x Height built by the kind.
    // Throws LumoraError, keeping the old picture, when the size is beyond
    // the limits above.
    void RebuildPicture();

    int64_t HeldPicturePixels() const override;

    // The grey that lets the objects below show through, or kOpaque.
    virtual int TransparentValue() const { return kOpaque; }

    // A new all-0 buffer of w x h (empty when either is below 1); throws
    // LumoraError beyond the limits above.
    static std::unique_ptr<TPixelEngine256> NewPicture(int32_t w, int32_t h);
    static std::unique_ptr<TPixelEngine256> CopyPicture(const TPixelEngine256& picture);

protected:
    PicturedDepthObject(int32_t kind, int32_t id);
    // The copy starts with an empty picture; Clone builds its own.
    PicturedDepthObject(const PicturedDepthObject& other);

    // Draws the kind's picture into picture, a new all-0 buffer of the
    // picture's size (at least 1 x 1).
    virtual void BuildPicture(TPixelEngine256& picture) const = 0;

    template <typename T>
    static std::unique_ptr<Tool_dm> CloneAndBuild(const T& self, int32_t newId)
    {
        auto copy = std::unique_ptr<T>(new T(self));
        copy->Id = newId;
        copy->RebuildPicture();
        return copy;
    }

private:
    void CopyPart(TPixelEngine256& engine, int32_t x, int32_t y, const Box& part) const;
};

} // namespace lumora
