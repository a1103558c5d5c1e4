#pragma once
// TLibrary_Form: the picture library window. It lists the libraries of one
// folder ("Available Libraries:"), shows the thumbnails of the chosen one
// in a grid, the selected picture fitted into the preview with its name
// and description, imports library files into the folder and shows the
// library's texts in TLibInfo. "OK" hands the selected picture back.
// What is listed, opened and picked is the core's LibraryBrowser.

#include "app/library_browser.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace lumora {

class LibraryPreview;
class LibraryThumbnailView;
class ProgramContext;
class TPixelEngine;

// The filter of "Import Library...".
inline constexpr char kLibraryFileFilter[] = "LumoraLibrary File (*.llb)";

class TLibrary_Form : public QDialog
{
public:
    static constexpr int kGridWidth = 300;
    static constexpr int kGridHeight = 300;
    static constexpr int kPreviewSide = 200;
    static constexpr char kHelpPage[] = "library_dialog.l2h";

    explicit TLibrary_Form(ProgramContext& context, QWidget* parent = nullptr);
    ~TLibrary_Form() override;

    // Lists the libraries of folder, opens the first with its first
    // picture selected and shows the window modally under caption ("Tile
    // Library", "Frame Library", "Image Border Library"). "OK" puts a copy
    // of the selected picture (the empty picture for a library without
    // pictures) into picture and answers true; "Abbruch" and the title-bar
    // "X" answer false and leave picture alone. A folder without a valid
    // library answers false without showing the window.
    bool Show_Library(const QString& folder, const QString& caption,
                      std::unique_ptr<TPixelEngine>& picture);

    // "?" asks for the window's help page.
    void SetShowHelp(std::function<void(const QString& page)> handler)
    {
        help_ = std::move(handler);
    }

    const LibraryBrowser& Browser() const { return browser_; }
    LibraryThumbnailView* Grid() const { return grid_; }
    LibraryPreview* Preview() const { return preview_; }
    QListWidget* Libraries() const { return libraries_; }

private:
    void BuildControls();
    QWidget* BuildGridBox();
    QWidget* BuildPreviewColumn();
    void ConnectButtons();
    void ShowLibraries();
    void ShowLibrary();
    void ShowImage();
    void LibraryClicked(int row);
    void GridClicked(QPoint at);
    void ImportClicked();
    void AboutClicked();
    // Runs a browser operation; a damaged library or picture is told in
    // the message box and the window shows what is left.
    void Guarded(const std::function<void()>& operation);

    ProgramContext& context_;
    LibraryBrowser browser_;
    std::function<void(const QString&)> help_;

    QListWidget* libraries_ = nullptr;
    QScrollArea* gridBox_ = nullptr;
    LibraryThumbnailView* grid_ = nullptr;
    LibraryPreview* preview_ = nullptr;
    QLabel* imageName_ = nullptr;
    QLabel* imageDescription_ = nullptr;
    bool showingList_ = false;
};

} // namespace lumora
