#include "render_command_line.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>

namespace lumora::cli {
namespace {

RenderRequest Parse(const QString& line)
{
    return ParseRenderArguments(line.split(' ', Qt::SkipEmptyParts));
}

TEST(RenderArguments, EveryRenderOption)
{
    const RenderRequest r =
        Parse("--depth d.png --tile t.png -o out.png --dpi 300 --eye-screen 12.5 "
              "--max-depth 20 --min-depth 6 --tile-width 200 --quality 4 "
              "--direction 4 --start 40 --cross-eye");
    EXPECT_EQ(r.DepthPath, "d.png");
    EXPECT_EQ(r.TilePath, "t.png");
    EXPECT_EQ(r.OutputPath, "out.png");
    EXPECT_EQ(r.Options.RenderOptions_RenderDPI, 300);
    EXPECT_EQ(r.Options.RenderOptions_Settings_AugeScreen, 12.5);
    EXPECT_EQ(r.Options.RenderOptions_Settings_max3dtiefe, 20);
    EXPECT_EQ(r.Options.RenderOptions_Settings_min3dtiefe, 6);
    EXPECT_EQ(r.TileWidth, 200);
    EXPECT_EQ(r.Options.RenderOptions_Settings_quality, 4);
    EXPECT_EQ(r.Options.RenderOptions_Settings_renderdirection, 4);
    EXPECT_EQ(r.Options.RenderOptions_Settings_customrenderdirection, 40);
    EXPECT_FALSE(r.Options.RenderOptions_Settings_Divergenz);
}

TEST(RenderArguments, ExampleKeepsTheDefaults)
{
    const RenderRequest r = Parse("--example -o x.png");
    EXPECT_TRUE(r.Example);
    EXPECT_FALSE(r.TileWidth.has_value());
    EXPECT_EQ(r.Options, RenderOptions{});
}

TEST(RenderArguments, TheSeparatorQualityMeansDraft)
{
    EXPECT_EQ(Parse("--example -o x.png --quality 5").Options.RenderOptions_Settings_quality, 0);
}

TEST(RenderArguments, TileKindsAndTheirOptions)
{
    const RenderRequest dots =
        Parse("--depth d.png -o x.png --tile-kind randomdot --band-height 40 --density 70 "
              "--dot-mode single --dot-colour 1,2,3 --max-rgb 10,20,30 --max-grey 60 "
              "--background 4,5,6 --seed 99 --stretch-smaller");
    ASSERT_TRUE(dots.TileKind.has_value());
    EXPECT_EQ(dots.TileKind->Kind, 1);
    EXPECT_EQ(dots.TileKind->BandHeight, 40);
    EXPECT_EQ(dots.TileKind->Density, 70);
    EXPECT_EQ(dots.TileKind->DotMode, 2);
    EXPECT_EQ(dots.TileKind->DotColour, (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(dots.TileKind->MaxPct, (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(dots.TileKind->MaxGreyPct, 60);
    EXPECT_EQ(dots.TileKind->Background, (std::array<int, 3>{4, 5, 6}));
    EXPECT_EQ(dots.Seed, 99u);
    EXPECT_TRUE(dots.Options.RenderOptions_Tile_smaller_stretch);
    EXPECT_FALSE(dots.Options.RenderOptions_Tile_bigger_stretch);

    EXPECT_EQ(Parse("--example -o x.png --tile-kind gradient --preset blue-waves").TileKind->Preset,
              2);
    EXPECT_EQ(Parse("--example -o x.png --tile-kind gradient --preset Tabasco").TileKind->Preset,
              6);
    const RenderRequest image = Parse("--example -o x.png --tile-kind image --tile t.pcx");
    EXPECT_EQ(image.TileKind->Kind, 3);
    EXPECT_EQ(image.TilePath, "t.pcx");
    EXPECT_FALSE(image.TileKind->BandHeight.has_value());
    EXPECT_FALSE(Parse("--example -o x.png").TileKind.has_value());
}

TEST(RenderArguments, WrongTileKindArgumentsAreRefused)
{
    const char* wrong[] = {
        "--tile-kind dots",                        // no such kind
        "--density 50",                            // needs a kind
        "--stretch-bigger",                        // needs a kind
        "--tile-kind randomdot --preset 2",        // gradient only
        "--tile-kind gradient --dot-mode grey",    // random dots only
        "--tile-kind image --density 5",           // not for pictures
        "--tile-kind image",                       // no picture
        "--tile-kind randomdot --tile t.png",      // a tile twice
        "--tile-kind randomdot --dot-colour 1,2",  // two parts
        "--tile-kind randomdot --max-rgb 0,0,101", // beyond 100 %
        "--tile-kind gradient --band-height 0",    // no rows
        "--tile-kind gradient --preset Custom",    // not a preset
        "--seed -1",                               // below the range
    };
    for (const char* line : wrong)
        EXPECT_THROW(Parse(QStringLiteral("--example -o x.png ") + line), UsageError) << line;
    EXPECT_THROW(Parse("--depth d.png -o x.png --tile t.png --tile-kind gradient"), UsageError);
}

TEST(RenderArguments, WrongArgumentsAreRefused)
{
    const char* wrong[] = {
        "--example",                           // no output
        "--depth d.png -o x.png",              // no tile
        "--example --depth d.png -o x.png",    // both
        "--example -o x.png --dpi 0",          // below the range
        "--example -o x.png --dpi 10001",      // above the range
        "--example -o x.png --dpi 7.5",        // not whole
        "--example -o x.png --eye-screen 0.5", // below an inch
        "--example -o x.png --max-depth nan",  // not a number
        "--example -o x.png --quality 7",      // no such quality
        "--example -o x.png --direction 5",    // no such direction
        "--example -o x.png --start 10",       // start without custom direction
        "--example -o x.png --tile-width 0",   // no tile
        "--example -o x.png --frobnicate",     // unknown
        "--example -o",                        // value missing
    };
    for (const char* line : wrong)
        EXPECT_THROW(Parse(line), UsageError) << line;
}

class LumoraRenderProgram : public ::testing::Test
{
protected:
    struct Result
    {
        int exitCode;
        QString out;
        QString err;
    };

    Result Run(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(LUMORA_BIN_DIR "/lumora-render"), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }
    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
};

TEST_F(LumoraRenderProgram, ExampleWritesThePictureAndPrintsItsPath)
{
    const QString out = Path("example.png");
    const Result r = Run({"--example", "-o", out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), out);
    const QImage picture(out);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(600, 450));
    // The hidden shapes change the row: it does not simply repeat every
    // tile width the way a flat depth map would.
    const QImage flat = picture.convertToFormat(QImage::Format_RGB888);
    int differences = 0;
    const int y = 120; // through the rectangles and the ellipse
    for (int x = 0; x + 90 < 600; ++x)
        differences += flat.pixel(x, y) != flat.pixel(x + 90, y);
    EXPECT_GT(differences, 20);
}

TEST_F(LumoraRenderProgram, RendersADepthAndTilePicture)
{
    QImage depth(200, 120, QImage::Format_RGB888);
    depth.fill(Qt::black);
    for (int y = 30; y < 90; ++y)
        for (int x = 60; x < 140; ++x)
            depth.setPixel(x, y, qRgb(255, 255, 255));
    QImage tile(30, 20, QImage::Format_RGB888);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            tile.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * 5) % 256, (y * 53) % 256));
    ASSERT_TRUE(depth.save(Path("depth.png")));
    ASSERT_TRUE(tile.save(Path("tile.bmp")));
    const Result r = Run({"--depth", Path("depth.png"), "--tile", Path("tile.bmp"), "-o",
                          Path("out.png"), "--quality", "2", "--tile-width", "40"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage out(Path("out.png"));
    ASSERT_EQ(out.size(), QSize(200, 120));
    // Row 5 lies on the far plane: it repeats with the far plane's
    // separation, 90 pixels at 72 dpi, whatever the tile width; the tile's
    // own period of 40 shows inside the first strip only.
    const QImage rgb = out.convertToFormat(QImage::Format_RGB888);
    for (int x = 0; x + 90 < 200; ++x)
        ASSERT_EQ(rgb.pixel(x, 5), rgb.pixel(x + 90, 5)) << x;
    // Row 60 crosses the raised rectangle: the period breaks there.
    int differences = 0;
    for (int x = 0; x + 90 < 200; ++x)
        differences += rgb.pixel(x, 60) != rgb.pixel(x + 90, 60);
    EXPECT_GT(differences, 0);
}

TEST_F(LumoraRenderProgram, ReadsAndWritesThePictureFormatsByExtension)
{
    QImage depth(120, 60, QImage::Format_RGB888);
    depth.fill(Qt::black);
    ASSERT_TRUE(depth.save(Path("depth.bmp")));
    const QString tile = QStringLiteral(LUMORA_FIXTURES_DIR "/imageio/pcx_24bit_3planes.pcx");
    struct Case
    {
        const char* Name;
        QByteArray Start;
    };
    const Case cases[] = {
        {"out.TGA", QByteArray("\x2E\x00\x02", 3)}, // ID length 46, true colour
        {"out.tif", QByteArray("II\x2A\x00", 4)},
        {"out.jpg", QByteArray("\xFF\xD8", 2)},
        {"out.bmp", QByteArray("BM")},
        {"out.png", QByteArray("\x89PNG")},
    };
    for (const Case& c : cases) {
        const QString out = Path(c.Name);
        const Result r = Run({"--depth", Path("depth.bmp"), "--tile", tile, "-o", out});
        ASSERT_EQ(r.exitCode, 0) << c.Name << ": " << r.err.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.Name;
        EXPECT_TRUE(file.readAll().startsWith(c.Start)) << c.Name;
    }
    const Result unknown = Run({"--example", "-o", Path("out.webp")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(".tif")) << unknown.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("out.webp")));
}

TEST_F(LumoraRenderProgram, TileKindsRenderReproduciblyFromASeed)
{
    const auto render = [&](const QString& name, QStringList arguments) {
        arguments << "-o" << Path(name);
        const Result r = Run(arguments);
        EXPECT_EQ(r.exitCode, 0) << name.toStdString() << ": " << r.err.toStdString();
        return QImage(Path(name)).convertToFormat(QImage::Format_RGB888);
    };
    const QStringList gradient = {"--example", "--tile-kind", "gradient", "--band-height", "120"};
    const QImage a = render("a.png", gradient + QStringList{"--seed", "5"});
    EXPECT_EQ(a.size(), QSize(600, 450));
    EXPECT_EQ(render("b.png", gradient + QStringList{"--seed", "5"}), a);
    EXPECT_NE(render("c.png", gradient + QStringList{"--seed", "6"}), a);

    // No dots: the tile is its background, and so is the whole stereogram.
    const QImage plain = render("d.png", {"--example", "--tile-kind", "randomdot", "--density", "0",
                                          "--background", "10,20,30"});
    for (int y = 0; y < plain.height(); y += 7)
        for (int x = 0; x < plain.width(); x += 7)
            ASSERT_EQ(plain.pixel(x, y), qRgb(10, 20, 30)) << x << ", " << y;

    QImage tile(16, 16, QImage::Format_RGB888);
    tile.fill(QColor(200, 100, 50));
    ASSERT_TRUE(tile.save(Path("tile.bmp")));
    const QImage pictured = render("e.png", {"--example", "--tile-kind", "image", "--tile",
                                             Path("tile.bmp"), "--band-height", "7"});
    EXPECT_EQ(pictured.pixel(300, 200), qRgb(200, 100, 50));
}

TEST_F(LumoraRenderProgram, APlugInDrawsIntoTheDepthMap)
{
    QImage depth(160, 80, QImage::Format_RGB888);
    depth.fill(Qt::black);
    ASSERT_TRUE(depth.save(Path("flat.png")));
    QImage tile(20, 20, QImage::Format_RGB888);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            tile.setPixel(x, y, qRgb(x * 12, y * 12, (x * y) % 256));
    ASSERT_TRUE(tile.save(Path("tile.png")));
    const QString plugIn = QStringLiteral(LUMORA_SHARE_DIR "/PlugIns/GradientXa.lpi");
    const QStringList common = {"--depth", Path("flat.png"), "--tile", Path("tile.png")};

    ASSERT_EQ(Run(common + QStringList{"-o", Path("flat-out.png")}).exitCode, 0);
    const Result r = Run(common + QStringList{"--plugin", plugIn, "--image-number", "3", "-o",
                                              Path("ramp-out.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    // The flat map repeats every 90 pixels; the ramp bends every row.
    const QImage flat = QImage(Path("flat-out.png")).convertToFormat(QImage::Format_RGB888);
    const QImage ramp = QImage(Path("ramp-out.png")).convertToFormat(QImage::Format_RGB888);
    int flatBreaks = 0, rampBreaks = 0;
    for (int x = 0; x + 90 < 160; ++x) {
        flatBreaks += flat.pixel(x, 40) != flat.pixel(x + 90, 40);
        rampBreaks += ramp.pixel(x, 40) != ramp.pixel(x + 90, 40);
    }
    EXPECT_EQ(flatBreaks, 0);
    EXPECT_GT(rampBreaks, 10);

    const Result missing =
        Run(common + QStringList{"--plugin", Path("none.lpi"), "-o", Path("x.png")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err.count('\n'), 1) << missing.err.toStdString();
}

TEST_F(LumoraRenderProgram, ModelsAndTextsInThreeDimensionsRaiseTheDepthMap)
{
    QImage depth(200, 100, QImage::Format_RGB888);
    depth.fill(Qt::black);
    ASSERT_TRUE(depth.save(Path("flat.png")));
    QImage tile(20, 20, QImage::Format_RGB888);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            tile.setPixel(x, y, qRgb(x * 12, y * 12, (x * y) % 256));
    ASSERT_TRUE(tile.save(Path("tile.png")));
    const QStringList common = {"--depth", Path("flat.png"), "--tile", Path("tile.png")};
    const QString cube = QStringLiteral(LUMORA_SHARE_DIR "/data/Cube.dxf");
    const QStringList extras[] = {{"--model", cube}, {"--text3d", "AB"}};
    for (const QStringList& extra : extras) {
        const Result r = Run(common + extra + QStringList{"-o", Path("out.png")});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        // A flat map repeats every 90 pixels in every row; the object breaks
        // that in the middle row.
        const QImage out = QImage(Path("out.png")).convertToFormat(QImage::Format_RGB888);
        int breaks = 0;
        for (int x = 0; x + 90 < 200; ++x)
            breaks += out.pixel(x, 50) != out.pixel(x + 90, 50);
        EXPECT_GT(breaks, 5) << extra.join(' ').toStdString();
    }
    const Result missing =
        Run(common + QStringList{"--model", Path("none.dxf"), "-o", Path("x.png")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err.count('\n'), 1) << missing.err.toStdString();
}

TEST_F(LumoraRenderProgram, FailuresPrintOneLineAndExitWithTwo)
{
    QImage huge(10001, 2, QImage::Format_RGB888);
    huge.fill(Qt::black);
    ASSERT_TRUE(huge.save(Path("huge.png")));
    QImage tile(8, 8, QImage::Format_RGB888);
    tile.fill(Qt::red);
    ASSERT_TRUE(tile.save(Path("tile.png")));
    QFile garbage(Path("garbage.png"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("this is not a picture");
    garbage.close();

    const QStringList cases[] = {
        {"--example", "-o", Path("a.png"), "--quality", "9"},
        {"--depth", Path("missing.png"), "--tile", Path("tile.png"), "-o", Path("b.png")},
        {"--depth", Path("garbage.png"), "--tile", Path("tile.png"), "-o", Path("c.png")},
        {"--depth", Path("huge.png"), "--tile", Path("tile.png"), "-o", Path("d.png")},
        {"--example", "-o", Path("no/such/folder/e.png")},
    };
    for (const QStringList& arguments : cases) {
        const Result r = Run(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("lumora-render: ")) << r.err.toStdString();
    }
}

} // namespace
} // namespace lumora::cli
