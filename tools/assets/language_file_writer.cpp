#include "language_file_writer.h"

#include "app/language_code_table.h"
#include "app/language_file.h"
#include "common/lumora_error.h"
#include "stream/windows1252.h"

namespace lumora {

namespace {

// Publisher flags: an official file's flags share a bit, another's do not.
constexpr uint8_t kFlagA = 0x5A;
constexpr uint8_t kOfficialFlagB = 0x0F;
constexpr uint8_t kUnofficialFlagB = 0xA5;

void AppendInt32(QByteArray& out, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

QByteArray CodePageBytes(const QString& line)
{
    const QByteArray bytes = ToWindows1252(line);
    if (FromWindows1252(reinterpret_cast<const uint8_t*>(bytes.constData()),
                        static_cast<size_t>(bytes.size())) != line)
        throw LumoraError("The line \"" + line.toStdString() +
                          "\" holds a character a language file cannot store.");
    return bytes;
}

void AppendCodedLine(QByteArray& out, const LanguageCodeTable& table, const QString& line)
{
    for (const char c : CodePageBytes(line)) {
        const auto character = static_cast<uint8_t>(c);
        if (const auto code = FindLanguageCode(table, character)) {
            out.append(static_cast<char>(*code));
            continue;
        }
        const auto escape = FindLanguageEscape(table, character);
        if (!escape)
            throw LumoraError("The character " + std::to_string(character) +
                              " has no code in the language table.");
        out.append(static_cast<char>(kLanguageEscapeCode));
        out.append(static_cast<char>(escape->first));
        out.append(static_cast<char>(escape->second));
    }
    out.append(static_cast<char>(kLanguageEndOfLineCode));
}

} // namespace

QByteArray EncodeLanguageFile(const QStringList& lines, bool official)
{
    const LanguageCodeTable table = BuildLanguageCodeTable();
    QByteArray out(kLanguageMagic, kLanguageMagicSize);
    const QByteArray version(kLanguageFormatVersion);
    AppendInt32(out, static_cast<int32_t>(version.size()));
    out.append(version);
    out.append(static_cast<char>(kFlagA));
    AppendInt32(out, static_cast<int32_t>(lines.size()));
    for (const QString& line : lines)
        AppendCodedLine(out, table, line);
    out.append(static_cast<char>(official ? kOfficialFlagB : kUnofficialFlagB));
    return out;
}

QStringList ParseLanguageSource(const QByteArray& utf8)
{
    QString text = QString::fromUtf8(utf8);
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

} // namespace lumora
