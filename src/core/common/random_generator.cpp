#include "common/random_generator.h"

#include <chrono>

namespace lumora {

void RandomGenerator::Randomize()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    seed_ = static_cast<uint32_t>(ticks) ^ static_cast<uint32_t>(ticks >> 32);
}

} // namespace lumora
