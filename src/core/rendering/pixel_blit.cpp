#include "rendering/pixel_blit.h"

#include "rendering/pixel_canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lumora {

namespace {

int BytesPerPixel(const QImage& picture)
{
    return picture.format() == QImage::Format_Grayscale8 ? 1 : 3;
}

// Writes count pixels read from the source columns listed (or from
// consecutive columns starting at first when columns is empty).
void CopyPixels(const uint8_t* from, int fromBytes, uint8_t* to, int toBytes, int count,
                const int* columns)
{
    if (!columns && fromBytes == toBytes) {
        std::memcpy(to, from, static_cast<size_t>(count) * toBytes);
        return;
    }
    for (int i = 0; i < count; ++i) {
        const uint8_t* p = from + static_cast<size_t>(columns ? columns[i] : i) * fromBytes;
        uint8_t* q = to + static_cast<size_t>(i) * toBytes;
        if (fromBytes == toBytes) {
            std::memcpy(q, p, static_cast<size_t>(toBytes));
        } else if (fromBytes == 1) {
            q[0] = q[1] = q[2] = p[0];
        } else {
            q[0] = p[0]; // a colour pixel taken into a grey picture keeps its blue byte
        }
    }
}

// A copy of the source when it is the target itself, else the source.
QImage Independent(const QImage& source, const QImage& target)
{
    return &source == &target ? source.copy() : PictureView(source);
}

} // namespace

QImage PictureView(const QImage& picture)
{
    if (picture.isNull())
        return {};
    return QImage(picture.constBits(), picture.width(), picture.height(), picture.bytesPerLine(),
                  picture.format());
}

void CopyPicturePart(const QImage& source, QImage& target, const QRect& drawable, int x, int y,
                     int w, int h, int sourceX, int sourceY)
{
    if (source.isNull() || target.isNull() || w <= 0 || h <= 0)
        return;
    // Destination columns and rows that are inside the part, the source
    // and the drawable area.
    const int64_t shiftX = static_cast<int64_t>(sourceX) - x;
    const int64_t shiftY = static_cast<int64_t>(sourceY) - y;
    const int64_t left = std::max<int64_t>({x, drawable.left(), -shiftX});
    const int64_t right = std::min<int64_t>(
        {static_cast<int64_t>(x) + w - 1, drawable.right(), source.width() - 1 - shiftX});
    const int64_t top = std::max<int64_t>({y, drawable.top(), -shiftY});
    const int64_t bottom = std::min<int64_t>(
        {static_cast<int64_t>(y) + h - 1, drawable.bottom(), source.height() - 1 - shiftY});
    if (left > right || top > bottom)
        return;
    const QImage from = Independent(source, target);
    const int fromBytes = BytesPerPixel(from);
    const int toBytes = BytesPerPixel(target);
    const int count = static_cast<int>(right - left + 1);
    for (int64_t ty = top; ty <= bottom; ++ty) {
        const uint8_t* p =
            from.constScanLine(static_cast<int>(ty + shiftY)) + (left + shiftX) * fromBytes;
        uint8_t* q = target.scanLine(static_cast<int>(ty)) + left * toBytes;
        CopyPixels(p, fromBytes, q, toBytes, count, nullptr);
    }
}

void StretchPicture(const QImage& source, QImage& target, const QRect& drawable, int x, int y,
                    int w, int h)
{
    if (source.isNull() || target.isNull() || w <= 0 || h <= 0)
        return;
    const int64_t left = std::max<int64_t>(x, drawable.left());
    const int64_t right = std::min<int64_t>(static_cast<int64_t>(x) + w - 1, drawable.right());
    const int64_t top = std::max<int64_t>(y, drawable.top());
    const int64_t bottom = std::min<int64_t>(static_cast<int64_t>(y) + h - 1, drawable.bottom());
    if (left > right || top > bottom)
        return;
    const QImage from = Independent(source, target);
    std::vector<int> columns(static_cast<size_t>(right - left + 1));
    for (size_t i = 0; i < columns.size(); ++i)
        columns[i] =
            NearestSource(static_cast<int>(left - x + static_cast<int64_t>(i)), w, from.width());
    const int fromBytes = BytesPerPixel(from);
    const int toBytes = BytesPerPixel(target);
    for (int64_t ty = top; ty <= bottom; ++ty) {
        const int sy = NearestSource(static_cast<int>(ty - y), h, from.height());
        CopyPixels(from.constScanLine(sy), fromBytes,
                   target.scanLine(static_cast<int>(ty)) + left * toBytes, toBytes,
                   static_cast<int>(columns.size()), columns.data());
    }
}

} // namespace lumora
