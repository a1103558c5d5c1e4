#pragma once
// The "Gradient Designer" of the random-dot gradient dialog: a vertical
// strip with one marker per stop of the tile being edited, the selected
// stop, the colour of the "Aktueller Marker:" controls and the preset list.
// The dialog forwards mouse and key events; the designer edits the tile.
//
// Marker k sits at y = 4 + position x (strip height - 8).

#include "rendering/pixel_font.h" // Colour
#include "tilemap/tile_tm_randomdotgradient.h"

#include <cstdint>

namespace lumora {

class GradientDesigner
{
public:
    static constexpr int32_t kMargin = 4;
    static constexpr double kHitDistance = 7.0;

    // For a new object the list shows "Simple", for an existing one
    // "Custom"; either way stop 1 is selected and its colour shown.
    GradientDesigner(Tile_tm_RandomDotGradient& tile, int32_t stripHeight, int presetIndex);

    int Selected() const { return selected_; } // 0-based, 0 is stop 1
    Colour MarkerColour() const { return markerColour_; }
    int PresetIndex() const { return presetIndex_; }
    void SetStripHeight(int32_t stripHeight) { stripHeight_ = stripHeight; }

    double FractionAt(int32_t y) const;
    double MarkerY(int stop) const;
    // The stop whose marker lies within 7 pixels of y (the nearest); -1.
    int StopNear(int32_t y) const;

    // A left click: selects the stop near y, or else inserts one there with
    // the marker colour and selects it. Answers whether anything changed.
    bool LeftClick(int32_t y);
    // Dragging with the left button held: moves the selected stop.
    bool Drag(int32_t y);
    // The Delete key.
    bool DeleteSelected();
    // The marker colour controls: the selected stop takes the colour.
    void SetMarkerColour(Colour colour);
    // The preset list: replaces every stop, selects stop 1.
    bool ChoosePreset(int index);
    // The row label: Round(band height x position of the selected stop).
    int32_t SelectedRow(int32_t bandHeight) const;

private:
    void SelectStop(int stop);
    void Edited() { presetIndex_ = Tile_tm_RandomDotGradient::kPresetCustom; }

    Tile_tm_RandomDotGradient& tile_;
    int32_t stripHeight_;
    int presetIndex_;
    int selected_ = 0;
    Colour markerColour_ = 0;
};

} // namespace lumora
