#pragma once
// How the render pipeline reports its progress: the render progress dialog
// implements it (three ticks for the preparation steps and a row counter);
// without one the pipeline reports nothing.

namespace lumora {

// The three preparation steps, in the order they finish.
enum class RenderStep
{
    VorlageErzeugen,      // the depth map is composed
    KachelErzeugen,       // the tile bitmap is generated
    RenderingVorbereiten, // the algorithm is prepared
};

class RenderProgress
{
public:
    virtual ~RenderProgress() = default;

    // The render starts: position 0 of maximum (H - 1), the three steps
    // unticked; shown and painted at once.
    virtual void Begin(int maximum) { (void)maximum; }
    // A preparation step finished: tick it and repaint it.
    virtual void StepDone(RenderStep step) { (void)step; }
    // Memory row `row` (0 = the bottom row) is computed: the bar's position.
    virtual void SetPosition(int row) { (void)row; }
    // The render ended, finished or failed: close the dialog.
    virtual void End() {}
};

} // namespace lumora
