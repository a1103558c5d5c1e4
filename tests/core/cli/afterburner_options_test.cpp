// lumora-render's afterburner objects and progress bar: how the options
// parse, and what the objects and the bar put into the output.
#include "render_command_line.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumora::cli {
namespace {

RenderRequest Parse(const QStringList& arguments)
{
    return ParseRenderArguments(arguments);
}

TEST(AfterburnerArguments, ObjectsInTheirOrderWithTheirModifiers)
{
    const RenderRequest r = Parse({"--example",
                                   "-o",
                                   "x.png",
                                   "--border",
                                   "12",
                                   "--border-colour",
                                   "1,2,3",
                                   "--text",
                                   "Hello there",
                                   "--text-size",
                                   "20",
                                   "--text-anchor",
                                   "6",
                                   "--text-colour",
                                   "9,9,9",
                                   "--spots",
                                   "--text-background",
                                   "7,7,7",
                                   "--spots-bottom",
                                   "--overlay",
                                   "80",
                                   "--overlay-anchor",
                                   "3",
                                   "--frame",
                                   "f.png",
                                   "--frame-colour",
                                   "4,5,6",
                                   "--progress"});
    ASSERT_EQ(r.Afterburner.size(), 6u);
    const auto& border = r.Afterburner[0];
    EXPECT_EQ(border.Kind, 1);
    EXPECT_EQ(border.Size, 12);
    EXPECT_EQ(border.Colour, (std::array<int, 3>{1, 2, 3}));
    const auto& text = r.Afterburner[1];
    EXPECT_EQ(text.Kind, 4);
    EXPECT_EQ(text.Text, "Hello there");
    EXPECT_EQ(text.Size, 20);
    EXPECT_EQ(text.Anchor, 6);
    EXPECT_EQ(text.Colour, (std::array<int, 3>{9, 9, 9}));
    // A modifier after other objects still reaches the last text.
    ASSERT_TRUE(text.Background.has_value());
    EXPECT_EQ(*text.Background, (std::array<int, 3>{7, 7, 7}));
    EXPECT_EQ(r.Afterburner[2].Kind, 5);
    EXPECT_EQ(r.Afterburner[2].Position, 1);
    EXPECT_EQ(r.Afterburner[3].Position, 2);
    EXPECT_EQ(r.Afterburner[4].Kind, 6);
    EXPECT_EQ(r.Afterburner[4].Size, 80);
    EXPECT_EQ(r.Afterburner[4].Anchor, 3);
    EXPECT_EQ(r.Afterburner[5].Kind, 2);
    EXPECT_EQ(r.Afterburner[5].Text, "f.png");
    EXPECT_EQ(r.Afterburner[5].Colour, (std::array<int, 3>{4, 5, 6}));
    EXPECT_TRUE(r.Progress);

    const RenderRequest plain = Parse({"--example", "-o", "x.png", "--text", "T"});
    EXPECT_EQ(plain.Afterburner[0].Size, 12);
    EXPECT_EQ(plain.Afterburner[0].Anchor, 1);
    EXPECT_FALSE(plain.Afterburner[0].Background.has_value());
    EXPECT_FALSE(plain.Progress);
}

TEST(AfterburnerArguments, WrongObjectArgumentsAreRefused)
{
    const QStringList wrong[] = {
        {"--border-colour", "1,2,3"}, // no border before it
        {"--text", "a", "--border-colour", "1,2,3"},
        {"--border", "0"},                     // below the range
        {"--border", "256"},                   // above it
        {"--text", "a", "--text-anchor", "7"}, // no such anchor
        {"--text", "a", "--text-size", "0"},
        {"--overlay", "0"},
        {"--overlay-anchor", "2"}, // no overlay
        {"--text"},                // value missing
        {"--frame-colour", "0,0,0"},
    };
    for (const QStringList& line : wrong)
        EXPECT_THROW(Parse(QStringList{"--example", "-o", "x.png"} + line), UsageError)
            << line.join(' ').toStdString();
}

class AfterburnerProgram : public ::testing::Test
{
protected:
    struct Result
    {
        int exitCode;
        QString err;
        QImage picture;
    };

