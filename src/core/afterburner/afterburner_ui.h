#pragma once
// What the afterburner state tells the afterburner window. The window
// implements it; without a window (command-line use, tests) the state works
// with no interface at all.

#include <QString>
#include <cstdint>

namespace lumora {

class AfterburnerUi
{
public:
    virtual ~AfterburnerUi() = default;

    // The language text of the kind's default name (section
    // "AfBuBezeichnung"); the key where no language is loaded.
    virtual QString DefaultAfterburnerName(int32_t kind) const;

    // Update_AfBuHierarchieAnzeige: rebuild the object list display from
    // AfterburnerState::DisplayEntries (the last index at the top).
    virtual void ObjectListChanged() {}
    // The selected index changed (-1: none).
    virtual void SelectionChanged(int32_t index) { (void)index; }
    // Repaint_Stereo composed the afterburner picture anew: size the picture
    // area to it, centre it (Resize_AfterBurner) and draw it 1:1.
    virtual void PictureComposed() {}
    // Resize_AfterBurner on its own: centre the picture area and reset the
    // scroll positions.
    virtual void ResizeAfterBurner() {}
};

} // namespace lumora
