#include "ui/afterburner/tnachbrenner.h"

#include "common/lumora_error.h"
#include "imageio/picture_file.h"
#include "project/project.h"
#include "rendering/lumo_pixelengine.h"
#include "ui/app/file_dialogs.h"
#include "ui/app/program_context.h"
#include "ui/widgets/picture_view.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>

namespace lumora {

namespace {

// The file types of "Speichern unter...", in the order of their writers.
const QStringList& SaveFilters()
{
    static const QStringList filters = {
        QStringLiteral("Bitmaps (*.bmp)"),
        QStringLiteral("JPEG Bilder (*.jpg)"),
        QStringLiteral("Targa - Bitmap (*.tga)"),
        QStringLiteral("Tiff - Bitmap (*.tif)"),
    };
    return filters;
}

const QStringList& OpenFilters()
{
    static const QStringList filters = {
        QStringLiteral("Bilder (*.bmp *.jpg *.pcx *.tga)"),
        QStringLiteral("Bitmaps (*.bmp)"),
        QStringLiteral("JPEG Bilder (*.jpg)"),
        QStringLiteral("Paintbrush (*.pcx)"),
        QStringLiteral("Targa - Bitmap (*.tga)"),
    };
    return filters;
}

// A name typed without extension gets the chosen type's.
QString WithExtensionOf(const QString& fileName, int filterIndex)
{
    static const char* const extensions[] = {"bmp", "jpg", "tga", "tif"};
    if (!QFileInfo(fileName).suffix().isEmpty() || filterIndex < 1 || filterIndex > 4)
        return fileName;
    return fileName + QLatin1Char('.') + QLatin1String(extensions[filterIndex - 1]);
}

} // namespace

TNachbrenner::TNachbrenner(ProgramContext& context)
    : StageWindow(context, Stage::Afterburner, QStringLiteral("Nachbrenner"))
{
    area_ = new PictureView(this);
    area_->setObjectName(QStringLiteral("AfBu_Picture"));
    setCentralWidget(area_);

    QMenu* stereogram = AddMenuBeforeRender("Stereogramm1", QStringLiteral("&Stereogramm"));
    QAction* open = stereogram->addAction(QStringLiteral("Öffnen..."));
    open->setObjectName(QStringLiteral("ffnen2"));
    connect(open, &QAction::triggered, this, &TNachbrenner::OpenPicture);
    QAction* save = stereogram->addAction(QStringLiteral("Speichern unter..."));
    save->setObjectName(QStringLiteral("Speichernunter2"));
    connect(save, &QAction::triggered, this, &TNachbrenner::SavePicture);
}

void TNachbrenner::RepaintStage()
{
    Context().CurrentProject().Repaint_Stereo();
    ShowPicture();
}

void TNachbrenner::ShowPicture()
{
    const TPixelEngine* picture = Context().CurrentProject().Afterburner.Picture();
    area_->SetPicture(picture ? picture->ToQImage() : QImage());
}

QString TNachbrenner::StereogramFolder() const
{
    return Context().ProgramDirectory() + QStringLiteral("/stereograms");
}

void TNachbrenner::OpenPicture()
{
    const QString fileName =
        Context().Dialogs().OpenFileName(this, StereogramFolder(), OpenFilters());
    if (fileName.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        Context().CurrentProject().OpenStereogramPicture(fileName);
        QApplication::restoreOverrideCursor();
    } catch (const LumoraError& e) {
        QApplication::restoreOverrideCursor();
        Context().Tell(QString::fromUtf8(e.what()));
    }
    ShowPicture();
    Context().UpdateCommandStates();
}

void TNachbrenner::SavePicture()
{
    const SaveFileChoice choice =
        Context().Dialogs().SaveFileName(this, StereogramFolder(), SaveFilters(), QString());
    if (choice.FileName.isEmpty())
        return;
    const int filter = choice.FilterIndex >= 1 && choice.FilterIndex <= 4 ? choice.FilterIndex : 1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        Context().CurrentProject().SaveAfterburnerPicture(WithExtensionOf(choice.FileName, filter),
                                                          filter);
        QApplication::restoreOverrideCursor();
    } catch (const LumoraError& e) {
        QApplication::restoreOverrideCursor();
        Context().Tell(QString::fromUtf8(e.what()));
    }
}

QString TNachbrenner::DefaultAfterburnerName(int32_t kind) const
{
    const QString& name = Context().Texts().AfterburnerTypeName(kind);
    return name.isEmpty() ? AfterburnerUi::DefaultAfterburnerName(kind) : name;
}

void TNachbrenner::PictureComposed()
{
    ShowPicture();
}

} // namespace lumora
