#include "afterburner/afterburner_preview.h"

#include "afterburner/tool_ab.h"
#include "afterburner/tool_ab_border_simple.h"
#include "common/numeric.h"
#include "rendering/lumo_pixelengine.h"

#include <algorithm>

namespace lumora {

namespace {
int32_t FitExtent(double v, int32_t limit)
{
    return static_cast<int32_t>(std::clamp<int64_t>(Round(v), 1, limit));
}
} // namespace

QRect PreviewFitRect(int32_t pictureWidth, int32_t pictureHeight, int32_t areaWidth,
                     int32_t areaHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return {};
    int32_t w = areaWidth;
    int32_t h = areaHeight;
    // The width limits when the area is relatively narrower than the picture.
    const bool widthLimits = static_cast<int64_t>(areaWidth) * pictureHeight <=
                             static_cast<int64_t>(areaHeight) * pictureWidth;
    if (widthLimits)
        h = FitExtent(areaWidth * (static_cast<double>(pictureHeight) / pictureWidth), areaHeight);
    else
        w = FitExtent(areaHeight * (static_cast<double>(pictureWidth) / pictureHeight), areaWidth);
    return QRect((areaWidth - w) / 2, (areaHeight - h) / 2, w, h);
}

int32_t SimpleBorderPreviewSize(int32_t borderSize, int32_t stereogramHeight, int32_t previewHeight)
{
    if (stereogramHeight <= 0)
        return 0;
    return static_cast<int32_t>(
        Round(static_cast<double>(borderSize) / stereogramHeight * previewHeight));
}

std::unique_ptr<TPixelEngine> MakeBorderPreview(const TPixelEngine& cleanStereogram,
                                                int32_t areaWidth, int32_t areaHeight,
                                                const Tool_ab& values,
                                                const AfterburnerContext& context)
{
    const QRect fit =
        PreviewFitRect(cleanStereogram.Width(), cleanStereogram.Height(), areaWidth, areaHeight);
    if (fit.isEmpty())
        return nullptr;
    auto preview = std::make_unique<TPixelEngine>(fit.width(), fit.height());
    cleanStereogram.StretchDrawTo(*preview, 0, 0, fit.width(), fit.height());
    auto object = values.Clone();
    if (auto* simple = dynamic_cast<Tool_ab_border_simple*>(object.get()))
        simple->BorderSize =
            SimpleBorderPreviewSize(simple->BorderSize, cleanStereogram.Height(), fit.height());
    object->Apply(*preview, context);
    return preview;
}

QPoint AfterburnerPicturePlacement(int32_t visibleWidth, int32_t visibleHeight,
                                   int32_t pictureWidth, int32_t pictureHeight)
{
    return {std::max(0, visibleWidth / 2 - pictureWidth / 2),
            std::max(0, visibleHeight / 2 - pictureHeight / 2)};
}

} // namespace lumora
