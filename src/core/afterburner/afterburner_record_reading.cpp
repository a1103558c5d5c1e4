#include "afterburner/afterburner_record_reading.h"

#include "stream/checked_record_reading.h"

namespace lumora {

namespace {
constexpr const char* kRecord = "afterburner";
}

void FailDamagedAfterburnerRecord(const char* field, const char* problem)
{
    FailDamagedField(kRecord, field, problem);
}

int32_t ReadAfterburnerInt32(ProjectStreamReader& stream, int32_t lo, int32_t hi, const char* field)
{
    return ReadCheckedInt32(stream, lo, hi, kRecord, field);
}

uint8_t ReadAfterburnerByte(ProjectStreamReader& stream, uint8_t hi, const char* field)
{
    return ReadCheckedByte(stream, hi, kRecord, field);
}

uint32_t ReadAfterburnerColour(ProjectStreamReader& stream, const char* field)
{
    return static_cast<uint32_t>(ReadAfterburnerInt32(stream, 0, 0xFFFFFF, field));
}

} // namespace lumora
