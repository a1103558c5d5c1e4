#include "ui/depthmap/trename_dm_obj.h"

#include "app/language_texts.h"
#include "ui/app/tmessage_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace lumora {
namespace {

QLabel* CaptionLabel(const QString& name, const QString& caption, QWidget* parent)
{
    // Not shown itself: the label is the caption of the window.
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

QString TextOr(const LanguageTexts* texts, const char* key, const char* german)
{
    const QString text = texts ? texts->MessageText(QString::fromLatin1(key)) : QString();
    return text.isEmpty() ? QString::fromUtf8(german) : text;
}

} // namespace

TRename_dm_obj::TRename_dm_obj(QWidget* parent)
    : LumoDialog(QStringLiteral("Rename_dm_obj"), QStringLiteral("Rename Object"),
                 QString::fromLatin1(kObjectHelpPage), parent)
{
    setModal(true);
    objectCaption_ =
        CaptionLabel(QStringLiteral("RenameObjectLabel"), QStringLiteral("Rename Object"), this);
    groupCaption_ =
        CaptionLabel(QStringLiteral("RenameGroupLabel"), QStringLiteral("Rename Group"), this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("NameEdit"));
    name_->setMinimumWidth(260);
    BodyLayout()->addWidget(name_);
    AddOkCancelButtons();
}

std::optional<QString> TRename_dm_obj::ShowRename_dm_object(const QString& name, bool group)
{
    setWindowTitle((group ? groupCaption_ : objectCaption_)->text());
    SetHelpPage(QString::fromLatin1(group ? kGroupHelpPage : kObjectHelpPage));
    name_->setText(name);
    name_->selectAll();
    name_->setFocus(Qt::OtherFocusReason);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return name_->text();
}

QString TRename_dm_obj::RefusalText() const
{
    return TextOr(texts_, "RenameObject1", "Der Name darf nicht leer sein.") + QLatin1Char('\r') +
           TextOr(texts_, "RenameObject2", "Bitte geben Sie einen Namen ein.");
}

void TRename_dm_obj::accept()
{
    const QString name = name_->text();
    const bool blank = std::all_of(name.begin(), name.end(), [](QChar c) { return c == ' '; });
    if (!blank) {
        LumoDialog::accept();
        return;
    }
    if (tell_) {
        tell_(RefusalText());
    } else {
        TMessage_Form message(this);
        message.ShowMessage(RefusalText(), TMessage_Form::kTell);
    }
    // Back to the field for another name.
    activateWindow();
    name_->setFocus(Qt::OtherFocusReason);
}

} // namespace lumora
