#pragma once
// TKachel: the tile-map window. A column of selector buttons, one per tile
// object and as high as its band, beside the preview of the bands, both
// scrolled together with a ruler; the arrangement buttons; the "Tile FX"
// panel for the selected object's effects; and the edit, selection and
// arrangement commands with the tile clipboard.

#include "tilemap/tile_map_ui.h"
#include "ui/app/stage_window.h"

#include <QImage>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QWidget;

namespace lumora {

class LumoRuler;
class Tile_tm;
class TileFxPanel;
class TileMap;

class TKachel : public StageWindow, public TileMapUi
{
public:
    explicit TKachel(ProgramContext& context);
    ~TKachel() override;

    // Repaint_Kachel: every band generated anew.
    void RepaintStage() override;
    const QImage& PreviewPicture() const { return preview_; }
    QLabel* PreviewLabel() const { return previewLabel_; }
    QScrollArea* BandScroll() const { return scroll_; }
    LumoRuler* Ruler() const { return ruler_; }
    TileFxPanel* FxPanel() const { return fxPanel_; }
    QWidget* FocusField() const { return focusField_; }
    // The selector buttons, top to bottom.
    const std::vector<QPushButton*>& Buttons() const { return buttons_; }
    bool ClipboardHoldsTile() const { return clipboard_ != nullptr; }

    // The edit commands on the selected tile object.
    void CopyTile();
    void CutTile();
    void PasteTile();
    void DeleteTile();
    void DuplicateTile();

    // TileMapUi
    void TilesModified() override;
    void TileButtonsChanged() override;
    void TileSelected(int32_t index) override;
    void RepaintKachel() override { RepaintStage(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TileMap& Tiles() const;
    QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                        const QList<QKeySequence>& shortcuts);
    void BuildEditMenu();
    void BuildSelectionMenu();
    void BuildArrangeMenu();
    QWidget* BuildPalette();
    QWidget* BuildBandArea();
    void RebuildButtons();
    void LayOutBands();
    void UpdateTileCommands();
    void SelectAtPreviewRow(int y);

    QScrollArea* scroll_ = nullptr;
    QWidget* bandContent_ = nullptr;
    QLabel* previewLabel_ = nullptr;
    LumoRuler* ruler_ = nullptr;
    TileFxPanel* fxPanel_ = nullptr;
    QWidget* focusField_ = nullptr;
    QImage preview_;
    std::vector<QPushButton*> buttons_;
    std::unique_ptr<Tile_tm> clipboard_;

    QMenu* selectionMenu_ = nullptr;
    QMenu* arrangeMenu_ = nullptr;
    QWidget* arrangeGroup_ = nullptr;
    std::vector<QAction*> selectionCommands_;
    QAction* paste_ = nullptr;
};

} // namespace lumora
