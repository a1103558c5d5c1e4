#pragma once
// What the depth objects tell the undo history. The history of the depth
// stage implements it; the model calls it where an edit begins, ends or
// renumbers the objects.

#include <cstdint>
#include <vector>

namespace lumora {

class DepthHistoryRecorder
{
public:
    virtual ~DepthHistoryRecorder() = default;

    // Around every EditObject call; accepted is false when its dialog was
    // cancelled (the pending entry is then dropped).
    virtual void BeginEditParams() = 0;
    virtual void EndEditParams(bool accepted) = 0;
    // An object was created and appended as the last object of the list.
    virtual void AddCreate() = 0;
    // Ids changed: oldIds[i] is now newIds[i].
    virtual void RemapIds(const std::vector<int32_t>& oldIds,
                          const std::vector<int32_t>& newIds) = 0;
};

} // namespace lumora
