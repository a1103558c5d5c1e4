#include "ui/depthmap/tgreypicker.h"

#include "ui/widgets/lumo_grey_bar.h"
#include "ui/widgets/lumo_grey_field.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumora {
namespace {

constexpr int kRampHeight = 40;
constexpr int kSwatchSize = 48;

} // namespace

TGreyPicker::TGreyPicker(QWidget* parent)
    : LumoDialog(QStringLiteral("GreyPicker"), QStringLiteral("Hintergrund Tiefe"),
                 QString::fromLatin1(kHelpPage), parent)
{
    setModal(true);
    auto* hint = new QLabel(QStringLiteral("0 = hinten, 255 = vorne"), this);
    hint->setObjectName(QStringLiteral("HinweisLabel"));
    BodyLayout()->addWidget(hint);

    auto* row = new QHBoxLayout;
    grey_ = new LumoGreyField(QStringLiteral("Grey"), this);
    grey_->Bar()->setFixedHeight(kRampHeight);
    grey_->setMinimumWidth(320);
    swatch_ = new QFrame(this);
    swatch_->setObjectName(QStringLiteral("GreySwatch"));
    swatch_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    swatch_->setFixedSize(kSwatchSize, kSwatchSize);
    swatch_->setAutoFillBackground(true);
    row->addWidget(swatch_);
    row->addWidget(grey_, 1);
    BodyLayout()->addLayout(row);
    AddOkCancelButtons();

    grey_->SetOnChanged([this](int grey) { ShowSwatch(grey); });
    ShowSwatch(grey_->Value());
}

std::optional<uint8_t> TGreyPicker::Execute(uint8_t depth)
{
    grey_->SetValue(depth);
    ShowSwatch(depth);
    grey_->Edit()->selectAll();
    grey_->Edit()->setFocus(Qt::OtherFocusReason);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return static_cast<uint8_t>(grey_->Value());
}

void TGreyPicker::ShowSwatch(int grey)
{
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, QColor(grey, grey, grey));
    swatch_->setPalette(palette);
}

} // namespace lumora
