// The lexical rules of script lines and the argument forms.
#include "plugins/plugin_script.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumora {
namespace {

struct LineCase
{
    QString Line;
    QString Command;
    QStringList Arguments;
};

TEST(ParseScriptLine, LexicalRules)
{
    const std::vector<LineCase> cases = {
        {"", "", {}},
        {"     ", "", {}},
        {"   // a comment", "", {}},
        {"//RECTANGLE(0,0,1,1,1)", "", {}},
        {"/", "", {}},
        {"A/B(1)", "", {}}, // the second character is "/"
        {"  x/y", "", {}},
        {"\tGET(#01,1)", "\tGET", {"#01", "1"}}, // tabs are no blanks
        {"REPEAT", "REPEAT", {}},
        {"  end   trailing words", "end", {}},
        {"GET(#01,5)", "GET", {"#01", "5"}},
        {"GET(#01, #02)", "GET", {"#01", " #02"}},
        {"LINE (1,2,3,4,1,200)", "LINE", {}},
        {"LINE,(1)", "LINE", {}},
        {"IF(#01,<>,3) // after the parenthesis", "IF", {"#01", "<>", "3"}},
        {"GET(#01,5", "GET", {"#01", "5"}},
        {"GET(#01,", "GET", {"#01", ""}},
        {"GET(", "GET", {""}},
        // The first character of a word or an argument always belongs to it.
        {"(ab(1)", "(ab", {"1"}},
        {"GET(,5)", "GET", {",5"}},
        {"GET())", "GET", {")"}},
        {"X(1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18)",
         "X",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"}},
    };
    for (const LineCase& c : cases) {
        const ScriptLine parsed = ParseScriptLine(c.Line);
        EXPECT_EQ(parsed.Command, c.Command) << c.Line.toStdString();
        EXPECT_EQ(parsed.Arguments, c.Arguments) << c.Line.toStdString();
    }
}

struct IntegerTextCase
{
    QString Text;
    bool Valid;
    int32_t Value;
};

TEST(ParseIntegerText, StandardConversion)
{
    const std::vector<IntegerTextCase> cases = {
        {"0", true, 0},
        {"5", true, 5},
        {" 5", true, 5},
        {"   -12", true, -12},
        {"+7", true, 7},
        {"$1F", true, 31},
        {"0x10", true, 16},
        {"0X10", true, 16},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},
        {"2147483647", true, INT32_MAX},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"$100000000", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"1.5", false, 0},
        {"5 ", false, 0},
        {"12a", false, 0},
        {"a", false, 0},
        {"\t5", false, 0},
        {"- 5", false, 0},
    };
    for (const IntegerTextCase& c : cases) {
        int32_t value = 0;
        EXPECT_EQ(ParseIntegerText(c.Text, value), c.Valid) << c.Text.toStdString();
        if (c.Valid) {
            EXPECT_EQ(value, c.Value) << c.Text.toStdString();
        }
    }
}

TEST(ClassifyArgument, ArgumentForms)
{
    using Form = ScriptOperand::Form;
    struct Case
    {
        QString Text;
        Form Kind;
        int Number;
        QString Reported;
    };
    const std::vector<Case> cases = {
        {"#01", Form::Variable, 1, ""},        {"#99", Form::Variable, 99, ""},
        {"#017", Form::Variable, 1, ""},       {"# 7", Form::Variable, 7, ""},
        {"#1", Form::BadReference, 0, "#1"},   {"#", Form::BadReference, 0, "#"},
        {"#ab", Form::BadReference, 0, "ab"},  {"#00", Form::OutOfRange, 0, "#00"},
        {"#-1", Form::OutOfRange, 0, "#-1"},   {"xmax", Form::Keyword, 0, ""},
        {"Num", Form::Keyword, 0, ""},         {" XMAX", Form::BadLiteral, 0, " XMAX"},
        {" #02", Form::BadLiteral, 0, " #02"}, {"1.5", Form::BadLiteral, 0, "1.5"},
        {" 5", Form::Literal, 0, ""},
    };
    for (const Case& c : cases) {
        const ScriptOperand op = ClassifyArgument(c.Text);
        EXPECT_EQ(op.Kind, c.Kind) << c.Text.toStdString();
        if (c.Kind == Form::Variable) {
            EXPECT_EQ(op.Number, c.Number) << c.Text.toStdString();
        }
        if (!c.Reported.isEmpty()) {
            EXPECT_EQ(op.Text, c.Reported) << c.Text.toStdString();
        }
    }
    EXPECT_EQ(ClassifyArgument("yMaX").Keyword, ScriptKeyword::YMax);
    EXPECT_EQ(ClassifyArgument(" 5").Literal, 5);
}

TEST(SameWordIgnoringCase, AsciiLettersOnly)
{
    EXPECT_TRUE(SameWordIgnoringCase(u"rEcTaNgLe", u"RECTANGLE"));
    EXPECT_FALSE(SameWordIgnoringCase(u"GETT", u"GET"));
    EXPECT_FALSE(SameWordIgnoringCase(u"\u00e4", u"\u00c4"));
}

} // namespace
} // namespace lumora
