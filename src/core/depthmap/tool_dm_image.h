#pragma once
// Tool_dm_Image (kind 12): a grey picture turned into depth. Source, at its
// own resolution, is stretched over the object's rectangle (whole rows and
// columns dropped or repeated), re-mapped through ToneMap, inverted and
// mirrored as asked, with the crop margins cut off and the kept part
// stretched back over the whole rectangle; the result is copied opaquely.

#include "common/numeric.h"
#include "depthmap/image_crop.h"
#include "depthmap/pictured_depth_object.h"
#include "depthmap/tone_map.h"

namespace lumora {

class Tool_dm_Image : public PicturedDepthObject
{
public:
    static constexpr int32_t KindCode = 12;

    Tool_dm_Image() : Tool_dm_Image(0, 0, 0, 0, 0) {}
    // Copies source (none: an empty Source). Picture is not built: the
    // creator sets ToneMap and the margins and calls SetSize with Rebuild.
    Tool_dm_Image(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                  const TPixelEngine256* source = nullptr);
    Tool_dm_Image(const Tool_dm_Image& other);

    // The grey picture at its own resolution; 0 x 0 when none was given.
    std::unique_ptr<TPixelEngine256> Source;
    ToneMapTable ToneMap = IdentityToneMap();
    double CropTop = 0;
    double CropBottom = 0;
    double CropLeft = 0;
    double CropRight = 0;

    CropMargins Margins() const { return {CropTop, CropBottom, CropLeft, CropRight}; }
    void SetMargins(const CropMargins& margins);
    // What the picture dialog's OK hands over; the picture is rebuilt by
    // the edit that follows (SetFlags with Rebuild).
    void SetContent(const TPixelEngine256& source, const ToneMapTable& toneMap,
                    const CropMargins& margins);

    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;
    int64_t HeldPicturePixels() const override;

protected:
    void BuildPicture(TPixelEngine256& picture) const override;

private:
    // Tone map, inversion and mirrors, in place.
    void FinishPart(TPixelEngine256& part) const;
};

class DepthObjects;

// The picture dialog's creation: a new image object over rect with the
// next id and the default name, its picture built, appended to objects.
Tool_dm_Image& AppendImageObject(DepthObjects& objects, const IntRect& rect,
                                 const TPixelEngine256& source, const ToneMapTable& toneMap,
                                 const CropMargins& margins);

} // namespace lumora
