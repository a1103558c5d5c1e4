#include "library_generators.h"

#include "common/lumora_error.h"
#include "common/random_generator.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <vector>

namespace lumora {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double Clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double Smooth(double t)
{
    t = Clamp01(t);
    return t * t * (3.0 - 2.0 * t);
}

double Unit(RandomGenerator& random)
{
    return random.Random(1 << 24) / double(1 << 24);
}

QRgb Mix(QRgb a, QRgb b, double t)
{
    t = Clamp01(t);
    const auto channel = [t](int x, int y) {
        return static_cast<int>(std::lround(x + (y - x) * t));
    };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                channel(qBlue(a), qBlue(b)));
}

// A colour ramp through evenly spaced stops.
QRgb Ramp(const std::vector<QRgb>& stops, double t)
{
    t = Clamp01(t) * static_cast<double>(stops.size() - 1);
    const auto i = std::min(static_cast<size_t>(t), stops.size() - 2);
    return Mix(stops[i], stops[i + 1], t - static_cast<double>(i));
}

// Value noise on a lattice that wraps around, so a picture whose
// coordinates span whole lattice periods joins seamlessly at its edges.
class PeriodicNoise
{
public:
    PeriodicNoise(int cellsX, int cellsY, RandomGenerator& random)
        : cellsX_(cellsX), cellsY_(cellsY), values_(static_cast<size_t>(cellsX * cellsY))
    {
        for (double& v : values_)
            v = Unit(random);
    }

    // u in lattice cells across [0, cellsX), v likewise.
    double At(double u, double v) const
    {
        const double fu = std::floor(u);
        const double fv = std::floor(v);
        const int x0 = static_cast<int>(fu);
        const int y0 = static_cast<int>(fv);
        const double tu = Smooth(u - fu);
        const double tv = Smooth(v - fv);
        const double a = Value(x0, y0) + (Value(x0 + 1, y0) - Value(x0, y0)) * tu;
        const double b = Value(x0, y0 + 1) + (Value(x0 + 1, y0 + 1) - Value(x0, y0 + 1)) * tu;
        return a + (b - a) * tv;
    }

private:
    double Value(int x, int y) const
    {
        x = ((x % cellsX_) + cellsX_) % cellsX_;
        y = ((y % cellsY_) + cellsY_) % cellsY_;
        return values_[static_cast<size_t>(y * cellsX_ + x)];
    }

    int cellsX_;
    int cellsY_;
    std::vector<double> values_;
};

// Octaves of periodic noise over a picture of width x height, 0..1; each
// octave has twice the cells of the one before and half its weight.
class FractalNoise
{
public:
    FractalNoise(int width, int height, int baseCells, int octaves, RandomGenerator& random)
        : width_(width), height_(height)
    {
        int cells = baseCells;
        for (int o = 0; o < octaves; ++o, cells *= 2) {
            const int cellsY =
                std::max(1, static_cast<int>(std::lround(double(cells) * height / width)));
            layers_.push_back({PeriodicNoise(cells, cellsY, random), cells, cellsY});
        }
    }

    double At(double x, double y) const
    {
        double sum = 0;
        double weight = 0;
        double amplitude = 1;
        for (const Layer& layer : layers_) {
            sum +=
                amplitude * layer.Noise.At(x * layer.CellsX / width_, y * layer.CellsY / height_);
            weight += amplitude;
            amplitude *= 0.5;
        }
        return sum / weight;
    }

private:
    struct Layer
    {
        PeriodicNoise Noise;
        int CellsX;
        int CellsY;
    };
    int width_;
    int height_;
    std::vector<Layer> layers_;
};

QImage Fill(int width, int height, const std::function<QRgb(int, int)>& pixel)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = pixel(x, y);
    }
    return image;
}

QRgb Grey(double t)
{
    const int v = static_cast<int>(std::lround(Clamp01(t) * 255.0));
    return qRgb(v, v, v);
}

// ---- Tiles ----

QImage RandomDots(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    return Fill(w, h, [&](int, int) {
        return qRgb(random.Random(256), random.Random(256), random.Random(256));
    });
}

QImage RandomGreyDots(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    return Fill(w, h, [&](int, int) { return Grey(random.Random(256) / 255.0); });
}

