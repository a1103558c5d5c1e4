#pragma once
// The library window's grid of thumbnails: every picture of the open
// library at the library's thumbnail size, in rows of as many as the
// grid's width holds, each in a 2-pixel frame, orange around the selected
// picture and blue around the others. A click tells the window where.

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

namespace lumora {

class LibraryBrowser;

class LibraryThumbnailView : public QWidget
{
public:
    explicit LibraryThumbnailView(const LibraryBrowser& browser, QWidget* parent = nullptr);

    // The open library changed: its thumbnails are taken anew and the
    // grid's height follows their number at the given width.
    void LibraryChanged(int gridWidth);
    // The selection changed.
    void SelectionChanged() { update(); }
    void SetOnClick(std::function<void(QPoint)> onClick) { onClick_ = std::move(onClick); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const LibraryBrowser& browser_;
    std::vector<QImage> thumbnails_;
    std::function<void(QPoint)> onClick_;
};

} // namespace lumora
