#pragma once
// LumoTitleBand: the title band the program's dialogs draw themselves in
// place of the platform's frame: the window's caption centred in a band of
// 25 pixels, the band blue while the window is active and grey while it is
// not, and at the right the "X" (close) and "?" (help) captions. A press
// anywhere else in the band is left to the window, which moves itself.

#include <QWidget>

#include <cstdint>
#include <functional>

namespace lumora {

// A colour of the design, 0x00BBGGRR (red in the lowest byte).
QColor DesignColour(uint32_t colour);

class LumoTitleBand : public QWidget
{
public:
    static constexpr int kHeight = 25;
    static constexpr uint32_t kActiveColour = 12814175;
    static constexpr uint32_t kInactiveColour = 11447466;
    static constexpr uint32_t kActiveCaptionColour = 16773350;
    static constexpr uint32_t kInactiveCaptionColour = 15790320;

    explicit LumoTitleBand(QWidget* parent = nullptr);

    void SetOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }
    void SetOnHelp(std::function<void()> onHelp) { onHelp_ = std::move(onHelp); }
    // Windows without a help page show only the "X".
    void SetHelpShown(bool shown);
    bool HelpShown() const { return helpShown_; }

    // Where the two captions react, in the band's coordinates.
    QRect CloseBoxRect() const;
    QRect HelpBoxRect() const;
    // The band colour for the window's present state.
    QColor BandColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Box
    {
        None,
        Close,
        Help
    };
    Box BoxAt(const QPoint& point) const;
    bool WindowActive() const;

    std::function<void()> onClose_;
    std::function<void()> onHelp_;
    bool helpShown_ = true;
    Box pressed_ = Box::None;
};

} // namespace lumora
