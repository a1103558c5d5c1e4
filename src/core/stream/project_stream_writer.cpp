#include "stream/project_stream_writer.h"

#include "common/lumora_error.h"
#include "stream/windows1252.h"

#include <bit>
#include <limits>

namespace lumora {

namespace {
void StoreLittleEndian32(uint8_t* at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(v >> (8 * i));
}
} // namespace

void ProjectStreamWriter::WriteByte(uint8_t v)
{
    bytes_.push_back(v);
}

void ProjectStreamWriter::WriteInt32(int32_t v)
{
    const size_t at = bytes_.size();
    bytes_.resize(at + 4);
    StoreLittleEndian32(bytes_.data() + at, static_cast<uint32_t>(v));
}

void ProjectStreamWriter::WriteFloat64(double v)
{
    const auto bits = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        bytes_.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

void ProjectStreamWriter::WriteText(const QString& text)
{
    const QByteArray encoded = ToWindows1252(text);
    if (encoded.size() > std::numeric_limits<int32_t>::max())
        throw LumoraError("A text is too long to be saved in a project.");
    WriteInt32(static_cast<int32_t>(encoded.size()));
    bytes_.insert(bytes_.end(), encoded.begin(), encoded.end());
}

void ProjectStreamWriter::WriteTextList(const QStringList& texts)
{
    WriteInt32(static_cast<int32_t>(texts.size()));
    for (const QString& text : texts)
        WriteText(text);
}

void ProjectStreamWriter::WriteRawBlock(std::span<const uint8_t, RawBlockSize> block)
{
    bytes_.insert(bytes_.end(), block.begin(), block.end());
}

void ProjectStreamWriter::WriteBytes(std::span<const uint8_t> bytes)
{
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ProjectStreamWriter::PatchInt32(size_t position, int32_t v)
{
    if (position > bytes_.size() || bytes_.size() - position < 4)
        throw LumoraError("Internal error: a project offset was patched outside the data written.");
    StoreLittleEndian32(bytes_.data() + position, static_cast<uint32_t>(v));
}

int32_t ProjectStreamWriter::OffsetValue(size_t position) const
{
    // Offsets are stored as int32: a project beyond 2 GiB cannot be written.
    if (position > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw LumoraError("The project is too large to be saved (more than 2 GB).");
    return static_cast<int32_t>(position);
}

} // namespace lumora
