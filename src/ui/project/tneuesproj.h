#pragma once
// The new-project dialog: the composer size in pixels, helped by an
// aspect-ratio preset. The rules are the core's NewProjectDialogModel; the
// dialog shows its fields, tells it what the user typed and where the
// keyboard focus went, and reads the fields back.

#include "project/new_project_dialog_model.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QSpinBox;

namespace lumora {

// The help page of the dialog's "?" button.
inline constexpr char kNewProjectHelpPage[] = "new_project.l2h";

class TNeuesProj : public QDialog
{
public:
    explicit TNeuesProj(QWidget* parent = nullptr);

    // The "?" button shows the dialog's help page through this.
    void SetShowHelp(std::function<void(const QString& pageName)> showHelp);

    // Modal over model (filled by the caller from the settings). "OK":
    // model.Confirm() on the edited fields, which become the model's, and
    // true. "Abbruch" and the title-bar X leave the model exactly as it
    // was and answer false.
    bool Execute(NewProjectDialogModel& model);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectEdits();
    template <typename Edit> void Forward(Edit edit);
    void ShowModel();

    // The fields being edited; the caller's model takes them on "OK".
    NewProjectDialogModel model_;
    bool showing_ = false;
    std::function<void(const QString&)> showHelp_;

    QSpinBox* widthEdit_ = nullptr;
    QSpinBox* heightEdit_ = nullptr;
    QComboBox* presetList_ = nullptr;
    QSpinBox* aspect1Edit_ = nullptr;
    QLabel* colonLabel_ = nullptr;
    QSpinBox* aspect2Edit_ = nullptr;
};

} // namespace lumora