QImage RandomBlackWhiteDots(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    return Fill(w, h,
                [&](int, int) { return random.Random(2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0); });
}

// Dots of 3 x 3 pixels in a pastel palette.
QImage PastelBlocks(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const std::vector<QRgb> palette = {qRgb(255, 179, 186), qRgb(255, 223, 186),
                                       qRgb(255, 255, 186), qRgb(186, 255, 201),
                                       qRgb(186, 225, 255), qRgb(218, 186, 255)};
    const int columns = (w + 2) / 3;
    const int rows = (h + 2) / 3;
    std::vector<QRgb> blocks(static_cast<size_t>(columns * rows));
    for (QRgb& b : blocks)
        b = palette[static_cast<size_t>(random.Random(static_cast<int32_t>(palette.size())))];
    return Fill(
        w, h, [&](int x, int y) { return blocks[static_cast<size_t>((y / 3) * columns + x / 3)]; });
}

QImage ColourNoise(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const FractalNoise hue(w, h, 3, 4, random);
    const FractalNoise light(w, h, 6, 3, random);
    return Fill(w, h, [&](int x, int y) {
        const double hh = std::fmod(hue.At(x, y) * 2.5, 1.0);
        return QColor::fromHsvF(static_cast<float>(hh), 0.8f,
                                static_cast<float>(0.45 + 0.55 * light.At(x, y)))
            .rgb();
    });
}

QImage Clouds(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const FractalNoise noise(w, h, 3, 5, random);
    return Fill(w, h, [&](int x, int y) {
        const double t = Smooth((noise.At(x, y) - 0.35) / 0.4);
        return Mix(qRgb(58, 110, 190), qRgb(250, 250, 255), t);
    });
}

QImage Marble(int w, int h, uint32_t seed, const std::vector<QRgb>& ramp)
{
    RandomGenerator random(seed);
    const FractalNoise turbulence(w, h, 4, 5, random);
    return Fill(w, h, [&](int x, int y) {
        // Whole periods across the picture keep the veins seamless.
        const double phase = 2.0 * x / w + 1.0 * y / h + 2.5 * turbulence.At(x, y);
        const double vein = std::pow(std::abs(std::sin(kTwoPi * phase)), 0.35);
        return Ramp(ramp, vein);
    });
}

QImage Wood(int w, int h, uint32_t seed, QRgb light, QRgb dark)
{
    RandomGenerator random(seed);
    const FractalNoise grain(w, h, 2, 3, random);
    // Fibres: fine along the rings, long across them.
    const PeriodicNoise fibre(3, 45, random);
    return Fill(w, h, [&](int x, int y) {
        const double rings = 8.0 * y / h + 1.2 * grain.At(x, y);
        double t = rings - std::floor(rings);
        t = std::pow(t, 2.5); // late wood: a narrow dark ring
        t = Clamp01(0.8 * t + 0.35 * (fibre.At(3.0 * x / w, 45.0 * y / h) - 0.5));
        return Mix(light, dark, t);
    });
}

QImage DiagonalStripes(int w, int h, uint32_t)
{
    const std::vector<QRgb> colours = {qRgb(230, 57, 70), qRgb(241, 250, 238), qRgb(69, 123, 157),
                                       qRgb(29, 53, 87)};
    return Fill(w, h, [&](int x, int y) {
        const double t = 3.0 * x / w + 3.0 * y / h; // whole periods both ways
        const double band = (t - std::floor(t)) * static_cast<double>(colours.size());
        const auto i = static_cast<size_t>(band);
        const double edge = band - std::floor(band);
        // A soft seam of a tenth of a band.
        const QRgb next = colours[(i + 1) % colours.size()];
        return edge > 0.9 ? Mix(colours[i], next, (edge - 0.9) / 0.1) : colours[i];
    });
}

QImage WavyStripes(int w, int h, uint32_t)
{
    return Fill(w, h, [&](int x, int y) {
        const double t = 6.0 * y / h + 0.35 * std::sin(kTwoPi * 2.0 * x / w);
        const double s = 0.5 + 0.5 * std::sin(kTwoPi * t);
        return Mix(qRgb(0, 95, 115), qRgb(148, 210, 189), Smooth(s));
    });
}

