#include "tilemap/tile_map.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/render_options.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"
#include "tilemap/tile_kind_registry.h"
#include "tilemap/tile_map_ui.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_image.h"

#include <limits>
#include <string>

namespace lumora {

namespace {
// The kind code and the base record: the least one entry of the section
// takes.
constexpr size_t kMinTileEntryBytes = 4 + 4 + 4 + 4 + 8;
} // namespace

Tile_tm* TileMap::At(int32_t index)
{
    return IsValidIndex(index) ? items_[static_cast<size_t>(index)].get() : nullptr;
}

const Tile_tm* TileMap::At(int32_t index) const
{
    return IsValidIndex(index) ? items_[static_cast<size_t>(index)].get() : nullptr;
}

int64_t TileMap::TotalHeight() const
{
    int64_t total = 0;
    for (const auto& tile : items_)
        total += tile->BandHeight;
    return total;
}

int64_t TileMap::BandTop(int32_t index) const
{
    int64_t top = 0;
    for (int32_t i = 0; i < index && i < Count(); ++i)
        top += items_[static_cast<size_t>(i)]->BandHeight;
    return top;
}

void TileMap::NotifyEdited(bool buttons)
{
    if (!ui_)
        return;
    if (buttons)
        ui_->TileButtonsChanged();
    ui_->TilesModified();
    ui_->RepaintKachel();
}

void TileMap::NotifySelected()
{
    if (ui_)
        ui_->TileSelected(selected_);
}

bool TileMap::Tile_Add(int32_t bandHeight, const Tile_tm& parameters)
{
    if (bandHeight < kMinBandHeight || bandHeight > kMaxBandHeight || !IsTileKind(parameters.Kind))
        return false;
    if (const auto* image = dynamic_cast<const Tile_tm_Image*>(&parameters);
        image && !image->HasPicture())
        return false;
    std::unique_ptr<Tile_tm> tile = parameters.Clone();
    tile->BandHeight = bandHeight;
    tile->SetEffects(TileEffects{});
    items_.push_back(std::move(tile));
    selected_ = Count() - 1;
    NotifySelected();
    NotifyEdited(true);
    return true;
}

bool TileMap::EditKachel(int32_t index, const Tile_tm& values, int32_t bandHeight)
{
    Tile_tm* old = At(index);
    if (!old || old->Kind != values.Kind || bandHeight < kMinBandHeight ||
        bandHeight > kMaxBandHeight)
        return false;
    std::unique_ptr<Tile_tm> tile = values.Clone();
    tile->BandHeight = bandHeight;
    tile->SetEffects(old->Effects());
    items_[static_cast<size_t>(index)] = std::move(tile);
    NotifyEdited(true);
    return true;
}

bool TileMap::Move_Kachel(int32_t current, int32_t newIndex)
{
    if (!IsValidIndex(current) || !IsValidIndex(newIndex) || current == newIndex)
        return false;
    std::unique_ptr<Tile_tm> tile = std::move(items_[static_cast<size_t>(current)]);
    items_.erase(items_.begin() + current);
    items_.insert(items_.begin() + newIndex, std::move(tile));
    selected_ = newIndex;
    NotifySelected();
    NotifyEdited(true);
    return true;
}

bool TileMap::MoveSelectedToTop()
{
    return Move_Kachel(selected_, 0);
}

bool TileMap::MoveSelectedUp()
{
    return Move_Kachel(selected_, selected_ - 1);
}

bool TileMap::MoveSelectedDown()
{
    return Move_Kachel(selected_, selected_ + 1);
}

bool TileMap::MoveSelectedToBottom()
{
    return Move_Kachel(selected_, Count() - 1);
}

bool TileMap::Select(int32_t index)
{
    if (!IsValidIndex(index))
        return false;
    selected_ = index;
    NotifySelected();
    return true;
}

void TileMap::SelectNext()
{
    if (!IsEmpty())
        Select(selected_ + 1 < Count() ? selected_ + 1 : 0);
}

void TileMap::SelectPrevious()
{
    if (!IsEmpty())
        Select(selected_ > 0 ? selected_ - 1 : Count() - 1);
}

void TileMap::SelectFirst()
{
    Select(0);
}

void TileMap::SelectLast()
{
    Select(Count() - 1);
}

int32_t TileMap::IndexAtRow(int64_t y) const
{
    int64_t sum = 0;
    for (int32_t i = 0; i < Count(); ++i) {
        sum += items_[static_cast<size_t>(i)]->BandHeight;
        if (sum >= y)
            return i;
    }
    return -1;
}

bool TileMap::SelectAtRow(int64_t y)
{
    return Select(IndexAtRow(y));
}

bool TileMap::SetKachelAttributes(const TileEffects& effects)
{
    Tile_tm* tile = SelectedTile();
    if (!tile)
        return false;
    tile->SetEffects(effects.Clamped());
    NotifyEdited(false);
    return true;
}

void TileMap::Append(std::unique_ptr<Tile_tm> tile)
{
    if (!tile)
        return;
    items_.push_back(std::move(tile));
    NotifyEdited(true);
}

bool TileMap::DeleteSelected()
{
    if (!IsValidIndex(selected_))
        return false;
    items_.erase(items_.begin() + selected_);
    selected_ = IsEmpty() ? -1 : 0;
    NotifySelected();
    NotifyEdited(true);
    return true;
}

void TileMap::Clear()
{
    while (!items_.empty())
        items_.pop_back();
    selected_ = -1;
    if (ui_) {
        ui_->TileSelected(selected_);
        ui_->TileButtonsChanged();
        ui_->RepaintKachel();
    }
}

void TileMap::SetTileWidth(int32_t width)
{
    for (const auto& tile : items_)
        tile->SetTileWidth(width);
    if (ui_ && !IsEmpty()) {
        ui_->TileButtonsChanged();
        ui_->RepaintKachel();
    }
}

void TileMap::Generate_KachelBitm(const RenderOptions& options, TPixelEngine* tileBitmap,
                                  TileRandomSource& random) const
{
    if (!tileBitmap || IsEmpty())
        return;
    const int32_t tw = options.RenderOptions_Tile_Width;
    if (tileBitmap->Width() != tw)
        throw LumoraError("The tile bitmap is " + std::to_string(tileBitmap->Width()) +
                          " pixels wide, not the tile width of " + std::to_string(tw) + ".");
    const int64_t total = TotalHeight();
    if (total < 1 || total > std::numeric_limits<int32_t>::max())
        throw LumoraError("The tile map is " + std::to_string(total) +
                          " pixels high, more than a picture can hold.");
    const int32_t stackHeight = static_cast<int32_t>(total);

    TPixelEngine stack(tw, stackHeight);
    int32_t y = 0;
    for (const auto& tile : items_) {
        tile->MakeBand(tw, random)->DrawTo(stack, 0, y);
        y += tile->BandHeight;
    }

    const int32_t h = tileBitmap->Height();
    const bool stretch = h >= stackHeight ? options.RenderOptions_Tile_smaller_stretch
                                          : options.RenderOptions_Tile_bigger_stretch;
    if (stretch) {
        stack.StretchDrawTo(*tileBitmap, 0, 0, tw, h);
    } else if (h >= stackHeight) {
        // Repeated downwards; the last copy is cut at the bottom.
        for (int32_t copy = 0; copy <= h / stackHeight; ++copy)
            stack.DrawTo(*tileBitmap, 0, copy * stackHeight);
    } else {
        // The top H rows; the lower bands are cut off.
        stack.DrawTo(*tileBitmap, 0, 0);
    }
}

void TileMap::GenerateKachelPreview(TPixelEngine& preview, int32_t tileWidth,
                                    TileRandomSource& random) const
{
    if (tileWidth < 1)
        return;
    int64_t y = 0;
    for (const auto& tile : items_) {
        if (y >= preview.Height())
            break;
        const std::unique_ptr<TPixelEngine> band = tile->MakeBand(tileWidth, random);
        for (int32_t x = 0; x < preview.Width(); x += tileWidth)
            band->DrawTo(preview, x, static_cast<int32_t>(y));
        y += tile->BandHeight;
    }
}

void TileMap::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality,
                           const std::function<void()>& step) const
{
    stream.WriteInt32(Count());
    if (step)
        step();
    for (const auto& tile : items_) {
        stream.WriteInt32(tile->Kind);
        tile->SaveToStream(stream, imageQuality);
        if (step)
            step();
    }
}

