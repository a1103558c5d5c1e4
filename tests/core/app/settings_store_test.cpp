// The settings store against an INI file in a temporary folder: defaults of
// a first run, round trips of every type, the per-entry guards, and the
// rules that keep render options and unused dialog folders out of a save.
#include "app/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace lumora {
namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        // The user's store, redirected: nothing here may touch the real
        // configuration folder.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }

    QString IniPath() const { return dir_.filePath("Velbrook/Lumora R2.ini"); }

    void WriteIni(const QByteArray& text)
    {
        QDir().mkpath(dir_.filePath("Velbrook"));
        QFile f(IniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    QVariant Stored(const QString& key) const
    {
        return QSettings(IniPath(), QSettings::IniFormat).value(key);
    }

    QTemporaryDir dir_;
};

TEST_F(SettingsStoreTest, LivesInTheRedirectedUserFolder)
{
    EXPECT_EQ(SettingsStore().FileName(), IniPath());
}

TEST_F(SettingsStoreTest, FirstRunKeepsEveryDefault)
{
    ApplicationSettings s;
    s.Position = {100, 50, 700, 850, 0}; // the window design's placement
    s.Help_pos_x = CentredOnScreen(1920, 641);
    s.Help_pos_y = CentredOnScreen(1080, 479);
    SettingsStore().LoadSettings(s);

    EXPECT_EQ(s.Position, (WindowPlacement{100, 50, 700, 850, 0}));
    EXPECT_TRUE(s.Language.isEmpty());
    EXPECT_FALSE(s.WelcomeDialog);
    EXPECT_EQ(s.Project_image_quality, 80);
    EXPECT_EQ(s.Max_Undo_Steps, 20);
    EXPECT_EQ(s.TextTool_Preview_size, kTextToolPreviewSizeDefault);
    EXPECT_EQ(s.NewProject_width, 600);
    EXPECT_EQ(s.NewProject_height, 450);
    EXPECT_EQ(s.NewProject_aspect1, 4);
    EXPECT_EQ(s.NewProject_aspect2, 3);
    EXPECT_EQ(s.NewProject_aspectratio, 1);
    EXPECT_EQ(s.Help_pos_x, 639);
    EXPECT_EQ(s.Help_pos_y, 300);
    EXPECT_FALSE(s.DepthPicker_visible);
    for (int i = 0; i < kDialogFolderCount; ++i)
        EXPECT_TRUE(s.Folders.StoredFolder(static_cast<DialogFolder>(i)).isEmpty());
    EXPECT_EQ(SettingsStore().LoadRenderOptions(), RenderOptions{});
    // Loading writes nothing.
    EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(SettingsStoreTest, CentringTruncatesTowardZero)
{
    EXPECT_EQ(CentredOnScreen(1024, 301), 361);
    EXPECT_EQ(CentredOnScreen(300, 401), -50); // -50.5 toward zero
}

TEST_F(SettingsStoreTest, GeneralSettingsRoundTrip)
{
    ApplicationSettings saved;
    saved.Position = {-20, 1930, 1000, 3000, 2};
    saved.Language = QString::fromUtf8("Deutsch (Schweiz, ü)");
    saved.WelcomeDialog = true;
    saved.Project_image_quality = 0;
    saved.Max_Undo_Steps = 100;
    saved.TextTool_Preview_size = 40;
    saved.NewProject_width = 10000;
    saved.NewProject_height = 1;
    saved.NewProject_aspect1 = 16;
    saved.NewProject_aspect2 = 9;
    saved.NewProject_aspectratio = 10;
    saved.Help_pos_x = -5;
    saved.Help_pos_y = 17;
    saved.DepthPicker_pos_x = 800;
    saved.DepthPicker_pos_y = 90;
    saved.DepthPicker_visible = true;
    saved.Folders.RecordChosenFile(DialogFolder::OpenProject, "/data/projects/a.l2p");
    ASSERT_TRUE(SettingsStore().SaveSettings(saved));

    ApplicationSettings loaded;
    SettingsStore().LoadSettings(loaded);
    EXPECT_EQ(loaded.Position, saved.Position);
    EXPECT_EQ(loaded.Language, saved.Language);
    EXPECT_TRUE(loaded.WelcomeDialog);
    EXPECT_EQ(loaded.Project_image_quality, 0);
    EXPECT_EQ(loaded.Max_Undo_Steps, 100);
    EXPECT_EQ(loaded.TextTool_Preview_size, 40);
    EXPECT_EQ(loaded.NewProject_width, 10000);
    EXPECT_EQ(loaded.NewProject_height, 1);
    EXPECT_EQ(loaded.NewProject_aspect1, 16);
    EXPECT_EQ(loaded.NewProject_aspect2, 9);
    EXPECT_EQ(loaded.NewProject_aspectratio, 10);
    EXPECT_EQ(loaded.Help_pos_x, -5);
    EXPECT_EQ(loaded.Help_pos_y, 17);
    EXPECT_EQ(loaded.DepthPicker_pos_x, 800);
    EXPECT_EQ(loaded.DepthPicker_pos_y, 90);
    EXPECT_TRUE(loaded.DepthPicker_visible);
    EXPECT_EQ(loaded.Folders.StoredFolder(DialogFolder::OpenProject), "/data/projects/");
    EXPECT_EQ(Stored("Paths/App_Path").toString(), QCoreApplication::applicationFilePath());
}

TEST_F(SettingsStoreTest, ValuesAreStoredUnderTheirNamesAndTypes)
{
    ApplicationSettings s;
    s.Position = {1, 2, 3, 4, 1};
    s.WelcomeDialog = true;
    ASSERT_TRUE(SettingsStore().SaveSettings(s));
    RenderOptions o;
    o.RenderOptions_Settings_AugeScreen = 20.25;
    ASSERT_TRUE(SettingsStore().SaveRenderOptions(o));

    EXPECT_EQ(Stored("Position/top").toString(), "1");
    EXPECT_EQ(Stored("Position/left").toString(), "2");
    EXPECT_EQ(Stored("Position/bottom").toString(), "3");
    EXPECT_EQ(Stored("Position/right").toString(), "4");
    EXPECT_EQ(Stored("Position/windowstate").toString(), "1");
    EXPECT_EQ(Stored("Settings/WelcomeDialog").toString(), "1"); // a boolean is 0 or 1
    // A float is 8 raw bytes of the IEEE double, little-endian.
    const QByteArray raw = Stored("Settings/RenderOptions_Settings_AugeScreen").toByteArray();
    ASSERT_EQ(raw.size(), 8);
    double value = 0;
    std::memcpy(&value, raw.constData(), 8);
    EXPECT_EQ(value, 20.25);
    EXPECT_EQ(static_cast<uint8_t>(raw[7]), 0x40); // sign and exponent in the last byte
}

TEST_F(SettingsStoreTest, WindowStateTwoRestoresMaximised)
{
    WriteIni("[Position]\ntop=10\nleft=20\nbottom=610\nright=820\nwindowstate=2\n");
    ApplicationSettings s;
    SettingsStore().LoadSettings(s);
    EXPECT_EQ(ShowStateOf(s.Position.WindowState), WindowShowState::Maximised);
    // The stored rectangle is the restored size.
    EXPECT_EQ(s.Position.Width(), 800);
    EXPECT_EQ(s.Position.Height(), 600);
}

TEST_F(SettingsStoreTest, ShowStateFollowsTheStoredNumber)
{
    const std::pair<int32_t, WindowShowState> cases[] = {
        {0, WindowShowState::Normal},    {1, WindowShowState::Minimised},
        {2, WindowShowState::Maximised}, {3, WindowShowState::Normal},
        {-1, WindowShowState::Normal},
    };
    for (const auto& [stored, state] : cases) {
        EXPECT_EQ(ShowStateOf(stored), state) << stored;
        if (stored >= 0 && stored <= 2) {
            EXPECT_EQ(WindowStateOf(state), stored);
        }
    }
}

TEST_F(SettingsStoreTest, EachEntryIsReadOnItsOwn)
{
    // Mistyped, out-of-range and missing values keep what was there; the
    // good values around them are still read.
    WriteIni("[Position]\n"
             "top=abc\n"
             "left=33\n"
             "bottom=99999999999\n"
             "right=@ByteArray(12)\n"
             "[Settings]\n"
             "Language=English - default\n"
             "WelcomeDialog=7\n"
             "Project_image_quality=101\n"
             "Max_Undo_Steps=0\n"
             "TextTool_Preview_size=12\n"
             "NewProject_width=-4\n"
             "NewProject_height=800\n"
             "NewProject_aspect1=x\n"
             "NewProject_aspectratio=18\n"
             "Help_pos_x=1, 2\n"
             "DepthPicker_pos_y=44\n"
             "OpenLibraryPath=@ByteArray(raw)\n"
             "SaveProjectPath=/home/u/out/\n");
    ApplicationSettings s;
    s.Position = {1, 2, 3, 4, 0};
    s.Help_pos_x = 321;
    SettingsStore().LoadSettings(s);
    EXPECT_EQ(s.Position, (WindowPlacement{1, 33, 3, 4, 0}));
    EXPECT_EQ(s.Language, "English - default");
    EXPECT_TRUE(s.WelcomeDialog); // any non-zero reads as true
    EXPECT_EQ(s.Project_image_quality, 80);
    EXPECT_EQ(s.Max_Undo_Steps, 20);
    EXPECT_EQ(s.TextTool_Preview_size, 12);
    EXPECT_EQ(s.NewProject_width, 600);
    EXPECT_EQ(s.NewProject_height, 800);
    EXPECT_EQ(s.NewProject_aspect1, 4);
    EXPECT_EQ(s.NewProject_aspectratio, 1);
    EXPECT_EQ(s.Help_pos_x, 321);
    EXPECT_EQ(s.DepthPicker_pos_y, 44);
    EXPECT_TRUE(s.Folders.StoredFolder(DialogFolder::OpenLibrary).isEmpty());
    EXPECT_EQ(s.Folders.StoredFolder(DialogFolder::SaveProject), "/home/u/out/");
}

TEST_F(SettingsStoreTest, UnusedDialogKeepsItsStoredFolder)
{
    WriteIni("[Settings]\nOpenProjectPath=/old/projects/\nOpenTileImagePath=/old/tiles/\n");
    ApplicationSettings s;
    SettingsStore().LoadSettings(s);
    EXPECT_EQ(s.Folders.InitialFolder(DialogFolder::OpenTileImage), "/old/tiles/");
    s.Folders.RecordChosenFile(DialogFolder::OpenTileImage, "/new/pictures/marble.jpg");
    EXPECT_EQ(s.Folders.InitialFolder(DialogFolder::OpenTileImage), "/new/pictures/");
    ASSERT_TRUE(SettingsStore().SaveSettings(s));

    EXPECT_EQ(Stored("Settings/OpenProjectPath").toString(), "/old/projects/");
    EXPECT_EQ(Stored("Settings/OpenTileImagePath").toString(), "/new/pictures/");
    // A dialog that never had a folder gets no entry at all.
    EXPECT_FALSE(Stored("Settings/Open3DToolPath").isValid());
}

TEST_F(SettingsStoreTest, DialogFolderNames)
{
    const char* names[] = {
        "OpenProjectPath",    "SaveProjectPath",         "OpenAfBuStereoPath",
        "SaveAfBuStereoPath", "OpenAfBuBorderFramePath", "OpenAfBuBorderImagePath",
        "OpenFileSearchPath", "OpenLibraryPath",         "OpenTileImagePath",
        "Open3DToolPath",     "Save3DToolPicturePath",   "OpenToolImagePath",
        "SaveToolImagePath",
    };
    for (int i = 0; i < kDialogFolderCount; ++i)
        EXPECT_EQ(DialogFolderSettingName(static_cast<DialogFolder>(i)), names[i]);
    EXPECT_EQ(FolderWithSeparator("/picture.bmp"), "/");
}

TEST_F(SettingsStoreTest, RenderOptionsReachTheStoreOnlyWhenSaved)
{
    // Saving the general settings at exit leaves the default render
    // options as they were.
    ApplicationSettings s;
    ASSERT_TRUE(SettingsStore().SaveSettings(s));
    EXPECT_FALSE(Stored("Settings/RenderOptions_RenderDPI").isValid());
    EXPECT_EQ(SettingsStore().LoadRenderOptions(), RenderOptions{});

    RenderOptions o;
    o.RenderOptions_RenderWidthFormat = 2;
    o.RenderOptions_RenderHeightFormat = 3;
    o.RenderOptions_RenderDPI = 300;
    o.RenderOptions_RenderAspectRatio_Format = 10;
    o.RenderOptions_RenderAspectRatio_Width = 16;
    o.RenderOptions_RenderAspectRatio_Height = 9;
    o.RenderOptions_RenderWidth = 1920;
    o.RenderOptions_RenderHeight = 1080;
    o.RenderOptions_Tile_smaller_stretch = true;
    o.RenderOptions_Tile_bigger_stretch = true;
    o.RenderOptions_Tile_Width = 120;
    o.RenderOptions_Tile_ChangeWidth = true;
    o.RenderOptions_Settings_Divergenz = false;
    o.RenderOptions_Settings_quality = 4;
    o.RenderOptions_Settings_renderdirection = 4;
    o.RenderOptions_Settings_customrenderdirection = 500;
    o.RenderOptions_Settings_AugeScreen_Format = 1;
    o.RenderOptions_Settings_max3dtiefe_Format = 1;
    o.RenderOptions_Settings_min3dtiefe_Format = 1;
    o.RenderOptions_Settings_maxobdist_same = false;
    o.RenderOptions_Settings_AugeScreen = 16.5;
    o.RenderOptions_Settings_max3dtiefe = 12.125;
    o.RenderOptions_Settings_min3dtiefe = 3.0;
    ASSERT_TRUE(SettingsStore().SaveRenderOptions(o));
    EXPECT_EQ(SettingsStore().LoadRenderOptions(), o);

    // Changing them in memory and saving the general settings again does
    // not touch the stored defaults.
    ASSERT_TRUE(SettingsStore().SaveSettings(s));
    EXPECT_EQ(SettingsStore().LoadRenderOptions(), o);
}

TEST_F(SettingsStoreTest, DamagedRenderOptionsFallBackOneByOne)
{
    WriteIni("[Settings]\n"
             "RenderOptions_RenderDPI=0\n"
             "RenderOptions_RenderWidth=800\n"
             "RenderOptions_RenderHeight=20000\n"
             "RenderOptions_Tile_Width=wide\n"
             "RenderOptions_Settings_Divergenz=0\n"
             "RenderOptions_Settings_AugeScreen=16.0\n"
             "RenderOptions_Settings_max3dtiefe=@ByteArray(\\0\\0\\0\\0\\0\\0(@)\n"
             "RenderOptions_Settings_min3dtiefe=@ByteArray(\\0\\0\\0\\0)\n");
    RenderOptions o = SettingsStore().LoadRenderOptions();
    // Values beyond the dialog's ranges are brought into them.
    EXPECT_EQ(o.RenderOptions_RenderDPI, 1);
    EXPECT_EQ(o.RenderOptions_RenderWidth, 800);
    EXPECT_EQ(o.RenderOptions_RenderHeight, 10000);
    EXPECT_EQ(o.RenderOptions_Tile_Width, 90);
    EXPECT_FALSE(o.RenderOptions_Settings_Divergenz);
    EXPECT_EQ(o.RenderOptions_Settings_AugeScreen, 14.0); // text, not 8 raw bytes
    EXPECT_EQ(o.RenderOptions_Settings_max3dtiefe, 12.0);
    EXPECT_EQ(o.RenderOptions_Settings_min3dtiefe, 8.0); // 4 bytes are no double

    // A stored NaN or infinity is no distance.
    WriteIni("[Settings]\n"
             "RenderOptions_Settings_AugeScreen=@ByteArray(\\0\\0\\0\\0\\0\\0\\xf8\\x7f)\n"
             "RenderOptions_Settings_max3dtiefe=@ByteArray(\\0\\0\\0\\0\\0\\0\\xf0\\x7f)\n");
    o = SettingsStore().LoadRenderOptions();
    EXPECT_EQ(o.RenderOptions_Settings_AugeScreen, 14.0);
    EXPECT_EQ(o.RenderOptions_Settings_max3dtiefe, kMaxDistanceInches);
}

TEST_F(SettingsStoreTest, UnwritableStoreFailsQuietly)
{
    // A folder where the INI file should be: nothing can be written, and
    // nothing is thrown.
    QDir().mkpath(IniPath());
    ApplicationSettings s;
    EXPECT_FALSE(SettingsStore().SaveSettings(s));
    EXPECT_FALSE(SettingsStore().SaveRenderOptions(RenderOptions{}));
    SettingsStore().LoadSettings(s);
    EXPECT_EQ(s.Max_Undo_Steps, 20);
}

} // namespace
} // namespace lumora
