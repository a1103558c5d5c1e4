#include "depthmap/wave_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace lumora {

namespace {
// Folded once, whatever rounding direction the caller runs under.
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
} // namespace

WaveProfile::WaveProfile(uint8_t bound1, uint8_t bound2, int32_t phase, bool invert)
    : Amplitude(std::abs(bound1 - bound2) / 2), Base(std::min(bound1, bound2)),
      PhaseOffset(static_cast<int64_t>(phase) + (invert ? 450 : 270))
{
}

double WaveProfile::Value(int64_t step, int64_t steps, int32_t waveCount) const
{
    const double fraction = steps == 0 ? 0.0 : static_cast<double>(step) / steps;
    const double degrees =
        fraction * (static_cast<double>(waveCount) * 360.0) + static_cast<double>(PhaseOffset);
    return Amplitude * std::sin(degrees * kRadiansPerDegree) + Base + Amplitude;
}

} // namespace lumora
