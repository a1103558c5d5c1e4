#pragma once
// TDevelop: the development window. It shows the log of the last language
// file applied: the file's path, and every entry that named a component no
// window has. Whoever applies a language calls ShowLog again.

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace lumora {

class TDevelop : public QWidget
{
public:
    TDevelop();

    // Puts the log's lines in the window; does not show it.
    void SetLog(const QStringList& lines);
    // The lines shown.
    QStringList Log() const;

private:
    QPlainTextEdit* memo_ = nullptr;
};

} // namespace lumora
