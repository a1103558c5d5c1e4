#include "ui/rendering/trender_opt.h"

#include "project/project.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumora {
namespace {

// A size shown in pixels is a whole number; the other units show this
// many decimals.
constexpr int kSizeDecimals = 3;
constexpr int kDistanceDecimals = 2;

int SizeDecimals(SizeUnit unit)
{
    return unit == SizeUnit::Pixel ? 0 : kSizeDecimals;
}

// What a double spin box holds for a value: it keeps values rounded to its
// decimals.
double AsShown(double value, int decimals)
{
    return QString::number(value, 'f', decimals).toDouble();
}

// Writes a field only where it differs, so the field the user is typing in
// keeps its text and cursor.
void ShowValue(QDoubleSpinBox& box, double value, int decimals, double minimum, double maximum)
{
    if (box.decimals() != decimals)
        box.setDecimals(decimals);
    if (box.minimum() != AsShown(minimum, decimals) || box.maximum() != AsShown(maximum, decimals))
        box.setRange(minimum, maximum);
    if (box.value() != AsShown(value, decimals))
        box.setValue(value);
}

void ShowValue(QSpinBox& box, int value, int minimum, int maximum)
{
    if (box.minimum() != minimum || box.maximum() != maximum)
        box.setRange(minimum, maximum);
    if (box.value() != value)
        box.setValue(value);
}

void ShowIndex(QComboBox& list, int index)
{
    if (list.currentIndex() != index)
        list.setCurrentIndex(index);
}

void ShowChecked(QButtonGroup& group, int id)
{
    if (QAbstractButton* button = group.button(id); button && !button->isChecked())
        button->setChecked(true);
}

QLabel* NamedLabel(const QString& name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QComboBox* NamedList(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    return list;
}

QSpinBox* NamedSpin(const QString& name, int minimum, int maximum, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    return spin;
}

QDoubleSpinBox* NamedDoubleSpin(const QString& name, QWidget* parent)
{
    auto* spin = new QDoubleSpinBox(parent);
    spin->setObjectName(name);
    return spin;
}

const QStringList& SizeUnitItems()
{
    static const QStringList items{"Pixel", "Inch", "cm", "mm"};
    return items;
}

const QStringList& DistanceUnitItems()
{
    static const QStringList items{"Inch", "cm"};
    return items;
}

QStringList QualityCaptions()
{
    QStringList captions;
    for (const QualityItem& item : QualityItems())
        captions << QString::fromUtf8(item.Caption);
    return captions;
}

QStringList AspectPresetCaptions()
{
    QStringList captions;
    for (const AspectRatioPreset& preset : AspectRatioPresets())
        captions << QString::fromUtf8(preset.Caption);
    return captions;
}

} // namespace

TRender_opt::TRender_opt(QWidget* parent) : QDialog(parent)
{
    setObjectName("Render_opt");
    setWindowTitle(QStringLiteral("Render Einstellungen"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildRenderSizeGroup());
    layout->addWidget(BuildRenderSettingsGroup());
    layout->addWidget(BuildTileSettingsGroup());
    layout->addWidget(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ConnectEdits();
    ShowModel();
}

bool TRender_opt::Execute(Project& project)
{
    model_.Load(project.Options);
    ShowModel();
    if (exec() != QDialog::Accepted)
        return false;
    project.ConfirmRenderOptions(model_.Confirm());
    return true;
}

QGroupBox* TRender_opt::BuildRenderSizeGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Render size:"), this);
    group->setObjectName("RenderSizeGroup");
    auto* grid = new QGridLayout(group);

    grid->addWidget(NamedLabel("BreiteLabel", QStringLiteral("Breite:"), group), 0, 0);
    widthEdit_ = NamedDoubleSpin("BreiteEdit", group);
    grid->addWidget(widthEdit_, 0, 1);
    widthUnit_ = NamedList("BreiteUnit", SizeUnitItems(), group);
    grid->addWidget(widthUnit_, 0, 2, 1, 2);

    grid->addWidget(NamedLabel("HoeheLabel", QStringLiteral("Höhe:"), group), 1, 0);
    heightEdit_ = NamedDoubleSpin("HoeheEdit", group);
    grid->addWidget(heightEdit_, 1, 1);
    heightUnit_ = NamedList("HoeheUnit", SizeUnitItems(), group);
    grid->addWidget(heightUnit_, 1, 2, 1, 2);

    grid->addWidget(
        NamedLabel("SeitenverhaeltnisLabel", QStringLiteral("Seitenverhältnis:"), group), 2, 0);
    aspectPreset_ = NamedList("SeitenverhaeltnisList", AspectPresetCaptions(), group);
    grid->addWidget(aspectPreset_, 2, 1, 1, 3);
    auto* ratio = new QHBoxLayout;
    aspectNumerator_ = NamedSpin("AspectNumeratorEdit", 1, 10000, group);
    aspectColon_ = NamedLabel("AspectColonLabel", QStringLiteral(":"), group);
    aspectDenominator_ = NamedSpin("AspectDenominatorEdit", 1, 10000, group);
    ratio->addWidget(aspectNumerator_);
    ratio->addWidget(aspectColon_);
    ratio->addWidget(aspectDenominator_);
    grid->addLayout(ratio, 3, 1, 1, 3);

    grid->addWidget(NamedLabel("AufloesungLabel", QStringLiteral("Auflösung:"), group), 4, 0);
    dpiEdit_ = NamedSpin("AufloesungEdit", kMinDpi, kMaxDpi, group);
    grid->addWidget(dpiEdit_, 4, 1);
    grid->addWidget(NamedLabel("DpiLabel", QStringLiteral("dpi"), group), 4, 2);
    return group;
}

QGroupBox* TRender_opt::BuildRenderSettingsGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Render settings:"), this);
    group->setObjectName("RenderSettingsGroup");
    auto* grid = new QGridLayout(group);

    typeGroup_ = new QButtonGroup(this);
    grid->addWidget(NamedLabel("TypLabel", QStringLiteral("Typ:"), group), 0, 0);
    grid->addWidget(
        AddRadio(*typeGroup_, 1, "DivergenceRadio", QStringLiteral("Divergence (default)")), 0, 1,
        1, 3);
    grid->addWidget(
        AddRadio(*typeGroup_, 0, "ConvergenceRadio", QStringLiteral("Convergence (cross-eye)")), 1,
        1, 1, 3);

    grid->addWidget(NamedLabel("QualitaetLabel", QStringLiteral("Render Qualität:"), group), 2, 0);
    qualityList_ = NamedList("QualitaetList", QualityCaptions(), group);
    grid->addWidget(qualityList_, 2, 1, 1, 3);

    directionGroup_ = new QButtonGroup(this);
    grid->addWidget(NamedLabel("RichtungLabel", QStringLiteral("Render Richtung:"), group), 3, 0);
    const struct
    {
        RenderDirection Direction;
        const char* Name;
        const char* Caption;
    } directions[] = {
        {RenderDirection::LeftToRight, "LeftToRightRadio", "Left to Right"},
        {RenderDirection::Center, "CenterRadio", "Center"},
        {RenderDirection::RightToLeft, "RightToLeftRadio", "Right to Left"},
        {RenderDirection::Custom, "CustomRadio", "Custom..."},
    };
    int row = 3;
    for (const auto& d : directions)
        grid->addWidget(AddRadio(*directionGroup_, static_cast<int>(d.Direction), d.Name,
                                 QString::fromUtf8(d.Caption)),
                        row++, 1, 1, 3);

    customStartLabel_ =
        NamedLabel("StartRenderingLabel", QStringLiteral("Start Rendering at:"), group);
    grid->addWidget(customStartLabel_, row, 0);
    customStartSlider_ = new QSlider(Qt::Horizontal, group);
    customStartSlider_->setObjectName("StartRenderingSlider");
    grid->addWidget(customStartSlider_, row, 1);
    customStartEdit_ = NamedSpin("StartRenderingEdit", 1, kMaxRenderPixels, group);
    grid->addWidget(customStartEdit_, row, 2);
    customStartPixel_ = NamedLabel("StartRenderingPixelLabel", QStringLiteral("Pixel"), group);
    grid->addWidget(customStartPixel_, row, 3);
    ++row;

    eyeScreen_ = AddDistanceRow(*grid, row++, "AugeScreen", QStringLiteral("Auge - Screen:"), true);
    maxDepth_ = AddDistanceRow(*grid, row++, "Max3DTiefe", QStringLiteral("Max 3D Tiefe:"), true);
    minDepth_ = AddDistanceRow(*grid, row, "Min3DTiefe", QStringLiteral("Min 3D Tiefe:"), false);
    linkButton_ = new QToolButton(group);
    linkButton_->setObjectName("LinkButton");
    linkButton_->setText(QStringLiteral("Verbinden"));
    linkButton_->setToolTip(QStringLiteral("Auge - Screen und Max 3D Tiefe verbinden"));
    linkButton_->setCheckable(true);
    grid->addWidget(linkButton_, row - 2, 5, 2, 1);
    return group;
}

TRender_opt::DistanceRow TRender_opt::AddDistanceRow(QGridLayout& grid, int row,
                                                     const QString& name, const QString& caption,
                                                     bool linkable)
{
    QWidget* parent = grid.parentWidget();
    DistanceRow r;
    r.Caption = NamedLabel(name + "Label", caption, parent);
    r.Value = NamedDoubleSpin(name + "Edit", parent);
    r.Unit = NamedList(name + "Unit", DistanceUnitItems(), parent);
    grid.addWidget(r.Caption, row, 0);
    grid.addWidget(r.Value, row, 1);
    grid.addWidget(r.Unit, row, 2, 1, 2);
    if (linkable) {
        // The mark beside a linked field; shown while the link is latched.
        r.LinkMark = NamedLabel(name + "LinkMark", QStringLiteral("]"), parent);
        grid.addWidget(r.LinkMark, row, 4);
    }
    return r;
}

QRadioButton* TRender_opt::AddRadio(QButtonGroup& group, int id, const QString& name,
                                    const QString& caption)
{
    auto* radio = new QRadioButton(caption, this);
    radio->setObjectName(name);
    group.addButton(radio, id);
    return radio;
}

QGroupBox* TRender_opt::BuildTileSettingsGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Tile settings:"), this);
    group->setObjectName("TileSettingsGroup");
    auto* grid = new QGridLayout(group);

