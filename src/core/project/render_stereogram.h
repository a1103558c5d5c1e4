#pragma once
// The render pipeline: from the project's depth objects and tiles to the
// stereogram the afterburner composes its objects over.

namespace lumora {

class Project;
class RenderProgress;
class TileRandomSource;

// RenderStereogram: composes the depth map at the render size, generates
// the tile bitmap, inverts the depth map for a cross-eye render, runs the
// stereogram algorithm over every row, hands the result to the afterburner
// as the new clean stereogram and recomposes it, and sets the rendered,
// out-of-date and modified flags. Random tiles draw from random.
//
// Refuses (LumoraError, nothing changed) a project without a tile object
// and render options outside the ranges the dialog allows. A failure during
// the render leaves the afterburner without a stereogram; the progress is
// ended either way.
void RenderStereogram(Project& project, TileRandomSource& random,
                      RenderProgress* progress = nullptr);

} // namespace lumora
