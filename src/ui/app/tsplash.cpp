#include "ui/app/tsplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace lumora {

TSplash::TSplash(const QImage& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Splash"));
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Splash_image"));
    picture_->setPixmap(QPixmap::fromImage(picture));
    picture_->setGeometry(0, 0, picture.width(), picture.height());
    setFixedSize(picture.size());

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Label1"));
    status_->setGeometry(56, 285, 213, 18);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(11);
    status_->setFont(font);
    status_->setAttribute(Qt::WA_TranslucentBackground);
    status_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void TSplash::SetStatus(const QString& text)
{
    status_->setText(text);
    if (isVisible())
        repaint();
}

QString TSplash::Status() const
{
    return status_->text();
}

} // namespace lumora
