#pragma once
// TTool_Polygon: the parameter dialog of the regular polygon (kind 4,
// "n-Eck"): its depth, the number of corners, the rotation in degrees, and
// a preview of the shape that follows both.

#include "common/numeric.h"
#include "ui/depthmap/shape_dialog.h"

#include <memory>

namespace lumora {

class ShapePreview;
class Tool_dm_polygon;

class TTool_Polygon : public ShapeDialog
{
public:
    static constexpr char kHelpPage[] = "dm_tool_polygon.l2h";
    static constexpr int kPreviewSize = 128;

    explicit TTool_Polygon(QWidget* parent = nullptr);
    ~TTool_Polygon() override;

    // For a new polygon in rect: "OK" answers it (Id 0 and no name yet).
    std::unique_ptr<Tool_dm_polygon> ExecuteNew(const IntRect& rect);
    // On an object: "OK" writes the edited values back and answers true.
    bool Execute(Tool_dm_polygon& object);

    ShapePreview* Preview() const { return preview_; }

private:
    void Load(const Tool_dm_polygon& object);
    void Store(Tool_dm_polygon& object) const;
    void ShowPreview();

    SliderRow corners_;
    SliderRow rotation_;
    ShapePreview* preview_ = nullptr;
    // The shape the preview draws: the object's proportions and mirrors
    // with the values of the controls.
    std::unique_ptr<Tool_dm_polygon> shown_;
};

} // namespace lumora
