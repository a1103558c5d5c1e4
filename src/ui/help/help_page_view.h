#pragma once
// HelpPageView: shows the page picture of a TLumoHelp scrolled to a
// vertical position, below it the page colour. The mouse shows the link
// cursor over links; releasing the button on a link follows it; dragging
// the page scrolls it so that the point taken stays under the pointer.

#include <QCursor>
#include <QWidget>
#include <functional>

namespace lumora {

class TLumoHelp;

class HelpPageView : public QWidget
{
public:
    HelpPageView(TLumoHelp& help, QWidget* parent);

    void SetCursors(const QCursor& defaultCursor, const QCursor& linkCursor);
    // The page row shown at the top.
    int ScrollPosition() const { return scroll_; }
    void SetScrollPosition(int y);

    // Asked to scroll (a drag, the wheel); the window moves its scroll bar.
    std::function<void(int position)> OnScrollRequest;
    // A released click on a link at that page point.
    std::function<void(int x, int y)> OnLinkClicked;
    // The view's width changed: the page wants laying out again.
    std::function<void()> OnWidthChanged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int PageY(int viewY) const { return viewY + scroll_; }
    void ShowCursorAt(const QPoint& at);

    TLumoHelp& help_;
    QCursor defaultCursor_;
    QCursor linkCursor_;
    int scroll_ = 0;
    bool dragging_ = false;
    int dragPageY_ = 0;
};

} // namespace lumora
