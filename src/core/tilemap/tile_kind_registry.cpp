#include "tilemap/tile_kind_registry.h"

#include "common/lumora_error.h"
#include "tilemap/tile_tm_image.h"
#include "tilemap/tile_tm_randomdot.h"
#include "tilemap/tile_tm_randomdotgradient.h"

#include <string>

namespace lumora {

bool IsTileKind(int32_t kind)
{
    return kind == Tile_tm_RandomDot::KindCode || kind == Tile_tm_RandomDotGradient::KindCode ||
           kind == Tile_tm_Image::KindCode;
}

std::unique_ptr<Tile_tm> CreateTile(int32_t kind)
{
    switch (kind) {
    case Tile_tm_RandomDot::KindCode:
        return std::make_unique<Tile_tm_RandomDot>();
    case Tile_tm_RandomDotGradient::KindCode:
        return std::make_unique<Tile_tm_RandomDotGradient>();
    case Tile_tm_Image::KindCode:
        return std::make_unique<Tile_tm_Image>();
    default:
        return nullptr;
    }
}

std::unique_ptr<Tile_tm> ReadTile(int32_t kind, ProjectStreamReader& stream)
{
    auto tile = CreateTile(kind);
    if (!tile)
        throw LumoraError("The data is damaged: a tile object has the unknown kind code " +
                          std::to_string(kind) + ".");
    tile->LoadFromStream(stream);
    return tile;
}

} // namespace lumora
