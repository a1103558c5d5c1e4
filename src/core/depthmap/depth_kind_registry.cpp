#include "depthmap/depth_kind_registry.h"

#include "depthmap/picture_kinds.h"
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_polygon.h"
#include "depthmap/tool_dm_rectangle.h"
#include "depthmap/tool_dm_text.h"

namespace lumora {

void DepthKindRegistry::Register(int32_t kind, Factory factory)
{
    factories_[kind] = std::move(factory);
}

bool DepthKindRegistry::Knows(int32_t kind) const
{
    return factories_.contains(kind);
}

std::unique_ptr<Tool_dm> DepthKindRegistry::Create(int32_t kind) const
{
    const auto it = factories_.find(kind);
    return it == factories_.end() ? nullptr : it->second();
}

std::unique_ptr<Tool_dm> DepthKindRegistry::Read(int32_t kind, ProjectStreamReader& stream) const
{
    auto object = Create(kind);
    if (object)
        object->LoadFromStream(stream);
    return object;
}

void DepthKindRegistry::RegisterDragCreation(int32_t kind, DragFactory factory)
{
    dragFactories_[kind] = std::move(factory);
}

bool DepthKindRegistry::CreatesFromDrag(int32_t kind) const
{
    return dragFactories_.contains(kind);
}

std::unique_ptr<Tool_dm> DepthKindRegistry::CreateFromDrag(int32_t kind, int32_t id,
                                                           const IntRect& rect, uint8_t dirX,
                                                           uint8_t dirY) const
{
    const auto it = dragFactories_.find(kind);
    return it == dragFactories_.end() ? nullptr : it->second(id, rect, dirX, dirY);
}

namespace {
template <typename T> void RegisterRectangleDrag(DepthKindRegistry& registry)
{
    registry.RegisterDragCreation(T::KindCode, [](int32_t id, const IntRect& r, uint8_t, uint8_t) {
        return std::make_unique<T>(id, r.Left, r.Top, r.Width, r.Height);
    });
}
} // namespace

void RegisterDepthmapKinds(DepthKindRegistry& registry)
{
    registry.Register<Tool_dm_Rectangle>();
    registry.Register<Tool_dm_Ellipse>();
    registry.Register<Tool_dm_line>();
    registry.Register<Tool_dm_polygon>();
    registry.Register<Tool_dm_Text>();
    registry.Register<Tool_dm_Group>();

    RegisterRectangleDrag<Tool_dm_Rectangle>(registry);
    RegisterRectangleDrag<Tool_dm_Ellipse>(registry);
    RegisterRectangleDrag<Tool_dm_polygon>(registry);
    registry.RegisterDragCreation(
        Tool_dm_line::KindCode, [](int32_t id, const IntRect& r, uint8_t dirX, uint8_t dirY) {
            return std::make_unique<Tool_dm_line>(id, r.Left, r.Top, r.Width, r.Height, dirX, dirY);
        });
    RegisterPictureKinds(registry);
}

} // namespace lumora
