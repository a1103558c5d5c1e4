#include "history/history_object_classic_dm.h"

#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm.h"
#include "history/history_area.h"
#include "history/id_mapping.h"

namespace lumora {

namespace {

bool SameFields(const Tool_dm& a, const Tool_dm& b)
{
    // Selected is left out: a change of the selection alone is no step.
    return a.Kind == b.Kind && a.Id == b.Id && a.CanInvert == b.CanInvert &&
           a.CanMirrorH == b.CanMirrorH && a.CanMirrorV == b.CanMirrorV &&
           a.HasDepth == b.HasDepth && a.Left == b.Left && a.Top == b.Top && a.Width == b.Width &&
           a.Height == b.Height && a.Name == b.Name && a.Invert == b.Invert &&
           a.MirrorH == b.MirrorH && a.MirrorV == b.MirrorV && a.Visible == b.Visible &&
           a.ParentId == b.ParentId && a.Depth == b.Depth;
}

} // namespace

HistoryObject_Classic_dm::HistoryObject_Classic_dm(const DepthObjects& objects)
    : HistoryObject_Master_dm(kClassic, 0), before_(TakePart(objects))
{
}

HistoryObject_Classic_dm::~HistoryObject_Classic_dm() = default;

std::unique_ptr<Tool_dm> HistoryObject_Classic_dm::Snapshot(const Tool_dm& object)
{
    auto s = std::make_unique<Tool_dm>(object.Kind, object.Id);
    s->CanInvert = object.CanInvert;
    s->CanMirrorH = object.CanMirrorH;
    s->CanMirrorV = object.CanMirrorV;
    s->HasDepth = object.HasDepth;
    s->Left = object.Left;
    s->Top = object.Top;
    s->Width = object.Width;
    s->Height = object.Height;
    s->Name = object.Name;
    s->Invert = object.Invert;
    s->MirrorH = object.MirrorH;
    s->MirrorV = object.MirrorV;
    s->Visible = object.Visible;
    s->Selected = object.Selected;
    s->ParentId = object.ParentId;
    s->Depth = object.Depth;
    return s;
}

HistoryObject_Classic_dm::Part HistoryObject_Classic_dm::TakePart(const DepthObjects& objects)
{
    Part part;
    for (const auto& object : objects.Items()) {
        if (object->Selected)
            part.Snapshots.push_back(Snapshot(*object));
    }
    part.SelectionMirroredH = objects.SelectionMirroredH;
    part.SelectionMirroredV = objects.SelectionMirroredV;
    return part;
}

void HistoryObject_Classic_dm::Finish(DepthObjects& objects)
{
    after_ = TakePart(objects);
}

bool HistoryObject_Classic_dm::ChangesModel() const
{
    if (before_.Snapshots.size() != after_.Snapshots.size() ||
        before_.SelectionMirroredH != after_.SelectionMirroredH ||
        before_.SelectionMirroredV != after_.SelectionMirroredV)
        return true;
    for (size_t i = 0; i < before_.Snapshots.size(); ++i) {
        if (!SameFields(*before_.Snapshots[i], *after_.Snapshots[i]))
            return true;
    }
    return false;
}

void HistoryObject_Classic_dm::Apply(const Part& part, DepthObjects& objects)
{
    AreaUnion before;
    AreaUnion after;
    for (const auto& s : part.Snapshots) {
        Tool_dm* object = objects.FindObject(s->Id);
        if (!object)
            continue;
        before.Add(*object);
        object->CanInvert = s->CanInvert;
        object->CanMirrorH = s->CanMirrorH;
        object->CanMirrorV = s->CanMirrorV;
        object->HasDepth = s->HasDepth;
        object->SetPosition(s->Left, s->Top);
        object->SetSize(s->Width, s->Height, false);
        object->SetFlags(s->Invert, s->MirrorH, s->MirrorV, true);
        object->Name = s->Name;
        object->Visible = s->Visible;
        object->Selected = s->Selected;
        object->ParentId = s->ParentId;
        object->Depth = s->Depth;
        after.Add(*object);
    }
    objects.SelectionMirroredH = part.SelectionMirroredH;
    objects.SelectionMirroredV = part.SelectionMirroredV;
    AreaBefore = before.Result();
    AreaAfter = after.Result();
}

void HistoryObject_Classic_dm::Undo(DepthObjects& objects)
{
    Apply(before_, objects);
}

void HistoryObject_Classic_dm::Redo(DepthObjects& objects)
{
    Apply(after_, objects);
}

void HistoryObject_Classic_dm::RemapIds(const IdMapping& mapping)
{
    for (Part* part : {&before_, &after_}) {
        for (const auto& s : part->Snapshots)
            mapping.Apply(*s);
    }
}

void HistoryObject_Classic_dm::CollectIds(std::vector<int32_t>& ids) const
{
    for (const Part* part : {&before_, &after_}) {
        for (const auto& s : part->Snapshots)
            CollectObjectIds(*s, ids);
    }
}

} // namespace lumora
