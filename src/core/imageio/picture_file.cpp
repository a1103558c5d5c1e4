#include "imageio/picture_file.h"

#include "common/lumora_error.h"
#include "imageio/bmp2tiff.h"
#include "imageio/file_bytes.h"
#include "imageio/jpeg_codec.h"
#include "imageio/pcx.h"
#include "imageio/targa.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <cstdlib>
#include <string>

namespace lumora {

namespace {

const char* const kUnknownType = "Pictures of this file type cannot be read; the readable types "
                                 "are BMP, JPEG, PCX, Targa and PNG.";

uint32_t U32At(const QByteArray& b, qsizetype at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<uint8_t>(b[at + i]);
    return v;
}

// Walks the run-length data of an RLE8 (compression 1) or RLE4 (2) file and
// tells whether it covers every row before the data ends.
bool RunLengthBmpIsComplete(const QByteArray& data, uint32_t offset, int64_t height, bool fourBit)
{
    const auto size = static_cast<uint64_t>(data.size());
    uint64_t at = offset;
    int64_t row = 0;
    auto byte = [&data](uint64_t i) {
        return static_cast<uint8_t>(data[static_cast<qsizetype>(i)]);
    };
    while (at + 2 <= size) {
        const uint8_t count = byte(at), code = byte(at + 1);
        at += 2;
        if (count > 0)
            continue; // a run
        if (code == 0) {
            ++row;
        } else if (code == 1) {
            return true;
        } else if (code == 2) {
            if (at + 2 > size)
                return false;
            row += byte(at + 1);
            at += 2;
        } else { // literal pixels, padded to 16 bits
            const uint64_t bytes = fourBit ? (code + 1u) / 2u : code;
            at += (bytes + 1) & ~uint64_t(1);
        }
    }
    // Some writers end without the end-of-picture code.
    return at <= size && row >= height - 1;
}

// Qt's BMP reader returns a picture even when a file ends before its last
// row, with the missing rows left as they happen to be; such a file is
// refused here. Headers Qt refuses anyway are left to Qt.
void CheckBmpHoldsItsPixels(const QByteArray& data)
{
    if (data.size() < 34)
        return;
    const uint32_t pixelOffset = U32At(data, 10);
    const uint32_t headerSize = U32At(data, 14);
    int64_t width = 0, height = 0, bitsPerPixel = 0;
    uint32_t compression = 0;
    if (headerSize == 12) { // OS/2 core header: 16-bit sizes
        width = U32At(data, 18) & 0xFFFF;
        height = U32At(data, 18) >> 16;
        bitsPerPixel = U32At(data, 24) & 0xFFFF;
    } else if (headerSize >= 40) {
        width = static_cast<int32_t>(U32At(data, 18));
        height = std::abs(int64_t(static_cast<int32_t>(U32At(data, 22))));
        bitsPerPixel = U32At(data, 28) & 0xFFFF;
        compression = U32At(data, 30);
    }
    if (width <= 0 || height <= 0 || bitsPerPixel <= 0)
        return;
    const char* const cut = "The BMP file is damaged: it ends before its picture does.";
    if (compression == 1 || compression == 2) {
        if (!RunLengthBmpIsComplete(data, pixelOffset, height, compression == 2))
            throw LumoraError(cut);
        return;
    }
    if (compression != 0 && compression != 3 && compression != 6)
        return;
    const int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const int64_t pixelBytes = int64_t(data.size()) - pixelOffset;
    if (pixelBytes < 0 || height > pixelBytes / rowBytes)
        throw LumoraError(cut);
}

// BMP and PNG go through Qt's readers; the format is forced so that the
// content must match the extension. The signature is checked first: Qt's
// PNG reader lets libpng print its complaint about a foreign file to the
// standard error stream.
Bitmap DecodeWithQt(const QByteArray& data, const char* format, const QByteArray& signature)
{
    if (!data.startsWith(signature))
        throw LumoraError("The file is not a " + std::string(format) + " picture.");
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    // Qt's own limit (256 MiB) would refuse pictures the program renders;
    // Bitmap's limit holds at 32 bits per pixel.
    reader.setAllocationLimit(static_cast<int>(Bitmap::kMaxPixels * 4 / (1024 * 1024)));
    const QSize size = reader.size();
    if (size.isValid())
        CheckPictureSize(size.width(), size.height());
    const QImage image = reader.read();
    if (image.isNull())
        throw LumoraError("The file is not a " + std::string(format) +
                          " picture this program reads (" + reader.errorString().toStdString() +
                          ").");
    return Bitmap::FromQImage(image);
}

QByteArray EncodeWithQt(const Bitmap& picture, const char* format)
{
    if (picture.IsEmpty())
        throw LumoraError("There is no picture to save.");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    // A 24-bit source makes Qt write a 24-bit BMP and an 8-bit RGB PNG.
    if (!writer.write(picture.ToQImage()))
        throw LumoraError("The " + std::string(format) + " picture cannot be made (" +
                          writer.errorString().toStdString() + ").");
    return bytes;
}

Bitmap DecodeByKind(PictureFileKind kind, const QByteArray& data)
{
    switch (kind) {
    case PictureFileKind::Bmp:
        CheckBmpHoldsItsPixels(data);
        return DecodeWithQt(data, "BMP", QByteArray("BM"));
    case PictureFileKind::Jpeg:
        return DecodeJPEG(data);
    case PictureFileKind::Pcx:
        return DecodePCX(data).ToTrueColour();
    case PictureFileKind::Targa:
        return DecodeTGA(data).ToTrueColour();
    case PictureFileKind::Png:
        return DecodeWithQt(data, "PNG", QByteArray("\x89PNG\r\n\x1A\n", 8));
    case PictureFileKind::Unknown:
        break;
    }
    throw LumoraError(kUnknownType);
}

} // namespace

PictureFileKind PictureFileKindOf(const QString& FileName)
{
    const QString suffix = QFileInfo(FileName).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return PictureFileKind::Bmp;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return PictureFileKind::Jpeg;
    if (suffix == QLatin1String("pcx"))
        return PictureFileKind::Pcx;
    if (suffix == QLatin1String("tga"))
        return PictureFileKind::Targa;
    if (suffix == QLatin1String("png"))
        return PictureFileKind::Png;
    return PictureFileKind::Unknown;
}

QStringList PictureOpenFilters()
{
    return {QStringLiteral("Alle Dateien (*.*)"),     QStringLiteral("Bitmaps (*.bmp)"),
            QStringLiteral("JPEG Bilder (*.jpg)"),    QStringLiteral("Paintbrush (*.pcx)"),
            QStringLiteral("Targa - Bitmap (*.tga)"), QStringLiteral("PNG Bilder (*.png)")};
}

QStringList PictureSaveFilters()
{
    return {QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("JPEG Bilder (*.jpg)"),
            QStringLiteral("Targa - Bitmap (*.tga)"), QStringLiteral("Tiff - Bitmap (*.tif)"),
            QStringLiteral("PNG Bilder (*.png)")};
}

Bitmap LoadPictureFile(const QString& FileName)
{
    const PictureFileKind kind = PictureFileKindOf(FileName);
    if (kind == PictureFileKind::Unknown)
        ThrowUnreadablePicture(FileName, kUnknownType);
    return DecodeFile(FileName,
                      [kind](const QByteArray& data) { return DecodeByKind(kind, data); });
}

void SavePictureFile(const QString& FileName, const Bitmap& Picture, int FilterIndex)
{
    QByteArray bytes;
    switch (FilterIndex) {
    case kSaveBmp:
        bytes = EncodeWithQt(Picture, "BMP");
        break;
    case kSaveJpeg:
        bytes = EncodeJPEG(Picture, kJpegFileQuality);
        break;
    case kSaveTarga:
        bytes = EncodeTGA(Picture);
        break;
    case kSaveTiff:
        bytes = EncodeTIFF(Picture);
        break;
    case kSavePng:
        bytes = EncodeWithQt(Picture, "PNG");
        break;
    default:
        throw LumoraError("Pictures cannot be saved in the file type number " +
                          std::to_string(FilterIndex) + ".");
    }
    WriteFileBytes(FileName, bytes);
}

int SaveFilterForExtension(const QString& FileName)
{
    const QString suffix = QFileInfo(FileName).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return kSaveBmp;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return kSaveJpeg;
    if (suffix == QLatin1String("tga"))
        return kSaveTarga;
    if (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff"))
        return kSaveTiff;
    if (suffix == QLatin1String("png"))
        return kSavePng;
    return 0;
}

} // namespace lumora
