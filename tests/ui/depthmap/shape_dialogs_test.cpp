// The five shape dialogs driven as a user does: opened for a new object
// they show its defaults and "OK" hands the object back; opened on an
// object they show its values and "OK" writes the edits back; "Abbruch",
// the band's "X" and Escape leave the object's record byte for byte.
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_polygon.h"
#include "depthmap/tool_dm_rectangle.h"
#include "depthmap/tool_dm_text.h"
#include "depthmap_dialog_support.h"
#include "ui/depthmap/shape_preview.h"
#include "ui/depthmap/ttool_ellipse.h"
#include "ui/depthmap/ttool_line.h"
#include "ui/depthmap/ttool_polygon.h"
#include "ui/depthmap/ttool_rectangle.h"
#include "ui/depthmap/ttool_text.h"
#include "ui/widgets/lumo_grey_bar.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace lumora {
namespace {

using test::AnswerModal;
using test::Child;
using test::Click;
using test::ClickCloseBox;
using test::RecordBytes;
using test::TypeInto;

int Shown(const QDialog& d, const char* name)
{
    const auto* field = Child<QSpinBox>(d, name);
    return field ? field->value() : -1;
}

bool Checked(const QDialog& d, const char* name)
{
    const auto* button = Child<QAbstractButton>(d, name);
    return button && button->isChecked();
}

const IntRect kRect{40, 30, 200, 100};

void ExpectRect(const Tool_dm& object, const IntRect& rect)
{
    EXPECT_EQ(object.Left, rect.Left);
    EXPECT_EQ(object.Top, rect.Top);
    EXPECT_EQ(object.Width, rect.Width);
    EXPECT_EQ(object.Height, rect.Height);
    EXPECT_EQ(object.Id, 0);
    EXPECT_TRUE(object.Name.isEmpty());
}

// The five dialogs under one roof: each opens new, opens on an object, has
// every control changed by the user, and says what the controls show.
struct ShapeCase
{
    const char* Name;
    std::function<std::unique_ptr<ShapeDialog>()> MakeDialog;
    // An object with values different from every default.
    std::function<std::unique_ptr<Tool_dm>()> MakeEdited;
    std::function<bool(ShapeDialog&, Tool_dm&)> Edit;
    std::function<void(QDialog&)> ChangeEveryControl;
};

std::unique_ptr<Tool_dm> EditedRectangle()
{
    auto r = std::make_unique<Tool_dm_Rectangle>(7, 10, 20, 300, 150);
    r->Name = QStringLiteral("Kiste");
    r->Depth = 90;
    r->Rounding = 35;
    r->Invert = true;
    return r;
}

std::unique_ptr<Tool_dm> EditedEllipse()
{
    auto e = std::make_unique<Tool_dm_Ellipse>(8, 5, 6, 70, 80);
    e->Depth = 12;
    e->MirrorV = true;
    return e;
}

std::unique_ptr<Tool_dm> EditedLine()
{
    auto l = std::make_unique<Tool_dm_line>(9, 0, 0, 120, 40, 3, 1);
    l->Depth = 33;
    l->Thickness = 14;
    l->CapStyle = 1;
    return l;
}

std::unique_ptr<Tool_dm> EditedPolygon()
{
    auto p = std::make_unique<Tool_dm_polygon>(10, 50, 50, 90, 90);
    p->Depth = 200;
    p->Corners = 8;
    p->Rotation = 45;
    return p;
}

std::unique_ptr<Tool_dm> EditedText(const QString& face)
{
    auto t = std::make_unique<Tool_dm_Text>(11, 1, 2, 240, 60, QStringLiteral("Hallo"));
    t->Depth = 140;
    t->FontName = face;
    t->Bold = true;
    t->StrikeOut = true;
    return t;
}

// Two installed faces known to every test machine.
const QStringList kFonts{QStringLiteral("Arial"), QStringLiteral("Beta Sans"),
                         QStringLiteral("Gamma Serif")};

std::unique_ptr<ShapeDialog> TextDialog()
{
    auto dialog = std::make_unique<TTool_Text>();
    dialog->SetInstalledFonts(kFonts);
    return dialog;
}

template <typename Object, typename Dialog> bool EditAs(ShapeDialog& dialog, Tool_dm& object)
{
    return static_cast<Dialog&>(dialog).Execute(static_cast<Object&>(object));
}

const std::vector<ShapeCase>& ShapeCases()
{
    static const std::vector<ShapeCase> cases{
        {"TTool_Rectangle", [] { return std::make_unique<TTool_Rectangle>(); }, EditedRectangle,
         EditAs<Tool_dm_Rectangle, TTool_Rectangle>,
         [](QDialog& d) {
             TypeInto(d, "DepthEdit", "3");
             TypeInto(d, "RundungEdit", "99");
         }},
        {"TTool_Ellipse", [] { return std::make_unique<TTool_Ellipse>(); }, EditedEllipse,
         EditAs<Tool_dm_Ellipse, TTool_Ellipse>, [](QDialog& d) { TypeInto(d, "DepthEdit", "4"); }},
        {"TTool_Line", [] { return std::make_unique<TTool_Line>(); }, EditedLine,
         EditAs<Tool_dm_line, TTool_Line>,
         [](QDialog& d) {
             TypeInto(d, "DepthEdit", "5");
             TypeInto(d, "DickeEdit", "77");
             Click(d, "RundButton");
         }},
        {"TTool_Polygon", [] { return std::make_unique<TTool_Polygon>(); }, EditedPolygon,
         EditAs<Tool_dm_polygon, TTool_Polygon>,
         [](QDialog& d) {
             TypeInto(d, "DepthEdit", "6");
             TypeInto(d, "EckenEdit", "3");
             TypeInto(d, "WinkelEdit", "270");
         }},
        {"TTool_Text", TextDialog, [] { return EditedText(QStringLiteral("Gamma Serif")); },
         EditAs<Tool_dm_Text, TTool_Text>,
         [](QDialog& d) {
             TypeInto(d, "DepthEdit", "7");
             auto* text = Child<QLineEdit>(d, "TextEdit");
             text->setFocus();
             text->selectAll();
             QTest::keyClicks(text, "Anders");
             auto* fonts = Child<QListWidget>(d, "SchriftartList");
             fonts->setFocus();
             QTest::keyClick(fonts, Qt::Key_Home);
             for (const char* box :
                  {"FettCheck", "KursivCheck", "UnterstrichenCheck", "DurchgestrichenCheck"})
                 Click(d, box);
         }},
    };
    return cases;
}

TEST(ShapeDialogs, AbbruchTheXAndEscapeLeaveTheObjectByteForByte)
{
    const struct
    {
        const char* Name;
        std::function<void(QDialog&)> Leave;
    } ways[] = {
        {"Abbruch", [](QDialog& d) { Click(d, "AbbruchButton"); }},
        {"X", [](QDialog& d) { ClickCloseBox(d); }},
        {"Escape", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const ShapeCase& c : ShapeCases())
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(c.Name) + " " + way.Name);
            auto dialog = c.MakeDialog();
            auto object = c.MakeEdited();
            const auto before = RecordBytes(*object);
            AnswerModal([&](QDialog& d) {
                c.ChangeEveryControl(d);
                way.Leave(d);
            });
            EXPECT_FALSE(c.Edit(*dialog, *object));
            EXPECT_EQ(RecordBytes(*object), before);
        }
}

