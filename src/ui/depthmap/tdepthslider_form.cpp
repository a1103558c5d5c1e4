#include "ui/depthmap/tdepthslider_form.h"

#include "ui/widgets/lumo_grey_field.h"

#include <QVBoxLayout>

namespace lumora {

TDepthSlider_Form::TDepthSlider_Form(QWidget* parent)
    : LumoDialog(QStringLiteral("DepthSlider_Form"), QStringLiteral("Tiefe"),
                 QString::fromLatin1(kHelpPage), parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    depth_ = new LumoGreyField(QStringLiteral("Depth"), this);
    depth_->setMinimumWidth(300);
    // The window keeps its size while the controls are hidden.
    QSizePolicy policy = depth_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    depth_->setSizePolicy(policy);
    BodyLayout()->addWidget(depth_);
    depth_->SetOnConfirmed([this](int value) {
        if (onDepthChosen_ && depth_->isVisible())
            onDepthChosen_(static_cast<uint8_t>(value));
    });
    ShowDepth(std::nullopt);
}

void TDepthSlider_Form::ShowDepth(std::optional<uint8_t> depth)
{
    if (depth)
        depth_->SetValue(*depth);
    depth_->setVisible(depth.has_value());
}

bool TDepthSlider_Form::DepthShown() const
{
    return !depth_->isHidden();
}

int TDepthSlider_Form::Value() const
{
    return depth_->Value();
}

void TDepthSlider_Form::reject()
{
    LumoDialog::reject();
    if (onClosed_)
        onClosed_();
}

} // namespace lumora
