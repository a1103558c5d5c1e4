#include "afterburner/afterburner_ui.h"

#include "afterburner/afterburner_kind_registry.h"

namespace lumora {

QString AfterburnerUi::DefaultAfterburnerName(int32_t kind) const
{
    return AfterburnerNameKey(kind);
}

} // namespace lumora
