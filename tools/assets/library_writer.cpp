#include "library_writer.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/jpeg_codec.h"
#include "stream/windows1252.h"

#include <QPainter>
#include <limits>

namespace lumora {

namespace {

constexpr char kHeaderText[] = "Lumora R2 picture library";

void AppendInt32(QByteArray& out, int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw LumoraError("The picture library is too large.");
    const auto v = static_cast<uint32_t>(static_cast<int32_t>(value));
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutInt32(QByteArray& out, int64_t at, int64_t value)
{
    QByteArray bytes;
    AppendInt32(bytes, value);
    out.replace(at, 4, bytes);
}

void AppendShortText(QByteArray& out, const QString& text)
{
    const QByteArray bytes = ToWindows1252(text);
    if (FromWindows1252(reinterpret_cast<const uint8_t*>(bytes.constData()),
                        static_cast<size_t>(bytes.size())) != text)
        throw LumoraError("The text \"" + text.toStdString() +
                          "\" holds a character a library cannot store.");
    if (bytes.size() > 255)
        throw LumoraError("The text \"" + text.toStdString() + "\" is longer than 255 characters.");
    QByteArray field(PictureLibrary::kShortTextSize, '\0');
    field[0] = static_cast<char>(bytes.size());
    field.replace(1, bytes.size(), bytes);
    out.append(field);
}

void AppendJpeg(QByteArray& out, const QImage& picture, int quality)
{
    if (picture.isNull() || picture.width() < 1 || picture.height() < 1)
        throw LumoraError("A library picture is empty.");
    const TPixelEngine engine(picture.width(), picture.height(), picture);
    std::vector<uint8_t> jpeg;
    EncodeJpeg(engine, quality, jpeg);
    out.append(reinterpret_cast<const char*>(jpeg.data()), static_cast<qsizetype>(jpeg.size()));
}

} // namespace

QImage MakeThumbnail(const QImage& picture, int width, int height)
{
    QImage thumbnail(width, height, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    const QImage scaled =
        picture.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&thumbnail);
    painter.drawImage((width - scaled.width()) / 2, (height - scaled.height()) / 2, scaled);
    return thumbnail;
}

QByteArray EncodePictureLibrary(const LibrarySource& library)
{
    if (library.ThumbnailWidth < 1 || library.ThumbnailWidth > PictureLibrary::kMaxThumbnailSide ||
        library.ThumbnailHeight < 1 || library.ThumbnailHeight > PictureLibrary::kMaxThumbnailSide)
        throw LumoraError("The thumbnail size of a library must lie in 1..1024.");
    QByteArray out(PictureLibrary::kHeaderSize, '\0');
    out.replace(0, static_cast<qsizetype>(sizeof kHeaderText - 1), kHeaderText);
    AppendInt32(out, PictureLibrary::kVersion);
    AppendInt32(out, library.ThumbnailWidth);
    AppendInt32(out, library.ThumbnailHeight);
    AppendShortText(out, library.Texts.Creator);
    AppendShortText(out, library.Texts.Contact);
    AppendShortText(out, library.Texts.Copyright);
    AppendShortText(out, library.Texts.Information);
    const auto count = static_cast<int64_t>(library.Pictures.size());
    AppendInt32(out, count);
    const int64_t indexStart = out.size();
    out.append(QByteArray(count * PictureLibrary::kIndexEntrySize, '\0'));
    for (const LibraryPictureSource& p : library.Pictures) {
        if (p.Picture.isNull())
            throw LumoraError("The library picture \"" + p.Name.toStdString() + "\" is empty.");
    }
    for (int64_t k = 0; k < count; ++k) {
        const LibraryPictureSource& p = library.Pictures[static_cast<size_t>(k)];
        const int64_t entry = indexStart + k * PictureLibrary::kIndexEntrySize;
        PutInt32(out, entry, out.size());
        AppendShortText(out, p.Name);
        PutInt32(out, entry + 4, out.size());
        AppendShortText(out, p.Description);
        PutInt32(out, entry + 8, out.size());
        AppendJpeg(out, MakeThumbnail(p.Picture, library.ThumbnailWidth, library.ThumbnailHeight),
                   kLibraryThumbnailQuality);
        PutInt32(out, entry + 12, out.size());
        AppendJpeg(out, p.Picture, kLibraryPictureQuality);
    }
    return out;
}

} // namespace lumora
