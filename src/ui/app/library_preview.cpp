#include "ui/app/library_preview.h"

#include "app/library_browser.h"
#include "rendering/lumo_pixelengine.h"

#include <QPainter>

namespace lumora {

LibraryPreview::LibraryPreview(const LibraryBrowser& browser, QWidget* parent)
    : QWidget(parent), browser_(browser)
{
    setObjectName(QStringLiteral("PreviewImage"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LibraryPreview::PictureChanged()
{
    const TPixelEngine* picture = browser_.Picture();
    picture_ = picture ? picture->ToQImage() : QImage();
    update();
}

QRect LibraryPreview::PictureRect() const
{
    const IntRect r = browser_.PreviewRect(width(), height());
    return QRect(r.Left, r.Top, r.Width, r.Height);
}

void LibraryPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (picture_.isNull())
        return;
    const QRect target = PictureRect();
    // A large picture is shown smoothly; a small tile keeps its pixels
    // (random dots would blur into grey).
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.width() < picture_.width());
    painter.drawImage(target, picture_);
}

} // namespace lumora