void TileMap::LoadFromStream(ProjectStreamReader& stream, const std::function<void()>& step)
{
    const int32_t count = stream.ReadInt32();
    if (count < 0 || static_cast<size_t>(count) > stream.Remaining() / kMinTileEntryBytes)
        throw LumoraError("The data is damaged: the tile section counts " + std::to_string(count) +
                          " objects, more than its bytes can hold.");
    if (step)
        step();
    std::vector<std::unique_ptr<Tile_tm>> read;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t kind = stream.ReadInt32();
        read.push_back(ReadTile(kind, stream));
        if (step)
            step();
    }
    AppendLoaded(std::move(read));
}

std::vector<std::unique_ptr<Tile_tm>> TileMap::TakeAll()
{
    std::vector<std::unique_ptr<Tile_tm>> taken = std::move(items_);
    items_.clear();
    selected_ = -1;
    if (ui_) {
        ui_->TileSelected(selected_);
        ui_->TileButtonsChanged();
        ui_->RepaintKachel();
    }
    return taken;
}

void TileMap::AppendLoaded(std::vector<std::unique_ptr<Tile_tm>> tiles)
{
    if (tiles.empty())
        return;
    for (auto& tile : tiles)
        items_.push_back(std::move(tile));
    if (ui_) {
        ui_->TileButtonsChanged();
        ui_->RepaintKachel();
    }
}

} // namespace lumora
