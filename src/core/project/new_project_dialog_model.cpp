#include "project/new_project_dialog_model.h"

#include <algorithm>
#include <cmath>

namespace lumora {

namespace {

// Halves to even on extended precision; the result is held to the range
// of the size fields so that a far-off ratio cannot overflow them.
int32_t RoundedDimension(long double value)
{
    const long double rounded = std::nearbyintl(value);
    return static_cast<int32_t>(std::clamp<long double>(rounded, 0.0L, 2147483647.0L));
}

} // namespace

int32_t HeightFromWidth(int32_t width, int32_t aspect1, int32_t aspect2, int32_t height)
{
    if (aspect1 < 1 || aspect2 < 1)
        return height;
    return RoundedDimension(static_cast<long double>(width) / aspect1 * aspect2);
}

int32_t WidthFromHeight(int32_t height, int32_t aspect1, int32_t aspect2, int32_t width)
{
    if (aspect1 < 1 || aspect2 < 1)
        return width;
    return RoundedDimension(static_cast<long double>(height) / aspect2 * aspect1);
}

void NewProjectDialogModel::SetWidth(int32_t width)
{
    Width = width;
    if (Preset > kNewProjectPresetNone && LastEntered == Field::Width)
        Calc_VorlageSize(Field::Width);
}

void NewProjectDialogModel::SetHeight(int32_t height)
{
    Height = height;
    if (Preset > kNewProjectPresetNone && LastEntered == Field::Height)
        Calc_VorlageSize(Field::Height);
}

void NewProjectDialogModel::SelectPreset(int32_t index)
{
    const auto& presets = NewProjectAspectPresets();
    if (index < 0 || index >= static_cast<int32_t>(presets.size()))
        return;
    Preset = index;
    if (index > kNewProjectPresetCustom) {
        Aspect1 = presets[index].Numerator;
        Aspect2 = presets[index].Denominator;
    }
    Calc_VorlageSize(Field::Width);
}

void NewProjectDialogModel::Calc_VorlageSize(Field from)
{
    if (from == Field::Width)
        Height = HeightFromWidth(Width, Aspect1, Aspect2, Height);
    else
        Width = WidthFromHeight(Height, Aspect1, Aspect2, Width);
}

void NewProjectDialogModel::Confirm()
{
    // A recomputed dimension can leave the fields' range (1 : 4 at width
    // 10000): the dialog's limits hold for the result too.
    Width = std::clamp(Width, kMinPixels, kMaxPixels);
    Height = std::clamp(Height, kMinPixels, kMaxPixels);
    LastEntered = Field::Width;
}

} // namespace lumora
