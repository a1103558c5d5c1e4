#pragma once
// ProgramContext: what lives from start-up to exit. It owns the settings,
// the languages, the project with its undo history, the tile random
// source, every window and dialog, and carries out the commands the three
// stage windows share: the render command, the render options, the window
// switching and the close query. The project file commands are
// ProjectFileCommands'; the members of the same names here pass them on.

#include "app/application_settings.h"
#include "app/language_manager.h"
#include "app/language_widgets.h"
#include "app/settings_store.h"
#include "common/random_generator.h"
#include "project/project_observer.h"
#include "tilemap/tile_random_source.h"
#include "ui/app/stage_window.h"
#include "ui/widgets/cursor_files.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace lumora {

class FileDialogs;
class HelpWindows;
class HistoryList_dm;
class Project;
class ProjectFileCommands;
class TKachel;
class TLibInfo;
class TLibrary_Form;
class TMessage_Form;
class TNachbrenner;
class TNeuesProj;
class TPixelEngine;
class TPrefs;
class TProgress_Form;
class TRender_opt;
class TDepthSlider_Form;
class TGreyPicker;
class TRename_dm_obj;
class TStereo_Prog;
class TTool_Ellipse;
class TTool_Line;
class TTool_Polygon;
class TTool_Rectangle;
class TTool_Text;
class TVorlage;
class TWelcomeScreen;

// "Lumora Release 2 - " + the project's name.
inline constexpr char kCaptionPrefix[] = "Lumora Release 2 - ";

class ProgramContext : public LanguageWidgets, public ProjectObserver
{
public:
    // programDirectory is the installation folder; settingsFile the INI
    // file of the settings (empty: the user's store).
    ProgramContext(QString programDirectory, QString settingsFile);
    ~ProgramContext() override;
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;

    const QString& ProgramDirectory() const { return programDirectory_; }
    Project& CurrentProject() { return *project_; }
    const Project& CurrentProject() const { return *project_; }
    HistoryList_dm& History() { return *history_; }
    ApplicationSettings& Settings() { return settings_; }
    const SettingsStore& Store() const { return store_; }
    LanguageManager& Languages() { return languages_; }
    const LanguageTexts& Texts() const { return languages_.Texts(); }
    TileRandomSource& TileRandom() { return tileRandom_; }
    // The depth-map editor's cursor slots 1 to 15.
    const CursorSlots& Cursors() const { return cursors_; }

    // The file dialogs; a test puts its own in place.
    FileDialogs& Dialogs() { return *dialogs_; }
    void SetDialogs(std::unique_ptr<FileDialogs> dialogs);

    // Start-up. Each window is created once; status tells the splash what
    // is created next.
    void CreateWindows(const std::function<void(const QString&)>& status);
    // The window placement, the general settings, then the render options.
    void LoadSettings();
    // Lists the language files and applies the chosen one (the setting
    // "Language"); answers whether a valid language file was found.
    bool LoadLanguage();
    // The first showing of the depth-map window: caption, then the project
    // named by the first argument when that is an existing file, otherwise
    // the welcome screen unless it was switched off.
    void ShowFirst(const QStringList& arguments);

    TVorlage& Vorlage() const { return *vorlage_; }
    TKachel& Kachel() const { return *kachel_; }
    TNachbrenner& Nachbrenner() const { return *nachbrenner_; }
    TMessage_Form& MessageForm() const { return *message_; }
    TProgress_Form& ProgressForm() const { return *progress_; }
    TPrefs& Prefs() const { return *prefs_; }
    TWelcomeScreen& WelcomeScreen() const { return *welcome_; }
    TLibrary_Form& LibraryForm() const { return *library_; }
    TLibInfo& LibInfo() const { return *libInfo_; }
    TNeuesProj& NewProjectDialog() const { return *neuesProj_; }
    // The dialogs and small windows of the depth-map window.
    TTool_Rectangle& Tool_Rectangle() const { return *toolRectangle_; }
    TTool_Ellipse& Tool_Ellipse() const { return *toolEllipse_; }
    TTool_Line& Tool_Line() const { return *toolLine_; }
    TTool_Polygon& Tool_Polygon() const { return *toolPolygon_; }
    TTool_Text& Tool_Text() const { return *toolText_; }
    TRename_dm_obj& Rename_dm_obj() const { return *rename_; }
    TDepthSlider_Form& DepthSlider_Form() const { return *depthSlider_; }
    TGreyPicker& GreyPicker() const { return *greyPicker_; }
    StageWindow& Window(Stage stage) const;
    // The stage window the user sees.
    StageWindow& CurrentWindow() const { return *current_; }

    // The help window on a page of the installation's help folder, the
    // page recorded in its history; with show set the window comes up.
    // Every "?" button and the help menus call this.
    void Show_Help(const QString& pageName, bool show = true);
    // The help, development and about windows.
    HelpWindows& Help() const { return *help_; }

