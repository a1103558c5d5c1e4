#include "app/settings_key.h"

#include <QByteArray>
#include <QSettings>
#include <QVariant>
#include <bit>
#include <cstring>
#include <limits>

namespace lumora {

namespace {

constexpr qsizetype kFloatBytes = 8;

// A value counts as an integer when it is a number or a text of decimal
// digits; raw data and lists are of another type.
bool ToInteger(const QVariant& v, int32_t& out)
{
    bool ok = false;
    qlonglong n = 0;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        n = v.toLongLong(&ok);
        break;
    case QMetaType::QString:
        n = v.toString().trimmed().toLongLong(&ok, 10);
        break;
    default:
        return false;
    }
    if (!ok || n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max())
        return false;
    out = static_cast<int32_t>(n);
    return true;
}

QByteArray DoubleToBytes(double value)
{
    uint64_t bits = std::bit_cast<uint64_t>(value);
    QByteArray bytes(kFloatBytes, '\0');
    for (qsizetype i = 0; i < kFloatBytes; ++i) {
        bytes[i] = static_cast<char>(bits & 0xFF);
        bits >>= 8;
    }
    return bytes;
}

double BytesToDouble(const QByteArray& bytes)
{
    uint64_t bits = 0;
    for (qsizetype i = kFloatBytes - 1; i >= 0; --i)
        bits = (bits << 8) | static_cast<uint8_t>(bytes[i]);
    return std::bit_cast<double>(bits);
}

} // namespace

SettingsKey::SettingsKey(QSettings& settings, const QString& group) : settings_(settings)
{
    settings_.beginGroup(group);
}

SettingsKey::~SettingsKey()
{
    settings_.endGroup();
}

bool SettingsKey::ReadInteger(const QString& name, int32_t& value) const
{
    const QVariant v = settings_.value(name);
    return v.isValid() && ToInteger(v, value);
}

bool SettingsKey::ReadIntegerInRange(const QString& name, int32_t low, int32_t high,
                                     int32_t& value) const
{
    int32_t read = 0;
    if (!ReadInteger(name, read) || read < low || read > high)
        return false;
    value = read;
    return true;
}

bool SettingsKey::ReadBool(const QString& name, bool& value) const
{
    int32_t n = 0;
    if (!ReadInteger(name, n))
        return false;
    value = n != 0;
    return true;
}

bool SettingsKey::ReadFloat(const QString& name, double& value) const
{
    const QVariant v = settings_.value(name);
    if (v.typeId() != QMetaType::QByteArray)
        return false;
    const QByteArray bytes = v.toByteArray();
    if (bytes.size() != kFloatBytes)
        return false;
    value = BytesToDouble(bytes);
    return true;
}

QString SettingsKey::ReadString(const QString& name) const
{
    const QVariant v = settings_.value(name);
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

void SettingsKey::WriteInteger(const QString& name, int32_t value)
{
    settings_.setValue(name, value);
}

void SettingsKey::WriteBool(const QString& name, bool value)
{
    WriteInteger(name, value ? 1 : 0);
}

void SettingsKey::WriteFloat(const QString& name, double value)
{
    settings_.setValue(name, DoubleToBytes(value));
}

void SettingsKey::WriteString(const QString& name, const QString& value)
{
    settings_.setValue(name, value);
}

} // namespace lumora
