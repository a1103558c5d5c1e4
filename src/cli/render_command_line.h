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
#include <vector>

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

// An afterburner object laid over the stereogram, in command-line order.
struct AfterburnerRequest
{
    int32_t Kind = 0; // 1 border, 2 frame, 4 text, 5 spots, 6 depth-map overlay
    int Size = 0;     // border thickness, text points, overlay width
    int Anchor = 1;   // text and overlay: 1..6 as "Ausrichtung"
    int Position = 1; // spots: 1 top, 2 bottom
    std::array<int, 3> Colour{0, 0, 0};
    std::optional<std::array<int, 3>> Background; // text: a box behind it
    QString Text;                                 // the text, or the frame picture
};

// --thumbnail SIZE PROJECT.l2p OUT.png: a file manager's thumbnail.
struct ThumbnailRequest
{
    int Size = 0; // the longer side in pixels
    QString ProjectPath;
    QString OutputPath;
};

struct RenderRequest
{
    bool Example = false;
    bool Help = false;
    // A project file to render in place of a scene built from the options;
    // its render options are used, with Width, Height and Quality over them.
    QString ProjectPath;
    // Where the project (the scene built, or the project read) is saved.
    QString SaveProjectPath;
    std::optional<int> Width;
    std::optional<int> Height;
    std::optional<int> Quality;
    // The options given that build a scene, which a project file brings
    // along itself.
    QStringList SceneOptions;
    QString DepthPath;
    QString TilePath;
    QString OutputPath;
    std::optional<int> TileWidth; // otherwise computed from the geometry
    std::optional<TileKindRequest> TileKind;
    std::optional<uint32_t> Seed; // otherwise the clock
    std::vector<AfterburnerRequest> Afterburner;
    bool Progress = false; // a progress bar on stderr even when it is no terminal
    QString PlugInPath;    // a plug-in drawn over the whole depth map
    int ImageNumber = 0;
    QString ModelPath; // a 3D model over the whole depth map
    QString Text3D;    // a 3D text over the whole depth map
    // Given, it is the whole command.
    std::optional<ThumbnailRequest> Thumbnail;
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
