#include "ui/app/program_context.h"

#include "app/environment_check.h"
#include "history/history_list_dm.h"
#include "project/project.h"
#include "project/render_stereogram.h"
#include "rendering/lumo_pixelengine.h"
#include "ui/afterburner/tnachbrenner.h"
#include "ui/app/busy_cursor.h"
#include "ui/app/file_dialogs.h"
#include "ui/app/project_file_commands.h"
#include "ui/app/tlibinfo.h"
#include "ui/app/tlibrary_form.h"
#include "ui/app/tmessage_form.h"
#include "ui/app/tprefs.h"
#include "ui/app/tprogress_form.h"
#include "ui/app/twelcomescreen.h"
#include "ui/depthmap/tdepthslider_form.h"
#include "ui/depthmap/tgreypicker.h"
#include "ui/depthmap/trename_dm_obj.h"
#include "ui/depthmap/ttool_ellipse.h"
#include "ui/depthmap/ttool_line.h"
#include "ui/depthmap/ttool_polygon.h"
#include "ui/depthmap/ttool_rectangle.h"
#include "ui/depthmap/ttool_text.h"
#include "ui/depthmap/tvorlage.h"
#include "ui/help/help_windows.h"
#include "ui/help/thelp.h"
#include "ui/project/tneuesproj.h"
#include "ui/rendering/trender_opt.h"
#include "ui/rendering/tstereo_prog.h"
#include "ui/tilemap/tkachel.h"
#include "ui/widgets/language_binding.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace lumora {

namespace {

// The depth-map window's size before any placement was stored.
constexpr int kDefaultWindowWidth = 900;
constexpr int kDefaultWindowHeight = 680;

QString ErrorText(const std::exception& e)
{
    return QString::fromUtf8(e.what());
}

} // namespace

ProgramContext::ProgramContext(QString programDirectory, QString settingsFile)
    : programDirectory_(std::move(programDirectory)),
      store_(settingsFile.isEmpty() ? SettingsStore() : SettingsStore(settingsFile)),
      project_(std::make_unique<Project>()),
      history_(std::make_unique<HistoryList_dm>(project_->Depth)), tileRandom_(random_),
      dialogs_(std::make_unique<StandardFileDialogs>()),
      files_(std::make_unique<ProjectFileCommands>(*this))
{
    project_->SetObserver(this);
}

ProgramContext::~ProgramContext()
{
    project_->SetObserver(nullptr);
    project_->Tiles.SetUi(nullptr);
    project_->Afterburner.SetUi(nullptr);
    library_.reset();
    libInfo_.reset();
    welcome_.reset();
    prefs_.reset();
    help_.reset();
    progress_.reset();
    message_.reset();
    neuesProj_.reset();
    stereoProg_.reset();
    renderOptions_.reset();
    nachbrenner_.reset();
    kachel_.reset();
    vorlage_.reset();
    history_.reset();
    project_->Depth.SetHistory(nullptr);
}

void ProgramContext::SetDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

