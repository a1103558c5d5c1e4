#pragma once
// A project that holds objects of every kind of the three stages: the
// depth kinds 1 to 12 and 14 to 19 (an image object with its picture, a
// plug-in with a small script, the three 3D kinds with their pictures, a
// blend and a group with two members), the three tile kinds (an image tile
// with its picture) and the six afterburner kinds. With copies > 1 every
// kind appears that many times, for the benchmark of saving and loading.
//
// The colour pictures are made of 16 x 16 blocks of one grey each, 128
// plus a multiple of 3: at the JPEG quality 80 such blocks decode to exactly
// what was encoded, so a picture read back encodes to the same bytes again.

#include "afterburner/tool_ab_border_frame.h"
#include "afterburner/tool_ab_border_image.h"
#include "afterburner/tool_ab_border_simple.h"
#include "afterburner/tool_ab_depthmap.h"
#include "afterburner/tool_ab_spot.h"
#include "afterburner/tool_ab_text.h"
#include "common/numeric.h"
#include "depthmap/tool_dm_blend.h"
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_gradient_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_rectangle.h"
#include "depthmap/tool_dm_gradient_rectangle.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_image.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_polygon.h"
#include "depthmap/tool_dm_radial_wave.h"
#include "depthmap/tool_dm_rectangle.h"
#include "depthmap/tool_dm_text.h"
#include "depthmap/tool_dm_wave.h"
#include "models/tool_dm_3d.h"
#include "plugins/tool_dm_plugin.h"
#include "project/project.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "tilemap/tile_tm_image.h"
#include "tilemap/tile_tm_randomdot.h"
#include "tilemap/tile_tm_randomdotgradient.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace lumora::test {

// The number of kinds: 18 depth kinds (plus the two group members), 3 tile
// kinds and 6 afterburner kinds per copy.
inline constexpr int kEveryKindDepthObjects = 20;
inline constexpr int kEveryKindTiles = 3;
inline constexpr int kEveryKindAfterburnerObjects = 6;

// A grey picture with a diagonal ramp and a bright square, so that a
// mirror, a crop or a lost row shows.
inline std::unique_ptr<TPixelEngine256> GreyTestPicture(int width, int height, int seed)
{
    auto picture = std::make_unique<TPixelEngine256>(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool square = x > width / 4 && x < width / 2 && y > height / 4 && y < height / 2;
            picture->SetPixel(x, y,
                              static_cast<uint8_t>(square ? 250 : (x * 3 + y * 2 + seed) % 200));
        }
    return picture;
}

// 16 x 16 blocks of one grey each.
inline std::unique_ptr<TPixelEngine> BlockColourPicture(int width, int height, int seed)
{
    auto picture = std::make_unique<TPixelEngine>(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int block = (x / 16) + 3 * (y / 16) + seed;
            const int grey = 128 + 3 * ((block * 7) % 40 - 20);
            picture->SetPixel(x, y, MakeColour(grey, grey, grey));
        }
    return picture;
}

// Draws a frame of 150 and a bar of 220 at its top, so the script's size
// shows in the picture.
inline const QStringList& PlugInTestScript()
{
    static const QStringList script = {
        "RECTANGLE(0,0,XMAX,YMAX,150)",
        "GET(#01,YMAX)",
        "DIVIS(#01,4)",
        "RECTANGLE(0,0,XMAX,#01,220)",
    };
    return script;
}

