#pragma once
// The render options dialog: size, resolution, viewing geometry, quality,
// direction and tile fitting of the stereogram. Every rule lives in the
// core's RenderOptionsDialogModel; the widgets forward each edit to it and
// show its values again.

#include "rendering/render_options_dialog_model.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
class QSpinBox;
class QToolButton;

namespace lumora {

// The help page of the dialog's "?" button.
inline constexpr char kRenderOptionsHelpPage[] = "render_settings_dialog.l2h";

class Project;

class TRender_opt : public QDialog
{
public:
    explicit TRender_opt(QWidget* parent = nullptr);

    // The "?" button shows the dialog's help page through this.
    void SetShowHelp(std::function<void(const QString& pageName)> showHelp);

    // Modal. Loads the controls from project.Options. "OK" confirms the
    // values into the project (tile width to every tile object, out-of-date
    // and modified set) and answers true; "Abbruch" and the title-bar X
    // store nothing and answer false.
    bool Execute(Project& project);

private:
    struct DistanceRow
    {
        QLabel* Caption = nullptr;
        QDoubleSpinBox* Value = nullptr;
        QComboBox* Unit = nullptr;
        QLabel* LinkMark = nullptr; // only the two linkable distances have one
    };

    QGroupBox* BuildRenderSizeGroup();
    QGroupBox* BuildRenderSettingsGroup();
    QGroupBox* BuildTileSettingsGroup();
    QWidget* BuildButtons();
    DistanceRow AddDistanceRow(QGridLayout& grid, int row, const QString& name,
                               const QString& caption, bool linkable);
    QRadioButton* AddRadio(QButtonGroup& group, int id, const QString& name,
                           const QString& caption);
    void ConnectEdits();
    void ConnectDistanceRow(const DistanceRow& row,
                            void (RenderOptionsDialogModel::*setValue)(double),
                            void (RenderOptionsDialogModel::*setUnit)(DistanceUnit));

    // Runs one model handler, then shows the model again; edits that arrive
    // while the controls are being written are the dialog's own and ignored.
    template <typename Edit> void Forward(Edit edit);
    void ShowModel();
    void ShowRenderSize();
    void ShowRenderSettings();
    void ShowDistances();
    void ShowTileSettings();

    RenderOptionsDialogModel model_;
    bool showing_ = false;
    std::function<void(const QString&)> showHelp_;

    QDoubleSpinBox* widthEdit_ = nullptr;
    QComboBox* widthUnit_ = nullptr;
    QDoubleSpinBox* heightEdit_ = nullptr;
    QComboBox* heightUnit_ = nullptr;
    QComboBox* aspectPreset_ = nullptr;
    QSpinBox* aspectNumerator_ = nullptr;
    QLabel* aspectColon_ = nullptr;
    QSpinBox* aspectDenominator_ = nullptr;
    QSpinBox* dpiEdit_ = nullptr;

    QButtonGroup* typeGroup_ = nullptr;
    QComboBox* qualityList_ = nullptr;
    QButtonGroup* directionGroup_ = nullptr;
    QLabel* customStartLabel_ = nullptr;
    QSlider* customStartSlider_ = nullptr;
    QSpinBox* customStartEdit_ = nullptr;
    QLabel* customStartPixel_ = nullptr;
    DistanceRow eyeScreen_;
    DistanceRow maxDepth_;
    DistanceRow minDepth_;
    QToolButton* linkButton_ = nullptr;

    QButtonGroup* smallerGroup_ = nullptr;
    QButtonGroup* biggerGroup_ = nullptr;
    QCheckBox* changeTileWidth_ = nullptr;
    QSpinBox* tileWidthEdit_ = nullptr;
};

} // namespace lumora
