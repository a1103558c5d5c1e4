#pragma once
// Tile_tm: the base of every tile object. A tile object fills a band of the
// tile width and its own band height with a pattern and then passes the
// band through a fixed chain of picture effects; the tile map stacks the
// bands top to bottom.

#include <cstdint>
#include <memory>

namespace lumora {

class ProjectStreamReader;
class ProjectStreamWriter;
class RandomGenerator;
class TPixelEngine;
class TileRandomSource;

// Band heights the dialogs accept, and the bound a project file is held to.
inline constexpr int32_t kMinBandHeight = 1;
inline constexpr int32_t kMaxBandHeight = 100000;

// The nine effect values of a tile object, as the "Tile FX" panel edits
// them. Zero switches an effect off.
struct TileEffects
{
    int32_t FxBrightness = 0; // -255..255
    uint8_t FxContrast = 0;
    uint8_t FxSolarize = 0;
    uint8_t FxPosterize = 0;
    uint8_t FxInvert = 0; // 0/1
    uint8_t FxRipple = 0; // 0..30
    uint8_t FxSpray = 0;  // 0..30
    uint8_t FxMirrorH = 0;
    uint8_t FxMirrorV = 0;

    bool operator==(const TileEffects&) const = default;

    // The values brought into their ranges (booleans to 0/1).
    TileEffects Clamped() const;
};

inline constexpr int32_t kMaxFxBrightness = 255;
inline constexpr uint8_t kMaxFxRipple = 30;
inline constexpr uint8_t kMaxFxSpray = 30;

class Tile_tm
{
public:
    virtual ~Tile_tm() = default;
    Tile_tm& operator=(const Tile_tm&) = delete;

    int32_t BandHeight = 0;
    int32_t Kind = 0;
    int32_t FxBrightness = 0;
    uint8_t FxContrast = 0;
    uint8_t FxSolarize = 0;
    uint8_t FxPosterize = 0;
    uint8_t FxInvert = 0;
    uint8_t FxRipple = 0;
    uint8_t FxSpray = 0;
    uint8_t FxMirrorH = 0;
    uint8_t FxMirrorV = 0;

    // Slot 0: fills the whole band buffer (tile width x band height; the
    // buffer's own size is what counts). The base does nothing.
    virtual void Generate(TPixelEngine& band, TileRandomSource& random) const;
    // Slot 1: the tile width changed. Only the image tile reacts.
    virtual void SetTileWidth(int32_t width);
    // Slot 2: the base record, then each kind's own fields. imageQuality is
    // the project image quality (Project_image_quality, 0..100) with which
    // pictures are compressed.
    virtual void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const;

    // Reads the record SaveToStream wrote, into an object made with the
    // kind's default constructor. Throws LumoraError for damaged data.
    virtual void LoadFromStream(ProjectStreamReader& stream);
    // A field-by-field copy; pictures are copied.
    virtual std::unique_ptr<Tile_tm> Clone() const = 0;

    TileEffects Effects() const;
    void SetEffects(const TileEffects& effects);

    // The effect chain, in its fixed order; each step only when its field
    // is not 0. Spray draws from the generator.
    void ApplyEffects(TPixelEngine& band, RandomGenerator& random) const;

    // A new band of width x BandHeight: generated, then effected.
    std::unique_ptr<TPixelEngine> MakeBand(int32_t width, TileRandomSource& random) const;
    // The preview of a tile dialog: the object (holding the dialog's
    // values) generates a band of the preview area's size, without effects.
    std::unique_ptr<TPixelEngine> MakeDialogPreview(int32_t width, int32_t height,
                                                    TileRandomSource& random) const;

protected:
    Tile_tm(int32_t kind, int32_t bandHeight);
    Tile_tm(const Tile_tm&) = default;

    void LoadBase(ProjectStreamReader& stream);

    template <typename T> static std::unique_ptr<Tile_tm> CloneAs(const T& self)
    {
        return std::unique_ptr<T>(new T(self));
    }
};

} // namespace lumora
