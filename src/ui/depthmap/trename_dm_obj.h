#pragma once
// TRename_dm_obj: the rename dialog, a one-line field with "OK" and
// "Abbruch". Its caption is one of its two labels, "Rename Object" or
// "Rename Group". A name that is empty once its leading blanks are removed
// is refused with the message texts RenameObject1 and RenameObject2, and
// the dialog stays open; an accepted name is handed back as typed.

#include "ui/widgets/lumo_dialog.h"

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

namespace lumora {

class LanguageTexts;

class TRename_dm_obj : public LumoDialog
{
public:
    static constexpr char kObjectHelpPage[] = "Rename_dm_object.l2h";
    static constexpr char kGroupHelpPage[] = "Rename_dm_group.l2h";

    explicit TRename_dm_obj(QWidget* parent = nullptr);

    // The program's language texts, read when a name is refused; nullptr
    // (the default) uses the German texts.
    void SetTexts(const LanguageTexts* texts) { texts_ = texts; }
    // Shows the refusal in the program's message box; without it the
    // dialog shows a message box of its own.
    void SetTell(std::function<void(const QString&)> tell) { tell_ = std::move(tell); }

    // Modal, the field holding name, all of it selected, with the focus.
    // "OK" answers the new name as typed; "Abbruch" and "X" nothing.
    std::optional<QString> ShowRename_dm_object(const QString& name, bool group);

    // The refusal text: RenameObject1, a carriage return, RenameObject2.
    QString RefusalText() const;

protected:
    void accept() override;

private:
    QLineEdit* name_ = nullptr;
    QLabel* objectCaption_ = nullptr;
    QLabel* groupCaption_ = nullptr;
    const LanguageTexts* texts_ = nullptr;
    std::function<void(const QString&)> tell_;
};

} // namespace lumora