TEST(ShapeDialogs, OkWithNothingTouchedLeavesTheObjectByteForByte)
{
    for (const ShapeCase& c : ShapeCases()) {
        SCOPED_TRACE(c.Name);
        auto dialog = c.MakeDialog();
        auto object = c.MakeEdited();
        const auto before = RecordBytes(*object);
        AnswerModal([](QDialog& d) { Click(d, "OKButton"); });
        EXPECT_TRUE(c.Edit(*dialog, *object));
        EXPECT_EQ(RecordBytes(*object), before);
    }
}

TEST(ShapeDialogs, TheDepthIsChosenOnTheGreyBarOrTypedAndFollowsBothWays)
{
    TTool_Ellipse dialog;
    Tool_dm_Ellipse ellipse(1, 0, 0, 10, 10);
    AnswerModal([](QDialog& d) {
        auto* bar = Child<LumoGreyBar>(d, "DepthBar");
        EXPECT_EQ(bar->value(), 255);
        const int x = bar->PositionOf(64);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(x, bar->height() / 2));
        EXPECT_EQ(bar->value(), 64);
        EXPECT_EQ(Shown(d, "DepthEdit"), 64);
        TypeInto(d, "DepthEdit", "300"); // the field holds 0..255
        EXPECT_LE(Shown(d, "DepthEdit"), 255);
        TypeInto(d, "DepthEdit", "128");
        EXPECT_EQ(bar->value(), 128);
        Click(d, "OKButton");
    });
    EXPECT_TRUE(dialog.Execute(ellipse));
    EXPECT_EQ(ellipse.Depth, 128);
}

