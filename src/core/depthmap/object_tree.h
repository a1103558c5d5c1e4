#pragma once
// The object tree of the depth-map editor as a model: captioned nodes with
// an icon index, children, an expanded state and a multiple selection. A
// tree view shows it; the depth objects build it (RebuildTree) and read
// the expanded states back (StoreGroupExpansion).
//
// Absolute indices count every node in pre-order (a node, then its
// children), whether or not its parent is expanded.

#include <QString>
#include <cstdint>
#include <vector>

namespace lumora {

class ObjectTree
{
public:
    using NodeId = int32_t;
    static constexpr NodeId NoNode = -1;

    struct Node
    {
        QString Caption;
        int32_t ImageIndex = 0;
        int32_t SelectedImageIndex = 0;
        int32_t ObjectId = -1; // -1 for the background node
        bool Expanded = false;
        NodeId Parent = NoNode;
        std::vector<NodeId> Children;
    };

    void Clear();

    // Inserts a node in front of `before`, among its siblings; with NoNode
    // the node goes to the end of the top level.
    NodeId InsertBefore(NodeId before, const QString& caption, int32_t imageIndex,
                        int32_t objectId);
    // Appends a node as the last child of `parent`.
    NodeId AddChild(NodeId parent, const QString& caption, int32_t imageIndex, int32_t objectId);
    // Removes a node with all its children.
    void Remove(NodeId node);

    int32_t Count() const;
    bool IsNode(NodeId node) const;
    const Node& At(NodeId node) const { return nodes_[static_cast<size_t>(node)]; }
    const std::vector<NodeId>& TopLevel() const { return topLevel_; }
    NodeId FirstTopLevel() const { return topLevel_.empty() ? NoNode : topLevel_.front(); }
    std::vector<NodeId> PreOrder() const;
    NodeId NodeAtAbsoluteIndex(int32_t index) const;
    int32_t AbsoluteIndexOf(NodeId node) const;
    bool HoldsObject(int32_t objectId) const;

    void SetExpanded(NodeId node, bool expanded);

    void ClearSelection();
    void AddToSelection(NodeId node);
    bool IsSelected(NodeId node) const;
    std::vector<int32_t> SelectedAbsoluteIndices() const;

private:
    NodeId NewNode(const QString& caption, int32_t imageIndex, int32_t objectId, NodeId parent);
    std::vector<NodeId>& SiblingsOf(NodeId node);
    void AppendPreOrder(NodeId node, std::vector<NodeId>& out) const;

    std::vector<Node> nodes_;
    std::vector<bool> alive_;
    std::vector<bool> selected_;
    std::vector<NodeId> topLevel_;
};

} // namespace lumora
