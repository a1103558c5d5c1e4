// The picture library window: the libraries of a folder, the grid of
// thumbnails with their frames, the preview, importing, the information
// window and the picture handed back with "OK".
#include "ui/shell/shell_test_support.h"

#include "app/thumbnail_grid.h"
#include "library_writer.h"
#include "rendering/lumo_pixelengine.h"
#include "ui/app/library_preview.h"
#include "ui/app/library_thumbnail_view.h"
#include "ui/app/tlibinfo.h"
#include "ui/app/tlibrary_form.h"
#include "ui/widgets/colour_value.h"

#include <QListWidget>

namespace lumora {
namespace {

using test::ModalScript;
using test::ModalStep;
using test::TestProgram;

// A colour of its own for picture k.
QColor PictureColour(int k)
{
    return QColor::fromHsv((k * 47) % 360, 200, 220);
}

QImage Solid(int w, int h, const QColor& colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool Near(QRgb a, const QColor& b, int tolerance = 12)
{
    return std::abs(qRed(a) - b.red()) <= tolerance &&
           std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

class LibraryFormTest : public ::testing::Test
{
protected:
    // A library of square pictures of their own colours, 20 + k pixels on
    // a side, unless sizes are given.
    QString WriteLibrary(const QString& name, int pictures, int thumbnailWidth = 60,
                         int thumbnailHeight = 60, std::vector<QSize> sizes = {})
    {
        LibrarySource source;
        source.Texts = {"Maker of " + name, "maker@example.org", "(c) " + name,
                        "Pictures for tests"};
        source.ThumbnailWidth = thumbnailWidth;
        source.ThumbnailHeight = thumbnailHeight;
        for (int k = 0; k < pictures; ++k) {
            const QSize size = k < static_cast<int>(sizes.size()) ? sizes[static_cast<size_t>(k)]
                                                                  : QSize(20 + k, 20 + k);
            source.Pictures.push_back({QString("%1 %2").arg(name).arg(k),
                                       QString("Picture %1 of %2").arg(k).arg(name),
                                       Solid(size.width(), size.height(), PictureColour(k))});
        }
        const QString path = folder_.filePath(name + ".llb");
        WriteBytes(path, EncodePictureLibrary(source));
        return path;
    }

    bool Show(std::unique_ptr<TPixelEngine>& picture, const QString& caption = "Tile Library")
    {
        return program_.Program().Show_Library(folder_.path(), caption, picture);
    }

    TLibrary_Form& Form() { return program_.Program().LibraryForm(); }

    static void ClickAt(QWidget& widget, QPoint at)
    {
        QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, at);
    }

    TestProgram program_;
    QTemporaryDir folder_;
};

TEST_F(LibraryFormTest, GridOf300PixelsWith60PixelThumbnailsHasFourColumns)
{
    ASSERT_TRUE(program_.Started());
    WriteLibrary("Tiles", 6);
    std::unique_ptr<TPixelEngine> picture;
    QImage shown;
    QImage afterClick;
    int selectedAfterBeyond = -1;
    QString nameAfterClick;
    QString caption;
    ModalScript script({{"Library_Form", [&](QWidget& window) {
                             auto& form = static_cast<TLibrary_Form&>(window);
                             caption = form.windowTitle();
                             LibraryThumbnailView& grid = *form.Grid();
                             EXPECT_EQ(grid.width(), 300);
                             EXPECT_EQ(form.Browser().Grid(grid.width()).Columns(), 4);
                             shown = grid.grab().toImage();
                             ClickAt(grid, {85, 85}); // picture 5
                             nameAfterClick = form.findChild<QLabel*>("ImageNameText")->text();
                             afterClick = grid.grab().toImage();
                             ClickAt(grid, {230, 85}); // where picture 7 would be
                             selectedAfterBeyond = form.Browser().SelectedImage();
                             test::Click("OKButton")(window);
                         }}});
    ASSERT_TRUE(Show(picture));
    EXPECT_EQ(caption, "Tile Library");
    ASSERT_FALSE(shown.isNull());
    const QColor orange = ToQColor(kSelectedThumbnailFrame);
    const QColor blue = ToQColor(kThumbnailFrame);
    // Picture 5 is the second of the second row: at (80, 80), in its
    // blue frame; picture 0, selected, in an orange one.
    EXPECT_EQ(QColor(shown.pixel(78, 78)), blue);
    EXPECT_EQ(QColor(shown.pixel(79, 79)), blue);
    EXPECT_EQ(QColor(shown.pixel(140, 140)), blue); // the right and bottom edges
    EXPECT_EQ(QColor(shown.pixel(141, 141)), blue);
    EXPECT_EQ(QColor(shown.pixel(77, 77)), QColor(Qt::white));
    EXPECT_EQ(QColor(shown.pixel(142, 142)), QColor(Qt::white));
    EXPECT_TRUE(Near(shown.pixel(110, 110), PictureColour(5)));
    EXPECT_EQ(QColor(shown.pixel(8, 8)), orange);
    EXPECT_TRUE(Near(shown.pixel(40, 40), PictureColour(0)));
    EXPECT_EQ(QColor(shown.pixel(8, 78)), blue);               // picture 4, first of the second row
    EXPECT_TRUE(Near(shown.pixel(225, 40), PictureColour(3))); // the fourth column
    EXPECT_EQ(QColor(shown.pixel(228, 120)), QColor(Qt::white)); // no picture 7
    // The click moved the orange frame.
    EXPECT_EQ(nameAfterClick, "Tiles 5");
    EXPECT_EQ(QColor(afterClick.pixel(78, 78)), orange);
    EXPECT_EQ(QColor(afterClick.pixel(8, 8)), blue);
    EXPECT_EQ(selectedAfterBeyond, 5);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 25);
    EXPECT_EQ(picture->Height(), 25);
    EXPECT_TRUE(Near(picture->ToQImage().pixel(12, 12), PictureColour(5)));
}

TEST_F(LibraryFormTest, PreviewFitsThePictureWithItsProportions)
{
    ASSERT_TRUE(program_.Started());
    WriteLibrary("Shapes", 2, 80, 60, {QSize(60, 30), QSize(30, 60)});
    std::unique_ptr<TPixelEngine> picture;
    QRect wide;
    QRect tall;
    QImage wideShown;
    QString description;
    ModalScript script({{"Library_Form", [&](QWidget& window) {
                             auto& form = static_cast<TLibrary_Form&>(window);
                             wide = form.Preview()->PictureRect();
                             wideShown = form.Preview()->grab().toImage();
                             description = form.findChild<QLabel*>("ImageDescriptionText")->text();
                             ClickAt(*form.Grid(), {100, 15}); // the second picture
                             tall = form.Preview()->PictureRect();
                             test::Click("AbbruchButton")(window);
                         }}});
    EXPECT_FALSE(Show(picture, "Frame Library"));
    EXPECT_EQ(picture, nullptr); // "Abbruch" hands nothing back
    const int side = TLibrary_Form::kPreviewSide;
    EXPECT_EQ(wide, QRect(0, side / 4, side, side / 2));
    EXPECT_EQ(tall, QRect(side / 4, 0, side / 2, side));
    EXPECT_TRUE(Near(wideShown.pixel(side / 2, side / 2), PictureColour(0)));
    EXPECT_FALSE(Near(wideShown.pixel(side / 2, side / 8), PictureColour(0), 40));
    EXPECT_EQ(description, "Picture 0 of Shapes");
}

TEST_F(LibraryFormTest, LibraryWithoutPicturesShowsAnEmptyGridAndOkGivesTheEmptyPicture)
{
    ASSERT_TRUE(program_.Started());
    WriteLibrary("Empty", 0);
    std::unique_ptr<TPixelEngine> picture;
    QImage shown;
    ModalScript script({{"Library_Form", [&](QWidget& window) {
                             auto& form = static_cast<TLibrary_Form&>(window);
                             shown = form.Grid()->grab().toImage();
                             ClickAt(*form.Grid(), {20, 20});
                             test::Click("OKButton")(window);
                         }}});
    ASSERT_TRUE(Show(picture));
    ASSERT_FALSE(shown.isNull());
    const ThumbnailGrid emptyGrid{300, 60, 60};
    EXPECT_EQ(shown.height(), emptyGrid.Height(0));
    for (int y = 0; y < shown.height(); y += 3)
        for (int x = 0; x < shown.width(); x += 3)
            ASSERT_EQ(QColor(shown.pixel(x, y)), QColor(Qt::white)) << x << "," << y;
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 0);
    EXPECT_EQ(picture->Height(), 0);
}

TEST_F(LibraryFormTest, FolderWithoutAValidLibraryAnswersFalseWithoutShowingTheWindow)
{
    ASSERT_TRUE(program_.Started());
    WriteBytes(folder_.filePath("x.llb"), "not a library");
    ModalScript script(std::vector<ModalStep>{}); // any window coming up fails the test
    std::unique_ptr<TPixelEngine> picture;
    EXPECT_FALSE(Show(picture));
    EXPECT_EQ(picture, nullptr);
    EXPECT_FALSE(Form().isVisible());
    QTest::qWait(30);
}

TEST_F(LibraryFormTest, TitleBarCloseAnswersFalse)
{
    ASSERT_TRUE(program_.Started());
    WriteLibrary("Tiles", 2);
    auto picture = std::make_unique<TPixelEngine>(3, 3);
    ModalScript script({{"Library_Form", test::CloseWindow()}});
    EXPECT_FALSE(Show(picture));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 3);
}

