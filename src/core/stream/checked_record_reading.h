#pragma once
// Bounded reads of object records: a value outside the range the program
// itself can produce means the data is damaged, and is refused with a text
// naming the stage and the field.

#include <cstdint>

namespace lumora {

class ProjectStreamReader;

// record names the stage ("tile", "afterburner") in the message.
int32_t ReadCheckedInt32(ProjectStreamReader& stream, int32_t lo, int32_t hi, const char* record,
                         const char* field);
uint8_t ReadCheckedByte(ProjectStreamReader& stream, uint8_t hi, const char* record,
                        const char* field);
[[noreturn]] void FailDamagedField(const char* record, const char* field, const char* problem);

} // namespace lumora
