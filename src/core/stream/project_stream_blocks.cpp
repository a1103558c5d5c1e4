// The picture blocks of the project stream: an int32 end offset (absolute,
// the first byte after the embedded stream), then a complete JPEG or PNG.
#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/jpeg_codec.h"
#include "stream/png_codec.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

void ProjectStreamWriter::WriteJpegBlock(const TPixelEngine& picture, int quality)
{
    const size_t offsetAt = Position();
    WriteInt32(0);
    try {
        EncodeJpeg(picture, quality, bytes_);
    } catch (...) {
        bytes_.resize(offsetAt); // no half-written block stays behind
        throw;
    }
    PatchInt32(offsetAt, OffsetValue(Position()));
}

void ProjectStreamWriter::WritePngBlock(const TPixelEngine256& depth)
{
    const size_t offsetAt = Position();
    WriteInt32(0);
    try {
        EncodePng(depth, bytes_);
    } catch (...) {
        bytes_.resize(offsetAt);
        throw;
    }
    PatchInt32(offsetAt, OffsetValue(Position()));
}

std::unique_ptr<TPixelEngine> ProjectStreamReader::ReadJpegBlock()
{
    const size_t start = Position();
    size_t end = 0;
    const std::span<const uint8_t> body = ReadBlockBody("a JPEG picture", end);
    try {
        auto picture = DecodeJpeg(body);
        position_ = end;
        return picture;
    } catch (const LumoraError&) {
        position_ = start;
        throw;
    }
}

std::unique_ptr<TPixelEngine256> ProjectStreamReader::ReadPngBlock()
{
    const size_t start = Position();
    size_t end = 0;
    const std::span<const uint8_t> body = ReadBlockBody("a PNG picture", end);
    try {
        auto depth = DecodePng(body);
        position_ = end;
        return depth;
    } catch (const LumoraError&) {
        position_ = start;
        throw;
    }
}

} // namespace lumora
