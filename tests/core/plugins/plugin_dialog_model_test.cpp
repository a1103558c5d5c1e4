// The plug-in dialog's model: the list of usable plug-ins, reading one,
// the preview at 408 x 258, and creating and editing objects.
#include "common/lumora_error.h"
#include "common/numeric.h"
#include "depthmap/depth_objects.h"
#include "plugins/plugin_dialog_model.h"
#include "plugins/plugin_file.h"
#include "plugins/plugin_value_writer.h"
#include "plugins/tool_dm_plugin.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumora {
namespace {

PlugInFile PlugIn(const QString& name, const QStringList& script)
{
    PlugInFile p;
    p.PlugInName = name;
    p.Script = script;
    p.Description = {name + " line 1", name + " line 2"};
    p.Author = name + " author";
    p.Country = name + " country";
    p.EMail = name + "@example.org";
    p.Internet = "www.example.org/" + name;
    return p;
}

// Sets its first pixel only when the preview runs at 408 x 258.
const QStringList kSizeProbe = {"GET(#01,XMAX)",
                                "SUBTR(#01,408)",
                                "GET(#02,YMAX)",
                                "SUBTR(#02,258)",
                                "IF(#01,=,0)",
                                "IF(#02,=,0)",
                                "RECTANGLE(0,0,1,1,201)",
                                "END",
                                "END"};

class PlugInDialogModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Write("b_second.lpi", EncodePlugIn(PlugIn("Beta", {"RECTANGLE(0,0,NUM,1,101)"})));
        Write("A_first.lpi", EncodePlugIn(PlugIn("Alpha", kSizeProbe)));
        Write("c_fails.LPI",
              EncodePlugIn(PlugIn("Gamma", {"RECTANGLE(0,0,4,4,51)", "GET(#01,oops)"})));
        Write("readme.txt", EncodePlugIn(PlugIn("Not listed", {"GET(#01,1)"})));
        Write("noscript.lpi", NoScriptFile());
        Write("other.lpi", QByteArray("\x02garbage", 8));
        const QByteArray cut = EncodePlugIn(PlugIn("Cut", {"GET(#01,1)"}));
        Write("cut.lpi", cut.left(cut.indexOf("Cut") - 2));
    }

    static QByteArray NoScriptFile()
    {
        PlugInValueWriter w;
        w.WriteListStart();
        w.WriteText(QLatin1String(kPlugInMagic));
        w.WriteText(QLatin1String(kPlugInVersion));
        w.WriteText("h1");
        w.WriteText("h2");
        w.WriteBoolean(false);
        return w.Data();
    }

    QString Write(const QString& name, const QByteArray& data)
    {
        QFile f(dir_.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return dir_.filePath(name);
    }

    QString Folder() const { return dir_.path(); }

    QTemporaryDir dir_;
};

