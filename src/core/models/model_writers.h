#pragma once
// Writers of model files, used to make the installation's primitives from
// their text sources: DXF files of 3DFACE entities and 3D Studio files of
// one mesh. Vertices are written as placed (placement, then offset).

#include "models/model3d.h"

#include <QByteArray>
#include <QString>

namespace lumora {

// One 3DFACE per triangle, the fourth corner repeating the third.
QByteArray ToDXF(const Model3D& model);

// One mesh of shared vertices, every face in smoothing group 1. Raises
// LumoraError when the mesh exceeds the format's 65535 vertices or faces
// or the file cannot be written.
void Write3DS(const Model3D& model, const QString& fileName, const QString& meshName);

} // namespace lumora
