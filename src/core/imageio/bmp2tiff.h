#pragma once
// TIFF writing: little-endian, one uncompressed strip of 8-bit RGB, the
// directory after the pixels.

#include "imageio/bitmap.h"

#include <QByteArray>
#include <QString>

namespace lumora {

// Palette pictures are written in their 24-bit form. Throws LumoraError for
// an empty picture or one whose strip would not fit the 32-bit offsets.
QByteArray EncodeTIFF(const Bitmap& Picture);
void WriteTIFF(const QString& FileName, const Bitmap& Picture);

// The fixed software text of written files: 9 characters and the closing
// zero, 10 bytes.
inline constexpr char kTiffSoftware[] = "Lumora R2";
static_assert(sizeof(kTiffSoftware) == 10);

} // namespace lumora
