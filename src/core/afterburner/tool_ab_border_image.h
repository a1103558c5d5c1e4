#pragma once
// Tool_ab_border_image (kind 3): a picture scaled over the whole stereogram,
// with the pixels near a key colour left transparent.

#include "afterburner/tool_ab.h"

namespace lumora {

class TPixelEngine;

class Tool_ab_border_image : public Tool_ab
{
public:
    static constexpr int32_t KindCode = 3;

    Tool_ab_border_image();
    Tool_ab_border_image(const Tool_ab_border_image& other);
    ~Tool_ab_border_image() override;

    std::unique_ptr<TPixelEngine> Picture; // 24-bit, at its own size; null until one is given
    uint8_t KeyRed = 0;                    // "Key Farbe:"
    uint8_t KeyGreen = 0;
    uint8_t KeyBlue = 0;
    uint8_t KeyTolerance = 0;

    bool HasPicture() const;
    // Replaces the picture by a copy.
    void SetPicture(const TPixelEngine& picture);
    // The dialog's click on its picture preview: the key colour becomes the
    // picture's pixel at (x, y), picture coordinates. Answers false (and
    // keeps the key) outside the picture.
    bool PickKeyColour(int x, int y);

    void Apply(TPixelEngine& picture, const AfterburnerContext& context) const override;
    // Throws LumoraError for an image border without a picture.
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_ab> Clone() const override { return CloneAs(*this); }
    bool IsComplete() const override { return HasPicture(); }
};

} // namespace lumora
