// The language entries reach the components by name, whatever their kind.
#include "ui/widgets/language_binding.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace lumora {
namespace {

class BindingTest : public ::testing::Test
{
protected:
    BindingTest()
    {
        window.setObjectName("Render_opt");
        label = new QLabel("Breite:", &window);
        label->setObjectName("Label1");
        button = new QPushButton("Abbruch", &window);
        button->setObjectName("AbbruchButton");
        group = new QGroupBox("Kachel", &window);
        group->setObjectName("GroupBox1");
        menu = new QMenu("&Datei", &window);
        menu->setObjectName("Datei1");
        action = menu->addAction("&Neu...");
        action->setObjectName("Neu1");
        combo = new QComboBox(&window);
        combo->setObjectName("Quality");
        combo->addItems({"Draft", "Low"});
        combo->setCurrentIndex(1);
        list = new QListWidget(&window);
        list->setObjectName("Languages");
        list->addItems({"a", "b"});
    }

    QDialog window;
    QLabel* label;
    QPushButton* button;
    QGroupBox* group;
    QMenu* menu;
    QAction* action;
    QComboBox* combo;
    QListWidget* list;
};

TEST_F(BindingTest, FindsComponentsIgnoringCase)
{
    EXPECT_TRUE(HasLanguageComponent(window, "label1"));
    EXPECT_TRUE(HasLanguageComponent(window, "NEU1"));
    EXPECT_TRUE(HasLanguageComponent(window, "datei1"));
    EXPECT_FALSE(HasLanguageComponent(window, "Label2"));
    EXPECT_FALSE(HasLanguageComponent(window, ""));
}

TEST_F(BindingTest, CaptionReachesEveryKind)
{
    ApplyLanguageEntry(window, "Label1", "Caption", "Width:");
    ApplyLanguageEntry(window, "abbruchbutton", "Caption", "Cancel");
    ApplyLanguageEntry(window, "GroupBox1", "Caption", "Tile");
    ApplyLanguageEntry(window, "Datei1", "Caption", "&File");
    ApplyLanguageEntry(window, "Neu1", "Caption", "&New...");
    ApplyLanguageEntry(window, "", "Caption", "Render options");
    EXPECT_EQ(label->text(), "Width:");
    EXPECT_EQ(button->text(), "Cancel");
    EXPECT_EQ(group->title(), "Tile");
    EXPECT_EQ(menu->title(), "&File");
    EXPECT_EQ(action->text(), "&New...");
    EXPECT_EQ(window.windowTitle(), "Render options");
    ApplyLanguageEntry(window, "Render_opt", "Caption", "Options");
    EXPECT_EQ(window.windowTitle(), "Options");
}

TEST_F(BindingTest, HintTextAndLines)
{
    ApplyLanguageEntry(window, "AbbruchButton", "Hint", "Closes without storing");
    ApplyLanguageEntry(window, "Neu1", "Hint", "A new project");
    EXPECT_EQ(button->toolTip(), "Closes without storing");
    EXPECT_EQ(action->toolTip(), "A new project");
    EXPECT_EQ(action->statusTip(), "A new project");

    ApplyLanguageEntry(window, "Quality", "Items", "Entwurf");
    EXPECT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->itemText(0), "Entwurf");
    EXPECT_EQ(combo->currentIndex(), 0);
    ApplyLanguageEntry(window, "Languages", "Lines", "only");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "only");
}

TEST_F(BindingTest, UnknownPropertyOrComponentChangesNothing)
{
    ApplyLanguageEntry(window, "Label1", "Color", "red");
    ApplyLanguageEntry(window, "Label9", "Caption", "lost");
    EXPECT_EQ(label->text(), "Breite:");
    EXPECT_EQ(window.windowTitle(), "");
}

} // namespace
} // namespace lumora
