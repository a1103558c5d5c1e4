#pragma once
// JPEG through libjpeg: decoding into 24-bit colour, encoding 24-bit colour
// at a given quality (80 for picture files).

#include "imageio/bitmap.h"

#include <QByteArray>

namespace lumora {

inline constexpr int kJpegFileQuality = 80;

// Throws LumoraError with libjpeg's text for a damaged file, and for one that
// ends before its last row.
Bitmap DecodeJPEG(const QByteArray& data);

// Palette pictures are encoded in their 24-bit form. Throws LumoraError for
// an empty picture.
QByteArray EncodeJPEG(const Bitmap& Picture, int quality = kJpegFileQuality);

} // namespace lumora