    Result Run(const QString& name, const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(LUMORA_BIN_DIR "/lumora-render"),
                      arguments + QStringList{"-o", Path(name)});
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
                QImage(Path(name)).convertToFormat(QImage::Format_RGB888)};
    }
    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
};

TEST_F(AfterburnerProgram, TheObjectsAreLaidOverTheStereogramInOrder)
{
    const QStringList example = {"--example", "--seed", "3"};
    const Result plain = Run("plain.png", example);
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    const Result dressed =
        Run("dressed.png", example + QStringList{"--border", "10", "--border-colour", "255,0,0",
                                                 "--spots", "--text", "Lumora", "--text-anchor",
                                                 "6", "--text-background", "0,0,255"});
    ASSERT_EQ(dressed.exitCode, 0) << dressed.err.toStdString();
    const QImage& p = dressed.picture;
    ASSERT_EQ(p.size(), QSize(600, 450));
    EXPECT_EQ(p.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(p.pixel(300, 449), qRgb(255, 0, 0));
    // The text box at the bottom right, over the border.
    EXPECT_EQ(p.pixel(599, 449), qRgb(0, 0, 255));
    // The spots (tile width 90 at 72 dpi): black inside, over the border.
    EXPECT_EQ(p.pixel(255, 7), qRgb(0, 0, 0));
    EXPECT_EQ(p.pixel(345, 7), qRgb(0, 0, 0));
    // Inside the border the stereogram itself is untouched.
    for (int y = 20; y < 400; y += 13)
        for (int x = 10; x < 590; x += 17)
            ASSERT_EQ(p.pixel(x, y), plain.picture.pixel(x, y)) << x << ", " << y;
}

TEST_F(AfterburnerProgram, TheOverlayShowsTheDepthPicture)
{
    QImage depth(200, 100, QImage::Format_RGB888);
    depth.fill(Qt::black);
    for (int y = 0; y < 100; ++y)
        for (int x = 100; x < 200; ++x)
            depth.setPixel(x, y, qRgb(180, 180, 180));
    ASSERT_TRUE(depth.save(Path("depth.png")));
    const Result r = Run("overlay.png", {"--depth", Path("depth.png"), "--tile-kind", "randomdot",
                                         "--background", "20,40,60", "--density", "0", "--overlay",
                                         "50", "--overlay-anchor", "4"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    // 50 x 25 at the bottom left: left half black, right half grey 180.
    EXPECT_EQ(r.picture.pixel(10, 90), qRgb(0, 0, 0));
    EXPECT_EQ(r.picture.pixel(40, 80), qRgb(180, 180, 180));
    EXPECT_EQ(r.picture.pixel(40, 70), qRgb(20, 40, 60)); // above the legend
    EXPECT_EQ(r.picture.pixel(60, 90), qRgb(20, 40, 60)); // right of it
}

TEST_F(AfterburnerProgram, AFramePictureThatCannotBeReadFailsInOneLine)
{
    const Result r = Run("x.png", {"--example", "--frame", Path("missing.png")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("frame")) << r.err.toStdString();
}

TEST_F(AfterburnerProgram, TheProgressBarWhenAskedForAndQuietOtherwise)
{
    const Result quiet = Run("quiet.png", {"--example"});
    ASSERT_EQ(quiet.exitCode, 0);
    EXPECT_TRUE(quiet.err.isEmpty()) << quiet.err.toStdString(); // stderr is no terminal here

    const Result shown = Run("shown.png", {"--example", "--progress"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.err.startsWith("\rrendering [")) << shown.err.toStdString();
    EXPECT_TRUE(shown.err.endsWith(QStringLiteral("rendering [") + QString(40, '#') + "] 100%\n"))
        << shown.err.toStdString();
    // One update per percent at most: 0 to 100.
    EXPECT_EQ(shown.err.count('\r'), 101);
}

} // namespace
} // namespace lumora::cli
