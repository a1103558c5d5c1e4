#pragma once
// What the 3D dialog TTool_3D holds and does apart from its widgets: the
// scene it shows (model or 3D text under the view state), the states of
// its controls, loading models and primitives, and creating and editing
// the three 3D depth objects. The window implements Tool3DDialogUi, shows
// what this model holds and forwards its control and mouse events.

#include "models/model_readers.h"
#include "models/scene_3d.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

namespace lumora {

class DepthObjects;
class Tool_dm;
class Tool_dm_3d;
class Tool_dm_3d_model;
class Tool_dm_3d_primitive;
class Tool_dm_3d_text;

class Tool3DDialogUi
{
public:
    enum class Group
    {
        Primitives,
        Model,
        Text
    };

    virtual ~Tool3DDialogUi() = default;

    virtual void ShowOnlyGroup(Group group) = 0;
    virtual void SetOkVisible(bool visible) = 0;
    virtual void SetSaveAsImageVisible(bool visible) = 0;
    virtual void SetViewTitle(const QString& title) = 0;
    // The pressed primitive button, 0 for all released.
    virtual void SetPressedPrimitive(int number) = 0;
    // Shows the dialog modally: 1 for "OK", 0 for "Abbruch" or the close box.
    virtual int ShowModal() = 0;
    virtual void Repaint() {}

    // A language text (sections "3DBezeichnung" and "Anzeigen").
    virtual QString LanguageText(const QString& section, const QString& key) const = 0;
    // The open project's file name, empty when none is open.
    virtual QString ProjectFileName() const = 0;
    // The file search window (ShowFileSearch): answers whether the user
    // located the file and then updates fileName.
    virtual bool FileSearch(QString& fileName, const QString& filter) = 0;
    // A reader's error, shown in the message box.
    virtual void ShowError(const QString& text) = 0;
    // The progress label of the readers; may be nullptr.
    virtual ModelLoadProgress* Progress() { return nullptr; }
    // The sorted installed TrueType font families.
    virtual QStringList InstalledFonts() const = 0;
};

struct PrimitiveInfo
{
    int Number;
    const char* Hint; // also the language key of the view title
    const char* FileName;
    double ScaleValue;
};

// The nine primitives of the "data" folder.
const std::array<PrimitiveInfo, 9>& Primitives();

class Tool3DDialogModel
{
public:
    // dataFolder: the program folder's "data", which holds the primitives.
    Tool3DDialogModel(Tool3DDialogUi& ui, const QString& dataFolder);

    Scene3D Scene;
    bool Transparent = true; // "Transparent zeichnen"
    QString TextBox;         // "3D Text:"
    int PrimitiveNumber = 0; // of the primitive last loaded, 0 for none
    QString ModelFileName;   // of the model last loaded

    // Model_laden: finds and reads a model file (see the readers); answers
    // whether a model was loaded.
    bool Model_laden(QString fileName);
    // A primitive button (1..9).
    bool LoadPrimitive(int number);

    // Controls of the 3D text group.
    void SetText(const QString& text); // the text box changed: repaint only
    void SetExtrusion(int position);
    // The font dialog closed, with the user's choice when confirmed; the
    // glyph lists are rebuilt either way.
    void FontDialogClosed(const QString* fontName, const bool* bold, const bool* italic);

    // The picture read back from the view.
    GreyPicture Paint_final() { return Scene.Paint_final(); }

    bool Create_via_Form(int32_t x, int32_t y, int32_t w, int32_t h, int32_t kind,
                         DepthObjects& objects);
    bool Edit_Data_Primitive(Tool_dm_3d_primitive& object);
    bool Edit_Data_Model(Tool_dm_3d_model& object);
    bool Edit_Data_Text(Tool_dm_3d_text& object);
    // The parameter dialog of any of the three kinds; false for others.
    bool EditObject(Tool_dm& object);

private:
    void ShowGroup(Tool3DDialogUi::Group group);
    void RestoreSettings(const Tool_dm_3d& object);
    void StoreSettings(Tool_dm_3d& object);
    QString TextTitle() const;
    QString ChooseFont(const QString& wanted) const;

    Tool3DDialogUi& ui_;
    QString dataFolder_;
};

} // namespace lumora
