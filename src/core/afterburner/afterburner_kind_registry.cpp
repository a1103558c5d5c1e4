#include "afterburner/afterburner_kind_registry.h"

#include "afterburner/tool_ab_border_frame.h"
#include "afterburner/tool_ab_border_image.h"
#include "afterburner/tool_ab_border_simple.h"
#include "afterburner/tool_ab_depthmap.h"
#include "afterburner/tool_ab_spot.h"
#include "afterburner/tool_ab_text.h"
#include "common/lumora_error.h"

#include <array>
#include <string>

namespace lumora {

bool IsAfterburnerKind(int32_t kind)
{
    return kind >= kFirstAfterburnerKind && kind <= kLastAfterburnerKind;
}

std::unique_ptr<Tool_ab> CreateAfterburnerObject(int32_t kind)
{
    switch (kind) {
    case Tool_ab_border_simple::KindCode:
        return std::make_unique<Tool_ab_border_simple>();
    case Tool_ab_border_frame::KindCode:
        return std::make_unique<Tool_ab_border_frame>();
    case Tool_ab_border_image::KindCode:
        return std::make_unique<Tool_ab_border_image>();
    case Tool_ab_text::KindCode:
        return std::make_unique<Tool_ab_text>();
    case Tool_ab_spot::KindCode:
        return std::make_unique<Tool_ab_spot>();
    case Tool_ab_depthmap::KindCode:
        return std::make_unique<Tool_ab_depthmap>();
    default:
        return nullptr;
    }
}

std::unique_ptr<Tool_ab> ReadAfterburnerObject(int32_t kind, ProjectStreamReader& stream)
{
    auto object = CreateAfterburnerObject(kind);
    if (!object)
        throw LumoraError("The data is damaged: an afterburner object has the unknown kind code " +
                          std::to_string(kind) + ".");
    object->LoadFromStream(stream);
    return object;
}

QString AfterburnerNameKey(int32_t kind)
{
    static const std::array<const char*, 6> keys = {"BorderSimple", "BorderFrame", "BorderImage",
                                                    "Text",         "Spot",        "DepthMap"};
    if (!IsAfterburnerKind(kind))
        return {};
    return QString::fromLatin1(keys[static_cast<size_t>(kind - kFirstAfterburnerKind)]);
}

} // namespace lumora
