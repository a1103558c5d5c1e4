#pragma once
// Tile_tm_Image (kind 3): a picture scaled into the band. With its
// proportions kept, the band height follows the tile width so that the
// picture keeps its aspect ratio; otherwise the band has a height of its own
// and the picture is stretched to it.

#include "tilemap/tile_tm.h"

#include <QRect>
#include <QString>

namespace lumora {

class Tile_tm_Image : public Tile_tm
{
public:
    static constexpr int32_t KindCode = 3;

    explicit Tile_tm_Image(int32_t bandHeight = 0);
    // The band height follows from the picture: with proportions kept, the
    // tile width decides it; otherwise the picture's own height.
    Tile_tm_Image(std::unique_ptr<TPixelEngine> picture, bool keepProportions, int32_t tileWidth);
    Tile_tm_Image(const Tile_tm_Image& other);
    ~Tile_tm_Image() override;

    std::unique_ptr<TPixelEngine> Picture; // 24-bit, at its own size; null until one is given
    uint8_t KeepProportions = 1;           // "Proportionen beibehalten"

    bool HasPicture() const;
    // Replaces the picture by a copy.
    void SetPicture(const TPixelEngine& picture);

    // Round(tileWidth x (picture height / picture width)), kept within the
    // band heights the program accepts; 0 without a picture.
    int32_t ProportionalBandHeight(int32_t tileWidth) const;
    // The band height the dialog's "OK" gives: proportional while
    // proportions are kept, otherwise the height field.
    int32_t DialogBandHeight(int32_t tileWidth, int32_t heightField) const;
    // Where the dialog's preview shows the picture: scaled to fit the area
    // with its aspect ratio kept, centred.
    QRect PreviewRect(int32_t areaWidth, int32_t areaHeight) const;

    void Generate(TPixelEngine& band, TileRandomSource& random) const override;
    void SetTileWidth(int32_t width) override;
    // Throws LumoraError for an object without a picture.
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tile_tm> Clone() const override;
};

// Reads a tile picture file (.bmp, .jpg, .pcx, .tga by the extension) as a
// 24-bit picture; throws LumoraError naming the file when it cannot.
std::unique_ptr<TPixelEngine> LoadTilePicture(const QString& fileName);

} // namespace lumora
