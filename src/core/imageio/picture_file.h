#pragma once
// The one convention all picture open and save dialogs share: the reader is
// chosen by the file name's extension, the writer by the chosen save filter.

#include "imageio/bitmap.h"

#include <QString>
#include <QStringList>

namespace lumora {

enum class PictureFileKind
{
    Unknown,
    Bmp,
    Jpeg,
    Pcx,
    Targa,
    Png,
};

// By extension, without regard to case: .bmp, .jpg (and .jpeg), .pcx, .tga,
// .png; anything else is Unknown.
PictureFileKind PictureFileKindOf(const QString& FileName);

// The open dialogs' filters: "Alle Dateien (*.*)", then one per readable
// format.
QStringList PictureOpenFilters();

// The save dialogs' filters, in the order of FilterIndex 1 to 5.
QStringList PictureSaveFilters();

enum PictureSaveFilter
{
    kSaveBmp = 1,   // 24-bit BMP
    kSaveJpeg = 2,  // JPEG at quality 80
    kSaveTarga = 3, // WriteTGA
    kSaveTiff = 4,  // WriteTIFF
    kSavePng = 5,   // PNG
};

// The extension's reader, and the picture set to 24 bits per pixel. Throws
// LumoraError naming the file when it cannot be opened, has an extension no
// reader takes, or is not a picture of its kind (damaged, unsupported).
Bitmap LoadPictureFile(const QString& FileName);

// Writes Picture in the format of FilterIndex (PictureSaveFilter), whatever
// the extension of FileName says. Throws LumoraError for an empty picture,
// an unknown FilterIndex or a file that cannot be written; the previous file
// of that name is kept then.
void SavePictureFile(const QString& FileName, const Bitmap& Picture, int FilterIndex);

// The save filter that writes the format an extension asks for (.bmp, .jpg,
// .jpeg, .tga, .tif, .tiff, .png), or 0 for any other extension.
int SaveFilterForExtension(const QString& FileName);

} // namespace lumora
