#include "models/chunk_3ds_filter.h"

#include "common/lumora_error.h"
#include "models/model_text.h"

#include <cstring>
#include <map>

namespace lumora {

namespace {

enum ChunkId : uint16_t
{
    kMain = 0x4D4D,
    kMaterialLibrary = 0x3DAA,
    kProject = 0xC23D,
    kEditor = 0x3D3D,
    kNamedObject = 0x4000,
    kTriangleMesh = 0x4100,
    kPointArray = 0x4110,
    kFaceArray = 0x4120,
    kMaterialGroup = 0x4130,
    kSmoothGroup = 0x4150,
    kMeshMatrix = 0x4160,
    kKeyframer = 0xB000,
    kObjectNode = 0xB002,
    kNodeHeader = 0xB010,
    kPivot = 0xB013,
    kPositionTrack = 0xB020,
    kRotationTrack = 0xB021,
    kScaleTrack = 0xB022,
    kNodeId = 0xB030,
};

constexpr size_t kHeaderSize = 6;
constexpr size_t kMaxName = 64; // the chunk reader's name buffers
constexpr uint32_t kMaxKeys = 1u << 20;

[[noreturn]] void Damaged(const char* what)
{
    throw LumoraError(std::string("The 3D Studio file is damaged: ") + what);
}

uint16_t Word(const uint8_t* p)
{
    return uint16_t(p[0] | (p[1] << 8));
}
uint32_t Dword(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

struct Span
{
    const uint8_t* data = nullptr;
    size_t size = 0;
};

struct Chunk
{
    uint16_t id = 0;
    Span body; // the data after the six header bytes
};

// The chunks directly inside a span, each checked to lie within it.
std::vector<Chunk> ChunksIn(Span s)
{
    std::vector<Chunk> chunks;
    size_t pos = 0;
    while (pos + kHeaderSize <= s.size) {
        const uint16_t id = Word(s.data + pos);
        const uint32_t length = Dword(s.data + pos + 2);
        if (length < kHeaderSize || length > s.size - pos)
            Damaged("a chunk reaches beyond its enclosing chunk");
        chunks.push_back({id, {s.data + pos + kHeaderSize, length - kHeaderSize}});
        pos += length;
    }
    return chunks;
}

// Length of a zero-terminated name at the start of a span, terminator
// included.
size_t NameLength(Span s)
{
    const size_t limit = std::min(s.size, kMaxName);
    const void* end = std::memchr(s.data, 0, limit);
    if (!end)
        Damaged("a name is not terminated");
    return static_cast<size_t>(static_cast<const uint8_t*>(end) - s.data) + 1;
}

Span Rest(Span s, size_t offset)
{
    return {s.data + offset, s.size - offset};
}

class ChunkWriter
{
public:
    size_t Begin(uint16_t id)
    {
        const size_t start = out_.size();
        Append16(id);
        Append32(0);
        return start;
    }
    void End(size_t start)
    {
        const uint32_t length = static_cast<uint32_t>(out_.size() - start);
        for (int i = 0; i < 4; ++i)
            out_[start + 2 + size_t(i)] = uint8_t(length >> (8 * i));
    }
    void Append(const uint8_t* p, size_t n) { out_.insert(out_.end(), p, p + n); }
    void Append(Span s) { Append(s.data, s.size); }
    void Append16(uint16_t v)
    {
        out_.push_back(uint8_t(v));
        out_.push_back(uint8_t(v >> 8));
    }
    void Append32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            out_.push_back(uint8_t(v >> (8 * i)));
    }
    void Leaf(uint16_t id, Span body)
    {
        const size_t start = Begin(id);
        Append(body);
        End(start);
    }
    std::vector<uint8_t> Take() { return std::move(out_); }

private:
    std::vector<uint8_t> out_;
};

// The face list with its smoothing and material groups. Every corner must
// name one of the mesh's points: the chunk reader computes face normals
// from them as soon as the mesh is read.
void CopyFaceArray(const Chunk& c, uint16_t points, ChunkWriter& w)
{
    if (c.body.size < 2)
        Damaged("a face list is truncated");
    const uint16_t faces = Word(c.body.data);
    const size_t faceBytes = 2 + size_t(faces) * 8;
    if (faceBytes > c.body.size)
        Damaged("a face list is truncated");
    for (size_t f = 0; f < faces; ++f)
        for (size_t corner = 0; corner < 3; ++corner) {
            const uint16_t index = Word(c.body.data + 2 + f * 8 + corner * 2);
            if (index >= points)
                ThrowListIndexError(index);
        }
    const size_t start = w.Begin(kFaceArray);
    w.Append(c.body.data, faceBytes);
    for (const Chunk& sub : ChunksIn(Rest(c.body, faceBytes))) {
        if (sub.id == kSmoothGroup) {
            if (sub.body.size < size_t(faces) * 4)
                Damaged("a smoothing list is truncated");
            w.Leaf(kSmoothGroup, {sub.body.data, size_t(faces) * 4});
        } else if (sub.id == kMaterialGroup) {
            const size_t name = NameLength(sub.body);
            if (sub.body.size < name + 2)
                Damaged("a material group is truncated");
            const uint16_t count = Word(sub.body.data + name);
            const size_t bytes = name + 2 + size_t(count) * 2;
            if (bytes > sub.body.size)
                Damaged("a material group is truncated");
            for (size_t i = 0; i < count; ++i)
                if (Word(sub.body.data + name + 2 + 2 * i) >= faces)
                    Damaged("a material group names a face that does not exist");
            w.Leaf(kMaterialGroup, {sub.body.data, bytes});
        }
    }
    w.End(start);
}

// A mesh keeps one point list, one face list and one matrix (the last of
// each, as the chunk reader would), written in that order.
void CopyTriangleMesh(const Chunk& c, ChunkWriter& w)
{
    const Chunk* pointArray = nullptr;
    const Chunk* faceArray = nullptr;
    const Chunk* matrix = nullptr;
    const std::vector<Chunk> subs = ChunksIn(c.body);
    for (const Chunk& sub : subs) {
        if (sub.id == kPointArray)
            pointArray = &sub;
        else if (sub.id == kFaceArray)
            faceArray = &sub;
        else if (sub.id == kMeshMatrix)
            matrix = &sub;
    }
    uint16_t points = 0;
    const size_t start = w.Begin(kTriangleMesh);
    if (pointArray) {
        const Span body = pointArray->body;
        if (body.size < 2 || 2 + size_t(Word(body.data)) * 12 > body.size)
            Damaged("a vertex list is truncated");
        points = Word(body.data);
        w.Leaf(kPointArray, {body.data, 2 + size_t(points) * 12});
    }
    if (faceArray)
        CopyFaceArray(*faceArray, points, w);
    if (matrix) {
        if (matrix->body.size < 48)
            Damaged("a mesh matrix is truncated");
        w.Leaf(kMeshMatrix, {matrix->body.data, 48});
    }
    w.End(start);
}

void CopyNamedObject(const Chunk& c, ChunkWriter& w)
{
    const size_t name = NameLength(c.body);
    const size_t start = w.Begin(kNamedObject);
    w.Append(c.body.data, name);
    for (const Chunk& sub : ChunksIn(Rest(c.body, name)))
        if (sub.id == kTriangleMesh)
            CopyTriangleMesh(sub, w);
    w.End(start);
}

// A track: flags word, 8 unused bytes, key count; each key has its frame,
// a flags word announcing up to five spline floats, then its value.
void CopyTrack(const Chunk& c, size_t valueSize, ChunkWriter& w)
{
    constexpr size_t kTrackHeader = 14;
    if (c.body.size < kTrackHeader)
        Damaged("a keyframe track is truncated");
    const uint32_t keys = Dword(c.body.data + 10);
    if (keys > kMaxKeys)
        Damaged("a keyframe track has too many keys");
    size_t pos = kTrackHeader;
    for (uint32_t k = 0; k < keys; ++k) {
        if (pos + 6 > c.body.size)
            Damaged("a keyframe track is truncated");
        const uint16_t flags = Word(c.body.data + pos + 4);
        size_t keySize = 6 + valueSize;
        for (int bit = 0; bit < 5; ++bit)
            if (flags & (1u << bit))
                keySize += 4;
        if (keySize > c.body.size - pos)
            Damaged("a keyframe track is truncated");
        pos += keySize;
    }
    w.Leaf(c.id, {c.body.data, pos});
}

constexpr uint16_t kNoParent = 0xFFFF;

uint16_t NodeIdOf(const Chunk& node, uint16_t fallback)
{
    for (const Chunk& sub : ChunksIn(node.body))
        if (sub.id == kNodeId) {
            if (sub.body.size < 2)
                Damaged("a node id is truncated");
            return Word(sub.body.data);
        }
    return fallback;
}

// One keyframe object node, renumbered: its id becomes its position among
// the nodes, and a parent that is not an earlier node is dropped. The node
// hierarchy is then a tree whatever ids the file gave (the chunk reader
// would recurse without end over a cycle of parents).
void CopyObjectNode(const Chunk& c, uint16_t index, const std::map<uint16_t, uint16_t>& earlier,
                    ChunkWriter& w)
{
    const std::vector<Chunk> subs = ChunksIn(c.body);
    const Chunk* header = nullptr;
    for (const Chunk& sub : subs)
        if (sub.id == kNodeHeader && !header)
            header = &sub;

    const size_t start = w.Begin(kObjectNode);
    const uint8_t id[2] = {uint8_t(index), uint8_t(index >> 8)};
    w.Leaf(kNodeId, {id, 2});
    // Every node gets a header: without one the chunk reader leaves the
    // parent id at 0, which may be the node's own id.
    const size_t headerStart = w.Begin(kNodeHeader);
    uint16_t parent = kNoParent;
    if (header) {
        const size_t name = NameLength(header->body);
        if (header->body.size < name + 6)
            Damaged("a node header is truncated");
        w.Append(header->body.data, name + 4);
        parent = Word(header->body.data + name + 4);
    } else {
        const uint8_t unnamed[5] = {0, 0, 0, 0, 0};
        w.Append(unnamed, sizeof unnamed);
    }
    const auto found = earlier.find(parent);
    w.Append16(parent != kNoParent && found != earlier.end() && found->second < index
                   ? found->second
                   : kNoParent);
    w.End(headerStart);

    for (const Chunk& sub : subs) {
        switch (sub.id) {
        case kPivot:
            if (sub.body.size < 12)
                Damaged("a pivot is truncated");
            w.Leaf(kPivot, {sub.body.data, 12});
            break;
        case kPositionTrack:
        case kScaleTrack:
            CopyTrack(sub, 12, w);
            break;
        case kRotationTrack:
            CopyTrack(sub, 16, w);
            break;
        default:
            break;
        }
    }
    w.End(start);
}

void CopyKeyframer(const Chunk& c, ChunkWriter& w)
{
    std::vector<Chunk> nodes;
    for (const Chunk& sub : ChunksIn(c.body))
        if (sub.id == kObjectNode)
            nodes.push_back(sub);
    if (nodes.size() >= kNoParent)
        Damaged("the file has too many keyframe nodes");
    // Each node's id as the file gives it, to its position (first wins).
    std::map<uint16_t, uint16_t> positionOfId;
    const size_t start = w.Begin(kKeyframer);
    for (size_t i = 0; i < nodes.size(); ++i) {
        const uint16_t index = uint16_t(i);
        positionOfId.emplace(NodeIdOf(nodes[i], index), index);
        CopyObjectNode(nodes[i], index, positionOfId, w);
    }
    w.End(start);
}

} // namespace

std::vector<uint8_t> FilterChunks3DS(std::string_view bytes)
{
    const Span file{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
    if (file.size < kHeaderSize)
        Damaged("the file is too short");
    const uint16_t mainId = Word(file.data);
    if (mainId != kMain && mainId != kMaterialLibrary && mainId != kProject)
        throw LumoraError("The file is not a 3D Studio file");
    const uint32_t length = Dword(file.data + 2);
    if (length < kHeaderSize || length > file.size)
        Damaged("the file is truncated");

    ChunkWriter w;
    const size_t main = w.Begin(kMain);
    bool keyframerCopied = false;
    for (const Chunk& top : ChunksIn({file.data + kHeaderSize, length - kHeaderSize})) {
        if (top.id == kEditor) {
            const size_t editor = w.Begin(kEditor);
            for (const Chunk& sub : ChunksIn(top.body))
                if (sub.id == kNamedObject)
                    CopyNamedObject(sub, w);
            w.End(editor);
        } else if (top.id == kKeyframer && !keyframerCopied) {
            // Node ids count within one keyframer: a second one is dropped.
            CopyKeyframer(top, w);
            keyframerCopied = true;
        }
    }
    w.End(main);
    return w.Take();
}

} // namespace lumora
