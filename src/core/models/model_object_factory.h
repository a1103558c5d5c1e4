#pragma once
// 3D depth objects made without the dialog, as the dialog makes them when
// its defaults are confirmed unchanged: a model file at the scale its
// extent chooses, or a text in the new-text view. Used by the command-line
// renderer to put a 3D object into a scene.

#include "common/numeric.h"
#include "models/tool_dm_3d.h"

#include <QString>

#include <memory>

namespace lumora {

// Raises LumoraError when the file cannot be read or holds no model.
std::unique_ptr<Tool_dm_3d_model> MakeModelObject(const QString& fileName, int32_t id,
                                                  const IntRect& rect);

std::unique_ptr<Tool_dm_3d_text> MakeTextObject(const QString& text, int32_t id,
                                                const IntRect& rect,
                                                const QString& fontName = QStringLiteral("Arial"));

} // namespace lumora
