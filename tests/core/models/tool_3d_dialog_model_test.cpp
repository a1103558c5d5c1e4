#include "depthmap/depth_objects.h"
#include "models/tool_3d_dialog_model.h"
#include "models/tool_dm_3d.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace lumora {
namespace {

QString Fixture(const char* name)
{
    return QString(LUMORA_FIXTURES_DIR) + "/models/" + name;
}

// The dialog window as the tests drive it: "ShowModal" runs what the user
// would do and answers OK or cancel.
class FakeUi : public Tool3DDialogUi
{
public:
    void ShowOnlyGroup(Group g) override { group = g; }
    void SetOkVisible(bool v) override { okVisible = v; }
    void SetSaveAsImageVisible(bool v) override { saveVisible = v; }
    void SetViewTitle(const QString& t) override { title = t; }
    void SetPressedPrimitive(int n) override { pressed = n; }
    int ShowModal() override
    {
        ++shown;
        return user ? user() : 1;
    }
    QString LanguageText(const QString& section, const QString& key) const override
    {
        return section + ":" + key;
    }
    QString ProjectFileName() const override { return project; }
    bool FileSearch(QString& fileName, const QString&) override
    {
        ++searches;
        if (found.isEmpty())
            return false;
        fileName = found;
        return true;
    }
    void ShowError(const QString& text) override { errors << text; }
    QStringList InstalledFonts() const override { return fonts; }

    Group group = Group::Primitives;
    bool okVisible = false;
    bool saveVisible = false;
    QString title;
    int pressed = -1;
    int shown = 0;
    int searches = 0;
    QString project;
    QString found;
    QStringList errors;
    QStringList fonts{"Arial", "Courier New", "Times New Roman"};
    std::function<int()> user;
};

class Tool3DDialogModelTest : public ::testing::Test
{
protected:
    FakeUi ui;
    Tool3DDialogModel dialog{ui, QString(LUMORA_FIXTURES_DIR) + "/models"};
    DepthObjects objects;
};

TEST_F(Tool3DDialogModelTest, ANewTextStartsAtScale07MovedLeftAndDown)
{
    Matrix4 seen;
    double scale = 0;
    ui.user = [&] {
        seen = dialog.Scene.View.ModelMatrix;
        scale = dialog.Scene.View.GetScaleValue();
        return 1;
    };
    ASSERT_TRUE(dialog.Create_via_Form(10, 20, 300, 200, 16, objects));
    EXPECT_EQ(scale, 0.7);
    EXPECT_EQ(dialog.Scene.View.ScalePosition(), 70);
    EXPECT_FLOAT_EQ(seen.m[3][0], -0.95f);
    EXPECT_FLOAT_EQ(seen.m[3][1], -0.2f);
    EXPECT_EQ(ui.group, Tool3DDialogUi::Group::Text);
    EXPECT_TRUE(ui.okVisible);
    EXPECT_EQ(ui.title, "3DBezeichnung:Text");

    ASSERT_EQ(objects.Count(), 1);
    const auto* text = dynamic_cast<const Tool_dm_3d_text*>(objects.At(0));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Id, 1);
    EXPECT_EQ(objects.LastObjectId, 1);
    EXPECT_EQ(text->Name, "3DText");
    EXPECT_EQ(text->Text, "3DBezeichnung:Text");
    EXPECT_EQ(text->FontName, "Arial");
    EXPECT_EQ(text->Extrusion, 50);
    EXPECT_TRUE(text->Transparent);
    EXPECT_EQ(text->StartDepthPos, 30);
    EXPECT_EQ(text->EndDepthPos, 50);
    EXPECT_EQ(text->ScaleValue, 0.7);
    EXPECT_EQ(text->ViewMatrix, seen);
    EXPECT_EQ(text->SourcePicture->Width(), 513);
    EXPECT_EQ(text->SourcePicture->Height(), 389);
    EXPECT_EQ(text->ScaledPicture->Width(), 300);
    EXPECT_EQ(text->Left, 10);
}

TEST_F(Tool3DDialogModelTest, CancellingCreatesNothing)
{
    ui.user = [] { return 0; };
    EXPECT_FALSE(dialog.Create_via_Form(0, 0, 50, 50, 16, objects));
    EXPECT_EQ(objects.Count(), 0);
    EXPECT_EQ(objects.LastObjectId, 0);
}

