// The built-in example scene: every shape kind present and visible in the
// composed depth map.
#include "depthmap/depth_objects.h"
#include "depthmap/example_depth_scene.h"
#include "rendering/lumo_pixelengine256.h"

#include <gtest/gtest.h>

#include <set>

namespace lumora {
namespace {

TEST(ExampleDepthScene, HoldsEveryShapeKindInCanonicalOrder)
{
    DepthObjects objects;
    BuildExampleDepthScene(objects);
    std::set<int32_t> kinds;
    for (const auto& o : objects.Items())
        kinds.insert(o->Kind);
    EXPECT_EQ(kinds, (std::set<int32_t>{1, 2, 3, 4, 5, 9, 10, 12, 19}));
    EXPECT_NO_THROW(objects.CheckHierarchy());
    std::vector<int32_t> before;
    for (const auto& o : objects.Items())
        before.push_back(o->Id);
    objects.NormalizeOrder();
    std::vector<int32_t> after;
    for (const auto& o : objects.Items())
        after.push_back(o->Id);
    EXPECT_EQ(before, after);
}

TEST(ExampleDepthScene, ComposesAtAnySizeWithTheObjectsDepths)
{
    const auto small = ComposeExampleDepthScene(600, 450);
    ASSERT_EQ(small->Width(), 600);
    EXPECT_EQ(small->Pixel(5, 5), 0);       // background
    EXPECT_EQ(small->Pixel(300, 400), 60);  // the plate
    EXPECT_EQ(small->Pixel(430, 155), 190); // the ellipse's centre
    EXPECT_EQ(small->Pixel(180, 165), 230); // on the line
    EXPECT_EQ(small->Pixel(100, 370), 130); // the block
    EXPECT_EQ(small->Pixel(165, 305), 175); // the hexagon's centre
    std::set<int> levels;
    for (int y = 280; y < 370; ++y)
        for (int x = 290; x < 530; ++x)
            levels.insert(small->Pixel(x, y));
    EXPECT_TRUE(levels.count(255));        // the text
    EXPECT_EQ(small->Pixel(92, 200), 220); // the cone's plateau
    EXPECT_EQ(small->Pixel(45, 200), 60);  // and its foot
    EXPECT_EQ(small->Pixel(275, 95), 230); // the top of the picture's dome
    EXPECT_EQ(small->Pixel(236, 56), 80);  // and its rim
    EXPECT_EQ(small->Pixel(40, 420), 20);  // the wave starts at its lower bound
    std::set<int> wave;
    for (int x = 40; x < 560; ++x)
        wave.insert(small->Pixel(x, 420));
    EXPECT_GT(wave.size(), 20u);
    EXPECT_GE(*wave.rbegin(), 89); // floor(35 sin + 55) at the crests
    EXPECT_LE(*wave.rbegin(), 90);

    const auto large = ComposeExampleDepthScene(1200, 900);
    EXPECT_EQ(large->Pixel(860, 310), 190);
    EXPECT_EQ(large->Pixel(330, 610), 175);
}

} // namespace
} // namespace lumora
