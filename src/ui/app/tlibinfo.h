#pragma once
// TLibInfo: the library window's "About the Library...": who made the
// library shown, how to reach them, its rights notice and what it holds.

#include <QDialog>

class QLabel;

namespace lumora {

struct LibraryTexts;

class TLibInfo : public QDialog
{
public:
    explicit TLibInfo(QWidget* parent = nullptr);

    // Shows the four texts of a library (empty ones for none) modally
    // until "Close".
    void ShowTexts(const LibraryTexts& texts);
    // The texts without showing the window.
    void SetTexts(const LibraryTexts& texts);

private:
    QLabel* creator_ = nullptr;
    QLabel* contact_ = nullptr;
    QLabel* copyright_ = nullptr;
    QLabel* information_ = nullptr;
};

} // namespace lumora
