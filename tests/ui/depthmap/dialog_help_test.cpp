// In the started program, the "?" of each depth-map dialog and small
// window opens the help window on the dialog's installed page.
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_polygon.h"
#include "depthmap/tool_dm_rectangle.h"
#include "depthmap/tool_dm_text.h"
#include "depthmap_dialog_support.h"
#include "help/lumo_help.h"
#include "ui/depthmap/tdepthslider_form.h"
#include "ui/depthmap/tgreypicker.h"
#include "ui/depthmap/trename_dm_obj.h"
#include "ui/depthmap/ttool_ellipse.h"
#include "ui/depthmap/ttool_line.h"
#include "ui/depthmap/ttool_polygon.h"
#include "ui/depthmap/ttool_rectangle.h"
#include "ui/depthmap/ttool_text.h"
#include "ui/help/help_windows.h"
#include "ui/help/thelp.h"
#include "ui/shell/shell_test_support.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace lumora {
namespace {

const QString kInstalledHelp = QStringLiteral(LUMORA_SHARE_DIR "/help/english");

void CopyInstalledHelp(const test::FakeInstallation& installation)
{
    QDirIterator files(kInstalledHelp, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target =
            installation.Path("help/english/" + QDir(kInstalledHelp).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(source, target)) << target.toStdString();
    }
}

QString PageName(const THelp& help)
{
    return QFileInfo(help.Page().CurrentPath()).fileName();
}

struct HelpCase
{
    const char* Name;
    const char* Page;
    // Opens the program's dialog modally.
    std::function<void(ProgramContext&)> Open;
};

const std::vector<HelpCase>& HelpCases()
{
    static const std::vector<HelpCase> cases{
        {"TTool_Rectangle", "dm_tool_rectangle.l2h",
         [](ProgramContext& p) {
             p.Tool_Rectangle().ExecuteNew(IntRect{0, 0, 10, 10});
         }},
        {"TTool_Ellipse", "dm_tool_ellipse.l2h",
         [](ProgramContext& p) {
             p.Tool_Ellipse().ExecuteNew(IntRect{0, 0, 10, 10});
         }},
        {"TTool_Line", "dm_tool_line.l2h",
         [](ProgramContext& p) {
             p.Tool_Line().ExecuteNew(IntRect{0, 0, 10, 10}, 1, 1);
         }},
        {"TTool_Polygon", "dm_tool_polygon.l2h",
         [](ProgramContext& p) {
             p.Tool_Polygon().ExecuteNew(IntRect{0, 0, 10, 10});
         }},
        {"TTool_Text", "dm_tool_text.l2h",
         [](ProgramContext& p) {
             p.Tool_Text().ExecuteNew(IntRect{0, 0, 10, 10});
         }},
        {"TRename_dm_obj object", "Rename_dm_object.l2h",
         [](ProgramContext& p) { p.Rename_dm_obj().ShowRename_dm_object("Rechteck", false); }},
        {"TRename_dm_obj group", "Rename_dm_group.l2h",
         [](ProgramContext& p) { p.Rename_dm_obj().ShowRename_dm_object("Gruppe", true); }},
        {"TGreyPicker", "depth_picker_fast.l2h",
         [](ProgramContext& p) { p.GreyPicker().Execute(10); }},
    };
    return cases;
}

TEST(DepthMapDialogHelp, TheQuestionMarkOfEachDialogShowsItsPage)
{
    test::TestProgram program;
    ASSERT_TRUE(program.Started());
    CopyInstalledHelp(program.Installation());
    THelp& help = program.Program().Help().Help();
    for (const HelpCase& c : HelpCases()) {
        SCOPED_TRACE(c.Name);
        bool shown = false;
        test::AnswerModal([&](QDialog& dialog) {
            test::ClickHelpBox(dialog);
            shown = help.isVisible();
            EXPECT_EQ(PageName(help), QString(c.Page));
            EXPECT_TRUE(help.Page().PageFound());
            help.close();
            test::Click(dialog, "AbbruchButton");
        });
        c.Open(program.Program());
        EXPECT_TRUE(shown);
    }
}

TEST(DepthMapDialogHelp, TheDepthSliderWindowsQuestionMarkShowsItsPage)
{
    test::TestProgram program;
    ASSERT_TRUE(program.Started());
    CopyInstalledHelp(program.Installation());
    THelp& help = program.Program().Help().Help();
    TDepthSlider_Form& slider = program.Program().DepthSlider_Form();
    test::MakeActive(slider);
    test::ClickHelpBox(slider);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(PageName(help), QString("depth_picker_fast.l2h"));
    EXPECT_TRUE(help.Page().PageFound());
    help.close();
    slider.hide();
}

} // namespace
} // namespace lumora
