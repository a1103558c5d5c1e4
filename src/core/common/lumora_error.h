#pragma once
// The one exception type of the core: a failure with a text meant for the
// user. Readers of files throw it; the UI shows it in its message box, the
// command-line tools print it.

#include <stdexcept>
#include <string>

namespace lumora {

class LumoraError : public std::runtime_error
{
public:
    explicit LumoraError(const std::string& userText) : std::runtime_error(userText) {}
};

} // namespace lumora
