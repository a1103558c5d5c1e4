#include "ui/depthmap/ttool_ellipse.h"

#include "depthmap/tool_dm_ellipse.h"

namespace lumora {

TTool_Ellipse::TTool_Ellipse(QWidget* parent)
    : ShapeDialog(QStringLiteral("Tool_Ellipse"), QStringLiteral("Ellipse"),
                  QString::fromLatin1(kHelpPage), parent)
{
    FinishLayout();
}

std::unique_ptr<Tool_dm_Ellipse> TTool_Ellipse::ExecuteNew(const IntRect& rect)
{
    auto object =
        std::make_unique<Tool_dm_Ellipse>(0, rect.Left, rect.Top, rect.Width, rect.Height);
    if (!Execute(*object))
        return nullptr;
    return object;
}

bool TTool_Ellipse::Execute(Tool_dm_Ellipse& object)
{
    LoadDepth(object);
    if (!RunModal())
        return false;
    StoreDepth(object);
    return true;
}

} // namespace lumora