TEST_F(PlugInDialogModelTest, ListsTheUsablePlugInsInNameOrder)
{
    PlugInDialogModel model(Folder());
    EXPECT_EQ(model.Names(), (QStringList{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(model.FileNames(), (QStringList{"A_first.lpi", "b_second.lpi", "c_fails.LPI"}));
    EXPECT_FALSE(model.PreviewEnabled());

    PlugInDialogModel none(dir_.filePath("missing"));
    EXPECT_TRUE(none.Names().isEmpty());
}

TEST_F(PlugInDialogModelTest, PrepareForCreateReadsTheFirstEntryWithoutRunningIt)
{
    PlugInDialogModel model(Folder());
    model.SetImageNumber(12);
    model.PrepareForCreate();
    EXPECT_EQ(model.ImageNumber(), 0);
    EXPECT_EQ(model.SelectedEntry(), 0);
    EXPECT_EQ(model.LoadResult(), 0);
    EXPECT_EQ(model.ScriptBuffer(), kSizeProbe);
    EXPECT_EQ(model.DescriptionLines(), (QStringList{"", "Alpha line 1", "Alpha line 2"}));
    EXPECT_EQ(model.NameLine(), "Alpha");
    EXPECT_EQ(model.AuthorLine(), "Alpha author");
    EXPECT_EQ(model.CountryLine(), "Alpha country");
    EXPECT_EQ(model.EMailLine(), "Alpha@example.org");
    EXPECT_EQ(model.InternetLine(), "www.example.org/Alpha");
    EXPECT_EQ(model.Preview().Pixel(0, 0), 0) << "preparing ran the script";
    EXPECT_TRUE(model.PreviewEnabled());

    // The preview always runs at 408 x 258.
    EXPECT_TRUE(model.RepaintPreview());
    EXPECT_EQ(model.Preview().Width(), 408);
    EXPECT_EQ(model.Preview().Height(), 258);
    EXPECT_EQ(model.Preview().Pixel(0, 0), 200);
}

TEST_F(PlugInDialogModelTest, ChangingTheImageNumberRepaintsAtOnce)
{
    PlugInDialogModel model(Folder());
    model.PrepareForCreate();
    model.ChooseEntry(1);
    EXPECT_EQ(model.Preview().Pixel(0, 0), 0); // NUM 0: an empty rectangle
    model.SetImageNumber(5);
    EXPECT_EQ(model.Preview().Pixel(4, 0), 100);
    EXPECT_EQ(model.Preview().Pixel(5, 0), 0);
    model.SetImageNumber(3);
    EXPECT_EQ(model.Preview().Pixel(2, 0), 100);
    EXPECT_EQ(model.Preview().Pixel(3, 0), 0) << "the preview is filled anew";
    model.SetImageNumber(200000);
    EXPECT_EQ(model.ImageNumber(), 100000);
    model.Close();
    model.SetImageNumber(1);
    EXPECT_EQ(model.Preview().Pixel(2, 0), 100) << "no preview while the dialog is closed";
}

TEST_F(PlugInDialogModelTest, APreviewErrorIsReportedAndWhatWasDrawnStays)
{
    PlugInDialogModel model(Folder());
    model.PrepareForCreate();
    try {
        model.ChooseEntry(2);
        FAIL() << "no error";
    } catch (const LumoraError& e) {
        EXPECT_STREQ(e.what(), "'oops' is not a valid integer value");
    }
    EXPECT_EQ(model.LoadResult(), 0);
    EXPECT_EQ(model.NameLine(), "Gamma");
    EXPECT_EQ(model.Preview().Pixel(3, 3), 50);
}

TEST_F(PlugInDialogModelTest, LadenAnswersAndChangesAsTheFileIs)
{
    PlugInDialogModel model(Folder());
    model.PrepareForCreate(); // Alpha
    EXPECT_EQ(model.Laden(dir_.filePath("other.lpi")), -1);
    EXPECT_EQ(model.ScriptBuffer(), kSizeProbe) << "no plug-in: nothing changes";
    EXPECT_EQ(model.NameLine(), "Alpha");

    EXPECT_EQ(model.Laden(dir_.filePath("noscript.lpi")), -1);
    EXPECT_TRUE(model.ScriptBuffer().isEmpty());
    EXPECT_EQ(model.DescriptionLines(), QStringList{""});

    EXPECT_EQ(model.Laden(dir_.filePath("b_second.lpi")), 0);
    EXPECT_EQ(model.NameLine(), "Beta");
    EXPECT_THROW(model.Laden(dir_.filePath("cut.lpi")), LumoraError);
    EXPECT_TRUE(model.ScriptBuffer().isEmpty()) << "a damaged file leaves no half script";
    EXPECT_THROW(model.Laden(dir_.filePath("gone.lpi")), LumoraError);
}

TEST_F(PlugInDialogModelTest, CreateObjectBuildsAndAppendsThePlugIn)
{
    DepthObjects objects;
    objects.LastObjectId = 6;
    PlugInDialogModel model(Folder());
    model.PrepareForCreate();
    model.ChooseEntry(1);
    model.SetImageNumber(9);
    ASSERT_TRUE(model.CreateObject(IntRect{10, 20, 200, 100}, objects));
    ASSERT_EQ(objects.Count(), 1);
    const auto* o = dynamic_cast<const Tool_dm_PlugIn*>(objects.At(0));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->Id, 7);
    EXPECT_EQ(objects.LastObjectId, 7);
    EXPECT_EQ(o->Name, "PlugIn");
    EXPECT_EQ(BoxOf(o->Left, o->Top, o->Width, o->Height), (Box{10, 20, 210, 120}));
    EXPECT_EQ(o->Script, QStringList{"RECTANGLE(0,0,NUM,1,101)"});
    EXPECT_EQ(o->Description, (QStringList{"", "Beta line 1", "Beta line 2"}));
    EXPECT_EQ(o->ImageNumber, 9);
    EXPECT_EQ(o->PlugInName, "Beta");
    EXPECT_EQ(o->Author, "Beta author");
    EXPECT_EQ(o->Internet, "www.example.org/Beta");
}

TEST_F(PlugInDialogModelTest, NothingToCreateFromAnEmptyFolder)
{
    QTemporaryDir empty;
    DepthObjects objects;
    PlugInDialogModel model(empty.path());
    model.PrepareForCreate();
    EXPECT_FALSE(model.CanCreate());
    EXPECT_FALSE(model.CreateObject(IntRect{0, 0, 10, 10}, objects));
    EXPECT_EQ(objects.Count(), 0);
    EXPECT_EQ(objects.LastObjectId, 0);
}

TEST_F(PlugInDialogModelTest, EditingReplacesTheScriptOnlyOnOk)
{
    Tool_dm_PlugIn object(3, 0, 0, 50, 50, {"", "old"}, {"RECTANGLE(0,0,1,1,1)"});
    object.ImageNumber = 4;
    object.PlugInName = "Old";
    PlugInDialogModel model(Folder());

    model.PrepareForEdit(object);
    EXPECT_EQ(model.SelectedEntry(), -1);
    EXPECT_EQ(model.ImageNumber(), 4);
    EXPECT_EQ(model.NameLine(), "Old");
    EXPECT_EQ(model.ScriptBuffer(), object.Script);
    EXPECT_EQ(model.LoadResult(), 0);
    model.ChooseEntry(1);
    model.Close(); // cancel: nothing goes back
    EXPECT_EQ(object.Script, QStringList{"RECTANGLE(0,0,1,1,1)"});
    EXPECT_EQ(object.PlugInName, "Old");

    model.PrepareForEdit(object);
    model.ChooseEntry(1);
    model.SetImageNumber(8);
    model.ApplyTo(object);
    EXPECT_EQ(object.Script, QStringList{"RECTANGLE(0,0,NUM,1,101)"});
    EXPECT_EQ(object.Description, (QStringList{"", "Beta line 1", "Beta line 2"}));
    EXPECT_EQ(object.PlugInName, "Beta");
    EXPECT_EQ(object.EMail, "Beta@example.org");
    EXPECT_EQ(object.ImageNumber, 8);
}

} // namespace
} // namespace lumora
