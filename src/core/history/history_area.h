#pragma once
// Helpers the entries share: the union of object rectangles that undo and
// redo repaint, and taking an object out of the list with its membership.

#include "depthmap/box.h"

#include <cstdint>

namespace lumora {

class DepthObjects;
class Tool_dm;

// Widened by each object of non-negative extent (so never by a group).
class AreaUnion
{
public:
    void Add(const Tool_dm& object);
    Box Result() const { return box_; }

private:
    Box box_;
    bool any_ = false;
};

// Removes the object with the id from its parent group's Members and from
// the list, widening area by it; nothing when no object has the id.
void RemoveObjectById(DepthObjects& objects, int32_t id, AreaUnion& area);

} // namespace lumora
