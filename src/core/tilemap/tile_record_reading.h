#pragma once
// Bounded reads of tile records: a value outside the range the program
// itself can produce means the data is damaged, and is refused with a text
// naming the field rather than carried into a generation.

#include <cstdint>

namespace lumora {

class ProjectStreamReader;

int32_t ReadTileInt32(ProjectStreamReader& stream, int32_t lo, int32_t hi, const char* field);
uint8_t ReadTileByte(ProjectStreamReader& stream, uint8_t hi, const char* field);
[[noreturn]] void FailDamagedTile(const char* field, const char* problem);

} // namespace lumora
