#pragma once
// Importing a file into one of the installation's folders (a language
// file, a picture library): the file is copied under its own name; an
// existing file of that name is replaced only when the user agrees. The
// copy goes to a temporary file that replaces the target only when it is
// complete, so a failed import never destroys the file it would replace.

#include <QString>
#include <functional>

namespace lumora {

enum class ImportResult
{
    Copied,
    Declined, // the target exists and the user did not agree to replace it
};

// confirmOverwrite gets the target path and answers whether to replace it
// (the message box's "Ja"; "Nein" and "Abbrechen" answer false). Throws
// LumoraError when the source cannot be read or the copy cannot be
// written.
ImportResult ImportFileInto(const QString& source, const QString& folder,
                            const std::function<bool(const QString& target)>& confirmOverwrite);

// The path the import writes to: the source's file name inside folder.
QString ImportTarget(const QString& source, const QString& folder);

} // namespace lumora
