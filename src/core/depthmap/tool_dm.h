#pragma once
// Tool_dm: the base of every depth object. It holds the fields all kinds
// share, the virtual operations every kind answers, and the base part of
// the stored record. Geometry is in editor pixels of the depth-map
// composer; the render scales it (see depth_composition.h).
//
// Operations that need to see other objects (a group selects its members,
// a member looks at its parent in the tree) receive the object list; an
// object holds no reference to the list it lives in.

#include "depthmap/box.h"
#include "depthmap/object_tree.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace lumora {

class DepthObjects;
class ProjectStreamReader;
class ProjectStreamWriter;
class TPixelEngine256;

class Tool_dm
{
public:
    // Create(Kind, Id): every field at its initial value.
    Tool_dm(int32_t kind, int32_t id);
    virtual ~Tool_dm() = default;
    Tool_dm& operator=(const Tool_dm&) = delete;

    // Capability flags: follow from the kind, never stored.
    bool CanInvert = true;
    bool CanMirrorH = true;
    bool CanMirrorV = true;
    bool HasDepth = false;

    int32_t Id = 0;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    QString Name;
    bool Invert = false;
    bool MirrorH = false;
    bool MirrorV = false;
    bool Visible = true;
    bool Selected = false;
    int32_t ParentId = -1;
    int32_t Kind = 0;
    uint8_t Depth = 0;

    // Slots 0 to 11.
    virtual bool HitTest(int32_t x, int32_t y) const;
    virtual int32_t Deselect(int32_t count, DepthObjects& objects);
    virtual int32_t Select(int32_t count, DepthObjects& objects);
    virtual void SetPosition(int32_t x, int32_t y);
    virtual void SetSize(int32_t w, int32_t h, bool rebuild);
    virtual void SetFlags(bool invert, bool mirrorH, bool mirrorV, bool rebuild);
    virtual ObjectTree::NodeId AddToTree(ObjectTree& tree, ObjectTree::NodeId before,
                                         const DepthObjects& objects) const;
    virtual void SelectInTree(ObjectTree& tree, int32_t nodeIndex,
                              const DepthObjects& objects) const;
    virtual void Draw(TPixelEngine256& engine);
    virtual void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h);
    virtual void DrawClipped(TPixelEngine256& engine, const Box& clipRect);
    virtual void SaveToStream(ProjectStreamWriter& stream) const;

    // Reads the record SaveToStream wrote, into an object made with the
    // kind's zero-argument constructor.
    virtual void LoadFromStream(ProjectStreamReader& stream);
    // An independent copy with another id; owned lists and pictures are
    // copied. The bare base class copies to a bare Tool_dm (the snapshots
    // of the undo history).
    virtual std::unique_ptr<Tool_dm> Clone(int32_t newId) const;
    // The pixels of the pictures the object keeps (built or given), so a
    // reader can refuse a file whose objects would take all memory.
    virtual int64_t HeldPicturePixels() const { return 0; }

    void LoadBase(ProjectStreamReader& stream);

    // The object's rectangle (Left, Top, Left + Width, Top + Height).
    Box Bounds() const { return BoxOf(Left, Top, Width, Height); }
    bool IntersectsArea(const Box& area, Box& common) const;

    // The grey of one-depth kinds: Depth, or 255 - Depth when inverted.
    uint8_t Grey() const { return Invert ? static_cast<uint8_t>(255 - Depth) : Depth; }

protected:
    Tool_dm(const Tool_dm&) = default;

    // Draw as Render at the object's own rectangle, and DrawClipped as
    // that with drawing restricted to the clip rectangle.
    void DrawAtBounds(TPixelEngine256& engine);
    void DrawAtBoundsClipped(TPixelEngine256& engine, const Box& clipRect);

    template <typename T> static std::unique_ptr<Tool_dm> CloneAs(const T& self, int32_t newId)
    {
        auto copy = std::unique_ptr<T>(new T(self));
        copy->Id = newId;
        return copy;
    }
};

} // namespace lumora
