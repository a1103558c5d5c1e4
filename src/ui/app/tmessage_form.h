#pragma once
// TMessage_Form: the program's modal message box. Mode 0 asks with "Ja",
// "Nein" and "Abbrechen" and answers 0, 1 or 2 (the title-bar "X" counts
// as "Abbrechen"); mode 1 tells with "OK" and answers 3. The button
// captions come from the language file (section "Message_Form"), the
// message itself from the caller's language texts.

#include <QDialog>

class QLabel;
class QPushButton;

namespace lumora {

class TMessage_Form : public QDialog
{
public:
    enum Mode
    {
        kAsk = 0,
        kTell = 1,
    };
    enum Answer
    {
        kYes = 0,
        kNo = 1,
        kCancel = 2,
        kOk = 3,
    };

    explicit TMessage_Form(QWidget* parent = nullptr);

    // Shows text modally (a carriage return breaks the line) and answers
    // the button pressed.
    int ShowMessage(const QString& text, int mode);

    // The text of the last message, as shown.
    QString MessageText() const;

protected:
    void reject() override;

private:
    void Answer(int answer);

    QLabel* message_ = nullptr;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* ok_ = nullptr;
    int mode_ = kAsk;
    int answer_ = kCancel;
};

} // namespace lumora
