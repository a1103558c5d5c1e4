#pragma once
// The depth-map editor's mouse cursors, read from the installation's
// cursor files: PNG pictures whose text keys "HotSpotX" and "HotSpotY"
// hold the hot spot. A file that cannot be read gives the arrow cursor.

#include <QCursor>
#include <QString>
#include <QStringList>
#include <vector>

namespace lumora {

QCursor LoadCursorFile(const QString& path);

class CursorSlots
{
public:
    // Slots 1 to N from the files, in order, below programDirectory.
    void Load(const QString& programDirectory, const QStringList& files);
    // Slot 1..N; the arrow cursor outside.
    QCursor Slot(int slot) const;
    int Count() const { return static_cast<int>(cursors_.size()); }

private:
    std::vector<QCursor> cursors_;
};

} // namespace lumora
