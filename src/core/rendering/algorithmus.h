#pragma once
// The stereogram algorithm: constraint linking of the two eyes' positions
// per row, colouring outward from a start column, oversampling and
// averaging down. PrepareRender, BuildSeparationTable, then RenderRow for
// every memory row from the bottom up.

#include "rendering/render_options.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lumora {

class TPixelEngine;
class TPixelEngine256;

class Algorithmus
{
public:
    static constexpr int kLevels = 256;

    // Derives the render's values from the options and the tile bitmap.
    // Throws LumoraError for a tile bitmap without pixels or a render width
    // beyond what the per-row storage is meant for.
    void PrepareRender(const RenderOptions& options, const TPixelEngine& tileBitmap);
    void BuildSeparationTable();
    // Computes memory row r of the output from memory row r of the depth
    // map (both W wide) and the tile bitmap given to PrepareRender.
    void RenderRow(int r, const TPixelEngine256& depthMap, const TPixelEngine& tileBitmap,
                   TPixelEngine& output);

    // The derived values, for the pipeline and for tests.
    int Oversampling() const { return os_; }
    int PositionsPerRow() const { return wos_; }
    int64_t EyeDistance() const { return d_; }
    int64_t EyeSeparation() const { return e_; }
    int64_t FarDistance() const { return far_; }
    int64_t NearDistance() const { return near_; }
    int Start() const { return start_; }
    int Phase() const { return phase_; }
    int VerticalShift() const { return vshift_; }
    int32_t Separation(int level) const { return separation_[static_cast<size_t>(level)]; }

    // The link relation of the last row computed (entry x = x: no partner).
    const int32_t* LinkLeft() const { return linkLeft_.data(); }
    const int32_t* LinkRight() const { return linkRight_.data(); }

    // The depth level a depth byte is looked up at.
    static int LevelOfDepth(uint8_t d);
    // Averages groups of os colours (0x00BBGGRR) into w pixels (blue,
    // green, red), each channel sum divided by os with truncation.
    static void AverageDown(const uint32_t* colours, int os, int w, uint8_t* outputRow);

    // The largest row the dialogs allow: 10000 pixels at factor 10.
    static constexpr int kMaxPositions = 100000;

private:
    void LinkRow(const uint8_t* depthRow);
    void ColourRightward(const TPixelEngine& tile, int r);
    void ColourLeftward(const TPixelEngine& tile, int r);
    const uint8_t* TileRowFor(const TPixelEngine& tile, int r, int k) const;

    int w_ = 0;
    int h_ = 0;
    int os_ = 1;
    int wos_ = 0;
    int tos_ = 0;
    int tileH_ = 0;
    int64_t d_ = 0;
    int64_t e_ = 0;
    int64_t eos_ = 0;
    int64_t far_ = 0;
    int64_t near_ = 0;
    int start_ = 0;
    int phase_ = 0;
    int vshift_ = 0;
    std::array<int32_t, kLevels> separation_{};
    std::array<int32_t, kLevels> separationOfDepth_{}; // by depth byte
    std::array<int32_t, kLevels> halfSeparationOfDepth_{};
    std::vector<int32_t> tileColumnOffset_; // byte offset of tile column, by x mod Tos
    // Per-row storage, sized once for the largest row of the render.
    std::vector<int32_t> linkLeft_;
    std::vector<int32_t> linkRight_;
    std::vector<uint32_t> rowColours_;
};

} // namespace lumora
