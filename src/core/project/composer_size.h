#pragma once
// The composer size in the depth-map editor's background panel: the width
// and height fields (Spin_HB, Spin_HH) with the aspect link button between
// them, and "Zuweisen", which applies the size and, with "Objekte
// skalieren", scales every object with it.

#include <cstdint>

namespace lumora {

class Project;

class ComposerSizePanel
{
public:
    static constexpr int32_t kMinPixels = 1;
    static constexpr int32_t kMaxPixels = 100000;
    // The editor keeps a depth buffer of the composer size: beyond this
    // (256 M pixels) none can be had, whatever each side's range allows.
    static constexpr int64_t kMaxComposerPixels = int64_t(1) << 28;

    enum class Field
    {
        Width = 1,
        Height = 2,
    };

    // The fields show the project's composer size and its link state.
    explicit ComposerSizePanel(Project& project);
    void ShowProjectSize();

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool LinkDown() const;
    Field LastEntered() const { return lastEntered_; }

    void FocusEntered(Field field) { lastEntered_ = field; }
    // A field changed (typed). With the link down and the changed field the
    // last entered, the other follows in the ratio VorlageWidth :
    // VorlageHeight as it stands: height = Round(width / r), width =
    // Round(height x r).
    void SetWidth(int32_t width);
    void SetHeight(int32_t height);
    // The link button: pressed while up it goes down and both change
    // handlers run; pressed while down it goes up.
    void PressLink();

    // "Zuweisen" (and Enter in a size field).
    void Apply();

private:
    Project& project_;
    int32_t width_ = 600;
    int32_t height_ = 450;
    Field lastEntered_ = Field::Width;
};

// Throws LumoraError when a composer of width x height has more pixels
// than kMaxComposerPixels.
void CheckComposerPixels(int32_t width, int32_t height);

// Apply size: the same size only marks the project modified and out of
// date; a new size becomes the composer size (values clamped to
// 1..100000) and, when scaleObjects, every depth object is scaled from the
// old to the new size (group members included, in list order). A size
// beyond kMaxComposerPixels, or an object whose picture cannot be had at
// its scaled size, throws LumoraError and leaves the size and every
// object as they were.
void ApplyComposerSize(Project& project, int32_t width, int32_t height, bool scaleObjects);

} // namespace lumora
