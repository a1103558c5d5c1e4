// The installed language files reach every caption, label and button of
// the three dialogs: English replaces them all, German brings back the
// texts the dialogs are built with.
#include "app/language_manager.h"
#include "app/language_widgets.h"
#include "dialog_test_support.h"
#include "ui/project/tneuesproj.h"
#include "ui/rendering/trender_opt.h"
#include "ui/rendering/tstereo_prog.h"
#include "ui/widgets/language_binding.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace lumora {
namespace {

using test::Child;

// The three dialogs as the windows a language file names.
class DialogWindows : public LanguageWidgets
{
public:
    DialogWindows() : windows_{&renderOpt, &stereoProg, &neuesProj} {}

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
    void ShowDisclaimer(const QString&) override { ++disclaimers; }

    const std::vector<QWidget*>& All() const { return windows_; }

    TRender_opt renderOpt;
    TStereo_Prog stereoProg;
    TNeuesProj neuesProj;
    int disclaimers = 0;

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

// Every text of a dialog a language file sets, by object name ("" for the
// window's own caption). The row counter shows numbers, not a text.
std::map<QString, QString> Texts(const QWidget& dialog)
{
    std::map<QString, QString> texts{{QString(), dialog.windowTitle()}};
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->objectName() != "RowCounterLabel")
            texts[label->objectName()] = label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts[button->objectName()] = button->text();
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        texts[group->objectName()] = group->title();
    return texts;
}

const QString kUnset = QStringLiteral("\u2047");

void OverwriteAllTexts(QWidget& dialog)
{
    dialog.setWindowTitle(kUnset);
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->objectName() != "RowCounterLabel")
            label->setText(kUnset);
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        button->setText(kUnset);
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        group->setTitle(kUnset);
}

QString LanguageFile(const char* name)
{
    return QStringLiteral(LUMORA_SHARE_DIR "/languages/") + QString::fromUtf8(name);
}

TEST(DialogLanguage, EveryTextBearingControlHasAName)
{
    DialogWindows windows;
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

TEST(DialogLanguage, EnglishSetsEveryText)
{
    DialogWindows windows;
    for (QWidget* w : windows.All())
        OverwriteAllTexts(*w);
    LanguageManager manager;
    ASSERT_TRUE(manager.ApplyLanguage(LanguageFile("English.l2l"), false, windows));
    for (const QWidget* w : windows.All()) {
        SCOPED_TRACE(w->objectName().toStdString());
        for (const auto& [name, text] : Texts(*w))
            EXPECT_NE(text, kUnset) << "no English text for " << name.toStdString();
    }
    EXPECT_EQ(windows.renderOpt.windowTitle(), QString("Render Settings"));
    EXPECT_EQ(windows.neuesProj.windowTitle(), QString("New Project"));
    EXPECT_EQ(Child<QLabel>(windows.renderOpt, "HoeheLabel")->text(), QString("Height:"));
    EXPECT_EQ(Child<QAbstractButton>(windows.renderOpt, "AbbruchButton")->text(),
              QString("Cancel"));
    EXPECT_EQ(Child<QAbstractButton>(windows.stereoProg, "VorlageErzeugenCheck")->text(),
              QString("Create depth map"));
    EXPECT_EQ(Child<QLabel>(windows.neuesProj, "SeitenverhaeltnisLabel")->text(),
              QString("Aspect ratio:"));
    // No entry of the two sections names a component the dialogs lack.
    for (const QString& line : manager.Log())
        EXPECT_FALSE(line.contains("Render_opt.") || line.contains("Stereo_Prog.") ||
                     line.contains("NeuesProj."))
            << line.toStdString();
}

TEST(DialogLanguage, GermanAfterEnglishBringsBackTheDesignTexts)
{
    DialogWindows windows;
    std::vector<std::map<QString, QString>> design;
    for (const QWidget* w : windows.All())
        design.push_back(Texts(*w));
    LanguageManager manager;
    ASSERT_TRUE(manager.ApplyLanguage(LanguageFile("English.l2l"), false, windows));
    EXPECT_NE(Texts(windows.renderOpt), design[0]);
    EXPECT_NE(Texts(windows.stereoProg), design[1]);
    EXPECT_NE(Texts(windows.neuesProj), design[2]);
    ASSERT_TRUE(manager.ApplyLanguage(LanguageFile("Deutsch.l2l"), false, windows));
    for (size_t k = 0; k < windows.All().size(); ++k) {
        SCOPED_TRACE(windows.All()[k]->objectName().toStdString());
        const auto german = Texts(*windows.All()[k]);
        for (const auto& [name, text] : design[k])
            EXPECT_EQ(german.at(name), text) << name.toStdString();
    }
    EXPECT_EQ(windows.disclaimers, 0);
}

} // namespace
} // namespace lumora