    smallerGroup_ = new QButtonGroup(this);
    grid->addWidget(NamedLabel("KachelKleinerLabel", QStringLiteral("Kachel < Vorlage:"), group), 0,
                    0);
    grid->addWidget(AddRadio(*smallerGroup_, 0, "KleinerTileRadio", QStringLiteral("Tile")), 0, 1);
    grid->addWidget(AddRadio(*smallerGroup_, 1, "KleinerStretchRadio", QStringLiteral("Stretch")),
                    0, 2);

    biggerGroup_ = new QButtonGroup(this);
    grid->addWidget(NamedLabel("KachelGroesserLabel", QStringLiteral("Kachel > Vorlage:"), group),
                    1, 0);
    grid->addWidget(AddRadio(*biggerGroup_, 0, "GroesserCutRadio", QStringLiteral("Cut")), 1, 1);
    grid->addWidget(AddRadio(*biggerGroup_, 1, "GroesserStretchRadio", QStringLiteral("Stretch")),
                    1, 2);

    changeTileWidth_ = new QCheckBox(QStringLiteral("Change Tilewidth:"), group);
    changeTileWidth_->setObjectName("ChangeTilewidthCheck");
    grid->addWidget(changeTileWidth_, 2, 0);
    tileWidthEdit_ = NamedSpin("TilewidthEdit", 1, kMaxTileWidth, group);
    grid->addWidget(tileWidthEdit_, 2, 1);
    grid->addWidget(NamedLabel("TilewidthPixelLabel", QStringLiteral("Pixel"), group), 2, 2);
    return group;
}

