#include "depthmap/tool_dm_image.h"

#include "common/numeric.h"
#include "depthmap/depth_objects.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <cstdlib>

namespace lumora {

Tool_dm_Image::Tool_dm_Image(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                             const TPixelEngine256* source)
    : PicturedDepthObject(KindCode, id),
      Source(source ? CopyPicture(*source) : std::make_unique<TPixelEngine256>(0, 0))
{
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

Tool_dm_Image::Tool_dm_Image(const Tool_dm_Image& other)
    : PicturedDepthObject(other), Source(CopyPicture(*other.Source)), ToneMap(other.ToneMap),
      CropTop(other.CropTop), CropBottom(other.CropBottom), CropLeft(other.CropLeft),
      CropRight(other.CropRight)
{
}

void Tool_dm_Image::SetMargins(const CropMargins& margins)
{
    CropTop = margins.Top;
    CropBottom = margins.Bottom;
    CropLeft = margins.Left;
    CropRight = margins.Right;
}

void Tool_dm_Image::SetContent(const TPixelEngine256& source, const ToneMapTable& toneMap,
                               const CropMargins& margins)
{
    Source = CopyPicture(source);
    ToneMap = toneMap;
    SetMargins(margins);
}

void Tool_dm_Image::FinishPart(TPixelEngine256& part) const
{
    part.MapLevels(ToneMap.data(), Invert);
    if (MirrorH)
        part.FlipHorizontal();
    if (MirrorV)
        part.FlipVertical();
}

void Tool_dm_Image::BuildPicture(TPixelEngine256& picture) const
{
    const int32_t W = picture.Width();
    const int32_t H = picture.Height();
    Source->StretchDrawTo(picture, 0, 0, W, H);
    const CropMargins margins = Margins().Bounded();
    if (margins.IsZero()) {
        FinishPart(picture);
        return;
    }
    const int32_t t = static_cast<int32_t>(Round(H * margins.Top));
    const int32_t b = H - static_cast<int32_t>(Round(H * margins.Bottom));
    const int32_t l = static_cast<int32_t>(Round(W * margins.Left));
    const int32_t r = W - static_cast<int32_t>(Round(W * margins.Right));
    const int32_t partWidth = std::abs(r - l);
    const int32_t partHeight = std::abs(b - t);
    auto part = NewPicture(partWidth, partHeight);
    picture.DrawPartTo(*part, 0, 0, partWidth, partHeight, l, t);
    FinishPart(*part);
    // The kept part fills the whole rectangle.
    picture.Fill(0);
    part->StretchDrawTo(picture, 0, 0, W, H);
}

void Tool_dm_Image::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    if (Source->Width() > 0 && Source->Height() > 0) {
        stream.WritePngBlock(*Source);
    } else {
        // No picture to encode: a block that ends where it starts.
        stream.WriteInt32(static_cast<int32_t>(stream.Position() + 4));
    }
    for (uint8_t v : ToneMap)
        stream.WriteByte(v);
    stream.WriteFloat64(CropTop);
    stream.WriteFloat64(CropBottom);
    stream.WriteFloat64(CropLeft);
    stream.WriteFloat64(CropRight);
}

void Tool_dm_Image::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    const size_t blockAt = stream.Position();
    if (static_cast<int64_t>(stream.ReadInt32()) == static_cast<int64_t>(blockAt) + 4) {
        Source = std::make_unique<TPixelEngine256>(0, 0);
    } else {
        stream.Seek(blockAt);
        Source = stream.ReadPngBlock();
    }
    stream.ReadBytes(ToneMap);
    CropTop = stream.ReadFloat64();
    CropBottom = stream.ReadFloat64();
    CropLeft = stream.ReadFloat64();
    CropRight = stream.ReadFloat64();
    SetSize(Width, Height, true);
}

std::unique_ptr<Tool_dm> Tool_dm_Image::Clone(int32_t newId) const
{
    return CloneAndBuild(*this, newId);
}

int64_t Tool_dm_Image::HeldPicturePixels() const
{
    return PicturedDepthObject::HeldPicturePixels() +
           static_cast<int64_t>(Source->Width()) * Source->Height();
}

Tool_dm_Image& AppendImageObject(DepthObjects& objects, const IntRect& rect,
                                 const TPixelEngine256& source, const ToneMapTable& toneMap,
                                 const CropMargins& margins)
{
    auto image = std::make_unique<Tool_dm_Image>(objects.LastObjectId + 1, rect.Left, rect.Top,
                                                 rect.Width, rect.Height, &source);
    image->ToneMap = toneMap;
    image->SetMargins(margins);
    image->SetSize(rect.Width, rect.Height, true);
    image->Name = objects.DefaultName(Tool_dm_Image::KindCode);
    Tool_dm_Image& added = *image;
    objects.NewObjectId();
    objects.Append(std::move(image));
    return added;
}

} // namespace lumora
