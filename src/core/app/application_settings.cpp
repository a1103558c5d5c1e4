#include "app/application_settings.h"

namespace lumora {

WindowShowState ShowStateOf(int32_t windowState)
{
    switch (windowState) {
    case 1:
        return WindowShowState::Minimised;
    case 2:
        return WindowShowState::Maximised;
    default:
        return WindowShowState::Normal;
    }
}

int32_t WindowStateOf(WindowShowState state)
{
    switch (state) {
    case WindowShowState::Minimised:
        return 1;
    case WindowShowState::Maximised:
        return 2;
    case WindowShowState::Normal:
        break;
    }
    return 0;
}

int32_t CentredOnScreen(int32_t screenSize, int32_t windowSize)
{
    return static_cast<int32_t>((static_cast<int64_t>(screenSize) - windowSize) / 2);
}

} // namespace lumora
