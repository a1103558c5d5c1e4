#pragma once
// TPrefs: the preferences ("Voreinstellungen..."). Three pages, each shown
// by its button: "General" (the undo steps, whether the welcome screen is
// shown, the current render options as the default ones), "Sprache" (the
// languages, their translators, importing a language file) and "Project
// save" (the quality of the pictures stored in projects). The values live
// in the program's settings; "OK" hands them back, "Abbruch" and "X"
// change nothing. Only "Set as default" and "Import Language..." act at
// once.

#include <QDialog>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QListWidget;
class QSlider;
class QSpinBox;
class QStackedWidget;

namespace lumora {

class ProgramContext;

// The filter of "Import Language...".
inline constexpr char kLanguageFileFilter[] = "Lumora R2 Language (*.l2l)";

class TPrefs : public QDialog
{
public:
    enum class Page
    {
        General,
        Language,
        ProjectSave,
    };

    static constexpr int kDefaultUndoSteps = 20;
    static constexpr int kDefaultImageQuality = 80;
    static constexpr char kHelpPage[] = "pref_dialog.l2h";

    explicit TPrefs(ProgramContext& context, QWidget* parent = nullptr);

    // Fills the fields from the settings, shows the dialog modally on the
    // "General" page and, with "OK", applies them. Answers whether "OK"
    // was pressed.
    bool Execute();

    // " Start Dialog anzeigen", always the opposite of the welcome
    // screen's "Don't show this dialog again".
    void SetStartDialogShown(bool shown);
    bool StartDialogShown() const;

    Page CurrentPage() const;
    void SetShowHelp(std::function<void(const QString& page)> handler)
    {
        help_ = std::move(handler);
    }

private:
    QWidget* BuildGeneralPage();
    QWidget* BuildLanguagePage();
    QWidget* BuildProjectPage();
    void BuildControls();
    void ConnectControls();
    void ShowPage(Page page);
    void ShowLanguages();
    void ShowLanguageDetails(int item);
    void QualityFromSlider(int value);
    void QualityFromField(int value);
    void SetAsDefaultClicked();
    void ImportLanguageClicked();
    // "OK" on the language page: a file that no longer reads is told.
    void ApplyLanguageChoice();
    void Apply();

    ProgramContext& context_;
    std::function<void(const QString&)> help_;
    bool qualityGuard_ = false;

    QStackedWidget* pages_ = nullptr;
    QSpinBox* undoSteps_ = nullptr;
    QCheckBox* startDialog_ = nullptr;
    QListWidget* languages_ = nullptr;
    QLabel* author_ = nullptr;
    QLabel* contact_ = nullptr;
    QLabel* version_ = nullptr;
    QSlider* quality_ = nullptr;
    QSpinBox* qualityField_ = nullptr;
};

} // namespace lumora
