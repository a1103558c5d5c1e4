#pragma once
// The integer rules every subsystem shares: Round is half-to-even, Trunc
// and integer division truncate toward zero, MulDiv rounds halves away from
// zero. Routines that switch the floating-point rounding direction use
// RoundingModeGuard so the mode is restored on every exit path.

#include <cfenv>
#include <cmath>
#include <cstdint>

namespace lumora {

// Half-to-even under the default rounding mode (the mode is never changed
// around calls of this function except inside a RoundingModeGuard scope,
// where the active mode is the one the routine wants).
inline int64_t Round(double v)
{
    return static_cast<int64_t>(std::nearbyint(v));
}

inline int64_t Trunc(double v)
{
    return static_cast<int64_t>(std::trunc(v));
}

// a * b / c rounded to nearest, halves away from zero; -1 when c is 0.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

class RoundingModeGuard
{
public:
    explicit RoundingModeGuard(int mode) : saved_(std::fegetround()) { std::fesetround(mode); }
    ~RoundingModeGuard() { std::fesetround(saved_); }
    RoundingModeGuard(const RoundingModeGuard&) = delete;
    RoundingModeGuard& operator=(const RoundingModeGuard&) = delete;

private:
    int saved_;
};

struct IntRect
{
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const IntRect&) const = default;
};

// Scales a rectangle from one reference size to another; each coordinate
// and extent is rounded on its own.
IntRect ScaleRect(const IntRect& r, int32_t fromWidth, int32_t fromHeight, int32_t toWidth,
                  int32_t toHeight);

} // namespace lumora
