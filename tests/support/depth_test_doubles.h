#pragma once
// Test doubles for the depth-map model: an editor that records what it is
// told and answers its dialogs as the test says, and an undo history that
// records its calls.
#include "depthmap/depth_editor_ui.h"
#include "depthmap/depth_history_recorder.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_text.h"

#include <QStringList>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace lumora::testing_support {

class FakeEditor : public DepthEditorUi
{
public:
    bool dialogAnswer = true;
    std::function<void(Tool_dm&)> dialogEdit; // what the parameter dialog changes
    std::vector<std::string> calls;
    std::vector<Box> repaintAreas;
    std::vector<bool> repaintIncremental;

    bool CreateViaForm(int32_t kind, const IntRect& rect, DepthObjects& objects) override
    {
        calls.push_back("create " + std::to_string(kind));
        if (!dialogAnswer || kind != Tool_dm_Text::KindCode)
            return false;
        auto text = std::make_unique<Tool_dm_Text>(objects.NewObjectId(), rect.Left, rect.Top,
                                                   rect.Width, rect.Height, QStringLiteral("Text"));
        text->Name = objects.DefaultName(kind);
        objects.Append(std::move(text));
        return true;
    }
    bool EditViaForm(Tool_dm& object, DepthObjects&) override
    {
        calls.push_back("edit " + std::to_string(object.Kind));
        if (dialogEdit)
            dialogEdit(object);
        return dialogAnswer;
    }
    QString DefaultObjectName(int32_t kind) const override
    {
        return QStringLiteral("Name%1").arg(kind);
    }
    void ProjectModified() override { calls.push_back("modified"); }
    void RepaintVorlage(const Box& area, bool incremental) override
    {
        repaintAreas.push_back(area);
        repaintIncremental.push_back(incremental);
    }
    void SelectionShown() override { calls.push_back("selection"); }
    void TreeRebuilt() override { calls.push_back("tree"); }
};

class FakeHistory : public DepthHistoryRecorder
{
public:
    std::vector<std::string> calls;
    std::vector<int32_t> oldIds, newIds;
    void BeginEditParams(int32_t) override { calls.push_back("begin"); }
    void EndEditParams(bool accepted) override
    {
        calls.push_back(accepted ? "end ok" : "end cancel");
    }
    void BeginClassic() override { calls.push_back("begin classic"); }
    void EndClassic() override { calls.push_back("end classic"); }
    void BeginHierarchy() override { calls.push_back("begin hierarchy"); }
    void EndHierarchy() override { calls.push_back("end hierarchy"); }
    void BeginGroup() override { calls.push_back("begin group"); }
    void EndGroup() override { calls.push_back("end group"); }
    void BeginComposerSize() override { calls.push_back("begin composer"); }
    void EndComposerSize() override { calls.push_back("end composer"); }
    // A dropped entry leaves nothing recorded, so its begin goes again; a
    // dropped edit entry is what a cancelled dialog ends with.
    void DropPending() noexcept override
    {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
            if (*it == "begin") {
                calls.push_back("end cancel");
                return;
            }
            if (it->rfind("begin ", 0) == 0) {
                calls.erase(std::next(it).base());
                return;
            }
        }
    }
    void AddCreate() override { calls.push_back("create"); }
    void AddDelete() override { calls.push_back("delete"); }
    void AddPaste() override { calls.push_back("paste"); }
    void Restart() override { calls.push_back("restart"); }
    std::vector<int32_t> HeldObjectIds() const override { return {}; }
    void RemapIds(const std::vector<int32_t>& o, const std::vector<int32_t>& n) override
    {
        calls.push_back("remap");
        oldIds = o;
        newIds = n;
    }
};

} // namespace lumora::testing_support
