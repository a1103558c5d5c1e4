#pragma once
// HistoryObject_Master_dm: the base of every entry of the depth-map undo
// history. An entry holds what it needs to put the object list back to its
// state before the edit (Undo) and after it (Redo), and the two areas of
// the editor that undo and redo repaint. Entries refer to objects by id.

#include "depthmap/box.h"

#include <cstdint>
#include <vector>

namespace lumora {

class DepthObjects;
class IdMapping;

class HistoryObject_Master_dm
{
public:
    // Entry kind codes.
    static constexpr int32_t kStart = 0;
    static constexpr int32_t kClassic = 1;
    static constexpr int32_t kEditParams = 2;
    static constexpr int32_t kCreate = 3;
    static constexpr int32_t kDelete = 4;
    static constexpr int32_t kHierarchy = 5;
    static constexpr int32_t kGroup = 6;
    static constexpr int32_t kPaste = 7;
    static constexpr int32_t kComposerSize = 8;

    HistoryObject_Master_dm(int32_t entryKind, int32_t spare);
    virtual ~HistoryObject_Master_dm() = default;
    HistoryObject_Master_dm(const HistoryObject_Master_dm&) = delete;
    HistoryObject_Master_dm& operator=(const HistoryObject_Master_dm&) = delete;

    const int32_t EntryKind;
    int32_t Spare;
    Box AreaBefore;
    Box AreaAfter;

    // Slots 0 to 2.
    virtual void RemapIds(const IdMapping& mapping);
    virtual void Undo(DepthObjects& objects);
    virtual void Redo(DepthObjects& objects);

    // Entries recorded in two calls take their after part here.
    virtual void Finish(DepthObjects& objects);
    // False when the finished edit changed nothing but the selection: such
    // an entry is not kept, so an undo step always undoes something.
    virtual bool ChangesModel() const { return true; }
    // Every object id the entry refers to.
    virtual void CollectIds(std::vector<int32_t>& ids) const;
};

} // namespace lumora
