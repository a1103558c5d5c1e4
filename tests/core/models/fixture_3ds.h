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

struct MeshSpec
{
    std::string name;
    std::vector<std::array<float, 3>> points;
    std::vector<std::array<unsigned, 3>> faces;
    std::vector<unsigned> smoothing; // per face, empty for none
    std::array<float, 12> matrix{1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
};

struct NodeSpec
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

inline bool Write3DS(const QString& path, const std::vector<MeshSpec>& meshes,
                     const std::vector<NodeSpec>& nodes = {})
{
    Lib3dsFile* file = lib3ds_file_new();
    for (const MeshSpec& spec : meshes) {
        Lib3dsMesh* mesh = lib3ds_mesh_new(spec.name.c_str());
        lib3ds_matrix_identity(mesh->matrix);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                mesh->matrix[r][c] = spec.matrix[size_t(r * 3 + c)];
        lib3ds_mesh_new_point_list(mesh, Lib3dsDword(spec.points.size()));
        for (size_t i = 0; i < spec.points.size(); ++i)
            for (int k = 0; k < 3; ++k)
                mesh->pointL[i].pos[k] = spec.points[i][size_t(k)];
        lib3ds_mesh_new_face_list(mesh, Lib3dsDword(spec.faces.size()));
        for (size_t i = 0; i < spec.faces.size(); ++i) {
            for (int k = 0; k < 3; ++k)
                mesh->faceL[i].points[k] = Lib3dsWord(spec.faces[i][size_t(k)]);
            mesh->faceL[i].smoothing = spec.smoothing.empty() ? 0 : spec.smoothing[i];
        }
        lib3ds_file_insert_mesh(file, mesh);
    }
    for (const NodeSpec& spec : nodes) {
        Lib3dsNode* node = lib3ds_node_new_object();
        std::strncpy(node->name, spec.name.c_str(), sizeof(node->name) - 1);
        node->node_id = Lib3dsWord(spec.id);
        node->parent_id = Lib3dsWord(spec.parentId);
        Lib3dsObjectData& data = node->data.object;
        for (int k = 0; k < 3; ++k)
            data.pivot[k] = spec.pivot[size_t(k)];
        if (spec.hasPosition) {
            Lib3dsLin3Key* key = lib3ds_lin3_key_new();
            key->tcb.frame = spec.frame;
            for (int k = 0; k < 3; ++k)
                key->value[k] = spec.position[size_t(k)];
            lib3ds_lin3_track_insert(&data.pos_track, key);
        }
        if (spec.hasRotation) {
            Lib3dsQuatKey* key = lib3ds_quat_key_new();
            key->tcb.frame = spec.frame;
            key->angle = spec.angle;
            for (int k = 0; k < 3; ++k)
                key->axis[k] = spec.axis[size_t(k)];
            lib3ds_quat_track_insert(&data.rot_track, key);
        }
        if (spec.hasScale) {
            Lib3dsLin3Key* key = lib3ds_lin3_key_new();
            key->tcb.frame = spec.frame;
            for (int k = 0; k < 3; ++k)
                key->value[k] = spec.scale[size_t(k)];
            lib3ds_lin3_track_insert(&data.scl_track, key);
        }
        lib3ds_file_insert_node(file, node);
    }
    const bool ok = lib3ds_file_save(file, path.toLocal8Bit().constData());
    lib3ds_file_free(file);
    return ok;
}

} // namespace lumora::test
