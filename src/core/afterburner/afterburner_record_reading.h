#pragma once
// Bounded reads of afterburner records: a value outside the range the
// program itself can produce means the data is damaged, and is refused with
// a text naming the field rather than carried into a composition.

#include <cstdint>

namespace lumora {

class ProjectStreamReader;

int32_t ReadAfterburnerInt32(ProjectStreamReader& stream, int32_t lo, int32_t hi,
                             const char* field);
// A byte 0 .. hi (1 for the switches).
uint8_t ReadAfterburnerByte(ProjectStreamReader& stream, uint8_t hi, const char* field);
// A colour 0x00BBGGRR: the top byte must be 0.
uint32_t ReadAfterburnerColour(ProjectStreamReader& stream, const char* field);
[[noreturn]] void FailDamagedAfterburnerRecord(const char* field, const char* problem);

} // namespace lumora
