#include "help/lumo_help.h"

#include "help/help_page_file.h"
#include "help/help_page_layout.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/pixel_canvas.h"

#include <QFileInfo>
#include <algorithm>

namespace lumora {

TLumoHelp::TLumoHelp(int width, int height)
    : DefaultHeight(height), width_(width), height_(height),
      picture_(std::make_unique<TPixelEngine>(0, 0))
{
}

TLumoHelp::~TLumoHelp() = default;

void TLumoHelp::LoadPage(const QString& path, bool record)
{
    lines_.clear();
    links_.clear();
    if (record)
        history_.Record(path);
    currentPath_ = path;
    const std::optional<QStringList> lines = ReadHelpPageLines(path);
    pageFound_ = lines.has_value();
    if (!pageFound_) {
        ShowNoneText();
        return;
    }
    lines_ = *lines;
    folder_ = QFileInfo(path).absolutePath() + QLatin1Char('/');
    height_ = PageHeight(lines_, Look, width_, folder_);
    RaiseLoaded();
    DrawPage();
}

void TLumoHelp::Reload()
{
    if (!currentPath_.isEmpty())
        LoadPage(currentPath_, false);
}

void TLumoHelp::GoBack()
{
    if (history_.Back())
        LoadPage(history_.Current(), false);
}

void TLumoHelp::GoForward()
{
    if (history_.Forward())
        LoadPage(history_.Current(), false);
}

const HelpLinkArea* TLumoHelp::LinkAt(int x, int y) const
{
    const auto found = std::find_if(links_.begin(), links_.end(),
                                    [x, y](const HelpLinkArea& a) { return a.Contains(x, y); });
    return found == links_.end() ? nullptr : &*found;
}

bool TLumoHelp::FollowLinkAt(int x, int y)
{
    const HelpLinkArea* link = LinkAt(x, y);
    if (!link)
        return false;
    const QString target = folder_ + link->Target;
    LoadPage(target, true);
    return true;
}

int TLumoHelp::PageHeight(const QStringList& lines, const LumoHelpLook& look, int width,
                          const QString& folder)
{
    std::vector<HelpLinkArea> links;
    HelpPageLayout layout(look, width, folder, nullptr, links);
    const bool hasTitle = !lines.isEmpty() && !lines.constFirst().isEmpty();
    layout.BeginBody(hasTitle);
    for (qsizetype i = 1; i < lines.size() && layout.PenY() < kMaxPageHeight; ++i)
        layout.LayOutLine(lines.at(i));
    return std::min(std::max(layout.PenY(), hasTitle ? look.TitleHeight : 0), kMaxPageHeight);
}

void TLumoHelp::ShowNoneText()
{
    height_ = DefaultHeight;
    picture_ = std::make_unique<TPixelEngine>(width_, height_);
    picture_->FillColour(Look.ColorBack);
    PixelFont font = Look.Font;
    font.Bold = false;
    picture_->Font = font;
    const int x = width_ / 2 - picture_->TextWidth(Look.NoneText) / 2;
    const int y = height_ / 2 - picture_->TextHeight(Look.NoneText) / 2;
    picture_->TextOut(x, y, Look.NoneText);
    RaiseLoaded();
}

void TLumoHelp::DrawPage()
{
    picture_ = std::make_unique<TPixelEngine>(width_, height_);
    // A page without title has no band; its top is body colour too.
    picture_->FillColour(Look.ColorBack);
    const bool hasTitle = !lines_.isEmpty() && !lines_.constFirst().isEmpty();
    if (hasTitle)
        DrawTitle(lines_.constFirst());
    HelpPageLayout layout(Look, width_, folder_, picture_.get(), links_);
    layout.BeginBody(hasTitle);
    for (qsizetype i = 1; i < lines_.size() && layout.PenY() < height_; ++i)
        layout.LayOutLine(lines_.at(i));
}

void TLumoHelp::DrawTitle(const QString& title)
{
    FillArea(0, 0, width_, Look.TitleHeight, Look.ColorTitleBack);
    PixelFont font = Look.Font;
    font.Bold = true;
    font.Color = Look.ColorTitleFont;
    picture_->Font = font;
    const int x = width_ / 2 - picture_->TextWidth(title) / 2;
    const int y = Look.TitleHeight / 2 - picture_->TextHeight(title) / 2 - 1;
    picture_->TextOut(x, y, title);
    FillArea(0, Look.TitleHeight - 2, width_, Look.TitleHeight, Look.ColorTitleLine);
}

void TLumoHelp::FillArea(int left, int top, int right, int bottom, uint32_t colour)
{
    picture_->SetBrushColor(colour);
    picture_->SetPen(1, false);
    picture_->Rectangle(left, top, right, bottom);
}

void TLumoHelp::RaiseLoaded()
{
    if (OnLoadHelpScript)
        OnLoadHelpScript();
}

} // namespace lumora
