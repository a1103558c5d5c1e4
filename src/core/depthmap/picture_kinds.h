#pragma once
// Registers the depth kinds that keep a picture (the gradients 6 to 9, the
// waves 10 and 11, the image 12) and the blend (18) with the kind
// registry; 6 to 11 are also created straight from a drag in the editor.

namespace lumora {

class DepthKindRegistry;

void RegisterPictureKinds(DepthKindRegistry& registry);

} // namespace lumora
