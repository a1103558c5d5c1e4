#include "models/model_writers.h"

#include "common/lumora_error.h"

#include <lib3ds/file.h>
#include <lib3ds/matrix.h>
#include <lib3ds/mesh.h>

#include <QFile>

#include <array>
#include <cstring>
#include <map>
#include <memory>

namespace lumora {

namespace {

template <typename F> void ForEachPlacedTriangle(const Model3D& model, F&& visit)
{
    const Matrix4 offset = Matrix4::Translation(model.Offset.x, model.Offset.y, model.Offset.z);
    for (const ModelPart& part : model.Parts) {
        if (!part.Triangles)
            continue;
        const Matrix4 m = part.Placement * offset;
        for (const Triangle& t : *part.Triangles)
            visit(Triangle{{m.Transform(t.v[0]), m.Transform(t.v[1]), m.Transform(t.v[2])}});
    }
}

QByteArray Number(float v)
{
    return QByteArray::number(double(v), 'f', 6);
}

struct FileDeleter
{
    void operator()(Lib3dsFile* f) const { lib3ds_file_free(f); }
};

} // namespace

QByteArray ToDXF(const Model3D& model)
{
    QByteArray out = "  0\nSECTION\n  2\nENTITIES\n";
    ForEachPlacedTriangle(model, [&](const Triangle& t) {
        out += "  0\n3DFACE\n  8\n0\n";
        for (int corner = 0; corner < 4; ++corner) {
            const Vec3& v = t.v[std::min(corner, 2)];
            const float xyz[3] = {v.x, v.y, v.z};
            for (int axis = 0; axis < 3; ++axis)
                out += " " + QByteArray::number((axis + 1) * 10 + corner) + "\n" +
                       Number(xyz[axis]) + "\n";
        }
    });
    out += "  0\nENDSEC\n  0\nEOF\n";
    return out;
}

void Write3DS(const Model3D& model, const QString& fileName, const QString& meshName)
{
    std::vector<Vec3> points;
    std::vector<std::array<uint32_t, 3>> faces;
    std::map<std::array<float, 3>, uint32_t> index;
    ForEachPlacedTriangle(model, [&](const Triangle& t) {
        std::array<uint32_t, 3> face{};
        for (int c = 0; c < 3; ++c) {
            const std::array<float, 3> key{t.v[c].x, t.v[c].y, t.v[c].z};
            auto [it, added] = index.emplace(key, uint32_t(points.size()));
            if (added)
                points.push_back(t.v[c]);
            face[size_t(c)] = it->second;
        }
        faces.push_back(face);
    });
    if (points.size() > 65535 || faces.size() > 65535)
        throw LumoraError("A 3D Studio mesh holds at most 65535 vertices and faces");

    std::unique_ptr<Lib3dsFile, FileDeleter> file(lib3ds_file_new());
    Lib3dsMesh* mesh = lib3ds_mesh_new(meshName.left(10).toLatin1().constData());
    lib3ds_matrix_identity(mesh->matrix);
    lib3ds_mesh_new_point_list(mesh, Lib3dsDword(points.size()));
    for (size_t i = 0; i < points.size(); ++i) {
        mesh->pointL[i].pos[0] = points[i].x;
        mesh->pointL[i].pos[1] = points[i].y;
        mesh->pointL[i].pos[2] = points[i].z;
    }
    lib3ds_mesh_new_face_list(mesh, Lib3dsDword(faces.size()));
    for (size_t i = 0; i < faces.size(); ++i) {
        for (int c = 0; c < 3; ++c)
            mesh->faceL[i].points[c] = Lib3dsWord(faces[i][size_t(c)]);
        mesh->faceL[i].smoothing = 1;
    }
    lib3ds_file_insert_mesh(file.get(), mesh);

    // Written beside the target first, so a failed write leaves no half file.
    const QString temporary = fileName + ".part";
    if (!lib3ds_file_save(file.get(), QFile::encodeName(temporary).constData())) {
        QFile::remove(temporary);
        throw LumoraError("Cannot write \"" + fileName.toStdString() + "\"");
    }
    QFile::remove(fileName);
    if (!QFile::rename(temporary, fileName))
        throw LumoraError("Cannot write \"" + fileName.toStdString() + "\"");
}

} // namespace lumora
