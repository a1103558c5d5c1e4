#pragma once
// What the plug-in dialog TTool_PlugIn holds and does apart from its
// widgets: the list of usable plug-ins of the "PlugIns" folder, reading the
// chosen one (Laden), the script buffer, the lines shown about the
// plug-in, the image number, and the preview rendered into a buffer twice
// the size of the preview box. The dialog shows what this holds and calls
// these operations from its controls.

#include "rendering/lumo_pixelengine256.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace lumora {

class DepthObjects;
class Tool_dm_PlugIn;
struct IntRect;

class PlugInDialogModel
{
public:
    static constexpr int kPreviewBoxWidth = 204;
    static constexpr int kPreviewBoxHeight = 129;
    static constexpr int kPreviewWidth = 2 * kPreviewBoxWidth;   // 408
    static constexpr int kPreviewHeight = 2 * kPreviewBoxHeight; // 258

    // Lists the plug-ins of the folder (the program folder's "PlugIns").
    explicit PlugInDialogModel(const QString& plugInFolder);
    PlugInDialogModel(const PlugInDialogModel&) = delete;
    PlugInDialogModel& operator=(const PlugInDialogModel&) = delete;

    // Fills the two parallel lists with the usable plug-ins of the folder:
    // their names to show and their file names. The entries come in the
    // order of their file names, compared without regard to case.
    void GetAvailablePlugIns(const QString& folder);
    const QStringList& Names() const { return names_; }
    const QStringList& FileNames() const { return fileNames_; }
    const QString& Folder() const { return folder_; }

    // Reads one plug-in file into the dialog: 0 on success, -1 when the
    // file is no plug-in (nothing changes) or has no script (the script
    // buffer is left empty). A file damaged after its header empties the
    // script buffer and throws LumoraError.
    int32_t Laden(const QString& fileName);

    // The user chose entry index of the list: reads it, keeps the load
    // result and repaints the preview after a successful read. A script
    // error of the preview is thrown after the file was read.
    void ChooseEntry(int index);
    int SelectedEntry() const { return selectedEntry_; }

    // Runs the script buffer into the preview buffer at 408 x 258, with
    // Invert off; only with a script, a load result that is not negative
    // and the preview enabled. Answers whether it ran. Throws LumoraError
    // for a script error (what was drawn before it stays).
    bool RepaintPreview();
    const TPixelEngine256& Preview() const { return preview_; }

    // "Image Number", 0 to 100000; a change repaints the preview.
    void SetImageNumber(int32_t number);
    int32_t ImageNumber() const { return imageNumber_; }

    // Opening the dialog for a new object (Create_via_Form, step 1): image
    // number 0 and the first entry read, without running its script yet.
    void PrepareForCreate();
    // Whether OK can create an object: a plug-in with a script was read.
    bool CanCreate() const;
    // OK on a new object: builds it over the dragged rectangle with the
    // next id and the kind's default name and appends it. Answers false and
    // creates nothing without a script.
    bool CreateObject(const IntRect& rect, DepthObjects& objects) const;

    // Opening the dialog on an existing object (Edit_Data, step 1).
    void PrepareForEdit(const Tool_dm_PlugIn& object);
    // OK on an existing object: the shown values go back into it.
    void ApplyTo(Tool_dm_PlugIn& object) const;

    // The dialog closed: the preview runs only while it is open.
    void Close() { previewEnabled_ = false; }

    // What the dialog shows.
    const QStringList& ScriptBuffer() const { return script_; }
    const QStringList& DescriptionLines() const { return description_; }
    const QString& NameLine() const { return name_; }
    const QString& AuthorLine() const { return author_; }
    const QString& CountryLine() const { return country_; }
    const QString& EMailLine() const { return eMail_; }
    const QString& InternetLine() const { return internet_; }
    int32_t LoadResult() const { return loadResult_; }
    bool PreviewEnabled() const { return previewEnabled_; }

private:
    QString folder_;
    QStringList names_;
    QStringList fileNames_;
    int selectedEntry_ = -1;
    QStringList script_;
    QStringList description_;
    QString name_;
    QString author_;
    QString country_;
    QString eMail_;
    QString internet_;
    int32_t imageNumber_ = 0;
    int32_t loadResult_ = -1;
    bool previewEnabled_ = false;
    TPixelEngine256 preview_;
};

} // namespace lumora
