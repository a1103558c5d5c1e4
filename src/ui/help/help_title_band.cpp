#include "ui/help/help_title_band.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

namespace lumora {

namespace {

// 0x00BBGGRR colours of the dialogs' bands.
constexpr QRgb kBandActive = 12814175;
constexpr QRgb kBandInactive = 11447466;
constexpr QRgb kCaptionActive = 16773350;
constexpr QRgb kCaptionInactive = 15790320;
constexpr int kButtonSize = 19;

QColor FromColour(QRgb bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace

HelpTitleBand::HelpTitleBand(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TitleBand"));
    setFixedHeight(kBandHeight);
    help_ = AddButton("Button_Help", QStringLiteral("?"));
    close_ = AddButton("Button_X", QStringLiteral("X"));
    ShowActive(false);
}

QToolButton* HelpTitleBand::AddButton(const char* name, const QString& caption)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kButtonSize, kButtonSize);
    return button;
}

void HelpTitleBand::ShowActive(bool active)
{
    active_ = active;
    const QColor caption = FromColour(active ? kCaptionActive : kCaptionInactive);
    const QString style =
        QStringLiteral("QToolButton { color: %1; font-weight: bold; border: none; }"
                       "QToolButton:hover { border: 1px solid %1; }")
            .arg(caption.name());
    help_->setStyleSheet(style);
    close_->setStyleSheet(style);
    update();
}

void HelpTitleBand::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), FromColour(active_ ? kBandActive : kBandInactive));
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(FromColour(active_ ? kCaptionActive : kCaptionInactive));
    painter.drawText(rect(), Qt::AlignCenter, window()->windowTitle());
}

void HelpTitleBand::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

void HelpTitleBand::resizeEvent(QResizeEvent*)
{
    const int top = (kBandHeight - kButtonSize) / 2;
    close_->move(width() - kButtonSize - 3, top);
    help_->move(width() - 2 * kButtonSize - 5, top);
}

} // namespace lumora
