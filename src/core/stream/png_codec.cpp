#include "stream/png_codec.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/picture_block_limits.h"

#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

#include <png.h>

namespace lumora {

namespace {

// libpng reports errors through a callback that must not return; it
// jumps back to the setjmp of the function that made the failing call.
// Those functions hold no objects with destructors.
struct ErrorState
{
    std::jmp_buf jump{};
    std::array<char, 200> message{};
};

void OnPngError(png_structp png, png_const_charp message)
{
    auto* state = static_cast<ErrorState*>(png_get_error_ptr(png));
    std::snprintf(state->message.data(), state->message.size(), "%s", message);
    std::longjmp(state->jump, 1);
}

void IgnorePngWarning(png_structp, png_const_charp) {}

// ---- Encoding ----

struct OutputSink
{
    std::vector<uint8_t>* out = nullptr;
};

void WriteToSink(png_structp png, png_bytep data, png_size_t length)
{
    auto* sink = static_cast<OutputSink*>(png_get_io_ptr(png));
    bool failed = false;
    try {
        sink->out->insert(sink->out->end(), data, data + length);
    } catch (...) {
        failed = true;
    }
    if (failed)
        png_error(png, "out of memory");
}

void FlushSink(png_structp) {}

struct Encoder
{
    ErrorState state;
    OutputSink sink;
    png_structp png = nullptr;
    png_infop info = nullptr;
    Encoder()
    {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, OnPngError, IgnorePngWarning);
        if (png)
            info = png_create_info_struct(png);
    }
    ~Encoder() { png_destroy_write_struct(&png, &info); }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

// Depth maps are mostly flat areas and smooth ramps: the cheap Up and Sub
// filters with the fastest deflate level keep them small (a 600 x 450
// scene of shapes in about 6 KB, 4 ms) at a fraction of the time of the
// full filter search at the default level.
constexpr int kDeflateLevel = 1;

bool CompressRows(Encoder& enc, const TPixelEngine256& depth)
{
    if (setjmp(enc.state.jump))
        return false;
    png_structp png = enc.png;
    png_infop info = enc.info;
    png_set_write_fn(png, &enc.sink, WriteToSink, FlushSink);
    png_set_IHDR(png, info, static_cast<png_uint_32>(depth.Width()),
                 static_cast<png_uint_32>(depth.Height()), 8, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::array<png_color, 256> palette{};
    for (int i = 0; i < 256; ++i)
        palette[static_cast<size_t>(i)] =
            png_color{static_cast<png_byte>(i), static_cast<png_byte>(i), static_cast<png_byte>(i)};
    png_set_PLTE(png, info, palette.data(), 256);
    png_set_compression_level(png, kDeflateLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB | PNG_FILTER_UP);
    png_write_info(png, info);
    // PNG row i is memory row i: the depth picture goes in upside down.
    for (int i = 0; i < depth.Height(); ++i)
        png_write_row(png, depth.Row(i));
    png_write_end(png, info);
    return true;
}

// ---- Decoding ----

struct InputSource
{
    std::span<const uint8_t> data;
    size_t position = 0;
};

void ReadFromSource(png_structp png, png_bytep out, png_size_t length)
{
    auto* source = static_cast<InputSource*>(png_get_io_ptr(png));
    if (length > source->data.size() - source->position)
        png_error(png, "the picture ends early");
    std::memcpy(out, source->data.data() + source->position, length);
    source->position += length;
}

struct Decoder
{
    ErrorState state;
    InputSource source;
    png_structp png = nullptr;
    png_infop info = nullptr;
    Decoder()
    {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnPngError, IgnorePngWarning);
        if (png)
            info = png_create_info_struct(png);
    }
    ~Decoder() { png_destroy_read_struct(&png, &info, nullptr); }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
};

struct Header
{
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
};

bool ReadHeader(Decoder& dec, Header& header)
{
    if (setjmp(dec.state.jump))
        return false;
    png_structp png = dec.png;
    png_set_read_fn(png, &dec.source, ReadFromSource);
    png_set_user_limits(png, 65535, 65535);
    png_read_info(png, dec.info);
    png_get_IHDR(png, dec.info, &header.width, &header.height, &header.bitDepth, &header.colourType,
                 nullptr, nullptr, nullptr);
    return true;
}

bool ReadRows(Decoder& dec, const Header& header, TPixelEngine256& depth)
{
    if (setjmp(dec.state.jump))
        return false;
    png_structp png = dec.png;
    // Palette indices and grey levels are taken as they stand, widened to
    // one byte per pixel; the palette itself is not applied.
    if (header.bitDepth < 8) {
        if (header.colourType == PNG_COLOR_TYPE_GRAY)
            png_set_expand_gray_1_2_4_to_8(png);
        else
            png_set_packing(png);
    }
    if (header.bitDepth == 16)
        png_set_strip_16(png);
    if (header.colourType & PNG_COLOR_MASK_ALPHA)
        png_set_strip_alpha(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, dec.info);
    if (png_get_rowbytes(png, dec.info) != header.width)
        png_error(png, "unexpected row layout");
    // PNG row i goes back into memory row i.
    png_read_image(png, const_cast<png_bytepp>(depth.Rows()));
    png_read_end(png, nullptr);
    return true;
}

[[noreturn]] void FailDecoding(const char* message)
{
    throw LumoraError(std::string("A depth picture in the data is damaged (PNG: ") + message +
                      ").");
}

} // namespace

void EncodePng(const TPixelEngine256& depth, std::vector<uint8_t>& out)
{
    if (depth.Width() <= 0 || depth.Height() <= 0)
        throw LumoraError("An empty depth picture cannot be stored as PNG.");
    Encoder enc;
    if (!enc.png || !enc.info)
        throw LumoraError("The PNG encoder could not be started.");
    enc.sink.out = &out;
    if (!CompressRows(enc, depth))
        throw LumoraError(std::string("A depth picture could not be stored as PNG: ") +
                          enc.state.message.data());
}

std::unique_ptr<TPixelEngine256> DecodePng(std::span<const uint8_t> data)
{
    Decoder dec;
    if (!dec.png || !dec.info)
        throw LumoraError("The PNG decoder could not be started.");
    dec.source.data = data;
    Header header;
    if (!ReadHeader(dec, header))
        FailDecoding(dec.state.message.data());
    if (header.colourType != PNG_COLOR_TYPE_PALETTE && header.colourType != PNG_COLOR_TYPE_GRAY &&
        header.colourType != PNG_COLOR_TYPE_GRAY_ALPHA)
        FailDecoding("a colour picture where a depth picture belongs");
    if (!PlausibleBlockPicture(header.width, header.height, data.size(), kMaxPngPixelsPerByte))
        FailDecoding("implausible picture size");
    auto depth = std::make_unique<TPixelEngine256>(static_cast<int>(header.width),
                                                   static_cast<int>(header.height));
    if (!ReadRows(dec, header, *depth))
        FailDecoding(dec.state.message.data());
    return depth;
}

} // namespace lumora
