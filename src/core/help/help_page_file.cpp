#include "help/help_page_file.h"

#include "stream/windows1252.h"

#include <QFile>
#include <QFileInfo>

namespace lumora {

std::optional<QStringList> ReadHelpPageLines(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return SplitHelpPageText(FromWindows1252(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                             static_cast<size_t>(bytes.size())));
}

QStringList SplitHelpPageText(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype length = text.size();
    while (start < length) {
        qsizetype end = start;
        while (end < length && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end < length && text[end] == u'\r' && end + 1 < length && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

} // namespace lumora
