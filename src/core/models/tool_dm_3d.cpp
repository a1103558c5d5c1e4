#include "models/tool_dm_3d.h"

#include "depthmap/pictured_depth_object.h"

#include "depthmap/depth_kind_registry.h"
#include "models/scene_3d.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <bit>
#include <cstring>

namespace lumora {

namespace {

std::unique_ptr<TPixelEngine256> CopyOf(const TPixelEngine256* picture)
{
    if (!picture)
        return std::make_unique<TPixelEngine256>(0, 0);
    auto copy = std::make_unique<TPixelEngine256>(picture->Width(), picture->Height());
    for (int i = 0; i < picture->Height(); ++i)
        std::memcpy(copy->Row(i), picture->Row(i), size_t(picture->Width()));
    return copy;
}

// The view matrix as 16 little-endian single-precision values, row by row.
std::array<uint8_t, 64> MatrixBytes(const Matrix4& m)
{
    std::array<uint8_t, 64> bytes{};
    for (int i = 0; i < 16; ++i) {
        const uint32_t bits = std::bit_cast<uint32_t>(m.m[size_t(i / 4)][size_t(i % 4)]);
        for (int b = 0; b < 4; ++b)
            bytes[size_t(i * 4 + b)] = uint8_t(bits >> (8 * b));
    }
    return bytes;
}

Matrix4 MatrixFromBytes(const std::array<uint8_t, 64>& bytes)
{
    Matrix4 m;
    for (int i = 0; i < 16; ++i) {
        uint32_t bits = 0;
        for (int b = 0; b < 4; ++b)
            bits |= uint32_t(bytes[size_t(i * 4 + b)]) << (8 * b);
        m.m[size_t(i / 4)][size_t(i % 4)] = std::bit_cast<float>(bits);
    }
    return m;
}

} // namespace

std::unique_ptr<TPixelEngine256> ToPixelEngine(const GreyPicture& picture)
{
    auto engine = std::make_unique<TPixelEngine256>(picture.Width, picture.Height);
    for (int y = 0; y < engine->Height(); ++y)
        std::memcpy(engine->Row(engine->Height() - 1 - y),
                    picture.Levels.data() + size_t(y) * size_t(picture.Width),
                    size_t(picture.Width));
    return engine;
}

Tool_dm_3d::Tool_dm_3d(int32_t kind, int32_t id, int32_t left, int32_t top, int32_t width,
                       int32_t height, const TPixelEngine256* picture)
    : Tool_dm(kind, id), SourcePicture(CopyOf(picture)),
      ScaledPicture(std::make_unique<TPixelEngine256>(0, 0))
{
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

Tool_dm_3d::Tool_dm_3d(const Tool_dm_3d& other)
    : Tool_dm(other), SourcePicture(CopyOf(other.SourcePicture.get())),
      ScaledPicture(CopyOf(other.ScaledPicture.get())), Transparent(other.Transparent),
      StartDepthPos(other.StartDepthPos), EndDepthPos(other.EndDepthPos),
      ScaleValue(other.ScaleValue), ViewMatrix(other.ViewMatrix)
{
}

Tool_dm_3d::~Tool_dm_3d() = default;

void Tool_dm_3d::SetSourcePicture(const GreyPicture& picture)
{
    SourcePicture = ToPixelEngine(picture);
}

void Tool_dm_3d::RebuildScaledPicture()
{
    // The same limits as every object picture: a damaged record must not
    // make the reader take gigabytes.
    auto scaled = PicturedDepthObject::NewPicture(Width, Height);
    SourcePicture->StretchDrawTo(*scaled, 0, 0, scaled->Width(), scaled->Height());
    if (Invert)
        scaled->Invert();
    if (MirrorH)
        scaled->FlipHorizontal();
    if (MirrorV)
        scaled->FlipVertical();
    ScaledPicture = std::move(scaled);
}

void Tool_dm_3d::SetSize(int32_t w, int32_t h, bool rebuild)
{
    Tool_dm::SetSize(w, h, rebuild);
    if (rebuild)
        RebuildScaledPicture();
}

void Tool_dm_3d::SetFlags(bool invert, bool mirrorH, bool mirrorV, bool rebuild)
{
    Tool_dm::SetFlags(invert, mirrorH, mirrorV, rebuild);
    if (rebuild)
        RebuildScaledPicture();
}

void Tool_dm_3d::DrawPictureAt(TPixelEngine256& engine, int32_t x, int32_t y) const
{
    if (Transparent)
        ScaledPicture->BlitKeyed(engine, x, y, TransparentKey());
    else
        ScaledPicture->DrawTo(engine, x, y);
}

void Tool_dm_3d::Draw(TPixelEngine256& engine)
{
    DrawPictureAt(engine, Left, Top);
}

void Tool_dm_3d::Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h)
{
    const int32_t editorWidth = Width;
    const int32_t editorHeight = Height;
    // The editor-size picture comes back even when the render size cannot
    // be made (a picture too large for memory). Rebuilding at the editor
    // size worked before, so the restore itself does not fail.
    struct Restore
    {
        Tool_dm_3d& self;
        int32_t w, h;
        ~Restore()
        {
            try {
                self.SetSize(w, h, true);
            } catch (const std::exception&) {
                self.Width = w;
                self.Height = h;
            }
        }
    };
    Restore restore{*this, editorWidth, editorHeight};
    SetSize(w, h, true);
    DrawPictureAt(engine, x, y);
}

void Tool_dm_3d::DrawClipped(TPixelEngine256& engine, const Box& clipRect)
{
    Box common;
    if (!IntersectsArea(clipRect, common))
        return;
    const int32_t sx = common.Left - Left;
    const int32_t sy = common.Top - Top;
    const int32_t w = common.Right - common.Left;
    const int32_t h = common.Bottom - common.Top;
    if (Transparent)
        ScaledPicture->BlitKeyedPart(engine, sx, sy, sx + w, sy + h, common.Left, common.Top,
                                     TransparentKey());
    else
        ScaledPicture->DrawPartTo(engine, common.Left, common.Top, w, h, sx, sy);
}

void Tool_dm_3d::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WritePngBlock(*SourcePicture);
    stream.WriteBool(Transparent);
    stream.WriteInt32(StartDepthPos);
    stream.WriteInt32(EndDepthPos);
    stream.WriteFloat64(ScaleValue);
    const std::array<uint8_t, 64> matrix = MatrixBytes(ViewMatrix);
    stream.WriteRawBlock(matrix);
    SaveOwnFields(stream);
}

