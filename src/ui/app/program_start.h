#pragma once
// The program entry: the check of the installation, the splash while every
// window is created, the settings and the language, and the first showing
// of the depth-map window (with the project the first argument names).

#include "app/environment_check.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace lumora {

class ProgramContext;

// The two start-up failures' texts: the first line, a carriage return,
// the reason.
QString StartupErrorText(StartupStatus status);

struct StartOptions
{
    // The installation folder holding data/, languages/, ...
    QString ProgramDirectory;
    // The command-line arguments after the program's own name.
    QStringList Arguments;
    // The settings INI file; empty: the user's store.
    QString SettingsFile;
    // The platform's warning dialog; a test records the text instead.
    std::function<void(const QString& text)> ShowWarning;
    // Sees every status text of the splash as it is set.
    std::function<void(const QString& status)> OnStatus;
    // Runs once the windows exist, before the first showing (a test puts
    // its file dialogs in place here).
    std::function<void(ProgramContext& program)> BeforeFirstShow;
    // False: the start ends once every window exists and the language is
    // loaded, nothing is shown (the installation check).
    bool ShowFirstWindow = true;
};

struct StartResult
{
    StartupStatus Status = StartupStatus::AllWell;
    // The running program, for AllWell only.
    std::unique_ptr<ProgramContext> Program;
};

StartResult StartProgram(const StartOptions& options);

// <folder of the executable>/../share/lumora.
QString InstallationFolderOf(const QString& executableFolder);

// The text of lumora --help.
QString LumoraUsage();

// main(): the arguments are taken before the toolkit removes its own.
// --help prints the usage; --check starts without showing a window and
// reports on the installation, with exit code 0 when it is complete.
int RunLumora(int argc, char** argv);

} // namespace lumora
