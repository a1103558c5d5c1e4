#pragma once
// Tile_tm_RandomDotGradient (kind 2): random dots on a background colour,
// the dots coloured by a vertical multi-stop gradient from the first stop
// at the top of the band to the last stop at its bottom. New objects carry
// the defaults of the gradient dialog (the "Simple" preset).
//
// The stop arrays hold the 50 stored slots; element 0 is stop 1. Only the
// first StopCount slots are in use; the first stop stays at 0.0 and the
// last at 1.0.

#include "rendering/pixel_font.h" // Colour
#include "tilemap/tile_tm.h"

#include <array>
#include <vector>

namespace lumora {

struct GradientPreset
{
    const char* Caption; // UTF-8
    int StopCount;       // 0 for "Custom": nothing changes
    std::array<double, 7> Positions;
    std::array<Colour, 7> Colours;
};

class Tile_tm_RandomDotGradient : public Tile_tm
{
public:
    static constexpr int32_t KindCode = 2;
    static constexpr int32_t kDefaultBandHeight = 300;
    static constexpr int kStopSlots = 50;
    static constexpr int kMinStops = 2;
    // The designer adds no stop beyond this many.
    static constexpr int kMaxStops = 45;
    static constexpr int kPresetCustom = 0;
    static constexpr int kPresetSimple = 1;

    explicit Tile_tm_RandomDotGradient(int32_t bandHeight = kDefaultBandHeight);

    uint8_t Density = 50; // percent of pixels that are dots
    std::array<double, kStopSlots> StopPos{};
    std::array<int32_t, kStopSlots> StopColour{}; // 0x00BBGGRR
    uint8_t StopCount = 0;
    uint8_t BackRed = 0;
    uint8_t BackGreen = 0;
    uint8_t BackBlue = 0;

    // The preset list of the dialog: 0 "Custom", 1 "Simple" .. 7 "Sunflower".
    static const std::array<GradientPreset, 8>& Presets();
    // Replaces every stop by the preset's and sets the background to black;
    // "Custom" and unknown indexes change nothing and answer false.
    bool ApplyPreset(int index);

    // Stop editing of the gradient designer; indexes are 0-based (0 is stop
    // 1). Each answers whether it changed anything.
    //
    // Inserts a stop at the fraction with the colour, between the stops
    // around it, while fewer than kMaxStops exist; answers its index or -1.
    // A fraction on or outside an existing stop inserts nothing.
    int InsertStop(double fraction, Colour colour);
    // Removes a stop other than the first and the last.
    bool RemoveStop(int index);
    // Moves a stop other than the first and the last, and only to a
    // fraction strictly between its neighbours.
    bool MoveStop(int index, double fraction);
    bool SetStopColour(int index, Colour colour);
    // The band row a stop falls on: Round(BandHeight x position).
    int32_t StopRow(int index) const;

    void Generate(TPixelEngine& band, TileRandomSource& random) const override;
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tile_tm> Clone() const override;

    // The colour rows of a band of the given height, top row first, before
    // the dots are scattered (Generate draws its dots on these).
    std::vector<Colour> RowColours(int32_t height) const;

private:
    bool IsInnerStop(int index) const { return index > 0 && index < StopCount - 1; }
};

} // namespace lumora
