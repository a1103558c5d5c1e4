#pragma once
// ProjectFileCommands: the project file commands of the three stage
// windows' "Datei" menus: New, Open, Save, Save As and the question about
// unsaved changes that comes before New, Open and the end of the program.
// The window switching stays with the program context.

class QString;

namespace lumora {

class ProgramContext;
class StageWindow;

class ProjectFileCommands
{
public:
    explicit ProjectFileCommands(ProgramContext& context) : context_(context) {}

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

private:
    ProgramContext& context_;
};

} // namespace lumora
