#include "rendering/algorithmus.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"

#include <algorithm>

namespace lumora {

namespace {

int StartColumn(int direction, int wos, int tos, int os, int customStart, int previous)
{
    switch (direction) {
    case 1:
        return 0;
    case 2:
        return (wos / 2) - (tos / 2);
    case 3:
        return wos - tos;
    case 4:
        return static_cast<int>(std::min<int64_t>(static_cast<int64_t>(customStart) * os, wos));
    default:
        return previous;
    }
}

inline uint32_t ColourAt(const uint8_t* pixel)
{
    return static_cast<uint32_t>(pixel[2]) | (static_cast<uint32_t>(pixel[1]) << 8) |
           (static_cast<uint32_t>(pixel[0]) << 16);
}

} // namespace

int Algorithmus::LevelOfDepth(uint8_t d)
{
    return static_cast<int>(Round((kLevels - 1) * (d / 256.0)));
}

void Algorithmus::PrepareRender(const RenderOptions& options, const TPixelEngine& tileBitmap)
{
    w_ = options.RenderOptions_RenderWidth;
    h_ = options.RenderOptions_RenderHeight;
    os_ = OversamplingFactor(options.RenderOptions_Settings_quality);
    const int dpi = options.RenderOptions_RenderDPI;
    if (w_ < 1 || h_ < 1 || dpi < 1)
        throw LumoraError("The render size and resolution must be at least 1.");
    if (static_cast<int64_t>(w_) * os_ > kMaxPositions)
        throw LumoraError("The render width is too large for the chosen quality.");
    wos_ = w_ * os_;
    d_ = Round(dpi * options.RenderOptions_Settings_AugeScreen);
    e_ = Round(dpi * 2.5);
    eos_ = e_ * os_;
    far_ = Round(dpi * options.RenderOptions_Settings_max3dtiefe);
    near_ = Round(options.RenderOptions_Settings_min3dtiefe) * dpi;
    tos_ = tileBitmap.Width() * os_;
    tileH_ = tileBitmap.Height();
    if (tos_ <= 0 || tileH_ <= 0)
        throw LumoraError("The tile map is empty: add a tile before rendering.");
    // A start outside the row (a tile wider than the render, or a custom
    // start beyond the width) is brought into 0 .. Wos.
    start_ = std::clamp(StartColumn(options.RenderOptions_Settings_renderdirection, wos_, tos_, os_,
                                    options.RenderOptions_Settings_customrenderdirection, start_),
                        0, wos_);
    phase_ = tos_ - (start_ % tos_);
    vshift_ = dpi / 16;

    tileColumnOffset_.resize(static_cast<size_t>(tos_));
    for (int c = 0; c < tos_; ++c)
        tileColumnOffset_[static_cast<size_t>(c)] = (c / os_) * 3;

    const auto needed = static_cast<size_t>(wos_) + 2;
    if (linkLeft_.size() < needed) {
        linkLeft_.resize(needed);
        linkRight_.resize(needed);
        rowColours_.resize(needed);
    }
}

void Algorithmus::BuildSeparationTable()
{
    for (int a = 0; a < kLevels; ++a) {
        const int64_t span = (far_ - near_) * a;
        const int64_t dist = Trunc(far_ - static_cast<double>(span) / kLevels);
        const int64_t denominator = dist + d_;
        separation_[static_cast<size_t>(a)] =
            denominator == 0
                ? 0
                : static_cast<int32_t>(Round(static_cast<double>(eos_ * dist) / denominator));
    }
    for (int d = 0; d < kLevels; ++d) {
        const int32_t s = separation_[static_cast<size_t>(LevelOfDepth(static_cast<uint8_t>(d)))];
        separationOfDepth_[static_cast<size_t>(d)] = s;
        halfSeparationOfDepth_[static_cast<size_t>(d)] = s / 2;
    }
}

void Algorithmus::RenderRow(int r, const TPixelEngine256& depthMap, const TPixelEngine& tileBitmap,
                            TPixelEngine& output)
{
    if (r < 0 || r >= h_ || depthMap.Width() < w_ || depthMap.Height() <= r ||
        output.Width() < w_ || output.Height() <= r || tileBitmap.Width() * os_ != tos_ ||
        tileBitmap.Height() != tileH_)
        throw LumoraError("The render buffers do not match the render options.");
    LinkRow(depthMap.Row(r));
    ColourRightward(tileBitmap, r);
    ColourLeftward(tileBitmap, r);
    AverageDown(rowColours_.data(), os_, w_, output.Row(r));
}

// The row loops copy the members they use into locals: the link and colour
// arrays are int32 and uint32, which may alias the int members, and the
// compiler would reload those after every store.
void Algorithmus::LinkRow(const uint8_t* depthRow)
{
    int32_t* const linkLeft = linkLeft_.data();
    int32_t* const linkRight = linkRight_.data();
    const int wos = wos_;
    const int os = os_;
    const int32_t* const separationOfDepth = separationOfDepth_.data();
    const int32_t* const halfSeparationOfDepth = halfSeparationOfDepth_.data();
    for (int x = 0; x < wos; ++x) {
        linkLeft[x] = x;
        linkRight[x] = x;
    }
    const int w = w_;
    // One depth byte per pixel gives the separation of its os positions.
    for (int p = 0, x = 0; p < w; ++p) {
        const uint8_t d = depthRow[p];
        const int32_t s = separationOfDepth[d];
        int32_t left = x - halfSeparationOfDepth[d];
        int32_t right = left + s;
        for (const int end = x + os; x < end; ++x, ++left, ++right) {
            if (left < 0 || right >= wos)
                continue;
            bool visible = true;
            const int32_t partnerOfRight = linkLeft[right];
            if (partnerOfRight != right) {
                if (partnerOfRight < left) {
                    // The old link spans farther: the nearer point hides it.
                    linkRight[partnerOfRight] = partnerOfRight;
                    linkLeft[right] = right;
                } else {
                    visible = false;
                }
            }
            const int32_t partnerOfLeft = linkRight[left];
            if (partnerOfLeft != left) {
                if (partnerOfLeft > right) {
                    linkLeft[partnerOfLeft] = partnerOfLeft;
                    linkRight[left] = left;
                } else {
                    visible = false;
                }
            }
            if (visible) {
                linkLeft[right] = left;
                linkRight[left] = right;
            }
        }
    }
}

const uint8_t* Algorithmus::TileRowFor(const TPixelEngine& tile, int r, int k) const
{
    const int64_t row = (static_cast<int64_t>(r) + static_cast<int64_t>(k) * vshift_) % tileH_;
    return tile.Row(static_cast<int>(row));
}

void Algorithmus::ColourRightward(const TPixelEngine& tile, int r)
{
    const int32_t* const linkLeft = linkLeft_.data();
    uint32_t* const colours = rowColours_.data();
    const int32_t* const columnOffset = tileColumnOffset_.data();
    const int start = start_;
    const int wos = wos_;
    const int tos = tos_;
    int last = -10;
    int column = 0; // (x - start) mod Tos, the tile column before division by os
    int k = 0;      // (x - start) div Tos
    const uint8_t* tileRow = TileRowFor(tile, r, k);
    for (int x = start; x < wos; ++x) {
        const int32_t partner = linkLeft[x];
        if (partner != x && partner >= start) {
            colours[x] = colours[partner];
            last = x;
        } else if (x - 1 == last) {
            colours[x] = colours[x - 1];
        } else {
            colours[x] = ColourAt(tileRow + columnOffset[column]);
        }
        if (++column == tos) {
            column = 0;
            tileRow = TileRowFor(tile, r, ++k);
        }
    }
}

void Algorithmus::ColourLeftward(const TPixelEngine& tile, int r)
{
    const int32_t* const linkRight = linkRight_.data();
    uint32_t* const colours = rowColours_.data();
    const int32_t* const columnOffset = tileColumnOffset_.data();
    const int tos = tos_;
    int last = -10;
    // With distance d = start - x: the repetition is d div Tos + 1, and the
    // tile column (x - start) mod Tos is Tos - (d mod Tos), or 0.
    int q = 1 % tos;
    int k = 1 / tos + 1;
    const uint8_t* tileRow = TileRowFor(tile, r, k);
    for (int x = start_ - 1; x >= 0; --x) {
        const int32_t partner = linkRight[x];
        if (partner != x) {
            colours[x] = colours[partner];
            last = x;
        } else if (x + 1 == last) {
            colours[x] = colours[x + 1];
        } else {
            const int column = q == 0 ? 0 : tos - q;
            colours[x] = ColourAt(tileRow + columnOffset[column]);
        }
        if (++q == tos) {
            q = 0;
            tileRow = TileRowFor(tile, r, ++k);
        }
    }
}

namespace {

// Red and blue are summed side by side in 16-bit lanes of one word: at most
// 10 x 255 per lane, so no lane spills into the next. A factor known at
// compile time turns the divisions into multiplications.
template <int Os>
void AverageGroups(const uint32_t* colours, int runtimeOs, int w, uint8_t* outputRow)
{
    const auto os = static_cast<uint32_t>(Os > 0 ? Os : runtimeOs);
    for (int p = 0; p < w; ++p) {
        uint32_t redBlue = 0, green = 0;
        for (uint32_t j = 0; j < os; ++j) {
            const uint32_t c = *colours++;
            redBlue += c & 0x00FF00FFu;
            green += (c >> 8) & 0xFFu;
        }
        outputRow[3 * p] = static_cast<uint8_t>((redBlue >> 16) / os);
        outputRow[3 * p + 1] = static_cast<uint8_t>(green / os);
        outputRow[3 * p + 2] = static_cast<uint8_t>((redBlue & 0xFFFFu) / os);
    }
}

} // namespace

void Algorithmus::AverageDown(const uint32_t* colours, int os, int w, uint8_t* outputRow)
{
    switch (os) {
    case 1:
        for (int p = 0; p < w; ++p) {
            const uint32_t c = colours[p];
            outputRow[3 * p] = static_cast<uint8_t>(c >> 16);
            outputRow[3 * p + 1] = static_cast<uint8_t>(c >> 8);
            outputRow[3 * p + 2] = static_cast<uint8_t>(c);
        }
        return;
    case 2:
        return AverageGroups<2>(colours, os, w, outputRow);
    case 4:
        return AverageGroups<4>(colours, os, w, outputRow);
    case 6:
        return AverageGroups<6>(colours, os, w, outputRow);
    case 10:
        return AverageGroups<10>(colours, os, w, outputRow);
    default:
        return AverageGroups<0>(colours, os, w, outputRow);
    }
}

} // namespace lumora
