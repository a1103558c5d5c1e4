#pragma once
// What the 3D dialog shows: the loaded model or the 3D text, under the
// view state, rendered to a grey picture whose levels encode nearness.

#include "models/model3d.h"
#include "models/text3d.h"
#include "models/view_state_3d.h"

#include <cstdint>
#include <vector>

namespace lumora {

// A W x H grey picture, top row first.
struct GreyPicture
{
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Levels;

    uint8_t At(int x, int y) const { return Levels[size_t(y) * size_t(Width) + size_t(x)]; }
};

class Scene3D
{
public:
    Model3D Model;
    ViewState3D View;
    Text3D Text;
    Text3DFont Font;
    // While the 3D text group is shown the text is drawn instead of the model.
    bool ShowText = false;

    // Empties the model and the glyph lists; with Reset also restores the
    // view defaults and the identity model matrix.
    void ClearLists(bool reset);

    // "Extrusion:" slider, 0..100; the glyph depth is position / 100. A
    // change rebuilds the glyph models.
    int ExtrusionPosition() const { return extrusionPosition_; }
    void SetExtrusionPosition(int position);
    // Another font or style: the glyph lists are cleared and rebuilt.
    void SetFont(const Text3DFont& font);
    // Text_laden with the current font and extrusion.
    void Text_laden(const QString& text);

    // FormPaint: the view as grey levels.
    GreyPicture Paint();
    // Paint_final: the same picture, as handed to a 3D object.
    GreyPicture Paint_final() { return Paint(); }

    size_t TriangleCount() const;

private:
    int extrusionPosition_ = 50;
};

} // namespace lumora
