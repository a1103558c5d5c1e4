// The render options dialog driven by keyboard and mouse: every rule is the
// model's, so these tests check that the widgets hand the user's edits to it
// and show what it answers, and what "OK" and "Abbruch" do to the project.
#include "dialog_test_support.h"
#include "project/project.h"
#include "tilemap/tile_tm.h"
#include "ui/rendering/trender_opt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace lumora {
namespace {

using test::AnswerModal;
using test::Child;
using test::ChooseByKeyboard;
using test::Click;
using test::TypeInto;

// A tile object that remembers the tile widths handed to it.
class RecordingTile : public Tile_tm
{
public:
    explicit RecordingTile(std::vector<int32_t>& widths) : Tile_tm(1, 20), widths_(&widths) {}
    void SetTileWidth(int32_t width) override { widths_->push_back(width); }
    std::unique_ptr<Tile_tm> Clone() const override { return CloneAs(*this); }

private:
    std::vector<int32_t>* widths_;
};

double ShownValue(const QDialog& d, const char* name)
{
    const auto* field = Child<QAbstractSpinBox>(d, name);
    if (field == nullptr)
        return -1;
    if (const auto* spin = qobject_cast<const QSpinBox*>(field))
        return spin->value();
    return qobject_cast<const QDoubleSpinBox*>(field)->value();
}

QString ShownText(const QDialog& d, const char* name)
{
    const auto* field = Child<QAbstractSpinBox>(d, name);
    return field ? field->text() : QString();
}

// Opens the dialog on the project, lets edit act on it and leaves it with
// the button named last; answers what Execute answered.
bool RunDialog(Project& project, std::function<void(QDialog&)> edit,
               const char* button = "OKButton")
{
    TRender_opt dialog;
    AnswerModal([&edit, button](QDialog& d) {
        edit(d);
        Click(d, button);
    });
    return dialog.Execute(project);
}

TEST(TRender_opt, ShowsTheStoredOptions)
{
    Project project;
    project.Options.RenderOptions_RenderWidth = 800;
    project.Options.RenderOptions_RenderDPI = 300;
    project.Options.RenderOptions_Settings_quality = 4;
    project.Options.RenderOptions_Settings_renderdirection = 4;
    project.Options.RenderOptions_Settings_customrenderdirection = 250;
    TRender_opt dialog;
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Render Einstellungen"));
        EXPECT_EQ(ShownValue(d, "BreiteEdit"), 800);
        EXPECT_EQ(ShownValue(d, "AufloesungEdit"), 300);
        EXPECT_EQ(ShownValue(d, "TilewidthEdit"), 375); // 300 dpi at 14/14 inches
        EXPECT_EQ(Child<QComboBox>(d, "QualitaetList")->currentText(), QString("Best"));
        EXPECT_TRUE(Child<QAbstractButton>(d, "CustomRadio")->isChecked());
        EXPECT_TRUE(Child<QWidget>(d, "StartRenderingSlider")->isVisible());
        EXPECT_EQ(ShownValue(d, "StartRenderingEdit"), 250);
        Click(d, "AbbruchButton");
    });
    EXPECT_FALSE(dialog.Execute(project));
}

