#pragma once
// The program's shared pseudo-random generator: a 32-bit linear
// congruential seed. The application context owns the one instance; code
// that draws random numbers receives it by reference.

#include <cstdint>

namespace lumora {

class RandomGenerator
{
public:
    explicit RandomGenerator(uint32_t seed = 0) : seed_(seed) {}

    // Advances the seed, then answers an integer 0 .. n-1 (0 when n <= 0).
    int32_t Random(int32_t n)
    {
        seed_ = seed_ * 134775813u + 1u;
        if (n <= 0)
            return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(seed_) * static_cast<uint32_t>(n)) >>
                                    32);
    }

    // Seeds from the clock, as random tiles do before each generation.
    void Randomize();

    uint32_t Seed() const { return seed_; }
    void SetSeed(uint32_t seed) { seed_ = seed; }

private:
    uint32_t seed_;
};

} // namespace lumora
