#pragma once
// Shared helpers of the application-shell tests: files in temporary
// folders and the installation's share folder of the build tree.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <gtest/gtest.h>
#include <span>

namespace lumora::test {

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline std::span<const uint8_t> Bytes(const QByteArray& data)
{
    return {reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size())};
}

inline void AppendInt32(QByteArray& out, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// The installation folder the build writes: <bin>/../share/lumora.
inline QString ShareDir()
{
    return QDir(QStringLiteral(LUMORA_BIN_DIR "/../share/lumora")).absolutePath();
}

} // namespace lumora::test
