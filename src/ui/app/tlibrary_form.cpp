#include "ui/app/tlibrary_form.h"

#include "app/dialog_folders.h"
#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "ui/app/file_dialogs.h"
#include "ui/app/library_preview.h"
#include "ui/app/library_thumbnail_view.h"
#include "ui/app/program_context.h"
#include "ui/app/tlibinfo.h"
#include "ui/app/tmessage_form.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace lumora {

namespace {

constexpr int kListWidth = 170;

QLabel* NamedLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The library's own texts: not translated, wrapped.
QLabel* ValueLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(TLibrary_Form::kPreviewSide);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TLibrary_Form::TLibrary_Form(ProgramContext& context, QWidget* parent)
    : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("Library_Form"));
    setWindowTitle(QStringLiteral("Library"));
    setModal(true);
    BuildControls();
    ConnectButtons();
}

TLibrary_Form::~TLibrary_Form() = default;

void TLibrary_Form::BuildControls()
{
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(
        NamedLabel("AvailableLibrariesLabel", QStringLiteral("Available Libraries:"), this));
    libraries_ = new QListWidget(this);
    libraries_->setObjectName(QStringLiteral("LibraryList"));
    libraries_->setFixedSize(kListWidth, kGridHeight);
    listColumn->addWidget(libraries_);
    listColumn->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(listColumn);
    columns->addWidget(BuildGridBox(), 0, Qt::AlignTop);
    columns->addWidget(BuildPreviewColumn(), 0, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NamedButton("ImportButton", QStringLiteral("Import Library..."), this));
    buttons->addWidget(NamedButton("AboutButton", QStringLiteral("About the Library..."), this));
    buttons->addStretch();
    buttons->addWidget(NamedButton("HelpButton", QStringLiteral("?"), this));
    QPushButton* ok = NamedButton("OKButton", QStringLiteral("OK"), this);
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(NamedButton("AbbruchButton", QStringLiteral("Abbruch"), this));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TLibrary_Form::BuildGridBox()
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(NamedLabel("ThumbnailsLabel", QStringLiteral("Pictures:"), box));
    gridBox_ = new QScrollArea(box);
    gridBox_->setObjectName(QStringLiteral("ThumbnailBox"));
    gridBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    gridBox_->setWidgetResizable(false);
    grid_ = new LibraryThumbnailView(browser_);
    grid_->resize(kGridWidth, kGridHeight);
    gridBox_->setWidget(grid_);
    // The viewport is exactly the grid's width.
    const int frame = 2 * gridBox_->frameWidth();
    gridBox_->setFixedSize(kGridWidth + frame + gridBox_->verticalScrollBar()->sizeHint().width(),
                           kGridHeight + frame);
    column->addWidget(gridBox_);
    return box;
}

