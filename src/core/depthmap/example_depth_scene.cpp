#include "depthmap/example_depth_scene.h"

#include "depthmap/depth_composition.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_ellipse.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_image.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_polygon.h"
#include "depthmap/tool_dm_rectangle.h"
#include "depthmap/tool_dm_text.h"
#include "depthmap/tool_dm_wave.h"
#include "rendering/lumo_pixelengine256.h"

#include <algorithm>
#include <cmath>

namespace lumora {

namespace {
template <typename T> T& Add(DepthObjects& objects, std::unique_ptr<T> object, uint8_t depth)
{
    object->Depth = depth;
    object->Name = objects.DefaultName(object->Kind);
    T& ref = *object;
    objects.Append(std::move(object));
    return ref;
}

// The kinds that keep a picture are named and built once their fields
// are set.
template <typename T> T& AddPictured(DepthObjects& objects, std::unique_ptr<T> object)
{
    object->Name = objects.DefaultName(object->Kind);
    object->SetSize(object->Width, object->Height, true);
    T& ref = *object;
    objects.Append(std::move(object));
    return ref;
}

// A grey dome, brightest in the middle, for the picture object.
std::unique_ptr<TPixelEngine256> DomePicture()
{
    constexpr int kSide = 48;
    auto dome = std::make_unique<TPixelEngine256>(kSide, kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const double dx = (x - kSide / 2) / (kSide / 2.0);
            const double dy = (y - kSide / 2) / (kSide / 2.0);
            const double h = std::sqrt(std::max(0.0, 1.0 - dx * dx - dy * dy));
            dome->SetPixel(x, y, static_cast<uint8_t>(std::lround(80 + 150 * h)));
        }
    return dome;
}
} // namespace

void BuildExampleDepthScene(DepthObjects& objects)
{
    objects.Reset();
    objects.VorlageWidth = 600;
    objects.VorlageHeight = 450;
    objects.BackgroundDepth = 0;

    auto& plate = Add(
        objects, std::make_unique<Tool_dm_Rectangle>(objects.NewObjectId(), 40, 40, 520, 370), 60);
    plate.Rounding = 12;

    auto& ellipse = Add(
        objects, std::make_unique<Tool_dm_Ellipse>(objects.NewObjectId(), 330, 70, 200, 170), 190);
    (void)ellipse;

    auto& line = Add(objects,
                     std::make_unique<Tool_dm_line>(objects.NewObjectId(), 70, 70, 220, 190,
                                                    Tool_dm_line::DragDirection(70, 290),
                                                    Tool_dm_line::DragDirection(70, 260)),
                     230);
    line.Thickness = 18;

    // A group of a small block and a hexagon standing on it.
    const int32_t groupId = objects.NewObjectId();
    auto& block = Add(
        objects, std::make_unique<Tool_dm_Rectangle>(objects.NewObjectId(), 80, 290, 170, 90), 130);
    block.ParentId = groupId;
    auto& hexagon = Add(
        objects, std::make_unique<Tool_dm_polygon>(objects.NewObjectId(), 110, 250, 110, 110), 175);
    hexagon.Corners = 6;
    hexagon.Rotation = 30;
    hexagon.ParentId = groupId;
    auto group = std::make_unique<Tool_dm_Group>(groupId);
    group->Members = {QString::number(block.Id), QString::number(hexagon.Id)};
    group->Name = objects.DefaultName(group->Kind);
    objects.Append(std::move(group));

    // A cone rising from the plate, a picture turned into depth, and a
    // wave along the bottom edge.
    auto cone =
        std::make_unique<Tool_dm_Gradient_Radial_Ellipse>(objects.NewObjectId(), 45, 160, 95, 80);
    cone->StartDepth = 60;
    cone->EndDepth = 220;
    AddPictured(objects, std::move(cone));
    const auto dome = DomePicture();
    AddPictured(objects, std::make_unique<Tool_dm_Image>(objects.NewObjectId(), 235, 55, 80, 80,
                                                         dome.get()));
    auto wave = std::make_unique<Tool_dm_Wave>(objects.NewObjectId(), 40, 415, 520, 28);
    wave->Bound1 = 20;
    wave->Bound2 = 90;
    wave->WaveCount = 10;
    AddPictured(objects, std::move(wave));

    auto& text = Add(objects,
                     std::make_unique<Tool_dm_Text>(objects.NewObjectId(), 290, 280, 240, 90,
                                                    QStringLiteral("Lumora")),
                     255);
    text.Bold = true;

    objects.NormalizeOrder();
    objects.RebuildTree();
}

std::unique_ptr<TPixelEngine256> ComposeExampleDepthScene(int32_t width, int32_t height)
{
    DepthObjects objects;
    BuildExampleDepthScene(objects);
    auto depth = std::make_unique<TPixelEngine256>(width, height);
    Generate_VorlageBitm(objects, depth.get(), width, height);
    return depth;
}

} // namespace lumora
