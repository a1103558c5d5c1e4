#include "ui/help/help_page_view.h"

#include "help/lumo_help.h"
#include "rendering/lumo_pixelengine.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace lumora {

namespace {

QColor FromColour(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// Pixels per notch of the mouse wheel.
constexpr int kWheelStep = 45;

} // namespace

HelpPageView::HelpPageView(TLumoHelp& help, QWidget* parent) : QWidget(parent), help_(help)
{
    setObjectName(QStringLiteral("LumoHelp1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HelpPageView::SetCursors(const QCursor& defaultCursor, const QCursor& linkCursor)
{
    defaultCursor_ = defaultCursor;
    linkCursor_ = linkCursor;
    setCursor(defaultCursor_);
}

void HelpPageView::SetScrollPosition(int y)
{
    if (y == scroll_)
        return;
    scroll_ = y;
    update();
}

void HelpPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), FromColour(help_.Look.ColorBack));
    help_.Picture().DrawTo(painter, 0, -scroll_);
}

void HelpPageView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    dragPageY_ = PageY(event->position().toPoint().y());
}

void HelpPageView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (dragging_ && OnScrollRequest)
        OnScrollRequest(scroll_ + (dragPageY_ - PageY(at.y())));
    ShowCursorAt(at);
}

void HelpPageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    const QPoint at = event->position().toPoint();
    if (help_.LinkAt(at.x(), PageY(at.y())) == nullptr)
        return;
    setCursor(defaultCursor_);
    if (OnLinkClicked)
        OnLinkClicked(at.x(), PageY(at.y()));
}

void HelpPageView::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0 && OnScrollRequest)
        OnScrollRequest(scroll_ - notches * kWheelStep);
    event->accept();
}

void HelpPageView::resizeEvent(QResizeEvent* event)
{
    if (event->size().width() != event->oldSize().width() && OnWidthChanged)
        OnWidthChanged();
}

void HelpPageView::ShowCursorAt(const QPoint& at)
{
    const bool overLink = help_.LinkAt(at.x(), PageY(at.y())) != nullptr;
    setCursor(overLink ? linkCursor_ : defaultCursor_);
}

} // namespace lumora
