#include "models/model_object_factory.h"

#include "common/lumora_error.h"
#include "depthmap/depth_kinds.h"
#include "models/model_readers.h"
#include "models/scene_3d.h"
#include "rendering/lumo_pixelengine256.h"

namespace lumora {

namespace {

template <typename T> void Finish(T& object, const Scene3D& scene, const IntRect& rect)
{
    object.Name = DefaultNameKey(T::KindCode);
    object.Transparent = true;
    object.StartDepthPos = scene.View.StartDepthPosition();
    object.EndDepthPos = scene.View.EndDepthPosition();
    object.ScaleValue = scene.View.GetScaleValue();
    object.ViewMatrix = scene.View.ModelMatrix;
    object.SetSize(rect.Width, rect.Height, true);
}

} // namespace

std::unique_ptr<Tool_dm_3d_model> MakeModelObject(const QString& fileName, int32_t id,
                                                  const IntRect& rect)
{
    std::optional<Model3D> model = LoadModelFile(fileName);
    if (!model)
        throw LumoraError("\"" + fileName.toStdString() + "\" holds no 3D model");
    Scene3D scene;
    scene.Model = std::move(*model);
    scene.View.SetScaleValue(scene.Model.Extent != 0 ? double(Round(scene.Model.Extent)) : 10.0);
    const auto picture = ToPixelEngine(scene.Paint_final());
    auto object = std::make_unique<Tool_dm_3d_model>(id, rect.Left, rect.Top, rect.Width,
                                                     rect.Height, picture.get());
    object->ModelFileName = fileName;
    Finish(*object, scene, rect);
    return object;
}

std::unique_ptr<Tool_dm_3d_text> MakeTextObject(const QString& text, int32_t id,
                                                const IntRect& rect, const QString& fontName)
{
    Scene3D scene;
    scene.ShowText = true;
    scene.View.SetScaleValue(0.7);
    scene.View.ModelMatrix = Matrix4::Translation(-0.95f, 0, 0) * Matrix4::Translation(0, -0.2f, 0);
    scene.Font.FontName = fontName;
    scene.SetExtrusionPosition(50);
    scene.Text_laden(text);
    const auto picture = ToPixelEngine(scene.Paint_final());
    auto object = std::make_unique<Tool_dm_3d_text>(id, rect.Left, rect.Top, rect.Width,
                                                    rect.Height, picture.get());
    object->Text = text;
    object->FontName = fontName;
    object->Extrusion = scene.ExtrusionPosition();
    Finish(*object, scene, rect);
    return object;
}

} // namespace lumora
