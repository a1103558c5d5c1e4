#pragma once
// The command line of lumora-render: what to render and with which render
// options.

#include "rendering/render_options.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace lumora::cli {

// A tile map of one tile object (--tile-kind) in place of a tile picture.
struct TileKindRequest
{
    int32_t Kind = 0;              // 1 random dots, 2 random-dot gradient, 3 image
    std::optional<int> BandHeight; // otherwise the kind's own (image: proportions kept)
    int Density = 50;
    int DotMode = 1; // 1 multicoloured, 2 one colour, 3 greys
    std::array<int, 3> DotColour{255, 255, 255};
    std::array<int, 3> MaxPct{50, 50, 50}; // red, green, blue
    int MaxGreyPct = 50;
    std::array<int, 3> Background{0, 0, 0};
    int Preset = 1; // "Simple"
};

struct RenderRequest
{
    bool Example = false;
    bool Help = false;
    QString DepthPath;
    QString TilePath;
    QString OutputPath;
    std::optional<int> TileWidth; // otherwise computed from the geometry
    std::optional<TileKindRequest> TileKind;
    std::optional<uint32_t> Seed; // otherwise the clock
    QString PlugInPath;           // a plug-in drawn over the whole depth map
    int ImageNumber = 0;
    RenderOptions Options;
};

// A wrong argument; the text is the one line printed on stderr.
class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Parses the arguments after the program name. Throws UsageError.
RenderRequest ParseRenderArguments(const QStringList& arguments);

// The usage text printed for --help.
QString UsageText();

} // namespace lumora::cli
