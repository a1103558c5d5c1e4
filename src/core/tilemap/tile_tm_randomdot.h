#pragma once
// Tile_tm_RandomDot (kind 1): random dots on a background colour, of
// random colours, of one colour or of random greys, at a chosen density.
// New objects carry the defaults of the random-dot dialog.

#include "tilemap/tile_tm.h"

namespace lumora {

class Tile_tm_RandomDot : public Tile_tm
{
public:
    static constexpr int32_t KindCode = 1;
    static constexpr int32_t kDefaultBandHeight = 100;

    enum Mode : int32_t
    {
        kMulticoloured = 1, // "Mehrfarbig"
        kOneColour = 2,     // "Einfarbig"
        kGreys = 3,         // "Graustufen"
    };

    explicit Tile_tm_RandomDot(int32_t bandHeight = kDefaultBandHeight);

    int32_t DotMode = kMulticoloured;
    uint8_t Density = 50; // percent of pixels that are dots
    uint8_t MaxRedPct = 50;
    uint8_t MaxGreenPct = 50;
    uint8_t MaxBluePct = 50;
    uint8_t DotRed = 255;
    uint8_t DotGreen = 255;
    uint8_t DotBlue = 255;
    uint8_t MaxGreyPct = 50;
    uint8_t BackRed = 0;
    uint8_t BackGreen = 0;
    uint8_t BackBlue = 0;

    // The upper end of a dot channel drawn for a percentage: pct x 2.55
    // rounded half-to-even on the exact product, so 50 gives 128, 30 gives
    // 76, 100 gives 255.
    static int32_t ChannelLimit(uint8_t pct);

    void Generate(TPixelEngine& band, TileRandomSource& random) const override;
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tile_tm> Clone() const override;
};

} // namespace lumora
