#pragma once
// The per-user settings store: an INI file under the user's configuration
// folder (organisation "Velbrook", application "Lumora R2") with the groups
// "Position", "Paths" and "Settings". The store is opened for one load or
// save only. No failure of the store reaches the user: a missing or
// mistyped value keeps its default, and every value is read and written on
// its own, so one bad entry does not stop the others.

#include "app/application_settings.h"
#include "rendering/render_options.h"

#include <QString>
#include <memory>

class QSettings;

namespace lumora {

class SettingsStore
{
public:
    static constexpr const char* kOrganisation = "Velbrook";
    static constexpr const char* kApplication = "Lumora R2";

    // The user's store.
    SettingsStore();
    // A store in the given INI file.
    explicit SettingsStore(QString iniFileName);

    // Reads "Position" and the general part of "Settings" over the values
    // already in settings. The render options are read separately
    // (LoadRenderOptions) right after this at start-up.
    void LoadSettings(ApplicationSettings& settings) const;

    // Writes "Position", "Paths" (the program file's path) and the
    // general part of "Settings". A dialog folder is written only when its
    // dialog chose a file in this run. Answers whether the store took it.
    bool SaveSettings(const ApplicationSettings& settings) const;

    // The defaults, each overwritten by its stored value when that reads.
    // Values outside the dialog's ranges are not taken.
    RenderOptions LoadRenderOptions() const;
    // Writes the 23 render options ("Set as default").
    bool SaveRenderOptions(const RenderOptions& options) const;

    // Where the store lives.
    QString FileName() const;

private:
    std::unique_ptr<QSettings> Open() const;
    QString iniFileName_; // empty: the user's store
};

} // namespace lumora
