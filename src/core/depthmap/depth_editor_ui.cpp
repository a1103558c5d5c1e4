#include "depthmap/depth_editor_ui.h"

#include "depthmap/depth_kinds.h"

namespace lumora {

QString DepthEditorUi::DefaultObjectName(int32_t kind) const
{
    return DefaultNameKey(kind);
}

} // namespace lumora
