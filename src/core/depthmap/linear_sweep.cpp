#include "depthmap/linear_sweep.h"

#include "common/numeric.h"
#include "rendering/lumo_pixelengine256.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace lumora {

namespace {

struct SweepLine
{
    int X1, Y1, X2, Y2;
    uint8_t Grey;
};

struct SweepPlan
{
    // Columns: one-pixel lines (x, 0)-(x, H); Rows: (0, y)-(W, y); else
    // two-pixel lines across the picture.
    enum class Layout
    {
        Columns,
        Rows,
        Diagonal,
    };
    Layout Lines = Layout::Diagonal;
    std::vector<SweepLine> Steps;
};

// Line ends far outside the picture are cut to a range every drawing
// coordinate can take.
int Coordinate(double v)
{
    constexpr double kLimit = 1 << 29;
    return static_cast<int>(std::clamp(std::floor(v), -kLimit, kLimit));
}

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

double Tangent(int64_t degrees)
{
    return std::tan(static_cast<double>(degrees) * kRadiansPerDegree);
}

// Plans the lines and their greys. Kept out of line so that none of its
// arithmetic can move across the switch of the rounding direction.
[[gnu::noinline]] SweepPlan PlanSweep(int W, int H, int64_t a, const SweepGrey& greyOf)
{
    SweepPlan plan;
    auto add = [&](double x1, double y1, double x2, double y2, const SweepStep& step) {
        plan.Steps.push_back({Coordinate(x1), Coordinate(y1), Coordinate(x2), Coordinate(y2),
                              static_cast<uint8_t>(greyOf(step) & 0xFF)});
    };
    if (a == 0 || a == 180 || a == 360) {
        plan.Lines = SweepPlan::Layout::Columns;
        for (int x = 0; x <= W; ++x)
            add(x, 0, x, H, SweepStep{x, W, false, 0, 0});
        return plan;
    }
    if (a == 90 || a == 270) {
        plan.Lines = SweepPlan::Layout::Rows;
        for (int y = 0; y <= H; ++y)
            add(0, y, W, y, SweepStep{y, H, false, 0, 0});
        return plan;
    }
    const bool rising = (a > 0 && a < 90) || (a > 180 && a < 270);
    const bool falling = (a > 90 && a < 180) || (a > 270 && a < 360);
    if (!rising && !falling)
        return plan;

    const double w = W;
    const double h = H;
    const double phi = std::atan(h / w);
    const int32_t diagonal = static_cast<int32_t>(std::floor(std::sqrt(w * w + h * h)));
    // Rising: the lines have slope t and pass through the diagonal from
    // (0, H) to (W, 0); falling: slope s through the diagonal from (0, 0)
    // to (W, H).
    const double slope = rising ? Tangent(a) : Tangent(180 - a);
    const bool wide = W >= H;
    const int count = wide ? W : H;
    const double divisor = wide ? std::cos(phi) : std::sin(phi);
    plan.Steps.reserve(static_cast<size_t>(count) + 1);
    for (int i = 0; i <= count; ++i) {
        const double d = i / divisor;
        const double e = std::sqrt(std::max(0.0, d * d - static_cast<double>(i) * i));
        const SweepStep step{i, count, true, static_cast<int32_t>(std::floor(d)), diagonal};
        if (rising && wide)
            add(i - std::floor(slope * (h - e)), 0, i + std::floor(slope * e), h, step);
        else if (rising)
            add(e - slope * (h - i), 0, slope * i + e, h, step);
        else if (wide)
            add(i + std::floor(slope * e), 0, i - std::floor(slope * (h - e)), h, step);
        else
            add(slope * i + e, 0, e - slope * (h - i), h, step);
    }
    return plan;
}

// A one-pixel line leaves out its end point: line (x, 0)-(x, H) is column x
// of every row, line (0, y)-(W, y) all of row y. Written straight into the
// rows, the same pixels as the lines, without stepping along each line.
void FillColumns(TPixelEngine256& picture, const std::vector<SweepLine>& lines)
{
    const int W = picture.Width();
    std::vector<uint8_t> row(static_cast<size_t>(W), 0);
    for (const SweepLine& line : lines)
        if (line.X1 >= 0 && line.X1 < W)
            row[static_cast<size_t>(line.X1)] = line.Grey;
    for (int i = 0; i < picture.Height(); ++i)
        std::memcpy(picture.Row(i), row.data(), row.size());
}

void FillRows(TPixelEngine256& picture, const std::vector<SweepLine>& lines)
{
    for (const SweepLine& line : lines)
        picture.FillRect(0, line.Y1, picture.Width(), line.Y1 + 1, line.Grey);
}

} // namespace

int64_t MirroredSweepAngle(int64_t angle, bool mirrorH, bool mirrorV)
{
    if (mirrorH)
        angle = angle <= 180 ? 180 - angle : 540 - angle;
    if (mirrorV)
        angle = 360 - angle;
    return angle;
}

void DrawLinearSweep(TPixelEngine256& picture, int64_t angle, const SweepGrey& greyOf)
{
    const int W = picture.Width();
    const int H = picture.Height();
    if (W <= 0 || H <= 0)
        return;
    SweepPlan plan;
    {
        RoundingModeGuard downward(FE_DOWNWARD);
        plan = PlanSweep(W, H, angle, greyOf);
    }
    switch (plan.Lines) {
    case SweepPlan::Layout::Columns:
        FillColumns(picture, plan.Steps);
        break;
    case SweepPlan::Layout::Rows:
        FillRows(picture, plan.Steps);
        break;
    case SweepPlan::Layout::Diagonal:
        picture.SetClipRect(0, 0, W, H);
        for (const SweepLine& line : plan.Steps) {
            picture.SetBrushGrey(line.Grey);
            picture.SetPen(2, false);
            picture.Line(line.X1, line.Y1, line.X2, line.Y2);
        }
        picture.ResetClip();
        break;
    }
}

} // namespace lumora
