#pragma once
// The new-project dialog (TNeuesProj) without its widgets: the composer
// size in pixels, helped by an aspect-ratio preset, and the rule that
// recomputes one dimension from the other. The dialog shows these fields,
// tells the model what the user typed and where the keyboard focus went,
// and reads the fields back.

#include "rendering/render_options.h"

#include <array>
#include <cstdint>

namespace lumora {

// The list "Seitenverhältnis:" is the render options' list of ratios: 0
// "None", 1 "Custom", then the sixteen fixed ratios.
inline constexpr int32_t kNewProjectPresetNone = 0;
inline constexpr int32_t kNewProjectPresetCustom = 1;
inline const std::array<AspectRatioPreset, 18>& NewProjectAspectPresets()
{
    return AspectRatioPresets();
}

// Calc_VorlageSize's two directions: Round(width / aspect1 x aspect2) and
// Round(height / aspect2 x aspect1), halves to even, on extended-precision
// intermediates. An aspect value below 1 leaves the dimension as it is.
int32_t HeightFromWidth(int32_t width, int32_t aspect1, int32_t aspect2, int32_t height);
int32_t WidthFromHeight(int32_t height, int32_t aspect1, int32_t aspect2, int32_t width);

class NewProjectDialogModel
{
public:
    static constexpr int32_t kMinPixels = 1;
    static constexpr int32_t kMaxPixels = 10000;

    enum class Field
    {
        Width = 1,
        Height = 2,
    };

    // The fields (the settings NewProject_width, _height, _aspectratio,
    // _aspect1, _aspect2). Set them, then call SettingsLoaded.
    int32_t Width = 600;
    int32_t Height = 450;
    int32_t Preset = kNewProjectPresetCustom;
    int32_t Aspect1 = 4;
    int32_t Aspect2 = 3;
    Field LastEntered = Field::Width;

    // The preset-change step once after the settings are loaded.
    void SettingsLoaded() { SelectPreset(Preset); }

    // The aspect fields and their ":" label: hidden for "None", shown but
    // disabled for the fixed presets, enabled for "Custom".
    bool AspectFieldsVisible() const { return Preset != kNewProjectPresetNone; }
    bool AspectFieldsEnabled() const { return Preset == kNewProjectPresetCustom; }

    // The keyboard focus entered the width or the height field.
    void FocusEntered(Field field) { LastEntered = field; }
    // The user changed a field. A preset above "None" recomputes the other
    // dimension when the changed field was the last entered.
    void SetWidth(int32_t width);
    void SetHeight(int32_t height);
    void SetAspect1(int32_t value) { Aspect1 = value; }
    void SetAspect2(int32_t value) { Aspect2 = value; }
    // The focus left an aspect field: the height follows the width.
    void AspectFieldLeft() { Calc_VorlageSize(Field::Width); }
    // A preset chosen from the list (an index outside it is ignored).
    void SelectPreset(int32_t index);

    // Recomputes the other dimension from the given field.
    void Calc_VorlageSize(Field from);

    // "OK": sizes below the minimum are raised to it (and above the
    // maximum lowered to it), the width becomes the last-entered field.
    void Confirm();
};

} // namespace lumora
