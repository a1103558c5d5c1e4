#include "ui/app/library_thumbnail_view.h"

#include "app/library_browser.h"
#include "app/thumbnail_grid.h"
#include "rendering/lumo_pixelengine.h"
#include "ui/widgets/colour_value.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumora {

namespace {

// A frame of the given width around rect, outside it.
void DrawFrame(QPainter& painter, const QRect& rect, int width, const QColor& colour)
{
    const QRect outer = rect.adjusted(-width, -width, width, width);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), rect.bottom() + 1, outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), rect.top(), width, rect.height()), colour);
    painter.fillRect(QRect(rect.right() + 1, rect.top(), width, rect.height()), colour);
}

} // namespace

LibraryThumbnailView::LibraryThumbnailView(const LibraryBrowser& browser, QWidget* parent)
    : QWidget(parent), browser_(browser)
{
    setObjectName(QStringLiteral("ThumbnailGrid"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LibraryThumbnailView::LibraryChanged(int gridWidth)
{
    thumbnails_.clear();
    for (const auto& thumbnail : browser_.Thumbnails())
        thumbnails_.push_back(thumbnail->ToQImage());
    const ThumbnailGrid grid = browser_.Grid(gridWidth);
    resize(gridWidth, grid.Height(static_cast<int32_t>(thumbnails_.size())));
    update();
}

void LibraryThumbnailView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const ThumbnailGrid grid = browser_.Grid(width());
    for (size_t k = 0; k < thumbnails_.size(); ++k) {
        const auto index = static_cast<int32_t>(k);
        const GridPoint at = grid.Position(index);
        const QRect cell(at.X, at.Y, grid.ThumbnailWidth, grid.ThumbnailHeight);
        // A thumbnail of another size than the library states still keeps
        // to its cell.
        painter.drawImage(cell, thumbnails_[k]);
        const Colour frame =
            index == browser_.SelectedImage() ? kSelectedThumbnailFrame : kThumbnailFrame;
        DrawFrame(painter, cell, kThumbnailFrameWidth, ToQColor(frame));
    }
}

void LibraryThumbnailView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onClick_)
        onClick_(event->position().toPoint());
}

} // namespace lumora
