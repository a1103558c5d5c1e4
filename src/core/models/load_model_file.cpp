#include "models/model_readers.h"

#include <QFileInfo>

namespace lumora {

std::optional<Model3D> LoadModelFile(const QString& fileName, ModelLoadProgress* progress)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == "dxf")
        return LoadDXF(fileName, progress);
    if (extension == "3ds")
        return Load3DS(fileName, progress);
    if (extension == "asc")
        return LoadASC(fileName, progress);
    if (extension == "rpl")
        return LoadRPL(fileName, progress);
    if (extension == "l3m")
        return LoadL3M(fileName, progress);
    return std::nullopt;
}

QString ModelFileFilter()
{
    return QStringLiteral("Alle 3D Dateien (*.*) (*.3ds *.dxf *.asc *.rpl *.l3m);;"
                          "3D Studio Modell (*.3ds) (*.3ds);;"
                          "AutoCAD (*.dxf) (*.dxf);;"
                          "3D Studio ASCII (*.asc) (*.asc);;"
                          "Real 3D (*.rpl) (*.rpl);;"
                          "Lumora Modell (*.l3m) (*.l3m)");
}

} // namespace lumora
