#pragma once
// The project-wide render options: size, resolution, viewing geometry,
// quality, direction and tile fitting, and the computations the render
// options dialog performs on them. Sizes are held in pixels and distances
// in inches; the unit fields only choose how a dialog shows them.

#include <QString>
#include <array>
#include <cstdint>

namespace lumora {

struct RenderOptions
{
    // In the order in which the project file stores them.
    int32_t RenderOptions_RenderWidthFormat = 0;  // 0 Pixel, 1 Inch, 2 cm, 3 mm
    int32_t RenderOptions_RenderHeightFormat = 0; // same codes
    int32_t RenderOptions_RenderDPI = 72;
    int32_t RenderOptions_RenderAspectRatio_Format = 1; // index into AspectRatioPresets()
    int32_t RenderOptions_RenderAspectRatio_Width = 4;
    int32_t RenderOptions_RenderAspectRatio_Height = 3;
    int32_t RenderOptions_RenderWidth = 600;
    int32_t RenderOptions_RenderHeight = 450;
    bool RenderOptions_Tile_smaller_stretch = false; // lower tile map: repeat (false) or stretch
    bool RenderOptions_Tile_bigger_stretch = false;  // higher tile map: cut (false) or stretch
    int32_t RenderOptions_Tile_Width = 90;
    bool RenderOptions_Tile_ChangeWidth = false;        // the tile width drives the resolution
    bool RenderOptions_Settings_Divergenz = true;       // false: cross-eye, depth map inverted
    int32_t RenderOptions_Settings_quality = 0;         // index into QualityItems()
    int32_t RenderOptions_Settings_renderdirection = 2; // 1 left, 2 centre, 3 right, 4 custom
    int32_t RenderOptions_Settings_customrenderdirection = 300;
    int32_t RenderOptions_Settings_AugeScreen_Format = 0; // 0 Inch, 1 cm
    int32_t RenderOptions_Settings_max3dtiefe_Format = 0;
    int32_t RenderOptions_Settings_min3dtiefe_Format = 0;
    bool RenderOptions_Settings_maxobdist_same = true; // eye distance and max depth linked
    double RenderOptions_Settings_AugeScreen = 14.0;
    double RenderOptions_Settings_max3dtiefe = 14.0;
    double RenderOptions_Settings_min3dtiefe = 8.0;

    bool operator==(const RenderOptions&) const = default;
};

enum class RenderDirection : int32_t
{
    LeftToRight = 1,
    Center = 2,
    RightToLeft = 3,
    Custom = 4,
};

enum class SizeUnit : int32_t
{
    Pixel = 0,
    Inch = 1,
    Centimetre = 2,
    Millimetre = 3,
};

enum class DistanceUnit : int32_t
{
    Inch = 0,
    Centimetre = 1,
};

// Limits of the dialog's fields.
inline constexpr int kMinRenderPixels = 1;
inline constexpr int kMaxRenderPixels = 10000;
inline constexpr int kMinDpi = 1;
inline constexpr int kMaxDpi = 10000;
inline constexpr double kMinDistanceInches = 1.0;
inline constexpr double kMaxDistanceInches = 1000.0;
inline constexpr int kMaxTileWidth = 65535;

struct QualityItem
{
    const char* Caption;
    int OversamplingFactor;
};
const std::array<QualityItem, 7>& QualityItems();

// The oversampling factor of a quality index; unknown indexes give 1.
int OversamplingFactor(int quality);
// The index a quality list selection ends on: the separator "-" selects
// "Draft".
int SelectQuality(int index);

struct AspectRatioPreset
{
    const char* Caption;
    int Numerator; // 0 for "None" and "Custom": the fields decide
    int Denominator;
};
const std::array<AspectRatioPreset, 18>& AspectRatioPresets();

// Unit conversions of sizes at a resolution.
int SizeToPixels(double value, SizeUnit unit, int dpi);
double SizeFromPixels(int pixels, SizeUnit unit, int dpi);
double DistanceToInches(double value, DistanceUnit unit);
double DistanceFromInches(double inches, DistanceUnit unit);

// The other side of an aspect-linked size.
int HeightFromWidth(int widthPixels, int numerator, int denominator);
int WidthFromHeight(int heightPixels, int numerator, int denominator);

// The tile width the viewing geometry asks for: the separation of the far
// plane.
int ComputeTileWidth(int dpi, double eyeScreenInches, double maxDepthInches);
// The resolution a hand-edited tile width implies.
int DpiFromTileWidth(int tileWidth, double eyeScreenInches, double maxDepthInches);

// The options as a reader of stored data may have left them, brought into
// the ranges the dialog allows, so that no render starts on nonsense.
RenderOptions ClampedToDialogRanges(const RenderOptions& options);

} // namespace lumora