QWidget* TRender_opt::BuildButtons()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* help = new QPushButton(QStringLiteral("?"), box);
    help->setObjectName("HilfeButton");
    help->setAutoDefault(false);
    row->addWidget(help);
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), box);
    ok->setObjectName("OKButton");
    auto* cancel = new QPushButton(QStringLiteral("Abbruch"), box);
    cancel->setObjectName("AbbruchButton");
    // Return confirms a field (the aspect ratio's numerator and
    // denominator), not the dialog.
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        row->addWidget(button);
    }
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (showHelp_)
            showHelp_(QString::fromLatin1(kRenderOptionsHelpPage));
    });
    return box;
}

void TRender_opt::SetShowHelp(std::function<void(const QString&)> showHelp)
{
    showHelp_ = std::move(showHelp);
}

template <typename Edit> void TRender_opt::Forward(Edit edit)
{
    if (showing_)
        return;
    edit(model_);
    ShowModel();
}

void TRender_opt::ConnectEdits()
{
    using M = RenderOptionsDialogModel;
    connect(widthEdit_, &QDoubleSpinBox::valueChanged, this,
            [this](double v) { Forward([v](M& m) { m.SetWidthValue(v); }); });
    connect(heightEdit_, &QDoubleSpinBox::valueChanged, this,
            [this](double v) { Forward([v](M& m) { m.SetHeightValue(v); }); });
    connect(widthUnit_, &QComboBox::currentIndexChanged, this,
            [this](int i) { Forward([i](M& m) { m.SetWidthUnit(static_cast<SizeUnit>(i)); }); });
    connect(heightUnit_, &QComboBox::currentIndexChanged, this,
            [this](int i) { Forward([i](M& m) { m.SetHeightUnit(static_cast<SizeUnit>(i)); }); });
    connect(aspectPreset_, &QComboBox::currentIndexChanged, this,
            [this](int i) { Forward([i](M& m) { m.SetAspectPreset(i); }); });
    // The ratio counts once it is confirmed (Return or leaving the field).
    connect(aspectNumerator_, &QSpinBox::editingFinished, this, [this] {
        Forward([v = aspectNumerator_->value()](M& m) { m.SetAspectNumerator(v); });
    });
    connect(aspectDenominator_, &QSpinBox::editingFinished, this, [this] {
        Forward([v = aspectDenominator_->value()](M& m) { m.SetAspectDenominator(v); });
    });
    connect(dpiEdit_, &QSpinBox::valueChanged, this,
            [this](int v) { Forward([v](M& m) { m.SetDpi(v); }); });

    connect(typeGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { Forward([id](M& m) { m.SetDivergence(id == 1); }); });
    connect(qualityList_, &QComboBox::currentIndexChanged, this,
            [this](int i) { Forward([i](M& m) { m.SetQuality(i); }); });
    connect(directionGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        Forward([id](M& m) { m.SetDirection(static_cast<RenderDirection>(id)); });
    });
    connect(customStartSlider_, &QSlider::valueChanged, this,
            [this](int v) { Forward([v](M& m) { m.SetCustomStart(v); }); });
    connect(customStartEdit_, &QSpinBox::valueChanged, this,
            [this](int v) { Forward([v](M& m) { m.SetCustomStart(v); }); });

    ConnectDistanceRow(eyeScreen_, &M::SetEyeScreenValue, &M::SetEyeScreenUnit);
    ConnectDistanceRow(maxDepth_, &M::SetMaxDepthValue, &M::SetMaxDepthUnit);
    ConnectDistanceRow(minDepth_, &M::SetMinDepthValue, &M::SetMinDepthUnit);
    connect(linkButton_, &QToolButton::clicked, this,
            [this] { Forward([](M& m) { m.PressLink(); }); });

    connect(smallerGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { Forward([id](M& m) { m.SetTileSmallerStretch(id == 1); }); });
    connect(biggerGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { Forward([id](M& m) { m.SetTileBiggerStretch(id == 1); }); });
    connect(changeTileWidth_, &QCheckBox::toggled, this,
            [this](bool on) { Forward([on](M& m) { m.SetChangeTileWidth(on); }); });
    connect(tileWidthEdit_, &QSpinBox::valueChanged, this,
            [this](int v) { Forward([v](M& m) { m.SetTileWidthValue(v); }); });
}

