#pragma once
// What the tile map tells the tile-map window. The window implements it;
// without a window (command-line use, tests) the tile map works with no
// interface at all.

#include <cstdint>

namespace lumora {

class TileMapUi
{
public:
    virtual ~TileMapUi() = default;

    // The tile objects were edited: set the out-of-date and modified flags.
    virtual void TilesModified() {}
    // Objects were added, removed or moved, or band heights changed:
    // rebuild and re-lay out the selector buttons and the tile commands.
    virtual void TileButtonsChanged() {}
    // The selection changed (-1: none): press its button and load its
    // effect values into the "Tile FX" panel.
    virtual void TileSelected(int32_t index) { (void)index; }
    // The preview must be painted anew (Repaint_Kachel).
    virtual void RepaintKachel() {}
};

} // namespace lumora
