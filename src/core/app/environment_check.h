#pragma once
// The start-up check that the installation is complete: every file of the
// installation layout the program needs must exist below the program
// directory (the cursors, the splash picture, the 3D primitives, the
// language files, the picture libraries, the plug-ins and the help start
// page). The scanner library is linked, not a file beside the program.

#include <QString>
#include <QStringList>

namespace lumora {

// The start-up status of the program entry.
enum class StartupStatus
{
    AllWell = 0,
    FileMissing = 1,
    NoLanguage = 2,
    // The splash picture is not a JPEG file.
    DamagedSplash = 3,
};

// The required files, relative to the program directory, with "/".
const QStringList& RequiredInstallationFiles();

// The cursor files of the depth-map editor's cursor slots 1 to 15.
const QStringList& CursorFiles();

// The splash picture, a JPEG file.
inline constexpr char kSplashFile[] = "data/Splash.dat";

// AllWell when every required file exists below programDirectory,
// FileMissing as soon as one is missing (or is not a file).
StartupStatus CheckEnvironment(const QString& programDirectory);

} // namespace lumora
