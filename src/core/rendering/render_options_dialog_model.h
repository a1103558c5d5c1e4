#pragma once
// The state and the rules of the render options dialog, without widgets:
// the dialog shows these values, forwards each user edit to the matching
// handler and redisplays. Handlers that update other fields do so directly,
// so no change handler ever re-enters another.

#include "rendering/render_options.h"

namespace lumora {

class RenderOptionsDialogModel
{
public:
    // Loads every control from the stored options.
    void Load(const RenderOptions& options);
    // The options as the controls hold them (sizes in pixels, distances in
    // inches).
    RenderOptions Confirm() const;

    // Render size.
    void SetWidthValue(double value);  // in the width's unit
    void SetHeightValue(double value); // in the height's unit
    void SetWidthUnit(SizeUnit unit);
    void SetHeightUnit(SizeUnit unit);
    void SetAspectPreset(int index);
    void SetAspectNumerator(int value);   // confirmed with Return: height follows
    void SetAspectDenominator(int value); // confirmed with Return: height follows
    void SetDpi(int dpi);

    // Render settings.
    void SetDivergence(bool divergence) { divergence_ = divergence; }
    void SetQuality(int index) { quality_ = SelectQuality(index); }
    void SetDirection(RenderDirection direction) { direction_ = direction; }
    void SetCustomStart(int position);

    // Viewing distances, in the unit each field shows.
    void SetEyeScreenValue(double value);
    void SetMaxDepthValue(double value);
    void SetMinDepthValue(double value);
    void SetEyeScreenUnit(DistanceUnit unit) { eyeUnit_ = unit; }
    void SetMaxDepthUnit(DistanceUnit unit) { maxUnit_ = unit; }
    void SetMinDepthUnit(DistanceUnit unit) { minUnit_ = unit; }
    void PressLink();

    // Tile settings.
    void SetTileSmallerStretch(bool stretch) { smallerStretch_ = stretch; }
    void SetTileBiggerStretch(bool stretch) { biggerStretch_ = stretch; }
    void SetChangeTileWidth(bool checked);
    void SetTileWidthValue(int value);

    // What the controls show.
    // A size field keeps the value it shows; its pixels follow the
    // resolution in force, as when the dialog is confirmed.
    double WidthValue() const { return widthValue_; }
    double HeightValue() const { return heightValue_; }
    int WidthPixels() const { return SizeToPixels(widthValue_, widthUnit_, dpi_); }
    int HeightPixels() const { return SizeToPixels(heightValue_, heightUnit_, dpi_); }
    SizeUnit WidthUnit() const { return widthUnit_; }
    SizeUnit HeightUnit() const { return heightUnit_; }
    // The smallest and largest value the size fields accept in their unit.
    double SizeMinimum(SizeUnit unit) const;
    double SizeMaximum(SizeUnit unit) const;
    int AspectPreset() const { return aspectPreset_; }
    bool AspectFieldsVisible() const { return aspectPreset_ != 0; }
    bool AspectFieldsEditable() const { return aspectPreset_ == 1; }
    int AspectNumerator() const { return numerator_; }
    int AspectDenominator() const { return denominator_; }
    int Dpi() const { return dpi_; }
    bool Divergence() const { return divergence_; }
    int Quality() const { return quality_; }
    RenderDirection Direction() const { return direction_; }
    bool CustomStartVisible() const { return direction_ == RenderDirection::Custom; }
    int CustomStart() const { return customStart_; }
    int CustomStartMaximum() const { return customStartMaximum_; }
    double EyeScreenValue() const { return DistanceFromInches(eyeInches_, eyeUnit_); }
    double MaxDepthValue() const { return DistanceFromInches(maxInches_, maxUnit_); }
    double MinDepthValue() const { return DistanceFromInches(minInches_, minUnit_); }
    DistanceUnit EyeScreenUnit() const { return eyeUnit_; }
    DistanceUnit MaxDepthUnit() const { return maxUnit_; }
    DistanceUnit MinDepthUnit() const { return minUnit_; }
    bool LinkLatched() const { return linked_; }
    bool TileSmallerStretch() const { return smallerStretch_; }
    bool TileBiggerStretch() const { return biggerStretch_; }
    bool ChangeTileWidth() const { return changeTileWidth_; }
    bool TileWidthEditable() const { return changeTileWidth_; }
    int TileWidthValue() const { return tileWidth_; }
    int TileWidthMinimum() const { return tileWidthMinimum_; }

private:
    void HeightFollowsWidth();
    void WidthFollowsHeight();
    void RecomputeTileWidth();
    bool AspectActive() const { return aspectPreset_ != 0; }

    double widthValue_ = 600;
    double heightValue_ = 450;
    int customStartMaximum_ = 600;
    SizeUnit widthUnit_ = SizeUnit::Pixel;
    SizeUnit heightUnit_ = SizeUnit::Pixel;
    int aspectPreset_ = 1;
    int numerator_ = 4;
    int denominator_ = 3;
    int dpi_ = 72;
    bool divergence_ = true;
    int quality_ = 0;
    RenderDirection direction_ = RenderDirection::Center;
    int customStart_ = 300;
    double eyeInches_ = 14.0;
    double maxInches_ = 14.0;
    double minInches_ = 8.0;
    DistanceUnit eyeUnit_ = DistanceUnit::Inch;
    DistanceUnit maxUnit_ = DistanceUnit::Inch;
    DistanceUnit minUnit_ = DistanceUnit::Inch;
    bool linked_ = true;
    bool smallerStretch_ = false;
    bool biggerStretch_ = false;
    bool changeTileWidth_ = false;
    int tileWidth_ = 90;
    int tileWidthMinimum_ = 90;
};

} // namespace lumora
