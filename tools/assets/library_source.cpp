#include "library_source.h"

#include "common/lumora_error.h"
#include "library_generators.h"

#include <QStringList>

namespace lumora {

namespace {

[[noreturn]] void Fail(int lineNumber, const std::string& what)
{
    throw LumoraError("line " + std::to_string(lineNumber) + ": " + what);
}

int ParseNumber(const QString& text, int lineNumber)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        Fail(lineNumber, "\"" + text.toStdString() + "\" is not a number");
    return value;
}

LibraryPictureSource ParsePicture(const QString& value, int lineNumber)
{
    const QStringList parts = value.split(QLatin1Char('|'));
    if (parts.size() != 3)
        Fail(lineNumber, "a picture needs GENERATOR WIDTH HEIGHT SEED | NAME | DESCRIPTION");
    const QStringList call = parts[0].simplified().split(QLatin1Char(' '));
    if (call.size() != 4)
        Fail(lineNumber, "a picture needs GENERATOR WIDTH HEIGHT SEED");
    LibraryPictureSource picture;
    picture.Name = parts[1].trimmed();
    picture.Description = parts[2].trimmed();
    try {
        picture.Picture = GenerateLibraryPicture(
            call[0], ParseNumber(call[1], lineNumber), ParseNumber(call[2], lineNumber),
            static_cast<uint32_t>(ParseNumber(call[3], lineNumber)));
    } catch (const LumoraError& e) {
        Fail(lineNumber, e.what());
    }
    return picture;
}

} // namespace

LibrarySource ParseLibrarySource(const QByteArray& utf8)
{
    LibrarySource library;
    const QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i + 1);
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            Fail(lineNumber, "expected \"key: value\"");
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        if (key == QLatin1String("creator")) {
            library.Texts.Creator = value;
        } else if (key == QLatin1String("contact")) {
            library.Texts.Contact = value;
        } else if (key == QLatin1String("copyright")) {
            library.Texts.Copyright = value;
        } else if (key == QLatin1String("information")) {
            library.Texts.Information = value;
        } else if (key == QLatin1String("thumbnail")) {
            const QStringList size = value.simplified().split(QLatin1Char(' '));
            if (size.size() != 2)
                Fail(lineNumber, "thumbnail needs WIDTH HEIGHT");
            library.ThumbnailWidth = ParseNumber(size[0], lineNumber);
            library.ThumbnailHeight = ParseNumber(size[1], lineNumber);
        } else if (key == QLatin1String("picture")) {
            library.Pictures.push_back(ParsePicture(value, lineNumber));
        } else {
            Fail(lineNumber, "unknown key \"" + key.toStdString() + "\"");
        }
    }
    return library;
}

} // namespace lumora
