#include "ui/depthmap/shape_preview.h"

#include <QPainter>

namespace lumora {

ShapePreview::ShapePreview(const QString& name, const QSize& size, QWidget* parent) : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(size + QSize(2 * frameWidth(), 2 * frameWidth()));
}

void ShapePreview::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

QPoint ShapePreview::PictureOrigin() const
{
    const QRect inside = contentsRect();
    return inside.topLeft() + QPoint((inside.width() - picture_.width()) / 2,
                                     (inside.height() - picture_.height()) / 2);
}

void ShapePreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), Qt::black);
    if (!picture_.isNull())
        painter.drawImage(PictureOrigin(), picture_);
}

} // namespace lumora
