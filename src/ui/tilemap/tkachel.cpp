#include "ui/tilemap/tkachel.h"

#include "common/lumora_error.h"
#include "project/project.h"
#include "rendering/lumo_pixelengine.h"
#include "ui/app/program_context.h"
#include "ui/widgets/picture_view.h"

#include <QScrollArea>
#include <algorithm>

namespace lumora {

namespace {

// Wide enough for a few repetitions of the tile, the preview fills the view.
constexpr int kMinimumPreviewWidth = 600;

} // namespace

TKachel::TKachel(ProgramContext& context)
    : StageWindow(context, Stage::TileMap, QStringLiteral("Kachel"))
{
    preview_ = new PictureView(this);
    preview_->setObjectName(QStringLiteral("Kachel_Preview"));
    // The bands start at the top, beside their selector buttons.
    preview_->SetAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCentralWidget(preview_);
}

void TKachel::RepaintStage()
{
    Project& project = Context().CurrentProject();
    const int64_t height = project.Tiles.TotalHeight();
    if (project.Tiles.IsEmpty() || height <= 0) {
        preview_->SetPicture(QImage());
        return;
    }
    const int tileWidth = project.Options.RenderOptions_Tile_Width;
    const int width = std::max(
        {kMinimumPreviewWidth, tileWidth, preview_->ScrollArea()->viewport()->width() - 4});
    try {
        TPixelEngine picture(width, static_cast<int>(std::min<int64_t>(height, 100000)));
        project.Tiles.GenerateKachelPreview(picture, tileWidth, Context().TileRandom());
        preview_->SetPicture(picture.ToQImage());
    } catch (const LumoraError& e) {
        preview_->SetPicture(QImage());
        Context().Tell(QString::fromUtf8(e.what()));
    }
}

void TKachel::TilesModified()
{
    Context().CurrentProject().TilesEdited();
}

void TKachel::TileButtonsChanged()
{
    Context().UpdateCommandStates();
}

} // namespace lumora
