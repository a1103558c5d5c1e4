#include "ui/tilemap/tkachel.h"

#include "common/lumora_error.h"
#include "project/project.h"
#include "rendering/lumo_pixelengine.h"
#include "tilemap/tile_map.h"
#include "ui/app/program_context.h"
#include "ui/tilemap/tile_fx_panel.h"
#include "ui/widgets/lumo_ruler.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace lumora {

namespace {

// Wide enough for a few repetitions of the tile.
constexpr int kMinimumPreviewWidth = 600;
constexpr int kButtonColumnWidth = 72;
// The preview never grows beyond what a picture buffer holds comfortably.
constexpr int64_t kMaximumPreviewHeight = 100000;

QPushButton* MakeArrangeButton(QVBoxLayout* layout, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(button);
    return button;
}

} // namespace

TKachel::TKachel(ProgramContext& context)
    : StageWindow(context, Stage::TileMap, QStringLiteral("Kachel"))
{
    BuildEditMenu();
    BuildSelectionMenu();
    BuildArrangeMenu();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Kachel_Client"));
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(BuildPalette());
    layout->addWidget(BuildBandArea(), 1);
    fxPanel_ = new TileFxPanel(central);
    fxPanel_->setFixedWidth(230);
    fxPanel_->SetOnEdited(
        [this](const TileEffects& effects) { Tiles().SetKachelAttributes(effects); });
    layout->addWidget(fxPanel_);
    // Takes the keyboard focus so that the window's shortcuts reach it; it
    // is no text field, so Del and the clipboard keys stay commands.
    focusField_ = new QWidget(central);
    focusField_->setObjectName(QStringLiteral("Kachel_Focus"));
    focusField_->setFocusPolicy(Qt::StrongFocus);
    focusField_->setGeometry(0, 0, 1, 1);
    setCentralWidget(central);
    UpdateTileCommands();
}

TKachel::~TKachel() = default;

TileMap& TKachel::Tiles() const
{
    return Context().CurrentProject().Tiles;
}

