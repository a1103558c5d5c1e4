#include "tilemap/tile_random_source.h"

namespace lumora {

void TileRandomSource::Reseed()
{
    if (!fixed_) {
        generator_.Randomize();
        return;
    }
    if (!seeded_) {
        generator_.SetSeed(seed_);
        seeded_ = true;
    }
}

} // namespace lumora