TEST_F(LibraryFormTest, ClickingALibraryNameShowsItsPictures)
{
    ASSERT_TRUE(program_.Started());
    WriteLibrary("Alpha", 2);
    WriteLibrary("Beta", 9, 80, 60);
    std::unique_ptr<TPixelEngine> picture;
    QStringList names;
    int gridHeight = 0;
    QString shownName;
    ModalScript script({{"Library_Form", [&](QWidget& window) {
                             auto& form = static_cast<TLibrary_Form&>(window);
                             QListWidget& list = *form.Libraries();
                             for (int i = 0; i < list.count(); ++i)
                                 names << list.item(i)->text();
                             QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                                               list.visualItemRect(list.item(1)).center());
                             gridHeight = form.Grid()->height();
                             shownName = form.findChild<QLabel*>("ImageNameText")->text();
                             ClickAt(*form.Grid(), {10 + 90 + 5, 10 + 70 + 5}); // picture 4
                             test::Click("OKButton")(window);
                         }}});
    ASSERT_TRUE(Show(picture));
    EXPECT_EQ(names, (QStringList{"Alpha", "Beta"}));
    // 80-pixel thumbnails: three columns, 9 div 3 + 1 rows.
    EXPECT_EQ(gridHeight, 4 * 70 + 10);
    EXPECT_EQ(shownName, "Beta 0");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 24);
}

