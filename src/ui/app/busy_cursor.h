#pragma once
// BusyCursor: the wait cursor for the length of a blocking operation.

#include <QApplication>

namespace lumora {

class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { Restore(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    // Before a message box, which must not show the wait cursor.
    void Restore()
    {
        if (active_)
            QApplication::restoreOverrideCursor();
        active_ = false;
    }

private:
    bool active_ = true;
};

} // namespace lumora
