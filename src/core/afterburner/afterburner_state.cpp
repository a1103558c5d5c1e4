#include "afterburner/afterburner_state.h"

#include "afterburner/afterburner_kind_registry.h"
#include "afterburner/afterburner_ui.h"
#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <string>

namespace lumora {

AfterburnerState::AfterburnerState() = default;
AfterburnerState::~AfterburnerState() = default;

Tool_ab* AfterburnerState::At(int32_t index)
{
    return IsValidIndex(index) ? items_[static_cast<size_t>(index)].get() : nullptr;
}

const Tool_ab* AfterburnerState::At(int32_t index) const
{
    return IsValidIndex(index) ? items_[static_cast<size_t>(index)].get() : nullptr;
}

bool AfterburnerState::ContainsKind(int32_t kind) const
{
    for (const auto& object : items_)
        if (object->Kind == kind)
            return true;
    return false;
}

bool AfterburnerState::Select(int32_t index)
{
    if (index != -1 && !IsValidIndex(index))
        return false;
    SetSelected(index);
    return true;
}

void AfterburnerState::SetSelected(int32_t index)
{
    if (selected_ == index)
        return;
    selected_ = index;
    NotifySelected();
}

QString AfterburnerState::Get_AfBuBezeichnung(int32_t kind) const
{
    return ui_ ? ui_->DefaultAfterburnerName(kind) : AfterburnerNameKey(kind);
}

std::vector<AfterburnerState::DisplayEntry> AfterburnerState::DisplayEntries() const
{
    std::vector<DisplayEntry> entries;
    entries.reserve(items_.size());
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        entries.push_back({(*it)->Name, (*it)->Kind - 1});
    return entries;
}

int32_t AfterburnerState::IndexOfDisplayRow(int32_t row) const
{
    const int32_t index = Count() - 1 - row;
    return IsValidIndex(index) && row >= 0 ? index : -1;
}

int32_t AfterburnerState::DisplayRowOfIndex(int32_t index) const
{
    return IsValidIndex(index) ? Count() - 1 - index : -1;
}

void AfterburnerState::Update_AfBuHierarchieAnzeige()
{
    NotifyListChanged();
}

bool AfterburnerState::AfBu_Add(const Tool_ab& values, const AfterburnerContext& context)
{
    if (!IsAfterburnerKind(values.Kind) || !values.IsComplete())
        return false;
    auto object = values.Clone();
    object->Name = Get_AfBuBezeichnung(object->Kind);
    items_.push_back(std::move(object));
    SetSelected(Count() - 1);
    NotifyListChanged();
    Repaint_Stereo(context);
    return true;
}

bool AfterburnerState::EditObject(int32_t index, const Tool_ab& values,
                                  const AfterburnerContext& context)
{
    Tool_ab* object = At(index);
    if (!object || object->Kind != values.Kind || !values.IsComplete())
        return false;
    auto edited = values.Clone();
    edited->Name = object->Name;
    items_[static_cast<size_t>(index)] = std::move(edited);
    Repaint_Stereo(context);
    return true;
}

bool AfterburnerState::Rename(int32_t index, const QString& name)
{
    Tool_ab* object = At(index);
    if (!object)
        return false;
    object->Name = name;
    NotifyListChanged();
    return true;
}

bool AfterburnerState::Move_AfBuObj(int32_t current, int32_t newIndex)
{
    if (!IsValidIndex(current) || !IsValidIndex(newIndex))
        return false;
    if (current != newIndex) {
        auto object = std::move(items_[static_cast<size_t>(current)]);
        items_.erase(items_.begin() + current);
        items_.insert(items_.begin() + newIndex, std::move(object));
    }
    selected_ = newIndex;
    NotifyListChanged();
    NotifySelected();
    return true;
}

bool AfterburnerState::MoveSelectedToTop()
{
    return selected_ >= 0 && selected_ < Count() - 1 && Move_AfBuObj(selected_, Count() - 1);
}

bool AfterburnerState::MoveSelectedToBottom()
{
    return selected_ > 0 && Move_AfBuObj(selected_, 0);
}

bool AfterburnerState::MoveSelectedUp()
{
    return selected_ >= 0 && selected_ < Count() - 1 && Move_AfBuObj(selected_, selected_ + 1);
}

bool AfterburnerState::MoveSelectedDown()
{
    return selected_ > 0 && Move_AfBuObj(selected_, selected_ - 1);
}

void AfterburnerState::SelectNext()
{
    if (IsEmpty())
        return;
    SetSelected(selected_ <= 0 ? Count() - 1 : selected_ - 1);
}

void AfterburnerState::SelectPrevious()
{
    if (IsEmpty())
        return;
    SetSelected(selected_ >= Count() - 1 ? 0 : selected_ + 1);
}

void AfterburnerState::SelectFirst()
{
    if (!IsEmpty())
        SetSelected(Count() - 1);
}

void AfterburnerState::SelectLast()
{
    if (!IsEmpty())
        SetSelected(0);
}

std::unique_ptr<Tool_ab> AfterburnerState::CopySelected() const
{
    const Tool_ab* object = SelectedObject();
    return object ? object->Clone() : nullptr;
}

void AfterburnerState::Paste(const Tool_ab& object, const AfterburnerContext& context)
{
    items_.push_back(object.Clone());
    SetSelected(Count() - 1);
    NotifyListChanged();
    Repaint_Stereo(context);
}

bool AfterburnerState::DeleteSelected(const AfterburnerContext& context)
{
    if (!IsValidIndex(selected_))
        return false;
    items_.erase(items_.begin() + selected_);
    // Reported even when the index stays 0: it names another object now.
    selected_ = IsEmpty() ? -1 : 0;
    NotifySelected();
    NotifyListChanged();
    Repaint_Stereo(context);
    return true;
}

void AfterburnerState::Append(std::unique_ptr<Tool_ab> object)
{
    if (object)
        items_.push_back(std::move(object));
}

bool AfterburnerState::HasStereogram() const
{
    return clean_ && clean_->Width() > 0;
}

void AfterburnerState::ReleaseStereogram()
{
    clean_.reset();
    picture_.reset();
}

std::unique_ptr<TPixelEngine> AfterburnerState::ReleaseStereogramForReuse()
{
    return std::move(clean_);
}

void AfterburnerState::SetCleanStereogram(std::unique_ptr<TPixelEngine> stereogram)
{
    clean_.reset();
    if (!stereogram || stereogram->Width() == 0) {
        picture_.reset();
        return;
    }
    // Every pixel of the picture is composed anew: a buffer of the right
    // size is as good as a new one.
    if (!picture_ || picture_->Width() != stereogram->Width() ||
        picture_->Height() != stereogram->Height()) {
        picture_.reset();
        picture_ = std::make_unique<TPixelEngine>(stereogram->Width(), stereogram->Height());
    }
    clean_ = std::move(stereogram);
}

void AfterburnerState::OpenStereogram(std::unique_ptr<TPixelEngine> picture,
                                      const AfterburnerContext& context)
{
    SetCleanStereogram(std::move(picture));
    Repaint_Stereo(context);
}

void AfterburnerState::Repaint_Stereo(const AfterburnerContext& context)
{
    if (!HasStereogram())
        return;
    if (!picture_ || picture_->Width() != clean_->Width() || picture_->Height() != clean_->Height())
        picture_ = std::make_unique<TPixelEngine>(clean_->Width(), clean_->Height());
    picture_->ResetClip();
    clean_->DrawTo(*picture_, 0, 0);
    for (const auto& object : items_)
        object->Apply(*picture_, context);
    if (ui_)
        ui_->PictureComposed();
}

void AfterburnerState::Reset()
{
    while (!items_.empty())
        items_.pop_back();
    selected_ = -1;
    NotifySelected();
    ReleaseStereogram();
    NotifyListChanged();
}

void AfterburnerState::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality,
                                    const std::function<void()>& step) const
{
    stream.WriteInt32(Count());
    if (step)
        step();
    for (const auto& object : items_) {
        stream.WriteInt32(object->Kind);
        object->SaveToStream(stream, imageQuality);
        if (step)
            step();
    }
}

