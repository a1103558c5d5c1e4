#include "cli_scene.h"

#include "afterburner/afterburner_picture_file.h"
#include "afterburner/tool_ab_border_frame.h"
#include "afterburner/tool_ab_border_simple.h"
#include "afterburner/tool_ab_depthmap.h"
#include "afterburner/tool_ab_spot.h"
#include "afterburner/tool_ab_text.h"
#include "common/lumora_error.h"
#include "common/numeric.h"
#include "render_command_line.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
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

std::unique_ptr<Tile_tm> MakeTileObject(const TileKindRequest& request, const QImage& picture,
                                        int tileWidth)
{
    if (request.Kind == Tile_tm_RandomDot::KindCode)
        return RandomDotTile(request);
    if (request.Kind == Tile_tm_RandomDotGradient::KindCode)
        return GradientTile(request);
    return ImageTile(request, picture, tileWidth);
}

namespace {

Colour ColourOf(const std::array<int, 3>& c)
{
    return MakeColour(c[0], c[1], c[2]);
}

std::unique_ptr<Tool_ab> Border(const AfterburnerRequest& r)
{
    auto b = std::make_unique<Tool_ab_border_simple>();
    b->BorderSize = r.Size;
    b->ColourRed = Byte(r.Colour[0]);
    b->ColourGreen = Byte(r.Colour[1]);
    b->ColourBlue = Byte(r.Colour[2]);
    return b;
}

std::unique_ptr<Tool_ab> Frame(const AfterburnerRequest& r)
{
    auto f = std::make_unique<Tool_ab_border_frame>();
    try {
        f->SetMaskFromPicture(*LoadAfterburnerPicture(r.Text));
    } catch (const LumoraError& e) {
        throw LumoraError(std::string("cannot read the frame picture: ") + e.what());
    }
    f->ColourRed = Byte(r.Colour[0]);
    f->ColourGreen = Byte(r.Colour[1]);
    f->ColourBlue = Byte(r.Colour[2]);
    return f;
}

std::unique_ptr<Tool_ab> Text(const AfterburnerRequest& r)
{
    auto t = std::make_unique<Tool_ab_text>();
    t->Text = r.Text;
    t->FontSize = r.Size;
    t->Anchor = r.Anchor;
    t->TextColour = ColourOf(r.Colour);
    if (r.Background) {
        t->BackOn = 1;
        t->BackColour = ColourOf(*r.Background);
    }
    return t;
}

std::unique_ptr<Tool_ab> Spots(const AfterburnerRequest& r)
{
    auto s = std::make_unique<Tool_ab_spot>();
    s->SpotPosition = r.Position;
    return s;
}

std::unique_ptr<Tool_ab> Overlay(const AfterburnerRequest& r, int composerWidth, int composerHeight)
{
    auto o = std::make_unique<Tool_ab_depthmap>(
        Tool_ab_depthmap::ForNewObject(composerWidth, composerHeight));
    o->SetOverlayWidth(r.Size, composerWidth, composerHeight);
    o->Anchor = r.Anchor;
    return o;
}

} // namespace

std::unique_ptr<Tool_ab> MakeAfterburnerObject(const AfterburnerRequest& request, int composerWidth,
                                               int composerHeight)
{
    switch (request.Kind) {
    case Tool_ab_border_simple::KindCode:
        return Border(request);
    case Tool_ab_border_frame::KindCode:
        return Frame(request);
    case Tool_ab_text::KindCode:
        return Text(request);
    case Tool_ab_spot::KindCode:
        return Spots(request);
    default:
        return Overlay(request, composerWidth, composerHeight);
    }
}

} // namespace lumora::cli
