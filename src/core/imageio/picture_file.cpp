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
#include <string>

namespace lumora {

namespace {

const char* const kUnknownType = "Pictures of this file type cannot be read; the readable types "
                                 "are BMP, JPEG, PCX, Targa and PNG.";

// BMP and PNG go through Qt's readers; the format is forced so that the
// content must match the extension.
Bitmap DecodeWithQt(const QByteArray& data, const char* format)
{
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
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
        return DecodeWithQt(data, "BMP");
    case PictureFileKind::Jpeg:
        return DecodeJPEG(data);
    case PictureFileKind::Pcx:
        return DecodePCX(data).ToTrueColour();
    case PictureFileKind::Targa:
        return DecodeTGA(data).ToTrueColour();
    case PictureFileKind::Png:
        return DecodeWithQt(data, "PNG");
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
