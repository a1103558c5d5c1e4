#pragma once
// What the tests of the picture-keeping depth kinds share: pixels in
// picture order, comparisons, and records written and read back.
#include "depthmap/depth_kind_registry.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <memory>
#include <set>
#include <vector>

namespace lumora::testing_support {

// Top row first, left to right.
inline std::vector<uint8_t> PixelsOf(const TPixelEngine256& p)
{
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(p.Width()) * static_cast<size_t>(p.Height()));
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            out.push_back(p.Pixel(x, y));
    return out;
}

inline bool SamePicture(const TPixelEngine256& a, const TPixelEngine256& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() && PixelsOf(a) == PixelsOf(b);
}

inline int CountDifferences(const TPixelEngine256& a, const TPixelEngine256& b)
{
    const auto pa = PixelsOf(a);
    const auto pb = PixelsOf(b);
    int n = 0;
    for (size_t i = 0; i < pa.size() && i < pb.size(); ++i)
        n += pa[i] != pb[i];
    return n;
}

inline std::set<uint8_t> DistinctValues(const TPixelEngine256& p)
{
    const auto pixels = PixelsOf(p);
    return {pixels.begin(), pixels.end()};
}

// A buffer of w x h filled with v.
inline std::unique_ptr<TPixelEngine256> Filled(int w, int h, uint8_t v)
{
    auto p = std::make_unique<TPixelEngine256>(w, h);
    p->Fill(v);
    return p;
}

// The object written with its kind code before the record and read back
// through the registry of the depth-map library's kinds.
inline std::unique_ptr<Tool_dm> WrittenAndReadBack(const Tool_dm& object)
{
    DepthKindRegistry registry;
    RegisterDepthmapKinds(registry);
    ProjectStreamWriter w;
    w.WriteInt32(object.Kind);
    object.SaveToStream(w);
    ProjectStreamReader r(w.Data());
    auto back = registry.Read(r.ReadInt32(), r);
    if (back && !r.AtEnd())
        return nullptr; // a record read short is no round trip
    return back;
}

} // namespace lumora::testing_support