// One leaf: a pointed oval with a midrib, drawn at (cx, cy) turned by angle.
void DrawLeaf(QPainter& p, double cx, double cy, double length, double angle, QColor colour)
{
    p.save();
    p.translate(cx, cy);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(-length / 2, 0);
    leaf.quadTo(0, -length * 0.32, length / 2, 0);
    leaf.quadTo(0, length * 0.32, -length / 2, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(leaf);
    p.setPen(QPen(colour.darker(140), std::max(1.0, length / 28)));
    p.drawLine(QPointF(-length / 2, 0), QPointF(length / 2 * 0.9, 0));
    p.restore();
}

QImage Leaves(int w, int h, uint32_t seed, QRgb ground, const std::vector<QRgb>& colours)
{
    RandomGenerator random(seed);
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int count = std::max(8, w * h / 500);
    for (int i = 0; i < count; ++i) {
        const double cx = Unit(random) * w;
        const double cy = Unit(random) * h;
        const double length = std::min(w, h) * (0.18 + 0.2 * Unit(random));
        const double angle = 360.0 * Unit(random);
        QColor colour(
            colours[static_cast<size_t>(random.Random(static_cast<int32_t>(colours.size())))]);
        colour = colour.lighter(85 + random.Random(40));
        // Drawn at every wrapped place, so leaves crossing an edge
        // continue on the opposite side.
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                DrawLeaf(p, cx + dx * w, cy + dy * h, length, angle, colour);
    }
    return image;
}

QImage Sand(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const FractalNoise dunes(w, h, 3, 3, random);
    return Fill(w, h, [&](int x, int y) {
        const double grain = (random.Random(64) - 32) / 255.0;
        const double t = 0.35 + 0.4 * dunes.At(x, y) + grain;
        return Ramp({qRgb(150, 120, 80), qRgb(214, 184, 130), qRgb(245, 226, 180)}, t);
    });
}

QImage Camouflage(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const FractalNoise a(w, h, 3, 4, random);
    const FractalNoise b(w, h, 4, 3, random);
    const QRgb colours[] = {qRgb(75, 83, 32), qRgb(120, 134, 107), qRgb(189, 183, 107),
                            qRgb(60, 47, 32)};
    return Fill(w, h, [&](int x, int y) {
        const double v = a.At(x, y);
        if (b.At(x, y) > 0.62)
            return colours[3];
        return v < 0.42 ? colours[0] : v < 0.55 ? colours[1] : colours[2];
    });
}

QImage Bricks(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const FractalNoise noise(w, h, 8, 2, random);
    const int rows = 6;
    const int columns = 3;
    const double bh = double(h) / rows;
    const double bw = double(w) / columns;
    return Fill(w, h, [&](int x, int y) {
        const int row = static_cast<int>(y / bh);
        const double offset = (row % 2) ? bw / 2 : 0;
        const double bx = std::fmod(x + offset, bw);
        const double by = std::fmod(double(y), bh);
        const bool mortar = bx < 2.5 || by < 2.5;
        const double n = noise.At(x, y);
        if (mortar)
            return Mix(qRgb(200, 196, 186), qRgb(170, 166, 156), n);
        return Mix(qRgb(150, 60, 40), qRgb(190, 95, 65), n);
    });
}

// ---- Frame masks ----

// The signed distance of (x, y) from the edge of a rounded rectangle
// inset by `inset`, positive inside.
double InsideRoundedRect(double x, double y, int w, int h, double inset, double radius)
{
    const double hx = w / 2.0 - inset;
    const double hy = h / 2.0 - inset;
    const double px = std::abs(x + 0.5 - w / 2.0) - (hx - radius);
    const double py = std::abs(y + 0.5 - h / 2.0) - (hy - radius);
    const double outside =
        std::hypot(std::max(px, 0.0), std::max(py, 0.0)) + std::min(std::max(px, py), 0.0) - radius;
    return -outside;
}

// An approximate signed distance from the edge of the inscribed ellipse,
// inset by `inset`, positive inside.
double InsideEllipse(double x, double y, int w, int h, double inset)
{
    const double a = w / 2.0 - inset;
    const double b = h / 2.0 - inset;
    const double dx = (x + 0.5 - w / 2.0) / a;
    const double dy = (y + 0.5 - h / 2.0) / b;
    return (1.0 - std::hypot(dx, dy)) * std::min(a, b);
}

// The distance inside a frame whose four edges wave: each edge is inset
// by `inset` and moves by amplitude along a sine of its own; positive
// inside.
double InsideWavyFrame(double x, double y, int w, int h, double inset, double amplitude,
                       int wavesAcross, int wavesDown)
{
    const double cx = x + 0.5;
    const double cy = y + 0.5;
    const double alongX = kTwoPi * wavesAcross * cx / w;
    const double alongY = kTwoPi * wavesDown * cy / h;
    const double top = cy - inset + amplitude * std::sin(alongX);
    const double bottom = h - cy - inset + amplitude * std::sin(alongX + 1.3);
    const double left = cx - inset + amplitude * std::sin(alongY + 0.7);
    const double right = w - cx - inset + amplitude * std::sin(alongY + 2.1);
    return std::min({top, bottom, left, right});
}

QImage Mask(int w, int h, const std::function<double(int, int)>& inside, double softness)
{
    return Fill(w, h, [&](int x, int y) {
        const double d = inside(x, y);
        return Grey(softness <= 0 ? (d >= 0 ? 1.0 : 0.0) : Smooth(d / softness));
    });
}

double Scale(int w, int h)
{
    return std::min(w, h) / 450.0;
}

QImage FrameHard(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    return Mask(
        w, h, [&](int x, int y) { return InsideRoundedRect(x, y, w, h, 30 * s, 0); }, 0);
}

QImage FrameSoft(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    return Mask(
        w, h, [&](int x, int y) { return InsideRoundedRect(x, y, w, h, 20 * s, 0); }, 40 * s);
}

QImage FrameRounded(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    return Mask(
        w, h, [&](int x, int y) { return InsideRoundedRect(x, y, w, h, 28 * s, 60 * s); }, 0);
}

QImage FrameRoundedSoft(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    return Mask(
        w, h, [&](int x, int y) { return InsideRoundedRect(x, y, w, h, 18 * s, 70 * s); }, 30 * s);
}

QImage FrameOval(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    return Mask(
        w, h, [&](int x, int y) { return InsideEllipse(x, y, w, h, 20 * s); }, 1.5);
}

QImage FrameOvalSoft(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    return Mask(
        w, h, [&](int x, int y) { return InsideEllipse(x, y, w, h, 10 * s); }, 60 * s);
}

// A passe-partout: the picture, a dark band, a thin light line, the frame.
QImage FramePassePartout(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    return Mask(
        w, h,
        [&](int x, int y) {
            const double d = InsideRoundedRect(x, y, w, h, 0, 0);
            const double line = std::abs(d - 26 * s) - 2.5 * s;
            return d > 44 * s ? d - 44 * s : -line;
        },
        1.0);
}

QImage FrameWavy(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    return Mask(
        w, h, [&](int x, int y) { return InsideWavyFrame(x, y, w, h, 38 * s, 9 * s, 9, 7); }, 2.0);
}

// The perforated edge of a postage stamp.
QImage FrameStamp(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    const double inset = 34 * s;
    const double pitch = 24 * s;
    const double hole = 8 * s;
    return Mask(
        w, h,
        [&](int x, int y) {
            const double d = InsideRoundedRect(x, y, w, h, inset, 0);
            // Distance to the nearest hole centre along the edge.
            const double px = std::fmod(x + 0.5 - inset, pitch) - pitch / 2;
            const double py = std::fmod(y + 0.5 - inset, pitch) - pitch / 2;
            const double across = std::abs(d);
            const double holeDistance =
                std::hypot(across, std::min(std::abs(px), std::abs(py))) - hole;
            return std::min(d, holeDistance);
        },
        1.5);
}

// ---- Light masks ----

QImage VignetteSoft(int w, int h, uint32_t)
{
    return Fill(w, h, [&](int x, int y) {
        const double dx = (x + 0.5 - w / 2.0) / (w / 2.0);
        const double dy = (y + 0.5 - h / 2.0) / (h / 2.0);
        return Grey(1.0 - Smooth((std::hypot(dx, dy) - 0.55) / 0.6));
    });
}

QImage VignetteStrong(int w, int h, uint32_t)
{
    return Fill(w, h, [&](int x, int y) {
        const double dx = (x + 0.5 - w / 2.0) / (w / 2.0);
        const double dy = (y + 0.5 - h / 2.0) / (h / 2.0);
        return Grey(1.0 - Smooth((std::hypot(dx, dy) - 0.35) / 0.5));
    });
}

QImage Spotlight(int w, int h, uint32_t)
{
    const double r = std::min(w, h) * 0.42;
    return Fill(w, h, [&](int x, int y) {
        const double d = std::hypot(x + 0.5 - w / 2.0, y + 0.5 - h / 2.0);
        return Grey(1.0 - Smooth((d - r * 0.75) / (r * 0.35)));
    });
}

QImage CornerLight(int w, int h, uint32_t)
{
    const double reach = std::hypot(w, h) * 0.95;
    return Fill(w, h, [&](int x, int y) { return Grey(1.0 - Smooth(std::hypot(x, y) / reach)); });
}

QImage TopLight(int w, int h, uint32_t)
{
    return Fill(w, h, [&](int x, int y) {
        const double spread = std::abs(x + 0.5 - w / 2.0) / (w / 2.0);
        const double fall = double(y) / h + 0.35 * spread * spread;
        return Grey(1.0 - Smooth((fall - 0.3) / 0.75));
    });
}

QImage TwinLights(int w, int h, uint32_t)
{
    const double r = std::min(w, h) * 0.34;
    return Fill(w, h, [&](int x, int y) {
        const double a = std::hypot(x + 0.5 - w * 0.3, y + 0.5 - h / 2.0);
        const double b = std::hypot(x + 0.5 - w * 0.7, y + 0.5 - h / 2.0);
        return Grey(1.0 - Smooth((std::min(a, b) - r * 0.6) / (r * 0.6)));
    });
}

QImage LightBand(int w, int h, uint32_t)
{
    return Fill(w, h, [&](int, int y) {
        const double d = std::abs(y + 0.5 - h / 2.0) / (h / 2.0);
        return Grey(1.0 - Smooth((d - 0.35) / 0.45));
    });
}

// Light through a window with four panes.
QImage WindowLight(int w, int h, uint32_t)
{
    const double s = Scale(w, h);
    return Fill(w, h, [&](int x, int y) {
        const double outer = InsideRoundedRect(x, y, w, h, 40 * s, 6 * s);
        const double barX = std::abs(x + 0.5 - w / 2.0) - 8 * s;
        const double barY = std::abs(y + 0.5 - h / 2.0) - 8 * s;
        const double d = std::min(outer, std::min(barX, barY));
        return Grey(Smooth(d / (22 * s)));
    });
}

// ---- Beach borders ----

constexpr QRgb kKey = qRgb(0, 0, 0);

// The border band: an inset with a wavy inner edge; answers how far inside
// the key area a pixel lies (negative in the border).
double BeachInside(int x, int y, int w, int h, double band, double wave)
{
    return InsideWavyFrame(x, y, w, h, band, wave, 5, 4);
}

// Colour of the border, kept away from the key colour so that a key
// tolerance does not eat into it.
QRgb AwayFromKey(QRgb c)
{
    const int floor = 48;
    return qRgb(std::max(qRed(c), floor), std::max(qGreen(c), floor), std::max(qBlue(c), floor));
}

QImage BeachBorder(int w, int h, double band, double wave,
                   const std::function<QRgb(int, int)>& border)
{
    return Fill(w, h, [&](int x, int y) {
        return BeachInside(x, y, w, h, band, wave) > 0 ? kKey : AwayFromKey(border(x, y));
    });
}

QImage BeachSand(int w, int h, uint32_t seed)
{
    const QImage sand = Sand(w, h, seed);
    const double s = Scale(w, h);
    return BeachBorder(w, h, 55 * s, 10 * s, [&](int x, int y) { return sand.pixel(x, y); });
}

QImage BeachSea(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const FractalNoise noise(w, h, 4, 4, random);
    const double s = Scale(w, h);
    return BeachBorder(w, h, 60 * s, 12 * s, [&](int x, int y) {
        const double d = -BeachInside(x, y, w, h, 60 * s, 12 * s);
        // Foam along the inner edge, deep water outside.
        if (d < 10 * s)
            return Mix(qRgb(250, 252, 255), qRgb(120, 200, 220), d / (10 * s));
        const double t = noise.At(x, y);
        const double crest = std::pow(0.5 + 0.5 * std::sin(kTwoPi * (d / (18 * s) + 2 * t)), 6);
        return Mix(Mix(qRgb(20, 90, 150), qRgb(40, 150, 190), t), qRgb(230, 245, 250), crest * 0.7);
    });
}

QImage BeachPebbles(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const double s = Scale(w, h);
    QImage image = BeachSand(w, h, seed ^ 0x5EEDu);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int count = static_cast<int>(900 * s * s);
    for (int i = 0; i < count; ++i) {
        const double x = Unit(random) * w;
        const double y = Unit(random) * h;
        if (BeachInside(static_cast<int>(x), static_cast<int>(y), w, h, 55 * s, 10 * s) > -6 * s)
            continue;
        const double rx = (5 + 9 * Unit(random)) * s;
        const double ry = rx * (0.6 + 0.35 * Unit(random));
        const int g = 90 + random.Random(110);
        QColor stone(g + random.Random(30), g + random.Random(20), g);
        QRadialGradient shade(QPointF(x - rx / 3, y - ry / 3), rx * 1.4);
        shade.setColorAt(0, stone.lighter(135));
        shade.setColorAt(1, stone.darker(130));
        p.save();
        p.translate(x, y);
        p.rotate(180 * Unit(random));
        p.translate(-x, -y);
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawEllipse(QPointF(x, y), rx, ry);
        p.restore();
    }
    return image;
}

void DrawShell(QPainter& p, double x, double y, double size, double angle, QColor colour)
{
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    QPainterPath fan;
    fan.moveTo(0, size * 0.45);
    fan.arcTo(QRectF(-size / 2, -size / 2, size, size), 200, -220);
    fan.closeSubpath();
    p.setPen(QPen(colour.darker(150), std::max(1.0, size / 22)));
    p.setBrush(colour);
    p.drawPath(fan);
    for (int rib = -3; rib <= 3; ++rib) {
        const double a = (90 + rib * 24) * std::numbers::pi / 180;
        p.drawLine(QPointF(0, size * 0.45),
                   QPointF(std::cos(a) * size * 0.48, -std::sin(a) * size * 0.48));
    }
    p.restore();
}

void DrawStarfish(QPainter& p, double x, double y, double size, double angle, QColor colour)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? size / 2 : size / 5;
        const double a = angle * std::numbers::pi / 180 + i * std::numbers::pi / 5;
        const QPointF point(x + r * std::sin(a), y - r * std::cos(a));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(colour.darker(140), std::max(1.0, size / 25)));
    p.setBrush(colour);
    p.drawPath(star);
}

