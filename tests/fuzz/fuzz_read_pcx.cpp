// libFuzzer target: any bytes given to the PCX reader give a picture or a
// LumoraError, never a crash, a read out of bounds or a runaway allocation.
#include "common/lumora_error.h"
#include "imageio/pcx.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const lumora::Bitmap picture = lumora::DecodePCX(bytes).ToTrueColour();
        // Touch every pixel, so a picture smaller than it claims shows.
        volatile uint32_t sum = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                sum = sum + picture.PixelColour(x, y);
    } catch (const lumora::LumoraError&) {
    }
    return 0;
}
