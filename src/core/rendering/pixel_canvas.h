#pragma once
// The drawing half shared by both pixel buffers: brush, pen, clip and the
// shapes, lines and text they draw into the buffer's QImage (Format_Grayscale8
// or Format_BGR888, top row first).
//
// Coverage rules: a rectangle (L, T, R, B) covers columns L..R-1 and rows
// T..B-1; ellipses, rounded rectangles and chords are inscribed in it and
// touch all four of its edges; polygons fill by the even-odd rule and their
// outline passes through the vertices; a one-pixel line leaves out its end
// point. Filled shapes, lines and blits are rasterised here row by row,
// because QPainter is slow on 8- and 24-bit images for anything but
// horizontal runs and its ellipses overshoot their rectangle; QPainter draws
// polygons, text and the outlines of wide pens, always without
// anti-aliasing.

#include "rendering/pixel_font.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>

class QPainter;
class QPainterPath;

namespace lumora {

class PixelCanvas
{
public:
    // image is the buffer's picture; it may be null (an empty buffer), and
    // every drawing operation then does nothing.
    explicit PixelCanvas(QImage& image);
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    // On a grey picture a colour draws as its blue byte.
    void SetBrush(Colour c) { brush_ = c; }
    Colour Brush() const { return brush_; }
    // A solid pen of the given width (below 1 counts as 1) in the current
    // brush colour; round joins, round or square end caps.
    void SetPen(int width, bool squareCaps);
    void SetClipRect(int left, int top, int right, int bottom);
    void ResetClip() { clipped_ = false; }
    // The part of the picture that drawing may change: the whole picture,
    // or its intersection with the clip rectangle. Blits into the buffer
    // honour it too.
    QRect DrawableArea() const;

    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void Polygon(const QPoint* points, int count);
    void Line(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const QString& text, const PixelFont& font);

    // Writes pixels x0..x1 (inclusive) of picture row y, which the caller
    // has already cut to the picture.
    void WriteRun(int y, int x0, int x1, Colour c);

private:
    // Direct writes into the picture's memory, fetched once per operation.
    struct RowWriter
    {
        uint8_t* bits;
        qsizetype stride;
        bool grey;
        void Run(int y, int x0, int x1, Colour c) const;
        void Pixel(int x, int y, Colour c) const;
    };
    RowWriter Writer();
    template <class SpanOf> void PaintSpanShape(int top, int bottom, SpanOf spanOf);
    void StrokeOutline(const QPainterPath& path);
    void BeginPainter(QPainter& painter);
    QColor PaintColour(Colour c) const;

    QImage& image_;
    Colour brush_ = 0xFFFFFF;
    Colour pen_ = 0xFFFFFF;
    int penWidth_ = 1;
    bool squareCaps_ = false;
    bool clipped_ = false;
    QRect clip_;
};

// The QFont a PixelFont stands for, without anti-aliasing: a cell height
// (ascent + descent) in pixels takes the largest pixel size whose cell
// does not exceed it; a negative cell height is a character (em) height;
// otherwise Size points at 96 pixels per inch. An average character width
// stretches the face to reach it.
QFont MakeQFont(const PixelFont& font);
int TextWidthOf(const QString& text, const PixelFont& font);
int TextHeightOf(const QString& text, const PixelFont& font);

// Nearest-pixel scaling that deletes (or repeats) rows and columns: the
// source index for destination offset k of an extent of destExtent pixels
// showing sourceExtent pixels, sampled at pixel centres.
inline int NearestSource(int k, int destExtent, int sourceExtent)
{
    return static_cast<int>((2 * static_cast<int64_t>(k) + 1) * sourceExtent /
                            (2 * static_cast<int64_t>(destExtent)));
}

// Allocates a zeroed picture; throws LumoraError when the memory cannot be
// had. Sizes below 1 in either direction give a null picture.
QImage AllocatePicture(int width, int height, QImage::Format format);

} // namespace lumora
