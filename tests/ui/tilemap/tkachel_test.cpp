// The tile-map window driven as a user would: the selection and
// arrangement commands with their enabling, the "Tile FX" panel, the tile
// clipboard with the button renumbering, the text-field rule and a click
// into the preview.
#include "ui/shell/shell_test_support.h"

#include "tilemap/tile_map.h"
#include "ui/tilemap/tile_fx_panel.h"
#include "ui/widgets/lumo_ruler.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>

namespace lumora {
namespace {

using test::Press;
using test::TestProgram;

class TKachelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.Started());
        Press(Context().Vorlage(), Qt::Key_F3);
        ASSERT_TRUE(Window().isVisible());
    }
    ProgramContext& Context() { return program.Program(); }
    TKachel& Window() { return Context().Kachel(); }
    TileMap& Tiles() { return program.CurrentProject().Tiles; }
    // Tiles told apart by their band heights.
    void AddTiles(std::initializer_list<int> heights)
    {
        for (int height : heights)
            program.AddTile(height);
    }
    std::vector<int> Heights()
    {
        std::vector<int> heights;
        for (const auto& tile : Tiles().Items())
            heights.push_back(tile->BandHeight);
        return heights;
    }
    QAction* Action(const char* name)
    {
        auto* action = Window().findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    template <typename T> T* Child(const QString& name)
    {
        auto* child = Window().findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    void Settle() { QCoreApplication::processEvents(); }

    TestProgram program;
};

TEST_F(TKachelTest, NextAndPreviousWrapAround)
{
    AddTiles({20, 30, 40});
    ASSERT_EQ(Tiles().SelectedIndex(), 2);
    Press(Window(), Qt::Key_Tab);
    EXPECT_EQ(Tiles().SelectedIndex(), 0);
    EXPECT_TRUE(Window().Buttons()[0]->isChecked());
    EXPECT_FALSE(Window().Buttons()[2]->isChecked());
    Press(Window(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Tiles().SelectedIndex(), 2);
    Press(Window(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Tiles().SelectedIndex(), 0);
    Press(Window(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Tiles().SelectedIndex(), 2);
}

TEST_F(TKachelTest, ToTopOnTheFirstDoesNothingOnTheThirdReordersTheButtons)
{
    AddTiles({10, 20, 30, 40});
    Tiles().Select(0);
    program.CurrentProject().SetModified(false);
    Press(Window(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{10, 20, 30, 40}));
    EXPECT_FALSE(program.CurrentProject().Modified());

    Tiles().Select(2);
    Press(Window(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{30, 10, 20, 40}));
    EXPECT_EQ(Tiles().SelectedIndex(), 0);
    const auto& buttons = Window().Buttons();
    ASSERT_EQ(buttons.size(), 4u);
    const int tops[] = {0, 30, 40, 60};
    const int heights[] = {30, 10, 20, 40};
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->geometry().top(), tops[i]) << i;
        EXPECT_EQ(buttons[i]->height(), heights[i]) << i;
        EXPECT_EQ(buttons[i]->objectName(), QStringLiteral("KachelButton%1").arg(i + 1));
    }
    EXPECT_TRUE(buttons[0]->isChecked());
}

TEST_F(TKachelTest, ArrangementButtonsAndMenusMove)
{
    AddTiles({10, 20, 30});
    Tiles().Select(0);
    struct Case
    {
        const char* Button;
        std::vector<int> Order;
        int Selected;
    };
    const Case cases[] = {
        {"Einsnachunten_Button", {20, 10, 30}, 1},
        {"Nachunten_Button", {20, 30, 10}, 2},
        {"Einsnachoben_Button", {20, 10, 30}, 1},
        {"Nachoben_Button", {10, 20, 30}, 0},
    };
    for (const Case& c : cases) {
        QTest::mouseClick(Child<QPushButton>(QString::fromLatin1(c.Button)), Qt::LeftButton);
        EXPECT_EQ(Heights(), c.Order) << c.Button;
        EXPECT_EQ(Tiles().SelectedIndex(), c.Selected) << c.Button;
    }
    Press(Window(), Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{20, 10, 30}));
    Press(Window(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{20, 30, 10}));
    Press(Window(), Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{20, 10, 30}));
}

TEST_F(TKachelTest, EnablingFollowsTheNumberOfObjects)
{
    EXPECT_FALSE(Action("Kopieren1")->isEnabled());
    EXPECT_FALSE(Action("Lschen1")->isEnabled());
    EXPECT_FALSE(Action("Einfgen1")->isEnabled());
    EXPECT_FALSE(Window().RenderAction()->isEnabled());

    AddTiles({50});
    for (const char* name : {"Nachoben1", "Einsnachoben1", "Einsnachunten1", "Nachunten1",
                             "Nchstes1", "Vorheriges1", "Erstes1", "Letztes1"})
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    EXPECT_FALSE(Child<QGroupBox>("Anordnen_Group")->isEnabled());
    EXPECT_FALSE(Child<QMenu>("Anordnen1")->isEnabled());
    EXPECT_FALSE(Child<QMenu>("Auswahl1")->isEnabled());
    for (const char* name : {"Ausschneiden1", "Kopieren1", "Lschen1", "Duplicate1"})
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
    EXPECT_TRUE(Window().RenderAction()->isEnabled());

    AddTiles({60});
    EXPECT_TRUE(Action("Nachoben1")->isEnabled());
    EXPECT_TRUE(Child<QGroupBox>("Anordnen_Group")->isEnabled());
    EXPECT_TRUE(Child<QMenu>("Auswahl1")->isEnabled());
}

