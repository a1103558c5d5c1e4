#pragma once
// The options of lumora-render, one row each: how each is read, how --help
// lists it and whether it applies to a project file.

#include "render_command_line.h"

#include <QStringList>
#include <span>

namespace lumora::cli {

class ArgumentReader;

// What the options build while the command line is read.
struct ParseState
{
    RenderRequest Request;
    TileKindRequest TileKind;
    QStringList TileKindFlags; // the tile-kind options given, in order
    bool StartGiven = false;
    bool ImageNumberGiven = false;
};

// The paragraphs of --help, in their order.
enum class OptionGroup
{
    Render,
    TileKind,
    Afterburner,
    Output,
};

struct RenderOption
{
    const char* Flag = "";
    const char* Alias = nullptr; // another name for it
    const char* Value = "";      // the value's name in --help, "" for a switch
    OptionGroup Group = OptionGroup::Render;
    // Whether a project file leaves the option to the command line; any other
    // option builds a scene, which a project file brings along itself.
    bool ForProject = false;
    // The tile kinds (codes '1' to '3') a tile-kind option applies to; "" for
    // every other option.
    const char* TileKinds = "";
    // The lines --help shows after the value, "\n" between them; "" keeps the
    // option out of the list (the usage lines show it).
    const char* Help = "";
    // Reads the option's value from reader (the flag is already read) into
    // the state.
    void (*Apply)(ParseState& state, ArgumentReader& reader, const QString& flag) = nullptr;
};

// Every option, in the order --help lists them within their groups.
std::span<const RenderOption> RenderOptionTable();

// The row whose flag or alias is flag, or nullptr.
const RenderOption* FindRenderOption(const QString& flag);

// The text --help shows above a group's options ("" for none).
const char* OptionGroupIntro(OptionGroup group);

} // namespace lumora::cli
