#pragma once
// TLumoHelp: the help page control without its widget. It reads a page
// file, lays it out at the control's width into a 24-bit picture of the
// page's height, keeps the link areas and a back and forward history. The
// help window shows the picture and passes the mouse on; tests look at
// the picture directly.

#include "help/help_history.h"
#include "help/help_link_area.h"
#include "help/lumo_help_look.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace lumora {

class TPixelEngine;

class TLumoHelp
{
public:
    // Pages taller than this are cut off there.
    static constexpr int kMaxPageHeight = 20000;

    // The control's size; DefaultHeight starts as its height.
    TLumoHelp(int width, int height);
    ~TLumoHelp();
    TLumoHelp(const TLumoHelp&) = delete;
    TLumoHelp& operator=(const TLumoHelp&) = delete;

    LumoHelpLook Look;
    // The control's height when no page could be loaded.
    int DefaultHeight = 0;
    // Raised after a page was loaded (or failed to load) and the control's
    // height was set, before the page is drawn.
    std::function<void()> OnLoadHelpScript;

    int Width() const { return width_; }
    // The page height of the current page, or DefaultHeight.
    int Height() const { return height_; }
    // Takes effect with the next load.
    void SetWidth(int width) { width_ = width; }

    // Loads and lays out the page; record adds it to the history. A
    // missing file shows NoneText centred (and is still recorded). A
    // picture size that is no whole number throws LumoraError while the
    // page is drawn; the page then stays as far as it was drawn.
    void LoadPage(const QString& path, bool record);
    // The current page again, at the current width, without recording.
    void Reload();

    bool CanGoBack() const { return history_.CanGoBack(); }
    bool CanGoForward() const { return history_.CanGoForward(); }
    void GoBack();
    void GoForward();

    // The link area at a point of the page, or null.
    const HelpLinkArea* LinkAt(int x, int y) const;
    // A click released at that point: inside a link area, loads the
    // current folder + target with recording and answers true.
    bool FollowLinkAt(int x, int y);

    const QString& CurrentPath() const { return currentPath_; }
    // The folder of the last page read, with a trailing separator.
    const QString& CurrentFolder() const { return folder_; }
    bool PageFound() const { return pageFound_; }
    const QStringList& Lines() const { return lines_; }
    const std::vector<HelpLinkArea>& Links() const { return links_; }
    const HelpHistory& History() const { return history_; }
    // Width x Height, 24 bits.
    const TPixelEngine& Picture() const { return *picture_; }

    // The height the lines need at that width: the title band (when the
    // first line is not empty) and every laid-out line and picture.
    static int PageHeight(const QStringList& lines, const LumoHelpLook& look, int width,
                          const QString& folder);

private:
    void ShowNoneText();
    void DrawPage();
    void DrawTitle(const QString& title);
    void FillArea(int left, int top, int right, int bottom, uint32_t colour);
    void RaiseLoaded();

    int width_;
    int height_;
    QString currentPath_;
    QString folder_;
    bool pageFound_ = false;
    QStringList lines_;
    std::vector<HelpLinkArea> links_;
    HelpHistory history_;
    std::unique_ptr<TPixelEngine> picture_;
};

} // namespace lumora
