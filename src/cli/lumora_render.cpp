// lumora-render: renders a stereogram from the command line, without a
// display.

#include "afterburner/tool_ab.h"
#include "cli_scene.h"
#include "common/lumora_error.h"
#include "common/numeric.h"
#include "common/random_generator.h"
#include "depthmap/example_depth_scene.h"
#include "depthmap/tool_dm_image.h"
#include "imageio/picture_file.h"
#include "imageio/pixel_engine_conversion.h"
#include "models/model_object_factory.h"
#include "plugins/tool_dm_plugin.h"
#include "progress_bar.h"
#include "project/project.h"
#include "project/project_file.h"
#include "project/render_stereogram.h"
#include "project_thumbnail.h"
#include "render_command_line.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "rendering/render_options.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_image.h"
#include "tilemap/tile_tm_randomdot.h"

#include <QGuiApplication>
#include <cstdio>
#include <string>

using namespace lumora;

namespace {

constexpr int kFailure = 2;
// The pictures inside a saved project: the program's default JPEG quality.
constexpr int32_t kProjectImageQuality = 80;

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

// The depth stage: the example scene, or the depth picture as one image
// object over a composer of its size; a 3D model, a 3D text and a plug-in
// over the whole of it.
void BuildDepth(const cli::RenderRequest& request, Project& project)
{
    if (request.Example) {
        BuildExampleDepthScene(project.Depth);
    } else {
        const QImage depthPicture = ReadPicture(request.DepthPath, "depth");
        CheckRenderSize(depthPicture.width(), depthPicture.height());
        const std::unique_ptr<TPixelEngine256> depth = cli::DepthMapFromPicture(depthPicture);
        project.Depth.VorlageWidth = depth->Width();
        project.Depth.VorlageHeight = depth->Height();
        AppendImageObject(project.Depth, IntRect{0, 0, depth->Width(), depth->Height()}, *depth,
                          IdentityToneMap(), CropMargins{});
    }
    const IntRect whole{0, 0, project.Depth.VorlageWidth, project.Depth.VorlageHeight};
    if (!request.ModelPath.isEmpty())
        project.Depth.Append(
            MakeModelObject(request.ModelPath, project.Depth.NewObjectId(), whole));
    if (!request.Text3D.isEmpty())
        project.Depth.Append(MakeTextObject(request.Text3D, project.Depth.NewObjectId(), whole));
    if (!request.PlugInPath.isEmpty())
        project.Depth.Append(
            MakePlugInObject(request.PlugInPath, project.Depth.NewObjectId(),
                             IntRect{0, 0, project.Depth.VorlageWidth, project.Depth.VorlageHeight},
                             request.ImageNumber));
}

// The render options: the request's, at the composer's size.
void SetOptions(const cli::RenderRequest& request, Project& project)
{
    RenderOptions& options = project.Options;
    options = request.Options;
    options.RenderOptions_RenderWidth = project.Depth.VorlageWidth;
    options.RenderOptions_RenderHeight = project.Depth.VorlageHeight;
    options.RenderOptions_Tile_Width = request.TileWidth.value_or(
        ComputeTileWidth(options.RenderOptions_RenderDPI, options.RenderOptions_Settings_AugeScreen,
                         options.RenderOptions_Settings_max3dtiefe));
    if (options.RenderOptions_Tile_Width < 1)
        throw LumoraError("the viewing geometry gives a tile width below 1 pixel");
}

// The tile map of one object. Without a kind the example takes a random-dot
// tile and a tile picture an image tile with its proportions kept, as the
// tile map would.
void BuildTiles(const cli::RenderRequest& request, Project& project)
{
    const bool tileFromPicture = !request.TileKind || request.TileKind->Kind == 3;
    QImage tilePicture;
    if (tileFromPicture && !request.TilePath.isEmpty())
        tilePicture = ReadPicture(request.TilePath, "tile");
    cli::TileKindRequest tileKind;
    tileKind.Kind = request.Example ? Tile_tm_RandomDot::KindCode : Tile_tm_Image::KindCode;
    if (request.Example) {
        // Dense, full-range dots make the example easy on the eyes.
        tileKind.Density = 100;
        tileKind.MaxPct = {100, 100, 100};
    }
    project.Tiles.Append(cli::MakeTileObject(request.TileKind.value_or(tileKind), tilePicture,
                                             project.Options.RenderOptions_Tile_Width));
}

void BuildAfterburner(const cli::RenderRequest& request, Project& project)
{
    for (const cli::AfterburnerRequest& object : request.Afterburner)
        project.AfBu_Add(*cli::MakeAfterburnerObject(object, project.Depth.VorlageWidth,
                                                     project.Depth.VorlageHeight));
}

// The scene the options describe, as a project.
void BuildScene(const cli::RenderRequest& request, Project& project)
{
    BuildDepth(request, project);
    SetOptions(request, project);
    BuildTiles(request, project);
    BuildAfterburner(request, project);
}

// --width, --height and --quality over the scene's or the project's.
void ApplyOverrides(const cli::RenderRequest& request, Project& project)
{
    RenderOptions& options = project.Options;
    if (request.Width)
        options.RenderOptions_RenderWidth = *request.Width;
    if (request.Height)
        options.RenderOptions_RenderHeight = *request.Height;
    if (request.Quality)
        options.RenderOptions_Settings_quality = *request.Quality;
}

int Run(const cli::RenderRequest& request)
{
    if (request.Thumbnail) {
        cli::WriteProjectThumbnail(request.Thumbnail->ProjectPath, request.Thumbnail->Size,
                                   request.Thumbnail->OutputPath);
        return 0;
    }
    const int outputFilter = request.OutputPath.isEmpty() ? 0 : OutputFilter(request.OutputPath);
    RandomGenerator random;
    if (request.Seed)
        random.SetSeed(*request.Seed);
    else
        random.Randomize();

    Project project;
    if (request.ProjectPath.isEmpty())
        BuildScene(request, project);
    else // a missing, foreign or damaged file throws with the file's name
        OpenProject(project, request.ProjectPath, cli::kExampleWidth, cli::kExampleHeight);
    ApplyOverrides(request, project);

    // Saved before rendering: the file holds no stereogram, so the program
    // opens it without asking to render again.
    if (!request.SaveProjectPath.isEmpty()) {
        SaveProject(project, request.SaveProjectPath, kProjectImageQuality);
        std::printf("%s\n", qPrintable(request.SaveProjectPath));
    }
    if (request.OutputPath.isEmpty())
        return 0;

    TileRandomSource tileRandom =
        request.Seed ? TileRandomSource(random, *request.Seed) : TileRandomSource(random);
    cli::StderrProgressBar progress(request.Progress);
    RenderStereogram(project, tileRandom, &progress);
    SavePictureFile(request.OutputPath, FromPixelEngine(*project.Afterburner.Picture()),
                    outputFilter);
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
    // Taken before Qt sees them: QGuiApplication eats options of its own
    // such as --plugin.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
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
