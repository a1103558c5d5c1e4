#include "plugins/plugin_value_reader.h"

#include "common/lumora_error.h"
#include "stream/windows1252.h"

namespace lumora {

namespace {
const char* const kReadError = "Stream read error";
const char* const kInvalidValue = "Invalid property value";

QString AnsiText(const QByteArray& bytes)
{
    return FromWindows1252(reinterpret_cast<const uint8_t*>(bytes.constData()),
                           static_cast<size_t>(bytes.size()));
}

// Unicode texts of the file are brought down to what the code page holds.
QString ThroughCodePage(const QString& text)
{
    return AnsiText(ToWindows1252(text));
}
} // namespace

uint8_t PlugInValueReader::ReadByte()
{
    if (pos_ >= data_.size())
        throw LumoraError(kReadError);
    return static_cast<uint8_t>(data_[pos_++]);
}

uint32_t PlugInValueReader::ReadUnsigned(int byteCount)
{
    if (data_.size() - pos_ < byteCount)
        throw LumoraError(kReadError);
    uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(data_[pos_ + i])) << (8 * i);
    pos_ += byteCount;
    return value;
}

QByteArray PlugInValueReader::ReadBytes(uint64_t count)
{
    // The length comes from the file: check it against what is there before
    // allocating anything.
    if (count > static_cast<uint64_t>(data_.size() - pos_))
        throw LumoraError(kReadError);
    QByteArray bytes = data_.mid(pos_, static_cast<qsizetype>(count));
    pos_ += static_cast<qsizetype>(count);
    return bytes;
}

bool PlugInValueReader::ReadListStart()
{
    if (AtEnd() || static_cast<uint8_t>(data_[pos_]) != PlugInValueTag::ListStart)
        return false;
    ++pos_;
    return true;
}

int32_t PlugInValueReader::ReadInteger()
{
    switch (ReadByte()) {
    case PlugInValueTag::Int8:
        return static_cast<int8_t>(ReadUnsigned(1));
    case PlugInValueTag::Int16:
        return static_cast<int16_t>(ReadUnsigned(2));
    case PlugInValueTag::Int32:
        return static_cast<int32_t>(ReadUnsigned(4));
    default:
        throw LumoraError(kInvalidValue);
    }
}

QString PlugInValueReader::ReadText()
{
    switch (ReadByte()) {
    case PlugInValueTag::AnsiText8:
        return AnsiText(ReadBytes(ReadUnsigned(1)));
    case PlugInValueTag::AnsiText32:
        return AnsiText(ReadBytes(ReadUnsigned(4)));
    case PlugInValueTag::Utf16Text: {
        const uint64_t units = ReadUnsigned(4);
        const QByteArray bytes = ReadBytes(units * 2);
        QString text(static_cast<qsizetype>(units), Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const auto lo = static_cast<uint8_t>(bytes[2 * i]);
            const auto hi = static_cast<uint8_t>(bytes[2 * i + 1]);
            text[i] = QChar(static_cast<char16_t>(lo | (hi << 8)));
        }
        return ThroughCodePage(text);
    }
    case PlugInValueTag::Utf8Text:
        return ThroughCodePage(QString::fromUtf8(ReadBytes(ReadUnsigned(4))));
    default:
        throw LumoraError(kInvalidValue);
    }
}

bool PlugInValueReader::ReadBoolean()
{
    return ReadByte() == PlugInValueTag::True;
}

} // namespace lumora
