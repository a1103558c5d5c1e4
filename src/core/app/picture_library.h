#pragma once
// Picture libraries (.llb): read-only collections of pictures with
// thumbnails, names and descriptions. Layout (little-endian): a 256-byte
// header that is not interpreted, the int32 version (1), the thumbnail
// width and height, four short texts (creator, contact, rights notice,
// information), the picture count N and N index records of four int32
// absolute offsets (name, description, thumbnail, picture). Names and
// descriptions are short texts, thumbnails and pictures complete JPEG
// streams. A short text is 256 bytes: a length byte n, n characters of
// Windows-1252, filler.
//
// Nothing is trusted: the index must lie inside the file and point past
// itself, texts must end inside the file, and a JPEG stream is decoded
// from its offset up to the next block's offset (or the end of the file)
// by a decoder that refuses damaged data and implausible sizes. Every
// failure throws LumoraError with a text for the user.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace lumora {

class TPixelEngine;

struct LibraryTexts
{
    QString Creator;     // "Created by:"
    QString Contact;     // "Contact:"
    QString Copyright;   // "Copyright:"
    QString Information; // "Information:"
};

struct LibraryIndexEntry
{
    int32_t NameOffset = 0;
    int32_t DescriptionOffset = 0;
    int32_t ThumbnailOffset = 0;
    int32_t PictureOffset = 0;
};

class PictureLibrary
{
public:
    static constexpr int32_t kVersion = 1;
    static constexpr int kHeaderSize = 256;
    static constexpr int kShortTextSize = 256;
    static constexpr int kVersionOffset = 256;
    static constexpr int kThumbnailWidthOffset = 260;
    static constexpr int kThumbnailHeightOffset = 264;
    static constexpr int kCreatorOffset = 268;
    static constexpr int kContactOffset = 524;
    static constexpr int kCopyrightOffset = 780;
    static constexpr int kInformationOffset = 1036;
    static constexpr int kCountOffset = 1292;
    static constexpr int kIndexOffset = 1296;
    static constexpr int kIndexEntrySize = 16;
    // Thumbnails are small pictures; a larger size is a damaged header.
    static constexpr int kMaxThumbnailSide = 1024;
    // Far beyond any library the program ships; larger files are refused
    // unread.
    static constexpr int64_t kMaxFileBytes = int64_t(512) * 1024 * 1024;

    // Throws LumoraError when the file cannot be read or is damaged.
    static PictureLibrary Open(const QString& path);
    static PictureLibrary FromBytes(QByteArray data);

    PictureLibrary(PictureLibrary&&) noexcept;
    PictureLibrary& operator=(PictureLibrary&&) noexcept;
    ~PictureLibrary();

    int ThumbnailWidth() const { return thumbnailWidth_; }
    int ThumbnailHeight() const { return thumbnailHeight_; }
    const LibraryTexts& Texts() const { return texts_; }
    int Count() const { return static_cast<int>(index_.size()); }
    const LibraryIndexEntry& IndexEntry(int k) const;

    // Picture k, 0 <= k < Count(); throws LumoraError for damaged data and
    // for k out of range.
    QString Name(int k) const;
    QString Description(int k) const;
    std::unique_ptr<TPixelEngine> Thumbnail(int k) const;
    std::unique_ptr<TPixelEngine> Picture(int k) const;

private:
    explicit PictureLibrary(QByteArray data);
    std::span<const uint8_t> Bytes() const;
    QString ShortText(int64_t offset) const;
    std::unique_ptr<TPixelEngine> Jpeg(int64_t offset) const;
    int64_t BlockEnd(int64_t offset) const;
    void CheckIndex(int k) const;

    QByteArray data_;
    int thumbnailWidth_ = 0;
    int thumbnailHeight_ = 0;
    LibraryTexts texts_;
    std::vector<LibraryIndexEntry> index_;
    std::vector<int64_t> blockStarts_; // every offset of the index, sorted
};

} // namespace lumora
