#include "stream/windows1252.h"

#include <array>

namespace lumora {

namespace {

// Characters of bytes 0x80..0x9F. The five bytes the code page leaves
// undefined map to the C1 control with the same number, as the platform
// converter of the original system does, so they still round-trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char EncodeCharacter(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray ToWindows1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    const auto* units = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = units[i];
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(units[i + 1])) {
            // One character outside the basic plane: one replacement.
            ++i;
            out.append('?');
            continue;
        }
        out.append(EncodeCharacter(u));
    }
    return out;
}

QString FromWindows1252(const uint8_t* bytes, size_t count)
{
    QString out(static_cast<qsizetype>(count), Qt::Uninitialized);
    QChar* data = out.data();
    for (size_t i = 0; i < count; ++i) {
        const uint8_t b = bytes[i];
        data[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return out;
}

} // namespace lumora
