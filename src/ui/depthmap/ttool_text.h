#pragma once
// TTool_Text: the dialog of the text (kind 5), through which a text is
// also created: its depth, the text, the face from the list of installed
// fonts, bold, italic, underlined and struck out, and a preview of the
// text in that font. An empty text is replaced by the default text (the
// language text "3DBezeichnung" "Text"); a face that is not installed
// gives way to "Arial", or to the first installed font without it.

#include "common/numeric.h"
#include "ui/depthmap/shape_dialog.h"

#include <QStringList>
#include <memory>
#include <optional>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace lumora {

class LanguageTexts;
class TextPreview;
class Tool_dm_Text;

class TTool_Text : public ShapeDialog
{
public:
    static constexpr char kHelpPage[] = "dm_tool_text.l2h";
    static constexpr char kDefaultFace[] = "Arial";

    explicit TTool_Text(QWidget* parent = nullptr);
    ~TTool_Text() override;

    // The program's language texts, read when the dialog opens; nullptr
    // (the default) uses the German design text.
    void SetTexts(const LanguageTexts* texts) { texts_ = texts; }
    // An exact list of installed faces in place of the platform's (for a
    // machine whose fonts are known); nothing returns to the platform's.
    void SetInstalledFonts(std::optional<QStringList> fonts) { fontsOverride_ = std::move(fonts); }

    // For a new text in rect: depth 255, the default text, "Arial" (or the
    // first font) and no style. "OK" answers it (Id 0 and no name yet).
    std::unique_ptr<Tool_dm_Text> ExecuteNew(const IntRect& rect);
    // On an object: its values, a face that is not installed replaced as
    // above; "OK" writes the edited values back and answers true.
    bool Execute(Tool_dm_Text& object);

    QString DefaultText() const;
    // The installed faces the list shows, sorted.
    QStringList InstalledFonts() const;
    // Whether a face draws as itself or as its metric-compatible stand-in.
    bool FaceInstalled(const QString& face) const;
    // wanted when installed, else "Arial", else the first installed font.
    QString ChooseFace(const QString& wanted) const;

    TextPreview* Preview() const { return preview_; }

private:
    void Load(const Tool_dm_Text& object);
    void Store(Tool_dm_Text& object) const;
    void FillFontList(const QString& face);
    QString SelectedFace() const;
    void ShowPreview();

    const LanguageTexts* texts_ = nullptr;
    std::optional<QStringList> fontsOverride_;
    QLineEdit* text_ = nullptr;
    QListWidget* fonts_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QCheckBox* strikeOut_ = nullptr;
    TextPreview* preview_ = nullptr;
};

} // namespace lumora
