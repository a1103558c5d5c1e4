#pragma once
// What the editor's attribute panel hands to the selection operations, and
// what showing the selection hands back for the panel to display. The
// operations themselves are members of DepthObjects (depth_selection.cpp,
// depth_arrangement.cpp, depth_grouping.cpp, depth_clipboard_edits.cpp).

#include "depthmap/box.h"

#include <QString>
#include <cstdint>

namespace lumora {

// The object panel: X, Y, W, H and the check boxes "Invertieren",
// "Horizontal", "Vertikal" and "Sichtbar".
struct ObjectPanelValues
{
    // The panel's size fields accept 1 to this many pixels.
    static constexpr int32_t kMaxExtent = 100000;

    int32_t X = 0;
    int32_t Y = 0;
    int32_t W = 1;
    int32_t H = 1;
    bool Invert = false;
    bool MirrorH = false;
    bool MirrorV = false;
    bool Visible = true;
};

// The result of showing the selection.
struct SelectionDisplay
{
    enum class PanelKind
    {
        Background, // nothing selected: "Hintergrund" and the background panel
        Object      // the object panel
    };

    PanelKind Panel = PanelKind::Background;
    int32_t SelectedCount = 0;
    // One object: its Name. Several: empty, and TitleKey names the language
    // text to show instead.
    QString Title;
    QString TitleKey;
    // Which of "Invertieren", "Horizontal", "Vertikal" are shown ("Sichtbar"
    // always is).
    bool ShowInvert = true;
    bool ShowMirrorH = true;
    bool ShowMirrorV = true;
    // When set, the check boxes take the four values below; when clear
    // (several objects, no new selection since the last display) they keep
    // what they show.
    bool SetCheckBoxes = false;
    bool Invert = false;
    bool MirrorH = false;
    bool MirrorV = false;
    bool Visible = true;
    // The depth slider: shown for one object with HasDepth.
    bool ShowDepth = false;
    uint8_t Depth = 0;
    // X, Y, W, H of the panel: SelectionBox.
    Box Bounds;
};

} // namespace lumora
