#pragma once
// What the two wave kinds share: the sine between two bounds. The wave
// starts at its lowest value (or its highest when inverted) and stays
// between min(Bound1, Bound2) and that plus twice the amplitude.

#include <cstdint>

namespace lumora {

struct WaveProfile
{
    double Amplitude = 0;    // |Bound1 - Bound2| div 2
    double Base = 0;         // min(Bound1, Bound2)
    int64_t PhaseOffset = 0; // degrees: Phase + 270, or Phase + 450 inverted

    WaveProfile(uint8_t bound1, uint8_t bound2, int32_t phase, bool invert);

    // amp * sin(theta) + base + amp for theta = (step / steps * (waveCount
    // * 360) + PhaseOffset) degrees, before it becomes an integer. A sweep
    // of no steps (steps = 0) stands at its start.
    double Value(int64_t step, int64_t steps, int32_t waveCount) const;
};

} // namespace lumora
