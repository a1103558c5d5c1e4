#include "plugins/plugin_value_writer.h"

#include "common/lumora_error.h"
#include "plugins/plugin_value_reader.h"
#include "stream/windows1252.h"

#include <limits>

namespace lumora {

void PlugInValueWriter::WriteUnsigned(uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        WriteByte(static_cast<uint8_t>(value >> (8 * i)));
}

void PlugInValueWriter::WriteListStart()
{
    WriteByte(PlugInValueTag::ListStart);
}

void PlugInValueWriter::WriteInteger(int32_t value)
{
    if (value >= std::numeric_limits<int8_t>::min() &&
        value <= std::numeric_limits<int8_t>::max()) {
        WriteByte(PlugInValueTag::Int8);
        WriteUnsigned(static_cast<uint32_t>(value), 1);
    } else if (value >= std::numeric_limits<int16_t>::min() &&
               value <= std::numeric_limits<int16_t>::max()) {
        WriteByte(PlugInValueTag::Int16);
        WriteUnsigned(static_cast<uint32_t>(value), 2);
    } else {
        WriteByte(PlugInValueTag::Int32);
        WriteUnsigned(static_cast<uint32_t>(value), 4);
    }
}

void PlugInValueWriter::WriteBoolean(bool value)
{
    WriteByte(value ? PlugInValueTag::True : PlugInValueTag::False);
}

void PlugInValueWriter::WriteText(const QString& text)
{
    const QByteArray bytes = ToWindows1252(text);
    const bool lossless = FromWindows1252(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                          static_cast<size_t>(bytes.size())) == text;
    if (!lossless)
        throw LumoraError("The text \"" + text.toStdString() +
                          "\" holds characters that Windows-1252 cannot represent");
    if (bytes.size() <= 255) {
        WriteByte(PlugInValueTag::AnsiText8);
        WriteUnsigned(static_cast<uint32_t>(bytes.size()), 1);
    } else {
        WriteByte(PlugInValueTag::AnsiText32);
        WriteUnsigned(static_cast<uint32_t>(bytes.size()), 4);
    }
    data_.append(bytes);
}

void PlugInValueWriter::WriteUtf16Text(const QString& text)
{
    WriteByte(PlugInValueTag::Utf16Text);
    WriteUnsigned(static_cast<uint32_t>(text.size()), 4);
    for (const QChar c : text)
        WriteUnsigned(c.unicode(), 2);
}

void PlugInValueWriter::WriteUtf8Text(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    WriteByte(PlugInValueTag::Utf8Text);
    WriteUnsigned(static_cast<uint32_t>(bytes.size()), 4);
    data_.append(bytes);
}

} // namespace lumora
