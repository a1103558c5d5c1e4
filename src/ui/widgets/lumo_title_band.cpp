#include "ui/widgets/lumo_title_band.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace lumora {
namespace {

constexpr int kBoxSize = 19;
constexpr int kBoxGap = 3;

QFont CaptionFont(const QFont& base)
{
    QFont font = base;
    font.setBold(true);
    return font;
}

} // namespace

QColor DesignColour(uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

LumoTitleBand::LumoTitleBand(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TitleBand"));
    setFixedHeight(kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void LumoTitleBand::SetHelpShown(bool shown)
{
    helpShown_ = shown;
    update();
}

QRect LumoTitleBand::CloseBoxRect() const
{
    const int top = (kHeight - kBoxSize) / 2;
    return QRect(width() - kBoxGap - kBoxSize, top, kBoxSize, kBoxSize);
}

QRect LumoTitleBand::HelpBoxRect() const
{
    if (!helpShown_)
        return QRect();
    return CloseBoxRect().translated(-(kBoxSize + kBoxGap), 0);
}

bool LumoTitleBand::WindowActive() const
{
    return window()->isActiveWindow();
}

QColor LumoTitleBand::BandColour() const
{
    return DesignColour(WindowActive() ? kActiveColour : kInactiveColour);
}

QSize LumoTitleBand::sizeHint() const
{
    const QFontMetrics metrics(CaptionFont(font()));
    const int boxes = 2 * (kBoxSize + kBoxGap) + kBoxGap;
    return QSize(metrics.horizontalAdvance(window()->windowTitle()) + 2 * boxes, kHeight);
}

QSize LumoTitleBand::minimumSizeHint() const
{
    return QSize(3 * (kBoxSize + kBoxGap), kHeight);
}

void LumoTitleBand::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), BandColour());
    const QColor captionColour =
        DesignColour(WindowActive() ? kActiveCaptionColour : kInactiveCaptionColour);
    painter.setPen(captionColour);
    painter.setFont(CaptionFont(font()));

    // The caption is centred in the whole band, kept clear of the boxes.
    const int reserve = width() - HelpBoxRect().united(CloseBoxRect()).left() + kBoxGap;
    const QRect captionRect = rect().adjusted(reserve, 0, -reserve, 0);
    const QString caption = painter.fontMetrics().elidedText(window()->windowTitle(),
                                                             Qt::ElideRight, captionRect.width());
    painter.drawText(captionRect, Qt::AlignCenter, caption);

    painter.drawText(CloseBoxRect(), Qt::AlignCenter, QStringLiteral("X"));
    if (helpShown_)
        painter.drawText(HelpBoxRect(), Qt::AlignCenter, QStringLiteral("?"));
    if (pressed_ != Box::None) {
        painter.setPen(captionColour);
        painter.drawRect(
            (pressed_ == Box::Close ? CloseBoxRect() : HelpBoxRect()).adjusted(0, 0, -1, -1));
    }
}

LumoTitleBand::Box LumoTitleBand::BoxAt(const QPoint& point) const
{
    if (CloseBoxRect().contains(point))
        return Box::Close;
    if (helpShown_ && HelpBoxRect().contains(point))
        return Box::Help;
    return Box::None;
}

void LumoTitleBand::mousePressEvent(QMouseEvent* event)
{
    const Box box =
        event->button() == Qt::LeftButton ? BoxAt(event->position().toPoint()) : Box::None;
    if (box == Box::None) {
        event->ignore(); // the window is dragged by the band
        return;
    }
    pressed_ = box;
    update();
    event->accept();
}

void LumoTitleBand::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressed_ == Box::None) {
        event->ignore();
        return;
    }
    // Like a button: the caption acts when the press is released on it.
    const Box pressed = pressed_;
    pressed_ = Box::None;
    update();
    event->accept();
    if (event->button() != Qt::LeftButton || BoxAt(event->position().toPoint()) != pressed)
        return;
    if (pressed == Box::Close && onClose_)
        onClose_();
    else if (pressed == Box::Help && onHelp_)
        onHelp_();
}

} // namespace lumora
