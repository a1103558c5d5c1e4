#pragma once
// Builds afterburner objects from their kind codes (1 simple border,
// 2 frame border, 3 image border, 4 text, 5 spot, 6 depth-map overlay) when
// a project is read or a command names a kind.

#include "afterburner/tool_ab.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace lumora {

class ProjectStreamReader;

inline constexpr int32_t kFirstAfterburnerKind = 1;
inline constexpr int32_t kLastAfterburnerKind = 6;

bool IsAfterburnerKind(int32_t kind);
// An object of the kind with the values of a new object; nullptr for an
// unknown code.
std::unique_ptr<Tool_ab> CreateAfterburnerObject(int32_t kind);
// Creates the kind and reads its record. Records carry no length, so
// nothing after an unknown code could be read in step: it throws
// LumoraError.
std::unique_ptr<Tool_ab> ReadAfterburnerObject(int32_t kind, ProjectStreamReader& stream);

// The key of the kind's default name in the language tables' section
// "AfBuBezeichnung" ("BorderSimple" ... "DepthMap"); empty for an unknown
// code.
QString AfterburnerNameKey(int32_t kind);

} // namespace lumora
