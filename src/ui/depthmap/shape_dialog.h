#pragma once
// ShapeDialog: what the five shape dialogs share. Below the title band a
// grid of controls whose first row is the depth ("Ebenenwahl:", a grey bar
// and a number field 0..255), then the dialog's own rows, then "OK" and
// "Abbruch". The dialogs load an object's values into the controls and,
// on "OK" only, write them back; they record no undo step (the command
// that opens them does).

#include "ui/widgets/lumo_dialog.h"

#include <cstdint>

class QGridLayout;
class QLabel;
class QSlider;
class QSpinBox;

namespace lumora {

class LumoGreyField;
class Tool_dm;

class ShapeDialog : public LumoDialog
{
public:
    // The columns of the grid: caption, control, number field, unit.
    enum Column
    {
        kCaptionColumn = 0,
        kControlColumn = 1,
        kFieldColumn = 2,
        kUnitColumn = 3,
    };

    int Depth() const;
    LumoGreyField* DepthField() const { return depth_; }

protected:
    ShapeDialog(const QString& objectName, const QString& caption, const QString& helpPage,
                QWidget* parent);

    QGridLayout* Grid() const { return grid_; }
    // The next free row of the grid.
    int NextRow() const;
    // Puts the OK / Abbruch row under the grid; called once the dialog's
    // own rows are in place.
    void FinishLayout();

    void LoadDepth(const Tool_dm& object);
    void StoreDepth(Tool_dm& object) const;

    // Modal; true for "OK", false for "Abbruch", "X" and Escape.
    bool RunModal();

    QLabel* AddCaption(int row, const QString& name, const QString& caption);
    QLabel* AddUnit(int row, const QString& name, const QString& unit);
    // A slider and a number field over one range that follow each other.
    struct SliderRow
    {
        QSlider* Slider = nullptr;
        QSpinBox* Edit = nullptr;
    };
    SliderRow AddSliderRow(int row, const QString& name, int minimum, int maximum);
    QSpinBox* AddNumberField(int row, const QString& name, int minimum, int maximum);

private:
    QGridLayout* grid_ = nullptr;
    LumoGreyField* depth_ = nullptr;
};

} // namespace lumora