void ProgramContext::CreateWindows(const std::function<void(const QString&)>& status)
{
    status(QStringLiteral("Creating DepthMap..."));
    cursors_.Load(programDirectory_, CursorFiles());
    vorlage_ = std::make_unique<TVorlage>(*this);
    status(QStringLiteral("Creating TileMap..."));
    kachel_ = std::make_unique<TKachel>(*this);
    status(QStringLiteral("Creating Afterburner..."));
    nachbrenner_ = std::make_unique<TNachbrenner>(*this);
    status(QStringLiteral("Creating Render Options..."));
    renderOptions_ = std::make_unique<TRender_opt>();
    status(QStringLiteral("Creating Progress..."));
    stereoProg_ = std::make_unique<TStereo_Prog>();
    status(QStringLiteral("Creating Ellipse Tool..."));
    toolEllipse_ = std::make_unique<TTool_Ellipse>();
    status(QStringLiteral("Creating Line Tool..."));
    toolLine_ = std::make_unique<TTool_Line>();
    status(QStringLiteral("Creating Polygon Tool..."));
    toolPolygon_ = std::make_unique<TTool_Polygon>();
    status(QStringLiteral("Creating Text Tool..."));
    toolText_ = std::make_unique<TTool_Text>();
    toolText_->SetTexts(&languages_.Texts());
    status(QStringLiteral("Creating Tool \"Rectangle\"..."));
    toolRectangle_ = std::make_unique<TTool_Rectangle>();
    status(QStringLiteral("Creating Settings..."));
    prefs_ = std::make_unique<TPrefs>(*this);
    status(QStringLiteral("Creating New Project dialog..."));
    neuesProj_ = std::make_unique<TNeuesProj>();
    status(QStringLiteral("Creating Message Window..."));
    message_ = std::make_unique<TMessage_Form>();
    status(QStringLiteral("Creating Welcome Screen..."));
    welcome_ = std::make_unique<TWelcomeScreen>();
    status(QStringLiteral("Creating Library Window..."));
    library_ = std::make_unique<TLibrary_Form>(*this);
    status(QStringLiteral("Creating Library Info Window..."));
    libInfo_ = std::make_unique<TLibInfo>();
    status(QStringLiteral("Creating Help Window..."));
    help_ = std::make_unique<HelpWindows>(programDirectory_, cursors_,
                                          [this](const QString& text) { Tell(text); });
    renderOptions_->SetShowHelp([this](const QString& page) { Show_Help(page); });
    neuesProj_->SetShowHelp([this](const QString& page) { Show_Help(page); });
    prefs_->SetShowHelp([this](const QString& page) { Show_Help(page); });
    library_->SetShowHelp([this](const QString& page) { Show_Help(page); });
    status(QStringLiteral("Creating Progress Window..."));
    progress_ = std::make_unique<TProgress_Form>(languages_.Texts());
    status(QStringLiteral("Creating Rename Object Window..."));
    rename_ = std::make_unique<TRename_dm_obj>();
    rename_->SetTexts(&languages_.Texts());
    rename_->SetTell([this](const QString& text) { Tell(text); });
    status(QStringLiteral("Creating Fast DepthSlider..."));
    depthSlider_ = std::make_unique<TDepthSlider_Form>();
    greyPicker_ = std::make_unique<TGreyPicker>();
    for (LumoDialog* dialog : std::initializer_list<LumoDialog*>{
             toolRectangle_.get(), toolEllipse_.get(), toolLine_.get(), toolPolygon_.get(),
             toolText_.get(), rename_.get(), depthSlider_.get(), greyPicker_.get()})
        dialog->SetHelpRequest([this](const QString& page) { Show_Help(page); });

    project_->Tiles.SetUi(kachel_.get());
    project_->Afterburner.SetUi(nachbrenner_.get());
    kachel_->setEnabled(false);
    nachbrenner_->setEnabled(false);
    current_ = vorlage_.get();
}

void ProgramContext::LoadSettings()
{
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1024, 768);
    const int32_t left = CentredOnScreen(screen.width(), kDefaultWindowWidth) + screen.left();
    const int32_t top = CentredOnScreen(screen.height(), kDefaultWindowHeight) + screen.top();
    settings_.Position =
        WindowPlacement{top, left, top + kDefaultWindowHeight, left + kDefaultWindowWidth, 0};
    help_->CentreHelpWindow(settings_, screen);
    store_.LoadSettings(settings_);
    help_->PlaceHelpWindow(settings_);
    project_->Options = store_.LoadRenderOptions();
    history_->SetMaxSteps(settings_.Max_Undo_Steps);
    ApplyPlacement();
}

bool ProgramContext::LoadLanguage()
{
    languages_.SetCurrentLanguageName(settings_.Language);
    languages_.ScanLanguages(programDirectory_ + QStringLiteral("/languages"), *this);
    if (languages_.Entries().empty())
        return false;
    settings_.Language = languages_.CurrentLanguageName();
    return true;
}

void ProgramContext::ShowFirst(const QStringList& arguments)
{
    UpdateCaption();
    if (ShowStateOf(settings_.Position.WindowState) == WindowShowState::Maximised)
        vorlage_->showMaximized();
    else
        vorlage_->show();
    vorlage_->activateWindow();
    RepaintStages();
    UpdateCommandStates();
    skipSavingSettings_ = false;
    if (!arguments.isEmpty() && QFileInfo(arguments.constFirst()).isFile())
        OpenCommand(arguments.constFirst(), *vorlage_);
    else if (!settings_.WelcomeDialog)
        ShowWelcomeScreen();
}

void ProgramContext::ShowWelcomeScreen()
{
    welcome_->SetDontShowAgain(settings_.WelcomeDialog);
    const TWelcomeScreen::Choice choice =
        welcome_->Execute({[this] { return NewProject(*vorlage_); },
                           [this] { return ChooseProjectToOpen(*vorlage_); }});
    settings_.WelcomeDialog = welcome_->DontShowAgain();
    prefs_->SetStartDialogShown(!settings_.WelcomeDialog);
    switch (choice) {
    case TWelcomeScreen::Choice::OpenProject:
        OpenCommand(welcome_->ChosenProject(), *vorlage_);
        break;
    case TWelcomeScreen::Choice::GettingStarted:
        Show_Help(QString::fromLatin1(TWelcomeScreen::kGettingStartedPage));
        break;
    case TWelcomeScreen::Choice::Ende:
        skipSavingSettings_ = true;
        vorlage_->close();
        break;
    case TWelcomeScreen::Choice::Start:
    case TWelcomeScreen::Choice::NewProject:
        break;
    }
}

