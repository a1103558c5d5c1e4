#pragma once
// What the desktop-program tests share: an installation folder in a
// temporary folder, file dialogs answered by the test, a script that
// answers the modal windows as they come up, and key presses that reach a
// window's shortcuts.

#include "app/environment_check.h"
#include "app/settings_store.h"
#include "project/project.h"
#include "tilemap/tile_tm_randomdot.h"
#include "ui/afterburner/tnachbrenner.h"
#include "ui/app/file_dialogs.h"
#include "ui/app/program_context.h"
#include "ui/app/program_start.h"
#include "ui/app/tmessage_form.h"
#include "ui/depthmap/tvorlage.h"
#include "ui/tilemap/tkachel.h"
#include "ui/widgets/picture_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace lumora::test {

// A complete installation: the build's language files, a JPEG splash and
// every other required file.
class FakeInstallation
{
public:
    FakeInstallation()
    {
        for (const QString& file : RequiredInstallationFiles())
            Write(file, "x");
        for (const char* language : {"English", "Deutsch"}) {
            const QString name = QStringLiteral("languages/%1.l2l").arg(language);
            QFile::remove(Path(name));
            EXPECT_TRUE(QFile::copy(QStringLiteral(LUMORA_SHARE_DIR "/") + name, Path(name)))
                << name.toStdString();
        }
        QImage splash(400, 320, QImage::Format_RGB32);
        splash.fill(Qt::darkBlue);
        QFile::remove(Path(kSplashFile));
        EXPECT_TRUE(splash.save(Path(kSplashFile), "JPEG"));
        QDir().mkpath(Path("stereograms"));
    }

    QString Folder() const { return dir_.path(); }
    QString Path(const QString& relative) const { return dir_.filePath(relative); }
    void Write(const QString& relative, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(Path(relative)).absolutePath());
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void Remove(const QString& relative) const { ASSERT_TRUE(QFile::remove(Path(relative))); }

private:
    QTemporaryDir dir_;
};

// File dialogs that answer from the test's lists; an empty list cancels.
class ScriptedFileDialogs : public FileDialogs
{
public:
    QString OpenFileName(QWidget*, const QString& folder, const QStringList& filters) override
    {
        ++OpenCalls;
        LastFolder = folder;
        LastFilters = filters;
        if (OpenAnswers.empty())
            return QString();
        const QString answer = OpenAnswers.front();
        OpenAnswers.pop_front();
        return answer;
    }
    SaveFileChoice SaveFileName(QWidget*, const QString& folder, const QStringList& filters,
                                const QString& defaultSuffix) override
    {
        ++SaveCalls;
        LastFolder = folder;
        LastFilters = filters;
        LastSuffix = defaultSuffix;
        if (SaveAnswers.empty())
            return {};
        const SaveFileChoice answer = SaveAnswers.front();
        SaveAnswers.pop_front();
        return answer;
    }

    std::deque<QString> OpenAnswers;
    std::deque<SaveFileChoice> SaveAnswers;
    int OpenCalls = 0;
    int SaveCalls = 0;
    QString LastFolder;
    QStringList LastFilters;
    QString LastSuffix;
};

// One step of a modal script: the window expected (its objectName) and
// what the user does in it.
struct ModalStep
{
    QString Window;
    std::function<void(QWidget&)> Act;
};

inline std::function<void(QWidget&)> Click(const QString& button)
{
    return [button](QWidget& window) {
        auto* target = window.findChild<QAbstractButton*>(button);
        ASSERT_NE(target, nullptr) << button.toStdString();
        QTest::mouseClick(target, Qt::LeftButton);
    };
}

// The title-bar "X".
inline std::function<void(QWidget&)> CloseWindow()
{
    return [](QWidget& window) { window.close(); };
}

inline ModalStep Yes()
{
    return {"Message_Form", Click("Button_Ja")};
}
inline ModalStep No()
{
    return {"Message_Form", Click("Button_Nein")};
}
inline ModalStep Cancel()
{
    return {"Message_Form", Click("Button_Abbrechen")};
}
inline ModalStep Ok()
{
    return {"Message_Form", Click("Button_OK")};
}

