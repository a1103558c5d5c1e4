#include "ui/depthmap/text_preview.h"

#include <QPainter>

namespace lumora {

TextPreview::TextPreview(const QString& name, const QSize& size, QWidget* parent) : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(size + QSize(2 * frameWidth(), 2 * frameWidth()));
}

void TextPreview::Show(const QString& text, const QFont& font)
{
    text_ = text;
    font_ = font;
    font_.setStyleStrategy(QFont::NoAntialias);
    font_.setPixelSize(std::max(8, contentsRect().height() * 3 / 5));
    update();
}

void TextPreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, Qt::white);
    painter.setClipRect(inside);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const QRect textRect = inside.adjusted(4, 0, -4, 0);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                     painter.fontMetrics().elidedText(text_, Qt::ElideRight, textRect.width()));
}

} // namespace lumora
