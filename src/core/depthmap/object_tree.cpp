#include "depthmap/object_tree.h"

#include <algorithm>

namespace lumora {

void ObjectTree::Clear()
{
    nodes_.clear();
    alive_.clear();
    selected_.clear();
    topLevel_.clear();
}

ObjectTree::NodeId ObjectTree::NewNode(const QString& caption, int32_t imageIndex, int32_t objectId,
                                       NodeId parent)
{
    Node node;
    node.Caption = caption;
    node.ImageIndex = imageIndex;
    node.SelectedImageIndex = imageIndex;
    node.ObjectId = objectId;
    node.Parent = parent;
    nodes_.push_back(std::move(node));
    alive_.push_back(true);
    selected_.push_back(false);
    return static_cast<NodeId>(nodes_.size() - 1);
}

std::vector<ObjectTree::NodeId>& ObjectTree::SiblingsOf(NodeId node)
{
    const NodeId parent = At(node).Parent;
    return parent == NoNode ? topLevel_ : nodes_[static_cast<size_t>(parent)].Children;
}

ObjectTree::NodeId ObjectTree::InsertBefore(NodeId before, const QString& caption,
                                            int32_t imageIndex, int32_t objectId)
{
    if (!IsNode(before)) {
        const NodeId id = NewNode(caption, imageIndex, objectId, NoNode);
        topLevel_.push_back(id);
        return id;
    }
    const NodeId parent = At(before).Parent;
    const NodeId id = NewNode(caption, imageIndex, objectId, parent);
    auto& siblings = SiblingsOf(id);
    siblings.insert(std::find(siblings.begin(), siblings.end(), before), id);
    return id;
}

ObjectTree::NodeId ObjectTree::AddChild(NodeId parent, const QString& caption, int32_t imageIndex,
                                        int32_t objectId)
{
    if (!IsNode(parent))
        return InsertBefore(NoNode, caption, imageIndex, objectId);
    const NodeId id = NewNode(caption, imageIndex, objectId, parent);
    nodes_[static_cast<size_t>(parent)].Children.push_back(id);
    return id;
}

void ObjectTree::Remove(NodeId node)
{
    if (!IsNode(node))
        return;
    auto& siblings = SiblingsOf(node);
    siblings.erase(std::find(siblings.begin(), siblings.end(), node));
    std::vector<NodeId> doomed;
    AppendPreOrder(node, doomed);
    for (NodeId n : doomed) {
        alive_[static_cast<size_t>(n)] = false;
        selected_[static_cast<size_t>(n)] = false;
    }
}

int32_t ObjectTree::Count() const
{
    return static_cast<int32_t>(std::count(alive_.begin(), alive_.end(), true));
}

bool ObjectTree::IsNode(NodeId node) const
{
    return node >= 0 && static_cast<size_t>(node) < nodes_.size() &&
           alive_[static_cast<size_t>(node)];
}

void ObjectTree::AppendPreOrder(NodeId node, std::vector<NodeId>& out) const
{
    out.push_back(node);
    for (NodeId child : At(node).Children)
        AppendPreOrder(child, out);
}

std::vector<ObjectTree::NodeId> ObjectTree::PreOrder() const
{
    std::vector<NodeId> out;
    for (NodeId node : topLevel_)
        AppendPreOrder(node, out);
    return out;
}

ObjectTree::NodeId ObjectTree::NodeAtAbsoluteIndex(int32_t index) const
{
    const auto order = PreOrder();
    if (index < 0 || static_cast<size_t>(index) >= order.size())
        return NoNode;
    return order[static_cast<size_t>(index)];
}

int32_t ObjectTree::AbsoluteIndexOf(NodeId node) const
{
    const auto order = PreOrder();
    const auto it = std::find(order.begin(), order.end(), node);
    return it == order.end() ? -1 : static_cast<int32_t>(it - order.begin());
}

bool ObjectTree::HoldsObject(int32_t objectId) const
{
    for (size_t i = 0; i < nodes_.size(); ++i) {
        if (alive_[i] && nodes_[i].ObjectId == objectId)
            return true;
    }
    return false;
}

void ObjectTree::SetExpanded(NodeId node, bool expanded)
{
    if (IsNode(node))
        nodes_[static_cast<size_t>(node)].Expanded = expanded;
}

void ObjectTree::ClearSelection()
{
    std::fill(selected_.begin(), selected_.end(), false);
}

void ObjectTree::AddToSelection(NodeId node)
{
    if (IsNode(node))
        selected_[static_cast<size_t>(node)] = true;
}

bool ObjectTree::IsSelected(NodeId node) const
{
    return IsNode(node) && selected_[static_cast<size_t>(node)];
}

std::vector<int32_t> ObjectTree::SelectedAbsoluteIndices() const
{
    std::vector<int32_t> out;
    const auto order = PreOrder();
    for (size_t i = 0; i < order.size(); ++i) {
        if (selected_[static_cast<size_t>(order[i])])
            out.push_back(static_cast<int32_t>(i));
    }
    return out;
}

} // namespace lumora
