// The 3D Studio reader on arbitrary input: the chunk check and the chunk
// reader behind it. Damaged input must end in LumoraError.
#include "common/lumora_error.h"
#include "models/model_readers.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        lumora::Parse3DS(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const lumora::LumoraError&) {
    }
    return 0;
}
