#include "shell_assets.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace lumora {

namespace {

constexpr int kCursorSize = 32;

struct CursorDrawing
{
    const char* File;
    QPoint HotSpot;
    std::function<void(QPainter&)> Draw;
};

void Outlined(QPainter& p, const QPainterPath& path)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void Arrow(QPainter& p)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(0, 17);
    path.lineTo(4, 13);
    path.lineTo(7, 20);
    path.lineTo(10, 19);
    path.lineTo(7, 12);
    path.lineTo(12, 12);
    path.closeSubpath();
    Outlined(p, path);
}

void Cross(QPainter& p)
{
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(8, 0, 8, 16);
    p.drawLine(0, 8, 16, 8);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(8, 0, 8, 16);
    p.drawLine(0, 8, 16, 8);
}

// A cross-hair with a small sign of the tool beside it.
std::function<void(QPainter&)> CrossWith(std::function<void(QPainter&)> sign)
{
    return [sign](QPainter& p) {
        Cross(p);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        sign(p);
    };
}

void Hand(QPainter& p)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(6, 10, 16, 14), 4, 4);
    for (int f = 0; f < 4; ++f)
        path.addRoundedRect(QRectF(6 + 4 * f, 3 + (f == 0 ? 4 : 0), 4, 12), 2, 2);
    Outlined(p, path.simplified());
}

void Eyedropper(QPainter& p)
{
    QPainterPath path;
    path.moveTo(0, 20);
    path.lineTo(12, 8);
    path.lineTo(16, 12);
    path.lineTo(4, 24);
    path.lineTo(0, 24);
    path.closeSubpath();
    Outlined(p, path);
    p.setBrush(Qt::black);
    p.drawEllipse(QRect(12, 2, 10, 10));
}

void HourGlass(QPainter& p)
{
    QPainterPath path;
    path.moveTo(4, 0);
    path.lineTo(20, 0);
    path.lineTo(12, 12);
    path.lineTo(20, 24);
    path.lineTo(4, 24);
    path.lineTo(12, 12);
    path.closeSubpath();
    Outlined(p, path);
}

void Link(QPainter& p)
{
    Arrow(p);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(12, 18, 8, 6));
    p.drawEllipse(QRect(18, 18, 8, 6));
}

void Marquee(QPainter& p)
{
    Cross(p);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(12, 12, 14, 12));
}

const std::vector<CursorDrawing>& Cursors()
{
    static const std::vector<CursorDrawing> cursors = {
        {"Basic.dat", {0, 0}, Arrow},
        {"R_primitive.dat", {8, 8}, CrossWith([](QPainter& p) { p.drawRect(16, 18, 12, 9); })},
        {"E_primitive.dat", {8, 8}, CrossWith([](QPainter& p) {
             p.drawEllipse(QRect(16, 18, 12, 9));
         })},
        {"L_primitive.dat", {8, 8}, CrossWith([](QPainter& p) { p.drawLine(16, 28, 29, 16); })},
        {"N_primitive.dat", {8, 8}, CrossWith([](QPainter& p) {
             const QPoint points[] = {{22, 15}, {29, 21}, {26, 29}, {18, 29}, {15, 21}};
             p.drawPolygon(points, 5);
         })},
        {"T_primitive.dat", {8, 8}, CrossWith([](QPainter& p) {
             p.drawRect(16, 16, 12, 3);
             p.drawRect(20, 16, 4, 13);
         })},
        {"R_gradient.dat", {8, 8}, CrossWith([](QPainter& p) {
             QLinearGradient g(16, 0, 28, 0);
             g.setColorAt(0, Qt::black);
             g.setColorAt(1, Qt::white);
             p.setBrush(g);
             p.drawRect(16, 18, 12, 9);
         })},
        {"E_gradient.dat", {8, 8}, CrossWith([](QPainter& p) {
             QLinearGradient g(16, 0, 28, 0);
             g.setColorAt(0, Qt::black);
             g.setColorAt(1, Qt::white);
             p.setBrush(g);
             p.drawEllipse(QRect(16, 18, 12, 9));
         })},
        {"R_image.dat", {8, 8}, CrossWith([](QPainter& p) {
             p.drawRect(16, 17, 13, 11);
             p.drawLine(17, 27, 21, 21);
             p.drawLine(21, 21, 24, 25);
             p.drawLine(24, 25, 28, 19);
         })},
        {"R_3DTool.dat", {8, 8}, CrossWith([](QPainter& p) {
             p.drawRect(16, 20, 9, 9);
             p.drawLine(16, 20, 20, 16);
             p.drawLine(25, 20, 29, 16);
             p.drawLine(25, 29, 29, 25);
             p.drawLine(20, 16, 29, 16);
             p.drawLine(29, 16, 29, 25);
         })},
        {"Hand.dat", {12, 12}, Hand},
        {"Eyedropper.dat", {0, 24}, Eyedropper},
        {"HourGlass.dat", {12, 12}, HourGlass},
        {"Link.dat", {0, 0}, Link},
        {"Marquee.dat", {8, 8}, Marquee},
    };
    return cursors;
}

} // namespace

int WriteCursorsCommand(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "lumora-assets: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    for (const CursorDrawing& cursor : Cursors()) {
        QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            cursor.Draw(painter);
        }
        image.setText(QStringLiteral("HotSpotX"), QString::number(cursor.HotSpot.x()));
        image.setText(QStringLiteral("HotSpotY"), QString::number(cursor.HotSpot.y()));
        const QString path = QDir(folder).filePath(QString::fromLatin1(cursor.File));
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "lumora-assets: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

int WriteSplashCommand(const QString& output)
{
    // Text needs a GUI application; the build has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "lumora-assets";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    QImage image(400, 320, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(20, 30, 70));
    sky.setColorAt(1, QColor(90, 40, 110));
    painter.fillRect(image.rect(), sky);
    // A field of dots, the pattern a stereogram is made of.
    uint32_t seed = 2003;
    for (int i = 0; i < 1800; ++i) {
        seed = seed * 134775813u + 1u;
        const int x = static_cast<int>((static_cast<uint64_t>(seed) * 400u) >> 32);
        seed = seed * 134775813u + 1u;
        const int y = static_cast<int>((static_cast<uint64_t>(seed) * 250u) >> 32);
        painter.fillRect(x, y, 2, 2, QColor(255, 255, 255, 60 + (i % 120)));
    }
    QFont title(QStringLiteral("Arial"));
    title.setBold(true);
    title.setPixelSize(54);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 90, 400, 70), Qt::AlignCenter, QStringLiteral("Lumora R2"));
    QFont subtitle(QStringLiteral("Arial"));
    subtitle.setPixelSize(16);
    painter.setFont(subtitle);
    painter.drawText(QRect(0, 160, 400, 30), Qt::AlignCenter,
                     QStringLiteral("Single-image stereogram design"));
    // The band behind the status line.
    painter.fillRect(QRect(50, 281, 225, 26), QColor(0, 0, 0, 120));
    painter.end();
    QDir().mkpath(QFileInfo(output).absolutePath());
    if (!image.save(output, "JPEG", 90)) {
        std::fprintf(stderr, "lumora-assets: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}

} // namespace lumora
