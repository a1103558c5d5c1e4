// lumora-render --thumbnail: the size a thumbnail gets, the stereogram of a
// project saved after a render and the depth map of one saved without, and
// one line for a damaged project or a wrong command line.
#include "common/random_generator.h"
#include "project/project.h"
#include "project/project_file.h"
#include "project/render_stereogram.h"
#include "project_thumbnail.h"
#include "render_command_line.h"
#include "tilemap/tile_random_source.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumora::cli {
namespace {

TEST(ThumbnailSize, TheLongerSideIsTheSizeAndTheProportionsAreKept)
{
    const struct
    {
        QSize picture;
        int size;
        QSize expected;
    } cases[] = {
        {{600, 450}, 128, {128, 96}},  {{450, 600}, 128, {96, 128}},
        {{100, 100}, 256, {256, 256}},                            // smaller pictures grow
        {{1, 10000}, 256, {1, 256}},   {{10000, 1}, 16, {16, 1}}, // never 0 wide
        {{601, 450}, 1, {1, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ThumbnailSizeOf(c.picture, c.size), c.expected)
            << c.picture.width() << " x " << c.picture.height() << " at " << c.size;
}

TEST(ThumbnailArguments, ThreeValuesAndNothingElse)
{
    const RenderRequest r = ParseRenderArguments({"--thumbnail", "64", "p.l2p", "t.png"});
    ASSERT_TRUE(r.Thumbnail);
    EXPECT_EQ(r.Thumbnail->Size, 64);
    EXPECT_EQ(r.Thumbnail->ProjectPath, "p.l2p");
    EXPECT_EQ(r.Thumbnail->OutputPath, "t.png");

    const QStringList wrong[] = {
        {"--thumbnail", "0", "p.l2p", "t.png"},
        {"--thumbnail", "1025", "p.l2p", "t.png"},
        {"--thumbnail", "big", "p.l2p", "t.png"},
        {"--thumbnail", "64", "p.l2p"},
        {"--thumbnail", "64", "p.l2p", "t.png", "--seed", "3"},
        {"--example", "--thumbnail", "64", "p.l2p", "t.png"},
    };
    for (const QStringList& line : wrong)
        EXPECT_THROW(ParseRenderArguments(line), UsageError) << line.join(' ').toStdString();
}

class ThumbnailProgram : public ::testing::Test
{
protected:
    struct Result
    {
        int exitCode;
        QString err;
    };

    Result Run(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(LUMORA_BIN_DIR "/lumora-render"), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
    }
    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    // The example scene saved as the program saves it, without a render
    // (the rendered flag clear) or after one (set).
    QString SavedExample(const QString& name, bool rendered)
    {
        const QString path = Path(name);
        EXPECT_EQ(Run({"--example", "--save-project", path}).exitCode, 0);
        if (rendered) {
            Project project;
            OpenProject(project, path, 600, 450);
            RandomGenerator random;
            TileRandomSource tiles(random, 5);
            RenderStereogram(project, tiles);
            EXPECT_TRUE(project.Rendered());
            SaveProject(project, path, 80);
        }
        return path;
    }

    QImage Thumbnail(const QString& project, int size)
    {
        const QString out = Path(QStringLiteral("thumbnail-%1.png").arg(size));
        const Result r = Run({"--thumbnail", QString::number(size), project, out});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        return QImage(out).convertToFormat(QImage::Format_RGB888);
    }

    static bool AllGrey(const QImage& picture)
    {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb c = picture.pixel(x, y);
                if (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c))
                    return false;
            }
        return true;
    }

    QTemporaryDir dir;
};

TEST_F(ThumbnailProgram, ADepthMapWithoutAStereogramAndTheStereogramAfterARender)
{
    const QString plain = SavedExample("plain.l2p", false);
    const QString rendered = SavedExample("rendered.l2p", true);
    for (const int size : {16, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage depth = Thumbnail(plain, size);
        ASSERT_EQ(depth.size(), QSize(size, size * 3 / 4));
        EXPECT_TRUE(AllGrey(depth)) << "the depth map is grey";
        EXPECT_NE(depth.pixel(0, 0), depth.pixel(size / 2, size * 3 / 8))
            << "the example's objects stand out of the background";

        const QImage stereogram = Thumbnail(rendered, size);
        ASSERT_EQ(stereogram.size(), QSize(size, size * 3 / 4));
        EXPECT_FALSE(AllGrey(stereogram)) << "the example's random dots are coloured";
    }
    EXPECT_TRUE(Thumbnail(rendered, 96) == Thumbnail(rendered, 96)) << "the same every time";
}

TEST_F(ThumbnailProgram, ADamagedProjectFailsWithOneLineAndWritesNothing)
{
    QFile good(SavedExample("good.l2p", false));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    const auto writeFile = [this](const QString& name, const QByteArray& data) {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return Path(name);
    };
    const QString damaged[] = {
        writeFile("half.l2p", bytes.left(bytes.size() / 2)),
        writeFile("text.l2p", "just some words, no project"),
        Path("missing.l2p"),
    };
    for (const QString& project : damaged) {
        SCOPED_TRACE(project.toStdString());
        const Result r = Run({"--thumbnail", "128", project, Path("out.png")});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("lumora-render: ")) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.png")));
    }
    const Result noFolder = Run({"--thumbnail", "128", good.fileName(), Path("no/folder/t.png")});
    EXPECT_EQ(noFolder.exitCode, 2);
    EXPECT_EQ(noFolder.err.count('\n'), 1) << noFolder.err.toStdString();
}

} // namespace
} // namespace lumora::cli