void AfterburnerState::LoadFromStream(ProjectStreamReader& stream,
                                      const std::function<void()>& step)
{
    const int32_t count = stream.ReadInt32();
    if (count < 0)
        throw LumoraError("The data is damaged: the afterburner section counts " +
                          std::to_string(count) + " objects.");
    // Read everything first, so that damaged data leaves the list as it was.
    if (step)
        step();
    std::vector<std::unique_ptr<Tool_ab>> read;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t kind = stream.ReadInt32();
        read.push_back(ReadAfterburnerObject(kind, stream));
        if (step)
            step();
    }
    AppendLoaded(std::move(read));
}

std::vector<std::unique_ptr<Tool_ab>> AfterburnerState::TakeAll()
{
    std::vector<std::unique_ptr<Tool_ab>> taken = std::move(items_);
    items_.clear();
    SetSelected(-1);
    NotifyListChanged();
    return taken;
}

void AfterburnerState::AppendLoaded(std::vector<std::unique_ptr<Tool_ab>> objects)
{
    if (objects.empty())
        return;
    for (auto& object : objects)
        items_.push_back(std::move(object));
    SetSelected(Count() - 1);
    NotifyListChanged();
}

void AfterburnerState::NotifyListChanged()
{
    if (ui_)
        ui_->ObjectListChanged();
}

void AfterburnerState::NotifySelected()
{
    if (ui_)
        ui_->SelectionChanged(selected_);
}

} // namespace lumora
