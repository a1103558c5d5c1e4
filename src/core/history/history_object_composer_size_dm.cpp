#include "history/history_object_composer_size_dm.h"

#include "depthmap/depth_editor_ui.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm.h"
#include "history/id_mapping.h"

namespace lumora {

HistoryObject_ComposerSize_dm::HistoryObject_ComposerSize_dm(const DepthObjects& objects)
    : HistoryObject_Master_dm(kComposerSize, 0), before_(TakePart(objects))
{
}

HistoryObject_ComposerSize_dm::~HistoryObject_ComposerSize_dm() = default;

HistoryObject_ComposerSize_dm::Part
HistoryObject_ComposerSize_dm::TakePart(const DepthObjects& objects)
{
    return Part{objects.VorlageWidth, objects.VorlageHeight, objects.CloneAll()};
}

void HistoryObject_ComposerSize_dm::Finish(DepthObjects& objects)
{
    after_ = TakePart(objects);
}

bool HistoryObject_ComposerSize_dm::ChangesModel() const
{
    return before_.Width != after_.Width || before_.Height != after_.Height;
}

void HistoryObject_ComposerSize_dm::Apply(const Part& part, DepthObjects& objects)
{
    // The copies are made first; the list then takes them in one swap.
    std::vector<std::unique_ptr<Tool_dm>> copies;
    copies.reserve(part.Objects.size());
    for (const auto& object : part.Objects)
        copies.push_back(object->Clone(object->Id));
    AreaBefore = Box{0, 0, objects.VorlageWidth, objects.VorlageHeight};
    objects.SwapObjects(copies);
    objects.VorlageWidth = part.Width;
    objects.VorlageHeight = part.Height;
    AreaAfter = Box{0, 0, part.Width, part.Height};
    if (DepthEditorUi* ui = objects.Ui())
        ui->ComposerResized();
}

void HistoryObject_ComposerSize_dm::Undo(DepthObjects& objects)
{
    Apply(before_, objects);
}

void HistoryObject_ComposerSize_dm::Redo(DepthObjects& objects)
{
    Apply(after_, objects);
}

void HistoryObject_ComposerSize_dm::RemapIds(const IdMapping& mapping)
{
    for (Part* part : {&before_, &after_}) {
        for (const auto& object : part->Objects)
            mapping.Apply(*object);
    }
}

void HistoryObject_ComposerSize_dm::CollectIds(std::vector<int32_t>& ids) const
{
    for (const Part* part : {&before_, &after_}) {
        for (const auto& object : part->Objects)
            CollectObjectIds(*object, ids);
    }
}

} // namespace lumora
