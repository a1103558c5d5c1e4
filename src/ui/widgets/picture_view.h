#pragma once
// PictureView: a picture at 1:1 in a scrollable area, centred while it is
// smaller than the view and scrolled from its top-left corner otherwise,
// with a ruler along the top and the left edge that follow the scroll
// position. A frame 2 pixels wider on every side surrounds the picture.

#include <QImage>
#include <QWidget>

class QScrollArea;

namespace lumora {

class LumoRuler;
class PictureCanvas;

class PictureView : public QWidget
{
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Shows picture (a null picture shows nothing) and scrolls to the top
    // left.
    void SetPicture(const QImage& picture);
    const QImage& Picture() const;
    // Centred (the default) or, for example, at the top left.
    void SetAlignment(Qt::Alignment alignment);
    // The mouse cursor over the picture.
    void SetPictureCursor(const QCursor& cursor);
    QCursor PictureCursor() const;

    QScrollArea* ScrollArea() const { return scroll_; }
    LumoRuler* TopRuler() const { return top_; }
    LumoRuler* LeftRuler() const { return left_; }
    // Where the picture's pixel (0, 0) lies in the view's scroll area.
    QPoint PictureOrigin() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowScrolling();

    QScrollArea* scroll_ = nullptr;
    PictureCanvas* canvas_ = nullptr;
    LumoRuler* top_ = nullptr;
    LumoRuler* left_ = nullptr;
};

} // namespace lumora
