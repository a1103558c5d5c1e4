#include "ui/depthmap/shape_dialog.h"

#include "depthmap/tool_dm.h"
#include "ui/widgets/lumo_grey_field.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumora {

ShapeDialog::ShapeDialog(const QString& objectName, const QString& caption, const QString& helpPage,
                         QWidget* parent)
    : LumoDialog(objectName, caption, helpPage, parent)
{
    setModal(true);
    grid_ = new QGridLayout;
    grid_->setColumnStretch(kControlColumn, 1);
    BodyLayout()->addLayout(grid_);
    AddCaption(0, QStringLiteral("EbenenwahlLabel"), QStringLiteral("Ebenenwahl:"));
    depth_ = new LumoGreyField(QStringLiteral("Depth"), this);
    grid_->addWidget(depth_, 0, kControlColumn, 1, 3);
}

int ShapeDialog::NextRow() const
{
    return grid_->rowCount();
}

void ShapeDialog::FinishLayout()
{
    AddOkCancelButtons();
}

int ShapeDialog::Depth() const
{
    return depth_->Value();
}

void ShapeDialog::LoadDepth(const Tool_dm& object)
{
    depth_->SetValue(object.Depth);
}

void ShapeDialog::StoreDepth(Tool_dm& object) const
{
    object.Depth = static_cast<uint8_t>(depth_->Value());
}

bool ShapeDialog::RunModal()
{
    depth_->Edit()->setFocus(Qt::OtherFocusReason);
    return exec() == QDialog::Accepted;
}

QLabel* ShapeDialog::AddCaption(int row, const QString& name, const QString& caption)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    grid_->addWidget(label, row, kCaptionColumn);
    return label;
}

QLabel* ShapeDialog::AddUnit(int row, const QString& name, const QString& unit)
{
    auto* label = new QLabel(unit, this);
    label->setObjectName(name);
    grid_->addWidget(label, row, kUnitColumn);
    return label;
}

ShapeDialog::SliderRow ShapeDialog::AddSliderRow(int row, const QString& name, int minimum,
                                                 int maximum)
{
    SliderRow r;
    r.Slider = new QSlider(Qt::Horizontal, this);
    r.Slider->setObjectName(name + QStringLiteral("Slider"));
    r.Slider->setRange(minimum, maximum);
    grid_->addWidget(r.Slider, row, kControlColumn);
    r.Edit = AddNumberField(row, name, minimum, maximum);
    QSlider* slider = r.Slider;
    QSpinBox* edit = r.Edit;
    connect(slider, &QSlider::valueChanged, edit, [edit](int value) {
        if (edit->value() != value)
            edit->setValue(value);
    });
    connect(edit, &QSpinBox::valueChanged, slider, [slider](int value) {
        if (slider->value() != value)
            slider->setValue(value);
    });
    return r;
}

QSpinBox* ShapeDialog::AddNumberField(int row, const QString& name, int minimum, int maximum)
{
    auto* edit = new QSpinBox(this);
    edit->setObjectName(name + QStringLiteral("Edit"));
    edit->setRange(minimum, maximum);
    grid_->addWidget(edit, row, kFieldColumn);
    return edit;
}

} // namespace lumora