TEST(ShapeDialogs, ReturnInAFieldConfirmsTheDialogWithWhatIsTyped)
{
    TTool_Rectangle dialog;
    Tool_dm_Rectangle rectangle(1, 0, 0, 50, 50);
    AnswerModal([](QDialog& d) {
        TypeInto(d, "RundungEdit", "42");
        QTest::keyClick(Child<QSpinBox>(d, "RundungEdit"), Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.Execute(rectangle));
    EXPECT_EQ(rectangle.Rounding, 42);

    TTool_Ellipse ellipse;
    Tool_dm_Ellipse object(1, 0, 0, 50, 50);
    AnswerModal([](QDialog& d) {
        TypeInto(d, "DepthEdit", "9");
        QTest::keyClick(Child<QSpinBox>(d, "DepthEdit"), Qt::Key_Return);
    });
    EXPECT_TRUE(ellipse.Execute(object));
    EXPECT_EQ(object.Depth, 9);
}

TEST(TTool_Rectangle, NewShowsTheDefaultsAndOkHandsBackTheRectangle)
{
    TTool_Rectangle dialog;
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Rechteck"));
        EXPECT_EQ(Shown(d, "DepthEdit"), 255);
        EXPECT_EQ(Shown(d, "RundungEdit"), 0);
        EXPECT_EQ(Child<QSlider>(d, "RundungSlider")->maximum(), 100);
        TypeInto(d, "RundungEdit", "30");
        EXPECT_EQ(Child<QSlider>(d, "RundungSlider")->value(), 30);
        TypeInto(d, "DepthEdit", "100");
        Click(d, "OKButton");
    });
    const auto rectangle = dialog.ExecuteNew(kRect);
    ASSERT_NE(rectangle, nullptr);
    ExpectRect(*rectangle, kRect);
    EXPECT_EQ(rectangle->Rounding, 30);
    EXPECT_EQ(rectangle->Depth, 100);
    EXPECT_EQ(rectangle->Kind, 1);
}

TEST(TTool_Rectangle, ShowsTheRectanglesValuesAndOkWritesTheEdits)
{
    TTool_Rectangle dialog;
    auto object = EditedRectangle();
    auto& rectangle = static_cast<Tool_dm_Rectangle&>(*object);
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(Shown(d, "DepthEdit"), 90);
        EXPECT_EQ(Shown(d, "RundungEdit"), 35);
        EXPECT_EQ(Child<QSlider>(d, "RundungSlider")->value(), 35);
        auto* slider = Child<QSlider>(d, "RundungSlider");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_End);
        EXPECT_EQ(Shown(d, "RundungEdit"), 100);
        Click(d, "OKButton");
    });
    EXPECT_TRUE(dialog.Execute(rectangle));
    EXPECT_EQ(rectangle.Rounding, 100);
    EXPECT_EQ(rectangle.Depth, 90);
    EXPECT_TRUE(rectangle.Invert); // what the dialog does not show stays
    EXPECT_EQ(rectangle.Name, QString("Kiste"));
}

