#pragma once
// TTool_Rectangle: the parameter dialog of the rectangle (kind 1): its
// depth and the rounding of its corners in percent of the shorter side.

#include "common/numeric.h"
#include "ui/depthmap/shape_dialog.h"

#include <memory>

namespace lumora {

class Tool_dm_Rectangle;

class TTool_Rectangle : public ShapeDialog
{
public:
    static constexpr char kHelpPage[] = "dm_tool_rectangle.l2h";

    explicit TTool_Rectangle(QWidget* parent = nullptr);

    // For a new rectangle in rect: the controls at a new rectangle's
    // defaults; "OK" answers it (Id 0 and no name yet: the caller gives
    // them), cancel answers nothing.
    std::unique_ptr<Tool_dm_Rectangle> ExecuteNew(const IntRect& rect);
    // On an object: its values; "OK" writes the edited values back and
    // answers true, cancel leaves the object as it was.
    bool Execute(Tool_dm_Rectangle& object);

private:
    void Load(const Tool_dm_Rectangle& object);
    void Store(Tool_dm_Rectangle& object) const;

    SliderRow rounding_;
};

} // namespace lumora
