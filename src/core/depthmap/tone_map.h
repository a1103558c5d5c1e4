#pragma once
// The tone map of the image object: grey g of its source picture becomes
// ToneMap[g]. The six presets of the picture dialog ("Vorgaben:") and the
// curve drawn with the mouse in its "Filter:" box, where x is the input
// grey and the height 255 - y the output grey.

#include <QPoint>
#include <array>
#include <cstdint>
#include <optional>

namespace lumora {

using ToneMapTable = std::array<uint8_t, 256>;

// The presets in the dialog's order.
enum class ToneMapPreset
{
    Identity = 0,             // i
    Inverse = 1,              // 255 - i
    SCurve = 2,               // Round((sin((i / 255 * 175 + 270) deg) + 1) * 90) + 30
    SCurveReversed = 3,       // entry 255 - i takes the S-curve's value for i
    HighlightCompression = 4, // i below 181, above Round((i - 181) / 3 + 181)
    HighlightCompressionReversed = 5,
};
inline constexpr int kToneMapPresetCount = 6;

ToneMapTable IdentityToneMap();
// Presets outside 0..5 give the identity.
ToneMapTable ToneMapFromPreset(int preset);
ToneMapTable ToneMapFromPreset(ToneMapPreset preset);

// Dragging in the curve box: each pointer position sets the entry under it
// to 255 - y, and the entries between it and the previous position are
// filled by linear interpolation. Positions are clamped to 0..255.
class ToneCurveDrag
{
public:
    explicit ToneCurveDrag(ToneMapTable& map) : map_(map) {}
    void Press(QPoint p);
    void Move(QPoint p);
    void Release() { last_.reset(); }
    bool Dragging() const { return last_.has_value(); }

private:
    ToneMapTable& map_;
    std::optional<QPoint> last_;
};

// Sets the entries from (x0, y0) to (x1, y1) of the curve box: 255 - y at
// both ends and linearly between, rounded half away from zero.
void DrawToneCurveSegment(ToneMapTable& map, QPoint from, QPoint to);

} // namespace lumora
