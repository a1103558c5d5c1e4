#pragma once
// THelp: the help window. It shows one page of the installation's help
// folder at a time through its page control, with "Back" and "Forward"
// (shown only when there is somewhere to go), "Home" (the index),
// "Close", a vertical scroll bar, and its own title band with "?" (how to
// use the help) and "X". It exists from start-up to exit; its history is
// never cleared.

#include "help/lumo_help.h"

#include <QCursor>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QPushButton;
class QScrollBar;

namespace lumora {

class HelpPageView;
class HelpTitleBand;

inline constexpr char kHelpIndexPage[] = "index.l2h";
inline constexpr char kAboutHelpPage[] = "about_help.l2h";

class THelp : public QWidget
{
public:
    // helpFolder: the folder of the pages, with a trailing separator. The
    // index is loaded (and recorded) at once; the window stays hidden.
    explicit THelp(QString helpFolder);
    ~THelp() override;

    // Loads helpFolder + pageName with history recording; with show set
    // the window comes up (over a modal dialog too, which then waits
    // until the help is closed).
    void ShowPage(const QString& pageName, bool show);
    void SetCursors(const QCursor& defaultCursor, const QCursor& linkCursor);
    // A page that stopped drawing with an error tells the user here.
    void SetErrorReport(std::function<void(const QString& text)> report);

    const TLumoHelp& Page() const { return help_; }
    QScrollBar* ScrollBar() const { return scrollBar_; }
    HelpPageView* View() const { return view_; }

    // The buttons' commands.
    void Back();
    void Forward();
    void Home();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* BuildButtons();
    QPushButton* AddButton(const char* name, const QString& caption, QWidget* parent);
    void Run(const std::function<void()>& load);
    void PageLoaded();
    void UpdateScrollRange();
    void ViewResized();
    void ScrollTo(int position);

    QString helpFolder_;
    TLumoHelp help_;
    std::function<void(const QString&)> reportError_;
    HelpTitleBand* band_ = nullptr;
    HelpPageView* view_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
};

} // namespace lumora
