#pragma once
// TGreyPicker: chooses a grey 0..255, the background depth of the depth
// map: a grey ramp to click or drag on, a swatch of the grey, a number
// field, "OK" and "Abbruch".

#include "ui/widgets/lumo_dialog.h"

#include <cstdint>
#include <optional>

class QFrame;

namespace lumora {

class LumoGreyField;

class TGreyPicker : public LumoDialog
{
public:
    static constexpr char kHelpPage[] = "depth_picker_fast.l2h";

    explicit TGreyPicker(QWidget* parent = nullptr);

    // Modal, starting at depth: the chosen grey on "OK"; nothing on
    // "Abbruch", "X" or Escape.
    std::optional<uint8_t> Execute(uint8_t depth);

    LumoGreyField* GreyField() const { return grey_; }
    QFrame* Swatch() const { return swatch_; }

private:
    void ShowSwatch(int grey);

    LumoGreyField* grey_ = nullptr;
    QFrame* swatch_ = nullptr;
};

} // namespace lumora
