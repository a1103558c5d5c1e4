#include "render_command_line.h"

#include "tilemap/tile_tm_randomdotgradient.h"

#include <cmath>

namespace lumora::cli {

namespace {

// The plug-in dialog's range of image numbers.
constexpr int kMaxImageNumber = 100000;

class ArgumentReader
{
public:
    explicit ArgumentReader(const QStringList& arguments) : arguments_(arguments) {}

    bool AtEnd() const { return index_ >= arguments_.size(); }
    QString Next() { return arguments_[index_++]; }

    QString ValueOf(const QString& flag)
    {
        if (AtEnd())
            throw UsageError(QStringLiteral("%1 needs a value").arg(flag).toStdString());
        return Next();
    }

    int IntegerOf(const QString& flag, int lo, int hi)
    {
        const QString text = ValueOf(flag);
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok || v < lo || v > hi)
            throw UsageError(QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
                                 .arg(flag)
                                 .arg(lo)
                                 .arg(hi)
                                 .arg(text)
                                 .toStdString());
        return v;
    }

    double NumberOf(const QString& flag, double lo, double hi)
    {
        const QString text = ValueOf(flag);
        bool ok = false;
        const double v = text.toDouble(&ok); // "." whatever the locale
        if (!ok || !std::isfinite(v) || v < lo || v > hi)
            throw UsageError(QStringLiteral("%1 must be a number from %2 to %3, not '%4'")
                                 .arg(flag)
                                 .arg(lo)
                                 .arg(hi)
                                 .arg(text)
                                 .toStdString());
        return v;
    }

private:
    const QStringList& arguments_;
    qsizetype index_ = 0;
};

// R,G,B, each a whole number 0..hi.
std::array<int, 3> TripleOf(ArgumentReader& reader, const QString& flag, int hi)
{
    const QString text = reader.ValueOf(flag);
    const QStringList parts = text.split(',');
    std::array<int, 3> v{};
    bool ok = parts.size() == 3;
    for (int k = 0; ok && k < 3; ++k) {
        v[static_cast<size_t>(k)] = parts[k].trimmed().toInt(&ok);
        ok = ok && v[static_cast<size_t>(k)] >= 0 && v[static_cast<size_t>(k)] <= hi;
    }
    if (!ok)
        throw UsageError(
            QStringLiteral("%1 takes R,G,B, three whole numbers from 0 to %2, not '%3'")
                .arg(flag)
                .arg(hi)
                .arg(text)
                .toStdString());
    return v;
}

// Letters only, lower case: "Blue Waves", "blue-waves" and "BLUEWAVES" match.
QString NameKey(const QString& name)
{
    QString key;
    for (const QChar c : name.toLower())
        if (c >= 'a' && c <= 'z')
            key += c;
    return key;
}

// One of names (1-based), by name or number.
int ChoiceOf(ArgumentReader& reader, const QString& flag, const QStringList& names)
{
    const QString text = reader.ValueOf(flag);
    bool isNumber = false;
    const int n = text.toInt(&isNumber);
    if (isNumber && n >= 1 && n <= names.size())
        return n;
    for (int k = 0; k < names.size(); ++k)
        if (!text.isEmpty() && NameKey(text) == NameKey(names[k]))
            return k + 1;
    throw UsageError(QStringLiteral("%1 takes one of %2, not '%3'")
                         .arg(flag, names.join(", "), text)
                         .toStdString());
}

QStringList PresetNames()
{
    QStringList names;
    const auto& presets = Tile_tm_RandomDotGradient::Presets();
    for (size_t k = 1; k < presets.size(); ++k)
        names << QString::fromUtf8(presets[k].Caption);
    return names;
}

// What a project file leaves to the command line: the render size and
// quality, the seed, the outputs, the progress bar and the help.
bool IsProjectOption(const QString& flag)
{
    static const QStringList options = {"-o",        "--output",      "--width",    "--height",
                                        "--quality", "--seed",        "--progress", "--help",
                                        "-h",        "--save-project"};
    return options.contains(flag) || !flag.startsWith('-');
}

// The options of --tile-kind; answers false for any other flag.
bool ParseTileKindOption(const QString& flag, ArgumentReader& reader, TileKindRequest& kind)
{
    if (flag == "--tile-kind")
        kind.Kind = ChoiceOf(reader, flag, {"randomdot", "gradient", "image"});
    else if (flag == "--band-height")
        kind.BandHeight = reader.IntegerOf(flag, kMinBandHeight, kMaxBandHeight);
    else if (flag == "--density")
        kind.Density = reader.IntegerOf(flag, 0, 100);
    else if (flag == "--dot-mode")
        kind.DotMode = ChoiceOf(reader, flag, {"multi", "single", "grey"});
    else if (flag == "--dot-colour")
        kind.DotColour = TripleOf(reader, flag, 255);
    else if (flag == "--max-rgb")
        kind.MaxPct = TripleOf(reader, flag, 100);
    else if (flag == "--max-grey")
        kind.MaxGreyPct = reader.IntegerOf(flag, 0, 100);
    else if (flag == "--background")
        kind.Background = TripleOf(reader, flag, 255);
    else if (flag == "--preset")
        kind.Preset = ChoiceOf(reader, flag, PresetNames());
    else
        return false;
    return true;
}

// The kinds (codes 1 to 3) each tile option applies to.
QString KindsOf(const QString& flag)
{
    if (flag == "--tile-kind" || flag == "--band-height" || flag.startsWith("--stretch-"))
        return "123";
    if (flag == "--density" || flag == "--background")
        return "12";
    if (flag == "--preset")
        return "2";
    return "1";
}

void CheckTileKind(RenderRequest& request, const TileKindRequest& kind,
                   const QStringList& kindFlags)
{
    if (kindFlags.isEmpty())
        return;
    if (kind.Kind == 0)
        throw UsageError(
            QStringLiteral("%1 needs --tile-kind").arg(kindFlags.first()).toStdString());
    for (const QString& flag : kindFlags)
        if (!KindsOf(flag).contains(QChar('0' + kind.Kind)))
            throw UsageError(
                QStringLiteral("%1 does not apply to this --tile-kind").arg(flag).toStdString());
    request.TileKind = kind;
}

void CheckProjectRequest(const RenderRequest& request)
{
    if (!request.SceneOptions.isEmpty())
        throw UsageError(QStringLiteral("%1 does not apply to a project file, which brings its "
                                        "own scene and render options")
                             .arg(request.SceneOptions.first())
                             .toStdString());
    if (request.OutputPath.isEmpty() && request.SaveProjectPath.isEmpty())
        throw UsageError("no output file given (-o OUT.png)");
}

void CheckComplete(const RenderRequest& request)
{
    if (request.Help)
        return;
    if (!request.ProjectPath.isEmpty()) {
        CheckProjectRequest(request);
        return;
    }
    if (request.OutputPath.isEmpty() && request.SaveProjectPath.isEmpty())
        throw UsageError("no output file given (-o OUT.png or --save-project FILE.l2p)");
    const bool picturedTile = !request.TileKind || request.TileKind->Kind == 3;
    if (!picturedTile && !request.TilePath.isEmpty())
        throw UsageError("this --tile-kind makes its own tile; drop --tile");
    if (request.TileKind && request.TileKind->Kind == 3 && request.TilePath.isEmpty())
        throw UsageError("--tile-kind image takes its picture from --tile TILE");
    if (request.Example && !request.DepthPath.isEmpty())
        throw UsageError("--example draws its own depth map; drop --depth");
    if (request.Example && !request.TileKind && !request.TilePath.isEmpty())
        throw UsageError("--example draws its own tile; drop --tile or give --tile-kind");
    if (!request.Example && request.DepthPath.isEmpty())
        throw UsageError("give --depth DEPTH and --tile TILE, or --example");
    if (!request.Example && picturedTile && request.TilePath.isEmpty())
        throw UsageError("give --depth DEPTH and --tile TILE, or --example");
}

// The afterburner object a modifier flag applies to: the last one of its
// kind given before it.
AfterburnerRequest& LastOfKind(std::vector<AfterburnerRequest>& objects, int32_t kind,
                               const QString& flag, const char* owner)
{
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        if (it->Kind == kind)
            return *it;
    throw UsageError(QStringLiteral("%1 follows a %2").arg(flag, owner).toStdString());
}

AfterburnerRequest& Added(std::vector<AfterburnerRequest>& objects, int32_t kind)
{
    objects.push_back(AfterburnerRequest{});
    objects.back().Kind = kind;
    return objects.back();
}

// The afterburner options; answers false for any other flag.
bool ParseAfterburnerOption(const QString& flag, ArgumentReader& reader,
                            std::vector<AfterburnerRequest>& objects)
{
    if (flag == "--border")
        Added(objects, 1).Size = reader.IntegerOf(flag, 1, 255);
    else if (flag == "--border-colour")
        LastOfKind(objects, 1, flag, "--border").Colour = TripleOf(reader, flag, 255);
    else if (flag == "--frame")
        Added(objects, 2).Text = reader.ValueOf(flag);
    else if (flag == "--frame-colour")
        LastOfKind(objects, 2, flag, "--frame").Colour = TripleOf(reader, flag, 255);
    else if (flag == "--text") {
        AfterburnerRequest& text = Added(objects, 4);
        text.Text = reader.ValueOf(flag);
        text.Size = 12;
    } else if (flag == "--text-size")
        LastOfKind(objects, 4, flag, "--text").Size = reader.IntegerOf(flag, 1, 100000);
    else if (flag == "--text-anchor")
        LastOfKind(objects, 4, flag, "--text").Anchor = reader.IntegerOf(flag, 1, 6);
    else if (flag == "--text-colour")
        LastOfKind(objects, 4, flag, "--text").Colour = TripleOf(reader, flag, 255);
    else if (flag == "--text-background")
        LastOfKind(objects, 4, flag, "--text").Background = TripleOf(reader, flag, 255);
    else if (flag == "--spots")
        Added(objects, 5).Position = 1;
    else if (flag == "--spots-bottom")
        Added(objects, 5).Position = 2;
    else if (flag == "--overlay")
        Added(objects, 6).Size = reader.IntegerOf(flag, 1, 1000000);
    else if (flag == "--overlay-anchor")
        LastOfKind(objects, 6, flag, "--overlay").Anchor = reader.IntegerOf(flag, 1, 6);
    else
        return false;
    return true;
}

} // namespace

