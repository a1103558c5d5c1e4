// lumora-render and project files: the arguments of a project render, a
// scene saved as a project renders as the scene does, the render size and
// quality given over the project's, and files that are missing, foreign or
// damaged fail with one line.
#include "render_command_line.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumora::cli {
namespace {

RenderRequest Parse(const QString& line)
{
    return ParseRenderArguments(line.split(' ', Qt::SkipEmptyParts));
}

TEST(ProjectArguments, AProjectFileWithItsOverrides)
{
    const RenderRequest r =
        Parse("p.l2p -o out.png --width 300 --height 200 --quality 4 --seed 5 --progress");
    EXPECT_EQ(r.ProjectPath, "p.l2p");
    EXPECT_EQ(r.OutputPath, "out.png");
    EXPECT_EQ(r.Width, 300);
    EXPECT_EQ(r.Height, 200);
    EXPECT_EQ(r.Quality, 4);
    EXPECT_EQ(r.Seed, 5u);
    EXPECT_TRUE(r.SaveProjectPath.isEmpty());

    const RenderRequest none = Parse("p.l2p -o out.png");
    EXPECT_FALSE(none.Width || none.Height || none.Quality);

    const RenderRequest save = Parse("--example --save-project s.l2p --border 3");
    EXPECT_EQ(save.SaveProjectPath, "s.l2p");
    EXPECT_TRUE(save.OutputPath.isEmpty());
    EXPECT_TRUE(save.Example);
}

TEST(ProjectArguments, SceneOptionsAndSecondFilesAreRefused)
{
    const char* wrong[] = {
        "p.l2p -o x.png --dpi 100",         // the project's own render options
        "p.l2p -o x.png --example",         // a scene of its own
        "p.l2p -o x.png --border 3",        // afterburner objects are the project's
        "p.l2p -o x.png --tile-kind image", // so are the tiles
        "p.l2p q.l2p -o x.png",             // one file at a time
        "p.l2p",                            // nothing to write
        "--example",                        // nothing to write
        "p.l2p -o x.png --width 0",         // below the range
        "p.l2p -o x.png --height 10001",    // above the range
        "--example --save-project",         // value missing
    };
    for (const char* line : wrong)
        EXPECT_THROW(Parse(line), UsageError) << line;
}

class ProjectRenderProgram : public ::testing::Test
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

    QImage Rendered(const QStringList& arguments, const QString& name)
    {
        const Result r = Run(arguments + QStringList{"-o", Path(name)});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QImage(Path(name)).convertToFormat(QImage::Format_RGB888);
    }

    QTemporaryDir dir;
};

TEST_F(ProjectRenderProgram, ASavedSceneRendersAsTheSceneItself)
{
    const QStringList scenes[] = {
        {"--example"},
        {"--example", "--tile-kind", "gradient", "--preset", "Rainbow", "--border", "4", "--text",
         "Lumora", "--spots", "--overlay", "120"},
        {"--example", "--text3d", "3D", "--cross-eye", "--quality", "2", "--dpi", "100"},
    };
    int n = 0;
    for (const QStringList& scene : scenes) {
        SCOPED_TRACE(scene.join(' ').toStdString());
        const QString project = Path(QStringLiteral("scene%1.l2p").arg(++n));
        const Result saved = Run(scene + QStringList{"--save-project", project});
        ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
        EXPECT_EQ(saved.out.trimmed(), project);
        QFile file(project);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(13), QByteArray("LMAR2_PF_2003"));

        const QImage direct = Rendered(scene + QStringList{"--seed", "11"}, "direct.png");
        const QImage fromProject = Rendered({project, "--seed", "11"}, "project.png");
        ASSERT_FALSE(direct.isNull());
        EXPECT_EQ(fromProject.size(), QSize(600, 450));
        EXPECT_TRUE(direct == fromProject);
    }
}

TEST_F(ProjectRenderProgram, WidthHeightAndQualityOverrideTheProjectsOptions)
{
    const QString project = Path("p.l2p");
    ASSERT_EQ(Run({"--example", "--save-project", project}).exitCode, 0);
    const QStringList overrides = {"--width",   "300", "--height", "200",
                                   "--quality", "3",   "--seed",   "2"};
    const QImage fromProject = Rendered(QStringList{project} + overrides, "small.png");
    EXPECT_EQ(fromProject.size(), QSize(300, 200));
    const QImage direct = Rendered(QStringList{"--example"} + overrides, "direct.png");
    EXPECT_TRUE(direct == fromProject);
    const QImage draft =
        Rendered({project, "--width", "300", "--height", "200", "--seed", "2"}, "draft.png");
    EXPECT_FALSE(draft == fromProject) << "the quality changed the picture";
}

TEST_F(ProjectRenderProgram, MissingForeignAndDamagedFilesFailWithOneLine)
{
    const QString project = Path("good.l2p");
    ASSERT_EQ(Run({"--example", "--border", "5", "--save-project", project}).exitCode, 0);
    QFile good(project);
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    const auto writeFile = [this](const QString& name, const QByteArray& data) {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return Path(name);
    };
    const struct
    {
        QString path;
        const char* expected;
    } cases[] = {
        {Path("missing.l2p"), "missing.l2p"},
        {writeFile("text.l2p", "just some words, no project"), "not a Lumora R2 project file"},
        {writeFile("half.l2p", bytes.left(bytes.size() / 2)), "half.l2p"},
        {writeFile("longer.l2p", bytes + QByteArray(9, 'x')), "longer.l2p"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const Result r = Run({c.path, "-o", Path("out.png")});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("lumora-render: ")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.expected)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.png")));
    }
    const Result noFolder = Run({"--example", "--save-project", Path("no/folder/p.l2p")});
    EXPECT_EQ(noFolder.exitCode, 2);
    EXPECT_EQ(noFolder.err.count('\n'), 1) << noFolder.err.toStdString();
}

} // namespace
} // namespace lumora::cli