int64_t Tool_dm_3d::HeldPicturePixels() const
{
    int64_t pixels = 0;
    for (const auto* picture : {SourcePicture.get(), ScaledPicture.get()})
        if (picture)
            pixels += static_cast<int64_t>(picture->Width()) * picture->Height();
    return pixels;
}

void Tool_dm_3d::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    SourcePicture = stream.ReadPngBlock();
    if (!SourcePicture)
        SourcePicture = std::make_unique<TPixelEngine256>(0, 0);
    Transparent = stream.ReadBool();
    StartDepthPos = stream.ReadInt32();
    EndDepthPos = stream.ReadInt32();
    ScaleValue = stream.ReadFloat64();
    std::array<uint8_t, 64> matrix{};
    stream.ReadRawBlock(matrix);
    ViewMatrix = MatrixFromBytes(matrix);
    LoadOwnFields(stream);
    SetSize(Width, Height, true);
}

void Tool_dm_3d_primitive::SaveOwnFields(ProjectStreamWriter& stream) const
{
    stream.WriteInt32(PrimitiveNumber);
}

void Tool_dm_3d_primitive::LoadOwnFields(ProjectStreamReader& stream)
{
    PrimitiveNumber = stream.ReadInt32();
}

void Tool_dm_3d_model::SaveOwnFields(ProjectStreamWriter& stream) const
{
    stream.WriteText(ModelFileName);
}

void Tool_dm_3d_model::LoadOwnFields(ProjectStreamReader& stream)
{
    ModelFileName = stream.ReadText();
}

void Tool_dm_3d_text::SaveOwnFields(ProjectStreamWriter& stream) const
{
    stream.WriteText(Text);
    stream.WriteText(FontName);
    stream.WriteInt32(Extrusion);
    stream.WriteBool(Bold);
    stream.WriteBool(Italic);
    stream.WriteBool(Underline);
    stream.WriteBool(StrikeOut);
}

void Tool_dm_3d_text::LoadOwnFields(ProjectStreamReader& stream)
{
    Text = stream.ReadText();
    FontName = stream.ReadText();
    Extrusion = stream.ReadInt32();
    Bold = stream.ReadBool();
    Italic = stream.ReadBool();
    Underline = stream.ReadBool();
    StrikeOut = stream.ReadBool();
}

void RegisterModelKinds(DepthKindRegistry& registry)
{
    registry.Register<Tool_dm_3d_primitive>();
    registry.Register<Tool_dm_3d_model>();
    registry.Register<Tool_dm_3d_text>();
}

} // namespace lumora