RenderRequest ParseRenderArguments(const QStringList& arguments)
{
    RenderRequest request;
    RenderOptions& o = request.Options;
    bool startGiven = false;
    bool imageNumberGiven = false;
    TileKindRequest kind;
    QStringList kindFlags;
    ArgumentReader reader(arguments);
    while (!reader.AtEnd()) {
        const QString flag = reader.Next();
        if (!IsProjectOption(flag))
            request.SceneOptions << flag;
        if (!flag.startsWith('-')) {
            if (!request.ProjectPath.isEmpty())
                throw UsageError(QStringLiteral("one project file at a time, not also '%1'")
                                     .arg(flag)
                                     .toStdString());
            request.ProjectPath = flag;
        } else if (ParseTileKindOption(flag, reader, kind))
            kindFlags << flag;
        else if (ParseAfterburnerOption(flag, reader, request.Afterburner))
            continue;
        else if (flag == "--progress")
            request.Progress = true;
        else if (flag == "--stretch-smaller" || flag == "--stretch-bigger") {
            (flag == "--stretch-smaller" ? o.RenderOptions_Tile_smaller_stretch
                                         : o.RenderOptions_Tile_bigger_stretch) = true;
            kindFlags << flag;
        } else if (flag == "--seed")
            request.Seed = static_cast<uint32_t>(reader.IntegerOf(flag, 0, 2147483647));
        else if (flag == "--help" || flag == "-h")
            request.Help = true;
        else if (flag == "--example")
            request.Example = true;
        else if (flag == "--depth")
            request.DepthPath = reader.ValueOf(flag);
        else if (flag == "--tile")
            request.TilePath = reader.ValueOf(flag);
        else if (flag == "-o" || flag == "--output")
            request.OutputPath = reader.ValueOf(flag);
        else if (flag == "--dpi")
            o.RenderOptions_RenderDPI = reader.IntegerOf(flag, kMinDpi, kMaxDpi);
        else if (flag == "--eye-screen")
            o.RenderOptions_Settings_AugeScreen =
                reader.NumberOf(flag, kMinDistanceInches, kMaxDistanceInches);
        else if (flag == "--max-depth")
            o.RenderOptions_Settings_max3dtiefe =
                reader.NumberOf(flag, kMinDistanceInches, kMaxDistanceInches);
        else if (flag == "--min-depth")
            o.RenderOptions_Settings_min3dtiefe =
                reader.NumberOf(flag, kMinDistanceInches, kMaxDistanceInches);
        else if (flag == "--tile-width")
            request.TileWidth = reader.IntegerOf(flag, 1, kMaxTileWidth);
        else if (flag == "--quality") {
            request.Quality = SelectQuality(
                reader.IntegerOf(flag, 0, static_cast<int>(QualityItems().size()) - 1));
            o.RenderOptions_Settings_quality = *request.Quality;
        } else if (flag == "--width")
            request.Width = reader.IntegerOf(flag, kMinRenderPixels, kMaxRenderPixels);
        else if (flag == "--height")
            request.Height = reader.IntegerOf(flag, kMinRenderPixels, kMaxRenderPixels);
        else if (flag == "--save-project")
            request.SaveProjectPath = reader.ValueOf(flag);
        else if (flag == "--direction")
            o.RenderOptions_Settings_renderdirection = reader.IntegerOf(flag, 1, 4);
        else if (flag == "--start") {
            o.RenderOptions_Settings_customrenderdirection =
                reader.IntegerOf(flag, kMinRenderPixels, kMaxRenderPixels);
            startGiven = true;
        } else if (flag == "--plugin")
            request.PlugInPath = reader.ValueOf(flag);
        else if (flag == "--model")
            request.ModelPath = reader.ValueOf(flag);
        else if (flag == "--text3d") {
            request.Text3D = reader.ValueOf(flag);
            if (request.Text3D.isEmpty())
                throw UsageError("--text3d needs a text");
        } else if (flag == "--image-number") {
            request.ImageNumber = reader.IntegerOf(flag, 0, kMaxImageNumber);
            imageNumberGiven = true;
        } else if (flag == "--cross-eye")
            o.RenderOptions_Settings_Divergenz = false;
        else
            throw UsageError(
                QStringLiteral("unknown argument '%1' (see --help)").arg(flag).toStdString());
    }
    if (startGiven && o.RenderOptions_Settings_renderdirection != 4)
        throw UsageError("--start needs --direction 4");
    o.RenderOptions_Settings_quality = SelectQuality(o.RenderOptions_Settings_quality);
    CheckTileKind(request, kind, kindFlags);
    if (imageNumberGiven && request.PlugInPath.isEmpty())
        throw UsageError("--image-number needs --plugin FILE.lpi");
    CheckComplete(request);
    return request;
}

