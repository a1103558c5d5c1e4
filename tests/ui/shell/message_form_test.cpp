// The message box answered through its buttons and its title-bar "X".
#include "shell_test_support.h"
#include "ui/app/tmessage_form.h"

namespace lumora {
namespace {

using test::ModalScript;

struct AnswerCase
{
    int Mode;
    test::ModalStep Step;
    int Expected;
};

TEST(MessageForm, AnswersTheButtonPressed)
{
    const AnswerCase cases[] = {
        {TMessage_Form::kAsk, test::Yes(), TMessage_Form::kYes},
        {TMessage_Form::kAsk, test::No(), TMessage_Form::kNo},
        {TMessage_Form::kAsk, test::Cancel(), TMessage_Form::kCancel},
        {TMessage_Form::kAsk, {"Message_Form", test::CloseWindow()}, TMessage_Form::kCancel},
        {TMessage_Form::kTell, test::Ok(), TMessage_Form::kOk},
        {TMessage_Form::kTell, {"Message_Form", test::CloseWindow()}, TMessage_Form::kOk},
    };
    TMessage_Form form;
    for (const AnswerCase& c : cases) {
        ModalScript script({c.Step});
        EXPECT_EQ(form.ShowMessage("Question", c.Mode), c.Expected);
    }
}

TEST(MessageForm, ShowsTheButtonsOfItsMode)
{
    TMessage_Form form;
    for (int mode : {TMessage_Form::kAsk, TMessage_Form::kTell}) {
        const bool asking = mode == TMessage_Form::kAsk;
        bool checked = false;
        ModalScript script(
            {{"Message_Form", [&](QWidget& window) {
                  for (const char* name : {"Button_Ja", "Button_Nein", "Button_Abbrechen"})
                      EXPECT_EQ(window.findChild<QWidget*>(name)->isVisible(), asking) << name;
                  EXPECT_EQ(window.findChild<QWidget*>("Button_OK")->isVisible(), !asking);
                  checked = true;
                  window.close();
              }}});
        form.ShowMessage("Text", mode);
        EXPECT_TRUE(checked);
    }
}

TEST(MessageForm, CarriageReturnBreaksTheLine)
{
    TMessage_Form form;
    ModalScript script({test::Ok()});
    form.ShowMessage("first\rsecond", TMessage_Form::kTell);
    EXPECT_EQ(script.Messages(), QStringList{"first\nsecond"});
}

} // namespace
} // namespace lumora
