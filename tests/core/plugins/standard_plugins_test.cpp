// The six standard plug-ins of the installation, as lumora-assets wrote them
// into the share folder of the build tree.
#include "plugins/plugin_file.h"
#include "plugins/plugin_interpreter.h"
#include "rendering/lumo_pixelengine256.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace lumora {
namespace {

QString PlugInFolder()
{
    return QDir(LUMORA_BIN_DIR "/../share/lumora/PlugIns").absolutePath();
}

PlugInFile Load(const QString& name)
{
    PlugInFile p;
    EXPECT_EQ(ReadPlugInFile(PlugInFolder() + "/" + name, p), PlugInFileState::Usable)
        << qPrintable(name);
    return p;
}

std::unique_ptr<TPixelEngine256> Draw(const PlugInFile& p, int w, int h, int num)
{
    auto buffer = std::make_unique<TPixelEngine256>(w, h);
    buffer->Fill(0);
    RunPlugInScript(0, 0, w, h, num, *buffer, p.Script, false);
    return buffer;
}

int NonZero(const TPixelEngine256& b)
{
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += b.Pixel(x, y) != 0 ? 1 : 0;
    return n;
}

bool Same(const TPixelEngine256& a, const TPixelEngine256& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

struct StandardCase
{
    const char* File;
    // What the name promises, checked on the 600 x 450 picture of image 0.
    std::function<void(const TPixelEngine256&)> Promise;
    int Period; // image numbers after which the series repeats (0: XMAX)
};

void ExpectRamp(const TPixelEngine256& b, bool alongX, bool rising)
{
    const int n = alongX ? b.Width() : b.Height();
    const auto at = [&](int i, int j) { return alongX ? b.Pixel(i, j) : b.Pixel(j, i); };
    const int other = alongX ? b.Height() : b.Width();
    EXPECT_EQ(at(0, 0), rising ? 0 : 255);
    EXPECT_EQ(at(n - 1, other - 1), rising ? 255 : 0);
    for (int i = 1; i < n; ++i) {
        const int step = at(i, other / 2) - at(i - 1, other / 2);
        ASSERT_TRUE(rising ? (step >= 0 && step <= 1) : (step <= 0 && step >= -1)) << "at " << i;
        ASSERT_EQ(at(i, 0), at(i, other - 1)) << "not constant across at " << i;
    }
}

const StandardCase kStandard[] = {
    {"GradientXa.lpi", [](const TPixelEngine256& b) { ExpectRamp(b, true, true); }, 0},
    {"GradientXb.lpi", [](const TPixelEngine256& b) { ExpectRamp(b, true, false); }, 0},
    {"GradientYa.lpi", [](const TPixelEngine256& b) { ExpectRamp(b, false, true); }, 0},
    {"GradientYb.lpi", [](const TPixelEngine256& b) { ExpectRamp(b, false, false); }, 0},
    {"Star.lpi",
     [](const TPixelEngine256& b) {
         // Centre nearest, the five points out on the radius, corners and
         // the gaps between points far.
         EXPECT_GT(b.Pixel(300, 225), b.Pixel(300, 100));
         EXPECT_GT(b.Pixel(300, 20), 0);  // the upper point
         EXPECT_EQ(b.Pixel(300, 440), 0); // below the centre: between two points
         EXPECT_EQ(b.Pixel(5, 5), 0);
         EXPECT_EQ(b.Pixel(594, 444), 0);
         EXPECT_EQ(b.Pixel(200, 300), b.Pixel(400, 300)); // symmetric about the centre column
     },
     16},
    {"Tree.lpi",
     [](const TPixelEngine256& b) {
         EXPECT_GT(b.Pixel(300, 440), 0);                 // the trunk
         EXPECT_EQ(b.Pixel(100, 440), 0);                 // ground beside it
         EXPECT_GT(b.Pixel(300, 200), b.Pixel(200, 380)); // the middle of a tier is nearer
         EXPECT_EQ(b.Pixel(5, 5), 0);
         EXPECT_EQ(b.Pixel(594, 5), 0);
         EXPECT_EQ(b.Pixel(250, 300), b.Pixel(350, 300));
     },
     5},
};

TEST(StandardPlugIns, EachReadsBackListedAndDescribed)
{
    for (const StandardCase& c : kStandard) {
        QString name;
        EXPECT_TRUE(CheckPlugInFunction(PlugInFolder() + "/" + c.File, name)) << c.File;
        const PlugInFile p = Load(c.File);
        EXPECT_EQ(p.PlugInName, name) << c.File;
        EXPECT_FALSE(p.PlugInName.isEmpty()) << c.File;
        EXPECT_GE(p.Description.size(), 2) << c.File;
        EXPECT_FALSE(p.Author.isEmpty()) << c.File;
        EXPECT_FALSE(p.Country.isEmpty()) << c.File;
        EXPECT_FALSE(p.EMail.isEmpty()) << c.File;
        EXPECT_FALSE(p.Internet.isEmpty()) << c.File;
    }
}

TEST(StandardPlugIns, EachDrawsWhatItsNamePromisesAtAnySize)
{
    for (const StandardCase& c : kStandard) {
        SCOPED_TRACE(c.File);
        const PlugInFile p = Load(c.File);
        const auto large = Draw(p, 600, 450, 0);
        EXPECT_GT(NonZero(*large), 600 * 450 / 10);
        c.Promise(*large);
        const auto tiny = Draw(p, 7, 5, 0);
        EXPECT_GT(NonZero(*tiny), 0);
        const auto preview = Draw(p, 408, 258, 3);
        EXPECT_GT(NonZero(*preview), 0);
    }
}

TEST(StandardPlugIns, ImageNumbersGiveASeries)
{
    for (const StandardCase& c : kStandard) {
        SCOPED_TRACE(c.File);
        const PlugInFile p = Load(c.File);
        const int w = 120, h = 90;
        const int period =
            c.Period != 0 ? c.Period : (std::string(c.File).find('X') != std::string::npos ? w : h);
        const auto first = Draw(p, w, h, 0);
        const auto second = Draw(p, w, h, 1);
        EXPECT_FALSE(Same(*first, *second));
        EXPECT_TRUE(Same(*first, *Draw(p, w, h, period)));
        EXPECT_TRUE(Same(*Draw(p, w, h, 2), *Draw(p, w, h, 2 + 3 * period)));
        EXPECT_GT(NonZero(*Draw(p, w, h, 100000)), 0);
    }
}

} // namespace
} // namespace lumora