TEST(TRender_opt, SelectingTheSeparatorSelectsDraft)
{
    Project project;
    project.Options.RenderOptions_Settings_quality = 4; // "Best", just above the separator
    const bool ok = RunDialog(project, [](QDialog& d) {
        auto* list = Child<QComboBox>(d, "QualitaetList");
        QTest::keyClick(list, Qt::Key_Down); // onto "-"
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_EQ(list->currentText(), QString("Draft"));
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(project.Options.RenderOptions_Settings_quality, 0);
}

TEST(TRender_opt, SwitchingTheWidthUnitShowsTheSameWidthInTheNewUnit)
{
    Project project; // 600 pixels at 72 dpi
    RunDialog(project, [](QDialog& d) {
        auto* unit = Child<QComboBox>(d, "BreiteUnit");
        ChooseByKeyboard(*unit, 1); // Inch
        EXPECT_EQ(unit->currentText(), QString("Inch"));
        EXPECT_NEAR(ShownValue(d, "BreiteEdit"), 8.333, 1e-9);
        EXPECT_EQ(ShownText(d, "BreiteEdit"), QLocale().toString(8.333, 'f', 3));
        ChooseByKeyboard(*unit, 0); // back to Pixel: the remembered 600, not 8.333 inches
        EXPECT_EQ(ShownText(d, "BreiteEdit"), QString("600"));
        ChooseByKeyboard(*unit, 2); // cm
        EXPECT_EQ(ShownText(d, "BreiteEdit"), QLocale().toString(21.167, 'f', 3));
    });
    EXPECT_EQ(project.Options.RenderOptions_RenderWidth, 600);
    EXPECT_EQ(project.Options.RenderOptions_RenderWidthFormat, 2);
}

TEST(TRender_opt, TypingOneSideRecomputesTheOtherThroughTheAspectRatio)
{
    const struct
    {
        const char* Typed;
        const char* Text;
        const char* Other;
        int Width;
        int Height;
    } cases[] = {
        {"BreiteEdit", "1280", "HoeheEdit", 1280, 720},
        {"HoeheEdit", "360", "BreiteEdit", 640, 360},
        {"BreiteEdit", "1001", "HoeheEdit", 1001, 563}, // Round(563.0625)
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        Project project;
        project.Options.RenderOptions_RenderAspectRatio_Format = 10; // 16:9
        project.Options.RenderOptions_RenderAspectRatio_Width = 16;
        project.Options.RenderOptions_RenderAspectRatio_Height = 9;
        RunDialog(project, [&c](QDialog& d) {
            EXPECT_FALSE(Child<QWidget>(d, "AspectNumeratorEdit")->isEnabled()); // fixed preset
            TypeInto(d, c.Typed, c.Text);
            EXPECT_EQ(ShownValue(d, c.Other),
                      c.Typed == std::string("BreiteEdit") ? c.Height : c.Width);
        });
        EXPECT_EQ(project.Options.RenderOptions_RenderWidth, c.Width);
        EXPECT_EQ(project.Options.RenderOptions_RenderHeight, c.Height);
    }
}

TEST(TRender_opt, ACustomRatioCountsWhenConfirmedWithReturn)
{
    Project project; // "Custom" 4 : 3, 600 x 450
    RunDialog(project, [](QDialog& d) {
        auto* numerator = Child<QSpinBox>(d, "AspectNumeratorEdit");
        EXPECT_TRUE(numerator->isEnabled());
        TypeInto(*numerator, "2");
        EXPECT_EQ(ShownValue(d, "HoeheEdit"), 450); // not yet confirmed
        QTest::keyClick(numerator, Qt::Key_Return);
        EXPECT_EQ(ShownValue(d, "HoeheEdit"), 900);
        EXPECT_TRUE(d.isVisible()); // Return confirms the field, not the dialog
    });
    EXPECT_EQ(project.Options.RenderOptions_RenderAspectRatio_Width, 2);
    EXPECT_EQ(project.Options.RenderOptions_RenderHeight, 900);
}

TEST(TRender_opt, NoneHidesTheRatioAndFreesTheHeight)
{
    Project project;
    RunDialog(project, [](QDialog& d) {
        ChooseByKeyboard(*Child<QComboBox>(d, "SeitenverhaeltnisList"), 0);
        EXPECT_FALSE(Child<QWidget>(d, "AspectNumeratorEdit")->isVisible());
        EXPECT_FALSE(Child<QWidget>(d, "AspectColonLabel")->isVisible());
        TypeInto(d, "BreiteEdit", "1000");
        EXPECT_EQ(ShownValue(d, "HoeheEdit"), 450);
    });
    EXPECT_EQ(project.Options.RenderOptions_RenderAspectRatio_Format, 0);
    EXPECT_EQ(project.Options.RenderOptions_RenderWidth, 1000);
    EXPECT_EQ(project.Options.RenderOptions_RenderHeight, 450);
}

TEST(TRender_opt, TheLatchedLinkCopiesTheMaximumDepthIntoTheEyeScreenDistance)
{
    Project project; // the link is latched by default
    RunDialog(project, [](QDialog& d) {
        EXPECT_TRUE(Child<QToolButton>(d, "LinkButton")->isChecked());
        EXPECT_TRUE(Child<QLabel>(d, "AugeScreenLinkMark")->isVisible());
        TypeInto(d, "Max3DTiefeEdit", "20");
        EXPECT_EQ(ShownValue(d, "AugeScreenEdit"), 20);
    });
    EXPECT_EQ(project.Options.RenderOptions_Settings_max3dtiefe, 20.0);
    EXPECT_EQ(project.Options.RenderOptions_Settings_AugeScreen, 20.0);
}

TEST(TRender_opt, TheReleasedLinkLeavesTheOtherDistance)
{
    Project project;
    RunDialog(project, [](QDialog& d) {
        Click(d, "LinkButton");
        EXPECT_FALSE(Child<QToolButton>(d, "LinkButton")->isChecked());
        EXPECT_FALSE(Child<QLabel>(d, "AugeScreenLinkMark")->isVisible());
        TypeInto(d, "Max3DTiefeEdit", "20");
        EXPECT_EQ(ShownValue(d, "AugeScreenEdit"), 14);
    });
    EXPECT_FALSE(project.Options.RenderOptions_Settings_maxobdist_same);
    EXPECT_EQ(project.Options.RenderOptions_Settings_AugeScreen, 14.0);
}

TEST(TRender_opt, LatchingTheLinkCopiesTheMaximumDepthIntoTheEyeScreenDistance)
{
    Project project;
    project.Options.RenderOptions_Settings_maxobdist_same = false;
    project.Options.RenderOptions_Settings_max3dtiefe = 30.0;
    RunDialog(project, [](QDialog& d) {
        EXPECT_EQ(ShownValue(d, "AugeScreenEdit"), 14);
        EXPECT_EQ(ShownValue(d, "TilewidthEdit"), 122); // Trunc(180 x 30 / 44)
        Click(d, "LinkButton");
        EXPECT_TRUE(Child<QLabel>(d, "Max3DTiefeLinkMark")->isVisible());
        EXPECT_EQ(ShownValue(d, "AugeScreenEdit"), 30);
        EXPECT_EQ(ShownValue(d, "TilewidthEdit"), 90); // the geometry changed: recomputed
    });
    EXPECT_TRUE(project.Options.RenderOptions_Settings_maxobdist_same);
    EXPECT_EQ(project.Options.RenderOptions_Settings_AugeScreen, 30.0);
}

TEST(TRender_opt, ADistanceInCentimetresIsStoredInInches)
{
    Project project;
    project.Options.RenderOptions_Settings_maxobdist_same = false;
    RunDialog(project, [](QDialog& d) {
        ChooseByKeyboard(*Child<QComboBox>(d, "Min3DTiefeUnit"), 1); // cm
        EXPECT_EQ(ShownText(d, "Min3DTiefeEdit"), QLocale().toString(20.32, 'f', 2));
        TypeInto(d, "Min3DTiefeEdit", QLocale().toString(12.7, 'f', 1));
    });
    EXPECT_EQ(project.Options.RenderOptions_Settings_min3dtiefe_Format, 1);
    EXPECT_NEAR(project.Options.RenderOptions_Settings_min3dtiefe, 5.0, 1e-9);
}

TEST(TRender_opt, AHandEditedTileWidthSetsTheResolution)
{
    Project project; // 72 dpi, 14/14 inches
    RunDialog(project, [](QDialog& d) {
        auto* tileWidth = Child<QSpinBox>(d, "TilewidthEdit");
        EXPECT_TRUE(tileWidth->isReadOnly());
        Click(d, "ChangeTilewidthCheck");
        EXPECT_FALSE(tileWidth->isReadOnly());
        TypeInto(*tileWidth, "180");
        EXPECT_EQ(ShownValue(d, "AufloesungEdit"), 144);
        EXPECT_EQ(tileWidth->value(), 180);
    });
    EXPECT_EQ(project.Options.RenderOptions_RenderDPI, 144);
    EXPECT_EQ(project.Options.RenderOptions_Tile_Width, 180);
    EXPECT_TRUE(project.Options.RenderOptions_Tile_ChangeWidth);
}

TEST(TRender_opt, TheCustomStartIsShownOnlyForCustomAndFollowsTheWidth)
{
    Project project;
    RunDialog(project, [](QDialog& d) {
        auto* slider = Child<QWidget>(d, "StartRenderingSlider");
        EXPECT_FALSE(slider->isVisible());
        Click(d, "CustomRadio");
        EXPECT_TRUE(slider->isVisible());
        TypeInto(d, "BreiteEdit", "1000"); // the start's maximum follows the width
        EXPECT_EQ(Child<QSpinBox>(d, "StartRenderingEdit")->maximum(), 1000);
        EXPECT_EQ(Child<QSlider>(d, "StartRenderingSlider")->maximum(), 1000);
        auto* startSlider = Child<QSlider>(d, "StartRenderingSlider");
        QTest::keyClick(startSlider, Qt::Key_Home); // position 0 stands for 1
        EXPECT_EQ(startSlider->value(), 1);
        EXPECT_EQ(ShownValue(d, "StartRenderingEdit"), 1);
        TypeInto(d, "StartRenderingEdit", "750");
        EXPECT_EQ(startSlider->value(), 750);
    });
    EXPECT_EQ(project.Options.RenderOptions_Settings_renderdirection, 4);
    EXPECT_EQ(project.Options.RenderOptions_Settings_customrenderdirection, 750);
}

struct LeaveWithoutStoring
{
    const char* Name;
    std::function<void(QDialog&)> Leave;
};

TEST(TRender_opt, AbbruchAndTheCloseButtonStoreNothing)
{
    const LeaveWithoutStoring ways[] = {
        {"Abbruch", [](QDialog& d) { Click(d, "AbbruchButton"); }},
        {"title-bar X", [](QDialog& d) { d.close(); }},
        {"Escape", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.Name);
        Project project;
        std::vector<int32_t> widths;
        project.Tiles.Append(std::make_unique<RecordingTile>(widths));
        const RenderOptions before = project.Options;
        TRender_opt dialog;
        AnswerModal([&way](QDialog& d) {
            TypeInto(d, "AufloesungEdit", "300");
            Click(d, "ConvergenceRadio");
            Click(d, "KleinerStretchRadio");
            way.Leave(d);
        });
        EXPECT_FALSE(dialog.Execute(project));
        EXPECT_EQ(project.Options, before);
        EXPECT_TRUE(widths.empty());
        EXPECT_FALSE(project.Modified());
        EXPECT_FALSE(project.OutOfDate());
    }
}

TEST(TRender_opt, OkGivesEveryTileObjectTheTileWidthAndMarksTheProject)
{
    Project project;
    std::vector<int32_t> first;
    std::vector<int32_t> second;
    project.Tiles.Append(std::make_unique<RecordingTile>(first));
    project.Tiles.Append(std::make_unique<RecordingTile>(second));
    const bool ok = RunDialog(project, [](QDialog& d) {
        TypeInto(d, "AufloesungEdit", "300");
        Click(d, "ConvergenceRadio");
        Click(d, "GroesserStretchRadio");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(project.Options.RenderOptions_RenderDPI, 300);
    EXPECT_EQ(project.Options.RenderOptions_Tile_Width, 375);
    EXPECT_FALSE(project.Options.RenderOptions_Settings_Divergenz);
    EXPECT_TRUE(project.Options.RenderOptions_Tile_bigger_stretch);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(first.back(), 375);
    EXPECT_EQ(second.back(), 375);
    EXPECT_TRUE(project.OutOfDate());
    EXPECT_TRUE(project.Modified());
}

} // namespace
} // namespace lumora
