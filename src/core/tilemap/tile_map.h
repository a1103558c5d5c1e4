#pragma once
// TileMap: the tile objects of a project, ordered top to bottom, with the
// selection, and the model operations of the tile-map window; the tile
// bitmap of a render and the window's preview are generated from it.
//
// The tile width Tw is the render option RenderOptions_Tile_Width; it is
// not kept here. SetTileWidth hands a changed width to every object.

#include "tilemap/tile_tm.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lumora {

class ProjectStreamReader;
class ProjectStreamWriter;
class TPixelEngine;
class TileMapUi;
class TileRandomSource;
struct RenderOptions;

class TileMap
{
public:
    TileMap() = default;
    TileMap(const TileMap&) = delete;
    TileMap& operator=(const TileMap&) = delete;

    void SetUi(TileMapUi* ui) { ui_ = ui; }

    // The list, index 0 at the top.
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    bool IsValidIndex(int32_t index) const { return index >= 0 && index < Count(); }
    // nullptr for an index outside the list.
    Tile_tm* At(int32_t index);
    const Tile_tm* At(int32_t index) const;
    const std::vector<std::unique_ptr<Tile_tm>>& Items() const { return items_; }

    // -1 when nothing is selected.
    int32_t SelectedIndex() const { return selected_; }
    Tile_tm* SelectedTile() { return At(selected_); }
    const Tile_tm* SelectedTile() const { return At(selected_); }

    // The sum of all band heights, and the top row of one band.
    int64_t TotalHeight() const;
    int64_t BandTop(int32_t index) const;

    // Which commands the window offers: the render command and the commands
    // on the selection need an object; the arrangement commands two.
    bool CanRender() const { return !IsEmpty(); }
    bool CanArrange() const { return Count() >= 2; }

    // Tile_Add: appends a copy of parameters (the values of the kind's
    // dialog, picture included) with the band height and no effects, and
    // selects it. Does nothing for a band height outside kMinBandHeight ..
    // kMaxBandHeight or an image tile without a picture.
    bool Tile_Add(int32_t bandHeight, const Tile_tm& parameters);
    // A dialog's "OK" for an existing object: the object takes the dialog's
    // values and band height and keeps its effects. The kinds must match.
    bool EditKachel(int32_t index, const Tile_tm& values, int32_t bandHeight);
    // Moves an object and keeps it selected.
    bool Move_Kachel(int32_t current, int32_t newIndex);
    // "Nach oben", "Eins nach oben", "Eins nach unten", "Nach unten" on the
    // selected object.
    bool MoveSelectedToTop();
    bool MoveSelectedUp();
    bool MoveSelectedDown();
    bool MoveSelectedToBottom();

    // Selecting an object (its button, a click, the selection commands).
    bool Select(int32_t index);
    // "Nächstes", "Vorheriges" (both wrap around), "Erstes", "Letztes".
    void SelectNext();
    void SelectPrevious();
    void SelectFirst();
    void SelectLast();
    // The click rule: walking from the top and summing band heights, the
    // first object whose running sum is at least y; -1 below the last band.
    int32_t IndexAtRow(int64_t y) const;
    bool SelectAtRow(int64_t y);

    // SetKachelAttributes: the "Tile FX" values into the selected object.
    bool SetKachelAttributes(const TileEffects& effects);

    // Paste: appends the object; the selection stays.
    void Append(std::unique_ptr<Tile_tm> tile);
    // Delete: frees the selected object and selects the first (or none).
    bool DeleteSelected();
    // A project reset: every object freed, last first; nothing selected.
    void Clear();

    // Slot 1 of every object, after the render options changed the width.
    void SetTileWidth(int32_t width);

    // Generate_KachelBitm: fills the render's tile bitmap (Tw x H) from the
    // bands stacked top to bottom, repeated or stretched when they are lower
    // than H, cut or stretched when higher (RenderOptions_Tile_smaller_stretch,
    // RenderOptions_Tile_bigger_stretch). A null bitmap or an empty list
    // leaves nothing to do. Throws LumoraError when the bitmap is not Tw wide
    // or the stack is too large for memory.
    void Generate_KachelBitm(const RenderOptions& options, TPixelEngine* tileBitmap,
                             TileRandomSource& random) const;

    // The preview of Repaint_Kachel: each band generated with its effects
    // and drawn repeatedly from the left edge (x = 0, Tw, 2 Tw, ...) across
    // the buffer at its band's top row; not repeated downwards, not fitted.
    // The buffer is normally TotalHeight() high; rows beyond are left alone.
    void GenerateKachelPreview(TPixelEngine& preview, int32_t tileWidth,
                               TileRandomSource& random) const;

    // The tile section of a project file: the object count, then per object
    // its kind code and its record. step (when given) runs after the count
    // and after each object: the project file's progress.
    void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality,
                      const std::function<void()>& step = {}) const;
    // Appends the objects of a tile section; on damaged data it throws
    // LumoraError and the list is left as it was.
    void LoadFromStream(ProjectStreamReader& stream, const std::function<void()>& step = {});
    // Every object handed over, in list order; nothing selected. With
    // AppendLoaded a project read elsewhere moves into this list.
    std::vector<std::unique_ptr<Tile_tm>> TakeAll();
    void AppendLoaded(std::vector<std::unique_ptr<Tile_tm>> tiles);

private:
    void NotifyEdited(bool buttons);
    void NotifySelected();

    std::vector<std::unique_ptr<Tile_tm>> items_;
    int32_t selected_ = -1;
    TileMapUi* ui_ = nullptr;
};

} // namespace lumora
