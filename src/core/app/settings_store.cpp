#include "app/settings_store.h"

#include "app/settings_key.h"

#include <QCoreApplication>
#include <QSettings>

namespace lumora {

namespace {

const QString kPositionGroup = QStringLiteral("Position");
const QString kPathsGroup = QStringLiteral("Paths");
const QString kSettingsGroup = QStringLiteral("Settings");

void ReadPosition(const SettingsKey& key, WindowPlacement& p)
{
    key.ReadInteger(QStringLiteral("top"), p.Top);
    key.ReadInteger(QStringLiteral("left"), p.Left);
    key.ReadInteger(QStringLiteral("bottom"), p.Bottom);
    key.ReadInteger(QStringLiteral("right"), p.Right);
    key.ReadInteger(QStringLiteral("windowstate"), p.WindowState);
}

void WritePosition(SettingsKey& key, const WindowPlacement& p)
{
    key.WriteInteger(QStringLiteral("top"), p.Top);
    key.WriteInteger(QStringLiteral("left"), p.Left);
    key.WriteInteger(QStringLiteral("bottom"), p.Bottom);
    key.WriteInteger(QStringLiteral("right"), p.Right);
    key.WriteInteger(QStringLiteral("windowstate"), p.WindowState);
}

void ReadGeneral(const SettingsKey& key, ApplicationSettings& s)
{
    s.Language = key.ReadString(QStringLiteral("Language"));
    key.ReadBool(QStringLiteral("WelcomeDialog"), s.WelcomeDialog);
    key.ReadIntegerInRange(QStringLiteral("Project_image_quality"), 0, kMaxImageQuality,
                           s.Project_image_quality);
    key.ReadIntegerInRange(QStringLiteral("Max_Undo_Steps"), kMinUndoSteps, kMaxUndoSteps,
                           s.Max_Undo_Steps);
    key.ReadIntegerInRange(QStringLiteral("TextTool_Preview_size"), 1, kMaxPreviewFontSize,
                           s.TextTool_Preview_size);
    key.ReadIntegerInRange(QStringLiteral("NewProject_width"), 1, kMaxNewProjectPixels,
                           s.NewProject_width);
    key.ReadIntegerInRange(QStringLiteral("NewProject_height"), 1, kMaxNewProjectPixels,
                           s.NewProject_height);
    key.ReadIntegerInRange(QStringLiteral("NewProject_aspect1"), 1, kMaxNewProjectPixels,
                           s.NewProject_aspect1);
    key.ReadIntegerInRange(QStringLiteral("NewProject_aspect2"), 1, kMaxNewProjectPixels,
                           s.NewProject_aspect2);
    key.ReadIntegerInRange(QStringLiteral("NewProject_aspectratio"), 0, kNewProjectPresetCount - 1,
                           s.NewProject_aspectratio);
}

void ReadFolders(const SettingsKey& key, DialogFolders& folders)
{
    for (int i = 0; i < kDialogFolderCount; ++i) {
        const auto dialog = static_cast<DialogFolder>(i);
        folders.SetStoredFolder(dialog, key.ReadString(DialogFolderSettingName(dialog)));
    }
}

void ReadWindowPositions(const SettingsKey& key, ApplicationSettings& s)
{
    key.ReadInteger(QStringLiteral("Help_pos_x"), s.Help_pos_x);
    key.ReadInteger(QStringLiteral("Help_pos_y"), s.Help_pos_y);
    key.ReadInteger(QStringLiteral("DepthPicker_pos_x"), s.DepthPicker_pos_x);
    key.ReadInteger(QStringLiteral("DepthPicker_pos_y"), s.DepthPicker_pos_y);
    key.ReadBool(QStringLiteral("DepthPicker_visible"), s.DepthPicker_visible);
}

void WriteGeneral(SettingsKey& key, const ApplicationSettings& s)
{
    key.WriteString(QStringLiteral("Language"), s.Language);
    key.WriteBool(QStringLiteral("WelcomeDialog"), s.WelcomeDialog);
    key.WriteInteger(QStringLiteral("Project_image_quality"), s.Project_image_quality);
    key.WriteInteger(QStringLiteral("Max_Undo_Steps"), s.Max_Undo_Steps);
    key.WriteInteger(QStringLiteral("TextTool_Preview_size"), s.TextTool_Preview_size);
    key.WriteInteger(QStringLiteral("NewProject_width"), s.NewProject_width);
    key.WriteInteger(QStringLiteral("NewProject_height"), s.NewProject_height);
    key.WriteInteger(QStringLiteral("NewProject_aspect1"), s.NewProject_aspect1);
    key.WriteInteger(QStringLiteral("NewProject_aspect2"), s.NewProject_aspect2);
    key.WriteInteger(QStringLiteral("NewProject_aspectratio"), s.NewProject_aspectratio);
}

void WriteFolders(SettingsKey& key, const DialogFolders& folders)
{
    for (int i = 0; i < kDialogFolderCount; ++i) {
        const auto dialog = static_cast<DialogFolder>(i);
        if (const auto folder = folders.FolderToSave(dialog))
            key.WriteString(DialogFolderSettingName(dialog), *folder);
    }
}

void WriteWindowPositions(SettingsKey& key, const ApplicationSettings& s)
{
    key.WriteInteger(QStringLiteral("Help_pos_x"), s.Help_pos_x);
    key.WriteInteger(QStringLiteral("Help_pos_y"), s.Help_pos_y);
    key.WriteInteger(QStringLiteral("DepthPicker_pos_x"), s.DepthPicker_pos_x);
    key.WriteInteger(QStringLiteral("DepthPicker_pos_y"), s.DepthPicker_pos_y);
    key.WriteBool(QStringLiteral("DepthPicker_visible"), s.DepthPicker_visible);
}

template <class... Fs> struct Overloaded : Fs...
{
    using Fs::operator()...;
};
template <class... Fs> Overloaded(Fs...) -> Overloaded<Fs...>;

// The 23 stored render options in the order of the store's table; Options
// is RenderOptions or const RenderOptions.
template <class Options, class Visitor> void VisitRenderOptions(Options& o, Visitor&& visit)
{
    visit("RenderOptions_RenderWidthFormat", o.RenderOptions_RenderWidthFormat);
    visit("RenderOptions_RenderHeightFormat", o.RenderOptions_RenderHeightFormat);
    visit("RenderOptions_RenderDPI", o.RenderOptions_RenderDPI);
    visit("RenderOptions_RenderAspectRatio_Format", o.RenderOptions_RenderAspectRatio_Format);
    visit("RenderOptions_RenderAspectRatio_Width", o.RenderOptions_RenderAspectRatio_Width);
    visit("RenderOptions_RenderAspectRatio_Height", o.RenderOptions_RenderAspectRatio_Height);
    visit("RenderOptions_RenderWidth", o.RenderOptions_RenderWidth);
    visit("RenderOptions_RenderHeight", o.RenderOptions_RenderHeight);
    visit("RenderOptions_Tile_smaller_stretch", o.RenderOptions_Tile_smaller_stretch);
    visit("RenderOptions_Tile_bigger_stretch", o.RenderOptions_Tile_bigger_stretch);
    visit("RenderOptions_Tile_Width", o.RenderOptions_Tile_Width);
    visit("RenderOptions_Tile_ChangeWidth", o.RenderOptions_Tile_ChangeWidth);
    visit("RenderOptions_Settings_Divergenz", o.RenderOptions_Settings_Divergenz);
    visit("RenderOptions_Settings_quality", o.RenderOptions_Settings_quality);
    visit("RenderOptions_Settings_renderdirection", o.RenderOptions_Settings_renderdirection);
    visit("RenderOptions_Settings_customrenderdirection",
          o.RenderOptions_Settings_customrenderdirection);
    visit("RenderOptions_Settings_AugeScreen_Format", o.RenderOptions_Settings_AugeScreen_Format);
    visit("RenderOptions_Settings_max3dtiefe_Format", o.RenderOptions_Settings_max3dtiefe_Format);
    visit("RenderOptions_Settings_min3dtiefe_Format", o.RenderOptions_Settings_min3dtiefe_Format);
    visit("RenderOptions_Settings_maxobdist_same", o.RenderOptions_Settings_maxobdist_same);
    visit("RenderOptions_Settings_AugeScreen", o.RenderOptions_Settings_AugeScreen);
    visit("RenderOptions_Settings_max3dtiefe", o.RenderOptions_Settings_max3dtiefe);
    visit("RenderOptions_Settings_min3dtiefe", o.RenderOptions_Settings_min3dtiefe);
}

bool Flush(QSettings& settings)
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString iniFileName) : iniFileName_(std::move(iniFileName)) {}

std::unique_ptr<QSettings> SettingsStore::Open() const
{
    if (iniFileName_.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QString::fromLatin1(kOrganisation),
                                           QString::fromLatin1(kApplication));
    return std::make_unique<QSettings>(iniFileName_, QSettings::IniFormat);
}

QString SettingsStore::FileName() const
{
    return Open()->fileName();
}

void SettingsStore::LoadSettings(ApplicationSettings& settings) const
{
    const auto store = Open();
    {
        const SettingsKey position(*store, kPositionGroup);
        ReadPosition(position, settings.Position);
    }
    const SettingsKey general(*store, kSettingsGroup);
    ReadGeneral(general, settings);
    ReadFolders(general, settings.Folders);
    ReadWindowPositions(general, settings);
}

bool SettingsStore::SaveSettings(const ApplicationSettings& settings) const
{
    const auto store = Open();
    {
        SettingsKey position(*store, kPositionGroup);
        WritePosition(position, settings.Position);
    }
    {
        SettingsKey paths(*store, kPathsGroup);
        paths.WriteString(QStringLiteral("App_Path"), QCoreApplication::applicationFilePath());
    }
    {
        SettingsKey general(*store, kSettingsGroup);
        WriteGeneral(general, settings);
        WriteFolders(general, settings.Folders);
        WriteWindowPositions(general, settings);
    }
    return Flush(*store);
}

RenderOptions SettingsStore::LoadRenderOptions() const
{
    const auto store = Open();
    const SettingsKey key(*store, kSettingsGroup);
    RenderOptions o;
    VisitRenderOptions(o, Overloaded{
                              [&key](const char* name, int32_t& v) { key.ReadInteger(name, v); },
                              [&key](const char* name, bool& v) { key.ReadBool(name, v); },
                              [&key](const char* name, double& v) { key.ReadFloat(name, v); },
                          });
    // A hand-edited or damaged store must not start a render on nonsense.
    return ClampedToDialogRanges(o);
}

bool SettingsStore::SaveRenderOptions(const RenderOptions& o) const
{
    const auto store = Open();
    {
        SettingsKey key(*store, kSettingsGroup);
        VisitRenderOptions(o,
                           Overloaded{
                               [&key](const char* name, int32_t v) { key.WriteInteger(name, v); },
                               [&key](const char* name, bool v) { key.WriteBool(name, v); },
                               [&key](const char* name, double v) { key.WriteFloat(name, v); },
                           });
    }
    return Flush(*store);
}

} // namespace lumora
