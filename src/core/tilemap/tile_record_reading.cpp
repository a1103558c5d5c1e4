#include "tilemap/tile_record_reading.h"

#include "stream/checked_record_reading.h"

namespace lumora {

namespace {
constexpr const char* kRecord = "tile";
}

void FailDamagedTile(const char* field, const char* problem)
{
    FailDamagedField(kRecord, field, problem);
}

int32_t ReadTileInt32(ProjectStreamReader& stream, int32_t lo, int32_t hi, const char* field)
{
    return ReadCheckedInt32(stream, lo, hi, kRecord, field);
}

uint8_t ReadTileByte(ProjectStreamReader& stream, uint8_t hi, const char* field)
{
    return ReadCheckedByte(stream, hi, kRecord, field);
}

} // namespace lumora
