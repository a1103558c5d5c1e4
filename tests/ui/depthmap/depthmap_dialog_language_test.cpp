// The installed language files reach every caption, label and button of
// the depth-map dialogs and small windows: English replaces them all,
// German brings back the texts the dialogs are built with, and no entry
// names a control the dialogs lack.
#include "app/language_manager.h"
#include "app/language_widgets.h"
#include "depthmap_dialog_support.h"
#include "ui/depthmap/tdepthslider_form.h"
#include "ui/depthmap/tgreypicker.h"
#include "ui/depthmap/trename_dm_obj.h"
#include "ui/depthmap/ttool_ellipse.h"
#include "ui/depthmap/ttool_line.h"
#include "ui/depthmap/ttool_polygon.h"
#include "ui/depthmap/ttool_rectangle.h"
#include "ui/depthmap/ttool_text.h"
#include "ui/widgets/language_binding.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace lumora {
namespace {

using test::Child;

class DepthMapDialogs : public LanguageWidgets
{
public:
    DepthMapDialogs()
        : windows_{&rectangle, &ellipse, &line, &polygon, &text, &rename, &slider, &picker}
    {
    }

    bool HasComponent(const QString& window, const QString& component) const override
    {
        const QWidget* w = Find(window);
        return w != nullptr && HasLanguageComponent(*w, component);
    }
    void ApplyEntry(const QString& window, const QString& component, const QString& property,
                    const QString& value) override
    {
        if (QWidget* w = Find(window))
            ApplyLanguageEntry(*w, component, property, value);
    }
    void ShowDisclaimer(const QString&) override {}

    const std::vector<QWidget*>& All() const { return windows_; }

    TTool_Rectangle rectangle;
    TTool_Ellipse ellipse;
    TTool_Line line;
    TTool_Polygon polygon;
    TTool_Text text;
    TRename_dm_obj rename;
    TDepthSlider_Form slider;
    TGreyPicker picker;

private:
    QWidget* Find(const QString& window) const
    {
        for (QWidget* w : windows_)
            if (w->objectName().compare(window, Qt::CaseInsensitive) == 0)
                return w;
        return nullptr;
    }

    std::vector<QWidget*> windows_;
};

std::map<QString, QString> Texts(const QWidget& dialog)
{
    std::map<QString, QString> texts{{QString(), dialog.windowTitle()}};
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts[label->objectName()] = label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        texts[button->objectName()] = button->text();
        if (!button->toolTip().isEmpty())
            texts[button->objectName() + ".Hint"] = button->toolTip();
    }
    return texts;
}

const QString kUnset = QStringLiteral("\u2047");

void OverwriteAllTexts(QWidget& dialog)
{
    dialog.setWindowTitle(kUnset);
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setText(kUnset);
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        button->setText(kUnset);
        if (!button->toolTip().isEmpty())
            button->setToolTip(kUnset);
    }
}

QString LanguageFile(const char* name)
{
    return QStringLiteral(LUMORA_SHARE_DIR "/languages/") + QString::fromUtf8(name);
}

TEST(DepthMapDialogLanguage, EveryTextBearingControlHasAName)
{
    DepthMapDialogs windows;
    for (const QWidget* w : windows.All()) {
        SCOPED_TRACE(w->objectName().toStdString());
        for (const QWidget* c : w->findChildren<QWidget*>()) {
            const bool hasText = qobject_cast<const QLabel*>(c) ||
                                 qobject_cast<const QAbstractButton*>(c) ||
                                 qobject_cast<const QGroupBox*>(c);
            if (hasText) {
                EXPECT_FALSE(c->objectName().isEmpty()) << c->metaObject()->className();
            }
        }
    }
}

TEST(DepthMapDialogLanguage, EnglishSetsEveryText)
{
    DepthMapDialogs windows;
    for (QWidget* w : windows.All())
        OverwriteAllTexts(*w);
    LanguageManager manager;
    ASSERT_TRUE(manager.ApplyLanguage(LanguageFile("English.l2l"), false, windows));
    for (const QWidget* w : windows.All()) {
        SCOPED_TRACE(w->objectName().toStdString());
        for (const auto& [name, text] : Texts(*w))
            EXPECT_NE(text, kUnset) << "no English text for " << name.toStdString();
    }
    EXPECT_EQ(windows.polygon.windowTitle(), QString("Polygon"));
    EXPECT_EQ(Child<QLabel>(windows.text, "SchriftartLabel")->text(), QString("Font:"));
    EXPECT_EQ(Child<QLabel>(windows.line, "EbenenwahlLabel")->text(), QString("Depth:"));
    EXPECT_EQ(Child<QAbstractButton>(windows.line, "EckigButton")->toolTip(),
              QString("Square ends"));
    EXPECT_EQ(Child<QAbstractButton>(windows.picker, "AbbruchButton")->text(), QString("Cancel"));
    for (const QString& line : manager.Log())
        for (const QWidget* w : windows.All())
            EXPECT_FALSE(line.contains(w->objectName() + ".")) << line.toStdString();
}

TEST(DepthMapDialogLanguage, TheRenameCaptionIsTheLanguageTextOfItsLabel)
{
    DepthMapDialogs windows;
    windows.ApplyEntry("Rename_dm_obj", "RenameGroupLabel", "Caption", "Gruppe umbenennen");
    test::AnswerModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Gruppe umbenennen"));
        test::Click(d, "AbbruchButton");
    });
    windows.rename.ShowRename_dm_object("Gruppe", true);
}

TEST(DepthMapDialogLanguage, GermanAfterEnglishBringsBackTheDesignTexts)
{
    DepthMapDialogs windows;
    std::vector<std::map<QString, QString>> design;
    for (const QWidget* w : windows.All())
        design.push_back(Texts(*w));
    LanguageManager manager;
    ASSERT_TRUE(manager.ApplyLanguage(LanguageFile("English.l2l"), false, windows));
    ASSERT_TRUE(manager.ApplyLanguage(LanguageFile("Deutsch.l2l"), false, windows));
    for (size_t k = 0; k < windows.All().size(); ++k) {
        SCOPED_TRACE(windows.All()[k]->objectName().toStdString());
        const auto german = Texts(*windows.All()[k]);
        for (const auto& [name, text] : design[k])
            EXPECT_EQ(german.at(name), text) << name.toStdString();
    }
}

} // namespace
} // namespace lumora
