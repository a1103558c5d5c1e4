#include "rendering/render_options.h"

#include "common/numeric.h"

#include <algorithm>
#include <cmath>

namespace lumora {

const std::array<QualityItem, 7>& QualityItems()
{
    static const std::array<QualityItem, 7> items{{
        {"Draft", 1},
        {"Low", 2},
        {"Normal", 4},
        {"High", 6},
        {"Best", 10},
        {"-", 1},
        {"Optimized for Print", 1},
    }};
    return items;
}

int OversamplingFactor(int quality)
{
    if (quality < 0 || quality >= static_cast<int>(QualityItems().size()))
        return 1;
    return QualityItems()[static_cast<size_t>(quality)].OversamplingFactor;
}

int SelectQuality(int index)
{
    constexpr int kSeparator = 5;
    if (index == kSeparator || index < 0 || index >= static_cast<int>(QualityItems().size()))
        return 0;
    return index;
}

const std::array<AspectRatioPreset, 18>& AspectRatioPresets()
{
    static const std::array<AspectRatioPreset, 18> presets{{
        {"None", 0, 0},
        {"Custom", 0, 0},
        {"Standard PC (4:3)", 4, 3},
        {"Photo (3:2)", 3, 2},
        {"Square (1:1)", 1, 1},
        {"16 mm (18:13)", 18, 13},
        {"Super 16mm (5:3)", 5, 3},
        {"65 mm (11:4)", 11, 4},
        {"70 mm (46:21)", 46, 21},
        {"IMAX (10:7)", 10, 7},
        {"Television 16/9 (16:9)", 16, 9},
        {"Academy Standard Flat (37:20)", 37, 20},
        {"Panorama (8:3)", 8, 3},
        {"Panavision (47:20)", 47, 20},
        {"VistaVision (3:2)", 3, 2},
        {"Cinemascope (8:3)", 8, 3},
        {"US Letter (22:17)", 22, 17},
        {"A4 (279:210)", 279, 210},
    }};
    return presets;
}

int SizeToPixels(double value, SizeUnit unit, int dpi)
{
    switch (unit) {
    case SizeUnit::Pixel:
        return static_cast<int>(Round(value));
    case SizeUnit::Inch:
        return static_cast<int>(Round(dpi * value));
    case SizeUnit::Centimetre:
        return static_cast<int>(Round(dpi * (value / 2.54)));
    case SizeUnit::Millimetre:
        return static_cast<int>(Round(value / 10 / 2.54 * dpi));
    }
    return static_cast<int>(Round(value));
}

double SizeFromPixels(int pixels, SizeUnit unit, int dpi)
{
    if (dpi <= 0)
        return pixels;
    switch (unit) {
    case SizeUnit::Pixel:
        return pixels;
    case SizeUnit::Inch:
        return static_cast<double>(pixels) / dpi;
    case SizeUnit::Centimetre:
        return static_cast<double>(pixels) / dpi * 2.54;
    case SizeUnit::Millimetre:
        return static_cast<double>(pixels) / dpi * 25.4;
    }
    return pixels;
}

double DistanceToInches(double value, DistanceUnit unit)
{
    return unit == DistanceUnit::Centimetre ? value / 2.54 : value;
}

double DistanceFromInches(double inches, DistanceUnit unit)
{
    return unit == DistanceUnit::Centimetre ? inches * 2.54 : inches;
}

int HeightFromWidth(int widthPixels, int numerator, int denominator)
{
    if (numerator <= 0)
        return widthPixels;
    return static_cast<int>(Round(static_cast<double>(widthPixels) / numerator * denominator));
}

int WidthFromHeight(int heightPixels, int numerator, int denominator)
{
    if (denominator <= 0)
        return heightPixels;
    return static_cast<int>(Round(static_cast<double>(heightPixels) / denominator * numerator));
}

int ComputeTileWidth(int dpi, double eyeScreenInches, double maxDepthInches)
{
    const double eye = dpi * eyeScreenInches;
    const double far = dpi * maxDepthInches;
    if (far + eye <= 0)
        return 0;
    return static_cast<int>(Trunc((dpi * 2.5) * far / (far + eye)));
}

int DpiFromTileWidth(int tileWidth, double eyeScreenInches, double maxDepthInches)
{
    if (maxDepthInches <= 0)
        return kMinDpi;
    return static_cast<int>(
        Round(tileWidth * (maxDepthInches + eyeScreenInches) / (2.5 * maxDepthInches)));
}

namespace {
template <typename T> T ClampOr(T v, T lo, T hi, T fallback)
{
    if (!(v >= lo && v <= hi)) // also catches NaN
        return std::isnan(static_cast<double>(v)) ? fallback : std::clamp(v, lo, hi);
    return v;
}
} // namespace

RenderOptions ClampedToDialogRanges(const RenderOptions& in)
{
    const RenderOptions defaults;
    RenderOptions o = in;
    o.RenderOptions_RenderWidthFormat = ClampOr(o.RenderOptions_RenderWidthFormat, 0, 3, 0);
    o.RenderOptions_RenderHeightFormat = ClampOr(o.RenderOptions_RenderHeightFormat, 0, 3, 0);
    o.RenderOptions_RenderDPI = ClampOr(o.RenderOptions_RenderDPI, kMinDpi, kMaxDpi, 72);
    o.RenderOptions_RenderAspectRatio_Format =
        ClampOr(o.RenderOptions_RenderAspectRatio_Format, 0,
                static_cast<int32_t>(AspectRatioPresets().size()) - 1, 1);
    o.RenderOptions_RenderAspectRatio_Width =
        ClampOr(o.RenderOptions_RenderAspectRatio_Width, 1, 10000, 4);
    o.RenderOptions_RenderAspectRatio_Height =
        ClampOr(o.RenderOptions_RenderAspectRatio_Height, 1, 10000, 3);
    o.RenderOptions_RenderWidth =
        ClampOr(o.RenderOptions_RenderWidth, kMinRenderPixels, kMaxRenderPixels, 600);
    o.RenderOptions_RenderHeight =
        ClampOr(o.RenderOptions_RenderHeight, kMinRenderPixels, kMaxRenderPixels, 450);
    o.RenderOptions_Tile_Width = ClampOr(o.RenderOptions_Tile_Width, 1, kMaxTileWidth, 90);
    o.RenderOptions_Settings_quality = ClampOr(o.RenderOptions_Settings_quality, 0,
                                               static_cast<int32_t>(QualityItems().size()) - 1, 0);
    o.RenderOptions_Settings_renderdirection =
        ClampOr(o.RenderOptions_Settings_renderdirection, 1, 4, 2);
    o.RenderOptions_Settings_customrenderdirection =
        ClampOr(o.RenderOptions_Settings_customrenderdirection, 1, kMaxRenderPixels, 300);
    o.RenderOptions_Settings_AugeScreen_Format =
        ClampOr(o.RenderOptions_Settings_AugeScreen_Format, 0, 1, 0);
    o.RenderOptions_Settings_max3dtiefe_Format =
        ClampOr(o.RenderOptions_Settings_max3dtiefe_Format, 0, 1, 0);
    o.RenderOptions_Settings_min3dtiefe_Format =
        ClampOr(o.RenderOptions_Settings_min3dtiefe_Format, 0, 1, 0);
    o.RenderOptions_Settings_AugeScreen =
        ClampOr(o.RenderOptions_Settings_AugeScreen, kMinDistanceInches, kMaxDistanceInches,
                defaults.RenderOptions_Settings_AugeScreen);
    o.RenderOptions_Settings_max3dtiefe =
        ClampOr(o.RenderOptions_Settings_max3dtiefe, kMinDistanceInches, kMaxDistanceInches,
                defaults.RenderOptions_Settings_max3dtiefe);
    o.RenderOptions_Settings_min3dtiefe =
        ClampOr(o.RenderOptions_Settings_min3dtiefe, kMinDistanceInches, kMaxDistanceInches,
                defaults.RenderOptions_Settings_min3dtiefe);
    return o;
}

} // namespace lumora
