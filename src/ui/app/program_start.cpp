#include "ui/app/program_start.h"

#include "ui/app/program_context.h"
#include "ui/app/tsplash.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <cstdio>

namespace lumora {

namespace {

const char kStartErrorLine[] = "An error occurred while trying to start Lumora R2 !";

void ShowPlatformWarning(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::warning(nullptr, QStringLiteral("Lumora R2"), shown, QMessageBox::Ok);
}

StartResult Fail(StartupStatus status, const StartOptions& options)
{
    const QString text = StartupErrorText(status);
    if (options.ShowWarning)
        options.ShowWarning(text);
    else
        ShowPlatformWarning(text);
    return StartResult{status, nullptr};
}

} // namespace

QString StartupErrorText(StartupStatus status)
{
    QString reason;
    switch (status) {
    case StartupStatus::FileMissing:
        reason = QStringLiteral("Error: File not found");
        break;
    case StartupStatus::NoLanguage:
        reason = QStringLiteral("Error: No valid language file found");
        break;
    case StartupStatus::DamagedSplash:
        reason = QStringLiteral("Error: The splash picture data/Splash.dat cannot be read");
        break;
    case StartupStatus::AllWell:
        return QString();
    }
    return QString::fromLatin1(kStartErrorLine) + QLatin1Char('\r') + reason;
}

StartResult StartProgram(const StartOptions& options)
{
    const StartupStatus check = CheckEnvironment(options.ProgramDirectory);
    if (check != StartupStatus::AllWell)
        return Fail(check, options);
    QApplication::setApplicationName(QStringLiteral("Lumora R2"));

    // A damaged splash picture ends the start with a message, not a crash.
    const QImage picture(QDir(options.ProgramDirectory).filePath(QString::fromLatin1(kSplashFile)),
                         "JPEG");
    if (picture.isNull())
        return Fail(StartupStatus::DamagedSplash, options);
    auto splash = std::make_unique<TSplash>(picture);
    const auto setStatus = [&splash, &options](const QString& status) {
        splash->SetStatus(status);
        if (options.OnStatus)
            options.OnStatus(status);
    };
    setStatus(QStringLiteral("Creating Splash Screen..."));
    splash->show();
    splash->repaint();

    auto program = std::make_unique<ProgramContext>(options.ProgramDirectory, options.SettingsFile);
    program->CreateWindows(setStatus);
    program->LoadSettings();
    setStatus(QStringLiteral("Loading Language..."));
    const bool languageFound = program->LoadLanguage();
    splash.reset();
    if (!languageFound)
        return Fail(StartupStatus::NoLanguage, options);

    if (options.BeforeFirstShow)
        options.BeforeFirstShow(*program);
    if (options.ShowFirstWindow)
        program->ShowFirst(options.Arguments);
    return StartResult{StartupStatus::AllWell, std::move(program)};
}

QString InstallationFolderOf(const QString& executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/lumora"));
}

QString LumoraUsage()
{
    return QStringLiteral(
        "usage: lumora [PROJECT.l2p]\n"
        "       lumora --check\n"
        "       lumora --help\n"
        "\n"
        "Lumora R2 designs single-image stereograms. It opens the project\n"
        "PROJECT.l2p when that file exists, otherwise the welcome screen.\n"
        "The program directory is share/lumora beside the program's folder.\n"
        "\n"
        "  --check              check the program directory and the language files\n"
        "                       as the start does, without showing a window; exit\n"
        "                       code 0 when the installation is complete\n"
        "  --help               show this text\n"
        "\n"
        "Qt's own options (-platform NAME, -style NAME, ...) are understood as well.\n");
}

namespace {

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void PrintLine(FILE* stream, const QString& text)
{
    std::fprintf(stream, "lumora: %s\n", qPrintable(text));
}

// Qt's own diagnostics (runtime folder, fonts, plug-ins) would bury the one
// line the check prints; only fatal ones get through.
void QuietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        PrintLine(stderr, message);
}

int CheckInstallation(int argc, char** argv)
{
    // Nothing is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessageHandler);
    QApplication application(argc, argv);
    StartOptions options;
    options.ProgramDirectory = InstallationFolderOf(QApplication::applicationDirPath());
    options.ShowFirstWindow = false;
    options.ShowWarning = [](const QString& text) {
        QString line = text;
        line.replace(QLatin1Char('\r'), QLatin1Char(' '));
        PrintLine(stderr, line);
    };
    const StartResult result = StartProgram(options);
    if (result.Status != StartupStatus::AllWell)
        return 1;
    PrintLine(stdout,
              QStringLiteral("the installation in %1 is complete").arg(options.ProgramDirectory));
    return 0;
}

} // namespace

int RunLumora(int argc, char** argv)
{
    // Qt removes the options it knows from argv: the project path is taken first.
    const QStringList arguments = ArgumentsOf(argc, argv);
    if (arguments.value(0) == QLatin1String("--help")) {
        std::fputs(qPrintable(LumoraUsage()), stdout);
        return 0;
    }
    if (arguments.value(0) == QLatin1String("--check"))
        return CheckInstallation(argc, argv);
    QApplication application(argc, argv);

    StartOptions options;
    options.ProgramDirectory = InstallationFolderOf(QApplication::applicationDirPath());
    options.Arguments = arguments;
    // The program ends when its main window closes, not when the welcome
    // screen or another dialog is the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);
    StartResult result = StartProgram(options);
    if (result.Status != StartupStatus::AllWell)
        return 1;
    // "Ende" on the welcome screen ends the program before its event loop.
    if (result.Program->Ended())
        return 0;
    result.Program->SetOnEnded([] { QCoreApplication::quit(); });
    return QApplication::exec();
}

} // namespace lumora
