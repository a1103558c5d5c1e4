#pragma once
// Tool_ab_text (kind 4): one line of text anchored to a corner or the
// middle of the top or bottom edge, optionally on a box of a background
// colour.

#include "afterburner/afterburner_anchor.h"
#include "afterburner/tool_ab.h"
#include "rendering/pixel_font.h"

#include <QRect>

namespace lumora {

class Tool_ab_text : public Tool_ab
{
public:
    static constexpr int32_t KindCode = 4;
    // "Font Size:" in points, and the margins' range.
    static constexpr int32_t kMinFontSize = 1;
    static constexpr int32_t kMaxFontSize = 100000;
    static constexpr int32_t kMaxMargin = 1000000;

    Tool_ab_text() : Tool_ab(KindCode) {}
    Tool_ab_text(const Tool_ab_text&) = default;

    QString Text = QStringLiteral("Text");
    QString FontName = QStringLiteral("Arial");
    int32_t FontSize = 12; // points, at the screen's 96 pixels per inch
    uint8_t Bold = 0;
    uint8_t Italic = 0;
    uint8_t Underline = 0;
    uint8_t StrikeOut = 0;
    Colour TextColour = 0;
    Colour BackColour = 0;
    uint8_t BackOn = 0; // "Background Color:" box behind the text
    int32_t Anchor = kAnchorTopLeft;
    int32_t MarginV = 0;
    int32_t MarginH = 0;

    // The font the text is drawn in.
    PixelFont TextFont() const;
    // The text's box (its width and height in that font, placed by the
    // anchor) in a picture of the given size. Needs a QGuiApplication.
    QRect TextBox(int32_t pictureWidth, int32_t pictureHeight) const;

    void Apply(TPixelEngine& picture, const AfterburnerContext& context) const override;
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_ab> Clone() const override { return CloneAs(*this); }
};

} // namespace lumora
