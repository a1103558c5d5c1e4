// The new-project dialog driven by keyboard and mouse: the aspect presets,
// the recomputation from the field entered last, and what "OK" and
// "Abbruch" leave in the model.
#include "dialog_test_support.h"
#include "ui/project/tneuesproj.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::AnswerModal;
using test::Child;
using test::ChooseByKeyboard;
using test::Click;
using test::TypeInto;

int Shown(const QDialog& d, const char* name)
{
    const auto* field = Child<QSpinBox>(d, name);
    return field ? field->value() : -1;
}

NewProjectDialogModel ModelWithPreset(int preset)
{
    NewProjectDialogModel model;
    model.Preset = preset;
    model.SettingsLoaded();
    return model;
}

bool SameFields(const NewProjectDialogModel& a, const NewProjectDialogModel& b)
{
    return a.Width == b.Width && a.Height == b.Height && a.Preset == b.Preset &&
           a.Aspect1 == b.Aspect1 && a.Aspect2 == b.Aspect2 && a.LastEntered == b.LastEntered;
}

TEST(TNeuesProj, TypingTheWidthRecomputesTheHeightUnderAFixedPreset)
{
    const struct
    {
        const char* Width;
        int Height;
    } cases[] = {{"600", 450}, {"601", 451}, {"14", 10}, {"10", 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Width);
        NewProjectDialogModel model = ModelWithPreset(2); // Standard PC (4:3)
        TNeuesProj dialog;
        AnswerModal([&c](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QString("Neues Projekt"));
            EXPECT_FALSE(Child<QWidget>(d, "Aspect1Edit")->isEnabled());
            TypeInto(d, "BreiteEdit", c.Width);
            EXPECT_EQ(Shown(d, "HoeheEdit"), c.Height);
            Click(d, "OKButton");
        });
        EXPECT_TRUE(dialog.Execute(model));
        EXPECT_EQ(model.Width, QString(c.Width).toInt());
        EXPECT_EQ(model.Height, c.Height);
    }
}

TEST(TNeuesProj, TypingTheHeightAfterEnteringItRecomputesTheWidth)
{
    NewProjectDialogModel model = ModelWithPreset(10); // 16:9
    TNeuesProj dialog;
    AnswerModal([](QDialog& d) {
        auto* height = Child<QSpinBox>(d, "HoeheEdit");
        QTest::mouseClick(height, Qt::LeftButton); // the height is now the last-entered field
        TypeInto(*height, "720");
        EXPECT_EQ(Shown(d, "BreiteEdit"), 1280);
        Click(d, "OKButton");
    });
    EXPECT_TRUE(dialog.Execute(model));
    EXPECT_EQ(model.Width, 1280);
    EXPECT_EQ(model.Height, 720);
    EXPECT_EQ(model.LastEntered, NewProjectDialogModel::Field::Width); // OK resets it
}

TEST(TNeuesProj, NoneHidesTheRatioAndStopsTheLink)
{
    NewProjectDialogModel model = ModelWithPreset(2);
    TNeuesProj dialog;
    AnswerModal([](QDialog& d) {
        auto* list = Child<QComboBox>(d, "SeitenverhaeltnisList");
        ChooseByKeyboard(*list, 0);
        EXPECT_EQ(list->currentText(), QString("None"));
        for (const char* name : {"Aspect1Edit", "AspectColonLabel", "Aspect2Edit"})
            EXPECT_FALSE(Child<QWidget>(d, name)->isVisible()) << name;
        TypeInto(d, "BreiteEdit", "1000");
        EXPECT_EQ(Shown(d, "HoeheEdit"), 450);
        Click(d, "OKButton");
    });
    EXPECT_TRUE(dialog.Execute(model));
    EXPECT_EQ(model.Preset, 0);
    EXPECT_EQ(model.Width, 1000);
    EXPECT_EQ(model.Height, 450);
}

TEST(TNeuesProj, CustomEnablesTheRatioWhichCountsWhenItsFieldIsLeft)
{
    NewProjectDialogModel model = ModelWithPreset(0);
    TNeuesProj dialog;
    AnswerModal([](QDialog& d) {
        ChooseByKeyboard(*Child<QComboBox>(d, "SeitenverhaeltnisList"), 1); // Custom
        auto* aspect1 = Child<QSpinBox>(d, "Aspect1Edit");
        auto* aspect2 = Child<QSpinBox>(d, "Aspect2Edit");
        EXPECT_TRUE(aspect1->isVisible());
        EXPECT_TRUE(aspect1->isEnabled());
        QTest::mouseClick(aspect1, Qt::LeftButton);
        TypeInto(*aspect1, "2");
        QTest::mouseClick(aspect2, Qt::LeftButton); // leaving the first field
        TypeInto(*aspect2, "1");
        QTest::mouseClick(Child<QSpinBox>(d, "BreiteEdit"), Qt::LeftButton);
        EXPECT_EQ(Shown(d, "HoeheEdit"), 300); // 600 at 2 : 1
        Click(d, "OKButton");
    });
    EXPECT_TRUE(dialog.Execute(model));
    EXPECT_EQ(model.Preset, 1);
    EXPECT_EQ(model.Aspect1, 2);
    EXPECT_EQ(model.Aspect2, 1);
    EXPECT_EQ(model.Height, 300);
}

TEST(TNeuesProj, AbbruchAndTheCloseButtonLeaveTheModelAsItWas)
{
    const struct
    {
        const char* Name;
        std::function<void(QDialog&)> Leave;
    } ways[] = {
        {"Abbruch", [](QDialog& d) { Click(d, "AbbruchButton"); }},
        {"title-bar X", [](QDialog& d) { d.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.Name);
        NewProjectDialogModel model = ModelWithPreset(2);
        model.LastEntered = NewProjectDialogModel::Field::Height;
        const NewProjectDialogModel before = model;
        TNeuesProj dialog;
        AnswerModal([&way](QDialog& d) {
            TypeInto(d, "BreiteEdit", "800");
            ChooseByKeyboard(*Child<QComboBox>(d, "SeitenverhaeltnisList"), 10);
            way.Leave(d);
        });
        EXPECT_FALSE(dialog.Execute(model));
        EXPECT_TRUE(SameFields(model, before));
    }
}

TEST(TNeuesProj, ShowsTheModelItIsOpenedOn)
{
    NewProjectDialogModel model;
    model.Width = 1024;
    model.Height = 768;
    model.Preset = 1;
    model.Aspect1 = 7;
    model.Aspect2 = 5;
    TNeuesProj dialog;
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(Shown(d, "BreiteEdit"), 1024);
        EXPECT_EQ(Shown(d, "HoeheEdit"), 768);
        EXPECT_EQ(Shown(d, "Aspect1Edit"), 7);
        EXPECT_EQ(Shown(d, "Aspect2Edit"), 5);
        EXPECT_EQ(Child<QComboBox>(d, "SeitenverhaeltnisList")->count(), 18);
        Click(d, "AbbruchButton");
    });
    EXPECT_FALSE(dialog.Execute(model));
}

} // namespace
} // namespace lumora
