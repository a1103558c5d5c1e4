#include "stream/checked_record_reading.h"

#include "common/lumora_error.h"
#include "stream/project_stream_reader.h"

#include <string>

namespace lumora {

void FailDamagedField(const char* record, const char* field, const char* problem)
{
    throw LumoraError(std::string("The data is damaged: the ") + record + " field " + field + " " +
                      problem + ".");
}

namespace {
void CheckRange(int64_t v, int64_t lo, int64_t hi, const char* record, const char* field)
{
    if (v >= lo && v <= hi)
        return;
    const std::string problem = "holds " + std::to_string(v) + ", outside " + std::to_string(lo) +
                                " to " + std::to_string(hi);
    FailDamagedField(record, field, problem.c_str());
}
} // namespace

int32_t ReadCheckedInt32(ProjectStreamReader& stream, int32_t lo, int32_t hi, const char* record,
                         const char* field)
{
    const int32_t v = stream.ReadInt32();
    CheckRange(v, lo, hi, record, field);
    return v;
}

uint8_t ReadCheckedByte(ProjectStreamReader& stream, uint8_t hi, const char* record,
                        const char* field)
{
    const uint8_t v = stream.ReadByte();
    CheckRange(v, 0, hi, record, field);
    return v;
}

} // namespace lumora
