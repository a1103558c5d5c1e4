#include "stream/project_stream_reader.h"

#include "common/lumora_error.h"
#include "stream/windows1252.h"

#include <algorithm>
#include <bit>

namespace lumora {

namespace {
uint32_t LoadLittleEndian32(const uint8_t* at)
{
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
           (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

constexpr size_t kTextLengthSize = 4;
} // namespace

ProjectStreamReader::ProjectStreamReader(std::span<const uint8_t> data) : data_(data) {}

ProjectStreamReader::ProjectStreamReader(std::vector<uint8_t>&& data)
    : owned_(std::move(data)), data_(owned_)
{
}

void ProjectStreamReader::Fail(const QString& text) const
{
    throw LumoraError(text.toStdString());
}

void ProjectStreamReader::Require(size_t count, const char* what) const
{
    if (count > Remaining())
        Fail(QStringLiteral("The data is damaged or incomplete: it ends inside %1 at offset %2.")
                 .arg(QLatin1String(what))
                 .arg(position_));
}

void ProjectStreamReader::Seek(size_t position)
{
    if (position > data_.size())
        Fail(QStringLiteral("The data is damaged: offset %1 lies beyond its end (%2 bytes).")
                 .arg(position)
                 .arg(data_.size()));
    position_ = position;
}

uint8_t ProjectStreamReader::ReadByte()
{
    Require(1, "a byte value");
    return data_[position_++];
}

int32_t ProjectStreamReader::ReadInt32()
{
    Require(4, "an integer");
    const uint32_t v = LoadLittleEndian32(data_.data() + position_);
    position_ += 4;
    return static_cast<int32_t>(v);
}

double ProjectStreamReader::ReadFloat64()
{
    Require(8, "a number");
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<uint64_t>(data_[position_ + i]) << (8 * i);
    position_ += 8;
    return std::bit_cast<double>(bits);
}

QString ProjectStreamReader::ReadText()
{
    const size_t start = position_;
    const int32_t length = ReadInt32();
    if (length < 0 || static_cast<size_t>(length) > Remaining()) {
        position_ = start;
        Fail(QStringLiteral("The data is damaged: a text at offset %1 claims %2 bytes, but only "
                            "%3 follow.")
                 .arg(start)
                 .arg(length)
                 .arg(Remaining() >= kTextLengthSize ? Remaining() - kTextLengthSize : 0));
    }
    const QString text = FromWindows1252(data_.data() + position_, static_cast<size_t>(length));
    position_ += static_cast<size_t>(length);
    return text;
}

QString ProjectStreamReader::ReadTextOrEmpty()
{
    try {
        return ReadText();
    } catch (const LumoraError&) {
        position_ = data_.size();
        ranOut_ = true;
        return QString();
    }
}

QStringList ProjectStreamReader::ReadTextList()
{
    const size_t start = position_;
    const int32_t count = ReadInt32();
    // Each text takes at least its length field: a larger count cannot be
    // honest, and is refused before anything is allocated for it.
    if (count < 0 || static_cast<size_t>(count) > Remaining() / kTextLengthSize) {
        position_ = start;
        Fail(QStringLiteral("The data is damaged: a text list at offset %1 claims %2 entries.")
                 .arg(start)
                 .arg(count));
    }
    QStringList texts;
    texts.reserve(count);
    try {
        for (int32_t i = 0; i < count; ++i)
            texts.append(ReadText());
    } catch (const LumoraError&) {
        position_ = start;
        throw;
    }
    return texts;
}

void ProjectStreamReader::ReadRawBlock(std::span<uint8_t, RawBlockSize> block)
{
    ReadBytes(block);
}

void ProjectStreamReader::ReadBytes(std::span<uint8_t> bytes)
{
    Require(bytes.size(), "a block of bytes");
    std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(position_), bytes.size(),
                bytes.begin());
    position_ += bytes.size();
}

std::span<const uint8_t> ProjectStreamReader::ReadBlockBody(const char* what, size_t& endOffset)
{
    const size_t start = position_;
    const int32_t end = ReadInt32();
    if (end < 0 || static_cast<size_t>(end) < position_ || static_cast<size_t>(end) > Size()) {
        position_ = start;
        Fail(QStringLiteral("The data is damaged: %1 at offset %2 ends at offset %3, outside the "
                            "data (%4 bytes).")
                 .arg(QLatin1String(what))
                 .arg(start)
                 .arg(end)
                 .arg(Size()));
    }
    endOffset = static_cast<size_t>(end);
    return data_.subspan(position_, endOffset - position_);
}

} // namespace lumora
