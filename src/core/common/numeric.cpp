#include "common/numeric.h"

#include <cstdlib>

namespace lumora {

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const int64_t num = std::llabs(product);
    const int64_t den = std::llabs(static_cast<int64_t>(c));
    int64_t q = (num + den / 2) / den;
    // With an odd divisor den / 2 is below the exact half, which is right:
    // the remainder can never be exactly half of an odd number.
    if (den % 2 == 0 && (num % den) * 2 == den)
        q = num / den + 1;
    return static_cast<int32_t>(negative ? -q : q);
}

namespace {
int32_t ScaleCoordinate(int32_t v, int32_t from, int32_t to)
{
    // A zero reference size has no scale; the value stays as it is.
    if (from == 0)
        return v;
    return static_cast<int32_t>(Round(to * (static_cast<double>(v) / from)));
}
} // namespace

IntRect ScaleRect(const IntRect& r, int32_t fromWidth, int32_t fromHeight, int32_t toWidth,
                  int32_t toHeight)
{
    return IntRect{ScaleCoordinate(r.Left, fromWidth, toWidth),
                   ScaleCoordinate(r.Top, fromHeight, toHeight),
                   ScaleCoordinate(r.Width, fromWidth, toWidth),
                   ScaleCoordinate(r.Height, fromHeight, toHeight)};
}

} // namespace lumora
