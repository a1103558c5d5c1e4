// The text model readers (DXF, L3M, Real 3D, 3D Studio ASCII) on arbitrary
// input: the first byte chooses the reader, the rest is the file. Damaged
// input must end in LumoraError, never a crash, a hang or a huge allocation.
#include "common/lumora_error.h"
#include "models/model_readers.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        switch (data[0] % 4) {
        case 0:
            lumora::ParseDXF(text);
            break;
        case 1:
            lumora::ParseL3M(text);
            break;
        case 2:
            lumora::ParseRPL(text);
            break;
        default:
            lumora::ParseASC(text);
            break;
        }
    } catch (const lumora::LumoraError&) {
    }
    return 0;
}
