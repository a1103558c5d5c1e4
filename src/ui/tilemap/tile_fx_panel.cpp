#include "ui/tilemap/tile_fx_panel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumora {

namespace {

// The value rows in the order of the panel: brightness, contrast,
// solarize, posterize, ripple, spray.
enum Row
{
    kBrightness,
    kContrast,
    kSolarize,
    kPosterize,
    kRipple,
    kSpray,
};

QGroupBox* MakeGroup(QVBoxLayout* layout, const char* name, const QString& caption)
{
    auto* group = new QGroupBox(caption);
    group->setObjectName(QString::fromLatin1(name));
    group->setLayout(new QGridLayout);
    layout->addWidget(group);
    return group;
}

} // namespace

TileFxPanel::TileFxPanel(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("TileFX"));
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("TileFX_Content"));
    auto* layout = new QVBoxLayout(content);
    auto* title = new QLabel(QStringLiteral("Tile FX"));
    title->setObjectName(QStringLiteral("TileFX_Label"));
    layout->addWidget(title);

    QGroupBox* colour = MakeGroup(layout, "ColorAdjustment", QStringLiteral("Color Adjustment"));
    AddValueRow(colour, "Brightness", QStringLiteral("Brightness:"), -kMaxFxBrightness,
                kMaxFxBrightness);
    AddValueRow(colour, "Contrast", QStringLiteral("Contrast:"), 0, 255);
    AddValueRow(colour, "Solorize", QStringLiteral("Solorize:"), 0, 255);
    AddValueRow(colour, "Posterize", QStringLiteral("Posterize:"), 0, 255);
    QGroupBox* style = MakeGroup(layout, "StyleAdjustment", QStringLiteral("Style Adjustment"));
    AddValueRow(style, "Ripple", QStringLiteral("Ripple:"), 0, kMaxFxRipple);
    AddValueRow(style, "Spray", QStringLiteral("Spray:"), 0, kMaxFxSpray);
    QGroupBox* mirror = MakeGroup(layout, "SpecialMirror", QStringLiteral("Special Mirror"));
    invert_ = AddCheckBox(mirror, "Invert", QStringLiteral("Invert"));
    mirrorH_ = AddCheckBox(mirror, "Horizontal", QStringLiteral("Horizontal"));
    mirrorV_ = AddCheckBox(mirror, "Vertical", QStringLiteral("Vertical"));
    layout->addStretch(1);
    setWidget(content);
    // Dragging on the background scrolls the panel.
    content->installEventFilter(this);
    for (auto* group : {colour, style, mirror})
        group->installEventFilter(this);
}

void TileFxPanel::AddValueRow(QGroupBox* group, const char* name, const QString& caption,
                              int minimum, int maximum)
{
    auto* grid = static_cast<QGridLayout*>(group->layout());
    const int line = grid->rowCount();
    const QString base = QString::fromLatin1(name);
    auto* label = new QLabel(caption);
    label->setObjectName(base + QStringLiteral("_Label"));
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(base + QStringLiteral("_Slider"));
    slider->setRange(minimum, maximum);
    auto* number = new QSpinBox;
    number->setObjectName(base + QStringLiteral("_Edit"));
    number->setRange(minimum, maximum);
    number->setKeyboardTracking(false);
    auto* reset = new QPushButton(QStringLiteral("0"));
    reset->setObjectName(base + QStringLiteral("_Reset"));
    reset->setFixedWidth(28);
    reset->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(label, line, 0, 1, 3);
    grid->addWidget(slider, line + 1, 0);
    grid->addWidget(number, line + 1, 1);
    grid->addWidget(reset, line + 1, 2);

    // The slider and the field mirror each other while moving; the value
    // is stored when the edit is finished.
    connect(slider, &QSlider::valueChanged, number, [number](int value) {
        const QSignalBlocker block(number);
        number->setValue(value);
    });
    connect(number, &QSpinBox::valueChanged, slider, [slider](int value) {
        const QSignalBlocker block(slider);
        slider->setValue(value);
    });
    connect(slider, &QSlider::sliderReleased, this, [this] { ReportEdit(); });
    // Keys and clicks on the groove change the value without a drag.
    connect(slider, &QSlider::actionTriggered, this, [this, slider](int) {
        if (!slider->isSliderDown())
            QMetaObject::invokeMethod(
                this, [this] { ReportEdit(); }, Qt::QueuedConnection);
    });
    connect(number, &QSpinBox::editingFinished, this, [this] { ReportEdit(); });
    connect(reset, &QPushButton::clicked, this, [this, slider] {
        slider->setValue(0);
        ReportEdit();
    });
    rows_.push_back({slider, number});
}

QCheckBox* TileFxPanel::AddCheckBox(QGroupBox* group, const char* name, const QString& caption)
{
    auto* grid = static_cast<QGridLayout*>(group->layout());
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    grid->addWidget(box, grid->rowCount(), 0);
    connect(box, &QCheckBox::toggled, this, [this] { ReportEdit(); });
    return box;
}

void TileFxPanel::Load(const TileEffects& effects)
{
    loading_ = true;
    const int values[] = {effects.FxBrightness, effects.FxContrast, effects.FxSolarize,
                          effects.FxPosterize,  effects.FxRipple,   effects.FxSpray};
    for (size_t i = 0; i < rows_.size(); ++i)
        rows_[i].Slider->setValue(values[i]);
    invert_->setChecked(effects.FxInvert != 0);
    mirrorH_->setChecked(effects.FxMirrorH != 0);
    mirrorV_->setChecked(effects.FxMirrorV != 0);
    loading_ = false;
}

TileEffects TileFxPanel::Values() const
{
    TileEffects effects;
    effects.FxBrightness = rows_[kBrightness].Slider->value();
    effects.FxContrast = static_cast<uint8_t>(rows_[kContrast].Slider->value());
    effects.FxSolarize = static_cast<uint8_t>(rows_[kSolarize].Slider->value());
    effects.FxPosterize = static_cast<uint8_t>(rows_[kPosterize].Slider->value());
    effects.FxRipple = static_cast<uint8_t>(rows_[kRipple].Slider->value());
    effects.FxSpray = static_cast<uint8_t>(rows_[kSpray].Slider->value());
    effects.FxInvert = invert_->isChecked() ? 1 : 0;
    effects.FxMirrorH = mirrorH_->isChecked() ? 1 : 0;
    effects.FxMirrorV = mirrorV_->isChecked() ? 1 : 0;
    return effects;
}

void TileFxPanel::ReportEdit()
{
    if (!loading_ && onEdited_)
        onEdited_(Values());
}

bool TileFxPanel::eventFilter(QObject* watched, QEvent* event)
{
    auto* bar = verticalScrollBar();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        dragStartY_ = mouse->globalPosition().toPoint().y();
        dragStartScroll_ = bar->value();
        return true;
    }
    case QEvent::MouseMove:
        if (dragStartY_ >= 0) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            bar->setValue(dragStartScroll_ - (mouse->globalPosition().toPoint().y() - dragStartY_));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        dragStartY_ = -1;
        break;
    default:
        break;
    }
    return QScrollArea::eventFilter(watched, event);
}

} // namespace lumora
