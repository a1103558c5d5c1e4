#pragma once
// Writes small 3D Studio files through lib3ds for the reader tests.

#include <lib3ds/file.h>
#include <lib3ds/matrix.h>
#include <lib3ds/mesh.h>
#include <lib3ds/node.h>
#include <lib3ds/tracks.h>

#include <QString>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace lumora::test {

struct MeshFixture
{
    std::string name;
    std::vector<std::array<float, 3>> points;
    std::vector<std::array<unsigned, 3>> faces;
    std::vector<unsigned> smoothing; // per face, empty for none
    std::array<float, 12> matrix{1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
};

struct NodeFixture
{
    std::string name;
    int id = 0;
    int parentId = LIB3DS_NO_PARENT;
    std::array<float, 3> pivot{0, 0, 0};
    bool hasPosition = false;
    std::array<float, 3> position{0, 0, 0};
    bool hasRotation = false;
    std::array<float, 3> axis{0, 0, 1};
    float angle = 0;
    bool hasScale = false;
    std::array<float, 3> scale{1, 1, 1};
    int frame = 0; // frame of every first key
};

inline bool Write3DS(const QString& path, const std::vector<MeshFixture>& meshes,
                     const std::vector<NodeFixture>& nodes = {})
{
    Lib3dsFile* file = lib3ds_file_new();
    for (const MeshFixture& part : meshes) {
        Lib3dsMesh* mesh = lib3ds_mesh_new(part.name.c_str());
        lib3ds_matrix_identity(mesh->matrix);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                mesh->matrix[r][c] = part.matrix[size_t(r * 3 + c)];
        lib3ds_mesh_new_point_list(mesh, Lib3dsDword(part.points.size()));
        for (size_t i = 0; i < part.points.size(); ++i)
            for (int k = 0; k < 3; ++k)
                mesh->pointL[i].pos[k] = part.points[i][size_t(k)];
        lib3ds_mesh_new_face_list(mesh, Lib3dsDword(part.faces.size()));
        for (size_t i = 0; i < part.faces.size(); ++i) {
            for (int k = 0; k < 3; ++k)
                mesh->faceL[i].points[k] = Lib3dsWord(part.faces[i][size_t(k)]);
            mesh->faceL[i].smoothing = part.smoothing.empty() ? 0 : part.smoothing[i];
        }
        lib3ds_file_insert_mesh(file, mesh);
    }
    for (const NodeFixture& part : nodes) {
        Lib3dsNode* node = lib3ds_node_new_object();
        std::strncpy(node->name, part.name.c_str(), sizeof(node->name) - 1);
        node->node_id = Lib3dsWord(part.id);
        node->parent_id = Lib3dsWord(part.parentId);
        Lib3dsObjectData& data = node->data.object;
        for (int k = 0; k < 3; ++k)
            data.pivot[k] = part.pivot[size_t(k)];
        if (part.hasPosition) {
            Lib3dsLin3Key* key = lib3ds_lin3_key_new();
            key->tcb.frame = part.frame;
            for (int k = 0; k < 3; ++k)
                key->value[k] = part.position[size_t(k)];
            lib3ds_lin3_track_insert(&data.pos_track, key);
        }
        if (part.hasRotation) {
            Lib3dsQuatKey* key = lib3ds_quat_key_new();
            key->tcb.frame = part.frame;
            key->angle = part.angle;
            for (int k = 0; k < 3; ++k)
                key->axis[k] = part.axis[size_t(k)];
            lib3ds_quat_track_insert(&data.rot_track, key);
        }
        if (part.hasScale) {
            Lib3dsLin3Key* key = lib3ds_lin3_key_new();
            key->tcb.frame = part.frame;
            for (int k = 0; k < 3; ++k)
                key->value[k] = part.scale[size_t(k)];
            lib3ds_lin3_track_insert(&data.scl_track, key);
        }
        lib3ds_file_insert_node(file, node);
    }
    const bool ok = lib3ds_file_save(file, path.toLocal8Bit().constData());
    lib3ds_file_free(file);
    return ok;
}

} // namespace lumora::test
