#pragma once
// Tool_dm_Text (kind 5): a line of text in one depth, stretched to the
// object's rectangle: the cell height is the rectangle's height and the
// character width is corrected once so the text fills its width.

#include "depthmap/tool_dm.h"

namespace lumora {

class Tool_dm_Text : public Tool_dm
{
public:
    static constexpr int32_t KindCode = 5;

    Tool_dm_Text() : Tool_dm_Text(0, 0, 0, 0, 0, QString()) {}
    Tool_dm_Text(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                 const QString& text);

    QString Text;
    QString FontName = QStringLiteral("Arial");
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    // The two character widths Render uses for a rectangle w pixels wide:
    // the first guess w div len, then corrected by the measured width.
    struct CharacterWidths
    {
        int32_t First = 0;
        int32_t Measured = 0;
        int32_t Corrected = 0;
    };
    CharacterWidths WidthsFor(TPixelEngine256& engine, int32_t w, int32_t h) const;

    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

private:
    void SetFont(TPixelEngine256& engine, int32_t cellHeight, int32_t averageWidth) const;
};

} // namespace lumora
