#pragma once
// One group of the per-user settings store, opened for reading or writing
// values of the four stored types. Integers are 32-bit numbers, booleans
// are stored as the integers 0 and 1, floats as 8 raw bytes holding an
// IEEE double (little-endian), strings as text. A read of a missing or
// mistyped integer, boolean or float fails and leaves the target alone; a
// missing or mistyped string reads as the empty string.

#include <QString>
#include <cstdint>

class QSettings;

namespace lumora {

class SettingsKey
{
public:
    // The group stays open until the key is destroyed.
    SettingsKey(QSettings& settings, const QString& group);
    ~SettingsKey();
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    bool ReadInteger(const QString& name, int32_t& value) const;
    bool ReadBool(const QString& name, bool& value) const;
    bool ReadFloat(const QString& name, double& value) const;
    QString ReadString(const QString& name) const;

    // Reads an integer only when it lies in [low, high]; anything else is
    // a failed read.
    bool ReadIntegerInRange(const QString& name, int32_t low, int32_t high, int32_t& value) const;

    void WriteInteger(const QString& name, int32_t value);
    void WriteBool(const QString& name, bool value);
    void WriteFloat(const QString& name, double value);
    void WriteString(const QString& name, const QString& value);

private:
    QSettings& settings_;
};

} // namespace lumora