StageWindow& ProgramContext::Window(Stage stage) const
{
    switch (stage) {
    case Stage::TileMap:
        return *kachel_;
    case Stage::Afterburner:
        return *nachbrenner_;
    case Stage::DepthMap:
        break;
    }
    return *vorlage_;
}

void ProgramContext::Show_Help(const QString& pageName, bool show)
{
    help_->Show_Help(pageName, show);
}

int ProgramContext::Ask(const QString& text)
{
    return message_->ShowMessage(text, TMessage_Form::kAsk);
}

void ProgramContext::Tell(const QString& text)
{
    message_->ShowMessage(text, TMessage_Form::kTell);
}

bool ProgramContext::Save(StageWindow& from)
{
    return files_->Save(from);
}

bool ProgramContext::SaveAs(StageWindow& from)
{
    return files_->SaveAs(from);
}

void ProgramContext::Open(StageWindow& from)
{
    files_->Open(from);
}

QString ProgramContext::ChooseProjectToOpen(StageWindow& from)
{
    return files_->ChooseProjectToOpen(from);
}

bool ProgramContext::OpenCommand(const QString& path, StageWindow& from)
{
    return files_->OpenCommand(path, from);
}

bool ProgramContext::NewProject(StageWindow& from)
{
    return files_->NewProject(from);
}

bool ProgramContext::AskUnsavedChanges()
{
    return files_->AskUnsavedChanges();
}

void ProgramContext::ShowProjectInDepthMap(StageWindow& from)
{
    UpdateCaption();
    ShowStage(*vorlage_, from);
    RepaintStages();
    UpdateCommandStates();
}

bool ProgramContext::RenderPipeline()
{
    if (!project_->CanRender())
        return false;
    BusyCursor busy;
    try {
        RenderStereogram(*project_, tileRandom_, stereoProg_.get());
    } catch (const LumoraError& e) {
        busy.Restore();
        Tell(ErrorText(e));
        UpdateCommandStates();
        return false;
    }
    nachbrenner_->PictureComposed();
    UpdateCommandStates();
    return true;
}

void ProgramContext::RenderCommand(StageWindow& from)
{
    if (RenderPipeline() && from.WindowStage() != Stage::Afterburner)
        ShowStage(*nachbrenner_, from);
}

void ProgramContext::RenderOptionsCommand(StageWindow& from)
{
    if (renderOptions_->Execute(*project_) && from.WindowStage() == Stage::TileMap)
        from.RepaintStage();
    UpdateCommandStates();
}

void ProgramContext::PreferencesCommand()
{
    prefs_->Execute();
}

bool ProgramContext::Show_Library(const QString& folder, const QString& caption,
                                  std::unique_ptr<TPixelEngine>& picture)
{
    return library_->Show_Library(folder, caption, picture);
}

void ProgramContext::LanguageApplied()
{
    settings_.Language = languages_.CurrentLanguageName();
    UpdateCaption();
    RepaintStages();
    UpdateCommandStates();
}

void ProgramContext::SwitchTo(Stage target, StageWindow& from)
{
    if (target == from.WindowStage())
        return;
    if (target == Stage::Afterburner) {
        if (!AfterburnerReachable())
            return;
        if (!project_->Tiles.IsEmpty() && project_->OutOfDate()) {
            const int answer = Ask(Texts().MessageText(u"NeuRendern"));
            if (answer == TMessage_Form::kYes) {
                RenderCommand(from);
                return;
            }
            if (answer != TMessage_Form::kNo)
                return;
            project_->SetOutOfDate(false);
        }
    }
    ShowStage(Window(target), from);
}

bool ProgramContext::AfterburnerReachable() const
{
    return project_->Rendered() && project_->Afterburner.Picture() != nullptr;
}

void ProgramContext::ShowStage(StageWindow& target, StageWindow& from)
{
    if (&target == &from)
        return;
    target.setWindowTitle(from.windowTitle());
    const QRect placement =
        from.normalGeometry().isValid() ? from.normalGeometry() : from.geometry();
    target.setGeometry(placement);
    target.setEnabled(true);
    if (from.isMaximized())
        target.showMaximized();
    else
        target.showNormal();
    if (&target == nachbrenner_.get())
        nachbrenner_->PictureComposed();
    else
        target.RepaintStage();
    target.raise();
    target.activateWindow();
    from.hide();
    from.setEnabled(false);
    current_ = &target;
}

