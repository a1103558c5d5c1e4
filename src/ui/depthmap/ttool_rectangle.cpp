#include "ui/depthmap/ttool_rectangle.h"

#include "depthmap/tool_dm_rectangle.h"

#include <QSlider>
#include <QSpinBox>

namespace lumora {

TTool_Rectangle::TTool_Rectangle(QWidget* parent)
    : ShapeDialog(QStringLiteral("Tool_Rectangle"), QStringLiteral("Rechteck"),
                  QString::fromLatin1(kHelpPage), parent)
{
    const int row = NextRow();
    AddCaption(row, QStringLiteral("RundungLabel"), QStringLiteral("Rundung:"));
    rounding_ = AddSliderRow(row, QStringLiteral("Rundung"), 0, 100);
    AddUnit(row, QStringLiteral("RundungUnitLabel"), QStringLiteral("%"));
    FinishLayout();
}

std::unique_ptr<Tool_dm_Rectangle> TTool_Rectangle::ExecuteNew(const IntRect& rect)
{
    auto object =
        std::make_unique<Tool_dm_Rectangle>(0, rect.Left, rect.Top, rect.Width, rect.Height);
    if (!Execute(*object))
        return nullptr;
    return object;
}

bool TTool_Rectangle::Execute(Tool_dm_Rectangle& object)
{
    Load(object);
    if (!RunModal())
        return false;
    Store(object);
    return true;
}

void TTool_Rectangle::Load(const Tool_dm_Rectangle& object)
{
    LoadDepth(object);
    rounding_.Edit->setValue(object.Rounding);
}

void TTool_Rectangle::Store(Tool_dm_Rectangle& object) const
{
    StoreDepth(object);
    object.Rounding = static_cast<uint8_t>(rounding_.Edit->value());
}

} // namespace lumora