    // The message box: mode 0 asks (answers 0 Yes, 1 No, 2 Cancel),
    // mode 1 tells (answers 3).
    int Ask(const QString& text);
    void Tell(const QString& text);

    // The commands of the File menus (ProjectFileCommands).
    bool Save(StageWindow& from);
    bool SaveAs(StageWindow& from);
    void Open(StageWindow& from);
    // The open dialog for project files; the chosen file or nothing.
    QString ChooseProjectToOpen(StageWindow& from);
    bool OpenCommand(const QString& path, StageWindow& from);
    // Answers whether a new project was made ("OK" in its dialog).
    bool NewProject(StageWindow& from);
    // Only when the project is modified: Yes saves (and answers whether it
    // did), No answers true, Cancel false.
    bool AskUnsavedChanges();

    // "Stereogramm Rendern": renders and, from the depth-map or tile-map
    // window, switches to the afterburner.
    void RenderCommand(StageWindow& from);
    void RenderOptionsCommand(StageWindow& from);
    // "Voreinstellungen...".
    void PreferencesCommand();

    // The picture library window over the libraries of folder; see
    // TLibrary_Form::Show_Library.
    bool Show_Library(const QString& folder, const QString& caption,
                      std::unique_ptr<TPixelEngine>& picture);

    // After a language file was applied: the setting "Language" follows
    // the applied language and the windows show the texts anew.
    void LanguageApplied();

    // Renders the stereogram without switching windows; answers whether a
    // picture was composed.
    bool RenderPipeline();
    // After a project was opened or created: the captions, the depth-map
    // window in front, every stage shown anew.
    void ShowProjectInDepthMap(StageWindow& from);

    // The window switching; the afterburner asks NeuRendern first when
    // tiles exist and the stereogram is out of date.
    void SwitchTo(Stage target, StageWindow& from);
    // The afterburner can be chosen once a stereogram was rendered.
    bool AfterburnerReachable() const;

    // The close query of any stage window: the unsaved-changes question,
    // then the end of the program (settings saved, windows closed).
    bool CloseQuery(StageWindow& from);
    bool Ended() const { return ended_; }
    // Called once the program has ended (the event loop quits).
    void SetOnEnded(std::function<void()> onEnded) { onEnded_ = std::move(onEnded); }

    // The caption of the three windows for the project's file or Untitled.
    QString ProjectCaption() const;
    void UpdateCaption();
    void UpdateCommandStates();
    // Every stage shows the project anew.
    void RepaintStages();

    // LanguageWidgets
    bool HasComponent(const QString& window, const QString& component) const override;
    void ApplyEntry(const QString& window, const QString& component, const QString& property,
                    const QString& value) override;
    void ShowDisclaimer(const QString& text) override;

    // ProjectObserver
    void ProjectFlagsChanged() override;

private:
    QWidget* LanguageWindow(const QString& name) const;
    void ShowStage(StageWindow& target, StageWindow& from);
    void ShowWelcomeScreen();
    void EndProgram();
    void SavePlacement();
    void ApplyPlacement();

    QString programDirectory_;
    SettingsStore store_;
    ApplicationSettings settings_;
    LanguageManager languages_;
    std::unique_ptr<Project> project_;
    std::unique_ptr<HistoryList_dm> history_;
    RandomGenerator random_;
    TileRandomSource tileRandom_;
    std::unique_ptr<FileDialogs> dialogs_;
    std::unique_ptr<ProjectFileCommands> files_;
    CursorSlots cursors_;

    std::unique_ptr<TVorlage> vorlage_;
    std::unique_ptr<TKachel> kachel_;
    std::unique_ptr<TNachbrenner> nachbrenner_;
    std::unique_ptr<TRender_opt> renderOptions_;
    std::unique_ptr<TStereo_Prog> stereoProg_;
    std::unique_ptr<TNeuesProj> neuesProj_;
    std::unique_ptr<TMessage_Form> message_;
    std::unique_ptr<TProgress_Form> progress_;
    std::unique_ptr<TPrefs> prefs_;
    std::unique_ptr<TWelcomeScreen> welcome_;
    std::unique_ptr<TLibInfo> libInfo_;
    std::unique_ptr<TLibrary_Form> library_;
    std::unique_ptr<TTool_Rectangle> toolRectangle_;
    std::unique_ptr<TTool_Ellipse> toolEllipse_;
    std::unique_ptr<TTool_Line> toolLine_;
    std::unique_ptr<TTool_Polygon> toolPolygon_;
    std::unique_ptr<TTool_Text> toolText_;
    std::unique_ptr<TRename_dm_obj> rename_;
    std::unique_ptr<TDepthSlider_Form> depthSlider_;
    std::unique_ptr<TGreyPicker> greyPicker_;
    std::unique_ptr<HelpWindows> help_;
    StageWindow* current_ = nullptr;

    // Set by "Ende" on the welcome screen: the settings are not saved.
    bool skipSavingSettings_ = false;
    bool shuttingDown_ = false;
    bool ended_ = false;
    std::function<void()> onEnded_;
};

} // namespace lumora
