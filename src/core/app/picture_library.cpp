#include "app/picture_library.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/jpeg_codec.h"
#include "stream/windows1252.h"

#include <QFile>
#include <algorithm>

namespace lumora {

namespace {

[[noreturn]] void Damaged()
{
    throw LumoraError("The picture library is damaged.");
}

int32_t Int32At(std::span<const uint8_t> bytes, int64_t offset)
{
    if (offset < 0 || offset + 4 > static_cast<int64_t>(bytes.size()))
        Damaged();
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | bytes[static_cast<size_t>(offset + i)];
    return static_cast<int32_t>(v);
}

} // namespace

PictureLibrary::PictureLibrary(QByteArray data) : data_(std::move(data))
{
    const auto bytes = Bytes();
    if (Int32At(bytes, kVersionOffset) != kVersion)
        throw LumoraError("The picture library has a version this program cannot read.");
    thumbnailWidth_ = Int32At(bytes, kThumbnailWidthOffset);
    thumbnailHeight_ = Int32At(bytes, kThumbnailHeightOffset);
    if (thumbnailWidth_ < 1 || thumbnailWidth_ > kMaxThumbnailSide || thumbnailHeight_ < 1 ||
        thumbnailHeight_ > kMaxThumbnailSide)
        Damaged();
    texts_.Creator = ShortText(kCreatorOffset);
    texts_.Contact = ShortText(kContactOffset);
    texts_.Copyright = ShortText(kCopyrightOffset);
    texts_.Information = ShortText(kInformationOffset);

    const int32_t count = Int32At(bytes, kCountOffset);
    const int64_t available = static_cast<int64_t>(bytes.size()) - kIndexOffset;
    if (count < 0 || static_cast<int64_t>(count) * kIndexEntrySize > available)
        Damaged();
    const int64_t indexEnd = kIndexOffset + static_cast<int64_t>(count) * kIndexEntrySize;
    const auto checkedOffset = [&](int64_t at) {
        const int32_t offset = Int32At(bytes, at);
        if (offset < indexEnd || offset >= static_cast<int64_t>(bytes.size()))
            Damaged();
        blockStarts_.push_back(offset);
        return offset;
    };
    index_.reserve(static_cast<size_t>(count));
    blockStarts_.reserve(static_cast<size_t>(count) * 4);
    for (int32_t k = 0; k < count; ++k) {
        const int64_t at = kIndexOffset + static_cast<int64_t>(k) * kIndexEntrySize;
        LibraryIndexEntry e;
        e.NameOffset = checkedOffset(at);
        e.DescriptionOffset = checkedOffset(at + 4);
        e.ThumbnailOffset = checkedOffset(at + 8);
        e.PictureOffset = checkedOffset(at + 12);
        index_.push_back(e);
    }
    std::sort(blockStarts_.begin(), blockStarts_.end());
}

PictureLibrary::PictureLibrary(PictureLibrary&&) noexcept = default;
PictureLibrary& PictureLibrary::operator=(PictureLibrary&&) noexcept = default;
PictureLibrary::~PictureLibrary() = default;

PictureLibrary PictureLibrary::Open(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw LumoraError("The picture library " + path.toStdString() + " cannot be opened.");
    if (f.size() > kMaxFileBytes)
        throw LumoraError("The file " + path.toStdString() +
                          " is too large for a picture library.");
    QByteArray data = f.read(kMaxFileBytes + 1);
    if (data.size() > kMaxFileBytes)
        throw LumoraError("The file " + path.toStdString() +
                          " is too large for a picture library.");
    return PictureLibrary(std::move(data));
}

PictureLibrary PictureLibrary::FromBytes(QByteArray data)
{
    return PictureLibrary(std::move(data));
}

std::span<const uint8_t> PictureLibrary::Bytes() const
{
    return {reinterpret_cast<const uint8_t*>(data_.constData()), static_cast<size_t>(data_.size())};
}

QString PictureLibrary::ShortText(int64_t offset) const
{
    const auto bytes = Bytes();
    if (offset < 0 || offset >= static_cast<int64_t>(bytes.size()))
        Damaged();
    const size_t length = bytes[static_cast<size_t>(offset)];
    // The filler after the characters is not needed, so a text at the end
    // of the file may stop after its last character.
    if (static_cast<size_t>(offset) + 1 + length > bytes.size())
        Damaged();
    return FromWindows1252(bytes.data() + offset + 1, length);
}

int64_t PictureLibrary::BlockEnd(int64_t offset) const
{
    const auto next = std::upper_bound(blockStarts_.begin(), blockStarts_.end(), offset);
    return next == blockStarts_.end() ? static_cast<int64_t>(data_.size()) : *next;
}

std::unique_ptr<TPixelEngine> PictureLibrary::Jpeg(int64_t offset) const
{
    const int64_t end = BlockEnd(offset);
    return DecodeJpeg(
        Bytes().subspan(static_cast<size_t>(offset), static_cast<size_t>(end - offset)));
}

void PictureLibrary::CheckIndex(int k) const
{
    if (k < 0 || k >= Count())
        throw LumoraError("The picture library has no picture " + std::to_string(k) + ".");
}

const LibraryIndexEntry& PictureLibrary::IndexEntry(int k) const
{
    CheckIndex(k);
    return index_[static_cast<size_t>(k)];
}

QString PictureLibrary::Name(int k) const
{
    return ShortText(IndexEntry(k).NameOffset);
}

QString PictureLibrary::Description(int k) const
{
    return ShortText(IndexEntry(k).DescriptionOffset);
}

std::unique_ptr<TPixelEngine> PictureLibrary::Thumbnail(int k) const
{
    return Jpeg(IndexEntry(k).ThumbnailOffset);
}

std::unique_ptr<TPixelEngine> PictureLibrary::Picture(int k) const
{
    return Jpeg(IndexEntry(k).PictureOffset);
}

} // namespace lumora
