#pragma once
// HistoryObject_ComposerSize_dm (kind 8): "Zuweisen" of a new composer
// size, with every object rescaled to it or not. The composer size and
// every object, whole and with its id, are kept before and after, so one
// step puts back the size and all the objects exactly.

#include "history/history_object_master_dm.h"

#include <memory>
#include <vector>

namespace lumora {

class Tool_dm;

class HistoryObject_ComposerSize_dm : public HistoryObject_Master_dm
{
public:
    // Takes the before part.
    explicit HistoryObject_ComposerSize_dm(const DepthObjects& objects);
    ~HistoryObject_ComposerSize_dm() override;

    void RemapIds(const IdMapping& mapping) override;
    void Undo(DepthObjects& objects) override;
    void Redo(DepthObjects& objects) override;
    void Finish(DepthObjects& objects) override;
    bool ChangesModel() const override;
    void CollectIds(std::vector<int32_t>& ids) const override;

private:
    struct Part
    {
        int32_t Width = 0;
        int32_t Height = 0;
        std::vector<std::unique_ptr<Tool_dm>> Objects;
    };
    static Part TakePart(const DepthObjects& objects);
    void Apply(const Part& part, DepthObjects& objects);

    Part before_;
    Part after_;
};

} // namespace lumora
