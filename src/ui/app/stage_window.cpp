#include "ui/app/stage_window.h"

#include "project/project.h"
#include "ui/app/program_context.h"
#include "ui/help/help_windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

namespace lumora {

StageWindow::StageWindow(ProgramContext& context, Stage stage, const QString& designName)
    : context_(context), stage_(stage)
{
    setObjectName(designName);
    setMinimumSize(640, 480);
    BuildMenus();
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("Hint_Label"));
    statusBar()->addWidget(hint_, 1);
    // The long part of the current hint goes to the hint label.
    connect(statusBar(), &QStatusBar::messageChanged, hint_, &QLabel::setText);
}

QAction* StageWindow::AddAction(QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& shortcut)
{
    auto* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

void StageWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("Datei1"));
    connect(AddAction(file, "Neu1", QStringLiteral("&Neu..."), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, [this] { context_.NewProject(*this); });
    connect(
        AddAction(file, "ffnen1", QStringLiteral("&Öffnen..."), QKeySequence(Qt::CTRL | Qt::Key_O)),
        &QAction::triggered, this, [this] { context_.Open(*this); });
    save_ = AddAction(file, "Speichern1", QStringLiteral("&Speichern"),
                      QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save_, &QAction::triggered, this, [this] { context_.Save(*this); });
    connect(AddAction(file, "Speichernunter1", QStringLiteral("Speichern &unter..."),
                      QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { context_.SaveAs(*this); });
    file->addSeparator();
    connect(
        AddAction(file, "Voreinstellungen1", QStringLiteral("Voreinstellungen..."), QKeySequence()),
        &QAction::triggered, this, [this] { context_.PreferencesCommand(); });
    file->addSeparator();
    connect(
        AddAction(file, "Beenden1", QStringLiteral("Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
        &QAction::triggered, this, &QWidget::close);

    renderMenu_ = menuBar()->addMenu(QStringLiteral("&Rendern"));
    renderMenu_->setObjectName(QStringLiteral("Rendern1"));
    render_ = AddAction(renderMenu_, "StereogrammRendern1", QStringLiteral("Stereogramm Rendern"),
                        QKeySequence(Qt::Key_F9));
    connect(render_, &QAction::triggered, this, [this] { context_.RenderCommand(*this); });
    connect(AddAction(renderMenu_, "Einstellungen1", QStringLiteral("Einstellungen..."),
                      QKeySequence(Qt::CTRL | Qt::Key_F9)),
            &QAction::triggered, this, [this] { context_.RenderOptionsCommand(*this); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    view->setObjectName(QStringLiteral("Ansicht1"));
    QAction* toDepthMap =
        AddAction(view, "Vorlage1", QStringLiteral("Vorlage"), QKeySequence(Qt::Key_F2));
    connect(toDepthMap, &QAction::triggered, this,
            [this] { context_.SwitchTo(Stage::DepthMap, *this); });
    QAction* toTileMap =
        AddAction(view, "Kachel1", QStringLiteral("Kachel"), QKeySequence(Qt::Key_F3));
    connect(toTileMap, &QAction::triggered, this,
            [this] { context_.SwitchTo(Stage::TileMap, *this); });
    toAfterburner_ =
        AddAction(view, "Nachbrenner1", QStringLiteral("Nachbrenner"), QKeySequence(Qt::Key_F4));
    connect(toAfterburner_, &QAction::triggered, this,
            [this] { context_.SwitchTo(Stage::Afterburner, *this); });
    view->addSeparator();
    const char* repaintName = stage_ == Stage::DepthMap  ? "Vorlageneuzeichnen1"
                              : stage_ == Stage::TileMap ? "Kachelneuzeichnen1"
                                                         : "Nachbrennerneuzeichnen1";
    const QString repaintCaption =
        stage_ == Stage::DepthMap  ? QStringLiteral("Vorlage neu zeichnen")
        : stage_ == Stage::TileMap ? QStringLiteral("Kachel neu zeichnen")
                                   : QStringLiteral("Nachbrenner neu zeichnen");
    connect(AddAction(view, repaintName, repaintCaption, QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, [this] { RepaintStage(); });
    BuildHelpMenu();
}

void StageWindow::BuildHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    connect(AddAction(help, "Index1", QStringLiteral("Index..."), {}), &QAction::triggered, this,
            [this] { context_.Show_Help(QStringLiteral("index.l2h")); });
    connect(AddAction(help, "Gettingstarted1", QStringLiteral("Getting started..."), {}),
            &QAction::triggered, this,
            [this] { context_.Show_Help(QStringLiteral("getting_started.l2h")); });
    help->addSeparator();
    connect(
        AddAction(help, "LumoraRelease2online1", QStringLiteral("Lumora Release 2 online..."), {}),
        &QAction::triggered, this, [this] { context_.Help().OpenWebPage(); });
    connect(AddAction(help, "Development1", QStringLiteral("Development..."), {}),
            &QAction::triggered, this,
            [this] { context_.Help().ShowDevelopment(context_.Languages().Log()); });
    connect(AddAction(help, "Contact1", QStringLiteral("Contact..."), {}), &QAction::triggered,
            this, [this] { context_.Show_Help(QStringLiteral("contact.l2h")); });
    help->addSeparator();
    connect(AddAction(help, "Info1", QStringLiteral("&Info"), {}), &QAction::triggered, this,
            [this] { context_.Help().ShowInfo(context_.Texts().DisplayText(u"Version")); });
}

QMenu* StageWindow::AddMenuBeforeRender(const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, this);
    menu->setObjectName(QString::fromLatin1(name));
    menuBar()->insertMenu(renderMenu_->menuAction(), menu);
    return menu;
}

void StageWindow::UpdateCommandState()
{
    const Project& project = context_.CurrentProject();
    save_->setEnabled(project.Modified());
    render_->setEnabled(project.CanRender());
    toAfterburner_->setEnabled(context_.AfterburnerReachable());
}

void StageWindow::closeEvent(QCloseEvent* event)
{
    if (context_.CloseQuery(*this))
        event->accept();
    else
        event->ignore();
}

} // namespace lumora
