#include "rendering/render_options_dialog_model.h"

#include <algorithm>

namespace lumora {

void RenderOptionsDialogModel::Load(const RenderOptions& stored)
{
    const RenderOptions o = ClampedToDialogRanges(stored);
    dpi_ = o.RenderOptions_RenderDPI;
    widthUnit_ = static_cast<SizeUnit>(o.RenderOptions_RenderWidthFormat);
    heightUnit_ = static_cast<SizeUnit>(o.RenderOptions_RenderHeightFormat);
    widthValue_ = SizeFromPixels(o.RenderOptions_RenderWidth, widthUnit_, dpi_);
    heightValue_ = SizeFromPixels(o.RenderOptions_RenderHeight, heightUnit_, dpi_);
    aspectPreset_ = o.RenderOptions_RenderAspectRatio_Format;
    numerator_ = o.RenderOptions_RenderAspectRatio_Width;
    denominator_ = o.RenderOptions_RenderAspectRatio_Height;
    divergence_ = o.RenderOptions_Settings_Divergenz;
    quality_ = SelectQuality(o.RenderOptions_Settings_quality);
    direction_ = static_cast<RenderDirection>(o.RenderOptions_Settings_renderdirection);
    customStartMaximum_ = o.RenderOptions_RenderWidth;
    customStart_ = std::clamp(o.RenderOptions_Settings_customrenderdirection, 1,
                              std::max(1, customStartMaximum_));
    eyeUnit_ = static_cast<DistanceUnit>(o.RenderOptions_Settings_AugeScreen_Format);
    maxUnit_ = static_cast<DistanceUnit>(o.RenderOptions_Settings_max3dtiefe_Format);
    minUnit_ = static_cast<DistanceUnit>(o.RenderOptions_Settings_min3dtiefe_Format);
    eyeInches_ = o.RenderOptions_Settings_AugeScreen;
    maxInches_ = o.RenderOptions_Settings_max3dtiefe;
    minInches_ = o.RenderOptions_Settings_min3dtiefe;
    linked_ = o.RenderOptions_Settings_maxobdist_same;
    smallerStretch_ = o.RenderOptions_Tile_smaller_stretch;
    biggerStretch_ = o.RenderOptions_Tile_bigger_stretch;
    changeTileWidth_ = o.RenderOptions_Tile_ChangeWidth;
    tileWidth_ = o.RenderOptions_Tile_Width;
    RecomputeTileWidth();
}

RenderOptions RenderOptionsDialogModel::Confirm() const
{
    RenderOptions o;
    o.RenderOptions_RenderWidthFormat = static_cast<int32_t>(widthUnit_);
    o.RenderOptions_RenderHeightFormat = static_cast<int32_t>(heightUnit_);
    o.RenderOptions_RenderDPI = dpi_;
    o.RenderOptions_RenderAspectRatio_Format = aspectPreset_;
    o.RenderOptions_RenderAspectRatio_Width = numerator_;
    o.RenderOptions_RenderAspectRatio_Height = denominator_;
    o.RenderOptions_RenderWidth = std::clamp(WidthPixels(), kMinRenderPixels, kMaxRenderPixels);
    o.RenderOptions_RenderHeight = std::clamp(HeightPixels(), kMinRenderPixels, kMaxRenderPixels);
    o.RenderOptions_Tile_smaller_stretch = smallerStretch_;
    o.RenderOptions_Tile_bigger_stretch = biggerStretch_;
    o.RenderOptions_Tile_Width = tileWidth_;
    o.RenderOptions_Tile_ChangeWidth = changeTileWidth_;
    o.RenderOptions_Settings_Divergenz = divergence_;
    o.RenderOptions_Settings_quality = quality_;
    o.RenderOptions_Settings_renderdirection = static_cast<int32_t>(direction_);
    o.RenderOptions_Settings_customrenderdirection = customStart_;
    o.RenderOptions_Settings_AugeScreen_Format = static_cast<int32_t>(eyeUnit_);
    o.RenderOptions_Settings_max3dtiefe_Format = static_cast<int32_t>(maxUnit_);
    o.RenderOptions_Settings_min3dtiefe_Format = static_cast<int32_t>(minUnit_);
    o.RenderOptions_Settings_maxobdist_same = linked_;
    o.RenderOptions_Settings_AugeScreen = eyeInches_;
    o.RenderOptions_Settings_max3dtiefe = maxInches_;
    o.RenderOptions_Settings_min3dtiefe = minInches_;
    return o;
}

double RenderOptionsDialogModel::SizeMinimum(SizeUnit unit) const
{
    return SizeFromPixels(kMinRenderPixels, unit, dpi_);
}

double RenderOptionsDialogModel::SizeMaximum(SizeUnit unit) const
{
    return SizeFromPixels(kMaxRenderPixels, unit, dpi_);
}

void RenderOptionsDialogModel::SetWidthValue(double value)
{
    widthValue_ = value;
    if (AspectActive())
        HeightFollowsWidth();
    customStartMaximum_ = std::max(1, WidthPixels());
    customStart_ = std::min(customStart_, customStartMaximum_);
}

void RenderOptionsDialogModel::SetHeightValue(double value)
{
    heightValue_ = value;
    if (AspectActive())
        WidthFollowsHeight();
}

void RenderOptionsDialogModel::SetWidthUnit(SizeUnit unit)
{
    const int pixels = WidthPixels();
    widthUnit_ = unit;
    widthValue_ = SizeFromPixels(pixels, unit, dpi_);
}

void RenderOptionsDialogModel::SetHeightUnit(SizeUnit unit)
{
    const int pixels = HeightPixels();
    heightUnit_ = unit;
    heightValue_ = SizeFromPixels(pixels, unit, dpi_);
}

void RenderOptionsDialogModel::SetAspectPreset(int index)
{
    const auto& presets = AspectRatioPresets();
    if (index < 0 || index >= static_cast<int>(presets.size()))
        return;
    aspectPreset_ = index;
    const AspectRatioPreset& preset = presets[static_cast<size_t>(index)];
    if (preset.Numerator > 0) {
        numerator_ = preset.Numerator;
        denominator_ = preset.Denominator;
    }
}

void RenderOptionsDialogModel::SetAspectNumerator(int value)
{
    numerator_ = std::clamp(value, 1, 10000);
    if (AspectActive())
        HeightFollowsWidth();
}

void RenderOptionsDialogModel::SetAspectDenominator(int value)
{
    denominator_ = std::clamp(value, 1, 10000);
    if (AspectActive())
        HeightFollowsWidth();
}

void RenderOptionsDialogModel::SetDpi(int dpi)
{
    dpi_ = std::clamp(dpi, kMinDpi, kMaxDpi);
    RecomputeTileWidth();
}

void RenderOptionsDialogModel::SetCustomStart(int position)
{
    customStart_ = std::clamp(position < 1 ? 1 : position, 1, std::max(1, customStartMaximum_));
}

void RenderOptionsDialogModel::SetEyeScreenValue(double value)
{
    eyeInches_ =
        std::clamp(DistanceToInches(value, eyeUnit_), kMinDistanceInches, kMaxDistanceInches);
    if (linked_)
        maxInches_ = eyeInches_;
    RecomputeTileWidth();
}

void RenderOptionsDialogModel::SetMaxDepthValue(double value)
{
    maxInches_ =
        std::clamp(DistanceToInches(value, maxUnit_), kMinDistanceInches, kMaxDistanceInches);
    if (linked_)
        eyeInches_ = maxInches_;
    RecomputeTileWidth();
}

void RenderOptionsDialogModel::SetMinDepthValue(double value)
{
    minInches_ =
        std::clamp(DistanceToInches(value, minUnit_), kMinDistanceInches, kMaxDistanceInches);
}

void RenderOptionsDialogModel::PressLink()
{
    linked_ = !linked_;
    if (linked_) {
        eyeInches_ = maxInches_;
        RecomputeTileWidth();
    }
}

void RenderOptionsDialogModel::SetChangeTileWidth(bool checked)
{
    changeTileWidth_ = checked;
    RecomputeTileWidth();
}

void RenderOptionsDialogModel::SetTileWidthValue(int value)
{
    if (!changeTileWidth_)
        return; // read-only while the tile width follows the geometry
    tileWidth_ = std::clamp(value, 1, kMaxTileWidth);
    dpi_ = std::clamp(DpiFromTileWidth(tileWidth_, eyeInches_, maxInches_), kMinDpi, kMaxDpi);
    RecomputeTileWidth();
}

void RenderOptionsDialogModel::HeightFollowsWidth()
{
    const int height = HeightFromWidth(WidthPixels(), numerator_, denominator_);
    heightValue_ = SizeFromPixels(height, heightUnit_, dpi_);
}

void RenderOptionsDialogModel::WidthFollowsHeight()
{
    const int width = WidthFromHeight(HeightPixels(), numerator_, denominator_);
    widthValue_ = SizeFromPixels(width, widthUnit_, dpi_);
    customStartMaximum_ = std::max(1, width);
    customStart_ = std::min(customStart_, customStartMaximum_);
}

void RenderOptionsDialogModel::RecomputeTileWidth()
{
    const int computed = ComputeTileWidth(dpi_, eyeInches_, maxInches_);
    if (!changeTileWidth_)
        tileWidth_ = computed;
    tileWidthMinimum_ = computed;
    tileWidth_ = std::max(tileWidth_, computed);
}

} // namespace lumora
