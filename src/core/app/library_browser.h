#pragma once
// What the library window shows and picks, without the window: the
// libraries of a folder, the open library with its thumbnails, the
// selected picture with its name, description and full picture, and the
// picture handed back with "OK".

#include "app/file_import.h"
#include "app/library_listing.h"
#include "app/picture_library.h"
#include "app/thumbnail_grid.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lumora {

class TPixelEngine;

class LibraryBrowser
{
public:
    LibraryBrowser();
    ~LibraryBrowser();
    LibraryBrowser(const LibraryBrowser&) = delete;
    LibraryBrowser& operator=(const LibraryBrowser&) = delete;

    // Lists the libraries of folder, opens the first and selects its first
    // picture. Answers false, with nothing open, when the folder holds no
    // valid library. Throws LumoraError when the first library is damaged.
    bool ShowFolder(const QString& folder);
    const QString& Folder() const { return folder_; }
    const std::vector<LibraryListEntry>& Libraries() const { return libraries_; }
    int SelectedLibrary() const { return selectedLibrary_; }

    // Closes the open library and opens library index with all its
    // thumbnails, then selects picture 0. Throws LumoraError for a damaged
    // library, which is then left closed.
    void SelectLib(int index);
    // Closes the open library and forgets its pictures.
    void Close();
    // The open library, or nothing.
    const PictureLibrary* Library() const { return library_ ? &*library_ : nullptr; }
    const std::vector<std::unique_ptr<TPixelEngine>>& Thumbnails() const { return thumbnails_; }

    // Reads picture index's name, description and full picture. An index
    // outside the library keeps the selection and reads it again. Throws
    // LumoraError for damaged data.
    void SelectImage(int index);
    // A click in the grid selects the picture under it; a click beyond the
    // last picture keeps the selection and still refreshes it.
    void ClickGrid(int x, int y, int gridWidth);
    int SelectedImage() const { return selectedImage_; }
    const QString& ImageName() const { return imageName_; }
    const QString& ImageDescription() const { return imageDescription_; }
    // The selected picture, or nothing when the library has none.
    const TPixelEngine* Picture() const { return picture_.get(); }

    // The grid at the open library's thumbnail size (60 x 60 until a
    // library was read).
    ThumbnailGrid Grid(int gridWidth) const;
    // Where the selected picture is drawn in a preview box.
    IntRect PreviewRect(int boxWidth, int boxHeight) const;

    // "OK": a copy of the selected picture; the empty picture when the
    // library holds none.
    std::unique_ptr<TPixelEngine> PickedPicture() const;

    // "Import Library...": copies the file into the shown folder, asking
    // before an existing file is replaced; after a copy the list is built
    // again and its first library selected. Throws LumoraError, before
    // anything is asked or copied, for a file that is no readable library,
    // and when the copy fails or the first library is damaged.
    ImportResult ImportLibrary(const QString& source,
                               const std::function<bool(const QString& target)>& confirmOverwrite);

private:
    void ClearImage();

    QString folder_;
    std::vector<LibraryListEntry> libraries_;
    int selectedLibrary_ = -1;
    std::optional<PictureLibrary> library_;
    std::vector<std::unique_ptr<TPixelEngine>> thumbnails_;
    int thumbnailWidth_ = ThumbnailGrid::kDefaultThumbnailSide;
    int thumbnailHeight_ = ThumbnailGrid::kDefaultThumbnailSide;
    int selectedImage_ = 0;
    QString imageName_;
    QString imageDescription_;
    std::unique_ptr<TPixelEngine> picture_;
};

} // namespace lumora
