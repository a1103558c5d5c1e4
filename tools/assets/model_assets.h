#pragma once
// The 3D primitives of the "data" folder, written from their model-text
// sources (assets/data/*.l3m) as DXF or 3D Studio files, by the extension
// of the output.

#include <QString>

namespace lumora {

// Raises LumoraError when the source cannot be read or the output written.
void WriteModelAsset(const QString& source, const QString& output);

} // namespace lumora
