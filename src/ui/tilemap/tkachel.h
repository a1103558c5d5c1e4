#pragma once
// TKachel: the tile-map window. It shows the preview of the tile objects'
// bands, each generated with its effects and repeated across the width.

#include "tilemap/tile_map_ui.h"
#include "ui/app/stage_window.h"

namespace lumora {

class PictureView;

class TKachel : public StageWindow, public TileMapUi
{
public:
    explicit TKachel(ProgramContext& context);

    // Repaint_Kachel: every band generated anew.
    void RepaintStage() override;
    PictureView* Preview() const { return preview_; }

    // TileMapUi
    void TilesModified() override;
    void TileButtonsChanged() override;
    void RepaintKachel() override { RepaintStage(); }

private:
    PictureView* preview_ = nullptr;
};

} // namespace lumora
