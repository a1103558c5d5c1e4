#include "depthmap/picture_kinds.h"

#include "depthmap/depth_kind_registry.h"
#include "depthmap/tool_dm_blend.h"
#include "depthmap/tool_dm_gradient_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_rectangle.h"
#include "depthmap/tool_dm_gradient_rectangle.h"
#include "depthmap/tool_dm_image.h"
#include "depthmap/tool_dm_radial_wave.h"
#include "depthmap/tool_dm_wave.h"

namespace lumora {

namespace {
template <typename T> void RegisterWithDrag(DepthKindRegistry& registry)
{
    registry.Register<T>();
    registry.RegisterDragCreation(T::KindCode, [](int32_t id, const IntRect& r, uint8_t, uint8_t) {
        return std::make_unique<T>(id, r.Left, r.Top, r.Width, r.Height);
    });
}
} // namespace

void RegisterPictureKinds(DepthKindRegistry& registry)
{
    RegisterWithDrag<Tool_dm_Gradient_Rectangle>(registry);
    RegisterWithDrag<Tool_dm_Gradient_Ellipse>(registry);
    RegisterWithDrag<Tool_dm_Gradient_Radial_Rectangle>(registry);
    RegisterWithDrag<Tool_dm_Gradient_Radial_Ellipse>(registry);
    RegisterWithDrag<Tool_dm_Wave>(registry);
    RegisterWithDrag<Tool_dm_Radial_Wave>(registry);
    // The image and the blend are made by their dialogs.
    registry.Register<Tool_dm_Image>();
    registry.Register<Tool_dm_Blend>();
}

} // namespace lumora
