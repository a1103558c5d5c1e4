// libFuzzer target: a tile section read from any bytes gives tile objects or
// a LumoraError, never a crash, a read out of bounds or a runaway
// allocation; what was read then generates a small tile bitmap and preview.
#include "common/lumora_error.h"
#include "common/random_generator.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/render_options.h"
#include "stream/project_stream_reader.h"
#include "tilemap/tile_map.h"
#include "tilemap/tile_random_source.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    lumora::ProjectStreamReader reader(std::span<const uint8_t>(data, size));
    lumora::TileMap tiles;
    try {
        tiles.LoadFromStream(reader);
    } catch (const lumora::LumoraError&) {
        return 0;
    }
    // Keep the generation small: a narrow tile, a bounded stack.
    if (tiles.TotalHeight() > 20000)
        return 0;
    lumora::RenderOptions options;
    options.RenderOptions_Tile_Width = 3;
    options.RenderOptions_Tile_smaller_stretch = size % 2 == 0;
    options.RenderOptions_Tile_bigger_stretch = size % 3 == 0;
    lumora::RandomGenerator generator;
    lumora::TileRandomSource random(generator, 1);
    lumora::TPixelEngine bitmap(3, 50);
    tiles.Generate_KachelBitm(options, &bitmap, random);
    lumora::TPixelEngine preview(7, 60);
    tiles.GenerateKachelPreview(preview, 3, random);
    tiles.SetTileWidth(5);
    return 0;
}
