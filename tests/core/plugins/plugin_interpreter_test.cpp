// The interpreter of plug-in scripts: commands, control flow, depth levels,
// rounding, the clip to the drawing rectangle and the run-time errors.
#include "common/lumora_error.h"
#include "plugins/plugin_interpreter.h"
#include "rendering/lumo_pixelengine256.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>
#include <vector>

namespace lumora {
namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 30;
constexpr uint8_t kUntouched = 7;

struct Probe
{
    int X, Y;
    int Grey;
};

struct Area
{
    int X0, Y0, XMax, YMax, Num;
    bool Invert;
};
constexpr Area kFull{0, 0, kWidth, kHeight, 0, false};
constexpr Area kInverted{0, 0, kWidth, kHeight, 0, true};

struct RunCase
{
    const char* What;
    QStringList Script;
    Area Run;
    std::vector<Probe> Probes; // none: nothing may change
    std::string Error;         // empty: the run must succeed
};

std::ostream& operator<<(std::ostream& os, const RunCase& c)
{
    return os << c.What;
}

int CountChanged(const TPixelEngine256& buffer)
{
    int changed = 0;
    for (int y = 0; y < buffer.Height(); ++y)
        for (int x = 0; x < buffer.Width(); ++x)
            changed += buffer.Pixel(x, y) != kUntouched ? 1 : 0;
    return changed;
}

class InterpreterRun : public ::testing::TestWithParam<RunCase>
{
};

TEST_P(InterpreterRun, DrawsTheExpectedPixels)
{
    const RunCase& c = GetParam();
    TPixelEngine256 buffer(kWidth, kHeight);
    buffer.Fill(kUntouched);
    PlugInInterpreter interpreter;
    std::string error;
    try {
        interpreter.RunPlugInScript(c.Run.X0, c.Run.Y0, c.Run.XMax, c.Run.YMax, c.Run.Num, buffer,
                                    c.Script, c.Run.Invert);
    } catch (const LumoraError& e) {
        error = e.what();
    }
    EXPECT_EQ(error, c.Error);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST) << "rounding direction not restored";
    if (c.Probes.empty()) {
        EXPECT_EQ(CountChanged(buffer), 0);
    }
    for (const Probe& p : c.Probes)
        EXPECT_EQ(buffer.Pixel(p.X, p.Y), p.Grey) << "at " << p.X << ", " << p.Y;
}