QImage BeachShells(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const double s = Scale(w, h);
    QImage image = BeachSand(w, h, seed ^ 0x5E11u);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor shells[] = {QColor(250, 220, 200), QColor(240, 190, 160), QColor(255, 240, 225),
                             QColor(230, 170, 150)};
    const int count = static_cast<int>(400 * s * s);
    for (int i = 0; i < count; ++i) {
        const double x = Unit(random) * w;
        const double y = Unit(random) * h;
        if (BeachInside(static_cast<int>(x), static_cast<int>(y), w, h, 55 * s, 10 * s) > -14 * s)
            continue;
        const double size = (16 + 14 * Unit(random)) * s;
        const double angle = 360 * Unit(random);
        if (random.Random(5) == 0)
            DrawStarfish(p, x, y, size * 1.2, angle, QColor(235, 120, 60));
        else
            DrawShell(p, x, y, size, angle, shells[random.Random(4)]);
    }
    return image;
}

QImage BeachSunset(int w, int h, uint32_t seed)
{
    RandomGenerator random(seed);
    const FractalNoise noise(w, h, 3, 3, random);
    const double s = Scale(w, h);
    return BeachBorder(w, h, 50 * s, 6 * s, [&](int x, int y) {
        const double t = double(y) / h;
        QRgb sky =
            Ramp({qRgb(70, 50, 120), qRgb(230, 90, 80), qRgb(250, 170, 70), qRgb(250, 220, 120)},
                 t + 0.15 * (noise.At(x, y) - 0.5));
        const double sun = std::hypot(x + 0.5 - w / 2.0, y + 0.5 - 25 * s) / (22 * s);
        if (sun < 1)
            sky = Mix(qRgb(255, 245, 200), sky, Smooth(sun));
        return sky;
    });
}

