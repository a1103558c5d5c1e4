// libFuzzer target: any bytes given to the picture library reader give the
// library or a LumoraError, and so does every text, thumbnail and picture
// read from it: never a crash, a read out of bounds or a runaway
// allocation.
#include "app/picture_library.h"
#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const lumora::PictureLibrary library = lumora::PictureLibrary::FromBytes(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
        // A few pictures are enough to reach every kind of block.
        for (int k = 0; k < library.Count() && k < 4; ++k) {
            try {
                volatile qsizetype length = library.Name(k).size() + library.Description(k).size();
                (void)length;
                volatile int pixels = library.Thumbnail(k)->Width();
                pixels = pixels + library.Picture(k)->Height();
            } catch (const lumora::LumoraError&) {
            }
        }
    } catch (const lumora::LumoraError&) {
    }
    return 0;
}