TEST_F(Tool3DDialogModelTest, AModelMadeInTheDialogKeepsItsFileAndTheDialogState)
{
    ui.user = [&] {
        EXPECT_FALSE(ui.okVisible); // shown only once a model is loaded
        EXPECT_TRUE(dialog.Model_laden(Fixture("quad_and_triangle.dxf")));
        EXPECT_TRUE(ui.okVisible);
        dialog.Scene.View.MouseDown(0, 0);
        dialog.Scene.View.MouseMove(25, 10, {.left = true});
        dialog.Transparent = false;
        return 1;
    };
    ASSERT_TRUE(dialog.Create_via_Form(0, 0, 100, 80, 15, objects));
    const auto* model = dynamic_cast<const Tool_dm_3d_model*>(objects.At(0));
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->ModelFileName, Fixture("quad_and_triangle.dxf"));
    EXPECT_EQ(ui.title, "quad_and_triangle.dxf");
    EXPECT_EQ(model->ScaleValue, 2.0); // Round(extent 2)
    EXPECT_FALSE(model->Transparent);
    EXPECT_FALSE(model->ViewMatrix.IsIdentity());
}

TEST_F(Tool3DDialogModelTest, TheExtentChoosesTheInitialScale)
{
    QTemporaryDir dir;
    const auto write = [&](const char* name, const char* x) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("ENTITIES\n0\n3DFACE\n10\n") + x +
                "\n20\n0\n30\n0\n11\n0\n21\n0.1\n31\n0\n12\n0\n22\n0\n32\n0.1\n13\n0\n23\n0\n"
                "33\n0.1\n0\nEOF\n");
        return dir.filePath(name);
    };
    ASSERT_TRUE(dialog.Model_laden(write("a.dxf", "1.4")));
    EXPECT_EQ(dialog.Scene.View.ScalePosition(), 100); // scale value 1
    ASSERT_TRUE(dialog.Model_laden(write("b.dxf", "-0.4")));
    EXPECT_EQ(dialog.Scene.View.ScalePosition(), 1); // scale value 0: the slider's minimum
    EXPECT_DOUBLE_EQ(dialog.Scene.View.GetScaleValue(), 0.01);
}