TEST(TTool_Ellipse, NewShowsDepth255AndOkHandsBackTheEllipse)
{
    TTool_Ellipse dialog;
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Ellipse"));
        EXPECT_EQ(Shown(d, "DepthEdit"), 255);
        TypeInto(d, "DepthEdit", "17");
        Click(d, "OKButton");
    });
    const auto ellipse = dialog.ExecuteNew(kRect);
    ASSERT_NE(ellipse, nullptr);
    ExpectRect(*ellipse, kRect);
    EXPECT_EQ(ellipse->Depth, 17);
    EXPECT_EQ(ellipse->Kind, 2);
}

TEST(TTool_Ellipse, ShowsTheEllipsesDepth)
{
    TTool_Ellipse dialog;
    auto ellipse = EditedEllipse();
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(Shown(d, "DepthEdit"), 12);
        EXPECT_EQ(Child<LumoGreyBar>(d, "DepthBar")->value(), 12);
        Click(d, "AbbruchButton");
    });
    EXPECT_FALSE(dialog.Execute(static_cast<Tool_dm_Ellipse&>(*ellipse)));
}

TEST(TTool_Line, NewShowsTheDefaultsAndOkHandsBackTheLineWithItsDragDirections)
{
    TTool_Line dialog;
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Linie"));
        EXPECT_EQ(Shown(d, "DepthEdit"), 255);
        EXPECT_EQ(Shown(d, "DickeEdit"), 2);
        EXPECT_EQ(Child<QSpinBox>(d, "DickeEdit")->maximum(), 100000);
        EXPECT_EQ(Child<QSpinBox>(d, "DickeEdit")->minimum(), 1);
        EXPECT_TRUE(Checked(d, "RundButton"));
        EXPECT_FALSE(Checked(d, "EckigButton"));
        TypeInto(d, "DickeEdit", "12");
        Click(d, "EckigButton");
        EXPECT_FALSE(Checked(d, "RundButton")); // the two are exclusive
        Click(d, "OKButton");
    });
    const auto line = dialog.ExecuteNew(kRect, 3, 1);
    ASSERT_NE(line, nullptr);
    ExpectRect(*line, kRect);
    EXPECT_EQ(line->Thickness, 12);
    EXPECT_EQ(line->CapStyle, 1);
    EXPECT_EQ(line->DirX, 3);
    EXPECT_EQ(line->DirY, 1);
    EXPECT_EQ(line->Depth, 255);
}

TEST(TTool_Line, ShowsTheLinesValuesAndKeepsAnEndStyleItHasNoButtonFor)
{
    TTool_Line dialog;
    auto object = EditedLine();
    auto& line = static_cast<Tool_dm_line&>(*object);
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(Shown(d, "DepthEdit"), 33);
        EXPECT_EQ(Shown(d, "DickeEdit"), 14);
        EXPECT_TRUE(Checked(d, "EckigButton"));
        EXPECT_FALSE(Checked(d, "RundButton"));
        Click(d, "AbbruchButton");
    });
    EXPECT_FALSE(dialog.Execute(line));

    line.CapStyle = 7; // as a file may hold it
    AnswerModal([](QDialog& d) {
        EXPECT_FALSE(Checked(d, "EckigButton"));
        EXPECT_FALSE(Checked(d, "RundButton"));
        TypeInto(d, "DickeEdit", "3");
        Click(d, "OKButton");
    });
    EXPECT_TRUE(dialog.Execute(line));
    EXPECT_EQ(line.CapStyle, 7);
    EXPECT_EQ(line.Thickness, 3);
}

