#pragma once
// The shared part of the three 3D depth objects (primitive, model, text):
// picture objects that keep the grey picture the 3D dialog rendered when
// the user confirmed, and the dialog settings that produced it so that the
// dialog can reopen it. Drawing scales the stored picture to the object's
// rectangle; the 3D scene is not rendered again.

#include "depthmap/tool_dm.h"
#include "models/matrix4.h"

#include <array>
#include <memory>

namespace lumora {

class DepthKindRegistry;
struct GreyPicture;

class Tool_dm_3d : public Tool_dm
{
public:
    ~Tool_dm_3d() override;

    std::unique_ptr<TPixelEngine256> SourcePicture; // as rendered, normally 513 x 389
    std::unique_ptr<TPixelEngine256> ScaledPicture; // at the object's size, flags applied
    bool Transparent = false;
    int32_t StartDepthPos = 30;
    int32_t EndDepthPos = 50;
    double ScaleValue = 10;
    Matrix4 ViewMatrix = Matrix4::Identity();

    void SetSize(int32_t w, int32_t h, bool rebuild) override;
    void SetFlags(bool invert, bool mirrorH, bool mirrorV, bool rebuild) override;
    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    int64_t HeldPicturePixels() const override;

    // The level that is not drawn when Transparent: 0, or 255 when the
    // picture is inverted.
    uint8_t TransparentKey() const { return Invert ? 255 : 0; }
    // Replaces the source picture (a confirmed dialog).
    void SetSourcePicture(const GreyPicture& picture);

protected:
    // Create(Kind, Id, Left, Top, Width, Height, Picture); no picture gives
    // an empty source picture, as when loading.
    Tool_dm_3d(int32_t kind, int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
               const TPixelEngine256* picture);
    // Copies both pictures.
    Tool_dm_3d(const Tool_dm_3d& other);

    virtual void SaveOwnFields(ProjectStreamWriter& stream) const = 0;
    virtual void LoadOwnFields(ProjectStreamReader& stream) = 0;

    // Clone: the copy's scaled picture is rebuilt at the object's size.
    template <typename T> static std::unique_ptr<Tool_dm> Clone3d(const T& self, int32_t newId)
    {
        auto copy = std::unique_ptr<T>(new T(self));
        copy->Id = newId;
        copy->RebuildScaledPicture();
        return copy;
    }

private:
    void RebuildScaledPicture();
    void DrawPictureAt(TPixelEngine256& engine, int32_t x, int32_t y) const;
};

// Kind 14: one of the nine primitives of the "data" folder.
class Tool_dm_3d_primitive : public Tool_dm_3d
{
public:
    static constexpr int32_t KindCode = 14;

    Tool_dm_3d_primitive() : Tool_dm_3d_primitive(0, 0, 0, 0, 0, nullptr) {}
    Tool_dm_3d_primitive(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                         const TPixelEngine256* picture)
        : Tool_dm_3d(KindCode, id, left, top, width, height, picture)
    {
    }

    int32_t PrimitiveNumber = 1; // 1..9

    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override { return Clone3d(*this, newId); }

protected:
    void SaveOwnFields(ProjectStreamWriter& stream) const override;
    void LoadOwnFields(ProjectStreamReader& stream) override;
};

// Kind 15: a model file.
class Tool_dm_3d_model : public Tool_dm_3d
{
public:
    static constexpr int32_t KindCode = 15;

    Tool_dm_3d_model() : Tool_dm_3d_model(0, 0, 0, 0, 0, nullptr) {}
    Tool_dm_3d_model(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                     const TPixelEngine256* picture)
        : Tool_dm_3d(KindCode, id, left, top, width, height, picture)
    {
    }

    QString ModelFileName; // full path

    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override { return Clone3d(*this, newId); }

protected:
    void SaveOwnFields(ProjectStreamWriter& stream) const override;
    void LoadOwnFields(ProjectStreamReader& stream) override;
};

// Kind 16: an extruded text.
class Tool_dm_3d_text : public Tool_dm_3d
{
public:
    static constexpr int32_t KindCode = 16;

    Tool_dm_3d_text() : Tool_dm_3d_text(0, 0, 0, 0, 0, nullptr) {}
    Tool_dm_3d_text(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                    const TPixelEngine256* picture)
        : Tool_dm_3d(KindCode, id, left, top, width, height, picture)
    {
    }

    QString Text;
    QString FontName = QStringLiteral("Arial");
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int32_t Extrusion = 50; // 0..100

    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override { return Clone3d(*this, newId); }

protected:
    void SaveOwnFields(ProjectStreamWriter& stream) const override;
    void LoadOwnFields(ProjectStreamReader& stream) override;
};

// The three kinds, for the project reader.
void RegisterModelKinds(DepthKindRegistry& registry);

// A picture buffer holding a grey picture (rows bottom-up in the buffer).
std::unique_ptr<TPixelEngine256> ToPixelEngine(const GreyPicture& picture);

} // namespace lumora
