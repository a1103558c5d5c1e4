#pragma once
// TTool_Ellipse: the parameter dialog of the ellipse (kind 2): its depth.

#include "common/numeric.h"
#include "ui/depthmap/shape_dialog.h"

#include <memory>

namespace lumora {

class Tool_dm_Ellipse;

class TTool_Ellipse : public ShapeDialog
{
public:
    static constexpr char kHelpPage[] = "dm_tool_ellipse.l2h";

    explicit TTool_Ellipse(QWidget* parent = nullptr);

    // For a new ellipse in rect: "OK" answers it (Id 0 and no name yet).
    std::unique_ptr<Tool_dm_Ellipse> ExecuteNew(const IntRect& rect);
    // On an object: "OK" writes the depth back and answers true.
    bool Execute(Tool_dm_Ellipse& object);
};

} // namespace lumora
