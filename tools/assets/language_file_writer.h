#pragma once
// Writes language files (.l2l) from their decoded lines: the magic, the
// format version, the publisher flags and the coded lines, each character
// through the code table or, where the table lacks it, its escape.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumora {

// Throws LumoraError for a character Windows-1252 cannot hold.
QByteArray EncodeLanguageFile(const QStringList& lines, bool official);

// A language text source: UTF-8 text whose lines become the file's lines
// as they stand (a final line break ends the last line, it adds none).
QStringList ParseLanguageSource(const QByteArray& utf8);

} // namespace lumora
