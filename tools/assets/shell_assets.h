#pragma once
// The lumora-assets commands that draw the desktop program's own data
// files: the mouse cursors of the depth-map editor (PNG pictures with
// their hot spot in the text keys "HotSpotX" and "HotSpotY", under the
// names data/Basic.dat ... data/Marquee.dat) and the splash picture (a
// JPEG with room for the status line at 56,285, 213 x 18).
//
//   lumora-assets cursors OUTPUT_FOLDER
//   lumora-assets splash OUTPUT.dat

#include <QString>

namespace lumora {

int WriteCursorsCommand(const QString& folder);
int WriteSplashCommand(const QString& output);

} // namespace lumora
