#pragma once
// Checks the chunk structure of a 3D Studio file and copies the chunks the
// model reader uses (mesh geometry, mesh matrices, keyframe object nodes
// with their pivot and position, rotation and scale tracks) into a fresh,
// consistent chunk stream. Counts, lengths and indices are checked against
// the data present, so the chunk reader never sees an inconsistent record.

#include <cstdint>
#include <string_view>
#include <vector>

namespace lumora {

// Raises LumoraError with a user-facing text when the file is damaged.
std::vector<uint8_t> FilterChunks3DS(std::string_view bytes);

} // namespace lumora