QString UsageText()
{
    return QStringLiteral(
        "usage: lumora-render --depth DEPTH --tile TILE -o OUT [options]\n"
        "       lumora-render --depth DEPTH --tile-kind KIND -o OUT [options]\n"
        "       lumora-render --example -o OUT [options]\n"
        "       lumora-render PROJECT.l2p -o OUT [--width W] [--height H] [--quality N]\n"
        "       lumora-render --example --save-project FILE.l2p [options]\n"
        "\n"
        "Renders a single-image stereogram. The render size is the depth picture's\n"
        "size; the depth picture is read as grey (brighter is nearer), the tile is\n"
        "scaled to the tile width with its proportions kept and repeated downwards.\n"
        "Pictures are read from BMP, JPEG, PCX, Targa and PNG files; the extension\n"
        "of OUT (.bmp, .jpg, .tga, .tif, .png) chooses the format written.\n"
        "A project file (.l2p) is rendered with its own objects and render options.\n"
        "\n"
        "  --width PIXELS       render width, 1..10000 (the depth picture's, 600 for\n"
        "                       the example, the project's render options)\n"
        "  --height PIXELS      render height, 1..10000 (likewise)\n"
        "  --save-project FILE.l2p  save the scene (or the project read) as a project\n"
        "                       file that the program opens; -o is then optional\n"
        "  --dpi N              resolution, 1..10000 (72)\n"
        "  --eye-screen INCHES  eye-to-screen distance, 1..1000 (14)\n"
        "  --max-depth INCHES   far plane behind the screen, 1..1000 (14)\n"
        "  --min-depth INCHES   near plane behind the screen, 1..1000 (8)\n"
        "  --tile-width PIXELS  tile width (computed from the three above)\n"
        "  --quality N          0 Draft, 1 Low, 2 Normal, 3 High, 4 Best,\n"
        "                       6 Optimized for Print (0)\n"
        "  --direction N        1 left to right, 2 centre, 3 right to left,\n"
        "                       4 custom (2)\n"
        "  --start PIXELS       start column with --direction 4 (300)\n"
        "  --plugin FILE.lpi    draw a plug-in over the whole depth map\n"
        "  --model FILE         a 3D model (DXF, 3DS, ASC, RPL, L3M) over the whole\n"
        "                       depth map\n"
        "  --text3d TEXT        a 3D text over the whole depth map\n"
        "  --image-number N     the plug-in's image number, 0..100000 (0)\n"
        "  --cross-eye          render for crossed eyes\n"
        "\n"
        "In place of a tile picture, --tile-kind makes the tile map of one tile object:\n"
        "  --tile-kind KIND     randomdot, gradient, or image (its picture from --tile)\n"
        "  --band-height PIXELS band height, 1..100000 (randomdot 100, gradient 300,\n"
        "                       image: the picture's proportions at the tile width)\n"
        "  --density PCT        randomdot, gradient: share of dots, 0..100 (50)\n"
        "  --background R,G,B   randomdot, gradient: background colour (0,0,0)\n"
        "  --dot-mode MODE      randomdot: multi, single or grey (multi)\n"
        "  --max-rgb R,G,B      randomdot multi: upper limits in percent (50,50,50)\n"
        "  --dot-colour R,G,B   randomdot single: dot colour (255,255,255)\n"
        "  --max-grey PCT       randomdot grey: upper limit in percent (50)\n"
        "  --preset NAME        gradient: Simple, Blue Waves, Rainbow, Caipirinha,\n"
        "                       Waterfall, Tabasco, Sunflower (Simple)\n"
        "  --stretch-smaller    stretch a lower tile map to the height (else repeat)\n"
        "  --stretch-bigger     stretch a higher tile map to the height (else cut)\n"
        "  --seed N             seed the random patterns, 0..2147483647 (the clock)\n"
        "\n"
        "Afterburner objects, laid over the stereogram in the order given; each\n"
        "modifier applies to the last object of its kind before it:\n"
        "  --border PIXELS      a border on all four sides, 1..255\n"
        "  --border-colour R,G,B  its colour (0,0,0)\n"
        "  --frame PICTURE      a frame: the picture's grey lets the stereogram\n"
        "                       through where white, shows the colour where black\n"
        "  --frame-colour R,G,B its colour (0,0,0)\n"
        "  --text TEXT          a line of text\n"
        "  --text-size POINTS   its size at 96 pixels per inch, 1..100000 (12)\n"
        "  --text-anchor N      1 top left, 2 top centre, 3 top right, 4 bottom left,\n"
        "                       5 bottom centre, 6 bottom right (1)\n"
        "  --text-colour R,G,B  its colour (0,0,0)\n"
        "  --text-background R,G,B  a box of this colour behind it\n"
        "  --spots              two viewing-aid spots one tile width apart, at the top\n"
        "  --spots-bottom       the same at the bottom\n"
        "  --overlay PIXELS     the depth map as a legend, this wide, 1..1000000\n"
        "  --overlay-anchor N   its place, as --text-anchor (1)\n"
        "\n"
        "  --progress           a progress bar on stderr even when it is no terminal\n"
        "                       (on a terminal it shows for renders that take a while)\n");
}

} // namespace lumora::cli
