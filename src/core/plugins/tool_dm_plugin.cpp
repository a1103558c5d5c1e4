#include "plugins/tool_dm_plugin.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "depthmap/depth_kind_registry.h"
#include "depthmap/depth_kinds.h"
#include "plugins/plugin_file.h"
#include "plugins/plugin_interpreter.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

Tool_dm_PlugIn::Tool_dm_PlugIn(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                               const QStringList& description, const QStringList& script)
    : Tool_dm(KindCode, id), Script(script), Description(description)
{
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    // The script sets its own depth levels and is never mirrored.
    CanInvert = true;
    CanMirrorH = false;
    CanMirrorV = false;
    HasDepth = false;
}

void Tool_dm_PlugIn::RunScript(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h,
                               const Box* limit) const
{
    PlugInInterpreter interpreter;
    interpreter.RunPlugInScript(x, y, w, h, ImageNumber, engine, Script, Invert, limit);
}

void Tool_dm_PlugIn::Draw(TPixelEngine256& engine)
{
    Render(engine, Left, Top, Width, Height);
}

void Tool_dm_PlugIn::Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h)
{
    RunScript(engine, x, y, w, h, nullptr);
}

// The interpreter sets and lifts the clip of the buffer itself, so the clip
// rectangle goes to it rather than onto the buffer.
void Tool_dm_PlugIn::DrawClipped(TPixelEngine256& engine, const Box& clipRect)
{
    RunScript(engine, Left, Top, Width, Height, &clipRect);
}

void Tool_dm_PlugIn::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteTextList(Script);
    stream.WriteTextList(Description);
    stream.WriteInt32(ImageNumber);
    stream.WriteText(PlugInName);
    stream.WriteText(Author);
    stream.WriteText(Country);
    stream.WriteText(EMail);
    stream.WriteText(Internet);
}

void Tool_dm_PlugIn::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Script = stream.ReadTextList();
    Description = stream.ReadTextList();
    ImageNumber = stream.ReadInt32();
    PlugInName = stream.ReadText();
    Author = stream.ReadText();
    Country = stream.ReadText();
    EMail = stream.ReadText();
    Internet = stream.ReadText();
}

std::unique_ptr<Tool_dm> Tool_dm_PlugIn::Clone(int32_t newId) const
{
    return CloneAs(*this, newId);
}

void RegisterPlugInKinds(DepthKindRegistry& registry)
{
    registry.Register<Tool_dm_PlugIn>();
}

std::unique_ptr<Tool_dm_PlugIn> MakePlugInObject(const QString& fileName, int32_t id,
                                                 const IntRect& rect, int32_t imageNumber)
{
    PlugInFile contents;
    const PlugInFileState state = ReadPlugInFile(fileName, contents);
    if (state == PlugInFileState::NotAPlugIn)
        throw LumoraError("\"" + fileName.toStdString() + "\" is not a plug-in file");
    if (state == PlugInFileState::NoScript)
        throw LumoraError("The plug-in file \"" + fileName.toStdString() + "\" holds no script");
    QStringList description{QString()};
    description += contents.Description;
    auto object = std::make_unique<Tool_dm_PlugIn>(id, rect.Left, rect.Top, rect.Width, rect.Height,
                                                   description, contents.Script);
    object->Name = DefaultNameKey(Tool_dm_PlugIn::KindCode);
    object->ImageNumber = imageNumber;
    object->PlugInName = contents.PlugInName;
    object->Author = contents.Author;
    object->Country = contents.Country;
    object->EMail = contents.EMail;
    object->Internet = contents.Internet;
    return object;
}

void RenderPlugInFile(const QString& fileName, int32_t imageNumber, TPixelEngine256& target,
                      const IntRect& rect)
{
    MakePlugInObject(fileName, 1, rect, imageNumber)->Draw(target);
}

} // namespace lumora
