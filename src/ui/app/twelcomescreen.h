#pragma once
// TWelcomeScreen: offered at the first showing of the depth-map window. It
// leads to the usual first actions, each a text link with an icon beside
// it that does the same: "Start", "Neues Projekt", "Project öffnen",
// "Getting started" and "Ende"; the title-bar "X" is "Start". The check box
// "Don't show this dialog again" is the setting "WelcomeDialog".

#include <QDialog>
#include <functional>

class QCheckBox;
class QGridLayout;

namespace lumora {

class TWelcomeScreen : public QDialog
{
public:
    enum class Choice
    {
        Start,
        NewProject,
        OpenProject,
        GettingStarted,
        Ende,
    };

    // What the entries need from the program. NewProject runs the
    // new-project dialog over the welcome screen and answers whether it
    // ended with "OK"; ChooseProject runs the open dialog and answers the
    // chosen file, or nothing.
    struct Actions
    {
        std::function<bool()> NewProject;
        std::function<QString()> ChooseProject;
    };

    static constexpr char kGettingStartedPage[] = "getting_started.l2h";

    explicit TWelcomeScreen(QWidget* parent = nullptr);

    // Shows the screen modally until an entry closes it. "Neues Projekt"
    // closes it only after "OK" in the new-project dialog, "Project
    // öffnen" only when a file was chosen (then ChosenProject() names it).
    Choice Execute(const Actions& actions);
    const QString& ChosenProject() const { return chosenProject_; }

    bool DontShowAgain() const;
    void SetDontShowAgain(bool dontShow);

protected:
    void reject() override;

private:
    void AddEntry(QGridLayout& grid, int row, const char* name, const QString& caption,
                  int standardIcon, const std::function<void()>& action);
    void Close(Choice choice);
    void NewProjectClicked();
    void OpenProjectClicked();

    Actions actions_;
    Choice choice_ = Choice::Start;
    QString chosenProject_;
    QCheckBox* dontShow_ = nullptr;
};

} // namespace lumora
