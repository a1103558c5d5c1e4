#include "afterburner/tool_ab.h"

#include "afterburner/afterburner_record_reading.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <string>

namespace lumora {

void Tool_ab::Apply(TPixelEngine&, const AfterburnerContext&) const {}

void Tool_ab::SaveToStream(ProjectStreamWriter& stream, int32_t) const
{
    stream.WriteText(Name);
    stream.WriteInt32(Kind);
}

void Tool_ab::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
}

void Tool_ab::LoadBase(ProjectStreamReader& stream)
{
    Name = stream.ReadText();
    const int32_t kind = stream.ReadInt32();
    if (kind != Kind)
        FailDamagedAfterburnerRecord("Kind", ("holds " + std::to_string(kind) +
                                              " in a record of kind " + std::to_string(Kind))
                                                 .c_str());
}

} // namespace lumora
