// lumora-render: renders a stereogram from the command line, without a
// display.

#include "cli_scene.h"
#include "common/lumora_error.h"
#include "common/random_generator.h"
#include "imageio/picture_file.h"
#include "imageio/pixel_engine_conversion.h"
#include "render_command_line.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "rendering/render_options.h"
#include "rendering/stereogram_render.h"
#include "tilemap/tile_random_source.h"

#include <QGuiApplication>
#include <cstdio>
#include <string>

using namespace lumora;

namespace {

constexpr int kFailure = 2;

// Qt's own diagnostics (plug-in, font and codec chatter) would bury the one
// line a failure prints; only fatal messages get through.
void QuietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "lumora-render: %s\n", qPrintable(message));
}

int Fail(const QString& message)
{
    std::fprintf(stderr, "lumora-render: %s\n", qPrintable(message));
    return kFailure;
}

// Any picture file the program reads (BMP, JPEG, PCX, Targa, PNG), by its
// extension.
QImage ReadPicture(const QString& path, const char* role)
{
    try {
        return LoadPictureFile(path).ToQImage();
    } catch (const LumoraError& e) {
        throw LumoraError("cannot read the " + std::string(role) + " picture: " + e.what());
    }
}

// The format the output name's extension asks for.
int OutputFilter(const QString& path)
{
    const int filter = SaveFilterForExtension(path);
    if (filter == 0)
        throw LumoraError(QStringLiteral("cannot tell the format of '%1': the output name ends in "
                                         ".bmp, .jpg, .tga, .tif or .png")
                              .arg(path)
                              .toStdString());
    return filter;
}

void CheckRenderSize(int width, int height)
{
    if (width < kMinRenderPixels || width > kMaxRenderPixels || height < kMinRenderPixels ||
        height > kMaxRenderPixels)
        throw LumoraError(QStringLiteral("the depth picture is %1 x %2 pixels; render sizes run "
                                         "from %3 to %4 pixels")
                              .arg(width)
                              .arg(height)
                              .arg(kMinRenderPixels)
                              .arg(kMaxRenderPixels)
                              .toStdString());
}

int Run(const cli::RenderRequest& request)
{
    const int outputFilter = OutputFilter(request.OutputPath);
    RenderOptions options = request.Options;
    RandomGenerator random;
    if (request.Seed)
        random.SetSeed(*request.Seed);
    else
        random.Randomize();
    const bool tileFromPicture = !request.TileKind || request.TileKind->Kind == 3;

    std::unique_ptr<TPixelEngine256> depth;
    QImage tilePicture;
    if (request.Example) {
        depth = cli::DrawExampleDepthMap(cli::kExampleWidth, cli::kExampleHeight);
    } else {
        const QImage depthPicture = ReadPicture(request.DepthPath, "depth");
        CheckRenderSize(depthPicture.width(), depthPicture.height());
        depth = cli::DepthMapFromPicture(depthPicture);
    }
    if (tileFromPicture && !request.TilePath.isEmpty())
        tilePicture = ReadPicture(request.TilePath, "tile");
    options.RenderOptions_RenderWidth = depth->Width();
    options.RenderOptions_RenderHeight = depth->Height();
    options.RenderOptions_Tile_Width = request.TileWidth.value_or(
        ComputeTileWidth(options.RenderOptions_RenderDPI, options.RenderOptions_Settings_AugeScreen,
                         options.RenderOptions_Settings_max3dtiefe));
    if (options.RenderOptions_Tile_Width < 1)
        throw LumoraError("the viewing geometry gives a tile width below 1 pixel");

    const int tw = options.RenderOptions_Tile_Width;
    const int h = options.RenderOptions_RenderHeight;
    std::unique_ptr<TPixelEngine> tile;
    if (request.TileKind) {
        TileRandomSource tileRandom =
            request.Seed ? TileRandomSource(random, *request.Seed) : TileRandomSource(random);
        tile = cli::TileBitmapFromKind(*request.TileKind, tilePicture, options, h, tileRandom);
    } else if (request.Example) {
        tile = cli::MakeRandomDotTile(tw, h, random);
    } else {
        tile = cli::TileBitmapFromPicture(tilePicture, tw, h);
    }

    const std::unique_ptr<TPixelEngine> stereogram = RenderStereogramRows(options, *depth, *tile);
    SavePictureFile(request.OutputPath, FromPixelEngine(*stereogram), outputFilter);
    std::printf("%s\n", qPrintable(request.OutputPath));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The renderer never needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessageHandler);
    QGuiApplication app(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    try {
        const cli::RenderRequest request = cli::ParseRenderArguments(arguments);
        if (request.Help) {
            std::printf("%s", qPrintable(cli::UsageText()));
            return 0;
        }
        return Run(request);
    } catch (const cli::UsageError& e) {
        return Fail(QString::fromStdString(e.what()));
    } catch (const LumoraError& e) {
        return Fail(QString::fromStdString(e.what()));
    } catch (const std::bad_alloc&) {
        return Fail(QStringLiteral("not enough memory for this render"));
    }
}
