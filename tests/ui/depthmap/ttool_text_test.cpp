// The text dialog: a new text with the default text and "Arial", an empty
// field replaced by the default text, a face that is not installed giving
// way to "Arial" or the first font, the styles, and the preview.
#include "app/language_texts.h"
#include "depthmap/tool_dm_text.h"
#include "depthmap_dialog_support.h"
#include "ui/depthmap/text_preview.h"
#include "ui/depthmap/ttool_text.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::AnswerModal;
using test::Child;
using test::Click;
using test::TypeInto;

QString SelectedFace(const QDialog& d)
{
    const auto* list = Child<QListWidget>(d, "SchriftartList");
    return list && list->currentItem() ? list->currentItem()->text() : QString();
}

void ClearText(const QDialog& d)
{
    auto* text = Child<QLineEdit>(d, "TextEdit");
    text->setFocus();
    text->selectAll();
    QTest::keyClick(text, Qt::Key_Delete);
}

TEST(TTool_Text, NewShowsTheDefaultTextArialAndNoStyle)
{
    LanguageTexts texts;
    texts.Set("3DBezeichnung", "Text", "Beispiel");
    TTool_Text dialog;
    dialog.SetTexts(&texts);
    dialog.SetInstalledFonts(QStringList{"Beta Sans", "Arial", "Gamma Serif"});
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Text"));
        EXPECT_EQ(Child<QSpinBox>(d, "DepthEdit")->value(), 255);
        auto* text = Child<QLineEdit>(d, "TextEdit");
        EXPECT_EQ(text->text(), QString("Beispiel"));
        EXPECT_TRUE(text->hasFocus());
        EXPECT_EQ(text->selectedText(), QString("Beispiel")); // typing replaces it
        EXPECT_EQ(SelectedFace(d), QString("Arial"));
        EXPECT_EQ(Child<QListWidget>(d, "SchriftartList")->count(), 3);
        for (const char* box :
             {"FettCheck", "KursivCheck", "UnterstrichenCheck", "DurchgestrichenCheck"})
            EXPECT_FALSE(Child<QAbstractButton>(d, box)->isChecked()) << box;
        Click(d, "OKButton");
    });
    const auto object = dialog.ExecuteNew(IntRect{5, 6, 200, 50});
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Text, QString("Beispiel"));
    EXPECT_EQ(object->FontName, QString("Arial"));
    EXPECT_EQ(object->Depth, 255);
    EXPECT_EQ(object->Kind, 5);
    EXPECT_EQ(object->Width, 200);
    EXPECT_FALSE(object->Bold || object->Italic || object->Underline || object->StrikeOut);
}

TEST(TTool_Text, AnEmptyFieldGivesTheDefaultText)
{
    const struct
    {
        const char* Name;
        const char* LanguageText; // nullptr: no language loaded
        const char* Expected;
    } cases[] = {
        {"English", "Text", "Text"},
        {"German design text without a language", nullptr, "Text"},
        {"a language's own text", "Wort", "Wort"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        LanguageTexts texts;
        if (c.LanguageText)
            texts.Set("3DBezeichnung", "Text", c.LanguageText);
        TTool_Text dialog;
        dialog.SetTexts(c.LanguageText ? &texts : nullptr);
        dialog.SetInstalledFonts(QStringList{"Arial"});
        Tool_dm_Text object(3, 0, 0, 100, 40, QStringLiteral("Alt"));
        AnswerModal([](QDialog& d) {
            ClearText(d);
            Click(d, "OKButton");
        });
        EXPECT_TRUE(dialog.Execute(object));
        EXPECT_EQ(object.Text, QString(c.Expected));
    }
}

TEST(TTool_Text, AFaceThatIsNotInstalledGivesWayToArialOrTheFirstFont)
{
    const struct
    {
        const char* Name;
        QStringList Fonts;
        const char* Stored;
        const char* Expected;
    } cases[] = {
        {"installed face kept",
         {"Arial", "Beta Sans", "Gamma Serif"},
         "Gamma Serif",
         "Gamma Serif"},
        {"missing face, Arial installed", {"Beta Sans", "Arial"}, "Nowhere Grotesk", "Arial"},
        {"missing face, no Arial", {"Gamma Serif", "Beta Sans"}, "Nowhere Grotesk", "Beta Sans"},
        {"empty face, no Arial", {"Zeta", "Eta"}, "", "Eta"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTool_Text dialog;
        dialog.SetInstalledFonts(c.Fonts);
        Tool_dm_Text object(3, 0, 0, 100, 40, QStringLiteral("Wort"));
        object.FontName = QString::fromUtf8(c.Stored);
        AnswerModal([&c](QDialog& d) {
            EXPECT_EQ(SelectedFace(d), QString(c.Expected));
            Click(d, "OKButton");
        });
        EXPECT_TRUE(dialog.Execute(object));
        EXPECT_EQ(object.FontName, QString(c.Expected));
    }
}

TEST(TTool_Text, ANewTextWithoutArialTakesTheFirstFont)
{
    TTool_Text dialog;
    dialog.SetInstalledFonts(QStringList{"Omega", "Delta"});
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(SelectedFace(d), QString("Delta"));
        Click(d, "OKButton");
    });
    const auto object = dialog.ExecuteNew(IntRect{0, 0, 80, 20});
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->FontName, QString("Delta"));
}