void TRender_opt::ConnectDistanceRow(const DistanceRow& row,
                                     void (RenderOptionsDialogModel::*setValue)(double),
                                     void (RenderOptionsDialogModel::*setUnit)(DistanceUnit))
{
    connect(row.Value, &QDoubleSpinBox::valueChanged, this, [this, setValue](double v) {
        Forward([setValue, v](RenderOptionsDialogModel& m) { (m.*setValue)(v); });
    });
    connect(row.Unit, &QComboBox::currentIndexChanged, this, [this, setUnit](int i) {
        Forward([setUnit, i](RenderOptionsDialogModel& m) {
            (m.*setUnit)(static_cast<DistanceUnit>(i));
        });
    });
}

void TRender_opt::ShowModel()
{
    showing_ = true;
    ShowRenderSize();
    ShowRenderSettings();
    ShowDistances();
    ShowTileSettings();
    showing_ = false;
}

void TRender_opt::ShowRenderSize()
{
    const SizeUnit wu = model_.WidthUnit();
    const SizeUnit hu = model_.HeightUnit();
    ShowIndex(*widthUnit_, static_cast<int>(wu));
    ShowIndex(*heightUnit_, static_cast<int>(hu));
    ShowValue(*widthEdit_, model_.WidthValue(), SizeDecimals(wu), model_.SizeMinimum(wu),
              model_.SizeMaximum(wu));
    ShowValue(*heightEdit_, model_.HeightValue(), SizeDecimals(hu), model_.SizeMinimum(hu),
              model_.SizeMaximum(hu));
    ShowIndex(*aspectPreset_, model_.AspectPreset());
    ShowValue(*aspectNumerator_, model_.AspectNumerator(), 1, 10000);
    ShowValue(*aspectDenominator_, model_.AspectDenominator(), 1, 10000);
    const bool visible = model_.AspectFieldsVisible();
    const bool editable = model_.AspectFieldsEditable();
    for (QWidget* w :
         std::initializer_list<QWidget*>{aspectNumerator_, aspectColon_, aspectDenominator_}) {
        w->setVisible(visible);
        w->setEnabled(editable);
    }
    ShowValue(*dpiEdit_, model_.Dpi(), kMinDpi, kMaxDpi);
}

