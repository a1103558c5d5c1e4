// libFuzzer target: a project file read from any bytes gives a project or
// a LumoraError, never a crash, a read out of bounds or a runaway
// allocation. A project that was read is written again, and those bytes
// must read back and write to the very same bytes.
#include "common/lumora_error.h"
#include "project/project.h"
#include "project/project_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

constexpr int32_t kQuality = 80;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    lumora::ReadProjectResult first;
    try {
        first =
            lumora::ReadProjectBytes(std::span<const uint8_t>(data, size), "fuzz.l2p", 600, 450);
    } catch (const lumora::LumoraError&) {
        return 0;
    }
    std::vector<uint8_t> written;
    try {
        written = lumora::WriteProjectBytes(*first.Loaded, kQuality);
    } catch (const lumora::LumoraError&) {
        // What was read must be writable again.
        Fail("a project read cannot be written");
    }
    std::vector<uint8_t> again;
    try {
        lumora::ReadProjectResult second = lumora::ReadProjectBytes(
            std::span<const uint8_t>(written.data(), written.size()), "fuzz.l2p", 600, 450);
        again = lumora::WriteProjectBytes(*second.Loaded, kQuality);
    } catch (const lumora::LumoraError&) {
        Fail("a written project cannot be read");
    }
    // JPEG pictures may change once when they are encoded anew; from the
    // first written file on the bytes are fixed.
    if (again != written)
        Fail("a written project reads back differently");
    return 0;
}