// One finished edit of the panel: what the user does and the value it
// leaves in the selected tile.
struct FxEdit
{
    const char* Name;
    std::function<void(TKachel&)> Edit;
    std::function<int(const TileEffects&)> Stored;
    int Expected;
};

void TypeInto(TKachel& window, const char* field, const char* text)
{
    auto* box = window.findChild<QSpinBox*>(QString::fromLatin1(field));
    ASSERT_NE(box, nullptr) << field;
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(text));
    QTest::keyClick(box, Qt::Key_Return);
}

void ClickOn(TKachel& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    // A check box reacts on its box and text, at the left.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void DragSliderTo(TKachel& window, const char* name, int value)
{
    auto* slider = window.findChild<QSlider*>(QString::fromLatin1(name));
    ASSERT_NE(slider, nullptr) << name;
    slider->setSliderDown(true);
    slider->setValue(value);
    slider->setSliderDown(false);
}

TEST_F(TKachelTest, EveryFxControlStoresAllNineValuesAndRepaints)
{
    AddTiles({40});
    const FxEdit edits[] = {
        {"brightness slider", [](TKachel& w) { DragSliderTo(w, "Brightness_Slider", -90); },
         [](const TileEffects& e) { return e.FxBrightness; }, -90},
        {"contrast field", [](TKachel& w) { TypeInto(w, "Contrast_Edit", "77"); },
         [](const TileEffects& e) { return int(e.FxContrast); }, 77},
        {"solarize slider key",
         [](TKachel& w) {
             auto* slider = w.findChild<QSlider*>("Solorize_Slider");
             slider->setFocus();
             QTest::keyClick(slider, Qt::Key_Right);
             QCoreApplication::processEvents();
         },
         [](const TileEffects& e) { return int(e.FxSolarize); }, 1},
        {"posterize field", [](TKachel& w) { TypeInto(w, "Posterize_Edit", "12"); },
         [](const TileEffects& e) { return int(e.FxPosterize); }, 12},
        {"ripple field beyond range", [](TKachel& w) { TypeInto(w, "Ripple_Edit", "99"); },
         [](const TileEffects& e) { return int(e.FxRipple); }, 9},
        {"spray slider", [](TKachel& w) { DragSliderTo(w, "Spray_Slider", 30); },
         [](const TileEffects& e) { return int(e.FxSpray); }, 30},
        {"invert", [](TKachel& w) { ClickOn(w, "Invert"); },
         [](const TileEffects& e) { return int(e.FxInvert); }, 1},
        {"horizontal", [](TKachel& w) { ClickOn(w, "Horizontal"); },
         [](const TileEffects& e) { return int(e.FxMirrorH); }, 1},
        {"vertical", [](TKachel& w) { ClickOn(w, "Vertical"); },
         [](const TileEffects& e) { return int(e.FxMirrorV); }, 1},
        {"brightness reset", [](TKachel& w) { ClickOn(w, "Brightness_Reset"); },
         [](const TileEffects& e) { return e.FxBrightness; }, 0},
    };
    for (const FxEdit& edit : edits) {
        program.CurrentProject().SetModified(false);
        program.CurrentProject().SetOutOfDate(false);
        const QImage before = Window().PreviewPicture();
        edit.Edit(Window());
        Settle();
        const TileEffects stored = Tiles().SelectedTile()->Effects();
        EXPECT_EQ(edit.Stored(stored), edit.Expected) << edit.Name;
        // All nine values go in at once: the panel and the tile agree.
        EXPECT_EQ(stored, Window().FxPanel()->Values()) << edit.Name;
        EXPECT_TRUE(program.CurrentProject().Modified()) << edit.Name;
        EXPECT_TRUE(program.CurrentProject().OutOfDate()) << edit.Name;
        EXPECT_NE(Window().PreviewPicture(), before) << edit.Name;
    }
}

TEST_F(TKachelTest, SelectingAnObjectLoadsItsValues)
{
    AddTiles({30, 30});
    TileEffects second;
    second.FxBrightness = 120;
    second.FxRipple = 7;
    second.FxMirrorV = 1;
    Tiles().Select(1);
    Tiles().SetKachelAttributes(second);
    ClickOn(Window(), "KachelButton1");
    EXPECT_EQ(Tiles().SelectedIndex(), 0);
    EXPECT_EQ(Window().FxPanel()->Values(), TileEffects{});
    ClickOn(Window(), "KachelButton2");
    EXPECT_EQ(Tiles().SelectedIndex(), 1);
    EXPECT_EQ(Window().FxPanel()->Values(), second);
    EXPECT_EQ(Child<QSlider>("Brightness_Slider")->value(), 120);
    EXPECT_EQ(Child<QSpinBox>("Ripple_Edit")->value(), 7);
    EXPECT_TRUE(Child<QCheckBox>("Vertical")->isChecked());
    // Loading reports nothing back.
    EXPECT_EQ(Tiles().At(1)->Effects(), second);
}

TEST_F(TKachelTest, CutCopyPasteDeleteDuplicateRenumberTheButtons)
{
    AddTiles({10, 20, 30});
    Tiles().Select(1);
    program.CurrentProject().SetModified(false);
    Press(Window(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{10, 30}));
    EXPECT_EQ(Tiles().SelectedIndex(), 0);
    EXPECT_TRUE(program.CurrentProject().Modified());
    EXPECT_TRUE(program.CurrentProject().OutOfDate());
    ASSERT_EQ(Window().Buttons().size(), 2u);
    const QString word = Context().Texts().DisplayText(u"Kachel");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(Window().Buttons()[size_t(i)]->objectName(),
                  QStringLiteral("KachelButton%1").arg(i + 1));
        EXPECT_EQ(Window().Buttons()[size_t(i)]->text(), word + QString::number(i + 1));
    }
    EXPECT_TRUE(Action("Einfgen1")->isEnabled());

    Press(Window(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{10, 30, 20}));
    EXPECT_EQ(Window().Buttons().back()->objectName(), QStringLiteral("KachelButton3"));
    EXPECT_EQ(Window().Buttons().back()->height(), 20);

    Press(Window(), Qt::Key_C, Qt::ControlModifier); // the first is selected
    Press(Window(), Qt::Key_Delete);
    EXPECT_EQ(Heights(), (std::vector<int>{30, 20}));
    Press(Window(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{30, 20, 10}));
    Press(Window(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{30, 20, 10, 30}));
    EXPECT_EQ(Window().Buttons().size(), 4u);
    // The pasted tile is a copy of its own, not the clipboard's object.
    EXPECT_NE(Tiles().At(0), Tiles().At(3));
}