bool ProgramContext::CloseQuery(StageWindow& from)
{
    if (shuttingDown_)
        return true;
    (void)from;
    if (!AskUnsavedChanges())
        return false;
    EndProgram();
    return true;
}

void ProgramContext::EndProgram()
{
    shuttingDown_ = true;
    if (!skipSavingSettings_) {
        SavePlacement();
        help_->StoreHelpWindowPlace(settings_);
        store_.SaveSettings(settings_);
    }
    help_->HideAll();
    for (StageWindow* window :
         {static_cast<StageWindow*>(vorlage_.get()), static_cast<StageWindow*>(kachel_.get()),
          static_cast<StageWindow*>(nachbrenner_.get())}) {
        if (window != current_)
            window->hide();
    }
    ended_ = true;
    if (onEnded_)
        onEnded_();
}

void ProgramContext::SavePlacement()
{
    const StageWindow& window = *current_;
    const QRect g = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    const WindowShowState state = window.isMaximized()   ? WindowShowState::Maximised
                                  : window.isMinimized() ? WindowShowState::Minimised
                                                         : WindowShowState::Normal;
    settings_.Position = WindowPlacement{g.top(), g.left(), g.top() + g.height(),
                                         g.left() + g.width(), WindowStateOf(state)};
}

void ProgramContext::ApplyPlacement()
{
    const WindowPlacement& p = settings_.Position;
    if (p.Width() > 0 && p.Height() > 0)
        vorlage_->setGeometry(p.Left, p.Top, p.Width(), p.Height());
}

QString ProgramContext::ProjectCaption() const
{
    const QString name = project_->FilePath.isEmpty() ? Texts().DisplayText(u"Untitled")
                                                      : QFileInfo(project_->FilePath).fileName();
    return QString::fromLatin1(kCaptionPrefix) + name;
}

void ProgramContext::UpdateCaption()
{
    const QString caption = ProjectCaption();
    for (Stage stage : {Stage::DepthMap, Stage::TileMap, Stage::Afterburner})
        Window(stage).setWindowTitle(caption);
}

void ProgramContext::UpdateCommandStates()
{
    if (!vorlage_ || !kachel_ || !nachbrenner_)
        return;
    for (Stage stage : {Stage::DepthMap, Stage::TileMap, Stage::Afterburner})
        Window(stage).UpdateCommandState();
}

void ProgramContext::RepaintStages()
{
    vorlage_->RepaintStage();
    kachel_->RepaintStage();
    nachbrenner_->PictureComposed();
}

QWidget* ProgramContext::LanguageWindow(const QString& name) const
{
    for (QWidget* window : {static_cast<QWidget*>(vorlage_.get()),
                            static_cast<QWidget*>(kachel_.get()),
                            static_cast<QWidget*>(nachbrenner_.get()),
                            static_cast<QWidget*>(renderOptions_.get()),
                            static_cast<QWidget*>(stereoProg_.get()),
                            static_cast<QWidget*>(neuesProj_.get()),
                            static_cast<QWidget*>(message_.get()),
                            static_cast<QWidget*>(progress_.get()),
                            static_cast<QWidget*>(prefs_.get()),
                            static_cast<QWidget*>(welcome_.get()),
                            static_cast<QWidget*>(library_.get()),
                            static_cast<QWidget*>(libInfo_.get()),
                            static_cast<QWidget*>(toolRectangle_.get()),
                            static_cast<QWidget*>(toolEllipse_.get()),
                            static_cast<QWidget*>(toolLine_.get()),
                            static_cast<QWidget*>(toolPolygon_.get()),
                            static_cast<QWidget*>(toolText_.get()),
                            static_cast<QWidget*>(rename_.get()),
                            static_cast<QWidget*>(depthSlider_.get()),
                            static_cast<QWidget*>(greyPicker_.get()),
                            help_ ? static_cast<QWidget*>(&help_->Help()) : nullptr}) {
        if (window && window->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return window;
    }
    return nullptr;
}

bool ProgramContext::HasComponent(const QString& window, const QString& component) const
{
    const QWidget* target = LanguageWindow(window);
    return target && HasLanguageComponent(*target, component);
}

void ProgramContext::ApplyEntry(const QString& window, const QString& component,
                                const QString& property, const QString& value)
{
    if (QWidget* target = LanguageWindow(window))
        ApplyLanguageEntry(*target, component, property, value);
}

void ProgramContext::ShowDisclaimer(const QString& text)
{
    Tell(text);
}

void ProgramContext::ProjectFlagsChanged()
{
    UpdateCommandStates();
}

} // namespace lumora
