// The plug-in depth object: fields, drawing at the rendered size, the
// clipped drawing, the stored record, the copy and the kind registry.
#include "common/lumora_error.h"
#include "common/numeric.h"
#include "depthmap/depth_composition.h"
#include "depthmap/depth_objects.h"
#include "plugins/plugin_file.h"
#include "plugins/tool_dm_plugin.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace lumora {
namespace {

constexpr uint8_t kUntouched = 7;

// Marks its whole rectangle with 100 and its last column and row with 200,
// so a picture shows where the script ran and with which XMAX and YMAX.
const QStringList kFrameScript = {
    "RECTANGLE(0,0,XMAX,YMAX,101)",
    "GET(#01,XMAX)",
    "SUBTR(#01,1)",
    "GET(#02,YMAX)",
    "SUBTR(#02,1)",
    "RECTANGLE(#01,0,1,YMAX,201)",
    "RECTANGLE(0,#02,XMAX,1,201)",
};

Tool_dm_PlugIn SampleObject()
{
    Tool_dm_PlugIn o(5, 10, 20, 200, 100, {"", "Line one", "Zwei: äöü"}, kFrameScript);
    o.Name = "PlugIn";
    o.ImageNumber = 42;
    o.PlugInName = "Frame";
    o.Author = "A. Author";
    o.Country = "Österreich";
    o.EMail = "a@example.org";
    o.Internet = "www.example.org";
    o.Invert = true;
    o.Selected = true;
    o.ParentId = 3;
    return o;
}

void ExpectSameFields(const Tool_dm_PlugIn& a, const Tool_dm_PlugIn& b)
{
    EXPECT_EQ(a.Left, b.Left);
    EXPECT_EQ(a.Top, b.Top);
    EXPECT_EQ(a.Width, b.Width);
    EXPECT_EQ(a.Height, b.Height);
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Invert, b.Invert);
    EXPECT_EQ(a.MirrorH, b.MirrorH);
    EXPECT_EQ(a.MirrorV, b.MirrorV);
    EXPECT_EQ(a.Visible, b.Visible);
    EXPECT_EQ(a.Selected, b.Selected);
    EXPECT_EQ(a.ParentId, b.ParentId);
    EXPECT_EQ(a.Kind, b.Kind);
    EXPECT_EQ(a.Script, b.Script);
    EXPECT_EQ(a.Description, b.Description);
    EXPECT_EQ(a.ImageNumber, b.ImageNumber);
    EXPECT_EQ(a.PlugInName, b.PlugInName);
    EXPECT_EQ(a.Author, b.Author);
    EXPECT_EQ(a.Country, b.Country);
    EXPECT_EQ(a.EMail, b.EMail);
    EXPECT_EQ(a.Internet, b.Internet);
}

