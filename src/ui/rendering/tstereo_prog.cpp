#include "ui/rendering/tstereo_prog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace lumora {

TStereo_Prog::TStereo_Prog(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("Stereo_Prog");
    setWindowTitle(QStringLiteral("Rendering"));
    // The render blocks the program; nothing else takes input meanwhile.
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    auto* prozess = new QLabel(QStringLiteral("Prozess:"), this);
    prozess->setObjectName("ProzessLabel");
    layout->addWidget(prozess);
    vorlageErzeugen_ = AddStep("VorlageErzeugenCheck", QStringLiteral("Vorlage erzeugen"));
    kachelErzeugen_ = AddStep("KachelErzeugenCheck", QStringLiteral("Kachel erzeugen"));
    renderingVorbereiten_ =
        AddStep("RenderingVorbereitenCheck", QStringLiteral("Rendering vorbereiten"));
    auto* fortschritt = new QLabel(QStringLiteral("Fortschritt:"), this);
    fortschritt->setObjectName("FortschrittLabel");
    layout->addWidget(fortschritt);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("RenderProgressBar");
    bar_->setMinimumWidth(300);
    layout->addWidget(bar_);
    rowCounter_ = new QLabel(this);
    rowCounter_->setObjectName("RowCounterLabel");
    rowCounter_->setAlignment(Qt::AlignRight);
    layout->addWidget(rowCounter_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QCheckBox* TStereo_Prog::AddStep(const QString& name, const QString& caption)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    // Display only: the render ticks it, the user cannot.
    box->setFocusPolicy(Qt::NoFocus);
    box->installEventFilter(this);
    layout()->addWidget(box);
    return box;
}

QCheckBox* TStereo_Prog::StepBox(RenderStep step) const
{
    switch (step) {
    case RenderStep::VorlageErzeugen:
        return vorlageErzeugen_;
    case RenderStep::KachelErzeugen:
        return kachelErzeugen_;
    case RenderStep::RenderingVorbereiten:
        return renderingVorbereiten_;
    }
    return nullptr;
}

bool TStereo_Prog::eventFilter(QObject* watched, QEvent* event)
{
    const bool isStep = watched == vorlageErzeugen_ || watched == kachelErzeugen_ ||
                        watched == renderingVorbereiten_;
    if (isStep) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TStereo_Prog::Begin(int maximum)
{
    bar_->setRange(0, std::max(0, maximum));
    for (QCheckBox* box : {vorlageErzeugen_, kachelErzeugen_, renderingVorbereiten_})
        box->setChecked(false);
    shownPercent_ = -1;
    ShowRow(0);
    show();
    raise();
    PaintNow();
}

void TStereo_Prog::StepDone(RenderStep step)
{
    if (QCheckBox* box = StepBox(step)) {
        box->setChecked(true);
        box->repaint();
    }
    PaintNow();
}

void TStereo_Prog::SetPosition(int row)
{
    ShowRow(row);
    rowCounter_->repaint();
    bar_->repaint();
    // Let the window system take the new picture only when the bar moved
    // visibly; a tall render has many more rows than the bar has steps.
    const int maximum = std::max(1, bar_->maximum());
    const int percent = static_cast<int>(100LL * bar_->value() / maximum);
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        PaintNow();
    }
}

void TStereo_Prog::End()
{
    hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TStereo_Prog::ShowRow(int row)
{
    bar_->setValue(std::clamp(row, bar_->minimum(), bar_->maximum()));
    rowCounter_->setText(QStringLiteral("%1 / %2").arg(bar_->value()).arg(bar_->maximum()));
}

void TStereo_Prog::PaintNow()
{
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace lumora
