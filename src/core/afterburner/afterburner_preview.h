#pragma once
// The computations behind the afterburner's dialog previews and picture
// area: the stereogram scaled to fit a preview, the simple border's
// thickness at preview scale, the border preview itself, and where the
// picture area sits in the window's visible area.

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <memory>

namespace lumora {

class TPixelEngine;
class Tool_ab;
struct AfterburnerContext;

// Where a picture of pictureWidth x pictureHeight shows in a preview area:
// with its aspect ratio kept, the side that limits the scale fills the area
// (for a square area, the longer side) and the other is Round(area x
// ratio), at least 1, centred. Empty when either has no area.
QRect PreviewFitRect(int32_t pictureWidth, int32_t pictureHeight, int32_t areaWidth,
                     int32_t areaHeight);

// The simple border's thickness in the preview: Round(BorderSize /
// stereogram height x preview height).
int32_t SimpleBorderPreviewSize(int32_t borderSize, int32_t stereogramHeight,
                                int32_t previewHeight);

// The preview of a border dialog: the clean stereogram scaled to fit the
// area (PreviewFitRect's size, nearest pixel) with a temporary object of the
// dialog's values applied to it; for the simple border at the preview
// thickness. Null when the stereogram or the area has no pixels.
std::unique_ptr<TPixelEngine> MakeBorderPreview(const TPixelEngine& cleanStereogram,
                                                int32_t areaWidth, int32_t areaHeight,
                                                const Tool_ab& values,
                                                const AfterburnerContext& context);

// Resize_AfterBurner: the picture area's top-left corner in the visible
// area, (visible div 2) - (picture div 2) in each direction and at least 0.
QPoint AfterburnerPicturePlacement(int32_t visibleWidth, int32_t visibleHeight,
                                   int32_t pictureWidth, int32_t pictureHeight);

} // namespace lumora
