#pragma once
// The lumora-assets commands that write language files and picture
// libraries. Each answers the process exit code and prints its failure.
//
//   lumora-assets language SOURCE.txt... OUTPUT.l2l
//   lumora-assets library SOURCE.txt OUTPUT.llb

#include <QString>
#include <QStringList>

namespace lumora {

// The sources are the parts of one language file, joined in order.
int EncodeLanguageCommand(const QStringList& sources, const QString& output);
int EncodeLibraryCommand(const QString& source, const QString& output);

} // namespace lumora
