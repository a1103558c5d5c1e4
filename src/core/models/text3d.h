#pragma once
// The 3D text of the 3D dialog: glyph models built from the outlines of a
// TrueType font, in units where the font's em height is 1.0, with filled
// front faces in the plane z = 0 extruded toward negative z. The text's
// characters (Windows-1252 codes) are drawn one after another from the
// origin, each moved right by the advance widths of those before it.

#include "models/model3d.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace lumora {

struct Text3DFont
{
    QString FontName = QStringLiteral("Arial");
    bool Bold = false;
    bool Italic = false;
    // Kept with the object; glyph outlines carry no underline or strike-out.
    bool Underline = false;
    bool StrikeOut = false;
    bool operator==(const Text3DFont&) const = default;
};

struct GlyphModel
{
    std::vector<Triangle> Triangles;
    double Advance = 0; // em units
};

class Text3D
{
public:
    Text3D();
    ~Text3D();
    Text3D(const Text3D&) = delete;
    Text3D& operator=(const Text3D&) = delete;

    // Text_laden: keeps the text and builds the glyph models of the font at
    // the extrusion depth (em units). An empty text builds nothing.
    void Text_laden(const QString& text, const Text3DFont& font, double extrusion);
    // Changing the text only repaints: the glyph models stay.
    void SetText(const QString& text);
    // Forgets the glyph models (ClearLists).
    void ClearGlyphs();

    const QString& Text() const { return text_; }
    bool HasGlyphs() const { return built_; }

    // The glyph model of one character code; built on first use.
    const GlyphModel& Glyph(uint8_t code) const;

    // The triangles of the whole text, laid out by advance widths.
    std::vector<Triangle> LayoutTriangles() const;

private:
    QString text_;
    Text3DFont font_;
    double extrusion_ = 0.5;
    bool built_ = false;
    struct FontOutlines;
    std::unique_ptr<FontOutlines> outlines_;
    mutable std::array<std::optional<GlyphModel>, 256> glyphs_;
};

// Filled triangles of closed outlines under the odd winding rule (exposed
// for tests).
std::vector<std::array<Vec3, 3>> TessellateOutlines(const std::vector<std::vector<Vec3>>& contours);

} // namespace lumora