TEST_F(LibraryFormTest, ImportUnderAnExistingNameAnsweredNoKeepsTheOldFile)
{
    ASSERT_TRUE(program_.Started());
    const QString installed = WriteLibrary("Tiles", 1);
    const QByteArray before = ReadBytes(installed);
    QTemporaryDir elsewhere;
    LibrarySource replacement;
    replacement.Texts.Creator = "Newcomer";
    replacement.Pictures.push_back({"New", "", Solid(30, 30, Qt::red)});
    const QString source = elsewhere.filePath("Tiles.llb");
    WriteBytes(source, EncodePictureLibrary(replacement));
    program_.Dialogs->OpenAnswers = {source, source};
    QString nameAfterNo;
    QString nameAfterYes;
    std::unique_ptr<TPixelEngine> picture;
    ModalScript script({{"Library_Form",
                         [&](QWidget& window) {
                             test::Click("ImportButton")(window); // answered No below
                             nameAfterNo = window.findChild<QLabel*>("ImageNameText")->text();
                             test::Click("ImportButton")(window); // answered Yes below
                             nameAfterYes = window.findChild<QLabel*>("ImageNameText")->text();
                             test::Click("AbbruchButton")(window);
                         }},
                        test::No(),
                        test::Yes()});
    EXPECT_FALSE(Show(picture));
    ASSERT_EQ(script.Messages().size(), 2);
    EXPECT_EQ(script.Messages()[0], program_.Program().Texts().MessageText(u"OverwriteFile"));
    EXPECT_EQ(nameAfterNo, "Tiles 0");
    EXPECT_EQ(nameAfterYes, "New");
    EXPECT_EQ(program_.Dialogs->LastFilters, QStringList{"LumoraLibrary File (*.llb)"});
    EXPECT_EQ(ReadBytes(installed), ReadBytes(source));
    EXPECT_NE(ReadBytes(installed), before);
}

TEST_F(LibraryFormTest, DamagedFileIsRefusedWithAMessageAndNothingIsCopied)
{
    ASSERT_TRUE(program_.Started());
    const QString installed = WriteLibrary("Tiles", 1);
    const QByteArray before = ReadBytes(installed);
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath("Tiles.llb");
    WriteBytes(source, before.left(1400)); // the index points past the end
    program_.Dialogs->OpenAnswers = {source};
    std::unique_ptr<TPixelEngine> picture;
    ModalScript script({{"Library_Form",
                         [&](QWidget& window) {
                             test::Click("ImportButton")(window);
                             test::Click("OKButton")(window);
                         }},
                        test::Ok()});
    EXPECT_TRUE(Show(picture));
    ASSERT_EQ(script.Messages().size(), 1);
    EXPECT_TRUE(script.Messages()[0].startsWith("The file Tiles.llb cannot be imported."))
        << script.Messages()[0].toStdString();
    EXPECT_EQ(ReadBytes(installed), before);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 20);
}

