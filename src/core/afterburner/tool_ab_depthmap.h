#pragma once
// Tool_ab_depthmap (kind 6): a small copy of the depth map as designed,
// shown in greys as a legend of what the stereogram hides.

#include "afterburner/afterburner_anchor.h"
#include "afterburner/tool_ab.h"

#include <QRect>

namespace lumora {

class Tool_ab_depthmap : public Tool_ab
{
public:
    static constexpr int32_t KindCode = 6;
    static constexpr int32_t kMinOverlaySize = 1;
    static constexpr int32_t kMaxOverlaySize = 1000000;
    static constexpr int32_t kMaxMargin = 1000000;
    static constexpr int32_t kNewOverlayWidth = 100;

    Tool_ab_depthmap() : Tool_ab(KindCode) {}
    Tool_ab_depthmap(const Tool_ab_depthmap&) = default;

    int32_t Anchor = kAnchorTopLeft;
    int32_t OverlayWidth = kNewOverlayWidth;
    int32_t OverlayHeight = kNewOverlayWidth;
    uint8_t KeepAspect = 1; // width and height linked to the depth map's aspect ratio
    int32_t MarginV = 0;
    int32_t MarginH = 0;

    // The dialog's values for a new object: width 100 with the link on, so
    // that the height follows the depth map's proportions.
    static Tool_ab_depthmap ForNewObject(int32_t depthMapWidth, int32_t depthMapHeight);

    // The dialog's linked fields: editing the width (or the height) while
    // the link is on sets the other side; turning the link on applies the
    // width rule at once. The depth map is the working depth map at the
    // composer size.
    void SetOverlayWidth(int32_t width, int32_t depthMapWidth, int32_t depthMapHeight);
    void SetOverlayHeight(int32_t height, int32_t depthMapWidth, int32_t depthMapHeight);
    void SetKeepAspect(bool on, int32_t depthMapWidth, int32_t depthMapHeight);

    // The overlay's box in a picture of the given size.
    QRect OverlayBox(int32_t pictureWidth, int32_t pictureHeight) const;

    // Scales the context's working depth map into the box; nothing without
    // one.
    void Apply(TPixelEngine& picture, const AfterburnerContext& context) const override;
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_ab> Clone() const override { return CloneAs(*this); }
};

// The linked side of the overlay: Round(width / (dmW / dmH)) and
// Round(height x (dmW / dmH)), kept within the overlay sizes. A depth map
// without area leaves the other side as it is (answered as given).
int32_t OverlayHeightForWidth(int32_t width, int32_t depthMapWidth, int32_t depthMapHeight,
                              int32_t currentHeight);
int32_t OverlayWidthForHeight(int32_t height, int32_t depthMapWidth, int32_t depthMapHeight,
                              int32_t currentWidth);

} // namespace lumora
