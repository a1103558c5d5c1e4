// 3DS: the 3D Studio binary chunk format, read with lib3ds after the chunk
// structure has been checked and reduced to what the reader uses. The
// vertex extension, the centring offset and the keyframe placement are ours.
#include "models/chunk_3ds_filter.h"
#include "models/model_readers.h"
#include "models/model_text.h"

#include "common/lumora_error.h"

#include <lib3ds/file.h>
#include <lib3ds/io.h>
#include <lib3ds/mesh.h>
#include <lib3ds/node.h>

#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>

namespace lumora {

namespace {

// A read-only lib3ds stream over a byte buffer.
struct MemoryStream
{
    const std::vector<uint8_t>* bytes = nullptr;
    long pos = 0;

    static Lib3dsBool Error(void*) { return LIB3DS_FALSE; }
    static long Seek(void* self, long offset, Lib3dsIoSeek origin)
    {
        auto* s = static_cast<MemoryStream*>(self);
        const long size = static_cast<long>(s->bytes->size());
        long base = origin == LIB3DS_SEEK_SET ? 0 : origin == LIB3DS_SEEK_CUR ? s->pos : size;
        const long target = base + offset;
        if (target < 0 || target > size)
            return -1;
        s->pos = target;
        return 0;
    }
    static long Tell(void* self) { return static_cast<MemoryStream*>(self)->pos; }
    static size_t Read(void* self, void* buffer, size_t size)
    {
        auto* s = static_cast<MemoryStream*>(self);
        const size_t available = s->bytes->size() - static_cast<size_t>(s->pos);
        const size_t n = std::min(size, available);
        if (n > 0)
            std::memcpy(buffer, s->bytes->data() + s->pos, n);
        s->pos += static_cast<long>(n);
        return n;
    }
    static size_t Write(void*, const void*, size_t) { return 0; }
};

struct FileDeleter
{
    void operator()(Lib3dsFile* f) const { lib3ds_file_free(f); }
};
struct IoDeleter
{
    void operator()(Lib3dsIo* io) const { lib3ds_io_free(io); }
};
using FilePtr = std::unique_ptr<Lib3dsFile, FileDeleter>;

FilePtr ReadChunks(const std::vector<uint8_t>& bytes)
{
    MemoryStream stream{&bytes, 0};
    std::unique_ptr<Lib3dsIo, IoDeleter> io(
        lib3ds_io_new(&stream, &MemoryStream::Error, &MemoryStream::Seek, &MemoryStream::Tell,
                      &MemoryStream::Read, &MemoryStream::Write));
    FilePtr file(lib3ds_file_new());
    if (!io || !file)
        throw LumoraError("Not enough memory to read the 3D Studio file");
    if (!lib3ds_file_read(file.get(), io.get()))
        throw LumoraError("The 3D Studio file could not be read");
    return file;
}

int LowestBit(uint32_t word)
{
    for (int bit = 0; bit < 32; ++bit)
        if (word & (1u << bit))
            return bit;
    return -1;
}

// The mesh's vertex list extended by smoothing groups, and its faces as
// indices into the extended list.
struct ExtendedMesh
{
    std::string name;
    std::vector<Vec3> vertices;
    std::vector<std::array<uint32_t, 3>> faces;
    Matrix4 local = Matrix4::Identity();
};

// A vertex shared by faces of different smoothing groups (or used again by
// a face outside any group) is copied, one copy per group.
ExtendedMesh ExtendVertices(const Lib3dsMesh& mesh)
{
    ExtendedMesh out;
    out.name = mesh.name;
    for (uint32_t i = 0; i < mesh.points; ++i)
        out.vertices.push_back(
            {mesh.pointL[i].pos[0], mesh.pointL[i].pos[1], mesh.pointL[i].pos[2]});
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            out.local.m[r][c] = mesh.matrix[r][c];

    const size_t originals = out.vertices.size();
    std::vector<bool> used(originals, false);
    std::vector<std::map<int, uint32_t>> recorded(originals);
    for (uint32_t f = 0; f < mesh.faces; ++f) {
        const Lib3dsFace& face = mesh.faceL[f];
        const int bit = LowestBit(face.smoothing);
        std::array<uint32_t, 3> corners{};
        for (int c = 0; c < 3; ++c) {
            const uint32_t v = face.points[c];
            if (v >= originals)
                ThrowListIndexError(v);
            uint32_t index = v;
            if (!used[v]) {
                used[v] = true;
                if (bit >= 0)
                    recorded[v][bit] = v;
            } else if (bit < 0) {
                index = static_cast<uint32_t>(out.vertices.size());
                out.vertices.push_back(out.vertices[v]);
            } else {
                const auto found = recorded[v].find(bit);
                if (found != recorded[v].end()) {
                    index = found->second;
                } else {
                    index = static_cast<uint32_t>(out.vertices.size());
                    out.vertices.push_back(out.vertices[v]);
                    recorded[v][bit] = index;
                }
            }
            corners[size_t(c)] = index;
        }
        out.faces.push_back(corners);
    }
    return out;
}

std::shared_ptr<const std::vector<Triangle>> TrianglesOf(const ExtendedMesh& mesh)
{
    auto triangles = std::make_shared<std::vector<Triangle>>();
    triangles->reserve(mesh.faces.size());
    for (const auto& face : mesh.faces)
        triangles->push_back(
            {{mesh.vertices[face[0]], mesh.vertices[face[1]], mesh.vertices[face[2]]}});
    return triangles;
}

// The first key of a track counts only when it sits at frame 0.
const Lib3dsLin3Key* FirstKeyAtZero(const Lib3dsLin3Track& track)
{
    return track.keyL && track.keyL->tcb.frame == 0 ? track.keyL : nullptr;
}
const Lib3dsQuatKey* FirstKeyAtZero(const Lib3dsQuatTrack& track)
{
    return track.keyL && track.keyL->tcb.frame == 0 ? track.keyL : nullptr;
}

// Scale, then rotation, then translation of the node's first keys.
Matrix4 ApplyNodeKeys(Matrix4 m, const Lib3dsNode& node)
{
    const Lib3dsObjectData& data = node.data.object;
    if (const Lib3dsLin3Key* scale = FirstKeyAtZero(data.scl_track))
        m = m * Matrix4::Scaling(scale->value[0], scale->value[1], scale->value[2]);
    if (const Lib3dsQuatKey* rotation = FirstKeyAtZero(data.rot_track))
        m = m * Matrix4::Rotation({rotation->axis[0], rotation->axis[1], rotation->axis[2]},
                                  rotation->angle);
    if (const Lib3dsLin3Key* position = FirstKeyAtZero(data.pos_track)) {
        m.m[3][0] += position->value[0];
        m.m[3][1] += position->value[1];
        m.m[3][2] += position->value[2];
    }
    return m;
}

// Node name up to its first ".", compared without regard to case.
bool NameMatches(const std::string& meshName, const char* nodeName)
{
    std::string base(nodeName);
    const size_t dot = base.find('.');
    if (dot != std::string::npos)
        base.erase(dot);
    return QString::fromLatin1(base).compare(QString::fromLatin1(meshName), Qt::CaseInsensitive) ==
           0;
}

void CollectObjectNodes(Lib3dsNode* node, std::vector<const Lib3dsNode*>& out)
{
    for (; node; node = node->next) {
        if (node->type == LIB3DS_OBJECT_NODE)
            out.push_back(node);
        CollectObjectNodes(node->childs, out);
    }
}

} // namespace

Model3D Parse3DS(std::string_view bytes, ModelLoadProgress* progress)
{
    ProgressLabel label(progress);
    label.Show("3DLaden_1");
    label.Show("3DLaden_2");
    const std::vector<uint8_t> filtered = FilterChunks3DS(bytes);
    const FilePtr file = ReadChunks(filtered);
    label.Show("3DLaden_4");

    std::vector<ExtendedMesh> meshes;
    std::vector<std::shared_ptr<const std::vector<Triangle>>> triangles;
    double sum[3] = {0, 0, 0};
    size_t vertexCount = 0;
    for (const Lib3dsMesh* mesh = file->meshes; mesh; mesh = mesh->next) {
        if (mesh->points <= 2)
            continue;
        meshes.push_back(ExtendVertices(*mesh));
        triangles.push_back(TrianglesOf(meshes.back()));
        for (const Vec3& v : meshes.back().vertices) {
            sum[0] += v.x;
            sum[1] += v.y;
            sum[2] += v.z;
        }
        vertexCount += meshes.back().vertices.size();
    }

    Model3D model;
    if (vertexCount > 0)
        model.Offset = {float(-sum[0] / double(vertexCount)), float(-sum[1] / double(vertexCount)),
                        float(-sum[2] / double(vertexCount))};

    label.Show("3DLaden_5");
    std::vector<const Lib3dsNode*> nodes;
    CollectObjectNodes(file->nodes, nodes);
    if (nodes.empty()) {
        for (const auto& t : triangles)
            model.Parts.push_back({t, Matrix4::Identity()});
        return model;
    }
    for (const Lib3dsNode* node : nodes) {
        size_t found = meshes.size();
        for (size_t i = 0; i < meshes.size(); ++i)
            if (NameMatches(meshes[i].name, node->name)) {
                found = i;
                break;
            }
        if (found == meshes.size())
            continue;
        if (!node->parent) {
            model.Parts.push_back({triangles[found], Matrix4::Identity()});
            continue;
        }
        Matrix4 placement = meshes[found].local.InverseOrIdentity();
        placement.m[3][0] -= node->data.object.pivot[0];
        placement.m[3][1] -= node->data.object.pivot[1];
        placement.m[3][2] -= node->data.object.pivot[2];
        // The chunk reader links nodes as a tree; the bound only guards.
        size_t depth = 0;
        for (const Lib3dsNode* n = node; n && depth <= nodes.size(); n = n->parent, ++depth)
            if (n->type == LIB3DS_OBJECT_NODE)
                placement = ApplyNodeKeys(placement, *n);
        model.Parts.push_back({triangles[found], placement});
    }
    return model;
}

Model3D Load3DS(const QString& fileName, ModelLoadProgress* progress)
{
    return Parse3DS(ReadModelFile(fileName), progress);
}

} // namespace lumora
