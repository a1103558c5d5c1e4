#include "model_assets.h"

#include "common/lumora_error.h"
#include "models/model_readers.h"
#include "models/model_writers.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace lumora {

void WriteModelAsset(const QString& source, const QString& output)
{
    const Model3D model = LoadL3M(source);
    QDir().mkpath(QFileInfo(output).absolutePath());
    if (QFileInfo(output).suffix().compare("3ds", Qt::CaseInsensitive) == 0) {
        Write3DS(model, output, QFileInfo(output).completeBaseName());
        return;
    }
    const QByteArray dxf = ToDXF(model);
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(dxf) != dxf.size() || !file.commit())
        throw LumoraError("cannot write " + output.toStdString());
}

} // namespace lumora
