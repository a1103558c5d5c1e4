#pragma once
// TProgress_Form: the progress window of saving and opening a project.
// ShowProgress shows it at position 0 with a caption and a maximum,
// IncPosition advances it by one, CloseProgress hides it. It is painted
// at once after every change, because the operation blocks the event loop.

#include "project/project_file.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace lumora {

class LanguageTexts;

class TProgress_Form : public QDialog, public ProjectFileProgress
{
public:
    // The captions of opening and saving are the language texts
    // ProjectProgress1 and ProjectProgress2 of texts.
    explicit TProgress_Form(const LanguageTexts& texts, QWidget* parent = nullptr);

    void ShowProgress(const QString& caption, int maximum);
    int Position() const;
    int Maximum() const;

    // ProjectFileProgress
    void ShowProgress(Operation operation, int maximum) override;
    void IncPosition() override;
    void CloseProgress() override;

private:
    void PaintNow();

    const LanguageTexts& texts_;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

} // namespace lumora