QAction* TKachel::AddCommand(QMenu* menu, const char* name, const QString& caption,
                             const QList<QKeySequence>& shortcuts)
{
    auto* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

void TKachel::BuildEditMenu()
{
    QMenu* edit = AddMenuBeforeRender("Bearbeiten1", QStringLiteral("&Bearbeiten"));
    auto addEdit = [&](const char* name, const QString& caption, QKeySequence key,
                       void (TKachel::*command)()) {
        QAction* action = AddCommand(edit, name, caption, {key});
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
        return action;
    };
    selectionCommands_.push_back(addEdit("Ausschneiden1", QStringLiteral("Ausschneiden"),
                                         QKeySequence(Qt::CTRL | Qt::Key_X), &TKachel::CutTile));
    selectionCommands_.push_back(addEdit("Kopieren1", QStringLiteral("Kopieren"),
                                         QKeySequence(Qt::CTRL | Qt::Key_C), &TKachel::CopyTile));
    paste_ = addEdit("Einfgen1", QStringLiteral("Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V),
                     &TKachel::PasteTile);
    selectionCommands_.push_back(addEdit("Lschen1", QStringLiteral("Löschen"),
                                         QKeySequence(Qt::Key_Delete), &TKachel::DeleteTile));
    selectionCommands_.push_back(addEdit("Duplicate1", QStringLiteral("Duplicate"),
                                         QKeySequence(Qt::CTRL | Qt::Key_D),
                                         &TKachel::DuplicateTile));
}

void TKachel::BuildSelectionMenu()
{
    selectionMenu_ = AddMenuBeforeRender("Auswahl1", QStringLiteral("&Auswahl"));
    connect(AddCommand(selectionMenu_, "Nchstes1", QStringLiteral("Nächstes"),
                       {QKeySequence(Qt::Key_Tab)}),
            &QAction::triggered, this, [this] { Tiles().SelectNext(); });
    connect(AddCommand(selectionMenu_, "Vorheriges1", QStringLiteral("Vorheriges"),
                       {QKeySequence(Qt::SHIFT | Qt::Key_Tab)}),
            &QAction::triggered, this, [this] { Tiles().SelectPrevious(); });
    connect(AddCommand(selectionMenu_, "Erstes1", QStringLiteral("Erstes"),
                       {QKeySequence(Qt::CTRL | Qt::Key_Tab)}),
            &QAction::triggered, this, [this] { Tiles().SelectFirst(); });
    connect(AddCommand(selectionMenu_, "Letztes1", QStringLiteral("Letztes"),
                       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}),
            &QAction::triggered, this, [this] { Tiles().SelectLast(); });
}

void TKachel::BuildArrangeMenu()
{
    arrangeMenu_ = AddMenuBeforeRender("Anordnen1", QStringLiteral("A&nordnen"));
    connect(AddCommand(arrangeMenu_, "Nachoben1", QStringLiteral("Nach oben"),
                       {QKeySequence(Qt::CTRL | Qt::Key_PageUp)}),
            &QAction::triggered, this, [this] { Tiles().MoveSelectedToTop(); });
    connect(AddCommand(arrangeMenu_, "Einsnachoben1", QStringLiteral("Eins nach oben"),
                       {QKeySequence(Qt::SHIFT | Qt::Key_PageUp)}),
            &QAction::triggered, this, [this] { Tiles().MoveSelectedUp(); });
    connect(AddCommand(arrangeMenu_, "Einsnachunten1", QStringLiteral("Eins nach unten"),
                       {QKeySequence(Qt::SHIFT | Qt::Key_PageDown)}),
            &QAction::triggered, this, [this] { Tiles().MoveSelectedDown(); });
    connect(AddCommand(arrangeMenu_, "Nachunten1", QStringLiteral("Nach unten"),
                       {QKeySequence(Qt::CTRL | Qt::Key_PageDown)}),
            &QAction::triggered, this, [this] { Tiles().MoveSelectedToBottom(); });
}

QWidget* TKachel::BuildPalette()
{
    auto* group = new QGroupBox(QStringLiteral("Anordnen"));
    group->setObjectName(QStringLiteral("Anordnen_Group"));
    auto* layout = new QVBoxLayout(group);
    connect(MakeArrangeButton(layout, "Nachoben_Button", QStringLiteral("Nach oben")),
            &QPushButton::clicked, this, [this] { Tiles().MoveSelectedToTop(); });
    connect(MakeArrangeButton(layout, "Einsnachoben_Button", QStringLiteral("Eins nach oben")),
            &QPushButton::clicked, this, [this] { Tiles().MoveSelectedUp(); });
    connect(MakeArrangeButton(layout, "Einsnachunten_Button", QStringLiteral("Eins nach unten")),
            &QPushButton::clicked, this, [this] { Tiles().MoveSelectedDown(); });
    connect(MakeArrangeButton(layout, "Nachunten_Button", QStringLiteral("Nach unten")),
            &QPushButton::clicked, this, [this] { Tiles().MoveSelectedToBottom(); });
    arrangeGroup_ = group;

    auto* palette = new QWidget;
    palette->setObjectName(QStringLiteral("Kachel_Palette"));
    auto* column = new QVBoxLayout(palette);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(group);
    column->addStretch(1);
    return palette;
}

QWidget* TKachel::BuildBandArea()
{
    auto* area = new QWidget;
    area->setObjectName(QStringLiteral("Kachel_BandArea"));
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ruler_ = new LumoRuler(Qt::Vertical, area);
    ruler_->setObjectName(QStringLiteral("Kachel_Ruler"));
    layout->addWidget(ruler_);
    scroll_ = new QScrollArea(area);
    scroll_->setObjectName(QStringLiteral("Kachel_Scroll"));
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bandContent_ = new QWidget;
    bandContent_->setObjectName(QStringLiteral("Kachel_Bands"));
    previewLabel_ = new QLabel(bandContent_);
    previewLabel_->setObjectName(QStringLiteral("Kachel_Preview"));
    previewLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previewLabel_->installEventFilter(this);
    scroll_->setWidget(bandContent_);
    layout->addWidget(scroll_, 1);
    // The ruler counts the preview's rows from the top of the stack.
    connect(scroll_->verticalScrollBar(), &QScrollBar::valueChanged, ruler_,
            [this](int value) { ruler_->SetStart(-value); });
    return area;
}

void TKachel::RepaintStage()
{
    Project& project = Context().CurrentProject();
    const int64_t height = project.Tiles.TotalHeight();
    preview_ = QImage();
    if (!project.Tiles.IsEmpty() && height > 0) {
        const int tileWidth = project.Options.RenderOptions_Tile_Width;
        const int width = std::max(
            {kMinimumPreviewWidth, tileWidth, scroll_->viewport()->width() - kButtonColumnWidth});
        try {
            TPixelEngine picture(width, static_cast<int>(std::min(height, kMaximumPreviewHeight)));
            project.Tiles.GenerateKachelPreview(picture, tileWidth, Context().TileRandom());
            preview_ = picture.ToQImage();
        } catch (const LumoraError& e) {
            Context().Tell(QString::fromUtf8(e.what()));
        }
    }
    previewLabel_->setPixmap(QPixmap::fromImage(preview_));
    LayOutBands();
}

void TKachel::LayOutBands()
{
    const TileMap& tiles = Tiles();
    const int height = static_cast<int>(std::min(tiles.TotalHeight(), kMaximumPreviewHeight));
    const int width = std::max(scroll_->viewport()->width(), kButtonColumnWidth + preview_.width());
    bandContent_->resize(width, height);
    previewLabel_->setGeometry(kButtonColumnWidth, 0, preview_.width(), preview_.height());
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const auto index = static_cast<int32_t>(i);
        const Tile_tm* tile = tiles.At(index);
        if (tile)
            buttons_[i]->setGeometry(0, static_cast<int>(tiles.BandTop(index)), kButtonColumnWidth,
                                     tile->BandHeight);
    }
}

