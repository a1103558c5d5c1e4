// Each dialog opened as the user sees it, grabbed, and checked for its
// title band. With LUMORA_SCREENSHOT_DIR set (scripts/screenshots.sh does,
// under a virtual X display) the pictures are written there as PNG.
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_polygon.h"
#include "depthmap/tool_dm_rectangle.h"
#include "depthmap/tool_dm_text.h"
#include "depthmap_dialog_support.h"
#include "ui/depthmap/tdepthslider_form.h"
#include "ui/depthmap/tgreypicker.h"
#include "ui/depthmap/trename_dm_obj.h"
#include "ui/depthmap/ttool_ellipse.h"
#include "ui/depthmap/ttool_line.h"
#include "ui/depthmap/ttool_polygon.h"
#include "ui/depthmap/ttool_rectangle.h"
#include "ui/depthmap/ttool_text.h"

#include <QDir>
#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::AnswerModal;
using test::BandOf;
using test::DesignRgb;
using test::MakeActive;
using test::PlainBandPoint;

// Grabs the dialog, checks its band, and writes the picture when asked.
void Take(QWidget& dialog, const char* fileName)
{
    SCOPED_TRACE(fileName);
    MakeActive(dialog);
    const QImage picture = dialog.grab().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixel(BandOf(dialog)->mapTo(&dialog, PlainBandPoint())),
              DesignRgb(LumoTitleBand::kActiveColour));
    const QString folder = qEnvironmentVariable("LUMORA_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(picture.save(QDir(folder).filePath(QString::fromUtf8(fileName))));
    }
}

void TakeModal(const char* fileName)
{
    AnswerModal([fileName](QDialog& d) {
        Take(d, fileName);
        test::Click(d, "AbbruchButton");
    });
}

TEST(DialogScreenshots, EachDialogAsTheUserSeesIt)
{
    {
        TTool_Rectangle dialog;
        Tool_dm_Rectangle rectangle(1, 0, 0, 200, 100);
        rectangle.Rounding = 25;
        rectangle.Depth = 180;
        TakeModal("dialog-tool-rectangle.png");
        dialog.Execute(rectangle);
    }
    {
        TTool_Ellipse dialog;
        TakeModal("dialog-tool-ellipse.png");
        dialog.ExecuteNew(IntRect{0, 0, 100, 60});
    }
    {
        TTool_Line dialog;
        Tool_dm_line line(1, 0, 0, 200, 20, 1, 1);
        line.Thickness = 8;
        TakeModal("dialog-tool-line.png");
        dialog.Execute(line);
    }
    {
        TTool_Polygon dialog;
        Tool_dm_polygon star(1, 0, 0, 120, 120);
        star.Corners = 6;
        star.Rotation = 30;
        star.Depth = 128;
        TakeModal("dialog-tool-polygon.png");
        dialog.Execute(star);
    }
    {
        TTool_Text dialog;
        Tool_dm_Text text(1, 0, 0, 300, 80, QStringLiteral("Lumora"));
        text.Bold = true;
        TakeModal("dialog-tool-text.png");
        dialog.Execute(text);
    }
    {
        TRename_dm_obj dialog;
        TakeModal("dialog-rename.png");
        dialog.ShowRename_dm_object(QStringLiteral("Rechteck"), false);
    }
    {
        TGreyPicker dialog;
        TakeModal("dialog-grey-picker.png");
        dialog.Execute(96);
    }
    {
        TDepthSlider_Form form;
        form.ShowDepth(200);
        Take(form, "window-depth-slider.png");
    }
}

} // namespace
} // namespace lumora
