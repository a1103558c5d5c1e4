#pragma once
// The substitution that codes the text of language files. Every text byte
// (a character of the Windows-1252 code page) is stored as a code byte
// 0..250 whose table entry is the character code; the table is rebuilt
// from its key for every file read. Byte 251 escapes a character the table
// does not hold: two code bytes follow, and the decimal digits of their
// table entries, joined, give the character code. Byte 252 ends a line.

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace lumora {

inline constexpr int kLanguageCodeCount = 251;
inline constexpr uint8_t kLanguageEscapeCode = 251;
inline constexpr uint8_t kLanguageEndOfLineCode = 252;

using LanguageCodeTable = std::array<uint8_t, kLanguageCodeCount>;

// Builds the table from the program's key.
LanguageCodeTable BuildLanguageCodeTable();

// The code byte whose entry is characterCode, if the table holds it.
std::optional<uint8_t> FindLanguageCode(const LanguageCodeTable& table, uint8_t characterCode);

// Two code bytes whose entries, written in decimal and joined, give
// characterCode; for the characters the table does not hold.
std::optional<std::pair<uint8_t, uint8_t>> FindLanguageEscape(const LanguageCodeTable& table,
                                                              uint8_t characterCode);

} // namespace lumora
