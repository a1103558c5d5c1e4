#include "models/view_state_3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace lumora {
namespace {

TEST(ViewState3D, ScaleValueFollowsTheFourSliderRanges)
{
    const std::pair<int, double> table[] = {{1, 0.01},   {50, 0.5},    {100, 1.0}, {101, 2},
                                            {109, 10},   {201, 102},   {202, 100}, {302, 1100},
                                            {303, 1000}, {403, 101000}};
    ViewState3D view;
    for (const auto& [position, s] : table) {
        view.SetScalePosition(position);
        EXPECT_DOUBLE_EQ(view.GetScaleValue(), s) << position;
        EXPECT_DOUBLE_EQ(view.MakeFinalScale(), 1.0 / s) << position;
    }
}

TEST(ViewState3D, SetScaleValueMovesTheSliderExceptInTheGaps)
{
    struct Case
    {
        double s;
        int before;
        int after;
    };
    const Case table[] = {
        {0.7, 50, 70},     {0, 50, 1},       {1, 50, 100},    {1.5, 50, 50},
        {2, 50, 101},      {10, 50, 109},    {20, 50, 119},   {100, 50, 199},
        {101, 50, 50},     {150, 50, 207},   {1100, 50, 302}, {1100.5, 50, 50},
        {101000, 50, 403}, {200000, 50, 50}, {-3, 50, 1},     {0.125, 50, 12},
    };
    for (const Case& c : table) {
        ViewState3D view;
        view.SetScalePosition(c.before);
        view.SetScaleValue(c.s);
        EXPECT_EQ(view.ScalePosition(), c.after) << c.s;
    }
}

TEST(ViewState3D, PositionsNinetyFiveAndNinetyDecideWhetherToScale)
{
    ViewState3D view;
    view.SetScalePosition(95);
    EXPECT_NEAR(view.MakeFinalScale(), 1.0526, 1e-4);
    EXPECT_EQ(view.EffectiveScale(), 1.0);
    view.SetScalePosition(90);
    EXPECT_NEAR(view.EffectiveScale(), 1.1111, 1e-4);
}

TEST(ViewState3D, DepthSlidersSetTheFogInTenthsWithinTheirRanges)
{
    ViewState3D view;
    EXPECT_DOUBLE_EQ(view.FogStart(), 3.0);
    EXPECT_DOUBLE_EQ(view.FogEnd(), 5.0);
    view.SetStartDepthPosition(-70);
    view.SetEndDepthPosition(200);
    EXPECT_DOUBLE_EQ(view.FogStart(), -5.0);
    EXPECT_DOUBLE_EQ(view.FogEnd(), 10.0);
    view.SetEndDepthPosition(0);
    EXPECT_DOUBLE_EQ(view.FogEnd(), 3.1);
}

void ExpectMatrixNear(const Matrix4& a, const Matrix4& b)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(a.m[i][j], b.m[i][j], 1e-6) << i << "," << j;
}

TEST(ViewState3D, DraggingLeftTurnsAboutYAndWithCtrlAboutZ)
{
    ViewState3D view;
    view.MouseDown(100, 100);
    EXPECT_TRUE(view.MouseMove(110, 100, {.left = true}));
    ExpectMatrixNear(view.ModelMatrix, Matrix4::RotationDegrees({0, 1, 0}, -10));
    // In the row layout R(y, a) has sin a in its first row, third column.
    EXPECT_NEAR(view.ModelMatrix.m[0][2], std::sin(-10 * std::numbers::pi / 180), 1e-6);

    ViewState3D ctrl;
    ctrl.MouseDown(100, 100);
    ctrl.MouseMove(110, 100, {.left = true, .ctrl = true});
    ExpectMatrixNear(ctrl.ModelMatrix, Matrix4::RotationDegrees({0, 0, 1}, 10));

    ViewState3D up;
    up.MouseDown(0, 50);
    up.MouseMove(0, 40, {.left = true});
    ExpectMatrixNear(up.ModelMatrix, Matrix4::RotationDegrees({1, 0, 0}, 10));
}

TEST(ViewState3D, DraggingRightMovesOneViewUnitPer150Pixels)
{
    ViewState3D view;
    view.SetScaleValue(20);
    view.MouseDown(0, 0);
    view.MouseMove(150, -300, {.right = true});
    EXPECT_FLOAT_EQ(view.ModelMatrix.m[3][0], 20.0f);
    EXPECT_FLOAT_EQ(view.ModelMatrix.m[3][1], 40.0f);
    view.MouseMove(300, -300, {.right = true, .ctrl = true});
    EXPECT_FLOAT_EQ(view.ModelMatrix.m[3][2], 20.0f);
    // Both buttons: nothing, but the position is remembered.
    EXPECT_FALSE(view.MouseMove(0, 0, {.left = true, .right = true}));
    EXPECT_EQ(view.PrevX, 0);
}

TEST(ViewState3D, ABlockedDragIsIgnoredUntilTheButtonIsReleased)
{
    ViewState3D view;
    view.DragBlocked = true;
    view.MouseDown(5, 5);
    EXPECT_FALSE(view.MouseMove(50, 5, {.left = true}));
    EXPECT_TRUE(view.ModelMatrix.IsIdentity());
    view.MouseUp();
    view.MouseDown(5, 5);
    EXPECT_TRUE(view.MouseMove(6, 5, {.left = true}));
    EXPECT_FALSE(view.ModelMatrix.IsIdentity());
}

} // namespace
} // namespace lumora
