// The edit commands on the selected depth objects: copy into a depth
// clipboard, paste from it, delete and rename.
#include "depthmap/depth_editor_ui.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"

#include <unordered_map>

namespace lumora {

namespace {

using IdMap = std::unordered_map<int32_t, int32_t>;

// A group's Members rewritten through the map; ids the map does not know
// (members that were not copied) are left out.
void MapMembers(Tool_dm& object, const IdMap& map)
{
    auto* group = dynamic_cast<Tool_dm_Group*>(&object);
    if (!group)
        return;
    QStringList members;
    for (int32_t memberId : group->MemberIds()) {
        const auto it = map.find(memberId);
        if (it != map.end())
            members.append(QString::number(it->second));
    }
    group->Members = members;
}

} // namespace

DepthClipboard DepthObjects::CopySelection()
{
    DepthClipboard clipboard;
    if (IsEmpty() || FirstSelected() < 0)
        return clipboard;
    IdMap map;
    for (const auto& object : items_) {
        if (object->Selected)
            map.emplace(object->Id, NewObjectId());
    }
    for (int32_t i = 0; i < Count(); ++i) {
        const Tool_dm* object = At(i);
        if (!object->Selected)
            continue;
        auto clone = object->Clone(map.at(object->Id));
        // A member copied without its group becomes a top-level object.
        clone->ParentId = ParentSelected(i) ? map.at(object->ParentId) : -1;
        MapMembers(*clone, map);
        clipboard.push_back(std::move(clone));
    }
    return clipboard;
}

bool DepthObjects::PasteObjects(const DepthClipboard& clipboard)
{
    if (clipboard.empty())
        return false;
    StoreGroupExpansion();
    DeselectAll();
    IdMap map;
    for (const auto& object : clipboard)
        map.emplace(object->Id, NewObjectId());
    for (const auto& object : clipboard) {
        auto clone = object->Clone(map.at(object->Id));
        if (clone->ParentId != -1) {
            const auto parent = map.find(clone->ParentId);
            clone->ParentId = parent == map.end() ? -1 : parent->second;
        }
        MapMembers(*clone, map);
        clone->Selected = true;
        Append(std::move(clone));
    }
    RecountSelection();
    RenumberObjects();
    RebuildTree();
    SyncTreeSelection();
    ShowSelection();
    if (ui_)
        ui_->RepaintVorlage(SelectionBox, false);
    return true;
}

bool DepthObjects::DeleteSelection()
{
    if (IsEmpty() || FirstSelected() < 0)
        return false;
    StoreGroupExpansion();
    Box area;
    bool first = true;
    for (int32_t i = Count() - 1; i >= 0; --i) {
        const Tool_dm* object = At(i);
        if (!object->Selected)
            continue;
        if (object->Width >= 0 && object->Height >= 0) {
            area = first ? object->Bounds() : UnionBoxes(area, object->Bounds());
            first = false;
        }
        if (auto* parent = dynamic_cast<Tool_dm_Group*>(FindObject(object->ParentId)))
            parent->RemoveMember(object->Id);
        Take(i);
    }
    RemoveEmptyGroups();
    SelectedCount = 0;
    StartNewSelection();
    RebuildTree();
    SyncTreeSelection();
    ShowSelection();
    if (ui_)
        ui_->RepaintVorlage(IsEmpty() ? Box{0, 0, VorlageWidth, VorlageHeight} : area, false);
    return true;
}

bool DepthObjects::IsValidName(const QString& name)
{
    qsizetype firstNonBlank = 0;
    while (firstNonBlank < name.size() && name.at(firstNonBlank) == QLatin1Char(' '))
        ++firstNonBlank;
    return firstNonBlank < name.size();
}

bool DepthObjects::RenameObject(int32_t index, const QString& name)
{
    Tool_dm* object = At(index);
    if (!object || !IsValidName(name))
        return false;
    if (object->Name == name)
        return true;
    StoreGroupExpansion();
    object->Name = name;
    RebuildTree();
    SyncTreeSelection();
    ShowSelection();
    return true;
}

} // namespace lumora
