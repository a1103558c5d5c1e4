// The rename dialog, the depth slider window and the grey picker driven
// as a user does.
#include "app/language_texts.h"
#include "depthmap_dialog_support.h"
#include "ui/app/tmessage_form.h"
#include "ui/depthmap/tdepthslider_form.h"
#include "ui/depthmap/tgreypicker.h"
#include "ui/depthmap/trename_dm_obj.h"
#include "ui/widgets/lumo_grey_bar.h"
#include "ui/widgets/lumo_grey_field.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <optional>

namespace lumora {
namespace {

using test::AnswerModal;
using test::Child;
using test::Click;
using test::ClickCloseBox;
using test::MakeActive;
using test::TypeInto;

void TypeName(const QDialog& d, const QString& name)
{
    auto* field = Child<QLineEdit>(d, "NameEdit");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, name);
}

LanguageTexts EnglishRenameTexts()
{
    LanguageTexts texts;
    texts.Set("Message", "RenameObject1", "The name must not be empty.");
    texts.Set("Message", "RenameObject2", "Please enter a name.");
    return texts;
}

TEST(TRename_dm_obj, OpensWithTheNameSelectedAndHandsBackTheNewNameAsTyped)
{
    const struct
    {
        bool Group;
        const char* Caption;
        const char* HelpPage;
        const char* Typed;
    } cases[] = {
        {false, "Rename Object", "Rename_dm_object.l2h", "Baum"},
        {true, "Rename Group", "Rename_dm_group.l2h", "  Wald"}, // leading blanks stay
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Caption);
        TRename_dm_obj dialog;
        QStringList asked;
        dialog.SetHelpRequest([&asked](const QString& page) { asked << page; });
        AnswerModal([&c](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QString(c.Caption));
            auto* field = Child<QLineEdit>(d, "NameEdit");
            EXPECT_EQ(field->text(), QString("Rechteck"));
            EXPECT_EQ(field->selectedText(), QString("Rechteck"));
            EXPECT_TRUE(field->hasFocus());
            test::ClickHelpBox(d);
            QTest::keyClicks(field, c.Typed); // replaces the selected name
            Click(d, "OKButton");
        });
        const std::optional<QString> name =
            dialog.ShowRename_dm_object(QStringLiteral("Rechteck"), c.Group);
        ASSERT_TRUE(name.has_value());
        EXPECT_EQ(*name, QString(c.Typed));
        EXPECT_EQ(asked, QStringList{c.HelpPage});
    }
}

TEST(TRename_dm_obj, ReturnConfirmsAndAbbruchOrXHandBackNothing)
{
    TRename_dm_obj dialog;
    AnswerModal([](QDialog& d) {
        TypeName(d, "Neu");
        QTest::keyClick(Child<QLineEdit>(d, "NameEdit"), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.ShowRename_dm_object("Alt", false), std::optional<QString>("Neu"));
    AnswerModal([](QDialog& d) {
        TypeName(d, "Neu");
        Click(d, "AbbruchButton");
    });
    EXPECT_EQ(dialog.ShowRename_dm_object("Alt", false), std::nullopt);
    AnswerModal([](QDialog& d) {
        TypeName(d, "Neu");
        ClickCloseBox(d);
    });
    EXPECT_EQ(dialog.ShowRename_dm_object("Alt", true), std::nullopt);
}

TEST(TRename_dm_obj, ANameOfBlanksIsRefusedInTheMessageBoxWithTheTwoTextsAndTheDialogStaysOpen)
{
    const LanguageTexts texts = EnglishRenameTexts();
    for (const char* blanks : {"", "   "}) {
        SCOPED_TRACE(std::string("'") + blanks + "'");
        TRename_dm_obj dialog;
        dialog.SetTexts(&texts);
        QString refusal;
        AnswerModal([&](QDialog& d) {
            TypeName(d, blanks);
            if (QString(blanks).isEmpty())
                QTest::keyClick(Child<QLineEdit>(d, "NameEdit"), Qt::Key_Backspace);
            // The message box opens over the dialog; it is answered with OK.
            AnswerModal([&refusal](QDialog& message) {
                EXPECT_EQ(message.objectName(), QString("Message_Form"));
                refusal = static_cast<TMessage_Form&>(message).MessageText();
                Click(message, "Button_OK");
            });
            Click(d, "OKButton");
            EXPECT_TRUE(d.isVisible());
            QApplication::processEvents();
            EXPECT_TRUE(Child<QLineEdit>(d, "NameEdit")->hasFocus());
            TypeName(d, "Dach");
            Click(d, "OKButton");
        });
        EXPECT_EQ(dialog.ShowRename_dm_object("Haus", false), std::optional<QString>("Dach"));
        EXPECT_EQ(refusal, QString("The name must not be empty.\nPlease enter a name."));
    }
}

TEST(TRename_dm_obj, TheRefusalGoesToTheOpenersMessageBoxWhenItHasOne)
{
    const LanguageTexts texts = EnglishRenameTexts();
    TRename_dm_obj dialog;
    dialog.SetTexts(&texts);
    QStringList told;
    dialog.SetTell([&told](const QString& text) { told << text; });
    AnswerModal([](QDialog& d) {
        TypeName(d, "  ");
        Click(d, "OKButton");
        EXPECT_TRUE(d.isVisible());
        Click(d, "AbbruchButton");
    });
    EXPECT_EQ(dialog.ShowRename_dm_object("Haus", false), std::nullopt);
    EXPECT_EQ(told, QStringList{"The name must not be empty.\rPlease enter a name."});
}

TEST(TDepthSlider_Form, IsABorderlessToolWindowOnTop)
{
    TDepthSlider_Form form;
    EXPECT_FALSE(form.isModal());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.windowType(), Qt::Tool);
}

TEST(TDepthSlider_Form, ShowsTheBarAndFieldOnlyForAnObjectWithADepth)
{
    TDepthSlider_Form form;
    MakeActive(form);
    auto* bar = Child<LumoGreyBar>(form, "DepthBar");
    auto* field = Child<QSpinBox>(form, "DepthEdit");
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(field->isVisible());
    const QSize empty = form.size();
    form.ShowDepth(77);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(field->isVisible());
    EXPECT_EQ(bar->value(), 77);
    EXPECT_EQ(field->value(), 77);
    EXPECT_EQ(form.size(), empty); // the window keeps its size
    form.ShowDepth(std::nullopt);
    EXPECT_FALSE(form.DepthShown());
}

TEST(TDepthSlider_Form, LettingGoOfTheBarOrReturnInTheFieldChoosesTheDepth)
{
    TDepthSlider_Form form;
    std::vector<int> chosen;
    form.SetOnDepthChosen([&chosen](uint8_t depth) { chosen.push_back(depth); });
    MakeActive(form);
    form.ShowDepth(10);
    auto* bar = Child<LumoGreyBar>(form, "DepthBar");
    const int y = bar->height() / 2;
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->PositionOf(50), y));
    QTest::mouseMove(bar, QPoint(bar->PositionOf(180), y));
    EXPECT_TRUE(chosen.empty()); // only when the bar is let go
    EXPECT_EQ(Child<QSpinBox>(form, "DepthEdit")->value(), 180);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->PositionOf(200), y));
    EXPECT_EQ(chosen, std::vector<int>{200});

    TypeInto(form, "DepthEdit", "33");
    EXPECT_EQ(chosen.size(), 1u); // typing alone chooses nothing
    QTest::keyClick(Child<QSpinBox>(form, "DepthEdit"), Qt::Key_Return);
    EXPECT_EQ(chosen, (std::vector<int>{200, 33}));
    EXPECT_EQ(bar->value(), 33);
    EXPECT_TRUE(form.isVisible()); // Return does not close the window
}

