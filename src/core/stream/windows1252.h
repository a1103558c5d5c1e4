#pragma once
// Texts in project files are stored in the Windows-1252 code page. These
// convert at the stream boundary; every byte maps to one character and
// back, so any stored text survives a load and a save unchanged.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace lumora {

// Characters the code page cannot hold become '?'.
QByteArray ToWindows1252(const QString& text);
QString FromWindows1252(const uint8_t* bytes, size_t count);

} // namespace lumora