const std::vector<RunCase> kRunCases = {
    {"XMAX 0 draws nothing", {"RECTANGLE(0,0,10,10,100)"}, {0, 0, 0, 10, 0, false}, {}, ""},
    {"YMAX negative draws nothing", {"RECTANGLE(0,0,10,10,100)"}, {0, 0, 10, -3, 0, false}, {}, ""},
    {"empty script", {}, kFull, {}, ""},
    {"comments and blank lines",
     {"", "   ", "// RECTANGLE(0,0,10,10,100)", "   // three blanks first", "A/B(1)"},
     kFull,
     {},
     ""},
    {"a comment after blanks hides a command", {"   //RECTANGLE(0,0,10,10,100)"}, kFull, {}, ""},
    {"commands and keywords in any case",
     {"rectangle(0,0,xmax,ymax,101)"},
     kFull,
     {{0, 0, 100}, {39, 29, 100}},
     ""},
    {"get(#01,xmax) is GET(#01,XMAX)",
     {"get(#01,xmax)", "Get(#02,XMAX)", "RECTANGLE(0,0,#01,1,50)", "RECTANGLE(0,1,#02,1,60)"},
     {0, 0, 20, 10, 0, false},
     {{19, 0, 49}, {20, 0, kUntouched}, {19, 1, 59}},
     ""},
    {"a literal with a leading blank",
     {"GET(#01, 5)", "RECTANGLE(0,0,#01,1,50)"},
     kFull,
     {{4, 0, 49}, {5, 0, kUntouched}},
     ""},
    {"a variable reference with a leading blank",
     {"RECTANGLE(0,0,5,5,50)", "GET(#01, #02)", "RECTANGLE(0,0,40,30,90)"},
     kFull,
     {{0, 0, 49}, {10, 10, kUntouched}},
     "' #02' is not a valid integer value"},
    {"2.0001 draws as 3",
     {"GET(#01,20001)", "DIVIS(#01,10000)", "RECTANGLE(0,0,#01,1,50)"},
     kFull,
     {{2, 0, 49}, {3, 0, kUntouched}},
     ""},
    {"-0.5 draws as 0",
     {"GET(#01,-1)", "DIVIS(#01,2)", "RECTANGLE(3,#01,1,1,50)"},
     {0, 5, kWidth, 20, 0, false},
     {{3, 5, 49}, {3, 6, kUntouched}},
     ""},
    {"depth 300", {"RECTANGLE(0,0,10,10,300)"}, kFull, {{5, 5, 255}}, ""},
    {"depth 300 inverted", {"RECTANGLE(0,0,10,10,300)"}, kInverted, {{5, 5, 0}}, ""},
    {"depth 0", {"RECTANGLE(0,0,10,10,0)"}, kFull, {{5, 5, 0}}, ""},
    {"depth 0 inverted", {"RECTANGLE(0,0,10,10,0)"}, kInverted, {{5, 5, 255}}, ""},
    {"depth 128 and inverted 128",
     {"RECTANGLE(0,0,10,10,128)", "RECTANGLE(10,0,10,10,-5)"},
     kInverted,
     {{5, 5, 128}, {15, 5, 255}},
     ""},
    {"DIVIS by zero leaves the variable",
     {"GET(#01,6)", "DIVIS(#01,0)", "DIVIS(#01,#02)", "DIVIS(#01,NUM)", "RECTANGLE(0,0,#01,1,50)"},
     kFull,
     {{5, 0, 49}, {6, 0, kUntouched}},
     ""},
    {"MULTI by XMAX",
     {"GET(#01,1)", "MULTI(#01,XMAX)", "RECTANGLE(0,0,#01,1,50)"},
     {0, 0, 25, 10, 0, false},
     {{24, 0, 49}, {25, 0, kUntouched}},
     ""},
    {"NUM and YMAX",
     {"RECTANGLE(0,0,NUM,YMAX,50)"},
     {0, 0, kWidth, 12, 3, false},
     {{2, 11, 49}, {3, 0, kUntouched}, {0, 12, kUntouched}},
     ""},
    {"shapes are cut at the rectangle",
     {"RECTANGLE(-5,-5,30,30,200)", "ELLIPSE(-50,-50,200,200,201)",
      "LINE(-100,-100,100,100,30,202)", "TRIANGLE(-50,-50,60,0,0,60,203)",
      "ROUNDRECT(-9,-9,40,40,204)"},
     {10, 10, 10, 10, 0, false},
     {{10, 10, 203},
      {19, 19, 203},
      {9, 10, kUntouched},
      {20, 15, kUntouched},
      {15, 9, kUntouched},
      {15, 20, kUntouched}},
     ""},
    {"huge coordinates are cut too",
     {"RECTANGLE(-2000000000,-2000000000,2100000000,2100000000,100)",
      "ELLIPSE(-2000000000,5,2147483647,3,120)",
      "LINE(-2147483648,0,2147483647,29,2147483647,130)"},
     kFull,
     {{0, 0, 129}, {39, 29, 129}},
     ""},
    {"nested IF with a false outer condition",
     {"GET(#01,0)", "IF(#01,=,1)", "IF(#01,=,0)", "RECTANGLE(0,0,5,5,50)", "END",
      "RECTANGLE(5,0,5,5,60)", "END", "RECTANGLE(10,0,5,5,70)"},
     kFull,
     {{2, 2, kUntouched}, {7, 2, kUntouched}, {12, 2, 69}},
     ""},
    {"a true IF runs its block and END does nothing",
     {"IF(1,<,2)", "RECTANGLE(0,0,5,5,50)", "END", "RECTANGLE(5,0,5,5,60)"},
     kFull,
     {{2, 2, 49}, {7, 2, 59}},
     ""},
    {"skipped lines are not executed",
     {"IF(1,>,2)", "RECTANGLE(0,0,1.5,5,50)", "GET(#00,1)", "LINE(1)", "END",
      "RECTANGLE(5,0,5,5,60)"},
     kFull,
     {{2, 2, kUntouched}, {7, 2, 59}},
     ""},
    {"an unknown operator makes the block run",
     {"IF(1,=>,2)", "RECTANGLE(0,0,5,5,50)", "END", "IF(1, =,1)", "RECTANGLE(5,0,5,5,60)", "END"},
     kFull,
     {{2, 2, 49}, {7, 2, 59}},
     ""},
    {"the example draws bars of their own x",
     {"GET(#01,0)", "REPEAT", "RECTANGLE(#01,0,10,YMAX,#01)", "ADDIT(#01,10)",
      "UNTIL(#01,>=,XMAX)"},
     kFull,
     {{0, 0, 0}, {9, 29, 0}, {10, 0, 9}, {25, 3, 19}, {39, 29, 29}},
     ""},
    {"unknown words, REPEAT, END and arithmetic on no variable are ignored",
     {"REPEAT", "END", "FOO(1,2)", "GET(5,6)", "ADDIT(XMAX,1)", "RECTANGLE(0,0,1,1,50)"},
     kFull,
     {{0, 0, 49}, {1, 1, kUntouched}},
     ""},
    {"a run-time error keeps what was drawn before it",
     {"RECTANGLE(0,0,5,5,50)", "RECTANGLE(5,0,1.5,5,60)", "RECTANGLE(10,0,5,5,70)"},
     kFull,
     {{2, 2, 49}, {7, 2, kUntouched}, {12, 2, kUntouched}},
     "'1.5' is not a valid integer value"},
    {"the arguments are resolved before drawing",
     {"RECTANGLE(0,0,5,5,x)"},
     kFull,
     {},
     "'x' is not a valid integer value"},
    {"a false IF without END",
     {"RECTANGLE(0,0,5,5,50)", "IF(1,=,2)", "RECTANGLE(5,0,5,5,60)"},
     kFull,
     {{2, 2, 49}, {7, 2, kUntouched}},
     "List index out of bounds (3)"},
    {"a false UNTIL without REPEAT",
     {"RECTANGLE(0,0,5,5,50)", "UNTIL(1,=,2)"},
     kFull,
     {{2, 2, 49}},
     "List index out of bounds (-1)"},
    {"#1 followed by nothing", {"GET(#1,5)"}, kFull, {}, "'#1' is not a valid integer value"},
    {"a reference to variable 00",
     {"GET(#00,5)"},
     kFull,
     {},
     "'#00' is not a variable: the variables are #01 to #99"},
    {"a reference to variable -1 as a value",
     {"GET(#01,#-1)"},
     kFull,
     {},
     "'#-1' is not a variable: the variables are #01 to #99"},
    {"too few arguments",
     {"RECTANGLE(0,0,5,5,50)", "LINE(1,2)"},
     kFull,
     {{2, 2, 49}},
     "LINE in line 2 needs 6 arguments, but has 2"},
    {"a blank before the parenthesis leaves no arguments",
     {"LINE (1,2,3,4,1,200)"},
     kFull,
     {},
     "LINE in line 1 needs 6 arguments, but has 0"},
    {"GET without parentheses", {"get"}, kFull, {}, "GET in line 1 needs 2 arguments, but has 0"},
    {"a variable too large for drawing",
     {"GET(#07,2147483647)", "ADDIT(#07,1)", "RECTANGLE(#07,0,1,1,50)"},
     kFull,
     {},
     "Variable #07 holds 2.14748e+09, which is no drawing value"},

};

