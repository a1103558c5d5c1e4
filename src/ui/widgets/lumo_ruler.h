#pragma once
// LumoRuler: the 23-pixel ruler along a picture area. A minor tick every
// 10 pixels, a major one every 50, a number every 100; Start is the
// ruler position (in its own pixels) where the picture's pixel 0 lies, so
// the ruler follows scrolling and centring.

#include <QWidget>

namespace lumora {

class LumoRuler : public QWidget
{
public:
    static constexpr int kThickness = 23;

    LumoRuler(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation Orientation() const { return orientation_; }
    int Start() const { return start_; }
    void SetStart(int start);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
    int start_ = 0;
};

} // namespace lumora