bool SamePixels(const TPixelEngine256& a, const TPixelEngine256& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

TEST(Tool_dm_PlugIn, ConstructionSetsKindAndCapabilities)
{
    const Tool_dm_PlugIn o(9, 1, 2, 3, 4, {"d"}, {"s"});
    EXPECT_EQ(o.Kind, 17);
    EXPECT_EQ(o.Id, 9);
    EXPECT_EQ(BoxOf(o.Left, o.Top, o.Width, o.Height), (Box{1, 2, 4, 6}));
    EXPECT_TRUE(o.CanInvert);
    EXPECT_FALSE(o.CanMirrorH);
    EXPECT_FALSE(o.CanMirrorV);
    EXPECT_FALSE(o.HasDepth);
    EXPECT_EQ(o.Description, QStringList{"d"});
    EXPECT_EQ(o.Script, QStringList{"s"});
    EXPECT_EQ(o.ImageNumber, 0);
    EXPECT_TRUE(o.PlugInName.isEmpty() && o.Author.isEmpty() && o.Country.isEmpty() &&
                o.EMail.isEmpty() && o.Internet.isEmpty());
    EXPECT_EQ(Tool_dm_PlugIn().Kind, 17);
}

TEST(Tool_dm_PlugIn, RendersAtTwiceTheEditorSizeWithTwiceTheExtent)
{
    DepthObjects objects; // editor 600 x 450
    auto plugIn =
        std::make_unique<Tool_dm_PlugIn>(1, 10, 20, 200, 100, QStringList(), kFrameScript);
    objects.Append(std::move(plugIn));
    TPixelEngine256 depth(1200, 900);
    Generate_VorlageBitm(objects, &depth, 1200, 900);
    // The script saw XMAX 400 and YMAX 200: its rectangle is 20..419 x 40..239.
    EXPECT_EQ(depth.Pixel(20, 40), 100);
    EXPECT_EQ(depth.Pixel(418, 238), 100);
    EXPECT_EQ(depth.Pixel(419, 100), 200);
    EXPECT_EQ(depth.Pixel(100, 239), 200);
    EXPECT_EQ(depth.Pixel(420, 100), 0);
    EXPECT_EQ(depth.Pixel(100, 240), 0);
    EXPECT_EQ(depth.Pixel(19, 40), 0);
}

TEST(Tool_dm_PlugIn, DrawRunsAtTheObjectsRectangleWithItsInvert)
{
    Tool_dm_PlugIn o(1, 5, 6, 20, 10, {}, {"RECTANGLE(0,0,XMAX,YMAX,NUM)"});
    o.ImageNumber = 300;
    TPixelEngine256 buffer(40, 30);
    buffer.Fill(kUntouched);
    o.Draw(buffer);
    EXPECT_EQ(buffer.Pixel(5, 6), 255);
    EXPECT_EQ(buffer.Pixel(24, 15), 255);
    EXPECT_EQ(buffer.Pixel(25, 15), kUntouched);
    EXPECT_EQ(buffer.Pixel(24, 16), kUntouched);
    o.Invert = true;
    o.Draw(buffer);
    EXPECT_EQ(buffer.Pixel(5, 6), 0);
}

TEST(Tool_dm_PlugIn, DrawClippedKeepsToTheClipAndTheObject)
{
    Tool_dm_PlugIn o(1, 5, 5, 20, 10, {}, {"RECTANGLE(-50,-50,200,200,101)"});
    TPixelEngine256 buffer(40, 30);
    buffer.Fill(kUntouched);
    o.DrawClipped(buffer, Box{0, 8, 12, 30});
    int changed = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 5 && x < 12 && y >= 8 && y < 15;
            EXPECT_EQ(buffer.Pixel(x, y), inside ? 100 : kUntouched) << x << ", " << y;
            changed += inside ? 1 : 0;
        }
    EXPECT_EQ(changed, 49);
    // The clip is lifted afterwards.
    buffer.SetBrushGrey(9);
    buffer.SetPen(1, false);
    buffer.Rectangle(30, 20, 40, 30);
    EXPECT_EQ(buffer.Pixel(39, 29), 9);
}

TEST(Tool_dm_PlugIn, AnEmptyScriptDrawsNothingAndAScriptErrorIsReported)
{
    TPixelEngine256 buffer(20, 20);
    buffer.Fill(kUntouched);
    Tool_dm_PlugIn empty(1, 0, 0, 20, 20, {}, {});
    empty.Draw(buffer);
    EXPECT_EQ(buffer.Pixel(10, 10), kUntouched);
    Tool_dm_PlugIn failing(2, 0, 0, 20, 20, {}, {"RECTANGLE(0,0,5,5,50)", "GET(#01,1.5)"});
    try {
        failing.Draw(buffer);
        FAIL() << "no error";
    } catch (const LumoraError& e) {
        EXPECT_STREQ(e.what(), "'1.5' is not a valid integer value");
    }
    EXPECT_EQ(buffer.Pixel(2, 2), 49);
}

TEST(Tool_dm_PlugIn, StoredRecordInOrderAndReadBack)
{
    const Tool_dm_PlugIn original = SampleObject();
    ProjectStreamWriter writer;
    original.SaveToStream(writer);

    ProjectStreamReader layout(std::span<const uint8_t>(writer.Data()));
    for (int i = 0; i < 5; ++i)
        layout.ReadInt32();
    layout.ReadText();
    for (int i = 0; i < 5; ++i)
        layout.ReadByte();
    layout.ReadInt32();
    EXPECT_EQ(layout.ReadInt32(), 17);
    EXPECT_EQ(layout.ReadTextList(), original.Script);
    EXPECT_EQ(layout.ReadTextList(), original.Description);
    EXPECT_EQ(layout.ReadInt32(), 42);
    EXPECT_EQ(layout.ReadText(), "Frame");
    EXPECT_EQ(layout.ReadText(), "A. Author");
    EXPECT_EQ(layout.ReadText(), QString::fromUtf8("Österreich"));
    EXPECT_EQ(layout.ReadText(), "a@example.org");
    EXPECT_EQ(layout.ReadText(), "www.example.org");
    EXPECT_TRUE(layout.AtEnd());

    DepthKindRegistry registry;
    RegisterPlugInKinds(registry);
    ProjectStreamReader reader(std::span<const uint8_t>(writer.Data()));
    const std::unique_ptr<Tool_dm> read = registry.Read(17, reader);
    ASSERT_NE(dynamic_cast<Tool_dm_PlugIn*>(read.get()), nullptr);
    const auto& loaded = static_cast<const Tool_dm_PlugIn&>(*read);
    EXPECT_EQ(loaded.Id, 5);
    ExpectSameFields(loaded, original);
    EXPECT_FALSE(loaded.CanMirrorH);
}