namespace every_kind_detail {

template <typename T> T& Add(Project& project, std::unique_ptr<T> object, uint8_t depth)
{
    object->Depth = depth;
    object->Name = project.Depth.DefaultName(object->Kind);
    T& ref = *object;
    project.Depth.Append(std::move(object));
    return ref;
}

// Pictured kinds build their picture once their fields are set.
template <typename T> T& AddPictured(Project& project, std::unique_ptr<T> object)
{
    object->Name = project.Depth.DefaultName(object->Kind);
    object->SetSize(object->Width, object->Height, true);
    T& ref = *object;
    project.Depth.Append(std::move(object));
    return ref;
}

inline void Add3dFields(Tool_dm_3d& object, int copy)
{
    object.StartDepthPos = 20 + copy % 10;
    object.EndDepthPos = 60;
    object.ScaleValue = 7.5;
    object.Transparent = copy % 2 == 0;
}

// One object of every depth kind, shifted by copy so that copies overlap
// only in part.
inline void AddDepthKinds(Project& project, int copy, int pictureSide)
{
    DepthObjects& d = project.Depth;
    const int o = (copy * 7) % 120;
    Add(project, std::make_unique<Tool_dm_Rectangle>(d.NewObjectId(), 10 + o, 10, 200, 120), 40)
        .Rounding = 8;
    Add(project, std::make_unique<Tool_dm_Ellipse>(d.NewObjectId(), 300 + o, 20, 160, 110), 90);
    Add(project,
        std::make_unique<Tool_dm_line>(d.NewObjectId(), 30 + o, 150, 180, 90,
                                       Tool_dm_line::DragDirection(30, 210),
                                       Tool_dm_line::DragDirection(150, 240)),
        200)
        .Thickness = 9;
    auto& polygon = Add(
        project, std::make_unique<Tool_dm_polygon>(d.NewObjectId(), 240 + o, 150, 100, 100), 170);
    polygon.Corners = 7;
    polygon.Rotation = 15;
    Add(project,
        std::make_unique<Tool_dm_Text>(d.NewObjectId(), 360 + o, 160, 200, 70,
                                       QStringLiteral("Tiefe %1").arg(copy)),
        230)
        .Bold = true;

    auto gradient =
        std::make_unique<Tool_dm_Gradient_Rectangle>(d.NewObjectId(), 20 + o, 260, 120, 80);
    gradient->StartDepth = 10;
    gradient->EndDepth = 240;
    gradient->Angle = 30;
    AddPictured(project, std::move(gradient));
    auto gradientEllipse =
        std::make_unique<Tool_dm_Gradient_Ellipse>(d.NewObjectId(), 150 + o, 260, 90, 80);
    gradientEllipse->StartDepth = 200;
    gradientEllipse->EndDepth = 30;
    AddPictured(project, std::move(gradientEllipse));
    auto radialRectangle =
        std::make_unique<Tool_dm_Gradient_Radial_Rectangle>(d.NewObjectId(), 250 + o, 260, 70, 70);
    radialRectangle->StartDepth = 50;
    radialRectangle->EndDepth = 180;
    AddPictured(project, std::move(radialRectangle));
    auto cone =
        std::make_unique<Tool_dm_Gradient_Radial_Ellipse>(d.NewObjectId(), 330 + o, 260, 80, 80);
    cone->StartDepth = 60;
    cone->EndDepth = 220;
    AddPictured(project, std::move(cone));
    auto wave = std::make_unique<Tool_dm_Wave>(d.NewObjectId(), 20 + o, 360, 300, 30);
    wave->Bound1 = 20;
    wave->Bound2 = 120;
    wave->WaveCount = 6;
    AddPictured(project, std::move(wave));
    auto radialWave = std::make_unique<Tool_dm_Radial_Wave>(d.NewObjectId(), 420 + o, 300, 90, 90);
    radialWave->Bound1 = 30;
    radialWave->Bound2 = 160;
    radialWave->WaveCount = 4;
    radialWave->Phase = 45;
    AddPictured(project, std::move(radialWave));

    const auto grey = GreyTestPicture(pictureSide, pictureSide, copy);
    auto image =
        std::make_unique<Tool_dm_Image>(d.NewObjectId(), 480 + o % 60, 20, 90, 90, grey.get());
    image->CropTop = 0.1;
    AddPictured(project, std::move(image));

    auto primitive =
        std::make_unique<Tool_dm_3d_primitive>(d.NewObjectId(), 200 + o, 60, 80, 60, grey.get());
    primitive->PrimitiveNumber = 1 + copy % 9;
    Add3dFields(*primitive, copy);
    AddPictured(project, std::move(primitive));
    auto model =
        std::make_unique<Tool_dm_3d_model>(d.NewObjectId(), 100 + o, 380, 90, 60, grey.get());
    model->ModelFileName = QStringLiteral("Models/Kugel.l3m");
    Add3dFields(*model, copy + 1);
    AddPictured(project, std::move(model));
    auto text3d =
        std::make_unique<Tool_dm_3d_text>(d.NewObjectId(), 470 + o % 60, 380, 120, 60, grey.get());
    text3d->Text = QStringLiteral("3D");
    text3d->Extrusion = 30;
    Add3dFields(*text3d, copy);
    AddPictured(project, std::move(text3d));

    auto plugIn =
        std::make_unique<Tool_dm_PlugIn>(d.NewObjectId(), 520, 200 + o % 40, 70, 60,
                                         QStringList{"", "A frame with a bar"}, PlugInTestScript());
    plugIn->PlugInName = QStringLiteral("Bar");
    plugIn->Author = QStringLiteral("Ärger");
    plugIn->ImageNumber = copy;
    Add(project, std::move(plugIn), 0);

    // The blend's record is its base part: what it shows is not stored.
    Add(project, std::make_unique<Tool_dm_Blend>(d.NewObjectId(), 5, 5, 40, 40), 0);

    const int32_t groupId = d.NewObjectId();
    auto& block = Add(
        project, std::make_unique<Tool_dm_Rectangle>(d.NewObjectId(), 60 + o, 200, 50, 40), 120);
    block.ParentId = groupId;
    auto& dot =
        Add(project, std::make_unique<Tool_dm_Ellipse>(d.NewObjectId(), 70 + o, 210, 30, 20), 150);
    dot.ParentId = groupId;
    auto group = std::make_unique<Tool_dm_Group>(groupId);
    group->Members = {QString::number(block.Id), QString::number(dot.Id)};
    group->Name = d.DefaultName(group->Kind);
    d.Append(std::move(group));
}

inline void AddTileKinds(Project& project, int copy, int pictureSide)
{
    auto dots = std::make_unique<Tile_tm_RandomDot>(40 + copy % 20);
    dots->Density = 80;
    dots->MaxRedPct = 100;
    dots->MaxGreenPct = 60;
    project.Tiles.Append(std::move(dots));
    auto gradient = std::make_unique<Tile_tm_RandomDotGradient>(50);
    gradient->ApplyPreset(3);
    project.Tiles.Append(std::move(gradient));
    project.Tiles.Append(
        std::make_unique<Tile_tm_Image>(BlockColourPicture(pictureSide, pictureSide, copy), true,
                                        project.Options.RenderOptions_Tile_Width));
}

inline void AddAfterburnerKinds(Project& project, int copy, int pictureSide)
{
    AfterburnerState& a = project.Afterburner;
    auto simple = std::make_unique<Tool_ab_border_simple>();
    simple->BorderSize = 3;
    simple->ColourRed = 200;
    a.Append(std::move(simple));

    auto frame = std::make_unique<Tool_ab_border_frame>();
    frame->SetMask(*GreyTestPicture(pictureSide, pictureSide, copy + 5));
    frame->ColourBlue = 180;
    frame->Tolerance = 10;
    a.Append(std::move(frame));

    auto image = std::make_unique<Tool_ab_border_image>();
    image->SetPicture(*BlockColourPicture(pictureSide, pictureSide, copy + 2));
    image->KeyTolerance = 20;
    a.Append(std::move(image));

    auto text = std::make_unique<Tool_ab_text>();
    text->Text = QStringLiteral("Grüße %1").arg(copy);
    text->FontSize = 14;
    text->Anchor = 5;
    text->TextColour = MakeColour(255, 255, 0);
    a.Append(std::move(text));

    auto spot = std::make_unique<Tool_ab_spot>();
    spot->SpotWidth = 12;
    a.Append(std::move(spot));

    auto overlay = std::make_unique<Tool_ab_depthmap>(
        Tool_ab_depthmap::ForNewObject(project.Depth.VorlageWidth, project.Depth.VorlageHeight));
    overlay->SetOverlayWidth(60, project.Depth.VorlageWidth, project.Depth.VorlageHeight);
    overlay->Anchor = 6;
    a.Append(std::move(overlay));
}

} // namespace every_kind_detail

// A small render size (120 x 90, tile width 40) keeps renders of the
// project quick; the composer keeps its 600 x 450.
inline void BuildEveryKindProject(Project& project, int copies = 1, int pictureSide = 48)
{
    project.Options.RenderOptions_RenderWidth = 120;
    project.Options.RenderOptions_RenderHeight = 90;
    project.Options.RenderOptions_Tile_Width = 40;
    project.Options.RenderOptions_Settings_quality = 2;
    project.Depth.BackgroundDepth = 12;
    project.ScaleObjects = true;
    project.AspectLink = false;
    for (int copy = 0; copy < copies; ++copy) {
        every_kind_detail::AddDepthKinds(project, copy, pictureSide);
        every_kind_detail::AddTileKinds(project, copy, pictureSide);
        every_kind_detail::AddAfterburnerKinds(project, copy, pictureSide);
    }
    project.Depth.NormalizeOrder();
    project.Depth.RebuildTree();
}

} // namespace lumora::test
