#include "ui/app/tmessage_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumora {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The language files break lines with a carriage return.
QString WithLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

TMessage_Form::TMessage_Form(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Message_Form"));
    setWindowTitle(QStringLiteral("Lumora R2"));
    setModal(true);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("Message_Label"));
    message_->setWordWrap(true);
    message_->setMinimumWidth(320);
    message_->setAlignment(Qt::AlignCenter);

    yes_ = MakeButton(this, "Button_Ja", QStringLiteral("Ja"));
    no_ = MakeButton(this, "Button_Nein", QStringLiteral("Nein"));
    cancel_ = MakeButton(this, "Button_Abbrechen", QStringLiteral("Abbrechen"));
    ok_ = MakeButton(this, "Button_OK", QStringLiteral("OK"));
    connect(yes_, &QPushButton::clicked, this, [this] { Answer(kYes); });
    connect(no_, &QPushButton::clicked, this, [this] { Answer(kNo); });
    connect(cancel_, &QPushButton::clicked, this, [this] { Answer(kCancel); });
    connect(ok_, &QPushButton::clicked, this, [this] { Answer(kOk); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {yes_, no_, cancel_, ok_})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addLayout(buttons);
}

int TMessage_Form::ShowMessage(const QString& text, int mode)
{
    mode_ = mode == kTell ? kTell : kAsk;
    message_->setText(WithLineBreaks(text));
    const bool asking = mode_ == kAsk;
    yes_->setVisible(asking);
    no_->setVisible(asking);
    cancel_->setVisible(asking);
    ok_->setVisible(!asking);
    (asking ? yes_ : ok_)->setDefault(true);
    answer_ = asking ? kCancel : kOk;
    adjustSize();
    exec();
    return answer_;
}

QString TMessage_Form::MessageText() const
{
    return message_->text();
}

void TMessage_Form::reject()
{
    // The title-bar "X" and Escape: "Abbrechen", or "OK" when that is all.
    answer_ = mode_ == kAsk ? kCancel : kOk;
    QDialog::reject();
}

void TMessage_Form::Answer(int answer)
{
    answer_ = answer;
    QDialog::accept();
}

} // namespace lumora
