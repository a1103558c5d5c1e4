#pragma once
// Tool_dm_line (kind 3): a straight line of one depth along a diagonal of
// the object's rectangle, drawn with a pen of Thickness pixels. Which
// diagonal follows from the direction of the drag that made it and the
// mirror flags; the ends are inset so the caps stay inside the rectangle.

#include "depthmap/tool_dm.h"

#include <QPoint>

namespace lumora {

class Tool_dm_line : public Tool_dm
{
public:
    static constexpr int32_t KindCode = 3;
    static constexpr int32_t MinThickness = 1;
    static constexpr int32_t MaxThickness = 100000;

    // Drag directions: 1 = increasing coordinate, 2 = none, 3 = decreasing.
    Tool_dm_line() : Tool_dm_line(0, 0, 0, 0, 0, 2, 2) {}
    Tool_dm_line(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height, uint8_t dirX,
                 uint8_t dirY);

    int32_t Thickness = 2;
    uint8_t DirX = 2;
    uint8_t DirY = 2;
    uint8_t CapStyle = 0; // 0 = round ends, 1 = square ends

    struct Segment
    {
        QPoint From;
        QPoint To;
        int32_t Inset = 0;
        bool Rising = false;
    };
    // Where Render at (x, y, w, h) draws the line.
    Segment SegmentFor(int32_t x, int32_t y, int32_t w, int32_t h) const;
    bool DragWasRising() const;

    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

    // 1 when a < b, 2 when equal, 3 when b < a.
    static uint8_t DragDirection(int32_t a, int32_t b);
};

} // namespace lumora
