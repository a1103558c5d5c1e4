#include "ui/app/file_dialogs.h"

#include <QFileDialog>

namespace lumora {

QString StandardFileDialogs::OpenFileName(QWidget* parent, const QString& folder,
                                          const QStringList& filters)
{
    QFileDialog dialog(parent, QString(), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

SaveFileChoice StandardFileDialogs::SaveFileName(QWidget* parent, const QString& folder,
                                                 const QStringList& filters,
                                                 const QString& defaultSuffix)
{
    QFileDialog dialog(parent, QString(), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(),
            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

} // namespace lumora
