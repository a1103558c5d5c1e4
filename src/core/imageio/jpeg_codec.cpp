#include "imageio/jpeg_codec.h"

#include "common/lumora_error.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace lumora {

namespace {

// libjpeg reports errors through error_exit, which must not return. It
// jumps back to the setjmp of the function that called into libjpeg; those
// functions keep only trivially destructible locals, and the objects they
// work on live in their callers, so the jump skips no destructor and no
// object is left in an indeterminate state.
struct JpegErrors
{
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
    bool endedEarly = false;
};

void OnJpegError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings do not stop libjpeg; a file that ends early is filled with grey,
// which would pass for a picture, so that one warning is kept as a failure.
void OnJpegMessage(j_common_ptr info, int level)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        errors->endedEarly = true;
}

void InstallErrors(JpegErrors& errors)
{
    jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnJpegError;
    errors.manager.emit_message = OnJpegMessage;
}

struct Decompression
{
    JpegErrors errors;
    jpeg_decompress_struct info{};
    bool created = false;
    Bitmap picture;
    std::vector<uint8_t> cmykRow;
    ~Decompression()
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

void StoreCmykRow(const std::vector<uint8_t>& cmyk, uint8_t* out, int width)
{
    // As Adobe applications write them, the components are stored inverted,
    // so plain products give red, green and blue.
    for (int x = 0; x < width; ++x, out += 3) {
        const uint8_t* p = cmyk.data() + 4 * x;
        out[0] = static_cast<uint8_t>(p[2] * p[3] / 255);
        out[1] = static_cast<uint8_t>(p[1] * p[3] / 255);
        out[2] = static_cast<uint8_t>(p[0] * p[3] / 255);
    }
}

// Huffman coding spends at least one bit on every block of a component, so
// a short file cannot announce a huge picture and have its pixel memory
// taken before libjpeg finds the data missing. (Arithmetic coding has no
// such floor.)
void CheckDataSuffices(const jpeg_decompress_struct& info, const QByteArray& data)
{
    if (info.arith_code)
        return;
    uint64_t blocks = 0;
    for (int i = 0; i < info.num_components; ++i)
        blocks = std::max(blocks, uint64_t(info.comp_info[i].width_in_blocks) *
                                      info.comp_info[i].height_in_blocks);
    if (uint64_t(data.size()) * 8 < blocks)
        throw LumoraError("The JPEG file is damaged: it is too short for the picture it "
                          "announces.");
}

// False when libjpeg failed; its text is in d.errors.message.
bool RunDecompression(Decompression& d, const QByteArray& data)
{
    if (setjmp(d.errors.jump) != 0)
        return false;
    jpeg_create_decompress(&d.info);
    d.created = true;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.info, TRUE);
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    CheckPictureSize(d.info.image_width, d.info.image_height);
    CheckDataSuffices(d.info, data);
    jpeg_start_decompress(&d.info);
    d.picture = Bitmap::TrueColour(static_cast<int>(d.info.output_width),
                                   static_cast<int>(d.info.output_height));
    if (cmyk)
        d.cmykRow.resize(size_t(4) * d.info.output_width);
    while (d.info.output_scanline < d.info.output_height && !d.errors.endedEarly) {
        const int y = static_cast<int>(d.info.output_scanline);
        JSAMPROW row = cmyk ? d.cmykRow.data() : d.picture.Row(y);
        jpeg_read_scanlines(&d.info, &row, 1);
        if (cmyk)
            StoreCmykRow(d.cmykRow, d.picture.Row(y), d.picture.Width());
    }
    if (!d.errors.endedEarly)
        jpeg_finish_decompress(&d.info);
    return true;
}

struct Compression
{
    JpegErrors errors;
    jpeg_compress_struct info{};
    bool created = false;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ~Compression()
    {
        if (created)
            jpeg_destroy_compress(&info);
        std::free(buffer);
    }
};

bool RunCompression(Compression& c, const Bitmap& colour, int quality)
{
    if (setjmp(c.errors.jump) != 0)
        return false;
    jpeg_create_compress(&c.info);
    c.created = true;
    jpeg_mem_dest(&c.info, &c.buffer, &c.size);
    c.info.image_width = static_cast<JDIMENSION>(colour.Width());
    c.info.image_height = static_cast<JDIMENSION>(colour.Height());
    c.info.input_components = 3;
    c.info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    jpeg_start_compress(&c.info, TRUE);
    while (c.info.next_scanline < c.info.image_height) {
        // libjpeg only reads the row; its interface lacks the const.
        JSAMPROW row = const_cast<uint8_t*>(colour.Row(static_cast<int>(c.info.next_scanline)));
        jpeg_write_scanlines(&c.info, &row, 1);
    }
    jpeg_finish_compress(&c.info);
    return true;
}

} // namespace

Bitmap DecodeJPEG(const QByteArray& data)
{
    Decompression d;
    InstallErrors(d.errors);
    d.info.err = &d.errors.manager;
    if (!RunDecompression(d, data))
        throw LumoraError(std::string("The JPEG file is damaged: ") + d.errors.message + ".");
    if (d.errors.endedEarly)
        throw LumoraError("The JPEG file is damaged: it ends before its picture does.");
    return std::move(d.picture);
}

QByteArray EncodeJPEG(const Bitmap& Picture, int quality)
{
    if (Picture.IsEmpty())
        throw LumoraError("There is no picture to save.");
    const Bitmap colour = Picture.ToTrueColour();
    Compression c;
    InstallErrors(c.errors);
    c.info.err = &c.errors.manager;
    if (!RunCompression(c, colour, quality))
        throw LumoraError(std::string("The JPEG picture cannot be made: ") + c.errors.message +
                          ".");
    return QByteArray(reinterpret_cast<const char*>(c.buffer), static_cast<qsizetype>(c.size));
}

} // namespace lumora
