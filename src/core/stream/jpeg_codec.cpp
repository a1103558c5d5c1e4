#include "stream/jpeg_codec.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/picture_block_limits.h"

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace lumora {

namespace {

// libjpeg reports errors through a callback that must not return; it
// jumps back to the setjmp of the function that made the failing call.
// Those functions hold no objects with destructors, so the jump skips
// nothing that needs cleaning up.
struct ErrorManager
{
    jpeg_error_mgr pub{};
    std::jmp_buf jump{};
    std::array<char, JMSG_LENGTH_MAX> message{};
};

void OnJpegError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message.data());
    std::longjmp(err->jump, 1);
}

// A warning means damaged data (a stream cut short is otherwise padded
// with grey, for instance): the project stream only holds pictures this
// program wrote, so any warning fails the read.
void OnJpegMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        OnJpegError(cinfo);
}

void IgnoreJpegOutput(j_common_ptr) {}

void InstallErrorManager(jpeg_common_struct& cinfo, ErrorManager& err)
{
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnJpegError;
    err.pub.emit_message = OnJpegMessage;
    err.pub.output_message = IgnoreJpegOutput;
}

// ---- Encoding ----

struct Destination
{
    jpeg_destination_mgr pub{};
    std::vector<uint8_t>* out = nullptr;
    std::array<JOCTET, 65536> buffer{};
    bool failed = false;
};

void AppendToOutput(Destination& dest, size_t count)
{
    try {
        dest.out->insert(dest.out->end(), dest.buffer.begin(),
                         dest.buffer.begin() + static_cast<std::ptrdiff_t>(count));
    } catch (...) {
        dest.failed = true;
    }
}

[[noreturn]] void FailOutput(j_compress_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(err->message.data(), err->message.size(), "out of memory");
    std::longjmp(err->jump, 1);
}

void InitDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
    dest->pub.next_output_byte = dest->buffer.data();
    dest->pub.free_in_buffer = dest->buffer.size();
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
    AppendToOutput(*dest, dest->buffer.size());
    if (dest->failed)
        FailOutput(cinfo);
    InitDestination(cinfo);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
    AppendToOutput(*dest, dest->buffer.size() - dest->pub.free_in_buffer);
    if (dest->failed)
        FailOutput(cinfo);
}

struct Encoder
{
    jpeg_compress_struct cinfo{};
    ErrorManager err;
    Destination dest;
    Encoder()
    {
        InstallErrorManager(*reinterpret_cast<jpeg_common_struct*>(&cinfo), err);
        jpeg_create_compress(&cinfo);
    }
    ~Encoder() { jpeg_destroy_compress(&cinfo); }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

bool CompressRows(Encoder& enc, const TPixelEngine& picture, int quality)
{
    if (setjmp(enc.err.jump))
        return false;
    jpeg_compress_struct& cinfo = enc.cinfo;
    enc.dest.pub.init_destination = InitDestination;
    enc.dest.pub.empty_output_buffer = EmptyOutputBuffer;
    enc.dest.pub.term_destination = TermDestination;
    cinfo.dest = &enc.dest.pub;
    cinfo.image_width = static_cast<JDIMENSION>(picture.Width());
    cinfo.image_height = static_cast<JDIMENSION>(picture.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR; // the buffer's own byte order
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    // Memory rows run bottom-up; the JPEG starts with the top row.
    while (cinfo.next_scanline < cinfo.image_height) {
        const int memoryRow = picture.Height() - 1 - static_cast<int>(cinfo.next_scanline);
        JSAMPROW row = const_cast<JSAMPROW>(picture.Row(memoryRow));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

// ---- Decoding ----

// Progressive files may carry any number of scans; a hostile one with
// thousands of tiny scans would keep the decoder busy for minutes.
constexpr int kMaxProgressiveScans = 500;

struct Decoder
{
    jpeg_decompress_struct cinfo{};
    ErrorManager err;
    jpeg_progress_mgr progress{};
    Decoder()
    {
        InstallErrorManager(*reinterpret_cast<jpeg_common_struct*>(&cinfo), err);
        jpeg_create_decompress(&cinfo);
    }
    ~Decoder() { jpeg_destroy_decompress(&cinfo); }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
};

void LimitScans(j_common_ptr cinfo)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->is_decompressor && d->progressive_mode && d->input_scan_number > kMaxProgressiveScans) {
        auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
        std::snprintf(err->message.data(), err->message.size(), "too many progressive scans");
        std::longjmp(err->jump, 1);
    }
}

bool ReadHeader(Decoder& dec, std::span<const uint8_t> data)
{
    if (setjmp(dec.err.jump))
        return false;
    dec.progress.progress_monitor = LimitScans;
    dec.cinfo.progress = &dec.progress;
    jpeg_mem_src(&dec.cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&dec.cinfo, TRUE);
    return true;
}

bool DecompressRows(Decoder& dec, TPixelEngine& picture)
{
    if (setjmp(dec.err.jump))
        return false;
    jpeg_decompress_struct& cinfo = dec.cinfo;
    cinfo.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_width != static_cast<JDIMENSION>(picture.Width()) ||
        cinfo.output_height != static_cast<JDIMENSION>(picture.Height()) ||
        cinfo.output_components != 3) {
        std::snprintf(dec.err.message.data(), dec.err.message.size(), "unexpected output format");
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        const int memoryRow = picture.Height() - 1 - static_cast<int>(cinfo.output_scanline);
        JSAMPROW row = picture.Row(memoryRow);
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

[[noreturn]] void FailDecoding(const char* message)
{
    throw LumoraError(std::string("A picture in the data is damaged (JPEG: ") + message + ").");
}

} // namespace

void EncodeJpeg(const TPixelEngine& picture, int quality, std::vector<uint8_t>& out)
{
    if (picture.Width() <= 0 || picture.Height() <= 0)
        throw LumoraError("An empty picture cannot be stored as JPEG.");
    Encoder enc;
    enc.dest.out = &out;
    if (!CompressRows(enc, picture, std::clamp(quality, 0, 100)))
        throw LumoraError(std::string("A picture could not be stored as JPEG: ") +
                          enc.err.message.data());
}

std::unique_ptr<TPixelEngine> DecodeJpeg(std::span<const uint8_t> data)
{
    Decoder dec;
    if (!ReadHeader(dec, data))
        FailDecoding(dec.err.message.data());
    if (!PlausibleBlockPicture(dec.cinfo.image_width, dec.cinfo.image_height, data.size(),
                               kMaxJpegPixelsPerByte))
        FailDecoding("implausible picture size");
    auto picture = std::make_unique<TPixelEngine>(static_cast<int>(dec.cinfo.image_width),
                                                  static_cast<int>(dec.cinfo.image_height));
    if (!DecompressRows(dec, *picture))
        FailDecoding(dec.err.message.data());
    return picture;
}

} // namespace lumora