void TKachel::RebuildButtons()
{
    for (QPushButton* button : buttons_)
        delete button;
    buttons_.clear();
    const QString caption = Context().Texts().DisplayText(u"Kachel");
    for (int32_t i = 0; i < Tiles().Count(); ++i) {
        auto* button = new QPushButton(caption + QString::number(i + 1), bandContent_);
        button->setObjectName(QStringLiteral("KachelButton%1").arg(i + 1));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, i] {
            Tiles().Select(i);
            TileSelected(Tiles().SelectedIndex());
            focusField_->setFocus();
        });
        button->show();
        buttons_.push_back(button);
    }
    LayOutBands();
}

void TKachel::TilesModified()
{
    Context().CurrentProject().TilesEdited();
}

void TKachel::TileButtonsChanged()
{
    RebuildButtons();
    TileSelected(Tiles().SelectedIndex());
    Context().UpdateCommandStates();
}

void TKachel::TileSelected(int32_t index)
{
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setChecked(static_cast<int32_t>(i) == index);
    const Tile_tm* tile = Tiles().At(index);
    fxPanel_->Load(tile ? tile->Effects() : TileEffects{});
    fxPanel_->setEnabled(tile != nullptr);
    UpdateTileCommands();
}

void TKachel::UpdateTileCommands()
{
    const TileMap& tiles = Tiles();
    for (QAction* action : selectionCommands_)
        action->setEnabled(tiles.SelectedTile() != nullptr);
    paste_->setEnabled(clipboard_ != nullptr);
    const bool arrange = tiles.CanArrange();
    selectionMenu_->setEnabled(arrange);
    arrangeMenu_->setEnabled(arrange);
    arrangeGroup_->setEnabled(arrange);
    for (QAction* action : selectionMenu_->actions())
        action->setEnabled(arrange);
    for (QAction* action : arrangeMenu_->actions())
        action->setEnabled(arrange);
}

void TKachel::CopyTile()
{
    const Tile_tm* tile = Tiles().SelectedTile();
    if (!tile)
        return;
    clipboard_ = tile->Clone();
    UpdateTileCommands();
}

void TKachel::CutTile()
{
    if (!Tiles().SelectedTile())
        return;
    CopyTile();
    DeleteTile();
}

void TKachel::PasteTile()
{
    if (clipboard_)
        Tiles().Append(clipboard_->Clone());
}

void TKachel::DeleteTile()
{
    Tiles().DeleteSelected();
}

void TKachel::DuplicateTile()
{
    if (!Tiles().SelectedTile())
        return;
    CopyTile();
    PasteTile();
}

void TKachel::SelectAtPreviewRow(int y)
{
    if (Tiles().SelectAtRow(y))
        TileSelected(Tiles().SelectedIndex());
}

bool TKachel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == previewLabel_ && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // Rows are counted from 1 at the top of the first band.
        SelectAtPreviewRow(mouse->position().toPoint().y() + 1);
        focusField_->setFocus();
        return true;
    }
    return StageWindow::eventFilter(watched, event);
}

void TKachel::changeEvent(QEvent* event)
{
    StageWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && focusField_)
        focusField_->setFocus();
}

void TKachel::resizeEvent(QResizeEvent* event)
{
    StageWindow::resizeEvent(event);
    if (!preview_.isNull() && scroll_->viewport()->width() - kButtonColumnWidth > preview_.width())
        RepaintStage();
    else
        LayOutBands();
}

} // namespace lumora
