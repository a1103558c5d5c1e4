#include "depthmap/tool_dm.h"

#include "common/lumora_error.h"
#include "depthmap/depth_objects.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <string>

namespace lumora {

Tool_dm::Tool_dm(int32_t kind, int32_t id) : Id(id), Kind(kind) {}

bool Tool_dm::HitTest(int32_t x, int32_t y) const
{
    if (!Visible)
        return false;
    const Box b = Bounds();
    return x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom;
}

int32_t Tool_dm::Deselect(int32_t count, DepthObjects&)
{
    if (!Selected)
        return count;
    Selected = false;
    return count > 0 ? count - 1 : 0;
}

int32_t Tool_dm::Select(int32_t count, DepthObjects&)
{
    if (Selected)
        return count;
    Selected = true;
    return count + 1;
}

void Tool_dm::SetPosition(int32_t x, int32_t y)
{
    Left = x;
    Top = y;
}

void Tool_dm::SetSize(int32_t w, int32_t h, bool)
{
    Width = w;
    Height = h;
}

void Tool_dm::SetFlags(bool invert, bool mirrorH, bool mirrorV, bool)
{
    Invert = invert;
    MirrorH = mirrorH;
    MirrorV = mirrorV;
}

ObjectTree::NodeId Tool_dm::AddToTree(ObjectTree& tree, ObjectTree::NodeId before,
                                      const DepthObjects&) const
{
    return tree.InsertBefore(before, Name, Kind, Id);
}

void Tool_dm::SelectInTree(ObjectTree& tree, int32_t nodeIndex, const DepthObjects& objects) const
{
    // A member of a selected group is shown by the group's node.
    const Tool_dm* parent = objects.FindObject(ParentId);
    if (ParentId != -1 && parent && parent->Selected)
        return;
    if (Selected)
        tree.AddToSelection(tree.NodeAtAbsoluteIndex(nodeIndex));
}

void Tool_dm::Draw(TPixelEngine256&) {}

void Tool_dm::Render(TPixelEngine256&, int32_t, int32_t, int32_t, int32_t) {}

void Tool_dm::DrawClipped(TPixelEngine256&, const Box&) {}

void Tool_dm::DrawAtBounds(TPixelEngine256& engine)
{
    Render(engine, Left, Top, Width, Height);
}

void Tool_dm::DrawAtBoundsClipped(TPixelEngine256& engine, const Box& clipRect)
{
    engine.SetClipRect(clipRect.Left, clipRect.Top, clipRect.Right, clipRect.Bottom);
    Render(engine, Left, Top, Width, Height);
    engine.ResetClip();
}

bool Tool_dm::IntersectsArea(const Box& area, Box& common) const
{
    return IntersectBoxes(Bounds(), area, common);
}

void Tool_dm::SaveToStream(ProjectStreamWriter& stream) const
{
    stream.WriteInt32(Left);
    stream.WriteInt32(Top);
    stream.WriteInt32(Width);
    stream.WriteInt32(Height);
    stream.WriteInt32(Id);
    stream.WriteText(Name);
    stream.WriteBool(Invert);
    stream.WriteBool(MirrorH);
    stream.WriteBool(MirrorV);
    stream.WriteBool(Visible);
    stream.WriteBool(Selected);
    stream.WriteInt32(ParentId);
    stream.WriteInt32(Kind);
}

void Tool_dm::LoadBase(ProjectStreamReader& stream)
{
    Left = stream.ReadInt32();
    Top = stream.ReadInt32();
    Width = stream.ReadInt32();
    Height = stream.ReadInt32();
    Id = stream.ReadInt32();
    Name = stream.ReadText();
    Invert = stream.ReadBool();
    MirrorH = stream.ReadBool();
    MirrorV = stream.ReadBool();
    Visible = stream.ReadBool();
    Selected = stream.ReadBool();
    ParentId = stream.ReadInt32();
    // The kind code stands before the record and again here; an object
    // whose two codes differ would be read as one kind and used as another.
    const int32_t storedKind = stream.ReadInt32();
    if (storedKind != Kind)
        throw LumoraError("The data is damaged: an object of kind " + std::to_string(Kind) +
                          " carries the kind code " + std::to_string(storedKind) + ".");
}

void Tool_dm::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
}

std::unique_ptr<Tool_dm> Tool_dm::Clone(int32_t newId) const
{
    return CloneAs(*this, newId);
}

} // namespace lumora