INSTANTIATE_TEST_SUITE_P(Scripts, InterpreterRun, ::testing::ValuesIn(kRunCases));

TEST(PlugInInterpreter, ArithmeticRoundsTowardPlusInfinity)
{
    TPixelEngine256 buffer(4, 4);
    buffer.Fill(0);
    PlugInInterpreter interpreter;
    interpreter.RunPlugInScript(0, 0, 4, 4, 0, buffer,
                                {"GET(#01,1)", "DIVIS(#01,3)", "GET(#02,-1)", "DIVIS(#02,3)",
                                 "GET(#03,#01)", "MULTI(#03,3)", "RECTANGLE(0,0,#03,1,50)"},
                                false);
    const double third = 1.0 / 3.0; // round to nearest: below one third
    EXPECT_EQ(interpreter.Variable(1), std::nextafter(third, 1.0));
    EXPECT_EQ(interpreter.Variable(2), -third); // toward plus infinity: the smaller magnitude
    EXPECT_GT(interpreter.Variable(3), 1.0);
    // To nearest, one third times three would be 1 exactly.
    EXPECT_EQ(interpreter.Variable(3), std::nextafter(1.0, 2.0));
    EXPECT_EQ(buffer.Pixel(1, 0), 49);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

TEST(PlugInInterpreter, RestoresTheCallersRoundingDirection)
{
    TPixelEngine256 buffer(4, 4);
    for (const int mode : {FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        PlugInInterpreter interpreter;
        interpreter.RunPlugInScript(0, 0, 4, 4, 0, buffer, {"GET(#01,1)", "DIVIS(#01,3)"}, false);
        EXPECT_EQ(std::fegetround(), mode);
        EXPECT_THROW(interpreter.RunPlugInScript(0, 0, 4, 4, 0, buffer, {"GET(#01,q)"}, false),
                     LumoraError);
        EXPECT_EQ(std::fegetround(), mode);
        std::fesetround(FE_TONEAREST);
        EXPECT_EQ(interpreter.Variable(1), 0.0) << "variables are reset at every run";
    }
}

TEST(PlugInInterpreter, NestedLoopsGoBackToTheirOwnRepeat)
{
    TPixelEngine256 buffer(4, 4);
    PlugInInterpreter interpreter;
    interpreter.RunPlugInScript(0, 0, 4, 4, 0, buffer,
                                {"GET(#01,0)", "REPEAT", "GET(#02,0)", "REPEAT", "ADDIT(#03,1)",
                                 "ADDIT(#02,1)", "UNTIL(#02,=,4)", "ADDIT(#01,1)",
                                 "UNTIL(#01,>=,3)"},
                                false);
    EXPECT_EQ(interpreter.Variable(1), 3.0);
    EXPECT_EQ(interpreter.Variable(2), 4.0);
    EXPECT_EQ(interpreter.Variable(3), 12.0);
}

TEST(PlugInInterpreter, ARepeatBodyRunsAtLeastOnce)
{
    TPixelEngine256 buffer(4, 4);
    PlugInInterpreter interpreter;
    interpreter.RunPlugInScript(0, 0, 4, 4, 0, buffer, {"REPEAT", "ADDIT(#01,1)", "UNTIL(1,=,1)"},
                                false);
    EXPECT_EQ(interpreter.Variable(1), 1.0);
}

TEST(PlugInInterpreter, StopsAScriptThatNeverEnds)
{
    TPixelEngine256 buffer(8, 8);
    buffer.Fill(kUntouched);
    PlugInInterpreter interpreter(1000);
    try {
        interpreter.RunPlugInScript(
            0, 0, 8, 8, 0, buffer,
            {"RECTANGLE(0,0,2,2,50)", "REPEAT", "ADDIT(#01,1)", "UNTIL(#01,<,0)"}, false);
        FAIL() << "no error";
    } catch (const LumoraError& e) {
        EXPECT_STREQ(e.what(), "The plug-in script was stopped after 1000 lines, because it "
                               "does not seem to end");
    }
    EXPECT_EQ(interpreter.ExecutedLines(), 1000);
    // RECTANGLE and REPEAT, then 499 rounds of ADDIT and UNTIL (the jump back
    // lands on REPEAT, which is not executed again).
    EXPECT_EQ(interpreter.Variable(1), 499.0);
    EXPECT_EQ(buffer.Pixel(1, 1), 49);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

TEST(PlugInInterpreter, TheDefaultGuardEndsATightLoop)
{
    TPixelEngine256 buffer(2, 2);
    PlugInInterpreter interpreter;
    EXPECT_THROW(
        interpreter.RunPlugInScript(0, 0, 2, 2, 0, buffer, {"REPEAT", "UNTIL(0,=,1)"}, false),
        LumoraError);
    EXPECT_EQ(interpreter.ExecutedLines(), kMaxExecutedScriptLines);
}

TEST(PlugInInterpreter, TheClipIsLiftedAfterEveryRun)
{
    TPixelEngine256 buffer(20, 20);
    buffer.Fill(0);
    PlugInInterpreter interpreter;
    EXPECT_THROW(interpreter.RunPlugInScript(5, 5, 5, 5, 0, buffer, {"GET(#01,z)"}, false),
                 LumoraError);
    buffer.SetBrushGrey(77);
    buffer.SetPen(1, false);
    buffer.Rectangle(0, 0, 20, 20);
    EXPECT_EQ(buffer.Pixel(0, 0), 77);
    EXPECT_EQ(buffer.Pixel(19, 19), 77);
}

TEST(PlugInInterpreter, LimitRestrictsTheDrawingFurther)
{
    TPixelEngine256 buffer(20, 20);
    buffer.Fill(kUntouched);
    PlugInInterpreter interpreter;
    const Box limit{8, 8, 100, 100};
    interpreter.RunPlugInScript(5, 5, 10, 10, 0, buffer, {"RECTANGLE(0,0,XMAX,YMAX,101)"}, false,
                                &limit);
    EXPECT_EQ(buffer.Pixel(7, 7), kUntouched);
    EXPECT_EQ(buffer.Pixel(8, 8), 100);
    EXPECT_EQ(buffer.Pixel(14, 14), 100);
    EXPECT_EQ(buffer.Pixel(15, 15), kUntouched);

    // Nothing visible: the script still runs, so its errors show, but draws nothing.
    const Box outside{0, 0, 3, 3};
    interpreter.RunPlugInScript(5, 5, 10, 10, 0, buffer, {"RECTANGLE(0,0,XMAX,YMAX,201)"}, false,
                                &outside);
    EXPECT_EQ(CountChanged(buffer), 49);
    EXPECT_THROW(interpreter.RunPlugInScript(5, 5, 10, 10, 0, buffer, {"RECTANGLE(0,0,1,1,g)"},
                                             false, &outside),
                 LumoraError);
}

struct ShapeCase
{
    const char* What;
    QString Line;
    std::vector<Probe> Probes;
};

TEST(PlugInInterpreter, TheFiveShapes)
{
    const std::vector<ShapeCase> cases = {
        {"rectangle: right and bottom excluded",
         "RECTANGLE(2,3,10,6,90)",
         {{2, 3, 89}, {11, 8, 89}, {12, 8, kUntouched}, {11, 9, kUntouched}}},
        {"rounded rectangle: corners of 30 pixels",
         "ROUNDRECT(0,0,40,30,90)",
         {{0, 0, kUntouched}, {20, 15, 89}, {20, 0, 89}, {0, 15, 89}, {39, 29, kUntouched}}},
        {"ellipse inscribed in the rectangle",
         "ELLIPSE(0,0,40,30,90)",
         {{1, 1, kUntouched}, {20, 15, 89}, {20, 0, 89}, {0, 15, 89}, {38, 28, kUntouched}}},
        {"triangle",
         "TRIANGLE(0,0,39,0,0,29,90)",
         {{1, 1, 89}, {30, 1, 89}, {38, 28, kUntouched}, {20, 20, kUntouched}}},
        {"line with round ends, 5 pixels wide",
         "LINE(5,15,35,15,5,90)",
         {{20, 13, 89},
          {20, 17, 89},
          {20, 11, kUntouched},
          {20, 19, kUntouched},
          {3, 15, 89},
          {2, 15, kUntouched}}},
    };
    for (const ShapeCase& c : cases) {
        TPixelEngine256 buffer(kWidth, kHeight);
        buffer.Fill(kUntouched);
        RunPlugInScript(0, 0, kWidth, kHeight, 0, buffer, {c.Line}, false);
        for (const Probe& p : c.Probes)
            EXPECT_EQ(buffer.Pixel(p.X, p.Y), p.Grey) << c.What << " at " << p.X << ", " << p.Y;
    }
}

} // namespace
} // namespace lumora
