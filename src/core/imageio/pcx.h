#pragma once
// ZSoft Paintbrush (PCX) reading: 1 bit with 1 plane (black and white),
// 1 bit with 4 planes (16 colours from the header palette), 8 bits with
// 1 plane (256 colours from the palette at the end) and 8 bits with 3 planes
// (24-bit colour), all run-length encoded.

#include "imageio/bitmap.h"

#include <QByteArray>
#include <QString>

namespace lumora {

// Decodes a whole PCX file held in memory into the file's own pixel format.
// Throws LumoraError with a user text for a file that is not PCX, has a
// layout other than the four above, or is damaged.
Bitmap DecodePCX(const QByteArray& data);

// Reads FileName into Picture. Picture is emptied first, so on any failure
// (LumoraError, naming the file) it is the empty picture.
void ReadPCX(const QString& FileName, Bitmap& Picture);

} // namespace lumora
