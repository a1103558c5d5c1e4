#include "app/environment_check.h"

#include <QDir>
#include <QFileInfo>

namespace lumora {

const QStringList& CursorFiles()
{
    static const QStringList files = {
        "data/Basic.dat",       "data/R_primitive.dat", "data/E_primitive.dat",
        "data/L_primitive.dat", "data/N_primitive.dat", "data/T_primitive.dat",
        "data/R_gradient.dat",  "data/E_gradient.dat",  "data/R_image.dat",
        "data/R_3DTool.dat",    "data/Hand.dat",        "data/Eyedropper.dat",
        "data/HourGlass.dat",   "data/Link.dat",        "data/Marquee.dat",
    };
    return files;
}

const QStringList& RequiredInstallationFiles()
{
    static const QStringList files = CursorFiles() + QStringList{
                                                         QString::fromLatin1(kSplashFile),
                                                         "data/Cone.dxf",
                                                         "data/Cube.dxf",
                                                         "data/Dodecahedron.dxf",
                                                         "data/Icosahedron.dxf",
                                                         "data/Octahedron.dxf",
                                                         "data/Sphere.dxf",
                                                         "data/teapot.3ds",
                                                         "data/Tetrahedron.dxf",
                                                         "data/Torus.dxf",
                                                         "languages/Deutsch.l2l",
                                                         "languages/English.l2l",
                                                         "library/borders/Beach.llb",
                                                         "library/frames/Borders.llb",
                                                         "library/frames/Lights.llb",
                                                         "library/tiles/Lumora.llb",
                                                         "PlugIns/GradientXa.lpi",
                                                         "PlugIns/GradientXb.lpi",
                                                         "PlugIns/GradientYa.lpi",
                                                         "PlugIns/GradientYb.lpi",
                                                         "PlugIns/Star.lpi",
                                                         "PlugIns/Tree.lpi",
                                                         "help/english/index.l2h",
                                                     };
    return files;
}

StartupStatus CheckEnvironment(const QString& programDirectory)
{
    const QDir folder(programDirectory);
    for (const QString& file : RequiredInstallationFiles()) {
        if (!QFileInfo(folder.filePath(file)).isFile())
            return StartupStatus::FileMissing;
    }
    return StartupStatus::AllWell;
}

} // namespace lumora
