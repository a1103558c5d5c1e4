// libFuzzer target: any bytes given to the plug-in file reader give a
// plug-in, "no plug-in" or a LumoraError, never a crash or a read out of
// bounds; the script of a usable one runs into a small buffer and ends,
// drawn or stopped with an error.
#include "common/lumora_error.h"
#include "plugins/plugin_file.h"
#include "plugins/plugin_interpreter.h"
#include "rendering/lumo_pixelengine256.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString name;
    lumora::CheckPlugInFunction(bytes, name);
    lumora::PlugInFile plugIn;
    try {
        if (lumora::ReadPlugIn(bytes, plugIn) != lumora::PlugInFileState::Usable)
            return 0;
    } catch (const lumora::LumoraError&) {
        return 0;
    }
    lumora::TPixelEngine256 target(64, 48);
    target.Fill(0);
    // A small guard keeps every input fast; real scripts stay far below it.
    lumora::PlugInInterpreter interpreter(20000);
    try {
        interpreter.RunPlugInScript(3, 2, 58, 44, 7, target, plugIn.Script, false);
    } catch (const lumora::LumoraError&) {
    }
    return 0;
}
