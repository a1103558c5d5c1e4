#include "ui/widgets/lumo_grey_field.h"

#include "ui/widgets/lumo_grey_bar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSpinBox>

namespace lumora {

LumoGreyField::LumoGreyField(const QString& namePrefix, QWidget* parent) : QWidget(parent)
{
    setObjectName(namePrefix + QStringLiteral("Field"));
    bar_ = new LumoGreyBar(this);
    bar_->setObjectName(namePrefix + QStringLiteral("Bar"));
    edit_ = new QSpinBox(this);
    edit_->setObjectName(namePrefix + QStringLiteral("Edit"));
    edit_->setRange(0, 255);
    edit_->installEventFilter(this);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bar_, 1);
    row->addWidget(edit_);

    connect(bar_, &QAbstractSlider::valueChanged, this, [this](int value) {
        if (edit_->value() != value)
            edit_->setValue(value);
        Changed(value);
    });
    connect(edit_, &QSpinBox::valueChanged, this, [this](int value) {
        if (bar_->value() != value)
            bar_->setValue(value);
    });
    connect(bar_, &QAbstractSlider::sliderReleased, this, [this] { Confirm(); });
}

int LumoGreyField::Value() const
{
    return bar_->value();
}

void LumoGreyField::SetValue(int value)
{
    bar_->setValue(value);
    edit_->setValue(bar_->value());
}

void LumoGreyField::Changed(int value)
{
    if (onChanged_)
        onChanged_(value);
}

void LumoGreyField::Confirm()
{
    if (onConfirmed_)
        onConfirmed_(Value());
}

bool LumoGreyField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // What is typed counts first, then it is confirmed; the key
            // goes on to the window (a dialog's default button).
            edit_->interpretText();
            Confirm();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumora
