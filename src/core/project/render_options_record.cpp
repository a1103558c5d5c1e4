#include "project/render_options_record.h"

#include "rendering/render_options.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

namespace {

// One walk over the fields in file order serves both directions.
template <typename Visitor> void VisitFields(RenderOptions& o, Visitor&& visit)
{
    visit(o.RenderOptions_RenderWidthFormat);
    visit(o.RenderOptions_RenderHeightFormat);
    visit(o.RenderOptions_RenderDPI);
    visit(o.RenderOptions_RenderAspectRatio_Format);
    visit(o.RenderOptions_RenderAspectRatio_Width);
    visit(o.RenderOptions_RenderAspectRatio_Height);
    visit(o.RenderOptions_RenderWidth);
    visit(o.RenderOptions_RenderHeight);
    visit(o.RenderOptions_Tile_smaller_stretch);
    visit(o.RenderOptions_Tile_bigger_stretch);
    visit(o.RenderOptions_Tile_Width);
    visit(o.RenderOptions_Tile_ChangeWidth);
    visit(o.RenderOptions_Settings_Divergenz);
    visit(o.RenderOptions_Settings_quality);
    visit(o.RenderOptions_Settings_renderdirection);
    visit(o.RenderOptions_Settings_customrenderdirection);
    visit(o.RenderOptions_Settings_AugeScreen_Format);
    visit(o.RenderOptions_Settings_max3dtiefe_Format);
    visit(o.RenderOptions_Settings_min3dtiefe_Format);
    visit(o.RenderOptions_Settings_maxobdist_same);
    visit(o.RenderOptions_Settings_AugeScreen);
    visit(o.RenderOptions_Settings_max3dtiefe);
    visit(o.RenderOptions_Settings_min3dtiefe);
}

struct FieldWriter
{
    ProjectStreamWriter& stream;
    void operator()(int32_t& v) const { stream.WriteInt32(v); }
    void operator()(bool& v) const { stream.WriteBool(v); }
    void operator()(double& v) const { stream.WriteFloat64(v); }
};

struct FieldReader
{
    ProjectStreamReader& stream;
    void operator()(int32_t& v) const { v = stream.ReadInt32(); }
    void operator()(bool& v) const { v = stream.ReadBool(); }
    void operator()(double& v) const { v = stream.ReadFloat64(); }
};

} // namespace

void WriteRenderOptions(ProjectStreamWriter& stream, const RenderOptions& options)
{
    RenderOptions copy = options;
    VisitFields(copy, FieldWriter{stream});
}

RenderOptions ReadRenderOptions(ProjectStreamReader& stream)
{
    RenderOptions options;
    VisitFields(options, FieldReader{stream});
    return ClampedToDialogRanges(options);
}

} // namespace lumora
