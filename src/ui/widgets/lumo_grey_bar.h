#pragma once
// LumoGreyBar: a depth chosen on a grey ramp, black (0, the far plane) at
// the left to white (255, the nearest level) at the right, with a marker
// at the value. Clicking or dragging puts the value under the mouse; the
// arrow keys step by 1, Page Up and Down by 16, Home and End go to the
// ends. It is a QAbstractSlider: valueChanged follows every change,
// sliderReleased tells that the mouse let go.

#include <QAbstractSlider>

namespace lumora {

class LumoGreyBar : public QAbstractSlider
{
public:
    explicit LumoGreyBar(QWidget* parent = nullptr);

    // The value at x in the bar's coordinates, and where a value lies.
    int ValueAt(int x) const;
    int PositionOf(int value) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect RampRect() const;
};

} // namespace lumora
