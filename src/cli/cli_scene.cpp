#include "cli_scene.h"

#include "common/numeric.h"
#include "render_command_line.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "tilemap/tile_map.h"
#include "tilemap/tile_tm_image.h"
#include "tilemap/tile_tm_randomdot.h"
#include "tilemap/tile_tm_randomdotgradient.h"

namespace lumora::cli {

namespace {

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

std::unique_ptr<TPixelEngine256> DepthMapFromPicture(const QImage& picture)
{
    TPixelEngine colour(picture.width(), picture.height(), picture);
    auto depth = std::make_unique<TPixelEngine256>(picture.width(), picture.height());
    depth->FromColour(colour);
    return depth;
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
