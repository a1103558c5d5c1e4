#include "render_option_table.h"

#include "argument_reader.h"
#include "project_thumbnail.h"
#include "rendering/render_options.h"
#include "tilemap/tile_tm_randomdotgradient.h"

namespace lumora::cli {

namespace {

// The plug-in dialog's range of image numbers.
constexpr int kMaxImageNumber = 100000;

QStringList PresetNames()
{
    QStringList names;
    const auto& presets = Tile_tm_RandomDotGradient::Presets();
    for (size_t k = 1; k < presets.size(); ++k)
        names << QString::fromUtf8(presets[k].Caption);
    return names;
}

// The afterburner object a modifier flag applies to: the last one of its
// kind given before it.
AfterburnerRequest& LastOfKind(ParseState& state, int32_t kind, const QString& flag,
                               const char* owner)
{
    auto& objects = state.Request.Afterburner;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        if (it->Kind == kind)
            return *it;
    throw UsageError(QStringLiteral("%1 follows a %2").arg(flag, owner).toStdString());
}

AfterburnerRequest& Added(ParseState& state, int32_t kind)
{
    auto& objects = state.Request.Afterburner;
    objects.push_back(AfterburnerRequest{});
    objects.back().Kind = kind;
    return objects.back();
}

RenderOptions& Options(ParseState& state)
{
    return state.Request.Options;
}

// To add an option, add one row where --help should list it:
//   {.Flag = "--name", .Value = "VALUE", .Group = OptionGroup::Output,
//    .ForProject = true, .Help = "what it does, 1..10 (default)",
//    .Apply = [](auto& s, auto& r, auto& f) { s.Request.Name = r.IntegerOf(f, 1, 10); }},
// and the field it fills in RenderRequest. Leave out what does not apply:
// .Alias (a second name), .Value (a switch takes none), .ForProject (the
// option builds a scene, which a project file refuses), .TileKinds (only the
// options of --tile-kind have them), .Help (a row without it is read but not
// listed, for the options the usage lines show). A help text of several lines
// has "\n" between them; --help lines them up under the first.
constexpr RenderOption kOptions[] = {
    {.Flag = "--help",
     .Alias = "-h",
     .ForProject = true,
     .Apply = [](auto& s, auto&, auto&) { s.Request.Help = true; }},
    {.Flag = "-o",
     .Alias = "--output",
     .Value = "OUT",
     .ForProject = true,
     .Apply = [](auto& s, auto& r, auto& f) { s.Request.OutputPath = r.ValueOf(f); }},
    {.Flag = "--example", .Apply = [](auto& s, auto&, auto&) { s.Request.Example = true; }},
    {.Flag = "--depth",
     .Value = "DEPTH",
     .Apply = [](auto& s, auto& r, auto& f) { s.Request.DepthPath = r.ValueOf(f); }},
    {.Flag = "--tile",
     .Value = "TILE",
     .Apply = [](auto& s, auto& r, auto& f) { s.Request.TilePath = r.ValueOf(f); }},

    {.Flag = "--width",
     .Value = "PIXELS",
     .ForProject = true,
     .Help = "render width, 1..10000 (the depth picture's, 600 for\n"
             "the example, the project's render options)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             s.Request.Width = r.IntegerOf(f, kMinRenderPixels, kMaxRenderPixels);
         }},
    {.Flag = "--height",
     .Value = "PIXELS",
     .ForProject = true,
     .Help = "render height, 1..10000 (likewise)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             s.Request.Height = r.IntegerOf(f, kMinRenderPixels, kMaxRenderPixels);
         }},
    {.Flag = "--save-project",
     .Value = "FILE.l2p",
     .ForProject = true,
     .Help = "save the scene (or the project read) as a project\n"
             "file that the program opens; -o is then optional",
     .Apply = [](auto& s, auto& r, auto& f) { s.Request.SaveProjectPath = r.ValueOf(f); }},
    {.Flag = "--dpi",
     .Value = "N",
     .Help = "resolution, 1..10000 (72)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             Options(s).RenderOptions_RenderDPI = r.IntegerOf(f, kMinDpi, kMaxDpi);
         }},
    {.Flag = "--eye-screen",
     .Value = "INCHES",
     .Help = "eye-to-screen distance, 1..1000 (14)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             Options(s).RenderOptions_Settings_AugeScreen =
                 r.NumberOf(f, kMinDistanceInches, kMaxDistanceInches);
         }},
    {.Flag = "--max-depth",
     .Value = "INCHES",
     .Help = "far plane behind the screen, 1..1000 (14)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             Options(s).RenderOptions_Settings_max3dtiefe =
                 r.NumberOf(f, kMinDistanceInches, kMaxDistanceInches);
         }},
    {.Flag = "--min-depth",
     .Value = "INCHES",
     .Help = "near plane behind the screen, 1..1000 (8)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             Options(s).RenderOptions_Settings_min3dtiefe =
                 r.NumberOf(f, kMinDistanceInches, kMaxDistanceInches);
         }},
    {.Flag = "--tile-width",
     .Value = "PIXELS",
     .Help = "tile width (computed from the three above)",
     .Apply = [](auto& s, auto& r,
                 auto& f) { s.Request.TileWidth = r.IntegerOf(f, 1, kMaxTileWidth); }},
    {.Flag = "--quality",
     .Value = "N",
     .ForProject = true,
     .Help = "0 Draft, 1 Low, 2 Normal, 3 High, 4 Best,\n"
             "6 Optimized for Print (0)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             s.Request.Quality =
                 SelectQuality(r.IntegerOf(f, 0, static_cast<int>(QualityItems().size()) - 1));
             Options(s).RenderOptions_Settings_quality = *s.Request.Quality;
         }},
    {.Flag = "--direction",
     .Value = "N",
     .Help = "1 left to right, 2 centre, 3 right to left,\n"
             "4 custom (2)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             Options(s).RenderOptions_Settings_renderdirection = r.IntegerOf(f, 1, 4);
         }},
    {.Flag = "--start",
     .Value = "PIXELS",
     .Help = "start column with --direction 4 (300)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             Options(s).RenderOptions_Settings_customrenderdirection =
                 r.IntegerOf(f, kMinRenderPixels, kMaxRenderPixels);
             s.StartGiven = true;
         }},
    {.Flag = "--plugin",
     .Value = "FILE.lpi",
     .Help = "draw a plug-in over the whole depth map",
     .Apply = [](auto& s, auto& r, auto& f) { s.Request.PlugInPath = r.ValueOf(f); }},
    {.Flag = "--model",
     .Value = "FILE",
     .Help = "a 3D model (DXF, 3DS, ASC, RPL, L3M) over the whole\n"
             "depth map",
     .Apply = [](auto& s, auto& r, auto& f) { s.Request.ModelPath = r.ValueOf(f); }},
    {.Flag = "--text3d",
     .Value = "TEXT",
     .Help = "a 3D text over the whole depth map",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             s.Request.Text3D = r.ValueOf(f);
             if (s.Request.Text3D.isEmpty())
                 throw UsageError("--text3d needs a text");
         }},
    {.Flag = "--image-number",
     .Value = "N",
     .Help = "the plug-in's image number, 0..100000 (0)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             s.Request.ImageNumber = r.IntegerOf(f, 0, kMaxImageNumber);
             s.ImageNumberGiven = true;
         }},
    {.Flag = "--cross-eye",
     .Help = "render for crossed eyes",
     .Apply = [](auto& s, auto&, auto&) { Options(s).RenderOptions_Settings_Divergenz = false; }},

    {.Flag = "--tile-kind",
     .Value = "KIND",
     .Group = OptionGroup::TileKind,
     .TileKinds = "123",
     .Help = "randomdot, gradient, or image (its picture from --tile)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             s.TileKind.Kind = r.ChoiceOf(f, {"randomdot", "gradient", "image"});
         }},
    {.Flag = "--band-height",
     .Value = "PIXELS",
     .Group = OptionGroup::TileKind,
     .TileKinds = "123",
     .Help = "band height, 1..100000 (randomdot 100, gradient 300,\n"
             "image: the picture's proportions at the tile width)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             s.TileKind.BandHeight = r.IntegerOf(f, kMinBandHeight, kMaxBandHeight);
         }},
    {.Flag = "--density",
     .Value = "PCT",
     .Group = OptionGroup::TileKind,
     .TileKinds = "12",
     .Help = "randomdot, gradient: share of dots, 0..100 (50)",
     .Apply = [](auto& s, auto& r, auto& f) { s.TileKind.Density = r.IntegerOf(f, 0, 100); }},
    {.Flag = "--background",
     .Value = "R,G,B",
     .Group = OptionGroup::TileKind,
     .TileKinds = "12",
     .Help = "randomdot, gradient: background colour (0,0,0)",
     .Apply = [](auto& s, auto& r, auto& f) { s.TileKind.Background = r.TripleOf(f, 255); }},
    {.Flag = "--dot-mode",
     .Value = "MODE",
     .Group = OptionGroup::TileKind,
     .TileKinds = "1",
     .Help = "randomdot: multi, single or grey (multi)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             s.TileKind.DotMode = r.ChoiceOf(f, {"multi", "single", "grey"});
         }},
    {.Flag = "--max-rgb",
     .Value = "R,G,B",
     .Group = OptionGroup::TileKind,
     .TileKinds = "1",
     .Help = "randomdot multi: upper limits in percent (50,50,50)",
     .Apply = [](auto& s, auto& r, auto& f) { s.TileKind.MaxPct = r.TripleOf(f, 100); }},
    {.Flag = "--dot-colour",
     .Value = "R,G,B",
     .Group = OptionGroup::TileKind,
     .TileKinds = "1",
     .Help = "randomdot single: dot colour (255,255,255)",
     .Apply = [](auto& s, auto& r, auto& f) { s.TileKind.DotColour = r.TripleOf(f, 255); }},
    {.Flag = "--max-grey",
     .Value = "PCT",
     .Group = OptionGroup::TileKind,
     .TileKinds = "1",
     .Help = "randomdot grey: upper limit in percent (50)",
     .Apply = [](auto& s, auto& r, auto& f) { s.TileKind.MaxGreyPct = r.IntegerOf(f, 0, 100); }},
    {.Flag = "--preset",
     .Value = "NAME",
     .Group = OptionGroup::TileKind,
     .TileKinds = "2",
     .Help = "gradient: Simple, Blue Waves, Rainbow, Caipirinha,\n"
             "Waterfall, Tabasco, Sunflower (Simple)",
     .Apply = [](auto& s, auto& r, auto& f) { s.TileKind.Preset = r.ChoiceOf(f, PresetNames()); }},
    {.Flag = "--stretch-smaller",
     .Group = OptionGroup::TileKind,
     .TileKinds = "123",
     .Help = "stretch a lower tile map to the height (else repeat)",
     .Apply = [](auto& s, auto&, auto&) { Options(s).RenderOptions_Tile_smaller_stretch = true; }},
    {.Flag = "--stretch-bigger",
     .Group = OptionGroup::TileKind,
     .TileKinds = "123",
     .Help = "stretch a higher tile map to the height (else cut)",
     .Apply = [](auto& s, auto&, auto&) { Options(s).RenderOptions_Tile_bigger_stretch = true; }},
    {.Flag = "--seed",
     .Value = "N",
     .Group = OptionGroup::TileKind,
     .ForProject = true,
     .Help = "seed the random patterns, 0..2147483647 (the clock)",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             s.Request.Seed = static_cast<uint32_t>(r.IntegerOf(f, 0, 2147483647));
         }},

    {.Flag = "--border",
     .Value = "PIXELS",
     .Group = OptionGroup::Afterburner,
     .Help = "a border on all four sides, 1..255",
     .Apply = [](auto& s, auto& r, auto& f) { Added(s, 1).Size = r.IntegerOf(f, 1, 255); }},
    {.Flag = "--border-colour",
     .Value = "R,G,B",
     .Group = OptionGroup::Afterburner,
     .Help = "its colour (0,0,0)",
     .Apply = [](auto& s, auto& r,
                 auto& f) { LastOfKind(s, 1, f, "--border").Colour = r.TripleOf(f, 255); }},
    {.Flag = "--frame",
     .Value = "PICTURE",
     .Group = OptionGroup::Afterburner,
     .Help = "a frame: the picture's grey lets the stereogram\n"
             "through where white, shows the colour where black",
     .Apply = [](auto& s, auto& r, auto& f) { Added(s, 2).Text = r.ValueOf(f); }},
    {.Flag = "--frame-colour",
     .Value = "R,G,B",
     .Group = OptionGroup::Afterburner,
     .Help = "its colour (0,0,0)",
     .Apply = [](auto& s, auto& r,
                 auto& f) { LastOfKind(s, 2, f, "--frame").Colour = r.TripleOf(f, 255); }},
    {.Flag = "--text",
     .Value = "TEXT",
     .Group = OptionGroup::Afterburner,
     .Help = "a line of text",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             AfterburnerRequest& text = Added(s, 4);
             text.Text = r.ValueOf(f);
             text.Size = 12;
         }},
    {.Flag = "--text-size",
     .Value = "POINTS",
     .Group = OptionGroup::Afterburner,
     .Help = "its size at 96 pixels per inch, 1..100000 (12)",
     .Apply = [](auto& s, auto& r,
                 auto& f) { LastOfKind(s, 4, f, "--text").Size = r.IntegerOf(f, 1, 100000); }},
    {.Flag = "--text-anchor",
     .Value = "N",
     .Group = OptionGroup::Afterburner,
     .Help = "1 top left, 2 top centre, 3 top right, 4 bottom left,\n"
             "5 bottom centre, 6 bottom right (1)",
     .Apply = [](auto& s, auto& r,
                 auto& f) { LastOfKind(s, 4, f, "--text").Anchor = r.IntegerOf(f, 1, 6); }},
    {.Flag = "--text-colour",
     .Value = "R,G,B",
     .Group = OptionGroup::Afterburner,
     .Help = "its colour (0,0,0)",
     .Apply = [](auto& s, auto& r,
                 auto& f) { LastOfKind(s, 4, f, "--text").Colour = r.TripleOf(f, 255); }},
    {.Flag = "--text-background",
     .Value = "R,G,B",
     .Group = OptionGroup::Afterburner,
     .Help = "a box of this colour behind it",
     .Apply = [](auto& s, auto& r,
                 auto& f) { LastOfKind(s, 4, f, "--text").Background = r.TripleOf(f, 255); }},
    {.Flag = "--spots",
     .Group = OptionGroup::Afterburner,
     .Help = "two viewing-aid spots one tile width apart, at the top",
     .Apply = [](auto& s, auto&, auto&) { Added(s, 5).Position = 1; }},
    {.Flag = "--spots-bottom",
     .Group = OptionGroup::Afterburner,
     .Help = "the same at the bottom",
     .Apply = [](auto& s, auto&, auto&) { Added(s, 5).Position = 2; }},
    {.Flag = "--overlay",
     .Value = "PIXELS",
     .Group = OptionGroup::Afterburner,
     .Help = "the depth map as a legend, this wide, 1..1000000",
     .Apply = [](auto& s, auto& r, auto& f) { Added(s, 6).Size = r.IntegerOf(f, 1, 1000000); }},
    {.Flag = "--overlay-anchor",
     .Value = "N",
     .Group = OptionGroup::Afterburner,
     .Help = "its place, as --text-anchor (1)",
     .Apply = [](auto& s, auto& r,
                 auto& f) { LastOfKind(s, 6, f, "--overlay").Anchor = r.IntegerOf(f, 1, 6); }},

    {.Flag = "--progress",
     .Group = OptionGroup::Output,
     .ForProject = true,
     .Help = "a progress bar on stderr even when it is no terminal\n"
             "(on a terminal it shows for renders that take a while)",
     .Apply = [](auto& s, auto&, auto&) { s.Request.Progress = true; }},
    {.Flag = "--thumbnail",
     .Value = "SIZE PROJECT.l2p OUT.png",
     .Group = OptionGroup::Output,
     .Help = "a PNG thumbnail for file managers,\n"
             "SIZE pixels along its longer side (1..1024): the\n"
             "stereogram when the project was saved after a render,\n"
             "otherwise its depth map; no other option goes with it",
     .Apply =
         [](auto& s, auto& r, auto& f) {
             ThumbnailRequest thumbnail;
             thumbnail.Size = r.IntegerOf(f, kMinThumbnailSize, kMaxThumbnailSize);
             thumbnail.ProjectPath = r.ValueOf(f);
             thumbnail.OutputPath = r.ValueOf(f);
             s.Request.Thumbnail = thumbnail;
         }},
};

} // namespace

std::span<const RenderOption> RenderOptionTable()
{
    return kOptions;
}

const RenderOption* FindRenderOption(const QString& flag)
{
    for (const RenderOption& option : kOptions)
        if (flag == QLatin1String(option.Flag) ||
            (option.Alias != nullptr && flag == QLatin1String(option.Alias)))
            return &option;
    return nullptr;
}

const char* OptionGroupIntro(OptionGroup group)
{
    switch (group) {
    case OptionGroup::TileKind:
        return "In place of a tile picture, --tile-kind makes the tile map of one tile object:";
    case OptionGroup::Afterburner:
        return "Afterburner objects, laid over the stereogram in the order given; each\n"
               "modifier applies to the last object of its kind before it:";
    case OptionGroup::Render:
    case OptionGroup::Output:
        break;
    }
    return "";
}

} // namespace lumora::cli
