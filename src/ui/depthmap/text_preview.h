#pragma once
// TextPreview: the text dialog's preview panel, the text in the chosen
// face and style, black on white and without smoothing, as the depth map
// draws glyphs.

#include <QFont>
#include <QFrame>

namespace lumora {

class TextPreview : public QFrame
{
public:
    TextPreview(const QString& name, const QSize& size, QWidget* parent = nullptr);

    void Show(const QString& text, const QFont& font);
    const QString& ShownText() const { return text_; }
    const QFont& ShownFont() const { return font_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QFont font_;
};

} // namespace lumora
