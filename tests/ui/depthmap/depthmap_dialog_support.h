#pragma once
// Helpers of the depth-map dialog tests: an object's record bytes, the
// title band's "X" and "?" pressed with the mouse, a dialog made the
// active window, and the band colours as the screen shows them.

#include "depthmap/tool_dm.h"
#include "stream/project_stream_writer.h"
#include "ui/dialogs/dialog_test_support.h"
#include "ui/widgets/lumo_dialog.h"
#include "ui/widgets/lumo_title_band.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <cstdint>
#include <vector>

namespace lumora::test {

// What the project file would hold of the object.
inline std::vector<uint8_t> RecordBytes(const Tool_dm& object)
{
    ProjectStreamWriter writer;
    object.SaveToStream(writer);
    return writer.Data();
}

inline LumoTitleBand* BandOf(const QWidget& dialog)
{
    return Child<LumoTitleBand>(dialog, "TitleBand");
}

inline void ClickCloseBox(const QWidget& dialog)
{
    if (LumoTitleBand* band = BandOf(dialog))
        QTest::mouseClick(band, Qt::LeftButton, Qt::NoModifier, band->CloseBoxRect().center());
}

inline void ClickHelpBox(const QWidget& dialog)
{
    if (LumoTitleBand* band = BandOf(dialog))
        QTest::mouseClick(band, Qt::LeftButton, Qt::NoModifier, band->HelpBoxRect().center());
}

inline void MakeActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
}

inline QRgb DesignRgb(uint32_t colour)
{
    return DesignColour(colour).rgb();
}

// A point of the band that is neither caption nor box: its left end.
inline QPoint PlainBandPoint()
{
    return QPoint(3, LumoTitleBand::kHeight / 2);
}

} // namespace lumora::test
