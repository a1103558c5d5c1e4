#include "depthmap/tone_map.h"

#include "common/numeric.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumora {

namespace {

uint8_t SCurveValue(int i)
{
    const double degrees = i / 255.0 * 175.0 + 270.0;
    return static_cast<uint8_t>(Round((std::sin(degrees * std::numbers::pi / 180.0) + 1.0) * 90.0) +
                                30);
}

uint8_t HighlightCompressionValue(int i)
{
    if (i < 181)
        return static_cast<uint8_t>(i);
    return static_cast<uint8_t>(Round((i - 181) * (1.0 / 3.0) + 181));
}

template <typename ValueOf> ToneMapTable Table(ValueOf valueOf, bool reversed)
{
    ToneMapTable map{};
    for (int i = 0; i < 256; ++i)
        map[static_cast<size_t>(reversed ? 255 - i : i)] = valueOf(i);
    return map;
}

QPoint Clamped(QPoint p)
{
    return {std::clamp(p.x(), 0, 255), std::clamp(p.y(), 0, 255)};
}

} // namespace

ToneMapTable IdentityToneMap()
{
    return Table([](int i) { return static_cast<uint8_t>(i); }, false);
}

ToneMapTable ToneMapFromPreset(ToneMapPreset preset)
{
    switch (preset) {
    case ToneMapPreset::Identity:
        break;
    case ToneMapPreset::Inverse:
        return Table([](int i) { return static_cast<uint8_t>(255 - i); }, false);
    case ToneMapPreset::SCurve:
        return Table(SCurveValue, false);
    case ToneMapPreset::SCurveReversed:
        return Table(SCurveValue, true);
    case ToneMapPreset::HighlightCompression:
        return Table(HighlightCompressionValue, false);
    case ToneMapPreset::HighlightCompressionReversed:
        return Table(HighlightCompressionValue, true);
    }
    return IdentityToneMap();
}

ToneMapTable ToneMapFromPreset(int preset)
{
    if (preset < 0 || preset >= kToneMapPresetCount)
        return IdentityToneMap();
    return ToneMapFromPreset(static_cast<ToneMapPreset>(preset));
}

void DrawToneCurveSegment(ToneMapTable& map, QPoint from, QPoint to)
{
    from = Clamped(from);
    to = Clamped(to);
    if (from.x() > to.x())
        std::swap(from, to);
    const int v0 = 255 - from.y();
    const int v1 = 255 - to.y();
    const int run = to.x() - from.x();
    for (int x = from.x(); x <= to.x(); ++x) {
        const int v = run == 0 ? v1 : v0 + MulDiv(x - from.x(), v1 - v0, run);
        map[static_cast<size_t>(x)] = static_cast<uint8_t>(v);
    }
}

void ToneCurveDrag::Press(QPoint p)
{
    DrawToneCurveSegment(map_, p, p);
    last_ = Clamped(p);
}

void ToneCurveDrag::Move(QPoint p)
{
    if (!last_)
        return;
    DrawToneCurveSegment(map_, *last_, p);
    last_ = Clamped(p);
}

} // namespace lumora