// Answers the modal windows that come up, in order, and records the text
// of every message box. A window the script does not expect is failed and
// closed, so that a test never hangs. A step may open further modal
// windows (a message box over a dialog); the script answers them too,
// since each look for a window is a timer of its own.
class ModalScript
{
public:
    explicit ModalScript(std::vector<ModalStep> steps) : steps_(steps.begin(), steps.end())
    {
        Schedule();
    }
    ~ModalScript() { EXPECT_TRUE(steps_.empty()) << steps_.size() << " modal steps not reached"; }

    const QStringList& Messages() const { return messages_; }

private:
    void Schedule()
    {
        QTimer::singleShot(5, &context_, [this] { Poll(); });
    }

    bool Acting(const QWidget* window) const
    {
        for (const QPointer<QWidget>& acting : acting_) {
            if (acting == window)
                return true;
        }
        return false;
    }

    void Poll()
    {
        Schedule();
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == last_ || Acting(modal))
            return;
        // The progress windows need no answer.
        if (modal->objectName() == "Stereo_Prog" || modal->objectName() == "Progress_Form")
            return;
        if (steps_.empty() || modal->objectName() != steps_.front().Window) {
            const auto* label = modal->findChild<QLabel*>("Message_Label");
            ADD_FAILURE() << "unexpected modal window " << modal->objectName().toStdString()
                          << (label ? " saying " + label->text().toStdString() : std::string());
            modal->close();
            return;
        }
        if (auto* label = modal->findChild<QLabel*>("Message_Label"))
            messages_ << label->text();
        const ModalStep step = steps_.front();
        steps_.pop_front();
        last_ = modal;
        acting_.push_back(modal);
        step.Act(*modal);
        acting_.pop_back();
        // The same window may come up again for the next question.
        QTimer::singleShot(0, &context_, [this] { last_ = nullptr; });
    }

    QObject context_;
    std::deque<ModalStep> steps_;
    QStringList messages_;
    QPointer<QWidget> last_;
    std::vector<QPointer<QWidget>> acting_;
};

// A key press on a window, with the window active so that its shortcuts
// take it.
inline void Press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, static_cast<Qt::Key>(key), modifiers);
}

// Whether the welcome screen comes up at the start of a test program.
enum class WelcomeAtStart
{
    Skipped, // "Don't show this dialog again" is stored
    Shown,   // a modal script answers it
};

// A started program with scripted file dialogs and its own settings file.
// The welcome screen is switched off unless the test asks for it.
class TestProgram
{
public:
    explicit TestProgram(QStringList arguments = {}, const QString& language = QString(),
                         WelcomeAtStart welcome = WelcomeAtStart::Skipped)
    {
        settingsFile_ = settingsDir_.filePath("settings.ini");
        if (!language.isEmpty() || welcome == WelcomeAtStart::Skipped) {
            ApplicationSettings settings;
            settings.Language = language;
            settings.WelcomeDialog = welcome == WelcomeAtStart::Skipped;
            SettingsStore(settingsFile_).SaveSettings(settings);
        }
        StartOptions options;
        options.ProgramDirectory = install_.Folder();
        options.Arguments = std::move(arguments);
        options.SettingsFile = settingsFile_;
        options.ShowWarning = [this](const QString& text) { Warnings << text; };
        options.BeforeFirstShow = [this](ProgramContext& program) {
            auto dialogs = std::make_unique<ScriptedFileDialogs>();
            Dialogs = dialogs.get();
            program.SetDialogs(std::move(dialogs));
        };
        result_ = StartProgram(options);
    }

    bool Started() const { return result_.Program != nullptr; }
    ProgramContext& Program() { return *result_.Program; }
    Project& CurrentProject() { return result_.Program->CurrentProject(); }
    const FakeInstallation& Installation() const { return install_; }
    QString SettingsFile() const { return settingsFile_; }
    QString TempPath(const QString& name) const { return files_.filePath(name); }

    // A random-dot tile, as the tile dialog would add it.
    void AddTile(int bandHeight = 60)
    {
        Tile_tm_RandomDot tile;
        ASSERT_TRUE(CurrentProject().Tiles.Tile_Add(bandHeight, tile));
    }

    ScriptedFileDialogs* Dialogs = nullptr;
    QStringList Warnings;

private:
    FakeInstallation install_;
    QTemporaryDir settingsDir_;
    QTemporaryDir files_;
    QString settingsFile_;
    StartResult result_;
};

} // namespace lumora::test
