#pragma once
// Writer of the tagged value encoding read by PlugInValueReader. The
// program itself only reads plug-in files; the asset tool writes the
// standard ones with this.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace lumora {

class PlugInValueWriter
{
public:
    void WriteListStart();
    // In the smallest integer form that holds the value.
    void WriteInteger(int32_t value);
    void WriteBoolean(bool value);
    // An 8-bit text, in the short form when it fits in 255 bytes. Throws
    // LumoraError for characters the code page cannot hold.
    void WriteText(const QString& text);
    void WriteUtf16Text(const QString& text);
    void WriteUtf8Text(const QString& text);
    // Raw bytes, for building deliberately damaged files.
    void WriteRaw(const QByteArray& bytes) { data_.append(bytes); }

    const QByteArray& Data() const { return data_; }

private:
    void WriteByte(uint8_t value) { data_.append(static_cast<char>(value)); }
    void WriteUnsigned(uint32_t value, int byteCount);

    QByteArray data_;
};

} // namespace lumora
