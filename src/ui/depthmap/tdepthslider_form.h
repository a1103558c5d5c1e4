#pragma once
// TDepthSlider_Form: the depth slider window, shown beside the depth-map
// window while its depth-picker button is down. A borderless window on
// top with a grey bar and a number field 0..255 that follow each other;
// they are shown only while exactly one object with a depth is selected.
// Letting go of the bar, or Return in the field, chooses the depth; "X"
// (or Escape) closes the window, which releases the depth-picker button.

#include "ui/widgets/lumo_dialog.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace lumora {

class LumoGreyField;

class TDepthSlider_Form : public LumoDialog
{
public:
    static constexpr char kHelpPage[] = "depth_picker_fast.l2h";

    explicit TDepthSlider_Form(QWidget* parent = nullptr);

    // Showing the selection: the depth of the one selected object that
    // has a depth, or nothing to hide the bar and the field.
    void ShowDepth(std::optional<uint8_t> depth);
    bool DepthShown() const;
    int Value() const;

    void SetOnDepthChosen(std::function<void(uint8_t)> onChosen)
    {
        onDepthChosen_ = std::move(onChosen);
    }
    void SetOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }

    LumoGreyField* DepthField() const { return depth_; }

protected:
    void reject() override;

private:
    LumoGreyField* depth_ = nullptr;
    std::function<void(uint8_t)> onDepthChosen_;
    std::function<void()> onClosed_;
};

} // namespace lumora
