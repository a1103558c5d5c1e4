#pragma once
// StageWindow: what the three stage windows (TVorlage, TKachel,
// TNachbrenner) share: the menus "Datei", "Rendern", "Ansicht" and "Hilfe" with
// their shortcuts, the enabling of Save, the render command and the
// afterburner entry, and the close query. The commands themselves are the
// program context's.

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;

namespace lumora {

class ProgramContext;

enum class Stage
{
    DepthMap,
    TileMap,
    Afterburner,
};

class StageWindow : public QMainWindow
{
public:
    StageWindow(ProgramContext& context, Stage stage, const QString& designName);

    Stage WindowStage() const { return stage_; }

    // Save while modified, render while a tile exists, the afterburner
    // while a stereogram was rendered.
    void UpdateCommandState();
    // Shows the stage's content anew (F5 and after a project change).
    virtual void RepaintStage() = 0;

    QAction* SaveAction() const { return save_; }
    QAction* RenderAction() const { return render_; }
    QAction* AfterburnerAction() const { return toAfterburner_; }

protected:
    void closeEvent(QCloseEvent* event) override;

    ProgramContext& Context() const { return context_; }
    // Adds a menu of the window's own between "Datei" and "Rendern".
    QMenu* AddMenuBeforeRender(const char* name, const QString& caption);
    QLabel* HintLabel() const { return hint_; }

private:
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut);
    void BuildMenus();
    // "Hilfe": the help pages, the web page, the development window and
    // the about box.
    void BuildHelpMenu();

    ProgramContext& context_;
    Stage stage_;
    QMenu* renderMenu_ = nullptr;
    QAction* save_ = nullptr;
    QAction* render_ = nullptr;
    QAction* toAfterburner_ = nullptr;
    QLabel* hint_ = nullptr;
};

} // namespace lumora
