#pragma once
// The command line of lumora-render: what to render and with which render
// options.

#include "rendering/render_options.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace lumora::cli {

struct RenderRequest
{
    bool Example = false;
    bool Help = false;
    QString DepthPath;
    QString TilePath;
    QString OutputPath;
    std::optional<int> TileWidth; // otherwise computed from the geometry
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
