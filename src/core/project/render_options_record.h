#pragma once
// The render options as a project file stores them: R1 to R23 in the
// order of the RenderOptions fields (int32, byte for the switches, float64
// for the distances).

namespace lumora {

class ProjectStreamReader;
class ProjectStreamWriter;
struct RenderOptions;

void WriteRenderOptions(ProjectStreamWriter& stream, const RenderOptions& options);
// Values outside the ranges the render options dialog allows (a damaged
// or hand-made file) are brought into them, as for the stored settings.
RenderOptions ReadRenderOptions(ProjectStreamReader& stream);

} // namespace lumora
