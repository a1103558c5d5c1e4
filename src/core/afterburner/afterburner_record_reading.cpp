#include "afterburner/afterburner_record_reading.h"

#include "common/lumora_error.h"
#include "stream/project_stream_reader.h"

#include <string>

namespace lumora {

void FailDamagedAfterburnerRecord(const char* field, const char* problem)
{
    throw LumoraError(std::string("The data is damaged: the afterburner field ") + field + " " +
                      problem + ".");
}

namespace {
void CheckRange(int64_t v, int64_t lo, int64_t hi, const char* field)
{
    if (v >= lo && v <= hi)
        return;
    const std::string problem = "holds " + std::to_string(v) + ", outside " + std::to_string(lo) +
                                " to " + std::to_string(hi);
    FailDamagedAfterburnerRecord(field, problem.c_str());
}
} // namespace

int32_t ReadAfterburnerInt32(ProjectStreamReader& stream, int32_t lo, int32_t hi, const char* field)
{
    const int32_t v = stream.ReadInt32();
    CheckRange(v, lo, hi, field);
    return v;
}

uint8_t ReadAfterburnerByte(ProjectStreamReader& stream, uint8_t hi, const char* field)
{
    const uint8_t v = stream.ReadByte();
    CheckRange(v, 0, hi, field);
    return v;
}

uint32_t ReadAfterburnerColour(ProjectStreamReader& stream, const char* field)
{
    return static_cast<uint32_t>(ReadAfterburnerInt32(stream, 0, 0xFFFFFF, field));
}

} // namespace lumora