TEST(TTool_Polygon, NewShowsTheDefaultsAndOkHandsBackThePolygon)
{
    TTool_Polygon dialog;
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("n-Eck"));
        EXPECT_EQ(Shown(d, "DepthEdit"), 255);
        EXPECT_EQ(Shown(d, "EckenEdit"), 5);
        EXPECT_EQ(Shown(d, "WinkelEdit"), 0);
        EXPECT_EQ(Child<QSlider>(d, "EckenSlider")->minimum(), 3);
        EXPECT_EQ(Child<QSlider>(d, "EckenSlider")->maximum(), 20);
        EXPECT_EQ(Child<QSlider>(d, "WinkelSlider")->maximum(), 360);
        TypeInto(d, "EckenEdit", "7");
        TypeInto(d, "WinkelEdit", "45");
        Click(d, "OKButton");
    });
    const auto polygon = dialog.ExecuteNew(kRect);
    ASSERT_NE(polygon, nullptr);
    ExpectRect(*polygon, kRect);
    EXPECT_EQ(polygon->Corners, 7);
    EXPECT_EQ(polygon->Rotation, 45);
}

TEST(TTool_Polygon, ShowsThePolygonsValues)
{
    TTool_Polygon dialog;
    auto object = EditedPolygon();
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(Shown(d, "DepthEdit"), 200);
        EXPECT_EQ(Shown(d, "EckenEdit"), 8);
        EXPECT_EQ(Child<QSlider>(d, "EckenSlider")->value(), 8);
        EXPECT_EQ(Shown(d, "WinkelEdit"), 45);
        Click(d, "AbbruchButton");
    });
    EXPECT_FALSE(dialog.Execute(static_cast<Tool_dm_polygon&>(*object)));
}

// The preview's grey at a point given in fractions of the drawn shape.
int PreviewGrey(const TTool_Polygon& dialog, double fx, double fy)
{
    const QImage& picture = dialog.Preview()->Picture();
    return qGray(picture.pixel(int(fx * (picture.width() - 1)), int(fy * (picture.height() - 1))));
}

TEST(TTool_Polygon, ThePreviewFollowsTheCornersAndTheRotation)
{
    TTool_Polygon dialog;
    Tool_dm_polygon triangle(1, 0, 0, 100, 100);
    triangle.Corners = 3;
    AnswerModal([&dialog](QDialog& d) {
        // A triangle with its point up: the bottom corners are empty,
        // the middle of the bottom edge is not.
        EXPECT_EQ(PreviewGrey(dialog, 0.5, 0.3), 255);
        EXPECT_EQ(PreviewGrey(dialog, 0.5, 0.9), 0);
        EXPECT_EQ(PreviewGrey(dialog, 0.5, 0.72), 255);
        TypeInto(d, "WinkelEdit", "180"); // point down
        EXPECT_EQ(PreviewGrey(dialog, 0.5, 0.1), 0);
        EXPECT_EQ(PreviewGrey(dialog, 0.5, 0.7), 255);
        TypeInto(d, "EckenEdit", "20"); // nearly a circle
        EXPECT_EQ(PreviewGrey(dialog, 0.5, 0.1), 255);
        // The box shows the preview picture.
        const QImage shown = dialog.Preview()->grab().toImage();
        const QPoint origin = dialog.Preview()->PictureOrigin();
        const QImage& picture = dialog.Preview()->Picture();
        const QPoint centre(picture.width() / 2, picture.height() / 2);
        EXPECT_EQ(qGray(shown.pixel(origin + centre)), 255);
        EXPECT_EQ(qGray(shown.pixel(origin + QPoint(1, 1))), 0);
        Click(d, "AbbruchButton");
    });
    EXPECT_FALSE(dialog.Execute(triangle));
}

TEST(TTool_Polygon, ThePreviewKeepsTheObjectsProportions)
{
    TTool_Polygon dialog;
    Tool_dm_polygon wide(1, 0, 0, 400, 100);
    AnswerModal([&dialog](QDialog& d) {
        const QImage& picture = dialog.Preview()->Picture();
        EXPECT_GT(picture.width(), 3 * picture.height() - 20);
        Click(d, "AbbruchButton");
    });
    dialog.Execute(wide);
}

} // namespace
} // namespace lumora
