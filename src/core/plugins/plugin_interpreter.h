#pragma once
// The interpreter of plug-in scripts: runs a script over a rectangle of an
// 8-bit depth buffer. Coordinates in the script are relative to the
// rectangle's top-left corner, XMAX and YMAX are its size, NUM the image
// number. Nothing outside the rectangle changes.
//
// A run that fails (a text that is no integer, a jump out of the script, a
// missing argument, a reference to a variable outside #01..#99, a script
// that does not end) throws LumoraError with the text for the user; what
// was drawn before stays, the clip and the rounding direction are restored.

#include "depthmap/box.h"
#include "plugins/plugin_script.h"

#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace lumora {

class TPixelEngine256;

// A run stops with an error after executing this many lines, so that a
// loop whose condition never holds cannot hang the program. Real scripts
// execute some thousands of lines; a loop over every pixel of a large
// depth map stays well inside.
inline constexpr int64_t kMaxExecutedScriptLines = 100'000'000;

// Drawing coordinates are kept within this distance of the buffer origin
// so that the rasteriser's arithmetic stays in range; no depth map comes
// near it.
inline constexpr int64_t kMaxScriptCoordinate = 1 << 22;

class PlugInInterpreter
{
public:
    explicit PlugInInterpreter(int64_t maxExecutedLines = kMaxExecutedScriptLines)
        : maxExecutedLines_(maxExecutedLines)
    {
    }

    // limit, when given, restricts the drawing further to that rectangle
    // of Target (right and bottom excluded): the clipped drawing of the
    // plug-in object.
    void RunPlugInScript(int32_t X0, int32_t Y0, int32_t XMAX, int32_t YMAX, int32_t NUM,
                         TPixelEngine256& Target, const QStringList& Script, bool Invert,
                         const Box* limit = nullptr);

    // The variables as the last run left them (0 for numbers outside 1..99).
    double Variable(int number) const;
    int64_t ExecutedLines() const { return executedLines_; }

private:
    enum class Command
    {
        None,
        Get,
        Addit,
        Subtr,
        Multi,
        Divis,
        Rectangle,
        RoundRect,
        Ellipse,
        Triangle,
        Line,
        If,
        Until,
        Repeat,
        End
    };
    struct Line
    {
        Command Kind = Command::None;
        QString Word;
        QStringList Arguments;
        std::vector<ScriptOperand> Operands;
    };
    static Command CommandOf(const QString& word);
    static Line Prepare(const QString& text);

    void Reset(int32_t XMAX, int32_t YMAX, int32_t NUM, bool Invert);
    void Execute();
    void RequireArguments(const Line& line, int count) const;
    int VariableNumber(const ScriptOperand& operand) const;
    double NumericValue(const ScriptOperand& operand) const;
    int32_t IntegerValue(const ScriptOperand& operand) const;
    int32_t KeywordValue(ScriptKeyword keyword) const;
    int GreyOfDepth(int32_t depth) const;
    int X(int64_t v) const;
    int Y(int64_t v) const;
    void Arithmetic(const Line& line);
    void Draw(const Line& line);
    bool ConditionHolds(const Line& line) const;
    int32_t MatchingEnd(int32_t ifIndex);
    int32_t MatchingRepeat(int32_t untilIndex);

    int64_t maxExecutedLines_;
    std::vector<Line> lines_;
    std::vector<int32_t> jumps_; // matching END or REPEAT, once found
    int32_t lineIndex_ = -1;
    std::array<double, kScriptVariableCount> variables_{};
    int32_t xMax_ = 0;
    int32_t yMax_ = 0;
    int32_t num_ = 0;
    bool invert_ = false;
    int64_t x0_ = 0;
    int64_t y0_ = 0;
    bool drawingVisible_ = true;
    int64_t executedLines_ = 0;
    TPixelEngine256* target_ = nullptr;
};

// One run with a fresh interpreter.
void RunPlugInScript(int32_t X0, int32_t Y0, int32_t XMAX, int32_t YMAX, int32_t NUM,
                     TPixelEngine256& Target, const QStringList& Script, bool Invert);

} // namespace lumora
