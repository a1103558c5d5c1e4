#pragma once
// Builds tile objects from their kind codes (1 random dots, 2 random-dot
// gradient, 3 image) when a project is read or a command names a kind.

#include "tilemap/tile_tm.h"

#include <cstdint>
#include <memory>

namespace lumora {

class ProjectStreamReader;

bool IsTileKind(int32_t kind);
// An object of the kind with its defaults; nullptr for an unknown code.
std::unique_ptr<Tile_tm> CreateTile(int32_t kind);
// Creates the kind and reads its record. Records carry no length, so an
// unknown code leaves nothing to read past: it throws LumoraError.
std::unique_ptr<Tile_tm> ReadTile(int32_t kind, ProjectStreamReader& stream);

} // namespace lumora
