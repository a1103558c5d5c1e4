#pragma once
// HelpTitleBand: the band the help window draws in place of the system
// title bar: the caption centred in 25 pixels, a "?" and an "X" button at
// the right, the band colour and the button captions following whether
// the window is active. Pressing the band drags the window.

#include <QWidget>

class QToolButton;

namespace lumora {

class HelpTitleBand : public QWidget
{
public:
    static constexpr int kBandHeight = 25;

    explicit HelpTitleBand(QWidget* parent);

    QToolButton* HelpButton() const { return help_; }
    QToolButton* CloseButton() const { return close_; }
    // The colours of the window's activation state.
    void ShowActive(bool active);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* AddButton(const char* name, const QString& caption);

    QToolButton* help_ = nullptr;
    QToolButton* close_ = nullptr;
    bool active_ = false;
};

} // namespace lumora
