#pragma once
// The general settings that persist between runs: the main window's
// placement, the preferences, the new-project dialog's fields, the
// positions of the help and depth slider windows and the dialog folders.
// The program holds them here between the load at start-up and the save
// at exit. Values whose default depends on a window (the placement, the
// centred window positions) are set by the caller before loading; a value
// the store lacks keeps what the caller set.

#include "app/dialog_folders.h"

#include <QString>
#include <cstdint>

namespace lumora {

// The main window's normal (restored) rectangle in screen pixels and its
// show state: 0 normal, 1 minimised, 2 maximised.
struct WindowPlacement
{
    int32_t Top = 0;
    int32_t Left = 0;
    int32_t Bottom = 0;
    int32_t Right = 0;
    int32_t WindowState = 0;

    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool operator==(const WindowPlacement&) const = default;
};

enum class WindowShowState
{
    Normal,
    Minimised,
    Maximised,
};

// 1 gives minimised, 2 maximised, anything else normal.
WindowShowState ShowStateOf(int32_t windowState);
int32_t WindowStateOf(WindowShowState state);

// The place of a window centred on the screen along one axis:
// (screen - window) / 2, the halving truncated toward zero.
int32_t CentredOnScreen(int32_t screenSize, int32_t windowSize);

// The preview font size of the text tool's window design: a 30-pixel
// Arial at 96 dpi, in points.
inline constexpr int32_t kTextToolPreviewSizeDefault = 23;

// The ranges the dialogs allow; a stored value outside them is not taken.
inline constexpr int32_t kMinUndoSteps = 1;
inline constexpr int32_t kMaxUndoSteps = 100;
inline constexpr int32_t kMaxImageQuality = 100;
inline constexpr int32_t kMaxPreviewFontSize = 1000;
inline constexpr int32_t kMaxNewProjectPixels = 10000;
inline constexpr int32_t kNewProjectPresetCount = 18;

struct ApplicationSettings
{
    // "Position"
    WindowPlacement Position;

    // "Settings", general part
    QString Language;
    bool WelcomeDialog = false; // "Don't show this dialog again"
    int32_t Project_image_quality = 80;
    int32_t Max_Undo_Steps = 20;
    int32_t TextTool_Preview_size = kTextToolPreviewSizeDefault;
    int32_t NewProject_width = 600;
    int32_t NewProject_height = 450;
    int32_t NewProject_aspect1 = 4;
    int32_t NewProject_aspect2 = 3;
    int32_t NewProject_aspectratio = 1;
    int32_t Help_pos_x = 0;
    int32_t Help_pos_y = 0;
    int32_t DepthPicker_pos_x = 0;
    int32_t DepthPicker_pos_y = 0;
    bool DepthPicker_visible = false;

    // "Settings", dialog folders
    DialogFolders Folders;
};

} // namespace lumora
