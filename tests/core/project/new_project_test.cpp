// A new project: the new-project dialog's size rule and presets, the
// composer size panel's aspect link and "Zuweisen", rescaling every object
// with the composer, and the new project starting from the stored render
// options.
#include "common/lumora_error.h"
#include "depthmap/tool_dm_gradient_rectangle.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_rectangle.h"
#include "project/composer_size.h"
#include "project/new_project_dialog_model.h"
#include "project/project.h"
#include "project_test_support.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using Field = NewProjectDialogModel::Field;

NewProjectDialogModel WithPreset(int32_t preset)
{
    NewProjectDialogModel model;
    model.SelectPreset(preset);
    return model;
}

TEST(NewProjectDialog, HeightFollowsWidthInTheChosenRatio)
{
    struct Case
    {
        int32_t preset, aspect1, aspect2, width, height;
    };
    // Halves go to the even neighbour: 450.75 -> 451, 2.5 -> 2, 3.5 -> 4.
    const Case cases[] = {
        {2, 0, 0, 600, 450}, {2, 0, 0, 601, 451},  {1, 4, 1, 10, 2},       {1, 4, 1, 14, 4},
        {4, 0, 0, 333, 333}, {17, 0, 0, 279, 210}, {10, 0, 0, 1920, 1080}, {1, 4, 1, 1, 0},
    };
    for (const Case& c : cases) {
        NewProjectDialogModel model = WithPreset(c.preset);
        if (c.preset == kNewProjectPresetCustom) {
            model.SetAspect1(c.aspect1);
            model.SetAspect2(c.aspect2);
        }
        model.FocusEntered(Field::Width);
        model.SetWidth(c.width);
        EXPECT_EQ(model.Height, c.height) << c.preset << " " << c.width;
    }
}

TEST(NewProjectDialog, WidthFollowsHeightWhenHeightWasEnteredLast)
{
    NewProjectDialogModel model = WithPreset(3); // Photo 3:2
    model.FocusEntered(Field::Height);
    model.SetHeight(101);
    EXPECT_EQ(model.Width, 152); // 151.5 -> 152
    // Typing in the width while the height was entered last changes nothing
    // else: the rule runs from the field the user is in.
    model.SetWidth(300);
    EXPECT_EQ(model.Height, 101);
}

TEST(NewProjectDialog, PresetNoneStopsTheLink)
{
    NewProjectDialogModel model;
    model.Width = 800;
    model.SelectPreset(kNewProjectPresetNone);
    // Choosing "None" recomputes once with the hidden fields' values.
    EXPECT_EQ(model.Height, 600);
    EXPECT_FALSE(model.AspectFieldsVisible());
    model.SetWidth(1000);
    EXPECT_EQ(model.Height, 600);
}

TEST(NewProjectDialog, PresetsFillTheAspectFieldsAndSetTheirState)
{
    NewProjectDialogModel model;
    model.SelectPreset(7); // 65 mm (11:4)
    EXPECT_EQ(model.Aspect1, 11);
    EXPECT_EQ(model.Aspect2, 4);
    EXPECT_TRUE(model.AspectFieldsVisible());
    EXPECT_FALSE(model.AspectFieldsEnabled());
    EXPECT_EQ(model.Height, 218); // 600 / 11 * 4 = 218.18
    model.SelectPreset(kNewProjectPresetCustom);
    EXPECT_TRUE(model.AspectFieldsEnabled());
    EXPECT_EQ(model.Aspect1, 11); // Custom keeps what the fields hold
    model.SelectPreset(18);       // outside the list
    EXPECT_EQ(model.Preset, kNewProjectPresetCustom);
    EXPECT_EQ(NewProjectAspectPresets()[17].Caption, std::string("A4 (279:210)"));
}

TEST(NewProjectDialog, LeavingAnAspectFieldRecomputesFromTheWidth)
{
    NewProjectDialogModel model;
    model.SetAspect1(2);
    model.SetAspect2(1);
    EXPECT_EQ(model.Height, 450);
    model.AspectFieldLeft();
    EXPECT_EQ(model.Height, 300);
    // A zero aspect value is never divided by.
    model.SetAspect1(0);
    model.AspectFieldLeft();
    EXPECT_EQ(model.Height, 300);
}

