#include "ui/app/project_file_commands.h"

#include "app/application_settings.h"
#include "app/settings_store.h"
#include "project/new_project_dialog_model.h"
#include "project/project.h"
#include "project/project_file.h"
#include "ui/app/busy_cursor.h"
#include "ui/app/file_dialogs.h"
#include "ui/app/program_context.h"
#include "ui/app/tmessage_form.h"
#include "ui/app/tprogress_form.h"
#include "ui/project/tneuesproj.h"

#include <QFileInfo>

namespace lumora {

namespace {

QString ErrorText(const std::exception& e)
{
    return QString::fromUtf8(e.what());
}

NewProjectDialogModel NewProjectModelFrom(const ApplicationSettings& settings)
{
    NewProjectDialogModel model;
    model.Width = settings.NewProject_width;
    model.Height = settings.NewProject_height;
    model.Preset = settings.NewProject_aspectratio;
    model.Aspect1 = settings.NewProject_aspect1;
    model.Aspect2 = settings.NewProject_aspect2;
    model.SettingsLoaded();
    return model;
}

void RememberNewProjectChoice(const NewProjectDialogModel& model, ApplicationSettings& settings)
{
    settings.NewProject_width = model.Width;
    settings.NewProject_height = model.Height;
    settings.NewProject_aspectratio = model.Preset;
    settings.NewProject_aspect1 = model.Aspect1;
    settings.NewProject_aspect2 = model.Aspect2;
}

} // namespace

bool ProjectFileCommands::Save(StageWindow& from)
{
    Project& project = context_.CurrentProject();
    if (project.FilePath.isEmpty())
        return SaveAs(from);
    BusyCursor busy;
    try {
        SaveProject(project, project.FilePath, context_.Settings().Project_image_quality,
                    &context_.ProgressForm());
    } catch (const LumoraError& e) {
        busy.Restore();
        context_.Tell(ErrorText(e));
        return false;
    }
    context_.UpdateCaption();
    context_.UpdateCommandStates();
    return true;
}

bool ProjectFileCommands::SaveAs(StageWindow& from)
{
    ApplicationSettings& settings = context_.Settings();
    const SaveFileChoice choice = context_.Dialogs().SaveFileName(
        &from, settings.Folders.InitialFolder(DialogFolder::SaveProject),
        {QString::fromLatin1(kProjectFileFilter)}, QString::fromLatin1(kProjectFileExtension));
    if (choice.FileName.isEmpty())
        return false;
    QString path = choice.FileName;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(kProjectFileExtension);
    settings.Folders.RecordChosenFile(DialogFolder::SaveProject, path);
    Project& project = context_.CurrentProject();
    const QString previous = project.FilePath;
    project.FilePath = path;
    if (!Save(from)) {
        project.FilePath = previous;
        return false;
    }
    return true;
}

void ProjectFileCommands::Open(StageWindow& from)
{
    const QString path = ChooseProjectToOpen(from);
    if (path.isEmpty())
        return;
    if (!AskUnsavedChanges())
        return;
    OpenCommand(path, from);
}

QString ProjectFileCommands::ChooseProjectToOpen(StageWindow& from)
{
    ApplicationSettings& settings = context_.Settings();
    const QString path = context_.Dialogs().OpenFileName(
        &from, settings.Folders.InitialFolder(DialogFolder::OpenProject),
        {QString::fromLatin1(kProjectFileFilter)});
    if (!path.isEmpty())
        settings.Folders.RecordChosenFile(DialogFolder::OpenProject, path);
    return path;
}

bool ProjectFileCommands::OpenCommand(const QString& path, StageWindow& from)
{
    const QString& fileError = context_.Texts().MessageText(u"ProjFileError");
    const ApplicationSettings& settings = context_.Settings();
    bool rendered = false;
    {
        BusyCursor busy;
        try {
            rendered = OpenProject(context_.CurrentProject(), path, settings.NewProject_width,
                                   settings.NewProject_height, &context_.ProgressForm());
        } catch (const NotAProjectFileError&) {
            busy.Restore();
            context_.Tell(fileError);
            return false;
        } catch (const DamagedProjectFileError& e) {
            busy.Restore();
            context_.Tell(fileError + QLatin1Char('\r') + e.Problem());
            return false;
        } catch (const LumoraError& e) {
            busy.Restore();
            context_.Tell(ErrorText(e));
            return false;
        }
    }
    context_.ShowProjectInDepthMap(from);
    if (rendered &&
        context_.Ask(context_.Texts().MessageText(u"NeuRendern")) == TMessage_Form::kYes)
        context_.RenderPipeline();
    return true;
}

bool ProjectFileCommands::NewProject(StageWindow& from)
{
    if (!AskUnsavedChanges())
        return false;
    NewProjectDialogModel model = NewProjectModelFrom(context_.Settings());
    if (!context_.NewProjectDialog().Execute(model))
        return false;
    RememberNewProjectChoice(model, context_.Settings());
    Project& project = context_.CurrentProject();
    project.Options = context_.Store().LoadRenderOptions();
    project.Reset(model.Width, model.Height);
    project.FilePath.clear();
    project.SetModified(false);
    context_.ShowProjectInDepthMap(from);
    return true;
}

bool ProjectFileCommands::AskUnsavedChanges()
{
    if (!context_.CurrentProject().Modified())
        return true;
    const LanguageTexts& texts = context_.Texts();
    const int answer = context_.Ask(texts.MessageText(u"ChangedProject1") + QLatin1Char('\r') +
                                    texts.MessageText(u"ChangedProject2"));
    if (answer == TMessage_Form::kYes)
        return Save(context_.CurrentWindow()); // a save cancelled or failed keeps the changes
    return answer == TMessage_Form::kNo;
}

} // namespace lumora
