#pragma once
// Tool_ab_spot (kind 5): two viewing-aid spots one tile width apart,
// symmetric about the picture's centre, near the top or the bottom edge.
// Fused, the two spots become three, which tells the eyes they diverge by
// the right amount.

#include "afterburner/tool_ab.h"
#include "rendering/pixel_font.h"

#include <QRect>
#include <utility>

namespace lumora {

class Tool_ab_spot : public Tool_ab
{
public:
    static constexpr int32_t KindCode = 5;
    static constexpr int32_t kShapeEllipse = 1;
    static constexpr int32_t kShapeRectangle = 2;
    static constexpr int32_t kPositionTop = 1;
    static constexpr int32_t kPositionBottom = 2;
    // What a stored record may hold: spots no larger than the largest
    // render, outlines no wider than the largest spot.
    static constexpr int32_t kMaxSpotSize = 10000;
    static constexpr int32_t kMaxMargin = 1000000;

    Tool_ab_spot() : Tool_ab(KindCode) {}
    Tool_ab_spot(const Tool_ab_spot&) = default;

    int32_t SpotWidth = 12;
    int32_t SpotHeight = 12;
    int32_t OutlineSize = 1; // outline pen width in pixels
    int32_t Margin = 1;      // from the top or bottom edge
    int32_t Shape = kShapeEllipse;
    int32_t FillColour = 0;           // 0x00BBGGRR
    int32_t OutlineColour = 0xFFFFFF; // 0x00BBGGRR
    int32_t SpotPosition = kPositionTop;

    // The boxes of the left and the right spot in a picture of the given
    // width and height, for a stereogram of the given tile width.
    std::pair<QRect, QRect> SpotBoxes(int32_t pictureWidth, int32_t pictureHeight,
                                      int32_t tileWidth) const;

    void Apply(TPixelEngine& picture, const AfterburnerContext& context) const override;
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_ab> Clone() const override { return CloneAs(*this); }
};

} // namespace lumora
