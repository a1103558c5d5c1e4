#include "render_command_line.h"

#include <cmath>

namespace lumora::cli {

namespace {

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

void CheckComplete(const RenderRequest& request)
{
    if (request.Help)
        return;
    if (request.OutputPath.isEmpty())
        throw UsageError("no output file given (-o OUT.png)");
    if (request.Example && (!request.DepthPath.isEmpty() || !request.TilePath.isEmpty()))
        throw UsageError("--example draws its own depth map and tile; drop --depth and --tile");
    if (!request.Example && (request.DepthPath.isEmpty() || request.TilePath.isEmpty()))
        throw UsageError("give --depth DEPTH and --tile TILE, or --example");
}

} // namespace

RenderRequest ParseRenderArguments(const QStringList& arguments)
{
    RenderRequest request;
    RenderOptions& o = request.Options;
    bool startGiven = false;
    ArgumentReader reader(arguments);
    while (!reader.AtEnd()) {
        const QString flag = reader.Next();
        if (flag == "--help" || flag == "-h")
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
        else if (flag == "--quality")
            o.RenderOptions_Settings_quality =
                reader.IntegerOf(flag, 0, static_cast<int>(QualityItems().size()) - 1);
        else if (flag == "--direction")
            o.RenderOptions_Settings_renderdirection = reader.IntegerOf(flag, 1, 4);
        else if (flag == "--start") {
            o.RenderOptions_Settings_customrenderdirection =
                reader.IntegerOf(flag, kMinRenderPixels, kMaxRenderPixels);
            startGiven = true;
        } else if (flag == "--cross-eye")
            o.RenderOptions_Settings_Divergenz = false;
        else
            throw UsageError(
                QStringLiteral("unknown argument '%1' (see --help)").arg(flag).toStdString());
    }
    if (startGiven && o.RenderOptions_Settings_renderdirection != 4)
        throw UsageError("--start needs --direction 4");
    o.RenderOptions_Settings_quality = SelectQuality(o.RenderOptions_Settings_quality);
    CheckComplete(request);
    return request;
}

QString UsageText()
{
    return QStringLiteral(
        "usage: lumora-render --depth DEPTH --tile TILE -o OUT [options]\n"
        "       lumora-render --example -o OUT [options]\n"
        "\n"
        "Renders a single-image stereogram. The render size is the depth picture's\n"
        "size; the depth picture is read as grey (brighter is nearer), the tile is\n"
        "scaled to the tile width with its proportions kept and repeated downwards.\n"
        "Pictures are read from BMP, JPEG, PCX, Targa and PNG files; the extension\n"
        "of OUT (.bmp, .jpg, .tga, .tif, .png) chooses the format written.\n"
        "\n"
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
        "  --cross-eye          render for crossed eyes\n");
}

} // namespace lumora::cli
