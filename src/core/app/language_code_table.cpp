#include "app/language_code_table.h"

#include <QByteArray>

namespace lumora {

namespace {

// The five character codes Windows-1252 leaves undefined are the ones the
// table omits: text never needs them, and each has a two-part decimal
// form (12|9, 14|1, 14|3, 14|4, 15|7) made of codes the table holds.
constexpr std::array<uint8_t, 5> kOmittedCharacters = {129, 141, 143, 144, 157};

// The key: the seed of the shuffle that orders the table.
constexpr uint32_t kTableKey = 0x4C4D4152u; // "LMAR"

bool IsOmitted(int c)
{
    for (const uint8_t omitted : kOmittedCharacters) {
        if (omitted == c)
            return true;
    }
    return false;
}

} // namespace

LanguageCodeTable BuildLanguageCodeTable()
{
    LanguageCodeTable table{};
    size_t n = 0;
    for (int c = 0; c < 256; ++c) {
        if (!IsOmitted(c))
            table[n++] = static_cast<uint8_t>(c);
    }
    // Fisher-Yates with a linear congruential sequence from the key.
    uint32_t seed = kTableKey;
    for (size_t i = table.size() - 1; i > 0; --i) {
        seed = seed * 1664525u + 1013904223u;
        const size_t j = static_cast<size_t>((static_cast<uint64_t>(seed) * (i + 1)) >> 32);
        std::swap(table[i], table[j]);
    }
    return table;
}

std::optional<uint8_t> FindLanguageCode(const LanguageCodeTable& table, uint8_t characterCode)
{
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i] == characterCode)
            return static_cast<uint8_t>(i);
    }
    return std::nullopt;
}

std::optional<std::pair<uint8_t, uint8_t>> FindLanguageEscape(const LanguageCodeTable& table,
                                                              uint8_t characterCode)
{
    const QByteArray digits = QByteArray::number(characterCode);
    for (qsizetype split = 1; split < digits.size(); ++split) {
        const QByteArray first = digits.left(split);
        const QByteArray second = digits.mid(split);
        // Entries are written without leading zeros, so a part may start
        // with 0 only when it is 0 itself.
        if (second.size() > 1 && second.startsWith('0'))
            continue;
        const auto a = FindLanguageCode(table, static_cast<uint8_t>(first.toInt()));
        const auto b = FindLanguageCode(table, static_cast<uint8_t>(second.toInt()));
        if (a && b)
            return std::make_pair(*a, *b);
    }
    // A one-digit code is 0 joined with itself ("0" + "7" reads as 7).
    if (digits.size() == 1) {
        const auto zero = FindLanguageCode(table, 0);
        const auto b = FindLanguageCode(table, characterCode);
        if (zero && b)
            return std::make_pair(*zero, *b);
    }
    return std::nullopt;
}

} // namespace lumora
