#pragma once
// Tool_dm_Group (kind 19): holds other objects of the list by id. It has
// no geometry of its own (0, 0, -1, -1), is never hit and never drawn;
// selecting or deselecting it does the same to all its members.

#include "depthmap/tool_dm.h"

#include <QStringList>
#include <vector>

namespace lumora {

class Tool_dm_Group : public Tool_dm
{
public:
    static constexpr int32_t KindCode = 19;

    explicit Tool_dm_Group(int32_t id = 0);

    // Member ids in decimal, first entry = bottom-most member.
    QStringList Members;
    bool Expanded = false;

    bool HitTest(int32_t x, int32_t y) const override;
    int32_t Deselect(int32_t count, DepthObjects& objects) override;
    int32_t Select(int32_t count, DepthObjects& objects) override;
    void SetPosition(int32_t x, int32_t y) override;
    void SetSize(int32_t w, int32_t h, bool rebuild) override;
    ObjectTree::NodeId AddToTree(ObjectTree& tree, ObjectTree::NodeId before,
                                 const DepthObjects& objects) const override;
    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

    // Member operations, by object id. AddMember inserts as entry 0 and
    // InsertMember at a position (clamped to the list), both only when
    // the id is not yet a member.
    void AddMember(int32_t id);
    void InsertMember(int32_t position, int32_t id);
    void RemoveMember(int32_t id);
    // Mode 1: to the end (front), 2: to entry 0 (back), 3: one entry up
    // unless last, 4: one entry down unless first.
    void MoveMember(int32_t id, int32_t mode);
    // The entry of the id, 0 when absent (as the editor has always
    // answered); HasMember tells the two cases apart.
    int32_t MemberPosition(int32_t id) const;
    bool HasMember(int32_t id) const;
    // The member ids as numbers; entries that are no number are left out.
    std::vector<int32_t> MemberIds() const;

private:
    // Visits each group once per call, so a hierarchy damaged into a
    // cycle cannot recurse without end.
    int32_t SelectMembers(int32_t count, DepthObjects& objects, bool select,
                          std::vector<int32_t>& visited);
};

} // namespace lumora
