#include "ui/depthmap/ttool_line.h"

#include "depthmap/tool_dm_line.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>
#include <QToolButton>

namespace lumora {
namespace {

// A short thick line with the end style of the button.
QIcon CapIcon(Qt::PenCapStyle cap)
{
    QPixmap pixmap(32, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 10, Qt::SolidLine, cap));
    painter.drawLine(QPoint(8, 8), QPoint(24, 8));
    return QIcon(pixmap);
}

QToolButton* CapButton(const QString& name, const QString& caption, Qt::PenCapStyle cap,
                       QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(CapIcon(cap));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setCheckable(true);
    button->setAutoRaise(false);
    return button;
}

} // namespace

TTool_Line::TTool_Line(QWidget* parent)
    : ShapeDialog(QStringLiteral("Tool_Line"), QStringLiteral("Linie"),
                  QString::fromLatin1(kHelpPage), parent)
{
    int row = NextRow();
    AddCaption(row, QStringLiteral("DickeLabel"), QStringLiteral("Dicke:"));
    thickness_ = AddNumberField(row, QStringLiteral("Dicke"), Tool_dm_line::MinThickness,
                                Tool_dm_line::MaxThickness);
    // The field takes the control column too: there is no slider.
    Grid()->addWidget(thickness_, row, kControlColumn, 1, 2);
    AddUnit(row, QStringLiteral("DickePixelLabel"), QStringLiteral("Pixel"));

    ++row;
    AddCaption(row, QStringLiteral("StilLabel"), QStringLiteral("Stil:"));
    capStyle_ = new QButtonGroup(this);
    auto* buttons = new QHBoxLayout;
    QToolButton* round =
        CapButton(QStringLiteral("RundButton"), QStringLiteral("Rund"), Qt::RoundCap, this);
    QToolButton* square =
        CapButton(QStringLiteral("EckigButton"), QStringLiteral("Eckig"), Qt::SquareCap, this);
    round->setToolTip(QStringLiteral("Runde Enden"));
    square->setToolTip(QStringLiteral("Eckige Enden"));
    capStyle_->addButton(round, kRoundEnds);
    capStyle_->addButton(square, kSquareEnds);
    buttons->addWidget(round);
    buttons->addWidget(square);
    buttons->addStretch();
    Grid()->addLayout(buttons, row, kControlColumn, 1, 3);
    FinishLayout();
}

std::unique_ptr<Tool_dm_line> TTool_Line::ExecuteNew(const IntRect& rect, uint8_t dirX,
                                                     uint8_t dirY)
{
    auto object =
        std::make_unique<Tool_dm_line>(0, rect.Left, rect.Top, rect.Width, rect.Height, dirX, dirY);
    if (!Execute(*object))
        return nullptr;
    return object;
}

bool TTool_Line::Execute(Tool_dm_line& object)
{
    Load(object);
    if (!RunModal())
        return false;
    Store(object);
    return true;
}

void TTool_Line::Load(const Tool_dm_line& object)
{
    LoadDepth(object);
    thickness_->setValue(object.Thickness);
    // An end style the two buttons do not show (from a file) checks
    // neither and is kept unless the user picks one.
    capStyle_->setExclusive(false);
    for (QAbstractButton* button : capStyle_->buttons())
        button->setChecked(capStyle_->id(button) == object.CapStyle);
    capStyle_->setExclusive(true);
}

void TTool_Line::Store(Tool_dm_line& object) const
{
    StoreDepth(object);
    object.Thickness = thickness_->value();
    if (const int checked = capStyle_->checkedId(); checked >= 0)
        object.CapStyle = static_cast<uint8_t>(checked);
}

} // namespace lumora
