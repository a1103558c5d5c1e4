#include "ui/help/help_windows.h"

#include "app/application_settings.h"
#include "ui/help/tdevelop.h"
#include "ui/help/thelp.h"
#include "ui/help/tinfo.h"
#include "ui/widgets/cursor_files.h"

#include <QDesktopServices>
#include <QRect>

namespace lumora {

HelpWindows::HelpWindows(const QString& programDirectory, const CursorSlots& cursors,
                         std::function<void(const QString&)> tell)
    : info_(std::make_unique<TInfo>()), openUrl_(&QDesktopServices::openUrl)
{
    develop_ = std::make_unique<TDevelop>();
    help_ = std::make_unique<THelp>(programDirectory + QStringLiteral("/help/english/"));
    help_->SetCursors(cursors.Slot(kHelpCursorSlot), cursors.Slot(kHelpLinkCursorSlot));
    help_->SetErrorReport(std::move(tell));
    info_->SetShowHelp([this](const QString& page) { Show_Help(page, true); });
}

HelpWindows::~HelpWindows() = default;

void HelpWindows::Show_Help(const QString& pageName, bool show)
{
    help_->ShowPage(pageName, show);
}

void HelpWindows::ShowDevelopment(const QStringList& languageLog)
{
    develop_->SetLog(languageLog);
    develop_->show();
    develop_->raise();
    develop_->activateWindow();
}

void HelpWindows::ShowInfo(const QString& versionCaption)
{
    info_->Execute(versionCaption);
}

bool HelpWindows::OpenWebPage() const
{
    return openUrl_(WebPage());
}

void HelpWindows::SetUrlOpener(std::function<bool(const QUrl&)> open)
{
    openUrl_ = std::move(open);
}

QUrl HelpWindows::WebPage()
{
    return QUrl(QStringLiteral("https://www.velbrook.example/lumora-r2/"));
}

void HelpWindows::CentreHelpWindow(ApplicationSettings& settings, const QRect& screen) const
{
    settings.Help_pos_x = CentredOnScreen(screen.width(), help_->width()) + screen.left();
    settings.Help_pos_y = CentredOnScreen(screen.height(), help_->height()) + screen.top();
}

void HelpWindows::PlaceHelpWindow(const ApplicationSettings& settings) const
{
    help_->move(settings.Help_pos_x, settings.Help_pos_y);
}

void HelpWindows::StoreHelpWindowPlace(ApplicationSettings& settings) const
{
    settings.Help_pos_x = help_->x();
    settings.Help_pos_y = help_->y();
}

void HelpWindows::HideAll() const
{
    help_->hide();
    develop_->hide();
    info_->hide();
}

} // namespace lumora
