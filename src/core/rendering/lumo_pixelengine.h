#pragma once
// TPixelEngine: a 24-bit colour buffer, bytes blue, green, red per pixel,
// rows padded to 4 bytes. Memory rows run bottom-up: Row(0) is the bottom
// picture row, so picture row y is memory row Height() - 1 - y. Drawing and
// blits take picture coordinates (0, 0 at the top left).
//
// The pixels live in a QImage (Format_BGR888) that is never shared, so the
// row pointers stay valid for the buffer's whole life. Rows are 4-byte
// aligned but the table is the only way to reach them: Row(i + 1) lies
// Stride bytes *before* Row(i).

#include "common/random_generator.h"
#include "rendering/pixel_canvas.h"
#include "rendering/pixel_font.h"

#include <QImage>
#include <cstdint>
#include <vector>

class QPainter;
class QString;

namespace lumora {

class TPixelEngine256;

class TPixelEngine
{
public:
    // Pixels start black. A width or height below 1 gives an empty buffer
    // (width and height 0, no rows) on which every operation does nothing;
    // a picture too large for memory throws LumoraError.
    TPixelEngine(int width, int height);
    // The loading form: copies (scales, if sizes differ) a picture.
    TPixelEngine(int width, int height, const QImage& source);
    TPixelEngine(const TPixelEngine&) = delete;
    TPixelEngine& operator=(const TPixelEngine&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    int Padding() const { return padding_; }
    int ImageSize() const { return stride_ * height_; }

    // Memory row i (0 = bottom picture row).
    uint8_t* Row(int i) { return rows_[static_cast<size_t>(i)]; }
    const uint8_t* Row(int i) const { return rows_[static_cast<size_t>(i)]; }
    uint8_t* const* Rows() { return rows_.data(); }
    const uint8_t* const* Rows() const { return rows_.data(); }

    // Picture-coordinate pixel access, for tests and small loops; outside
    // the picture Pixel answers 0 and SetPixel does nothing.
    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);
    void FillColour(Colour c);

    // Drawing state.
    void SetBrushColor(Colour c);
    Colour BrushColor() const { return canvas_.Brush(); }
    // The pen takes the brush colour of this moment; set the brush first.
    void SetPen(int width, bool squareCaps);
    void SetClipRect(int left, int top, int right, int bottom);
    void ResetClip();
    PixelFont Font;

    // Canvas drawing; right and bottom edges exclusive.
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    void Line(int x1, int y1, int x2, int y2);
    // Text needs a QGuiApplication.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // Blits into another colour buffer, picture coordinates, cut to the
    // target and its clip rectangle.
    void DrawTo(TPixelEngine& target, int x, int y) const;
    void StretchDrawTo(TPixelEngine& target, int x, int y, int w, int h) const;
    void DrawPartTo(TPixelEngine& target, int x, int y, int w, int h, int sourceX,
                    int sourceY) const;
    // Blits onto a window or any other painter.
    void DrawTo(QPainter& target, int x, int y) const;
    void StretchDrawTo(QPainter& target, int x, int y, int w, int h) const;

    // Conversions.
    void LoadFromBitmap(const QImage& picture); // scaled to fill the buffer, nearest pixel
    QImage ToQImage() const;                    // a deep copy, top row first

    // Whole-buffer operations.
    void Greyscale(bool invert);
    void GreyscaleMapped(const uint8_t table[256], bool invert);
    // Inside memory rows top..bottom and columns left..right (inclusive)
    // as GreyscaleMapped; every other pixel is tinted.
    void GreyscaleMappedInRect(const uint8_t table[256], int left, int top, int right, int bottom);
    void CopyExceptKey(const TPixelEngine& source, int keyRed, int keyGreen, int keyBlue,
                       int tolerance);

    // Image effects, in place, clamped to 0..255.
    void Brightness(int a);
    void Contrast(int a);
    void Solarize(int t);
    void Posterize(int a);
    void Ripple(int a);
    void Spray(int a, RandomGenerator& random);
    void Invert();
    void MirrorLeftHalf();
    void MirrorTopHalf();

private:
    friend class TPixelEngine256;
    void BindRows();
    bool SameSize(int width, int height) const { return width == width_ && height == height_; }
    QImage image_;
    PixelCanvas canvas_{image_};
    std::vector<uint8_t*> rows_;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    int padding_ = 0;
};

} // namespace lumora
