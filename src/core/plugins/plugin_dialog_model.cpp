#include "plugins/plugin_dialog_model.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "depthmap/depth_objects.h"
#include "plugins/plugin_file.h"
#include "plugins/plugin_interpreter.h"
#include "plugins/tool_dm_plugin.h"

#include <QDir>
#include <algorithm>

namespace lumora {

PlugInDialogModel::PlugInDialogModel(const QString& plugInFolder)
    : preview_(kPreviewWidth, kPreviewHeight)
{
    preview_.Fill(0);
    GetAvailablePlugIns(plugInFolder);
}

void PlugInDialogModel::GetAvailablePlugIns(const QString& folder)
{
    folder_ = folder;
    names_.clear();
    fileNames_.clear();
    selectedEntry_ = -1;
    // Linux hands out directory entries in no useful order; the name order
    // is the one the list always showed.
    QStringList entries = QDir(folder).entryList({QStringLiteral("*.lpi")},
                                                 QDir::Files | QDir::Readable, QDir::Unsorted);
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString& entry : entries) {
        QString name;
        if (CheckPlugInFunction(QDir(folder).filePath(entry), name)) {
            names_.append(name);
            fileNames_.append(entry);
        }
    }
}

int32_t PlugInDialogModel::Laden(const QString& fileName)
{
    const QByteArray data = ReadPlugInFileBytes(fileName);
    PlugInFile contents;
    PlugInFileState state = PlugInFileState::NotAPlugIn;
    try {
        state = ReadPlugIn(data, contents);
    } catch (const LumoraError& error) {
        // Damaged after a matching header: nothing of it stays.
        script_.clear();
        description_ = QStringList{QString()};
        throw DamagedPlugInError(fileName, error);
    }
    if (state == PlugInFileState::NotAPlugIn)
        return -1;
    script_.clear();
    description_ = QStringList{QString()};
    if (state == PlugInFileState::NoScript)
        return -1;
    script_ = contents.Script;
    name_ = contents.PlugInName;
    description_ += contents.Description;
    author_ = contents.Author;
    country_ = contents.Country;
    eMail_ = contents.EMail;
    internet_ = contents.Internet;
    return 0;
}

void PlugInDialogModel::ChooseEntry(int index)
{
    if (index < 0 || index >= fileNames_.size())
        return;
    selectedEntry_ = index;
    try {
        loadResult_ = Laden(QDir(folder_).filePath(fileNames_[index]));
    } catch (const LumoraError&) {
        loadResult_ = -1;
        throw;
    }
    if (loadResult_ == 0)
        RepaintPreview();
}

bool PlugInDialogModel::RepaintPreview()
{
    if (script_.isEmpty() || loadResult_ < 0 || !previewEnabled_)
        return false;
    preview_.Fill(0);
    PlugInInterpreter interpreter;
    interpreter.RunPlugInScript(0, 0, preview_.Width(), preview_.Height(), imageNumber_, preview_,
                                script_, false);
    return true;
}

void PlugInDialogModel::SetImageNumber(int32_t number)
{
    const int32_t clamped = std::clamp(number, 0, Tool_dm_PlugIn::MaxImageNumber);
    if (clamped == imageNumber_)
        return;
    imageNumber_ = clamped;
    RepaintPreview();
}

void PlugInDialogModel::PrepareForCreate()
{
    previewEnabled_ = false;
    imageNumber_ = 0;
    if (!fileNames_.isEmpty()) {
        try {
            ChooseEntry(0);
        } catch (const LumoraError&) {
            previewEnabled_ = true;
            throw;
        }
    }
    previewEnabled_ = true;
}

bool PlugInDialogModel::CanCreate() const
{
    return !script_.isEmpty() && loadResult_ == 0;
}

bool PlugInDialogModel::CreateObject(const IntRect& rect, DepthObjects& objects) const
{
    if (!CanCreate())
        return false;
    auto object = std::make_unique<Tool_dm_PlugIn>(objects.NewObjectId(), rect.Left, rect.Top,
                                                   rect.Width, rect.Height, description_, script_);
    object->Name = objects.DefaultName(Tool_dm_PlugIn::KindCode);
    object->ImageNumber = imageNumber_;
    object->PlugInName = name_;
    object->Author = author_;
    object->Country = country_;
    object->EMail = eMail_;
    object->Internet = internet_;
    objects.Append(std::move(object));
    return true;
}

void PlugInDialogModel::PrepareForEdit(const Tool_dm_PlugIn& object)
{
    previewEnabled_ = false;
    selectedEntry_ = -1;
    imageNumber_ = std::clamp(object.ImageNumber, 0, Tool_dm_PlugIn::MaxImageNumber);
    name_ = object.PlugInName;
    author_ = object.Author;
    country_ = object.Country;
    eMail_ = object.EMail;
    internet_ = object.Internet;
    description_ = object.Description;
    script_ = object.Script;
    if (!script_.isEmpty())
        loadResult_ = 0;
    previewEnabled_ = true;
}

void PlugInDialogModel::ApplyTo(Tool_dm_PlugIn& object) const
{
    object.ImageNumber = imageNumber_;
    object.PlugInName = name_;
    object.Author = author_;
    object.Country = country_;
    object.EMail = eMail_;
    object.Internet = internet_;
    object.Description = description_;
    object.Script = script_;
}

} // namespace lumora
