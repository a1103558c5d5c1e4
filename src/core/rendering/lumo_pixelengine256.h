#pragma once
// TPixelEngine256: an 8-bit grey buffer (depth maps, masks, grey pictures
// of depth objects), rows padded to 4 bytes and counted bottom-up like
// TPixelEngine. A drawing colour is a grey level and lands as that byte.
//
// The pixels live in a QImage (Format_Grayscale8) that is never shared.
// As in TPixelEngine, Row(i + 1) lies Stride bytes before Row(i).

#include "rendering/pixel_canvas.h"
#include "rendering/pixel_font.h"

#include <QImage>
#include <QPoint>
#include <cstdint>
#include <vector>

class QPainter;
class QString;

namespace lumora {

class TPixelEngine;

class TPixelEngine256
{
public:
    // Pixels start at 0. A width or height below 1 gives an empty buffer
    // (width and height 0, no rows); a picture too large for memory throws
    // LumoraError.
    TPixelEngine256(int width, int height);
    TPixelEngine256(const TPixelEngine256&) = delete;
    TPixelEngine256& operator=(const TPixelEngine256&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    int Padding() const { return stride_ - width_; }
    int ImageSize() const { return stride_ * height_; }

    uint8_t* Row(int i) { return rows_[static_cast<size_t>(i)]; }
    const uint8_t* Row(int i) const { return rows_[static_cast<size_t>(i)]; }
    uint8_t* const* Rows() { return rows_.data(); }
    const uint8_t* const* Rows() const { return rows_.data(); }

    uint8_t Pixel(int x, int y) const; // picture coordinates; 0 outside
    void SetPixel(int x, int y, uint8_t v);

    // Drawing state.
    void SetBrushGrey(int level); // levels outside 0..255 are clamped
    int BrushGrey() const { return BlueOf(canvas_.Brush()); }
    // The pen takes the brush grey of this moment; set the brush first.
    void SetPen(int width, bool squareCaps);
    void SetClipRect(int left, int top, int right, int bottom);
    void ResetClip();
    PixelFont Font; // Font.Color is used as a grey: its blue byte

    // Canvas drawing; right and bottom edges exclusive.
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void Polygon(const std::vector<QPoint>& points); // even-odd fill, outlined with the pen
    void Line(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const QString& text); // needs a QGuiApplication
    int TextWidth(const QString& text) const;

    // Blits, picture coordinates, cut to the target and its clip rectangle.
    void DrawTo(TPixelEngine256& target, int x, int y) const;
    void StretchDrawTo(TPixelEngine256& target, int x, int y, int w, int h) const;
    void StretchDrawTo(TPixelEngine& target, int x, int y, int w, int h) const; // as greys
    void DrawPartTo(TPixelEngine256& target, int x, int y, int w, int h, int sourceX,
                    int sourceY) const;
    void DrawTo(QPainter& target, int x, int y) const;
    void StretchDrawTo(QPainter& target, int x, int y, int w, int h) const;

    // Conversions.
    void FromColour(const TPixelEngine& colour); // blue byte of each pixel
    void ToColour(TPixelEngine& colour) const;   // (v, v, v)
    // 8-bit indexed picture with the grey palette; memory row i becomes
    // picture row i, so the picture shows the buffer upside down.
    QImage SaveToBitmap() const;
    QImage ToQImage() const; // a deep copy, top row first

    // Whole-buffer operations.
    void Fill(uint8_t v);
    // Writes straight into memory, ignoring the clip rectangle; cut to the
    // picture.
    void FillRect(int x1, int y1, int x2, int y2, uint8_t v);
    void MapLevels(const uint8_t table[256], bool invert);
    void Invert();
    void FlipHorizontal();
    void FlipVertical();
    void BlitKeyed(TPixelEngine256& target, int x, int y, uint8_t key) const;
    void BlitKeyedPart(TPixelEngine256& target, int left, int top, int right, int bottom, int x,
                       int y, uint8_t key) const;
    void BlendWithColour(TPixelEngine& target, bool invert, int transparency, int tolerance,
                         Colour colour) const;

private:
    void BindRows();
    bool SameSize(int width, int height) const { return width == width_ && height == height_; }
    QImage image_;
    PixelCanvas canvas_{image_};
    std::vector<uint8_t*> rows_;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
};

} // namespace lumora