void TRender_opt::ShowRenderSettings()
{
    ShowChecked(*typeGroup_, model_.Divergence() ? 1 : 0);
    ShowIndex(*qualityList_, model_.Quality());
    ShowChecked(*directionGroup_, static_cast<int>(model_.Direction()));
    const bool custom = model_.CustomStartVisible();
    for (QWidget* w : std::initializer_list<QWidget*>{customStartLabel_, customStartSlider_,
                                                      customStartEdit_, customStartPixel_})
        w->setVisible(custom);
    // The slider starts at 0, which the model turns into 1.
    if (customStartSlider_->maximum() != model_.CustomStartMaximum())
        customStartSlider_->setRange(0, model_.CustomStartMaximum());
    if (customStartSlider_->value() != model_.CustomStart())
        customStartSlider_->setValue(model_.CustomStart());
    ShowValue(*customStartEdit_, model_.CustomStart(), 1, model_.CustomStartMaximum());
}

void TRender_opt::ShowDistances()
{
    const struct
    {
        const DistanceRow& Row;
        double Value;
        DistanceUnit Unit;
    } rows[] = {
        {eyeScreen_, model_.EyeScreenValue(), model_.EyeScreenUnit()},
        {maxDepth_, model_.MaxDepthValue(), model_.MaxDepthUnit()},
        {minDepth_, model_.MinDepthValue(), model_.MinDepthUnit()},
    };
    for (const auto& r : rows) {
        ShowIndex(*r.Row.Unit, static_cast<int>(r.Unit));
        ShowValue(*r.Row.Value, r.Value, kDistanceDecimals,
                  DistanceFromInches(kMinDistanceInches, r.Unit),
                  DistanceFromInches(kMaxDistanceInches, r.Unit));
    }
    const bool linked = model_.LinkLatched();
    if (linkButton_->isChecked() != linked)
        linkButton_->setChecked(linked);
    eyeScreen_.LinkMark->setVisible(linked);
    maxDepth_.LinkMark->setVisible(linked);
}

void TRender_opt::ShowTileSettings()
{
    ShowChecked(*smallerGroup_, model_.TileSmallerStretch() ? 1 : 0);
    ShowChecked(*biggerGroup_, model_.TileBiggerStretch() ? 1 : 0);
    if (changeTileWidth_->isChecked() != model_.ChangeTileWidth())
        changeTileWidth_->setChecked(model_.ChangeTileWidth());
    ShowValue(*tileWidthEdit_, model_.TileWidthValue(), model_.TileWidthMinimum(), kMaxTileWidth);
    tileWidthEdit_->setReadOnly(!model_.TileWidthEditable());
}

} // namespace lumora
