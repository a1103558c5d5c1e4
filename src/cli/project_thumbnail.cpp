#include "project_thumbnail.h"

#include "common/lumora_error.h"
#include "common/random_generator.h"
#include "project/project.h"
#include "project/project_file.h"
#include "project/render_stereogram.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "tilemap/tile_random_source.h"

#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace lumora::cli {

namespace {

constexpr uint32_t kThumbnailSeed = 1;

QImage RenderedStereogram(Project& project)
{
    RandomGenerator random;
    TileRandomSource tiles(random, kThumbnailSeed);
    RenderStereogram(project, tiles);
    return project.Afterburner.Picture()->ToQImage();
}

// What the file manager shows: the stereogram when the project held one
// (and can be rendered again), otherwise the depth map as designed.
QImage ThumbnailPicture(Project& project)
{
    if (project.Rendered() && project.CanRender())
        return RenderedStereogram(project);
    return project.PaintWorkingDepthMap().ToQImage();
}

} // namespace

QSize ThumbnailSizeOf(const QSize& pictureSize, int size)
{
    const int longer = std::max(pictureSize.width(), pictureSize.height());
    const auto scaled = [longer, size](int side) {
        return std::max(1,
                        static_cast<int>(std::lround(static_cast<double>(side) * size / longer)));
    };
    if (pictureSize.width() >= pictureSize.height())
        return QSize(size, scaled(pictureSize.height()));
    return QSize(scaled(pictureSize.width()), size);
}

QImage ProjectThumbnail(const QString& projectPath, int size)
{
    Project project;
    OpenProject(project, projectPath, project.Depth.VorlageWidth, project.Depth.VorlageHeight);
    const QImage picture = ThumbnailPicture(project);
    return picture.scaled(ThumbnailSizeOf(picture.size(), size), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
}

void WriteProjectThumbnail(const QString& projectPath, int size, const QString& outputPath)
{
    const QImage thumbnail = ProjectThumbnail(projectPath, size);
    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly) || !thumbnail.save(&file, "PNG") || !file.commit())
        throw LumoraError(
            QStringLiteral("cannot write the thumbnail %1").arg(outputPath).toStdString());
}

} // namespace lumora::cli
