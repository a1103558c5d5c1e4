#include "ui/app/tprogress_form.h"

#include "app/language_texts.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace lumora {

TProgress_Form::TProgress_Form(const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      texts_(texts)
{
    setObjectName(QStringLiteral("Progress_Form"));
    label_ = new QLabel(QStringLiteral("Bitte warten..."), this);
    label_->setObjectName(QStringLiteral("Label1"));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
}

void TProgress_Form::ShowProgress(const QString& caption, int maximum)
{
    setWindowTitle(caption);
    bar_->setRange(0, maximum > 0 ? maximum : 1);
    bar_->setValue(0);
    show();
    PaintNow();
}

int TProgress_Form::Position() const
{
    return bar_->value();
}

int TProgress_Form::Maximum() const
{
    return bar_->maximum();
}

void TProgress_Form::ShowProgress(Operation operation, int maximum)
{
    const QString& caption =
        texts_.MessageText(operation == Operation::Opening ? QStringView(u"ProjectProgress1")
                                                           : QStringView(u"ProjectProgress2"));
    ShowProgress(caption, maximum);
}

void TProgress_Form::IncPosition()
{
    if (bar_->value() < bar_->maximum())
        bar_->setValue(bar_->value() + 1);
    PaintNow();
}

void TProgress_Form::CloseProgress()
{
    hide();
}

void TProgress_Form::PaintNow()
{
    if (isVisible())
        repaint();
}

} // namespace lumora
