#pragma once
// Writes picture libraries (.llb): the header, the version, the thumbnail
// size, the four texts, the index and, per picture, its name, description,
// thumbnail and picture (JPEG streams).

#include "app/picture_library.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace lumora {

struct LibraryPictureSource
{
    QString Name;
    QString Description;
    QImage Picture;
};

struct LibrarySource
{
    LibraryTexts Texts;
    int ThumbnailWidth = 60;
    int ThumbnailHeight = 60;
    std::vector<LibraryPictureSource> Pictures;
};

inline constexpr int kLibraryPictureQuality = 92;
inline constexpr int kLibraryThumbnailQuality = 85;

// The picture fitted into width x height with its proportions kept, on a
// white ground.
QImage MakeThumbnail(const QImage& picture, int width, int height);

// Throws LumoraError for a text longer than 255 characters or one that
// Windows-1252 cannot hold, an empty picture, a thumbnail size outside
// 1..1024, and a library too large for 32-bit offsets.
QByteArray EncodePictureLibrary(const LibrarySource& library);

} // namespace lumora
