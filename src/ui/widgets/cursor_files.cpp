#include "ui/widgets/cursor_files.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

namespace lumora {

QCursor LoadCursorFile(const QString& path)
{
    const QImage image(path, "PNG");
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    bool xRead = false;
    bool yRead = false;
    const int x = image.text(QStringLiteral("HotSpotX")).toInt(&xRead);
    const int y = image.text(QStringLiteral("HotSpotY")).toInt(&yRead);
    const bool inside =
        xRead && yRead && x >= 0 && y >= 0 && x < image.width() && y < image.height();
    return QCursor(QPixmap::fromImage(image), inside ? x : 0, inside ? y : 0);
}

void CursorSlots::Load(const QString& programDirectory, const QStringList& files)
{
    cursors_.clear();
    const QDir folder(programDirectory);
    for (const QString& file : files)
        cursors_.push_back(LoadCursorFile(folder.filePath(file)));
}

QCursor CursorSlots::Slot(int slot) const
{
    if (slot < 1 || slot > Count())
        return QCursor(Qt::ArrowCursor);
    return cursors_[static_cast<size_t>(slot - 1)];
}

} // namespace lumora
