#pragma once
// Tool_ab_border_frame (kind 2): a frame given as a grey mask, scaled to
// the picture and blended with the frame colour: where the mask is white
// the stereogram shows through, where it is black the frame colour.

#include "afterburner/tool_ab.h"

namespace lumora {

class TPixelEngine;
class TPixelEngine256;

class Tool_ab_border_frame : public Tool_ab
{
public:
    static constexpr int32_t KindCode = 2;

    Tool_ab_border_frame();
    Tool_ab_border_frame(const Tool_ab_border_frame& other);
    ~Tool_ab_border_frame() override;

    std::unique_ptr<TPixelEngine256> Mask; // at its own size; null until one is given
    uint8_t InvertMask = 0;                // "Frame invertieren"
    uint8_t ColourRed = 0;
    uint8_t ColourGreen = 0;
    uint8_t ColourBlue = 0;
    uint8_t Tolerance = 0;
    uint8_t Transparency = 0;

    bool HasMask() const;
    // The mask of a frame picture at the picture's own size: its grey
    // (Greyscale, not inverted), taken as the mask values.
    void SetMaskFromPicture(const TPixelEngine& picture);
    // Replaces the mask by a copy.
    void SetMask(const TPixelEngine256& mask);

    void Apply(TPixelEngine& picture, const AfterburnerContext& context) const override;
    // Throws LumoraError for a frame without a mask.
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_ab> Clone() const override { return CloneAs(*this); }
    bool IsComplete() const override { return HasMask(); }
};

} // namespace lumora