TEST(Tool_dm_PlugIn, ATruncatedRecordIsAnError)
{
    ProjectStreamWriter writer;
    SampleObject().SaveToStream(writer);
    const std::vector<uint8_t>& whole = writer.Data();
    for (size_t length : {whole.size() - 1, whole.size() - 20, whole.size() / 2}) {
        Tool_dm_PlugIn o;
        ProjectStreamReader reader(std::span<const uint8_t>(whole.data(), length));
        EXPECT_THROW(o.LoadFromStream(reader), LumoraError) << length;
    }
}

TEST(Tool_dm_PlugIn, CloneIsAnIndependentCopyWithTheNewId)
{
    const Tool_dm_PlugIn original = SampleObject();
    std::unique_ptr<Tool_dm> copy = original.Clone(77);
    auto& clone = dynamic_cast<Tool_dm_PlugIn&>(*copy);
    EXPECT_EQ(clone.Id, 77);
    ExpectSameFields(clone, original);
    clone.Script.append("RECTANGLE(0,0,1,1,1)");
    clone.Description[1] = "changed";
    EXPECT_EQ(original.Script, kFrameScript);
    EXPECT_EQ(original.Description[1], "Line one");
}

TEST(Tool_dm_PlugIn, ASavedObjectDrawsTheSameWithoutItsFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PlugInFile file;
    file.Script = {"GET(#01,NUM)", "ELLIPSE(0,0,XMAX,YMAX,#01)", "LINE(0,0,XMAX,YMAX,3,250)"};
    file.PlugInName = "Ball";
    file.Description = {"A ball"};
    const QString path = dir.filePath("Ball.lpi");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(EncodePlugIn(file));
    }
    std::unique_ptr<Tool_dm_PlugIn> made = MakePlugInObject(path, 4, IntRect{3, 4, 50, 30}, 180);
    EXPECT_EQ(made->Description, (QStringList{"", "A ball"}));
    EXPECT_EQ(made->Name, "PlugIn");
    EXPECT_EQ(made->PlugInName, "Ball");
    ASSERT_TRUE(QFile::remove(path));

    ProjectStreamWriter writer;
    made->SaveToStream(writer);
    Tool_dm_PlugIn loaded;
    ProjectStreamReader reader(std::span<const uint8_t>(writer.Data()));
    loaded.LoadFromStream(reader);

    TPixelEngine256 before(60, 40), after(60, 40);
    before.Fill(0);
    after.Fill(0);
    made->Draw(before);
    loaded.Draw(after);
    EXPECT_TRUE(SamePixels(before, after));
    EXPECT_EQ(after.Pixel(28, 10), 179);
    EXPECT_THROW(MakePlugInObject(path, 5, IntRect{0, 0, 1, 1}, 0), LumoraError);
}

TEST(Tool_dm_PlugIn, RenderPlugInFileDrawsAFileIntoARectangle)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PlugInFile file;
    file.Script = {"RECTANGLE(0,0,XMAX,YMAX,NUM)"};
    file.PlugInName = "Box";
    const QString path = dir.filePath("Box.lpi");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(EncodePlugIn(file));
    }
    TPixelEngine256 buffer(30, 20);
    buffer.Fill(kUntouched);
    RenderPlugInFile(path, 61, buffer, IntRect{5, 5, 10, 8});
    EXPECT_EQ(buffer.Pixel(5, 5), 60);
    EXPECT_EQ(buffer.Pixel(14, 12), 60);
    EXPECT_EQ(buffer.Pixel(15, 12), kUntouched);
    EXPECT_EQ(buffer.Pixel(14, 13), kUntouched);

    const QString other = dir.filePath("NotAPlugIn.lpi");
    {
        QFile f(other);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("no plug-in");
    }
    EXPECT_THROW(RenderPlugInFile(other, 0, buffer, IntRect{0, 0, 5, 5}), LumoraError);
    EXPECT_THROW(RenderPlugInFile(dir.filePath("missing.lpi"), 0, buffer, IntRect{0, 0, 5, 5}),
                 LumoraError);
}

} // namespace
} // namespace lumora
