// lumora-assets: writes the installation's data files from their text
// sources at build time.
//
//   lumora-assets plugin SOURCE.txt OUTPUT.lpi
//   lumora-assets language SOURCE.txt... OUTPUT.l2l
//   lumora-assets library SOURCE.txt OUTPUT.llb
//   lumora-assets model SOURCE.l3m OUTPUT.dxf|OUTPUT.3ds
//   lumora-assets cursors OUTPUT_FOLDER
//   lumora-assets splash OUTPUT.dat
#include "common/lumora_error.h"
#include "data_file_commands.h"
#include "model_assets.h"
#include "plugin_source.h"
#include "plugins/plugin_file.h"
#include "shell_assets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace {

QByteArray ReadWholeFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw lumora::LumoraError("cannot open " + fileName.toStdString());
    return file.readAll();
}

void WriteWholeFile(const QString& fileName, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw lumora::LumoraError("cannot write " + fileName.toStdString());
}

int EncodePlugIn(const QString& source, const QString& output)
{
    try {
        const lumora::PlugInFile plugIn =
            lumora::ParsePlugInSource(QString::fromUtf8(ReadWholeFile(source)));
        WriteWholeFile(output, lumora::EncodePlugIn(plugIn));
    } catch (const lumora::LumoraError& e) {
        std::fprintf(stderr, "lumora-assets: %s: %s\n", qPrintable(source), e.what());
        return 1;
    }
    return 0;
}

int WriteModel(const QString& source, const QString& output)
{
    try {
        lumora::WriteModelAsset(source, output);
    } catch (const lumora::LumoraError& e) {
        std::fprintf(stderr, "lumora-assets: %s: %s\n", qPrintable(source), e.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && QString::fromLocal8Bit(argv[1]) == "plugin")
        return EncodePlugIn(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc >= 4 && QString::fromLocal8Bit(argv[1]) == "language") {
        QStringList sources;
        for (int i = 2; i < argc - 1; ++i)
            sources << QString::fromLocal8Bit(argv[i]);
        return lumora::EncodeLanguageCommand(sources, QString::fromLocal8Bit(argv[argc - 1]));
    }
    if (argc == 4 && QString::fromLocal8Bit(argv[1]) == "library")
        return lumora::EncodeLibraryCommand(QString::fromLocal8Bit(argv[2]),
                                            QString::fromLocal8Bit(argv[3]));
    if (argc == 4 && QString::fromLocal8Bit(argv[1]) == "model")
        return WriteModel(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == "cursors")
        return lumora::WriteCursorsCommand(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == "splash")
        return lumora::WriteSplashCommand(QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "usage: lumora-assets plugin SOURCE.txt OUTPUT.lpi\n"
                         "       lumora-assets language SOURCE.txt... OUTPUT.l2l\n"
                         "       lumora-assets library SOURCE.txt OUTPUT.llb\n"
                         "       lumora-assets model SOURCE.l3m OUTPUT.dxf|OUTPUT.3ds\n"
                         "       lumora-assets cursors OUTPUT_FOLDER\n"
                         "       lumora-assets splash OUTPUT.dat\n");
    return 2;
}
