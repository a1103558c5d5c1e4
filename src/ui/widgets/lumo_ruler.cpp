#include "ui/widgets/lumo_ruler.h"

#include <QPainter>

namespace lumora {

LumoRuler::LumoRuler(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation)
{
    if (orientation_ == Qt::Horizontal)
        setFixedHeight(kThickness);
    else
        setFixedWidth(kThickness);
}

void LumoRuler::SetStart(int start)
{
    if (start == start_)
        return;
    start_ = start;
    update();
}

void LumoRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().windowText().color());
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    const bool horizontal = orientation_ == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    // The first tick at or before the ruler's start.
    int value = -start_ - ((-start_) % 10 + 10) % 10;
    for (; start_ + value < length; value += 10) {
        const int at = start_ + value;
        const int tick = value % 100 == 0 ? kThickness : value % 50 == 0 ? 10 : 5;
        if (horizontal)
            painter.drawLine(at, kThickness - tick, at, kThickness - 1);
        else
            painter.drawLine(kThickness - tick, at, kThickness - 1, at);
        if (value % 100 == 0) {
            const QString number = QString::number(value);
            if (horizontal) {
                painter.drawText(at + 2, 10, number);
            } else {
                painter.save();
                painter.translate(10, at + 2);
                painter.rotate(90);
                painter.drawText(0, 0, number);
                painter.restore();
            }
        }
    }
    painter.drawLine(horizontal ? QLine(0, kThickness - 1, width(), kThickness - 1)
                                : QLine(kThickness - 1, 0, kThickness - 1, height()));
}

} // namespace lumora
