#include "tilemap/gradient_designer.h"

#include "common/numeric.h"

#include <cmath>

namespace lumora {

GradientDesigner::GradientDesigner(Tile_tm_RandomDotGradient& tile, int32_t stripHeight,
                                   int presetIndex)
    : tile_(tile), stripHeight_(stripHeight), presetIndex_(presetIndex)
{
    SelectStop(0);
}

void GradientDesigner::SelectStop(int stop)
{
    selected_ = stop;
    markerColour_ = static_cast<Colour>(tile_.StopColour[static_cast<size_t>(stop)]) & 0xFFFFFF;
}

double GradientDesigner::FractionAt(int32_t y) const
{
    const int32_t span = stripHeight_ - 2 * kMargin;
    return span > 0 ? static_cast<double>(y - kMargin) / span : 0.0;
}

double GradientDesigner::MarkerY(int stop) const
{
    return kMargin + tile_.StopPos[static_cast<size_t>(stop)] * (stripHeight_ - 2 * kMargin);
}

int GradientDesigner::StopNear(int32_t y) const
{
    int nearest = -1;
    double best = kHitDistance;
    for (int k = 0; k < tile_.StopCount; ++k) {
        const double d = std::abs(y - MarkerY(k));
        if (d <= best) {
            best = d;
            nearest = k;
        }
    }
    return nearest;
}

bool GradientDesigner::LeftClick(int32_t y)
{
    const int near = StopNear(y);
    if (near >= 0) {
        SelectStop(near);
        return false;
    }
    if (stripHeight_ <= 2 * kMargin)
        return false;
    const int inserted = tile_.InsertStop(FractionAt(y), markerColour_);
    if (inserted < 0)
        return false;
    SelectStop(inserted);
    Edited();
    return true;
}

bool GradientDesigner::Drag(int32_t y)
{
    if (stripHeight_ <= 2 * kMargin || !tile_.MoveStop(selected_, FractionAt(y)))
        return false;
    Edited();
    return true;
}

bool GradientDesigner::DeleteSelected()
{
    if (!tile_.RemoveStop(selected_))
        return false;
    SelectStop(selected_ - 1);
    Edited();
    return true;
}

void GradientDesigner::SetMarkerColour(Colour colour)
{
    markerColour_ = colour & 0xFFFFFF;
    if (tile_.SetStopColour(selected_, markerColour_))
        Edited();
}

bool GradientDesigner::ChoosePreset(int index)
{
    if (index < 0 || index >= static_cast<int>(Tile_tm_RandomDotGradient::Presets().size()))
        return false;
    presetIndex_ = index;
    if (!tile_.ApplyPreset(index))
        return false; // "Custom" keeps the stops
    SelectStop(0);
    return true;
}

int32_t GradientDesigner::SelectedRow(int32_t bandHeight) const
{
    return static_cast<int32_t>(Round(bandHeight * tile_.StopPos[static_cast<size_t>(selected_)]));
}

} // namespace lumora
