#pragma once
// TTool_Line: the parameter dialog of the line (kind 3): its depth, its
// thickness in pixels and its ends, round or square.

#include "common/numeric.h"
#include "ui/depthmap/shape_dialog.h"

#include <memory>

class QButtonGroup;

namespace lumora {

class Tool_dm_line;

class TTool_Line : public ShapeDialog
{
public:
    static constexpr char kHelpPage[] = "dm_tool_line.l2h";
    static constexpr int kRoundEnds = 0;
    static constexpr int kSquareEnds = 1;

    explicit TTool_Line(QWidget* parent = nullptr);

    // For a new line in rect, drawn in the drag directions dirX and dirY
    // (1, 2, 3 as Tool_dm_line::DragDirection gives them): "OK" answers
    // it (Id 0 and no name yet).
    std::unique_ptr<Tool_dm_line> ExecuteNew(const IntRect& rect, uint8_t dirX, uint8_t dirY);
    // On an object: "OK" writes the edited values back and answers true.
    bool Execute(Tool_dm_line& object);

private:
    void Load(const Tool_dm_line& object);
    void Store(Tool_dm_line& object) const;

    QSpinBox* thickness_ = nullptr;
    QButtonGroup* capStyle_ = nullptr;
};

} // namespace lumora
