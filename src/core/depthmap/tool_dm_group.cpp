#include "depthmap/tool_dm_group.h"

#include "depthmap/depth_objects.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <algorithm>

namespace lumora {

namespace {
QString IdText(int32_t id)
{
    return QString::number(id);
}
} // namespace

Tool_dm_Group::Tool_dm_Group(int32_t id) : Tool_dm(KindCode, id)
{
    Width = -1;
    Height = -1;
}

bool Tool_dm_Group::HitTest(int32_t, int32_t) const
{
    return false;
}

int32_t Tool_dm_Group::SelectMembers(int32_t count, DepthObjects& objects, bool select,
                                     std::vector<int32_t>& visited)
{
    if (std::find(visited.begin(), visited.end(), Id) != visited.end())
        return count;
    visited.push_back(Id);
    count = select ? Tool_dm::Select(count, objects) : Tool_dm::Deselect(count, objects);
    for (int32_t memberId : MemberIds()) {
        Tool_dm* member = objects.FindObject(memberId);
        if (!member || member == this)
            continue;
        if (auto* group = dynamic_cast<Tool_dm_Group*>(member))
            count = group->SelectMembers(count, objects, select, visited);
        else
            count = select ? member->Select(count, objects) : member->Deselect(count, objects);
    }
    return count;
}

int32_t Tool_dm_Group::Deselect(int32_t count, DepthObjects& objects)
{
    std::vector<int32_t> visited;
    return SelectMembers(count, objects, false, visited);
}

int32_t Tool_dm_Group::Select(int32_t count, DepthObjects& objects)
{
    std::vector<int32_t> visited;
    return SelectMembers(count, objects, true, visited);
}

void Tool_dm_Group::SetPosition(int32_t, int32_t) {}

void Tool_dm_Group::SetSize(int32_t, int32_t, bool) {}

ObjectTree::NodeId Tool_dm_Group::AddToTree(ObjectTree& tree, ObjectTree::NodeId before,
                                            const DepthObjects& objects) const
{
    // A group already in the tree (a damaged hierarchy that loops) is not
    // expanded a second time.
    const bool alreadyShown = tree.HoldsObject(Id);
    const ObjectTree::NodeId node = Tool_dm::AddToTree(tree, before, objects);
    if (alreadyShown)
        return node;
    // Members go in top-most first, each in front of a placeholder child
    // that is removed afterwards.
    const ObjectTree::NodeId placeholder = tree.AddChild(node, QString(), 0, -1);
    const std::vector<int32_t> ids = MemberIds();
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        const Tool_dm* member = objects.FindObject(*it);
        if (member && member != this)
            member->AddToTree(tree, placeholder, objects);
    }
    tree.Remove(placeholder);
    return node;
}

void Tool_dm_Group::Draw(TPixelEngine256&) {}

void Tool_dm_Group::Render(TPixelEngine256&, int32_t, int32_t, int32_t, int32_t) {}

void Tool_dm_Group::DrawClipped(TPixelEngine256&, const Box&) {}

void Tool_dm_Group::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteTextList(Members);
    stream.WriteBool(Expanded);
}

void Tool_dm_Group::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Members = stream.ReadTextList();
    Expanded = stream.ReadBool();
}

std::unique_ptr<Tool_dm> Tool_dm_Group::Clone(int32_t newId) const
{
    return CloneAs(*this, newId);
}

void Tool_dm_Group::AddMember(int32_t id)
{
    InsertMember(0, id);
}

void Tool_dm_Group::InsertMember(int32_t position, int32_t id)
{
    if (HasMember(id))
        return;
    Members.insert(std::clamp<qsizetype>(position, 0, Members.size()), IdText(id));
}

void Tool_dm_Group::RemoveMember(int32_t id)
{
    Members.removeAll(IdText(id));
}

void Tool_dm_Group::MoveMember(int32_t id, int32_t mode)
{
    const qsizetype at = Members.indexOf(IdText(id));
    if (at < 0)
        return;
    const qsizetype last = Members.size() - 1;
    switch (mode) {
    case 1:
        Members.move(at, last);
        break;
    case 2:
        Members.move(at, 0);
        break;
    case 3:
        if (at < last)
            Members.move(at, at + 1);
        break;
    case 4:
        if (at > 0)
            Members.move(at, at - 1);
        break;
    default:
        break;
    }
}

int32_t Tool_dm_Group::MemberPosition(int32_t id) const
{
    const qsizetype at = Members.indexOf(IdText(id));
    return at < 0 ? 0 : static_cast<int32_t>(at);
}

bool Tool_dm_Group::HasMember(int32_t id) const
{
    return Members.contains(IdText(id));
}

std::vector<int32_t> Tool_dm_Group::MemberIds() const
{
    std::vector<int32_t> ids;
    ids.reserve(static_cast<size_t>(Members.size()));
    for (const QString& entry : Members) {
        bool ok = false;
        const int32_t id = entry.toInt(&ok);
        if (ok)
            ids.push_back(id);
    }
    return ids;
}

} // namespace lumora