TEST_F(TKachelTest, ATileCopiedInOneProjectPastesIntoAnother)
{
    AddTiles({44});
    TileEffects effects;
    effects.FxPosterize = 5;
    Tiles().SetKachelAttributes(effects);
    Press(Window(), Qt::Key_C, Qt::ControlModifier);
    // A project reset, as a new or opened project does.
    Tiles().Clear();
    EXPECT_TRUE(Window().Buttons().empty());
    Press(Window(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Heights(), (std::vector<int>{44}));
    EXPECT_EQ(Tiles().At(0)->Effects(), effects);
}

TEST_F(TKachelTest, ClipboardKeysInATextFieldActOnTheField)
{
    AddTiles({10, 20});
    auto* field = Child<QSpinBox>("Contrast_Edit");
    auto* edit = field->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    Window().activateWindow();
    QApplication::setActiveWindow(&Window());
    field->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Heights(), (std::vector<int>{10, 20}));
    EXPECT_FALSE(Window().ClipboardHoldsTile());
    // Outside the field the same key deletes the tile.
    Window().FocusField()->setFocus();
    QTest::keyClick(Window().FocusField(), Qt::Key_Delete);
    EXPECT_EQ(Heights(), (std::vector<int>{10}));
}

TEST_F(TKachelTest, AClickInThePreviewSelectsTheBandAndTakesTheFocus)
{
    AddTiles({10, 20, 30});
    QLabel* preview = Window().PreviewLabel();
    Window().activateWindow();
    QApplication::setActiveWindow(&Window());
    ASSERT_FALSE(Window().PreviewPicture().isNull());
    EXPECT_EQ(Window().PreviewPicture().height(), 60);
    struct Case
    {
        int Y;
        int Selected;
    };
    for (const Case c :
         {Case{0, 0}, Case{9, 0}, Case{10, 1}, Case{29, 1}, Case{30, 2}, Case{59, 2}}) {
        QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(5, c.Y));
        EXPECT_EQ(Tiles().SelectedIndex(), c.Selected) << c.Y;
        EXPECT_TRUE(Window().Buttons()[size_t(c.Selected)]->isChecked()) << c.Y;
    }
    EXPECT_TRUE(Window().FocusField()->hasFocus());
}

TEST_F(TKachelTest, ButtonsAndRulerScrollWithThePreview)
{
    AddTiles({400, 400, 400});
    Window().resize(800, 600);
    Settle();
    QScrollBar* bar = Window().BandScroll()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 300);
    bar->setValue(300);
    const QPoint buttonInViewport =
        Window().Buttons()[1]->mapTo(Window().BandScroll()->viewport(), QPoint(0, 0));
    EXPECT_EQ(buttonInViewport.y(), 400 - 300);
    const QPoint previewInViewport =
        Window().PreviewLabel()->mapTo(Window().BandScroll()->viewport(), QPoint(0, 0));
    EXPECT_EQ(previewInViewport.y(), -300);
    EXPECT_EQ(Window().Ruler()->Start(), -300);
}

} // namespace
} // namespace lumora
