#pragma once
// The text source of a plug-in under assets/PlugIns: sections headed by a
// line "[Name]", "[Description]", "[Author]", "[Country]", "[E-Mail]",
// "[Internet]" or "[Script]", each followed by its lines. Script and
// description lines are taken verbatim; blank lines at the end of a section
// are dropped. The one-line sections hold at most one non-blank line.

#include "plugins/plugin_file.h"

#include <QString>

namespace lumora {

// Throws LumoraError naming the line for a malformed source.
PlugInFile ParsePlugInSource(const QString& text);

} // namespace lumora
