#pragma once
// What the undo history of the depth stage is told. The editor's commands
// record here where the user's command starts (one command, one step); the
// model operations never do. The object list only renumbers through it and
// restarts it for a new project.
//
// Paired calls bracket an edit whose after state is known only at its end.
// A command that fails drops its open entry, so nothing is recorded of an
// edit that was undone by its own rollback.

#include <cstdint>
#include <vector>

namespace lumora {

class DepthHistoryRecorder
{
public:
    virtual ~DepthHistoryRecorder() = default;

    // Around an edit of the one object at index (its dialog, a rename);
    // accepted is false when its dialog was cancelled (the pending entry is
    // then dropped).
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
    // A new composer size, with every object rescaled to it or not.
    virtual void BeginComposerSize() = 0;
    virtual void EndComposerSize() = 0;
    // The open entry is forgotten: its edit failed and was rolled back.
    virtual void DropPending() noexcept = 0;
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
