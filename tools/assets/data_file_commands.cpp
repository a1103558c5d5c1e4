#include "data_file_commands.h"

#include "common/lumora_error.h"
#include "language_file_writer.h"
#include "library_source.h"
#include "library_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <functional>

namespace lumora {

namespace {

QByteArray ReadSource(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw LumoraError("cannot open " + fileName.toStdString());
    return file.readAll();
}

void WriteOutput(const QString& fileName, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw LumoraError("cannot write " + fileName.toStdString());
}

int Run(const QString& source, const QString& output,
        const std::function<QByteArray(const QByteArray&)>& encode)
{
    try {
        WriteOutput(output, encode(ReadSource(source)));
    } catch (const LumoraError& e) {
        std::fprintf(stderr, "lumora-assets: %s: %s\n", qPrintable(source), e.what());
        return 1;
    }
    return 0;
}

} // namespace

int EncodeLanguageCommand(const QStringList& sources, const QString& output)
{
    // The parts are joined in the order given: the first holds the Header.
    try {
        QByteArray text;
        for (const QString& source : sources) {
            text += ReadSource(source);
            if (!text.endsWith('\n'))
                text += '\n';
        }
        // The installation's own files are the official ones.
        WriteOutput(output, EncodeLanguageFile(ParseLanguageSource(text), true));
    } catch (const LumoraError& e) {
        std::fprintf(stderr, "lumora-assets: %s: %s\n", qPrintable(output), e.what());
        return 1;
    }
    return 0;
}

int EncodeLibraryCommand(const QString& source, const QString& output)
{
    return Run(source, output, [](const QByteArray& text) {
        return EncodePictureLibrary(ParseLibrarySource(text));
    });
}

} // namespace lumora
