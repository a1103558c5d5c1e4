#include "afterburner/afterburner_picture_file.h"

#include "imageio/picture_file.h"
#include "imageio/pixel_engine_conversion.h"
#include "rendering/lumo_pixelengine.h"

namespace lumora {

std::unique_ptr<TPixelEngine> LoadAfterburnerPicture(const QString& fileName)
{
    return ToPixelEngine(LoadPictureFile(fileName));
}

void SaveAfterburnerPicture(const QString& fileName, const TPixelEngine& picture, int filterIndex)
{
    SavePictureFile(fileName, FromPixelEngine(picture), filterIndex);
}

} // namespace lumora
