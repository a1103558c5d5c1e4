#pragma once
// What the depth objects tell the undo history. The history of the depth
// stage implements it; the model calls it where an edit begins, ends or
// renumbers the objects.
//
// Paired calls bracket an edit whose after state is known only at its end;
// brackets may nest (an operation called inside another one's bracket),
// and only the outermost one records. An EditObject call made inside any
// other bracket records nothing of its own, so one user action is one undo
// step.

#include <cstdint>
#include <vector>

namespace lumora {

class DepthHistoryRecorder
{
public:
    virtual ~DepthHistoryRecorder() = default;

    // Around every EditObject call on the object at index; accepted is false
    // when its dialog was cancelled (the pending entry is then dropped).
    virtual void BeginEditParams(int32_t index) = 0;
    virtual void EndEditParams(bool accepted) = 0;
    // Position, size, flags, depth or name of the selected objects.
    virtual void BeginClassic() = 0;
    virtual void EndClassic() = 0;
    // The arrange commands: list order and member order.
    virtual void BeginHierarchy() = 0;
    virtual void EndHierarchy() = 0;
    // Grouping, ungrouping and the removal of empty groups.
    virtual void BeginGroup() = 0;
    virtual void EndGroup() = 0;
    // An object was created and appended as the last object of the list.
    virtual void AddCreate() = 0;
    // The selected objects are about to be deleted.
    virtual void AddDelete() = 0;
    // Objects were pasted: they are the selection.
    virtual void AddPaste() = 0;
    // The list was emptied for a new project: every entry is forgotten.
    virtual void Restart() = 0;
    // Ids changed: oldIds[i] is now newIds[i].
    virtual void RemapIds(const std::vector<int32_t>& oldIds,
                          const std::vector<int32_t>& newIds) = 0;
    // Every object id the history refers to (objects, parents, members),
    // also ids of objects that are not in the list now (deleted, or created
    // by an undone step). Renumbering gives these new ids as well, so that
    // no restored object can ever share an id with a living one.
    virtual std::vector<int32_t> HeldObjectIds() const = 0;
};

} // namespace lumora
