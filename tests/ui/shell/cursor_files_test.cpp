// Cursor files: a PNG with its hot spot, and the arrow for anything else.
#include "ui/widgets/cursor_files.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumora {
namespace {

QString WriteCursor(const QTemporaryDir& dir, const QString& name, const QString& x,
                    const QString& y)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(3, 4, qRgb(0, 0, 0));
    image.setText("HotSpotX", x);
    image.setText("HotSpotY", y);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
}

TEST(CursorFiles, HotSpotComesFromTheFile)
{
    QTemporaryDir dir;
    const QCursor cursor = LoadCursorFile(WriteCursor(dir, "Basic.dat", "3", "4"));
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(3, 4));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST(CursorFiles, HotSpotOutsideThePictureIsTheCorner)
{
    QTemporaryDir dir;
    for (const auto& [x, y] : {std::pair{"40", "1"}, {"-1", "2"}, {"a", "b"}}) {
        const QCursor cursor = LoadCursorFile(WriteCursor(dir, "Odd.dat", x, y));
        EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0)) << x << "," << y;
    }
}

TEST(CursorFiles, UnreadableFileGivesTheArrow)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("Bad.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    EXPECT_EQ(LoadCursorFile(dir.filePath("Bad.dat")).shape(), Qt::ArrowCursor);
    EXPECT_EQ(LoadCursorFile(dir.filePath("none.dat")).shape(), Qt::ArrowCursor);

    CursorSlots cursorSlots;
    cursorSlots.Load(dir.path(), {"Bad.dat", "none.dat"});
    EXPECT_EQ(cursorSlots.Count(), 2);
    EXPECT_EQ(cursorSlots.Slot(0).shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursorSlots.Slot(3).shape(), Qt::ArrowCursor);
}

// The cursors the build draws all read, with their hot spots inside.
TEST(CursorFiles, InstalledCursorsRead)
{
    const QString share = QStringLiteral(LUMORA_SHARE_DIR);
    if (!QFile::exists(share + "/data/Basic.dat"))
        GTEST_SKIP() << "the program's data files are not built";
    for (const char* name : {"Basic", "R_primitive", "Hand", "Eyedropper", "Marquee"}) {
        const QImage image(share + "/data/" + name + ".dat", "PNG");
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_FALSE(image.text("HotSpotX").isEmpty()) << name;
        EXPECT_EQ(LoadCursorFile(share + "/data/" + name + ".dat").shape(), Qt::BitmapCursor);
    }
}

// The splash picture the build draws is a JPEG with room for the status
// line at 56,285 (213 x 18).
TEST(InstalledSplash, IsAJpegWithRoomForTheStatus)
{
    const QString path = QStringLiteral(LUMORA_SHARE_DIR "/data/Splash.dat");
    if (!QFile::exists(path))
        GTEST_SKIP() << "the program's data files are not built";
    const QImage splash(path, "JPEG");
    ASSERT_FALSE(splash.isNull());
    EXPECT_GE(splash.width(), 56 + 213);
    EXPECT_GE(splash.height(), 285 + 18);
}

} // namespace
} // namespace lumora
