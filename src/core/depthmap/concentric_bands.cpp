#include "depthmap/concentric_bands.h"

#include "common/numeric.h"
#include "depthmap/nested_bands.h"
#include "rendering/lumo_pixelengine256.h"

namespace lumora {

void DrawConcentricBands(TPixelEngine256& picture, uint8_t startDepth, uint8_t endDepth,
                         uint8_t tipSize, bool invert,
                         const std::function<ShapeRows(const Box&)>& bandShape)
{
    const int32_t W = picture.Width();
    const int32_t H = picture.Height();
    picture.Fill(invert ? 255 : 0);
    if (W <= 0 || H <= 0)
        return;
    const int32_t outer = invert ? endDepth : startDepth;
    const int32_t inner = invert ? startDepth : endDepth;
    const bool flat = H <= W;
    const int32_t half = flat ? H / 2 : W / 2;
    const double ratio = flat ? static_cast<double>(W) / H : static_cast<double>(H) / W;
    const int32_t f = static_cast<int32_t>(Round(tipSize / 100.0 * half));
    const int32_t steps = half - f;
    if (steps < 0)
        return;
    NestedBandPainter painter(picture);
    for (int32_t k = 0; k <= steps; ++k) {
        // The last band is the plateau and carries the inner depth, also
        // when it is the only one (MulDiv by 0 would answer -1).
        const int32_t grey = steps == 0 ? inner : outer + MulDiv(k, inner - outer, steps);
        const int32_t l = static_cast<int32_t>(Round(k * ratio));
        const Box band = flat ? Box{l, k, W - l, H - k} : Box{k, l, W - k, H - l};
        painter.Add(bandShape(band), static_cast<uint8_t>(grey & 0xFF));
    }
    painter.Finish();
}

} // namespace lumora