TEST(NewProjectDialog, ConfirmKeepsTheSizeInTheFieldsRange)
{
    NewProjectDialogModel model = WithPreset(kNewProjectPresetCustom);
    model.SetAspect1(4);
    model.SetAspect2(1);
    model.SetWidth(1);
    EXPECT_EQ(model.Height, 0);
    model.FocusEntered(Field::Height);
    model.Confirm();
    EXPECT_EQ(model.Height, 1);
    EXPECT_EQ(model.LastEntered, Field::Width);

    model.SetAspect1(1);
    model.SetAspect2(4);
    model.SetWidth(10000);
    model.Confirm();
    EXPECT_EQ(model.Height, NewProjectDialogModel::kMaxPixels);
}

TEST(NewProject, StartsFromTheStoredRenderOptions)
{
    Project project;
    test::BuildSmallProject(project);
    project.Options.RenderOptions_RenderWidth = 1234;
    project.Options.RenderOptions_Settings_quality = 3;
    project.FilePath = "/somewhere/old.l2p";
    project.SetModified(true);
    RenderOptions stored;
    stored.RenderOptions_RenderDPI = 150;

    project.StartNewProject(stored, 1024, 768);
    EXPECT_EQ(project.Options, stored);
    EXPECT_TRUE(project.Depth.IsEmpty());
    EXPECT_TRUE(project.Tiles.IsEmpty());
    EXPECT_EQ(project.Depth.VorlageWidth, 1024);
    EXPECT_EQ(project.Depth.VorlageHeight, 768);
    EXPECT_TRUE(project.FilePath.isEmpty());
    EXPECT_FALSE(project.Modified());
    EXPECT_FALSE(project.Rendered());
}

class ComposerSize : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.Depth.VorlageWidth = 512;
        project.Depth.VorlageHeight = 512;
    }
    Tool_dm& AddRectangle(int32_t x, int32_t y, int32_t w, int32_t h)
    {
        project.Depth.Append(
            std::make_unique<Tool_dm_Rectangle>(project.Depth.NewObjectId(), x, y, w, h));
        return *project.Depth.At(project.Depth.Count() - 1);
    }
    IntRect RectOf(int32_t index) const
    {
        const Tool_dm& o = *project.Depth.At(index);
        return {o.Left, o.Top, o.Width, o.Height};
    }
    Project project;
};

TEST_F(ComposerSize, UnchangedSizeOnlyMarksTheProject)
{
    AddRectangle(5, 3, 100, 50);
    ApplyComposerSize(project, 512, 512, true);
    EXPECT_EQ(RectOf(0), (IntRect{5, 3, 100, 50}));
    EXPECT_TRUE(project.Modified());
    EXPECT_TRUE(project.OutOfDate());
}

TEST_F(ComposerSize, ScalingHalvesEveryRectangleRoundingHalvesToEven)
{
    AddRectangle(5, 3, 100, 51);
    AddRectangle(3, 5, 7, 9);
    ApplyComposerSize(project, 256, 256, true);
    EXPECT_EQ(project.Depth.VorlageWidth, 256);
    EXPECT_EQ(RectOf(0), (IntRect{2, 2, 50, 26})); // 2.5 -> 2, 1.5 -> 2, 25.5 -> 26
    EXPECT_EQ(RectOf(1), (IntRect{2, 2, 4, 4}));   // 3.5 -> 4, 4.5 -> 4
}

TEST_F(ComposerSize, WithoutScalingTheObjectsKeepTheirPixels)
{
    AddRectangle(5, 3, 100, 51);
    ApplyComposerSize(project, 300, 200, false);
    EXPECT_EQ(project.Depth.VorlageWidth, 300);
    EXPECT_EQ(project.Depth.VorlageHeight, 200);
    EXPECT_EQ(RectOf(0), (IntRect{5, 3, 100, 51}));
}

TEST_F(ComposerSize, GroupMembersScaleWithTheirGroup)
{
    AddRectangle(100, 100, 100, 100);
    AddRectangle(300, 300, 100, 100);
    project.Depth.SelectAll();
    project.Depth.GroupSelection();
    ASSERT_EQ(project.Depth.Count(), 3);
    ApplyComposerSize(project, 1024, 1024, true);
    EXPECT_EQ(RectOf(0), (IntRect{200, 200, 200, 200}));
    EXPECT_EQ(RectOf(1), (IntRect{600, 600, 200, 200}));
    // A group has no geometry of its own; its members carry it.
    EXPECT_EQ(RectOf(2), (IntRect{0, 0, -1, -1}));
}

