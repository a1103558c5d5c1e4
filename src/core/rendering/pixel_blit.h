#pragma once
// Copies between the pictures of pixel buffers (Format_Grayscale8 or
// Format_BGR888, top row first). A grey source copied into a colour target
// becomes (v, v, v). Every copy is cut to the source, the target and the
// target's drawable area; a source that is also the target is read as it
// was before the copy.

#include <QImage>
#include <QRect>

namespace lumora {

// The w x h part of source whose top-left corner is (sourceX, sourceY),
// 1:1 to (x, y).
void CopyPicturePart(const QImage& source, QImage& target, const QRect& drawable, int x, int y,
                     int w, int h, int sourceX, int sourceY);

// The whole source scaled into the w x h rectangle at (x, y), nearest
// pixel (rows and columns are deleted or repeated, never averaged).
// Rectangles without area draw nothing.
void StretchPicture(const QImage& source, QImage& target, const QRect& drawable, int x, int y,
                    int w, int h);

// A read-only view of a picture for painting it elsewhere; it shares the
// memory without taking a reference, so the picture itself is never shared.
QImage PictureView(const QImage& picture);

} // namespace lumora
