#pragma once
// TInfo: the about box: the program's name and version, its author and
// publisher, and the libraries it is built on. "Credits..." opens the
// help page that names them with their licences.

#include <QDialog>
#include <functional>

class QLabel;

namespace lumora {

inline constexpr char kCreditsPage[] = "credits.l2h";

class TInfo : public QDialog
{
public:
    TInfo();

    // versionCaption is the language's "Version" display text.
    void Execute(const QString& versionCaption);
    // "Credits..." calls this with the credits page.
    void SetShowHelp(std::function<void(const QString& pageName)> showHelp);

    // The program's version as built.
    static QString ProgramVersion();

private:
    QLabel* version_ = nullptr;
    std::function<void(const QString&)> showHelp_;
};

} // namespace lumora
