#include "render_command_line.h"

#include "argument_reader.h"
#include "render_option_table.h"

#include <QByteArray>

namespace lumora::cli {

namespace {

// Where --help starts a value's help text: two spaces at least after a long
// flag and value.
constexpr qsizetype kHelpColumn = 23;

void CheckTileKind(RenderRequest& request, const TileKindRequest& kind,
                   const QStringList& kindFlags)
{
    if (kindFlags.isEmpty())
        return;
    if (kind.Kind == 0)
        throw UsageError(
            QStringLiteral("%1 needs --tile-kind").arg(kindFlags.first()).toStdString());
    for (const QString& flag : kindFlags)
        if (!QByteArray(FindRenderOption(flag)->TileKinds)
                 .contains(static_cast<char>('0' + kind.Kind)))
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
    if (request.Help || request.Thumbnail)
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

// A project file refuses the options that build a scene; it is named by the
// one argument that is no option.
void ApplyArgument(const QString& argument, ArgumentReader& reader, ParseState& state)
{
    RenderRequest& request = state.Request;
    if (!argument.startsWith('-')) {
        if (!request.ProjectPath.isEmpty())
            throw UsageError(QStringLiteral("one project file at a time, not also '%1'")
                                 .arg(argument)
                                 .toStdString());
        request.ProjectPath = argument;
        return;
    }
    const RenderOption* option = FindRenderOption(argument);
    if (option == nullptr)
        throw UsageError(
            QStringLiteral("unknown argument '%1' (see --help)").arg(argument).toStdString());
    if (!option->ForProject)
        request.SceneOptions << argument;
    option->Apply(state, reader, argument);
    if (*option->TileKinds != '\0')
        state.TileKindFlags << argument;
}

// "  --flag VALUE        help", further lines of help under the first.
QString HelpLines(const RenderOption& option)
{
    QString left = QStringLiteral("  ") + QLatin1String(option.Flag);
    if (*option.Value != '\0')
        left += QChar(' ') + QLatin1String(option.Value);
    const QString indent(kHelpColumn, QChar(' '));
    left += left.size() < kHelpColumn ? QString(kHelpColumn - left.size(), QChar(' '))
                                      : QStringLiteral("  ");
    QString text;
    for (const QString& line : QString::fromUtf8(option.Help).split('\n'))
        text += (text.isEmpty() ? left : indent) + line + QChar('\n');
    return text;
}

QString GroupHelp(OptionGroup group)
{
    QString text = QStringLiteral("\n");
    if (*OptionGroupIntro(group) != '\0')
        text += QString::fromUtf8(OptionGroupIntro(group)) + QChar('\n');
    for (const RenderOption& option : RenderOptionTable())
        if (option.Group == group && *option.Help != '\0')
            text += HelpLines(option);
    return text;
}

} // namespace

RenderRequest ParseRenderArguments(const QStringList& arguments)
{
    ParseState state;
    ArgumentReader reader(arguments);
    while (!reader.AtEnd())
        ApplyArgument(reader.Next(), reader, state);
    RenderRequest& request = state.Request;
    // The thumbnailer's command line is fixed: nothing may change its picture.
    if (request.Thumbnail && arguments.size() != 4)
        throw UsageError("--thumbnail SIZE PROJECT.l2p OUT.png takes no other arguments");
    RenderOptions& o = request.Options;
    if (state.StartGiven && o.RenderOptions_Settings_renderdirection != 4)
        throw UsageError("--start needs --direction 4");
    o.RenderOptions_Settings_quality = SelectQuality(o.RenderOptions_Settings_quality);
    CheckTileKind(request, state.TileKind, state.TileKindFlags);
    if (state.ImageNumberGiven && request.PlugInPath.isEmpty())
        throw UsageError("--image-number needs --plugin FILE.lpi");
    CheckComplete(request);
    return request;
}

QString UsageText()
{
    QString text = QStringLiteral(
        "usage: lumora-render --depth DEPTH --tile TILE -o OUT [options]\n"
        "       lumora-render --depth DEPTH --tile-kind KIND -o OUT [options]\n"
        "       lumora-render --example -o OUT [options]\n"
        "       lumora-render PROJECT.l2p -o OUT [--width W] [--height H] [--quality N]\n"
        "       lumora-render --example --save-project FILE.l2p [options]\n"
        "       lumora-render --thumbnail SIZE PROJECT.l2p OUT.png\n"
        "\n"
        "Renders a single-image stereogram. The render size is the depth picture's\n"
        "size; the depth picture is read as grey (brighter is nearer), the tile is\n"
        "scaled to the tile width with its proportions kept and repeated downwards.\n"
        "Pictures are read from BMP, JPEG, PCX, Targa and PNG files; the extension\n"
        "of OUT (.bmp, .jpg, .tga, .tif, .png) chooses the format written.\n"
        "A project file (.l2p) is rendered with its own objects and render options.\n");
    for (const OptionGroup group : {OptionGroup::Render, OptionGroup::TileKind,
                                    OptionGroup::Afterburner, OptionGroup::Output})
        text += GroupHelp(group);
    return text;
}

} // namespace lumora::cli
