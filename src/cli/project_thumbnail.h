#pragma once
// Thumbnails of project files for file managers: the rendered stereogram
// when the project was saved after a render, otherwise its depth map.

#include <QImage>
#include <QSize>
#include <QString>

namespace lumora::cli {

inline constexpr int kMinThumbnailSize = 1;
inline constexpr int kMaxThumbnailSize = 1024;

// A picture of pictureSize scaled with its proportions kept so that its
// longer side is size pixels; the shorter side is at least 1.
QSize ThumbnailSizeOf(const QSize& pictureSize, int size);

// The project's thumbnail, its longer side size pixels. Random tiles are
// drawn from a fixed seed, so a project always gets the same thumbnail.
// Throws LumoraError (with the file's name) for a missing, foreign or
// damaged project file.
QImage ProjectThumbnail(const QString& projectPath, int size);

// ProjectThumbnail written to outputPath as PNG; throws LumoraError when
// the file cannot be written.
void WriteProjectThumbnail(const QString& projectPath, int size, const QString& outputPath);

} // namespace lumora::cli