TEST(TDepthSlider_Form, TheXAndEscapeCloseTheWindowAndReleaseTheButton)
{
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "X");
        TDepthSlider_Form form;
        int closed = 0;
        form.SetOnClosed([&closed] { ++closed; });
        MakeActive(form);
        if (escape)
            QTest::keyClick(&form, Qt::Key_Escape);
        else
            ClickCloseBox(form);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(closed, 1);
    }
}

TEST(TGreyPicker, StartsAtTheGivenDepthAndAnswersTheChosenOne)
{
    TGreyPicker picker;
    AnswerModal([&picker](QDialog& d) {
        EXPECT_EQ(Child<QSpinBox>(d, "GreyEdit")->value(), 40);
        EXPECT_EQ(Child<LumoGreyBar>(d, "GreyBar")->value(), 40);
        EXPECT_EQ(picker.Swatch()->palette().color(QPalette::Window), QColor(40, 40, 40));
        TypeInto(d, "GreyEdit", "128");
        EXPECT_EQ(Child<LumoGreyBar>(d, "GreyBar")->value(), 128);
        EXPECT_EQ(picker.Swatch()->palette().color(QPalette::Window), QColor(128, 128, 128));
        Click(d, "OKButton");
    });
    EXPECT_EQ(picker.Execute(40), std::optional<uint8_t>(128));
}

TEST(TGreyPicker, ReturnInTheFieldTakesTheTypedGrey)
{
    TGreyPicker picker;
    AnswerModal([](QDialog& d) {
        TypeInto(d, "GreyEdit", "77");
        QTest::keyClick(Child<QSpinBox>(d, "GreyEdit"), Qt::Key_Return);
    });
    EXPECT_EQ(picker.Execute(3), std::optional<uint8_t>(77));
}

TEST(TGreyPicker, TheEndsOfTheRampAreBlackAndWhite)
{
    TGreyPicker picker;
    AnswerModal([](QDialog& d) {
        auto* bar = Child<LumoGreyBar>(d, "GreyBar");
        const QImage ramp = bar->grab().toImage();
        const int y = bar->height() / 4;
        EXPECT_EQ(qGray(ramp.pixel(bar->PositionOf(0), y)), 0);
        EXPECT_EQ(qGray(ramp.pixel(bar->PositionOf(255), y)), 255);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() - 1, y));
        EXPECT_EQ(Child<QSpinBox>(d, "GreyEdit")->value(), 255);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(0, y));
        EXPECT_EQ(Child<QSpinBox>(d, "GreyEdit")->value(), 0);
        QTest::keyClick(bar, Qt::Key_Right);
        EXPECT_EQ(Child<QSpinBox>(d, "GreyEdit")->value(), 1);
        Click(d, "OKButton");
    });
    EXPECT_EQ(picker.Execute(90), std::optional<uint8_t>(1));
}

TEST(TGreyPicker, AbbruchTheXAndEscapeAnswerNothing)
{
    const std::function<void(QDialog&)> ways[] = {
        [](QDialog& d) { Click(d, "AbbruchButton"); },
        [](QDialog& d) { ClickCloseBox(d); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
    };
    for (const auto& leave : ways) {
        TGreyPicker picker;
        AnswerModal([&leave](QDialog& d) {
            TypeInto(d, "GreyEdit", "9");
            leave(d);
        });
        EXPECT_EQ(picker.Execute(200), std::nullopt);
    }
}

} // namespace
} // namespace lumora
