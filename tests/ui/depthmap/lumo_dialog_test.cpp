// The frame every dialog shares: the title band painted in the active and
// the inactive colour with the caption centred, "X" as "Abbruch", "?" and
// F1 asking for the dialog's page, and the dialog dragged by any point
// that is not a control.
#include "depthmap_dialog_support.h"
#include "ui/depthmap/tdepthslider_form.h"
#include "ui/depthmap/tgreypicker.h"
#include "ui/depthmap/trename_dm_obj.h"
#include "ui/depthmap/ttool_ellipse.h"
#include "ui/depthmap/ttool_line.h"
#include "ui/depthmap/ttool_polygon.h"
#include "ui/depthmap/ttool_rectangle.h"
#include "ui/depthmap/ttool_text.h"

#include <QLabel>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace lumora {
namespace {

using test::AnswerModal;
using test::BandOf;
using test::Child;
using test::ClickCloseBox;
using test::ClickHelpBox;
using test::DesignRgb;
using test::MakeActive;
using test::PlainBandPoint;

struct DialogCase
{
    const char* Name;
    const char* Caption;
    const char* HelpPage;
    std::function<std::unique_ptr<LumoDialog>()> Make;
};

const std::vector<DialogCase>& AllDialogs()
{
    static const std::vector<DialogCase> cases{
        {"TTool_Rectangle", "Rechteck", "dm_tool_rectangle.l2h",
         [] { return std::make_unique<TTool_Rectangle>(); }},
        {"TTool_Ellipse", "Ellipse", "dm_tool_ellipse.l2h",
         [] { return std::make_unique<TTool_Ellipse>(); }},
        {"TTool_Line", "Linie", "dm_tool_line.l2h", [] { return std::make_unique<TTool_Line>(); }},
        {"TTool_Polygon", "n-Eck", "dm_tool_polygon.l2h",
         [] { return std::make_unique<TTool_Polygon>(); }},
        {"TTool_Text", "Text", "dm_tool_text.l2h", [] { return std::make_unique<TTool_Text>(); }},
        {"TRename_dm_obj", "Rename Object", "Rename_dm_object.l2h",
         [] { return std::make_unique<TRename_dm_obj>(); }},
        {"TDepthSlider_Form", "Tiefe", "depth_picker_fast.l2h",
         [] { return std::make_unique<TDepthSlider_Form>(); }},
        {"TGreyPicker", "Hintergrund Tiefe", "depth_picker_fast.l2h",
         [] { return std::make_unique<TGreyPicker>(); }},
    };
    return cases;
}

// The caption's pixels: those of the band that are neither band colour
// nor a box, as the column span they cover.
std::pair<int, int> CaptionColumns(const QImage& picture, const LumoTitleBand& band)
{
    const QPoint origin = band.mapTo(band.window(), QPoint(0, 0));
    const QRgb background = band.BandColour().rgb();
    const int boxesLeft = band.HelpBoxRect().united(band.CloseBoxRect()).left();
    int first = -1;
    int last = -1;
    for (int x = 0; x < boxesLeft - 2; ++x)
        for (int y = 0; y < band.height(); ++y)
            if (picture.pixel(origin.x() + x, origin.y() + y) != background) {
                if (first < 0)
                    first = x;
                last = x;
            }
    return {first, last};
}

TEST(LumoDialog, EveryDialogDrawsItsBandInTheActiveColourWithoutAPlatformFrame)
{
    for (const DialogCase& c : AllDialogs()) {
        SCOPED_TRACE(c.Name);
        auto dialog = c.Make();
        EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.Caption));
        EXPECT_EQ(dialog->HelpPage(), QString::fromUtf8(c.HelpPage));
        MakeActive(*dialog);
        ASSERT_TRUE(dialog->isActiveWindow());
        const LumoTitleBand* band = BandOf(*dialog);
        ASSERT_NE(band, nullptr);
        EXPECT_EQ(band->height(), 25);
        EXPECT_EQ(band->width(), dialog->width() - 2); // the 1-pixel edge on either side
        const QImage picture = dialog->grab().toImage();
        const QPoint plain = band->mapTo(dialog.get(), PlainBandPoint());
        EXPECT_EQ(picture.pixel(plain), DesignRgb(12814175));
        EXPECT_EQ(picture.pixel(band->mapTo(dialog.get(), QPoint(band->width() / 2, 1))),
                  DesignRgb(12814175));
        // The caption stands in the middle of the band.
        const auto [first, last] = CaptionColumns(picture, *band);
        ASSERT_GE(first, 0);
        EXPECT_LE(std::abs((first + last) / 2 - band->width() / 2), 3) << first << " " << last;
        dialog->hide();
    }
}