TEST_F(Tool3DDialogModelTest, A3DStudioModelStartsAtScaleTen)
{
    dialog.Scene.View.SetScalePosition(300);
    QTemporaryDir dir;
    QFile f(dir.filePath("t.3ds"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    // An empty file is damaged: the error is shown and nothing is loaded.
    EXPECT_FALSE(dialog.Model_laden(dir.filePath("t.3ds")));
    ASSERT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(dialog.Scene.Model.Empty());
}

TEST_F(Tool3DDialogModelTest, AMissingFileIsLookedForBesideTheProjectThenSearched)
{
    EXPECT_FALSE(dialog.Model_laden("/gone/quad_and_triangle.dxf")); // no project: fails at once
    EXPECT_EQ(ui.searches, 0);

    ui.project = Fixture("project.l2p");
    EXPECT_TRUE(dialog.Model_laden("/gone/quad_and_triangle.dxf"));
    EXPECT_EQ(dialog.ModelFileName, Fixture("quad_and_triangle.dxf"));
    EXPECT_EQ(ui.searches, 0);

    ui.found = Fixture("two_objects.l3m");
    EXPECT_TRUE(dialog.Model_laden("/gone/elsewhere.l3m"));
    EXPECT_EQ(ui.searches, 1);
    EXPECT_EQ(dialog.ModelFileName, Fixture("two_objects.l3m"));
    ui.found.clear();
    EXPECT_FALSE(dialog.Model_laden("/gone/elsewhere.l3m"));
}

TEST_F(Tool3DDialogModelTest, ADxfWithoutFacesKeepsThePreviousModel)
{
    ASSERT_TRUE(dialog.Model_laden(Fixture("two_objects.l3m")));
    QTemporaryDir dir;
    QFile f(dir.filePath("lines.dxf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("0\nLINE\n0\nEOF\n");
    f.close();
    EXPECT_FALSE(dialog.Model_laden(dir.filePath("lines.dxf")));
    EXPECT_EQ(dialog.Scene.Model.TriangleCount(), 2u);
    EXPECT_TRUE(ui.errors.isEmpty());
}

TEST_F(Tool3DDialogModelTest, ASavedAndLoadedModelObjectReopensWithTheSameView)
{
    ui.user = [&] {
        dialog.Model_laden(Fixture("two_objects.asc"));
        dialog.Scene.View.MouseDown(0, 0);
        dialog.Scene.View.MouseMove(30, -20, {.left = true});
        dialog.Scene.View.SetStartDepthPosition(20);
        return 1;
    };
    ASSERT_TRUE(dialog.Create_via_Form(0, 0, 100, 80, 15, objects));
    const auto& original = dynamic_cast<const Tool_dm_3d_model&>(*objects.At(0));

    ProjectStreamWriter writer;
    original.SaveToStream(writer);
    ProjectStreamReader reader(writer.TakeData());
    Tool_dm_3d_model loaded;
    loaded.LoadFromStream(reader);

    FakeUi ui2;
    Tool3DDialogModel reopened(ui2, QString());
    GreyPicture shown;
    ui2.user = [&] {
        EXPECT_TRUE(reopened.Scene.View.DragBlocked);
        shown = reopened.Paint_final();
        return 1;
    };
    ASSERT_TRUE(reopened.Edit_Data_Model(loaded));
    ASSERT_EQ(shown.Width, 513);
    for (int y = 0; y < shown.Height; ++y)
        for (int x = 0; x < shown.Width; ++x)
            ASSERT_EQ(shown.At(x, y), original.SourcePicture->Pixel(x, y)) << x << "," << y;
    EXPECT_EQ(reopened.Scene.View.StartDepthPosition(), 20);
}

TEST_F(Tool3DDialogModelTest, EditingAModelThatCannotBeLoadedLeavesItUnchanged)
{
    Tool_dm_3d_model object;
    object.ModelFileName = "/gone/model.dxf";
    object.ScaleValue = 55;
    EXPECT_FALSE(dialog.Edit_Data_Model(object));
    EXPECT_EQ(ui.shown, 0);
    EXPECT_EQ(object.ScaleValue, 55);
}

TEST_F(Tool3DDialogModelTest, ATextWhoseFontIsNotInstalledReopensWithArial)
{
    Tool_dm_3d_text object;
    object.Text = "Hi";
    object.FontName = "No Such Font";
    object.Extrusion = 30;
    object.ScaleValue = 2;
    ui.user = [&] {
        EXPECT_EQ(dialog.Scene.Font.FontName, "Arial");
        EXPECT_EQ(dialog.Scene.ExtrusionPosition(), 30);
        EXPECT_EQ(dialog.TextBox, "Hi");
        return 1;
    };
    ASSERT_TRUE(dialog.Edit_Data_Text(object));
    EXPECT_EQ(object.FontName, "Arial");
    EXPECT_EQ(object.ScaleValue, 2.0);

    ui.fonts = {"DejaVu Sans", "Liberation Serif"};
    object.FontName = "Gone";
    ui.user = [&] { return 0; };
    EXPECT_FALSE(dialog.Edit_Data_Text(object));
    EXPECT_EQ(dialog.Scene.Font.FontName, "DejaVu Sans"); // no Arial: the first font
    EXPECT_EQ(object.FontName, "Gone");                   // cancelled: unchanged
}

TEST_F(Tool3DDialogModelTest, TheFontDialogRebuildsTheGlyphsWhetherConfirmedOrNot)
{
    ui.user = [&] {
        dialog.SetText("I");
        const size_t regular = dialog.Scene.Text.LayoutTriangles().size();
        const QString serif = "Courier New";
        const bool bold = true;
        dialog.FontDialogClosed(&serif, &bold, nullptr);
        EXPECT_TRUE(dialog.Scene.Font.Bold);
        EXPECT_EQ(dialog.Scene.Font.FontName, "Courier New");
        // The monospaced face's "I" has serifs: more outline, more triangles.
        EXPECT_GT(dialog.Scene.Text.LayoutTriangles().size(), regular);
        dialog.FontDialogClosed(nullptr, nullptr, nullptr);
        EXPECT_TRUE(dialog.Scene.Text.HasGlyphs());
        return 1;
    };
    ASSERT_TRUE(dialog.Create_via_Form(0, 0, 60, 40, 16, objects));
    const auto& text = dynamic_cast<const Tool_dm_3d_text&>(*objects.At(0));
    EXPECT_TRUE(text.Bold);
    EXPECT_EQ(text.FontName, "Courier New");
}

} // namespace
} // namespace lumora