TEST_F(LibraryFormTest, DamagedFirstLibraryIsReportedAndTheOthersCanBeChosen)
{
    ASSERT_TRUE(program_.Started());
    const QString damaged = WriteLibrary("Aaa", 3);
    WriteLibrary("Good", 2);
    WriteBytes(damaged, ReadBytes(damaged).left(1400)); // the index points past the end
    std::unique_ptr<TPixelEngine> picture;
    QString shownName;
    ModalScript script(
        {test::Ok(), {"Library_Form", [&](QWidget& window) {
                          auto& form = static_cast<TLibrary_Form&>(window);
                          QListWidget& list = *form.Libraries();
                          EXPECT_EQ(list.count(), 2);
                          QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                                            list.visualItemRect(list.item(1)).center());
                          shownName = form.findChild<QLabel*>("ImageNameText")->text();
                          test::Click("OKButton")(window);
                      }}});
    EXPECT_TRUE(Show(picture));
    ASSERT_EQ(script.Messages().size(), 1);
    EXPECT_EQ(script.Messages()[0], "The picture library is damaged.");
    EXPECT_EQ(shownName, "Good 0");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 20);
}

TEST_F(LibraryFormTest, AboutTheLibraryShowsItsFourTexts)
{
    ASSERT_TRUE(program_.Started());
    WriteLibrary("Tiles", 1);
    std::unique_ptr<TPixelEngine> picture;
    QStringList texts;
    ModalScript script({{"Library_Form",
                         [&](QWidget& window) {
                             test::Click("AboutButton")(window);
                             test::Click("AbbruchButton")(window);
                         }},
                        {"LibInfo", [&](QWidget& info) {
                             for (const char* name : {"CreatorText", "ContactText", "CopyrightText",
                                                      "InformationText"})
                                 texts << info.findChild<QLabel*>(name)->text();
                             test::Click("CloseButton")(info);
                         }}});
    EXPECT_FALSE(Show(picture));
    EXPECT_EQ(texts, (QStringList{"Maker of Tiles", "maker@example.org", "(c) Tiles",
                                  "Pictures for tests"}));
    const TLibInfo& info = program_.Program().LibInfo();
    EXPECT_EQ(info.findChild<QLabel*>("CreatedByLabel")->text(), "Created by:");
    EXPECT_EQ(info.findChild<QLabel*>("InformationLabel")->text(), "Information:");
}

TEST_F(LibraryFormTest, HelpButtonAsksForTheLibraryPage)
{
    ASSERT_TRUE(program_.Started());
    WriteLibrary("Tiles", 1);
    QStringList pages;
    Form().SetShowHelp([&pages](const QString& page) { pages << page; });
    std::unique_ptr<TPixelEngine> picture;
    ModalScript script({{"Library_Form", [&](QWidget& window) {
                             test::Click("HelpButton")(window);
                             test::Click("AbbruchButton")(window);
                         }}});
    EXPECT_FALSE(Show(picture));
    EXPECT_EQ(pages, QStringList{"library_dialog.l2h"});
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(LUMORA_SHARE_DIR "/help/english/") + pages[0]));
}

// The installed tile library, as the picture tile shows it.
TEST_F(LibraryFormTest, InstalledTileLibraryShowsEveryPicture)
{
    ASSERT_TRUE(program_.Started());
    std::unique_ptr<TPixelEngine> picture;
    int count = 0;
    ModalScript script({{"Library_Form", [&](QWidget& window) {
                             auto& form = static_cast<TLibrary_Form&>(window);
                             count = static_cast<int>(form.Browser().Thumbnails().size());
                             test::Click("OKButton")(window);
                         }}});
    ASSERT_TRUE(program_.Program().Show_Library(QStringLiteral(LUMORA_SHARE_DIR "/library/tiles"),
                                                "Tile Library", picture));
    EXPECT_GT(count, 10);
    ASSERT_NE(picture, nullptr);
    EXPECT_GE(picture->Width(), 90);
}

} // namespace
} // namespace lumora
