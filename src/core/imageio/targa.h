#pragma once
// Truevision Targa reading (image types 1, 2, 3 and their run-length forms
// 9, 10, 11; 1, 8, 16, 24 and 32 bits per pixel; either row order) and
// writing (uncompressed 24-bit, rows from the top down).

#include "imageio/bitmap.h"

#include <QByteArray>
#include <QString>

namespace lumora {

// Decodes a whole Targa file held in memory into the file's own pixel
// format. Throws LumoraError with a user text for an unsupported or damaged
// file.
Bitmap DecodeTGA(const QByteArray& data);

// Reads FileName into Picture. Picture is emptied first, so on any failure
// (LumoraError, naming the file) it is the empty picture.
void ReadTGA(const QString& FileName, Bitmap& Picture);

// The written layout: 18-byte header, the 46-byte ID text, then the rows
// from the top down as blue, green, red without padding. Palette pictures
// are written in their 24-bit form. Throws LumoraError for an empty picture.
QByteArray EncodeTGA(const Bitmap& Picture);
void WriteTGA(const QString& FileName, const Bitmap& Picture);

// The fixed ID text of written files, exactly 46 characters.
inline constexpr char kTargaImageId[] = "Written by Lumora R2, single-image stereograms";
static_assert(sizeof(kTargaImageId) == 46 + 1);

} // namespace lumora
