#pragma once
// The view state of the 3D dialog: the accumulated turns and moves of the
// model, the scale slider, the fog sliders, the perspective and the mouse
// dragging. Everything the dialog window computes lives here; the window
// only forwards its events.

#include "models/matrix4.h"
#include "models/mesh_depth_renderer.h"

#include <cstdint>

namespace lumora {

class ViewState3D
{
public:
    static constexpr int kScaleMin = 1;
    static constexpr int kScaleMax = 403;
    static constexpr int kStartDepthMin = -50;
    static constexpr int kStartDepthMax = 50;
    static constexpr int kEndDepthMin = 31;
    static constexpr int kEndDepthMax = 100;
    static constexpr int kExtrusionMin = 0;
    static constexpr int kExtrusionMax = 100;

    Matrix4 ModelMatrix = Matrix4::Identity();
    int32_t EyeDistance = 70;
    float DepthRange = 10000.0f;
    bool ProjectionDirty = true;
    int32_t ViewWidth = 513;
    int32_t ViewHeight = 389;
    int32_t ScreenDpi = 96;
    bool DragBlocked = false;
    int32_t PrevX = 0;
    int32_t PrevY = 0;

    // The reset part of ClearLists(Reset).
    void ResetView();

    // "Skalierung:" slider, 1..403; S follows from the position.
    int ScalePosition() const { return scalePosition_; }
    void SetScalePosition(int position);
    double GetScaleValue() const;
    // Moves the slider to the position of S; values in the gaps between the
    // slider's ranges leave it where it is.
    void SetScaleValue(double s);
    double MakeFinalScale() const { return 1.0 / GetScaleValue(); }
    // The uniform scale of the paint: k, or 1 when k is within 10 % of 1.
    double EffectiveScale() const;

    // "Start Tiefe:" (-50..50) and "End Tiefe:" (31..100), tenths of a unit.
    int StartDepthPosition() const { return startDepthPosition_; }
    int EndDepthPosition() const { return endDepthPosition_; }
    void SetStartDepthPosition(int position);
    void SetEndDepthPosition(int position);
    double FogStart() const { return startDepthPosition_ / 10.0; }
    double FogEnd() const { return endDepthPosition_ / 10.0; }

    void SetViewSize(int width, int height);
    void SetScreenDpi(int dpi);

    // The frustum of the view; rebuilt when ProjectionDirty is set, which
    // it then clears.
    const Projection& ApplyPerspective();

    // The transform from model coordinates (after placement and offset) to
    // eye space: ModelMatrix, the effective scale, then the look-at from
    // (0, 0, 4) toward the origin.
    Transform3d ModelToEye() const;

    // Mouse over the view. Answers whether the view must be repainted.
    struct Buttons
    {
        bool left = false;
        bool right = false;
        bool ctrl = false;
    };
    void MouseDown(int x, int y);
    void MouseUp();
    bool MouseMove(int x, int y, Buttons buttons);

private:
    int scalePosition_ = 50;
    int startDepthPosition_ = 30;
    int endDepthPosition_ = 50;
    Projection projection_;
};

} // namespace lumora