QImage BeachDriftwood(int w, int h, uint32_t seed)
{
    const QImage wood = Wood(w, h, seed, qRgb(200, 180, 150), qRgb(120, 100, 80));
    const double s = Scale(w, h);
    return BeachBorder(w, h, 45 * s, 0, [&](int x, int y) { return wood.pixel(x, y); });
}

using Generator = std::function<QImage(int, int, uint32_t)>;

const std::map<QString, Generator>& Generators()
{
    static const std::map<QString, Generator> generators = {
        {"randomdots", RandomDots},
        {"randomdots-grey", RandomGreyDots},
        {"randomdots-bw", RandomBlackWhiteDots},
        {"pastel-blocks", PastelBlocks},
        {"colour-noise", ColourNoise},
        {"clouds", Clouds},
        {"marble-white",
         [](int w, int h, uint32_t seed) {
             return Marble(w, h, seed,
                           {qRgb(90, 90, 100), qRgb(200, 200, 205), qRgb(245, 245, 240)});
         }},
        {"marble-green",
         [](int w, int h, uint32_t seed) {
             return Marble(w, h, seed, {qRgb(10, 50, 30), qRgb(40, 120, 80), qRgb(200, 230, 210)});
         }},
        {"wood-light",
         [](int w, int h, uint32_t seed) {
             return Wood(w, h, seed, qRgb(230, 190, 140), qRgb(160, 105, 60));
         }},
        {"wood-dark",
         [](int w, int h, uint32_t seed) {
             return Wood(w, h, seed, qRgb(140, 80, 45), qRgb(60, 30, 15));
         }},
        {"stripes-diagonal", DiagonalStripes},
        {"stripes-wavy", WavyStripes},
        {"leaves-green",
         [](int w, int h, uint32_t seed) {
             return Leaves(w, h, seed, qRgb(25, 60, 25),
                           {qRgb(60, 140, 50), qRgb(100, 170, 60), qRgb(40, 110, 40)});
         }},
        {"leaves-autumn",
         [](int w, int h, uint32_t seed) {
             return Leaves(w, h, seed, qRgb(70, 45, 25),
                           {qRgb(200, 80, 30), qRgb(230, 160, 40), qRgb(170, 40, 30)});
         }},
        {"sand", Sand},
        {"camouflage", Camouflage},
        {"bricks", Bricks},
        {"frame-hard", FrameHard},
        {"frame-soft", FrameSoft},
        {"frame-rounded", FrameRounded},
        {"frame-rounded-soft", FrameRoundedSoft},
        {"frame-oval", FrameOval},
        {"frame-oval-soft", FrameOvalSoft},
        {"frame-passepartout", FramePassePartout},
        {"frame-wavy", FrameWavy},
        {"frame-stamp", FrameStamp},
        {"light-vignette-soft", VignetteSoft},
        {"light-vignette-strong", VignetteStrong},
        {"light-spot", Spotlight},
        {"light-corner", CornerLight},
        {"light-top", TopLight},
        {"light-twin", TwinLights},
        {"light-band", LightBand},
        {"light-window", WindowLight},
        {"beach-sand", BeachSand},
        {"beach-sea", BeachSea},
        {"beach-pebbles", BeachPebbles},
        {"beach-shells", BeachShells},
        {"beach-sunset", BeachSunset},
        {"beach-driftwood", BeachDriftwood},
    };
    return generators;
}

} // namespace

QImage GenerateLibraryPicture(const QString& generator, int width, int height, uint32_t seed)
{
    if (width < 1 || width > 4096 || height < 1 || height > 4096)
        throw LumoraError("A library picture must be 1 to 4096 pixels each way.");
    const auto found = Generators().find(generator);
    if (found == Generators().end())
        throw LumoraError("There is no picture generator named \"" + generator.toStdString() +
                          "\".");
    return found->second(width, height, seed);
}

QStringList LibraryGeneratorNames()
{
    QStringList names;
    for (const auto& [name, generator] : Generators())
        names.append(name);
    return names;
}

} // namespace lumora
