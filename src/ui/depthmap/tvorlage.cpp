#include "ui/depthmap/tvorlage.h"

#include "project/project.h"
#include "rendering/lumo_pixelengine256.h"
#include "ui/app/program_context.h"
#include "ui/widgets/picture_view.h"

namespace lumora {

TVorlage::TVorlage(ProgramContext& context)
    : StageWindow(context, Stage::DepthMap, QStringLiteral("Vorlage"))
{
    area_ = new PictureView(this);
    area_->setObjectName(QStringLiteral("DMC_Basis"));
    setCentralWidget(area_);
    // The editor's default cursor is slot 1.
    area_->SetPictureCursor(context.Cursors().Slot(1));
}

void TVorlage::RepaintStage()
{
    area_->SetPicture(Context().CurrentProject().PaintWorkingDepthMap().ToQImage());
}

} // namespace lumora
