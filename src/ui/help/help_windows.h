#pragma once
// HelpWindows: the help window, the development window and the about box,
// and the commands of the "Hilfe" menus that show them or open the
// program's web page.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QRect;

namespace lumora {

class CursorSlots;
class TDevelop;
class THelp;
class TInfo;
struct ApplicationSettings;

// The cursor slots of the page: the hand over the page, the link cursor
// over links.
inline constexpr int kHelpCursorSlot = 11;
inline constexpr int kHelpLinkCursorSlot = 14;

class HelpWindows
{
public:
    // The pages are read from programDirectory/help/english/; a page that
    // stops drawing with an error is told through tell.
    HelpWindows(const QString& programDirectory, const CursorSlots& cursors,
                std::function<void(const QString&)> tell);
    ~HelpWindows();
    HelpWindows(const HelpWindows&) = delete;
    HelpWindows& operator=(const HelpWindows&) = delete;

    THelp& Help() const { return *help_; }
    TDevelop& Develop() const { return *develop_; }
    TInfo& Info() const { return *info_; }

    // Loads the page with history recording; with show set the help
    // window comes up.
    void Show_Help(const QString& pageName, bool show);
    // "Development...": the log of the language applied last.
    void ShowDevelopment(const QStringList& languageLog);
    // "&Info": modal.
    void ShowInfo(const QString& versionCaption);
    // "Lumora Release 2 online...": the system's web browser on the
    // program's page. Answers whether a browser took it.
    bool OpenWebPage() const;
    // Tests take the address instead of a browser.
    void SetUrlOpener(std::function<bool(const QUrl&)> open);
    static QUrl WebPage();

    // The help window's place: centred on the screen before the settings
    // are read, the stored place after, its place written back at exit.
    void CentreHelpWindow(ApplicationSettings& settings, const QRect& screen) const;
    void PlaceHelpWindow(const ApplicationSettings& settings) const;
    void StoreHelpWindowPlace(ApplicationSettings& settings) const;

    void HideAll() const;

private:
    std::unique_ptr<THelp> help_;
    std::unique_ptr<TDevelop> develop_;
    std::unique_ptr<TInfo> info_;
    std::function<bool(const QUrl&)> openUrl_;
};

} // namespace lumora
