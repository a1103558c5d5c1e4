#pragma once
// TVorlage: the depth-map window, the program's main window. It shows the
// composed depth map of the project at 1:1 in a scrollable, centred
// drawing area with the two rulers.

#include "ui/app/stage_window.h"

namespace lumora {

class PictureView;

class TVorlage : public StageWindow
{
public:
    explicit TVorlage(ProgramContext& context);

    // Paint_Vorlage: the depth map composed anew and shown.
    void RepaintStage() override;
    PictureView* DrawingArea() const { return area_; }

private:
    PictureView* area_ = nullptr;
};

} // namespace lumora
