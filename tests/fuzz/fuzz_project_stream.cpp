// libFuzzer target: the project stream reader and the depth-object records
// read from any bytes give values or a LumoraError, never a crash, a read
// out of bounds, a hang or a runaway allocation. The input drives itself:
// each byte read picks the next encoding to read.
#include "common/lumora_error.h"
#include "depthmap/depth_objects.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

void ReadOne(lumora::ProjectStreamReader& r, lumora::DepthObjects& objects, uint8_t op)
{
    volatile uint64_t sink = 0;
    switch (op % 11) {
    case 0:
        sink = sink + r.ReadByte();
        break;
    case 1:
        sink = sink + static_cast<uint32_t>(r.ReadInt32());
        break;
    case 2:
        sink = sink + static_cast<uint64_t>(r.ReadFloat64() != 0.0);
        break;
    case 3:
        sink = sink + static_cast<uint64_t>(r.ReadText().size());
        break;
    case 4:
        sink = sink + static_cast<uint64_t>(r.ReadTextList().size());
        break;
    case 5: {
        std::array<uint8_t, 64> raw{};
        r.ReadRawBlock(raw);
        sink = sink + raw[63];
        break;
    }
    case 6: {
        const auto picture = r.ReadJpegBlock();
        sink = sink + picture->Pixel(picture->Width() - 1, picture->Height() - 1);
        break;
    }
    case 7: {
        const auto depth = r.ReadPngBlock();
        sink = sink + depth->Pixel(depth->Width() - 1, depth->Height() - 1);
        break;
    }
    case 8:
        sink = sink + static_cast<uint64_t>(r.ReadTextOrEmpty().size());
        break;
    default: {
        // A depth object: kind code, then its record, as in a project file.
        const int32_t kind = r.ReadInt32() % 20;
        if (auto object = objects.Kinds.Read(kind, r))
            objects.Append(std::move(object));
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    lumora::ProjectStreamReader reader(std::span<const uint8_t>(data, size));
    lumora::DepthObjects objects;
    try {
        while (!reader.AtEnd())
            ReadOne(reader, objects, reader.ReadByte());
    } catch (const lumora::LumoraError&) {
    }
    // What was read must survive the model's walks over the hierarchy.
    try {
        objects.FinishLoading();
    } catch (const lumora::LumoraError&) {
    }
    objects.NormalizeOrder();
    objects.RenumberObjects();
    objects.SelectAll();
    return 0;
}
