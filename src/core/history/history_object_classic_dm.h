#pragma once
// HistoryObject_Classic_dm (kind 1): position, size, flags, depth or name
// of the selected objects changed (object panel, move handles, dragging,
// depth slider). Before and after, each selected object is kept as a bare
// Tool_dm snapshot of its base fields and depth; the selection's own mirror
// state is kept with them.

#include "history/history_object_master_dm.h"

#include <memory>

namespace lumora {

class Tool_dm;

class HistoryObject_Classic_dm : public HistoryObject_Master_dm
{
public:
    // Takes the before part from the selection.
    explicit HistoryObject_Classic_dm(const DepthObjects& objects);
    ~HistoryObject_Classic_dm() override;

    void RemapIds(const IdMapping& mapping) override;
    void Undo(DepthObjects& objects) override;
    void Redo(DepthObjects& objects) override;
    void Finish(DepthObjects& objects) override;
    bool ChangesModel() const override;
    void CollectIds(std::vector<int32_t>& ids) const override;

    // A bare Tool_dm carrying the object's kind, id, capability flags,
    // rectangle, name, five flags, parent and depth.
    static std::unique_ptr<Tool_dm> Snapshot(const Tool_dm& object);

private:
    struct Part
    {
        std::vector<std::unique_ptr<Tool_dm>> Snapshots;
        bool SelectionMirroredH = false;
        bool SelectionMirroredV = false;
    };
    static Part TakePart(const DepthObjects& objects);
    void Apply(const Part& part, DepthObjects& objects);

    Part before_;
    Part after_;
};

} // namespace lumora
