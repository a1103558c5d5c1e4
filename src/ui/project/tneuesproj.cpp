#include "ui/project/tneuesproj.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumora {
namespace {

constexpr int kAspectMaximum = 10000;

QLabel* NamedLabel(const QString& name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QSpinBox* NamedSpin(const QString& name, int minimum, int maximum, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    return spin;
}

void ShowValue(QSpinBox& box, int value)
{
    if (box.value() != value)
        box.setValue(value);
}

} // namespace

TNeuesProj::TNeuesProj(QWidget* parent) : QDialog(parent)
{
    setObjectName("NeuesProj");
    setWindowTitle(QStringLiteral("Neues Projekt"));
    setModal(true);
    BuildControls();
    ConnectEdits();
    ShowModel();
}

void TNeuesProj::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);

    const int maxPixels = NewProjectDialogModel::kMaxPixels;
    const int minPixels = NewProjectDialogModel::kMinPixels;
    grid->addWidget(NamedLabel("BreiteLabel", QStringLiteral("Breite:"), this), 0, 0);
    widthEdit_ = NamedSpin("BreiteEdit", minPixels, maxPixels, this);
    grid->addWidget(widthEdit_, 0, 1, 1, 3);
    grid->addWidget(NamedLabel("BreitePixelLabel", QStringLiteral("Pixel"), this), 0, 4);

    grid->addWidget(NamedLabel("HoeheLabel", QStringLiteral("Höhe:"), this), 1, 0);
    heightEdit_ = NamedSpin("HoeheEdit", minPixels, maxPixels, this);
    grid->addWidget(heightEdit_, 1, 1, 1, 3);
    grid->addWidget(NamedLabel("HoehePixelLabel", QStringLiteral("Pixel"), this), 1, 4);

    grid->addWidget(NamedLabel("SeitenverhaeltnisLabel", QStringLiteral("Seitenverhältnis:"), this),
                    2, 0);
    presetList_ = new QComboBox(this);
    presetList_->setObjectName("SeitenverhaeltnisList");
    for (const AspectRatioPreset& preset : NewProjectAspectPresets())
        presetList_->addItem(QString::fromUtf8(preset.Caption));
    grid->addWidget(presetList_, 2, 1, 1, 4);

    aspect1Edit_ = NamedSpin("Aspect1Edit", 1, kAspectMaximum, this);
    colonLabel_ = NamedLabel("AspectColonLabel", QStringLiteral(":"), this);
    aspect2Edit_ = NamedSpin("Aspect2Edit", 1, kAspectMaximum, this);
    grid->addWidget(aspect1Edit_, 3, 1);
    grid->addWidget(colonLabel_, 3, 2);
    grid->addWidget(aspect2Edit_, 3, 3);

    auto* buttons = new QHBoxLayout;
    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName("HilfeButton");
    help->setAutoDefault(false);
    buttons->addWidget(help);
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbruch"), this);
    cancel->setObjectName("AbbruchButton");
    cancel->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (showHelp_)
            showHelp_(QString::fromLatin1(kNewProjectHelpPage));
    });

    for (QSpinBox* field : {widthEdit_, heightEdit_, aspect1Edit_, aspect2Edit_})
        field->installEventFilter(this);
}

void TNeuesProj::SetShowHelp(std::function<void(const QString&)> showHelp)
{
    showHelp_ = std::move(showHelp);
}

bool TNeuesProj::Execute(NewProjectDialogModel& model)
{
    model_ = model;
    ShowModel();
    widthEdit_->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    model_.Confirm();
    model = model_;
    return true;
}

template <typename Edit> void TNeuesProj::Forward(Edit edit)
{
    if (showing_)
        return;
    edit(model_);
    ShowModel();
}

void TNeuesProj::ConnectEdits()
{
    using M = NewProjectDialogModel;
    connect(widthEdit_, &QSpinBox::valueChanged, this,
            [this](int v) { Forward([v](M& m) { m.SetWidth(v); }); });
    connect(heightEdit_, &QSpinBox::valueChanged, this,
            [this](int v) { Forward([v](M& m) { m.SetHeight(v); }); });
    connect(aspect1Edit_, &QSpinBox::valueChanged, this,
            [this](int v) { Forward([v](M& m) { m.SetAspect1(v); }); });
    connect(aspect2Edit_, &QSpinBox::valueChanged, this,
            [this](int v) { Forward([v](M& m) { m.SetAspect2(v); }); });
    connect(presetList_, &QComboBox::currentIndexChanged, this,
            [this](int i) { Forward([i](M& m) { m.SelectPreset(i); }); });
}

bool TNeuesProj::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == widthEdit_)
            Forward([](NewProjectDialogModel& m) {
                m.FocusEntered(NewProjectDialogModel::Field::Width);
            });
        else if (watched == heightEdit_)
            Forward([](NewProjectDialogModel& m) {
                m.FocusEntered(NewProjectDialogModel::Field::Height);
            });
    } else if (event->type() == QEvent::FocusOut &&
               (watched == aspect1Edit_ || watched == aspect2Edit_)) {
        Forward([](NewProjectDialogModel& m) { m.AspectFieldLeft(); });
    }
    return QDialog::eventFilter(watched, event);
}

void TNeuesProj::ShowModel()
{
    showing_ = true;
    ShowValue(*widthEdit_, model_.Width);
    ShowValue(*heightEdit_, model_.Height);
    if (presetList_->currentIndex() != model_.Preset)
        presetList_->setCurrentIndex(model_.Preset);
    ShowValue(*aspect1Edit_, model_.Aspect1);
    ShowValue(*aspect2Edit_, model_.Aspect2);
    const bool visible = model_.AspectFieldsVisible();
    const bool enabled = model_.AspectFieldsEnabled();
    for (QWidget* w : std::initializer_list<QWidget*>{aspect1Edit_, colonLabel_, aspect2Edit_}) {
        w->setVisible(visible);
        w->setEnabled(enabled);
    }
    showing_ = false;
}

} // namespace lumora
