#include "ui/widgets/lumo_grey_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace lumora {
namespace {

constexpr int kMarkerHeight = 6;
constexpr int kInset = 4; // room for the marker at either end

} // namespace

LumoGreyBar::LumoGreyBar(QWidget* parent) : QAbstractSlider(parent)
{
    setOrientation(Qt::Horizontal);
    setRange(0, 255);
    setSingleStep(1);
    setPageStep(16);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize LumoGreyBar::sizeHint() const
{
    return QSize(256 + 2 * kInset, 22);
}

QSize LumoGreyBar::minimumSizeHint() const
{
    return QSize(64 + 2 * kInset, 22);
}

QRect LumoGreyBar::RampRect() const
{
    return QRect(kInset, 2, std::max(1, width() - 2 * kInset), height() - kMarkerHeight - 4);
}

int LumoGreyBar::ValueAt(int x) const
{
    const QRect ramp = RampRect();
    const int span = std::max(1, ramp.width() - 1);
    const int offset = std::clamp(x - ramp.left(), 0, span);
    // Rounded to the nearest value, so both ends can be reached exactly.
    return minimum() + (offset * (maximum() - minimum()) + span / 2) / span;
}

int LumoGreyBar::PositionOf(int value) const
{
    const QRect ramp = RampRect();
    const int range = std::max(1, maximum() - minimum());
    const int span = ramp.width() - 1;
    return ramp.left() + ((value - minimum()) * span + range / 2) / range;
}

void LumoGreyBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect ramp = RampRect();
    const int range = std::max(1, maximum() - minimum());
    for (int x = ramp.left(); x <= ramp.right(); ++x) {
        const int value = ValueAt(x);
        const int grey = (value - minimum()) * 255 / range;
        painter.fillRect(QRect(x, ramp.top(), 1, ramp.height()), QColor(grey, grey, grey));
    }
    painter.setPen(hasFocus() ? palette().highlight().color() : palette().mid().color());
    painter.drawRect(ramp.adjusted(-1, -1, 0, 0));

    // The marker: a small triangle under the ramp pointing at the value.
    const int x = PositionOf(value());
    const int top = ramp.bottom() + 2;
    const QPolygon marker({QPoint(x, top), QPoint(x - kMarkerHeight + 1, top + kMarkerHeight),
                           QPoint(x + kMarkerHeight - 1, top + kMarkerHeight)});
    painter.setPen(palette().windowText().color());
    painter.setBrush(isEnabled() ? palette().windowText() : palette().mid());
    painter.drawPolygon(marker);
}

void LumoGreyBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    setFocus(Qt::MouseFocusReason);
    setSliderDown(true);
    setSliderPosition(ValueAt(event->position().toPoint().x()));
}

void LumoGreyBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!isSliderDown()) {
        event->ignore();
        return;
    }
    event->accept();
    setSliderPosition(ValueAt(event->position().toPoint().x()));
}

void LumoGreyBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isSliderDown() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    setSliderPosition(ValueAt(event->position().toPoint().x()));
    setSliderDown(false);
}

} // namespace lumora
