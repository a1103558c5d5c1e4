// libFuzzer target: an afterburner section read from any bytes gives
// afterburner objects or a LumoraError, never a crash, a read out of bounds
// or a runaway allocation; what was read is then composed over a small
// stereogram with a small depth map, and stored and read back.
#include "afterburner/afterburner_state.h"
#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <memory>

// Fontconfig keeps its font caches for the life of the process; that is no
// leak of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The text object draws with Qt's fonts, which need an application. It
    // lives until the process ends: libFuzzer leaves through exit(), and
    // its arguments are no longer there for the application's destructor.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_afterburner_section";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    lumora::ProjectStreamReader reader(std::span<const uint8_t>(data, size));
    lumora::AfterburnerState state;
    try {
        state.LoadFromStream(reader);
    } catch (const lumora::LumoraError&) {
        return 0;
    }
    lumora::TPixelEngine256 depth(13, 9);
    depth.Fill(200);
    const lumora::AfterburnerContext context{static_cast<int32_t>(size % 40), &depth};
    state.OpenStereogram(std::make_unique<lumora::TPixelEngine>(31, 17), context);

    lumora::ProjectStreamWriter writer;
    state.SaveToStream(writer, 75);
    lumora::ProjectStreamReader again(writer.TakeData());
    lumora::AfterburnerState reread;
    reread.LoadFromStream(again); // what was read must store and read back
    return 0;
}
