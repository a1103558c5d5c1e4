#include "afterburner/tool_ab_depthmap.h"

#include "afterburner/afterburner_record_reading.h"
#include "common/numeric.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <algorithm>

namespace lumora {

namespace {
int32_t OverlaySize(double v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(Round(v), Tool_ab_depthmap::kMinOverlaySize,
                                                    Tool_ab_depthmap::kMaxOverlaySize));
}

bool HasArea(int32_t w, int32_t h)
{
    return w > 0 && h > 0;
}
} // namespace

int32_t OverlayHeightForWidth(int32_t width, int32_t depthMapWidth, int32_t depthMapHeight,
                              int32_t currentHeight)
{
    if (!HasArea(depthMapWidth, depthMapHeight))
        return currentHeight;
    const double ratio = static_cast<double>(depthMapWidth) / depthMapHeight;
    return OverlaySize(width / ratio);
}

int32_t OverlayWidthForHeight(int32_t height, int32_t depthMapWidth, int32_t depthMapHeight,
                              int32_t currentWidth)
{
    if (!HasArea(depthMapWidth, depthMapHeight))
        return currentWidth;
    const double ratio = static_cast<double>(depthMapWidth) / depthMapHeight;
    return OverlaySize(height * ratio);
}

Tool_ab_depthmap Tool_ab_depthmap::ForNewObject(int32_t depthMapWidth, int32_t depthMapHeight)
{
    Tool_ab_depthmap values;
    values.SetKeepAspect(true, depthMapWidth, depthMapHeight);
    values.SetOverlayWidth(kNewOverlayWidth, depthMapWidth, depthMapHeight);
    return values;
}

void Tool_ab_depthmap::SetOverlayWidth(int32_t width, int32_t depthMapWidth, int32_t depthMapHeight)
{
    OverlayWidth = std::clamp(width, kMinOverlaySize, kMaxOverlaySize);
    if (KeepAspect)
        OverlayHeight =
            OverlayHeightForWidth(OverlayWidth, depthMapWidth, depthMapHeight, OverlayHeight);
}

void Tool_ab_depthmap::SetOverlayHeight(int32_t height, int32_t depthMapWidth,
                                        int32_t depthMapHeight)
{
    OverlayHeight = std::clamp(height, kMinOverlaySize, kMaxOverlaySize);
    if (KeepAspect)
        OverlayWidth =
            OverlayWidthForHeight(OverlayHeight, depthMapWidth, depthMapHeight, OverlayWidth);
}

void Tool_ab_depthmap::SetKeepAspect(bool on, int32_t depthMapWidth, int32_t depthMapHeight)
{
    KeepAspect = on ? 1 : 0;
    if (on)
        SetOverlayWidth(OverlayWidth, depthMapWidth, depthMapHeight);
}

QRect Tool_ab_depthmap::OverlayBox(int32_t pictureWidth, int32_t pictureHeight) const
{
    const QPoint at = AnchorPosition(Anchor, pictureWidth, pictureHeight, OverlayWidth,
                                     OverlayHeight, MarginV, MarginH, AnchorCentring::Overlay);
    return QRect(at.x(), at.y(), OverlayWidth, OverlayHeight);
}

void Tool_ab_depthmap::Apply(TPixelEngine& picture, const AfterburnerContext& context) const
{
    if (!context.WorkingDepthMap || context.WorkingDepthMap->Width() == 0)
        return;
    const QRect box = OverlayBox(picture.Width(), picture.Height());
    context.WorkingDepthMap->StretchDrawTo(picture, box.left(), box.top(), box.width(),
                                           box.height());
}

void Tool_ab_depthmap::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const
{
    Tool_ab::SaveToStream(stream, imageQuality);
    stream.WriteInt32(Anchor);
    stream.WriteInt32(OverlayWidth);
    stream.WriteInt32(OverlayHeight);
    stream.WriteByte(KeepAspect);
    stream.WriteInt32(MarginV);
    stream.WriteInt32(MarginH);
}

void Tool_ab_depthmap::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Anchor = ReadAfterburnerInt32(stream, kMinAnchor, kMaxAnchor, "Anchor");
    OverlayWidth = ReadAfterburnerInt32(stream, kMinOverlaySize, kMaxOverlaySize, "OverlayWidth");
    OverlayHeight = ReadAfterburnerInt32(stream, kMinOverlaySize, kMaxOverlaySize, "OverlayHeight");
    KeepAspect = ReadAfterburnerByte(stream, 1, "KeepAspect");
    MarginV = ReadAfterburnerInt32(stream, 0, kMaxMargin, "MarginV");
    MarginH = ReadAfterburnerInt32(stream, 0, kMaxMargin, "MarginH");
}

} // namespace lumora
