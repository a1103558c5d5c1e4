// lumora-show-window WINDOW: starts the program on the installation beside
// it, without the welcome screen and with its own settings in a temporary
// folder, shows WINDOW modally and ends when it is closed.
//
//   tile-library, frame-library, border-library   the picture library window
//   preferences                                    the preferences
#include "app/application_settings.h"
#include "app/settings_store.h"
#include "rendering/lumo_pixelengine.h"
#include "ui/app/program_context.h"
#include "ui/app/program_start.h"
#include "ui/app/tprefs.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

struct LibraryWindow
{
    const char* Name;
    const char* Folder;
    const char* Caption;
};

constexpr LibraryWindow kLibraries[] = {
    {"tile-library", "library/tiles", "Tile Library"},
    {"frame-library", "library/frames", "Frame Library"},
    {"border-library", "library/borders", "Image Border Library"},
};

int Usage()
{
    std::fputs("usage: lumora-show-window tile-library|frame-library|border-library|preferences\n",
               stderr);
    return 2;
}

int ShowWindow(lumora::ProgramContext& program, const QString& window)
{
    for (const LibraryWindow& library : kLibraries) {
        if (window == QLatin1String(library.Name)) {
            std::unique_ptr<lumora::TPixelEngine> picture;
            program.Show_Library(QDir(program.ProgramDirectory()).filePath(library.Folder),
                                 QString::fromLatin1(library.Caption), picture);
            return 0;
        }
    }
    if (window == QLatin1String("preferences")) {
        program.PreferencesCommand();
        return 0;
    }
    return Usage();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return Usage();
    const QString window = QString::fromLocal8Bit(argv[1]);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QTemporaryDir settingsFolder;
    lumora::StartOptions options;
    options.ProgramDirectory = lumora::InstallationFolderOf(QApplication::applicationDirPath());
    options.SettingsFile = settingsFolder.filePath(QStringLiteral("settings.ini"));
    lumora::ApplicationSettings settings;
    settings.WelcomeDialog = true;
    lumora::SettingsStore(options.SettingsFile).SaveSettings(settings);
    lumora::StartResult result = lumora::StartProgram(options);
    if (result.Status != lumora::StartupStatus::AllWell)
        return 1;
    return ShowWindow(*result.Program, window);
}