TEST_F(ComposerSize, PanelLinkFollowsTheCurrentRatio)
{
    project.Depth.VorlageWidth = 600;
    project.Depth.VorlageHeight = 450;
    ComposerSizePanel panel(project);
    ASSERT_TRUE(panel.LinkDown());
    panel.FocusEntered(ComposerSizePanel::Field::Width);
    panel.SetWidth(801);
    EXPECT_EQ(panel.Height(), 601); // 801 / 1.333.. = 600.75
    panel.FocusEntered(ComposerSizePanel::Field::Height);
    panel.SetHeight(3);
    EXPECT_EQ(panel.Width(), 4);

    panel.PressLink(); // up: the fields are free
    EXPECT_FALSE(project.AspectLink);
    panel.SetHeight(100);
    EXPECT_EQ(panel.Width(), 4);
    panel.PressLink(); // down again: the last-entered field leads
    EXPECT_TRUE(project.AspectLink);
    EXPECT_EQ(panel.Width(), 133);

    panel.Apply();
    EXPECT_EQ(project.Depth.VorlageWidth, 133);
    EXPECT_EQ(project.Depth.VorlageHeight, 100);
}

TEST_F(ComposerSize, SizesOutsideTheEditorsRangeAreHeldToIt)
{
    ApplyComposerSize(project, 0, 200000, false);
    EXPECT_EQ(project.Depth.VorlageWidth, ComposerSizePanel::kMinPixels);
    EXPECT_EQ(project.Depth.VorlageHeight, ComposerSizePanel::kMaxPixels);
}

TEST_F(ComposerSize, ASizeNoDepthBufferCanHoldIsRefusedAndNothingChanges)
{
    AddRectangle(5, 3, 100, 50);
    project.SetModified(false);
    EXPECT_THROW(ApplyComposerSize(project, 100000, 100000, true), LumoraError);
    EXPECT_EQ(project.Depth.VorlageWidth, 512);
    EXPECT_EQ(project.Depth.VorlageHeight, 512);
    EXPECT_EQ(RectOf(0), (IntRect{5, 3, 100, 50}));
    EXPECT_FALSE(project.Modified());
    // The largest allowed, 2^28 pixels, is taken.
    ApplyComposerSize(project, 65536, 4096, false);
    EXPECT_EQ(project.Depth.VorlageWidth, 65536);
}

// Scaling up by 100 makes the gradient wider than any object picture may
// be: it is refused, and the objects scaled before it go back.
TEST_F(ComposerSize, AnObjectThatCannotBeScaledLeavesEveryObjectAsItWas)
{
    AddRectangle(5, 3, 100, 50);
    auto small =
        std::make_unique<Tool_dm_Gradient_Rectangle>(project.Depth.NewObjectId(), 0, 0, 4, 30);
    small->EndDepth = 200;
    small->SetSize(4, 30, true);
    Tool_dm_Gradient_Rectangle& kept = *small;
    project.Depth.Append(std::move(small));
    project.Depth.Append(
        std::make_unique<Tool_dm_Gradient_Rectangle>(project.Depth.NewObjectId(), 0, 0, 700, 2));
    AddRectangle(1, 2, 3, 4);
    const auto pictureBefore = PicturedDepthObject::CopyPicture(*kept.Picture);
    project.SetModified(false);

    EXPECT_THROW(ApplyComposerSize(project, 51200, 5120, true), LumoraError);
    EXPECT_EQ(project.Depth.VorlageWidth, 512);
    EXPECT_EQ(project.Depth.VorlageHeight, 512);
    EXPECT_EQ(RectOf(0), (IntRect{5, 3, 100, 50}));
    EXPECT_EQ(RectOf(1), (IntRect{0, 0, 4, 30}));
    EXPECT_EQ(RectOf(2), (IntRect{0, 0, 700, 2}));
    EXPECT_EQ(RectOf(3), (IntRect{1, 2, 3, 4}));
    ASSERT_EQ(kept.Picture->Width(), 4);
    ASSERT_EQ(kept.Picture->Height(), 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(kept.Picture->Pixel(x, y), pictureBefore->Pixel(x, y)) << x << "," << y;
}

} // namespace
} // namespace lumora
