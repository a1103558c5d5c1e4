// The start-up check over a complete and a damaged installation folder.
#include "app/environment_check.h"
#include "app_test_support.h"

#include <QTemporaryDir>

namespace lumora {
namespace {

void WriteInstallation(const QString& folder)
{
    for (const QString& file : RequiredInstallationFiles())
        test::WriteFile(folder + "/" + file, "x");
}

TEST(EnvironmentCheck, CompleteInstallationIsAllWell)
{
    QTemporaryDir dir;
    WriteInstallation(dir.path());
    EXPECT_EQ(CheckEnvironment(dir.path()), StartupStatus::AllWell);
}

TEST(EnvironmentCheck, EmptyFolderMissesFiles)
{
    QTemporaryDir dir;
    EXPECT_EQ(CheckEnvironment(dir.path()), StartupStatus::FileMissing);
    EXPECT_EQ(CheckEnvironment(dir.path() + "/not-there"), StartupStatus::FileMissing);
}

// Any one missing file is enough, whichever it is.
TEST(EnvironmentCheck, EachMissingFileStopsTheStart)
{
    for (const QString& file : RequiredInstallationFiles()) {
        QTemporaryDir dir;
        WriteInstallation(dir.path());
        ASSERT_TRUE(QFile::remove(dir.path() + "/" + file));
        EXPECT_EQ(CheckEnvironment(dir.path()), StartupStatus::FileMissing) << file.toStdString();
    }
}

// A folder in place of a file is no file.
TEST(EnvironmentCheck, FolderInPlaceOfFileIsMissing)
{
    QTemporaryDir dir;
    WriteInstallation(dir.path());
    const QString path = dir.path() + "/help/english/index.l2h";
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_EQ(CheckEnvironment(dir.path()), StartupStatus::FileMissing);
}

TEST(EnvironmentCheck, LayoutHoldsEveryGroupOfFiles)
{
    const QStringList& files = RequiredInstallationFiles();
    for (const char* file :
         {"data/Basic.dat", "data/Marquee.dat", "data/Splash.dat", "data/teapot.3ds",
          "data/Torus.dxf", "languages/Deutsch.l2l", "languages/English.l2l",
          "library/tiles/Lumora.llb", "PlugIns/Tree.lpi", "help/english/index.l2h"})
        EXPECT_TRUE(files.contains(QString::fromLatin1(file))) << file;
    EXPECT_EQ(CursorFiles().size(), 15);
    EXPECT_FALSE(files.contains("EZTW32.DLL"));
}

} // namespace
} // namespace lumora