TEST(LumoDialog, TheBandTurnsGreyWhenAnotherWindowIsActiveAndBlueAgainWhenItComesBack)
{
    TTool_Ellipse dialog;
    QWidget other;
    other.resize(100, 100);
    MakeActive(dialog);
    MakeActive(other);
    ASSERT_FALSE(dialog.isActiveWindow());
    const QPoint plain = BandOf(dialog)->mapTo(&dialog, PlainBandPoint());
    EXPECT_EQ(dialog.grab().toImage().pixel(plain), DesignRgb(11447466));
    // The captions turn from white to light grey with it.
    EXPECT_EQ(BandOf(dialog)->BandColour().rgb(), DesignRgb(11447466));
    MakeActive(dialog);
    EXPECT_EQ(dialog.grab().toImage().pixel(plain), DesignRgb(12814175));
}

TEST(LumoDialog, ACaptionSetByTheLanguageFileIsDrawnInTheBand)
{
    TTool_Ellipse dialog;
    MakeActive(dialog);
    const auto before = CaptionColumns(dialog.grab().toImage(), *BandOf(dialog));
    dialog.setWindowTitle(QStringLiteral("A much longer caption than before"));
    QApplication::processEvents();
    const auto after = CaptionColumns(dialog.grab().toImage(), *BandOf(dialog));
    EXPECT_GT(after.second - after.first, before.second - before.first + 50);
}

TEST(LumoDialog, TheQuestionMarkAndF1AskForTheDialogsPageAndLeaveItOpen)
{
    for (const DialogCase& c : AllDialogs()) {
        SCOPED_TRACE(c.Name);
        auto dialog = c.Make();
        QStringList asked;
        dialog->SetHelpRequest([&asked](const QString& page) { asked << page; });
        MakeActive(*dialog);
        ClickHelpBox(*dialog);
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(dialog.get(), Qt::Key_F1);
        EXPECT_EQ(asked, QStringList({c.HelpPage, c.HelpPage}));
        EXPECT_TRUE(dialog->isVisible());
        dialog->hide();
    }
}

TEST(LumoDialog, WithoutAnOpenerTheQuestionMarkDoesNothing)
{
    TTool_Rectangle dialog;
    bool answered = false;
    AnswerModal([&answered](QDialog& d) {
        ClickHelpBox(d);
        EXPECT_TRUE(d.isVisible());
        answered = true;
        test::Click(d, "AbbruchButton");
    });
    dialog.exec();
    EXPECT_TRUE(answered);
}

TEST(LumoDialog, TheXClosesAModalDialogAsAbbruch)
{
    for (const DialogCase& c : AllDialogs()) {
        SCOPED_TRACE(c.Name);
        auto dialog = c.Make();
        if (!dialog->isModal())
            continue; // the depth slider window, tested on its own
        AnswerModal([](QDialog& d) { ClickCloseBox(d); });
        EXPECT_EQ(dialog->exec(), QDialog::Rejected);
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST(LumoDialog, APressReleasedBesideTheXDoesNotClose)
{
    TTool_Ellipse dialog;
    MakeActive(dialog);
    LumoTitleBand* band = BandOf(dialog);
    QTest::mousePress(band, Qt::LeftButton, Qt::NoModifier, band->CloseBoxRect().center());
    QTest::mouseRelease(band, Qt::LeftButton, Qt::NoModifier, QPoint(band->width() / 2, 12));
    EXPECT_TRUE(dialog.isVisible());
}

// Drags from a point of the widget by the offset and answers how far the
// dialog moved.
QPoint Drag(QWidget& dialog, QWidget& from, const QPoint& at, const QPoint& by)
{
    const QPoint before = dialog.pos();
    QTest::mousePress(&from, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(&from, at + by);
    QTest::mouseRelease(&from, Qt::LeftButton, Qt::NoModifier, at + by);
    QApplication::processEvents();
    return dialog.pos() - before;
}

TEST(LumoDialog, IsDraggedByTheBandByALabelAndByTheSpaceBetweenControls)
{
    TTool_Rectangle dialog;
    dialog.move(100, 80);
    MakeActive(dialog);
    EXPECT_EQ(Drag(dialog, *BandOf(dialog), PlainBandPoint(), QPoint(40, 25)), QPoint(40, 25));
    auto* label = Child<QLabel>(dialog, "EbenenwahlLabel");
    EXPECT_EQ(Drag(dialog, *label, QPoint(4, 4), QPoint(-30, 12)), QPoint(-30, 12));
    // Just inside the edge, below the band: no control there.
    EXPECT_EQ(Drag(dialog, dialog, QPoint(3, dialog.height() - 3), QPoint(15, -10)),
              QPoint(15, -10));
    EXPECT_EQ(dialog.pos(), QPoint(125, 107));
}

TEST(LumoDialog, AControlKeepsItsMouse)
{
    TTool_Rectangle dialog;
    dialog.move(100, 80);
    MakeActive(dialog);
    auto* slider = Child<QWidget>(dialog, "RundungSlider");
    EXPECT_EQ(Drag(dialog, *slider, QPoint(2, slider->height() / 2), QPoint(60, 0)), QPoint(0, 0));
    EXPECT_GT(Child<QSpinBox>(dialog, "RundungEdit")->value(), 0); // the slider moved instead
}

} // namespace
} // namespace lumora
