#pragma once
// TSplash: the borderless, stay-on-top window shown while the program
// creates its windows: one picture (Splash_image) and one status label
// (Label1) that is repainted at once, since the event loop is not running
// yet.

#include <QImage>
#include <QWidget>

class QLabel;

namespace lumora {

class TSplash : public QWidget
{
public:
    explicit TSplash(const QImage& picture);

    void SetStatus(const QString& text);
    QString Status() const;

private:
    QLabel* picture_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace lumora
