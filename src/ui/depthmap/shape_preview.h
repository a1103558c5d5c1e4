#pragma once
// ShapePreview: a framed box that shows a small grey picture centred, the
// preview of a shape dialog.

#include <QFrame>
#include <QImage>

namespace lumora {

class ShapePreview : public QFrame
{
public:
    ShapePreview(const QString& name, const QSize& size, QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    // Where the picture's top-left pixel lies in the box.
    QPoint PictureOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace lumora
