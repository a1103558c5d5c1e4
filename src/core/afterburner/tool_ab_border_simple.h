#pragma once
// Tool_ab_border_simple (kind 1): a plain coloured border of one thickness
// on any of the four sides.

#include "afterburner/tool_ab.h"

namespace lumora {

class Tool_ab_border_simple : public Tool_ab
{
public:
    static constexpr int32_t KindCode = 1;
    // "Size:" of the dialog.
    static constexpr int32_t kMinBorderSize = 1;
    static constexpr int32_t kMaxBorderSize = 255;

    Tool_ab_border_simple() : Tool_ab(KindCode) {}
    Tool_ab_border_simple(const Tool_ab_border_simple&) = default;

    int32_t BorderSize = 10;
    uint8_t SideLeft = 1;
    uint8_t SideRight = 1;
    uint8_t SideTop = 1;
    uint8_t SideBottom = 1;
    uint8_t ColourRed = 0;
    uint8_t ColourGreen = 0;
    uint8_t ColourBlue = 0;

    // Fills top, bottom, left and right strips (each side that is on) in
    // the border colour.
    void Apply(TPixelEngine& picture, const AfterburnerContext& context) const override;
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_ab> Clone() const override { return CloneAs(*this); }
};

} // namespace lumora
