#pragma once
// Where random tiles take their seed from before each generation. The
// program reseeds the shared generator from the clock every time, so every
// render and every repaint shows a new pattern. Tests and the command line
// give a seed instead: the generator is seeded with it once, before the
// first generation, and then runs on, so the bands of one tile map still
// differ from each other while the whole run repeats exactly.

#include "common/random_generator.h"

#include <cstdint>

namespace lumora {

class TileRandomSource
{
public:
    // Reseeds from the clock before every generation.
    explicit TileRandomSource(RandomGenerator& generator) : generator_(generator) {}
    // Seeds with seed before the first generation only.
    TileRandomSource(RandomGenerator& generator, uint32_t seed)
        : generator_(generator), seed_(seed), fixed_(true)
    {
    }

    RandomGenerator& Generator() { return generator_; }
    bool IsFixed() const { return fixed_; }

    // Called by a random tile before it draws its first number.
    void Reseed();

private:
    RandomGenerator& generator_;
    uint32_t seed_ = 0;
    bool fixed_ = false;
    bool seeded_ = false;
};

} // namespace lumora
