#pragma once
// Builds depth objects from their kind codes when a project is read. Each
// subsystem that defines kinds registers them (this library: the shapes
// and the group; plug-ins and 3D objects in their own libraries), so the
// project reader knows every kind without this library knowing theirs.

#include "common/numeric.h"
#include "depthmap/tool_dm.h"

#include <functional>
#include <map>
#include <memory>

namespace lumora {

class ProjectStreamReader;

class DepthKindRegistry
{
public:
    using Factory = std::function<std::unique_ptr<Tool_dm>()>;
    // Builds a kind from a rectangle dragged in the editor (left, top,
    // width, height) and the drag directions (1, 2, 3 as for the line).
    using DragFactory = std::function<std::unique_ptr<Tool_dm>(int32_t id, const IntRect& rect,
                                                               uint8_t dirX, uint8_t dirY)>;

    void Register(int32_t kind, Factory factory);
    bool Knows(int32_t kind) const;
    // An object of the kind made with its zero-argument constructor;
    // nullptr for a code nobody registered.
    std::unique_ptr<Tool_dm> Create(int32_t kind) const;
    // Creates the kind and reads its record; nullptr (nothing read) for an
    // unregistered code.
    std::unique_ptr<Tool_dm> Read(int32_t kind, ProjectStreamReader& stream) const;

    // The kinds the editor creates straight from a drag (1 to 4, 6 to 11).
    void RegisterDragCreation(int32_t kind, DragFactory factory);
    bool CreatesFromDrag(int32_t kind) const;
    std::unique_ptr<Tool_dm> CreateFromDrag(int32_t kind, int32_t id, const IntRect& rect,
                                            uint8_t dirX, uint8_t dirY) const;

    template <typename T> void Register()
    {
        Register(T::KindCode, [] { return std::make_unique<T>(); });
    }

private:
    std::map<int32_t, Factory> factories_;
    std::map<int32_t, DragFactory> dragFactories_;
};

// The kinds defined in the depth-map library.
void RegisterDepthmapKinds(DepthKindRegistry& registry);

} // namespace lumora