TEST(TTool_Text, OnThisMachineArialIsDrawnByItsStandInAndListedUnderItsOwnName)
{
    TTool_Text dialog;
    ASSERT_TRUE(QFontDatabase::families().contains("Liberation Sans"))
        << "the README installs fonts-liberation2";
    EXPECT_TRUE(dialog.FaceInstalled("Arial"));
    EXPECT_FALSE(dialog.FaceInstalled("Nowhere Grotesk"));
    AnswerModal([](QDialog& d) {
        EXPECT_EQ(SelectedFace(d), QString("Arial"));
        const auto* list = Child<QListWidget>(d, "SchriftartList");
        EXPECT_FALSE(list->findItems("Liberation Sans", Qt::MatchExactly).isEmpty());
        Click(d, "OKButton");
    });
    const auto object = dialog.ExecuteNew(IntRect{0, 0, 80, 20});
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->FontName, QString("Arial"));
}

TEST(TTool_Text, TheChosenFaceStylesAndTextAreWrittenBackAndPreviewed)
{
    TTool_Text dialog;
    dialog.SetInstalledFonts(QStringList{"Arial", "DejaVu Serif", "Liberation Mono"});
    Tool_dm_Text object(3, 0, 0, 100, 40, QStringLiteral("Alt"));
    object.Underline = true;
    AnswerModal([&dialog](QDialog& d) {
        TextPreview* preview = dialog.Preview();
        EXPECT_EQ(preview->ShownText(), QString("Alt"));
        EXPECT_TRUE(preview->ShownFont().underline());
        EXPECT_TRUE(Child<QAbstractButton>(d, "UnterstrichenCheck")->isChecked());
        auto* text = Child<QLineEdit>(d, "TextEdit");
        text->selectAll();
        QTest::keyClicks(text, "Neu");
        EXPECT_EQ(preview->ShownText(), QString("Neu"));
        auto* fonts = Child<QListWidget>(d, "SchriftartList");
        fonts->setFocus();
        QTest::keyClick(fonts, Qt::Key_End);
        EXPECT_EQ(SelectedFace(d), QString("Liberation Mono"));
        EXPECT_EQ(preview->ShownFont().family(), QString("Liberation Mono"));
        Click(d, "FettCheck");
        Click(d, "KursivCheck");
        Click(d, "UnterstrichenCheck");
        EXPECT_TRUE(preview->ShownFont().bold());
        EXPECT_TRUE(preview->ShownFont().italic());
        EXPECT_FALSE(preview->ShownFont().underline());
        // The panel shows dark glyph pixels on white.
        const QImage shown = preview->grab().toImage();
        int dark = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 4; x < shown.width() - 4; ++x)
                dark += qGray(shown.pixel(x, y)) < 64;
        EXPECT_GT(dark, 50);
        Click(d, "OKButton");
    });
    EXPECT_TRUE(dialog.Execute(object));
    EXPECT_EQ(object.Text, QString("Neu"));
    EXPECT_EQ(object.FontName, QString("Liberation Mono"));
    EXPECT_TRUE(object.Bold);
    EXPECT_TRUE(object.Italic);
    EXPECT_FALSE(object.Underline);
    EXPECT_FALSE(object.StrikeOut);
}

TEST(TTool_Text, AnEmptyFieldPreviewsTheDefaultText)
{
    TTool_Text dialog;
    dialog.SetInstalledFonts(QStringList{"Arial"});
    Tool_dm_Text object(3, 0, 0, 100, 40, QStringLiteral("Alt"));
    AnswerModal([&dialog](QDialog& d) {
        ClearText(d);
        EXPECT_EQ(dialog.Preview()->ShownText(), QString("Text"));
        Click(d, "AbbruchButton");
    });
    EXPECT_FALSE(dialog.Execute(object));
    EXPECT_EQ(object.Text, QString("Alt"));
}

} // namespace
} // namespace lumora

namespace lumora {
namespace {

TEST(TTool_Text, AFaceMadeBySeveralFoundriesIsListedOnceByItsName)
{
    TTool_Text dialog;
    dialog.SetInstalledFonts(QStringList{"C059 [urw]", "Arial", "C059 [UKWN]"});
    EXPECT_EQ(dialog.InstalledFonts(), (QStringList{"Arial", "C059"}));
    Tool_dm_Text object(3, 0, 0, 100, 40, QStringLiteral("Wort"));
    object.FontName = QStringLiteral("C059");
    test::AnswerModal([](QDialog& d) {
        EXPECT_EQ(test::Child<QListWidget>(d, "SchriftartList")->count(), 2);
        EXPECT_EQ(SelectedFace(d), QString("C059"));
        test::Click(d, "OKButton");
    });
    EXPECT_TRUE(dialog.Execute(object));
    EXPECT_EQ(object.FontName, QString("C059"));
}

} // namespace
} // namespace lumora
