#pragma once
// The program's file dialogs behind one small interface, so that a test
// answers them in place of a user.

#include <QString>
#include <QStringList>

class QWidget;

namespace lumora {

struct SaveFileChoice
{
    QString FileName;    // empty when cancelled
    int FilterIndex = 0; // 1-based index of the chosen filter
};

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The chosen existing file, or empty when cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& folder,
                                 const QStringList& filters) = 0;
    // The chosen file, with an overwrite prompt for an existing one; a name
    // typed without extension gets defaultSuffix.
    virtual SaveFileChoice SaveFileName(QWidget* parent, const QString& folder,
                                        const QStringList& filters,
                                        const QString& defaultSuffix) = 0;
};

// The platform's standard dialogs.
class StandardFileDialogs : public FileDialogs
{
public:
    QString OpenFileName(QWidget* parent, const QString& folder,
                         const QStringList& filters) override;
    SaveFileChoice SaveFileName(QWidget* parent, const QString& folder, const QStringList& filters,
                                const QString& defaultSuffix) override;
};

} // namespace lumora
