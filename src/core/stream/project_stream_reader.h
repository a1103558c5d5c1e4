#pragma once
// Reads the base encodings of project files (see ProjectStreamWriter).
// Nothing read from the data is trusted: every read is checked against the
// bytes actually present, lengths and counts are checked before anything
// is allocated, and a block's end offset must lie inside the data. A
// failed read throws LumoraError with a text for the user and leaves the
// position where the failed read started.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace lumora {

class TPixelEngine;
class TPixelEngine256;

class ProjectStreamReader
{
public:
    static constexpr size_t RawBlockSize = 64;

    // Reads bytes the caller keeps alive for the reader's whole life.
    explicit ProjectStreamReader(std::span<const uint8_t> data);
    // Reads bytes the reader keeps.
    explicit ProjectStreamReader(std::vector<uint8_t>&& data);
    ProjectStreamReader(const ProjectStreamReader&) = delete;
    ProjectStreamReader& operator=(const ProjectStreamReader&) = delete;

    size_t Position() const { return position_; }
    size_t Size() const { return data_.size(); }
    size_t Remaining() const { return data_.size() - position_; }
    bool AtEnd() const { return position_ == data_.size(); }
    void Seek(size_t position);

    uint8_t ReadByte();
    bool ReadBool() { return ReadByte() != 0; }
    int32_t ReadInt32();
    double ReadFloat64();
    QString ReadText();
    QStringList ReadTextList();
    void ReadRawBlock(std::span<uint8_t, RawBlockSize> block);
    void ReadBytes(std::span<uint8_t> bytes);

    // The lenient text read of the original reader: a text whose read
    // fails yields the empty string. The reader then stands at the end of
    // the data and DataRanOut() tells the caller that it happened.
    QString ReadTextOrEmpty();
    bool DataRanOut() const { return ranOut_; }

    // Decode the embedded picture and continue at the block's end offset,
    // however many bytes the decoder consumed.
    std::unique_ptr<TPixelEngine> ReadJpegBlock();
    std::unique_ptr<TPixelEngine256> ReadPngBlock();

private:
    void Require(size_t count, const char* what) const;
    std::span<const uint8_t> ReadBlockBody(const char* what, size_t& endOffset);
    [[noreturn]] void Fail(const QString& text) const;

    std::vector<uint8_t> owned_;
    std::span<const uint8_t> data_;
    size_t position_ = 0;
    bool ranOut_ = false;
};

} // namespace lumora