QWidget* TLibrary_Form::BuildPreviewColumn()
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(NamedLabel("PreviewLabel", QStringLiteral("Preview:"), box));
    auto* frame = new QFrame(box);
    frame->setObjectName(QStringLiteral("PreviewFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    preview_ = new LibraryPreview(browser_, frame);
    preview_->setFixedSize(kPreviewSide, kPreviewSide);
    frameLayout->addWidget(preview_);
    column->addWidget(frame);
    column->addWidget(NamedLabel("NameLabel", QStringLiteral("Name:"), box));
    imageName_ = ValueLabel("ImageNameText", box);
    QFont bold = imageName_->font();
    bold.setBold(true);
    imageName_->setFont(bold);
    column->addWidget(imageName_);
    column->addWidget(NamedLabel("DescriptionLabel", QStringLiteral("Description:"), box));
    imageDescription_ = ValueLabel("ImageDescriptionText", box);
    column->addWidget(imageDescription_);
    column->addStretch();
    return box;
}

void TLibrary_Form::ConnectButtons()
{
    connect(libraries_, &QListWidget::currentRowChanged, this,
            [this](int row) { LibraryClicked(row); });
    grid_->SetOnClick([this](QPoint at) { GridClicked(at); });
    connect(findChild<QPushButton*>(QStringLiteral("ImportButton")), &QPushButton::clicked, this,
            [this] { ImportClicked(); });
    connect(findChild<QPushButton*>(QStringLiteral("AboutButton")), &QPushButton::clicked, this,
            [this] { AboutClicked(); });
    connect(findChild<QPushButton*>(QStringLiteral("HelpButton")), &QPushButton::clicked, this,
            [this] {
                if (help_)
                    help_(QString::fromLatin1(kHelpPage));
            });
    connect(findChild<QPushButton*>(QStringLiteral("OKButton")), &QPushButton::clicked, this,
            &QDialog::accept);
    connect(findChild<QPushButton*>(QStringLiteral("AbbruchButton")), &QPushButton::clicked, this,
            &QDialog::reject);
}

bool TLibrary_Form::Show_Library(const QString& folder, const QString& caption,
                                 std::unique_ptr<TPixelEngine>& picture)
{
    QString problem;
    try {
        if (!browser_.ShowFolder(folder))
            return false;
    } catch (const LumoraError& e) {
        // The first library is damaged; the others can still be chosen.
        problem = QString::fromUtf8(e.what());
    }
    setWindowTitle(caption);
    ShowLibraries();
    ShowLibrary();
    gridBox_->verticalScrollBar()->setValue(0);
    if (!problem.isEmpty())
        context_.Tell(problem);
    const bool picked = exec() == QDialog::Accepted;
    if (picked)
        picture = browser_.PickedPicture();
    browser_.Close();
    ShowLibrary();
    return picked;
}

void TLibrary_Form::ShowLibraries()
{
    showingList_ = true;
    libraries_->clear();
    for (const LibraryListEntry& library : browser_.Libraries())
        libraries_->addItem(library.Name);
    // A damaged first library stays the current row, so that the list's
    // taking the focus does not try it again.
    if (libraries_->count() > 0)
        libraries_->setCurrentRow(std::max(0, browser_.SelectedLibrary()));
    showingList_ = false;
}

void TLibrary_Form::ShowLibrary()
{
    grid_->LibraryChanged(kGridWidth);
    ShowImage();
}

void TLibrary_Form::ShowImage()
{
    imageName_->setText(browser_.ImageName());
    imageDescription_->setText(browser_.ImageDescription());
    preview_->PictureChanged();
    grid_->SelectionChanged();
}

void TLibrary_Form::Guarded(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const LumoraError& e) {
        ShowLibrary();
        context_.Tell(QString::fromUtf8(e.what()));
    }
}

void TLibrary_Form::LibraryClicked(int row)
{
    if (showingList_ || row < 0)
        return;
    Guarded([this, row] { browser_.SelectLib(row); });
    ShowLibrary();
    gridBox_->verticalScrollBar()->setValue(0);
}

void TLibrary_Form::GridClicked(QPoint at)
{
    Guarded([this, at] { browser_.ClickGrid(at.x(), at.y(), kGridWidth); });
    ShowImage();
}

void TLibrary_Form::ImportClicked()
{
    ApplicationSettings& settings = context_.Settings();
    const QString source = context_.Dialogs().OpenFileName(
        this, settings.Folders.InitialFolder(DialogFolder::OpenLibrary),
        {QString::fromLatin1(kLibraryFileFilter)});
    if (source.isEmpty())
        return;
    settings.Folders.RecordChosenFile(DialogFolder::OpenLibrary, source);
    const auto confirmOverwrite = [this](const QString&) {
        return context_.Ask(context_.Texts().MessageText(u"OverwriteFile")) == TMessage_Form::kYes;
    };
    Guarded([this, &source, &confirmOverwrite] {
        if (browser_.ImportLibrary(source, confirmOverwrite) == ImportResult::Copied) {
            ShowLibraries();
            ShowLibrary();
        }
    });
    ShowLibraries();
}

void TLibrary_Form::AboutClicked()
{
    const PictureLibrary* library = browser_.Library();
    context_.LibInfo().ShowTexts(library ? library->Texts() : LibraryTexts{});
}

} // namespace lumora
