#include "app/library_browser.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"

#include <QFileInfo>

namespace lumora {

namespace {

// A library that would not open is refused before it is copied, so that it
// can never replace one that works. What the window reads at once (texts,
// names, descriptions, thumbnails) is read here too.
void CheckLibraryToImport(const QString& source)
{
    const QString name = QFileInfo(source).fileName();
    try {
        const PictureLibrary library = PictureLibrary::Open(source);
        for (int k = 0; k < library.Count(); ++k) {
            library.Name(k);
            library.Description(k);
            library.Thumbnail(k);
        }
    } catch (const LumoraError& e) {
        throw LumoraError("The file " + name.toStdString() + " cannot be imported. " + e.what());
    }
}

} // namespace

LibraryBrowser::LibraryBrowser() = default;
LibraryBrowser::~LibraryBrowser() = default;

bool LibraryBrowser::ShowFolder(const QString& folder)
{
    Close();
    folder_ = folder;
    libraries_ = GetLibs(folder);
    if (libraries_.empty())
        return false;
    SelectLib(0);
    return true;
}

void LibraryBrowser::Close()
{
    library_.reset();
    thumbnails_.clear();
    selectedLibrary_ = -1;
    selectedImage_ = 0;
    ClearImage();
}

void LibraryBrowser::ClearImage()
{
    imageName_.clear();
    imageDescription_.clear();
    picture_.reset();
}

void LibraryBrowser::SelectLib(int index)
{
    Close();
    if (index < 0 || static_cast<size_t>(index) >= libraries_.size())
        return;
    PictureLibrary library = PictureLibrary::Open(libraries_[static_cast<size_t>(index)].Path);
    std::vector<std::unique_ptr<TPixelEngine>> thumbnails;
    thumbnails.reserve(static_cast<size_t>(library.Count()));
    for (int k = 0; k < library.Count(); ++k)
        thumbnails.push_back(library.Thumbnail(k));
    thumbnailWidth_ = library.ThumbnailWidth();
    thumbnailHeight_ = library.ThumbnailHeight();
    library_ = std::move(library);
    thumbnails_ = std::move(thumbnails);
    selectedLibrary_ = index;
    try {
        SelectImage(0);
    } catch (const LumoraError&) {
        Close();
        throw;
    }
}

void LibraryBrowser::SelectImage(int index)
{
    if (!library_)
        return;
    if (index >= 0 && index < library_->Count())
        selectedImage_ = index;
    ClearImage();
    if (selectedImage_ >= library_->Count())
        return;
    QString name = library_->Name(selectedImage_);
    QString description = library_->Description(selectedImage_);
    picture_ = library_->Picture(selectedImage_);
    imageName_ = std::move(name);
    imageDescription_ = std::move(description);
}

void LibraryBrowser::ClickGrid(int x, int y, int gridWidth)
{
    if (!library_)
        return;
    SelectImage(Grid(gridWidth).IndexAt(x, y, library_->Count()));
}

ThumbnailGrid LibraryBrowser::Grid(int gridWidth) const
{
    return ThumbnailGrid{gridWidth, thumbnailWidth_, thumbnailHeight_};
}

IntRect LibraryBrowser::PreviewRect(int boxWidth, int boxHeight) const
{
    if (!picture_)
        return {};
    return FitPreview(boxWidth, boxHeight, picture_->Width(), picture_->Height());
}

std::unique_ptr<TPixelEngine> LibraryBrowser::PickedPicture() const
{
    if (!picture_)
        return std::make_unique<TPixelEngine>(0, 0);
    auto copy = std::make_unique<TPixelEngine>(picture_->Width(), picture_->Height());
    picture_->DrawTo(*copy, 0, 0);
    return copy;
}

ImportResult
LibraryBrowser::ImportLibrary(const QString& source,
                              const std::function<bool(const QString& target)>& confirmOverwrite)
{
    CheckLibraryToImport(source);
    const ImportResult result = ImportFileInto(source, folder_, confirmOverwrite);
    if (result == ImportResult::Copied)
        ShowFolder(folder_);
    return result;
}

} // namespace lumora
