#pragma once
// The library window's preview: the selected picture fitted into the box
// with its proportions kept, centred along the other side.

#include <QImage>
#include <QWidget>

namespace lumora {

class LibraryBrowser;

class LibraryPreview : public QWidget
{
public:
    explicit LibraryPreview(const LibraryBrowser& browser, QWidget* parent = nullptr);

    // The selected picture changed.
    void PictureChanged();
    // Where the picture is drawn, in the preview's pixels.
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const LibraryBrowser& browser_;
    QImage picture_;
};

} // namespace lumora
