#pragma once
// Tool_ab: the base of every afterburner object. An afterburner object
// draws a post effect (a border, a text, viewing-aid spots, a depth-map
// legend) into the composed picture; the clean stereogram itself is never
// touched. Objects are applied in list order, each over what the ones
// before it drew.

#include <QString>
#include <cstdint>
#include <memory>

namespace lumora {

class ProjectStreamReader;
class ProjectStreamWriter;
class TPixelEngine;
class TPixelEngine256;

// What an object may need to know besides the picture it draws into.
struct AfterburnerContext
{
    // The tile width of the render options: the repeat period of the
    // stereogram, which the viewing-aid spots mark.
    int32_t TileWidth = 0;
    // The depth map as designed, at the composer size (the depth-map
    // editor's working depth map); null when there is none.
    const TPixelEngine256* WorkingDepthMap = nullptr;
};

class Tool_ab
{
public:
    virtual ~Tool_ab() = default;
    Tool_ab& operator=(const Tool_ab&) = delete;

    QString Name; // shown in the object list
    int32_t Kind = 0;

    // Slot 0: draws the effect into picture, which has the stereogram's
    // size. The base draws nothing.
    virtual void Apply(TPixelEngine& picture, const AfterburnerContext& context) const;
    // Slot 1: text Name, int32 Kind, then each kind's own fields. Pictures
    // are compressed at imageQuality (the project image quality, 0..100).
    virtual void SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const;

    // Reads the record SaveToStream wrote into an object made with the
    // kind's default constructor. Throws LumoraError for damaged data.
    virtual void LoadFromStream(ProjectStreamReader& stream);
    // The duplicate: a field-by-field copy; pictures and masks are copied.
    virtual std::unique_ptr<Tool_ab> Clone() const = 0;

    // Whether the object has what it needs to be added and stored: the
    // frame its mask, the image border its picture; the others always.
    virtual bool IsComplete() const { return true; }

protected:
    explicit Tool_ab(int32_t kind) : Kind(kind) {}
    Tool_ab(const Tool_ab&) = default;

    // The base record; a kind code that differs from the object's own
    // means the data is damaged.
    void LoadBase(ProjectStreamReader& stream);

    template <typename T> static std::unique_ptr<Tool_ab> CloneAs(const T& self)
    {
        return std::unique_ptr<T>(new T(self));
    }
};

} // namespace lumora
