#include "ui/depthmap/ttool_polygon.h"

#include "depthmap/tool_dm_polygon.h"
#include "rendering/lumo_pixelengine256.h"
#include "ui/depthmap/shape_preview.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>

namespace lumora {
namespace {

constexpr int kMinCorners = 3;
constexpr int kMaxCorners = 20;
constexpr int kMaxRotation = 360;
constexpr int kPreviewMargin = 4;

// The object's proportions fitted into a square box.
QSize FittedSize(int32_t width, int32_t height, int box)
{
    if (width <= 0 || height <= 0)
        return QSize(box, box);
    const double scale = std::min(double(box) / width, double(box) / height);
    return QSize(std::max(1, int(width * scale)), std::max(1, int(height * scale)));
}

} // namespace

TTool_Polygon::TTool_Polygon(QWidget* parent)
    : ShapeDialog(QStringLiteral("Tool_Polygon"), QStringLiteral("n-Eck"),
                  QString::fromLatin1(kHelpPage), parent),
      shown_(std::make_unique<Tool_dm_polygon>())
{
    int row = NextRow();
    AddCaption(row, QStringLiteral("EckenLabel"), QStringLiteral("Ecken Anzahl:"));
    corners_ = AddSliderRow(row, QStringLiteral("Ecken"), kMinCorners, kMaxCorners);
    ++row;
    AddCaption(row, QStringLiteral("WinkelLabel"), QStringLiteral("Winkel:"));
    rotation_ = AddSliderRow(row, QStringLiteral("Winkel"), 0, kMaxRotation);
    AddUnit(row, QStringLiteral("WinkelUnitLabel"), QStringLiteral("°"));
    ++row;
    AddCaption(row, QStringLiteral("PreviewLabel"), QStringLiteral("Preview:"))
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preview_ =
        new ShapePreview(QStringLiteral("PreviewBox"), QSize(kPreviewSize, kPreviewSize), this);
    Grid()->addWidget(preview_, row, kControlColumn, 1, 3, Qt::AlignLeft);
    FinishLayout();

    for (QSpinBox* edit : {corners_.Edit, rotation_.Edit})
        connect(edit, &QSpinBox::valueChanged, this, [this] { ShowPreview(); });
}

TTool_Polygon::~TTool_Polygon() = default;

std::unique_ptr<Tool_dm_polygon> TTool_Polygon::ExecuteNew(const IntRect& rect)
{
    auto object =
        std::make_unique<Tool_dm_polygon>(0, rect.Left, rect.Top, rect.Width, rect.Height);
    if (!Execute(*object))
        return nullptr;
    return object;
}

bool TTool_Polygon::Execute(Tool_dm_polygon& object)
{
    Load(object);
    if (!RunModal())
        return false;
    Store(object);
    return true;
}

void TTool_Polygon::Load(const Tool_dm_polygon& object)
{
    const QSize size = FittedSize(object.Width, object.Height, kPreviewSize - 2 * kPreviewMargin);
    shown_ = std::make_unique<Tool_dm_polygon>(0, 0, 0, size.width(), size.height());
    shown_->MirrorH = object.MirrorH;
    shown_->MirrorV = object.MirrorV;
    LoadDepth(object);
    corners_.Edit->setValue(object.Corners);
    rotation_.Edit->setValue(object.Rotation);
    ShowPreview();
}

void TTool_Polygon::Store(Tool_dm_polygon& object) const
{
    StoreDepth(object);
    object.Corners = static_cast<uint8_t>(corners_.Edit->value());
    object.Rotation = rotation_.Edit->value();
}

void TTool_Polygon::ShowPreview()
{
    // Drawn by the object's own drawing, white on the far plane, so the
    // preview is the shape the depth map gets.
    shown_->Corners = static_cast<uint8_t>(corners_.Edit->value());
    shown_->Rotation = rotation_.Edit->value();
    shown_->Depth = 255;
    TPixelEngine256 engine(shown_->Width + 2 * kPreviewMargin, shown_->Height + 2 * kPreviewMargin);
    engine.Fill(0);
    shown_->Render(engine, kPreviewMargin, kPreviewMargin, shown_->Width, shown_->Height);
    preview_->SetPicture(engine.ToQImage());
}

} // namespace lumora
