#include "argument_reader.h"

#include "render_command_line.h"

#include <cmath>

namespace lumora::cli {

namespace {

QString NameKey(const QString& name)
{
    QString key;
    for (const QChar c : name.toLower())
        if (c >= 'a' && c <= 'z')
            key += c;
    return key;
}

} // namespace

QString ArgumentReader::ValueOf(const QString& flag)
{
    if (AtEnd())
        throw UsageError(QStringLiteral("%1 needs a value").arg(flag).toStdString());
    return Next();
}

int ArgumentReader::IntegerOf(const QString& flag, int lo, int hi)
{
    const QString text = ValueOf(flag);
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < lo || v > hi)
        throw UsageError(QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
                             .arg(flag)
                             .arg(lo)
                             .arg(hi)
                             .arg(text)
                             .toStdString());
    return v;
}

double ArgumentReader::NumberOf(const QString& flag, double lo, double hi)
{
    const QString text = ValueOf(flag);
    bool ok = false;
    const double v = text.toDouble(&ok); // "." whatever the locale
    if (!ok || !std::isfinite(v) || v < lo || v > hi)
        throw UsageError(QStringLiteral("%1 must be a number from %2 to %3, not '%4'")
                             .arg(flag)
                             .arg(lo)
                             .arg(hi)
                             .arg(text)
                             .toStdString());
    return v;
}

std::array<int, 3> ArgumentReader::TripleOf(const QString& flag, int hi)
{
    const QString text = ValueOf(flag);
    const QStringList parts = text.split(',');
    std::array<int, 3> v{};
    bool ok = parts.size() == 3;
    for (int k = 0; ok && k < 3; ++k) {
        v[static_cast<size_t>(k)] = parts[k].trimmed().toInt(&ok);
        ok = ok && v[static_cast<size_t>(k)] >= 0 && v[static_cast<size_t>(k)] <= hi;
    }
    if (!ok)
        throw UsageError(
            QStringLiteral("%1 takes R,G,B, three whole numbers from 0 to %2, not '%3'")
                .arg(flag)
                .arg(hi)
                .arg(text)
                .toStdString());
    return v;
}

int ArgumentReader::ChoiceOf(const QString& flag, const QStringList& names)
{
    const QString text = ValueOf(flag);
    bool isNumber = false;
    const int n = text.toInt(&isNumber);
    if (isNumber && n >= 1 && n <= names.size())
        return n;
    for (int k = 0; k < names.size(); ++k)
        if (!text.isEmpty() && NameKey(text) == NameKey(names[k]))
            return k + 1;
    throw UsageError(QStringLiteral("%1 takes one of %2, not '%3'")
                         .arg(flag, names.join(", "), text)
                         .toStdString());
}

} // namespace lumora::cli
