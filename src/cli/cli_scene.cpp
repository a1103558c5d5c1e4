#include "cli_scene.h"

#include "common/numeric.h"
#include "common/random_generator.h"
#include "render_command_line.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "tilemap/tile_map.h"
#include "tilemap/tile_tm_image.h"
#include "tilemap/tile_tm_randomdot.h"
#include "tilemap/tile_tm_randomdotgradient.h"

#include <QPoint>
#include <algorithm>
#include <cmath>
#include <vector>

namespace lumora::cli {

namespace {

std::vector<QPoint> StarPoints(int cx, int cy, int outer, int inner)
{
    std::vector<QPoint> points;
    for (int k = 0; k < 10; ++k) {
        const double angle = M_PI / 2 + k * M_PI / 5;
        const int radius = k % 2 == 0 ? outer : inner;
        points.emplace_back(cx + static_cast<int>(Round(std::cos(angle) * radius)),
                            cy - static_cast<int>(Round(std::sin(angle) * radius)));
    }
    return points;
}

uint8_t Byte(int v)
{
    return static_cast<uint8_t>(v);
}

std::unique_ptr<Tile_tm> RandomDotTile(const TileKindRequest& r)
{
    auto t = std::make_unique<Tile_tm_RandomDot>(
        r.BandHeight.value_or(Tile_tm_RandomDot::kDefaultBandHeight));
    t->DotMode = r.DotMode;
    t->Density = Byte(r.Density);
    t->MaxRedPct = Byte(r.MaxPct[0]);
    t->MaxGreenPct = Byte(r.MaxPct[1]);
    t->MaxBluePct = Byte(r.MaxPct[2]);
    t->DotRed = Byte(r.DotColour[0]);
    t->DotGreen = Byte(r.DotColour[1]);
    t->DotBlue = Byte(r.DotColour[2]);
    t->MaxGreyPct = Byte(r.MaxGreyPct);
    t->BackRed = Byte(r.Background[0]);
    t->BackGreen = Byte(r.Background[1]);
    t->BackBlue = Byte(r.Background[2]);
    return t;
}

std::unique_ptr<Tile_tm> GradientTile(const TileKindRequest& r)
{
    auto t = std::make_unique<Tile_tm_RandomDotGradient>(
        r.BandHeight.value_or(Tile_tm_RandomDotGradient::kDefaultBandHeight));
    t->ApplyPreset(r.Preset);
    t->Density = Byte(r.Density);
    t->BackRed = Byte(r.Background[0]);
    t->BackGreen = Byte(r.Background[1]);
    t->BackBlue = Byte(r.Background[2]);
    return t;
}

// A band height of its own turns the kept proportions off.
std::unique_ptr<Tile_tm> ImageTile(const TileKindRequest& r, const QImage& picture, int tileWidth)
{
    auto engine = std::make_unique<TPixelEngine>(picture.width(), picture.height(), picture);
    auto t = std::make_unique<Tile_tm_Image>(std::move(engine), !r.BandHeight, tileWidth);
    if (r.BandHeight)
        t->BandHeight = *r.BandHeight;
    return t;
}

} // namespace

std::unique_ptr<TPixelEngine256> DrawExampleDepthMap(int width, int height)
{
    auto depth = std::make_unique<TPixelEngine256>(width, height);
    depth->Fill(0);
    // Shapes are laid out on a 600 x 450 design and scaled to the size asked.
    auto sx = [&](int v) { return static_cast<int>(Round(v * (width / 600.0))); };
    auto sy = [&](int v) { return static_cast<int>(Round(v * (height / 450.0))); };

    depth->SetBrushGrey(90);
    depth->SetPen(1, true);
    depth->Rectangle(sx(40), sy(40), sx(280), sy(200));
    depth->SetBrushGrey(150);
    depth->SetPen(1, true); // the pen takes the brush grey
    depth->RoundRect(sx(80), sy(70), sx(240), sy(170), sx(40), sy(40));
    depth->SetBrushGrey(200);
    depth->SetPen(1, true); // the pen takes the brush grey
    depth->Ellipse(sx(330), sy(40), sx(560), sy(220));
    depth->SetBrushGrey(120);
    depth->SetPen(1, true); // the pen takes the brush grey
    std::vector<QPoint> star =
        StarPoints(sx(160), sy(330), std::min(sx(90), sy(90)), std::min(sx(36), sy(36)));
    for (QPoint& p : star)
        p = QPoint(std::clamp(p.x(), 0, width), std::clamp(p.y(), 0, height));
    depth->Polygon(star);
    depth->SetBrushGrey(170);
    depth->SetPen(std::max(1, sx(14)), false);
    depth->Line(sx(300), sy(420), sx(580), sy(250));
    depth->Font.Name = QStringLiteral("Arial");
    depth->Font.Bold = true;
    depth->Font.CellHeight = std::max(1, sy(110));
    depth->Font.Color = MakeColour(230, 230, 230);
    depth->TextOut(sx(330), sy(260), QStringLiteral("3D"));
    return depth;
}

std::unique_ptr<TPixelEngine> MakeRandomDotTile(int tileWidth, int height, RandomGenerator& random)
{
    static constexpr Colour kDots[] = {
        MakeColour(230, 40, 40), MakeColour(250, 200, 30),  MakeColour(40, 170, 70),
        MakeColour(30, 90, 220), MakeColour(250, 250, 250), MakeColour(20, 20, 20),
    };
    constexpr int kDotCount = static_cast<int>(sizeof kDots / sizeof kDots[0]);
    auto tile = std::make_unique<TPixelEngine>(tileWidth, height);
    for (int m = 0; m < height; ++m) {
        uint8_t* row = tile->Row(m);
        for (int x = 0; x < tileWidth; ++x) {
            const Colour c = kDots[random.Random(kDotCount)];
            row[3 * x] = static_cast<uint8_t>(BlueOf(c));
            row[3 * x + 1] = static_cast<uint8_t>(GreenOf(c));
            row[3 * x + 2] = static_cast<uint8_t>(RedOf(c));
        }
    }
    return tile;
}

std::unique_ptr<TPixelEngine256> DepthMapFromPicture(const QImage& picture)
{
    TPixelEngine colour(picture.width(), picture.height(), picture);
    auto depth = std::make_unique<TPixelEngine256>(picture.width(), picture.height());
    depth->FromColour(colour);
    return depth;
}

std::unique_ptr<TPixelEngine> TileBitmapFromPicture(const QImage& picture, int tileWidth,
                                                    int height)
{
    const int bandHeight =
        std::max<int>(1, static_cast<int>(Round(tileWidth * (static_cast<double>(picture.height()) /
                                                             picture.width()))));
    TPixelEngine band(tileWidth, bandHeight);
    band.LoadFromBitmap(picture);
    auto tile = std::make_unique<TPixelEngine>(tileWidth, height);
    for (int y = 0; y < height; y += bandHeight)
        band.DrawTo(*tile, 0, y);
    return tile;
}

std::unique_ptr<TPixelEngine> TileBitmapFromKind(const TileKindRequest& request,
                                                 const QImage& picture,
                                                 const RenderOptions& options, int height,
                                                 TileRandomSource& random)
{
    const int tw = options.RenderOptions_Tile_Width;
    TileMap tiles;
    if (request.Kind == Tile_tm_RandomDot::KindCode)
        tiles.Append(RandomDotTile(request));
    else if (request.Kind == Tile_tm_RandomDotGradient::KindCode)
        tiles.Append(GradientTile(request));
    else
        tiles.Append(ImageTile(request, picture, tw));
    auto bitmap = std::make_unique<TPixelEngine>(tw, height);
    tiles.Generate_KachelBitm(options, bitmap.get(), random);
    return bitmap;
}

} // namespace lumora::cli
