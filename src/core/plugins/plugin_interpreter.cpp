#include "plugins/plugin_interpreter.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "rendering/lumo_pixelengine256.h"

#include <QPoint>
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

namespace lumora {

namespace {

[[noreturn]] void Fail(const QString& text)
{
    throw LumoraError(text.toStdString());
}

[[noreturn]] void FailListIndex(int32_t index)
{
    Fail(QStringLiteral("List index out of bounds (%1)").arg(index));
}

int64_t Clamp64(int64_t v, int64_t low, int64_t high)
{
    return std::min(std::max(v, low), high);
}

// Lifts the clip of the target on every way out of a run.
class ClipGuard
{
public:
    explicit ClipGuard(TPixelEngine256& target) : target_(target) {}
    ~ClipGuard() { target_.ResetClip(); }
    ClipGuard(const ClipGuard&) = delete;
    ClipGuard& operator=(const ClipGuard&) = delete;

private:
    TPixelEngine256& target_;
};

struct Bounds
{
    int64_t Left, Top, Right, Bottom;
    bool Empty() const { return Left >= Right || Top >= Bottom; }
};

Bounds Intersect(const Bounds& a, const Bounds& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

int ClampToInt(int64_t v)
{
    return static_cast<int>(
        Clamp64(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

PlugInInterpreter::Command PlugInInterpreter::CommandOf(const QString& word)
{
    static constexpr struct
    {
        const char16_t* Word;
        Command Kind;
    } kCommands[] = {
        {u"GET", Command::Get},
        {u"ADDIT", Command::Addit},
        {u"SUBTR", Command::Subtr},
        {u"MULTI", Command::Multi},
        {u"DIVIS", Command::Divis},
        {u"RECTANGLE", Command::Rectangle},
        {u"ROUNDRECT", Command::RoundRect},
        {u"ELLIPSE", Command::Ellipse},
        {u"TRIANGLE", Command::Triangle},
        {u"LINE", Command::Line},
        {u"IF", Command::If},
        {u"UNTIL", Command::Until},
        {u"REPEAT", Command::Repeat},
        {u"END", Command::End},
    };
    for (const auto& entry : kCommands) {
        if (SameWordIgnoringCase(word, QStringView(entry.Word)))
            return entry.Kind;
    }
    return Command::None;
}

// Parsing a line has no effect but setting the command and its arguments,
// so every line is parsed once up front; the argument texts are classified
// then too, while conversion errors are raised only when a command uses
// the argument.
PlugInInterpreter::Line PlugInInterpreter::Prepare(const QString& text)
{
    ScriptLine parsed = ParseScriptLine(text);
    Line line;
    line.Kind = CommandOf(parsed.Command);
    line.Word = std::move(parsed.Command);
    line.Arguments = std::move(parsed.Arguments);
    line.Operands.reserve(static_cast<size_t>(line.Arguments.size()));
    for (const QString& argument : line.Arguments)
        line.Operands.push_back(ClassifyArgument(argument));
    return line;
}

double PlugInInterpreter::Variable(int number) const
{
    if (number < 1 || number > kScriptVariableCount)
        return 0.0;
    return variables_[static_cast<size_t>(number - 1)];
}

void PlugInInterpreter::Reset(int32_t XMAX, int32_t YMAX, int32_t NUM, bool Invert)
{
    xMax_ = XMAX;
    yMax_ = YMAX;
    num_ = NUM;
    invert_ = Invert;
    variables_.fill(0.0);
    lineIndex_ = -1;
    executedLines_ = 0;
    lines_.clear();
    jumps_.clear();
}

void PlugInInterpreter::RunPlugInScript(int32_t X0, int32_t Y0, int32_t XMAX, int32_t YMAX,
                                        int32_t NUM, TPixelEngine256& Target,
                                        const QStringList& Script, bool Invert, const Box* limit)
{
    Reset(XMAX, YMAX, NUM, Invert);
    if (XMAX <= 0 || YMAX <= 0)
        return;

    x0_ = X0;
    y0_ = Y0;
    target_ = &Target;
    Bounds clip{X0, Y0, int64_t{X0} + XMAX, int64_t{Y0} + YMAX};
    if (limit) {
        clip = Intersect(clip, Bounds{limit->Left, limit->Top, limit->Right, limit->Bottom});
    }
    // With nothing visible the script still runs, so that its errors show,
    // but draws nothing.
    drawingVisible_ = !clip.Empty();
    ClipGuard clipGuard(Target);
    if (drawingVisible_) {
        Target.SetClipRect(ClampToInt(clip.Left), ClampToInt(clip.Top), ClampToInt(clip.Right),
                           ClampToInt(clip.Bottom));
    }
    RoundingModeGuard rounding(FE_UPWARD);

    if (Script.isEmpty())
        return;
    lines_.reserve(static_cast<size_t>(Script.size()));
    for (const QString& text : Script)
        lines_.push_back(Prepare(text));
    jumps_.assign(lines_.size(), -1);

    const auto lastIndex = static_cast<int32_t>(lines_.size()) - 1;
    do {
        ++lineIndex_;
        if (executedLines_ >= maxExecutedLines_) {
            Fail(QStringLiteral("The plug-in script was stopped after %1 lines, because it "
                                "does not seem to end")
                     .arg(executedLines_));
        }
        ++executedLines_;
        Execute();
    } while (lineIndex_ < lastIndex);
}

void PlugInInterpreter::Execute()
{
    const Line& line = lines_[static_cast<size_t>(lineIndex_)];
    switch (line.Kind) {
    case Command::Get:
    case Command::Addit:
    case Command::Subtr:
    case Command::Multi:
    case Command::Divis:
        Arithmetic(line);
        break;
    case Command::Rectangle:
    case Command::RoundRect:
    case Command::Ellipse:
    case Command::Triangle:
    case Command::Line:
        Draw(line);
        break;
    case Command::If:
        if (!ConditionHolds(line))
            lineIndex_ = MatchingEnd(lineIndex_);
        break;
    case Command::Until:
        if (!ConditionHolds(line))
            lineIndex_ = MatchingRepeat(lineIndex_);
        break;
    case Command::Repeat:
    case Command::End:
    case Command::None:
        break;
    }
}

void PlugInInterpreter::RequireArguments(const Line& line, int count) const
{
    const auto present = static_cast<int>(line.Operands.size());
    if (present >= count)
        return;
    Fail(QStringLiteral("%1 in line %2 needs %3 arguments, but has %4")
             .arg(line.Word.toUpper())
             .arg(lineIndex_ + 1)
             .arg(count)
             .arg(present));
}

int PlugInInterpreter::VariableNumber(const ScriptOperand& operand) const
{
    switch (operand.Kind) {
    case ScriptOperand::Form::Variable:
        return operand.Number;
    case ScriptOperand::Form::OutOfRange:
        Fail(QStringLiteral("'%1' is not a variable: the variables are #01 to #99")
                 .arg(operand.Text));
    default:
        Fail(QStringLiteral("'%1' is not a valid integer value").arg(operand.Text));
    }
}

int32_t PlugInInterpreter::KeywordValue(ScriptKeyword keyword) const
{
    switch (keyword) {
    case ScriptKeyword::XMax:
        return xMax_;
    case ScriptKeyword::YMax:
        return yMax_;
    case ScriptKeyword::Num:
        return num_;
    case ScriptKeyword::None:
        break;
    }
    return 0;
}

double PlugInInterpreter::NumericValue(const ScriptOperand& operand) const
{
    switch (operand.Kind) {
    case ScriptOperand::Form::Keyword:
        return KeywordValue(operand.Keyword);
    case ScriptOperand::Form::Literal:
        return operand.Literal;
    default:
        return variables_[static_cast<size_t>(VariableNumber(operand) - 1)];
    }
}

int32_t PlugInInterpreter::IntegerValue(const ScriptOperand& operand) const
{
    switch (operand.Kind) {
    case ScriptOperand::Form::Keyword:
        return KeywordValue(operand.Keyword);
    case ScriptOperand::Form::Literal:
        return operand.Literal;
    default:
        break;
    }
    const int number = VariableNumber(operand);
    const double value = variables_[static_cast<size_t>(number - 1)];
    const double up = std::ceil(value);
    if (!(up >= std::numeric_limits<int32_t>::min() && up <= std::numeric_limits<int32_t>::max())) {
        Fail(QStringLiteral("Variable #%1 holds %2, which is no drawing value")
                 .arg(number, 2, 10, QLatin1Char('0'))
                 .arg(value));
    }
    return static_cast<int32_t>(up);
}

int PlugInInterpreter::GreyOfDepth(int32_t depth) const
{
    int d = std::clamp(depth, 1, 256);
    if (invert_)
        d = 257 - d;
    return d - 1;
}

int PlugInInterpreter::X(int64_t v) const
{
    return static_cast<int>(Clamp64(x0_ + v, -kMaxScriptCoordinate, kMaxScriptCoordinate));
}

int PlugInInterpreter::Y(int64_t v) const
{
    return static_cast<int>(Clamp64(y0_ + v, -kMaxScriptCoordinate, kMaxScriptCoordinate));
}

void PlugInInterpreter::Arithmetic(const Line& line)
{
    RequireArguments(line, 2);
    const ScriptOperand& target = line.Operands[0];
    if (!target.IsReference())
        return;
    double& v = variables_[static_cast<size_t>(VariableNumber(target) - 1)];
    const double s = NumericValue(line.Operands[1]);
    // The results round toward plus infinity: the run set that direction.
    switch (line.Kind) {
    case Command::Get:
        v = s;
        break;
    case Command::Addit:
        v = v + s;
        break;
    case Command::Subtr:
        v = v - s;
        break;
    case Command::Multi:
        v = v * s;
        break;
    case Command::Divis:
        if (s != 0.0)
            v = v / s;
        break;
    default:
        break;
    }
}

void PlugInInterpreter::Draw(const Line& line)
{
    const int count = line.Kind == Command::Triangle ? 7 : line.Kind == Command::Line ? 6 : 5;
    RequireArguments(line, count);
    std::array<int64_t, 7> a{};
    for (int i = 0; i < count; ++i)
        a[static_cast<size_t>(i)] = IntegerValue(line.Operands[static_cast<size_t>(i)]);
    const int grey = GreyOfDepth(static_cast<int32_t>(a[static_cast<size_t>(count - 1)]));
    if (!drawingVisible_)
        return;

    TPixelEngine256& t = *target_;
    t.SetBrushGrey(grey);
    if (line.Kind == Command::Line) {
        // A width below one pixel draws one pixel wide.
        t.SetPen(static_cast<int>(Clamp64(a[4], 1, kMaxScriptCoordinate)), false);
        t.Line(X(a[0]), Y(a[1]), X(a[2]), Y(a[3]));
        return;
    }
    t.SetPen(1, false);
    switch (line.Kind) {
    case Command::Rectangle:
        t.Rectangle(X(a[0]), Y(a[1]), X(a[0] + a[2]), Y(a[1] + a[3]));
        break;
    case Command::RoundRect:
        t.RoundRect(X(a[0]), Y(a[1]), X(a[0] + a[2]), Y(a[1] + a[3]), 30, 30);
        break;
    case Command::Ellipse:
        t.Ellipse(X(a[0]), Y(a[1]), X(a[0] + a[2]), Y(a[1] + a[3]));
        break;
    case Command::Triangle:
        t.Polygon({QPoint(X(a[0]), Y(a[1])), QPoint(X(a[2]), Y(a[3])), QPoint(X(a[4]), Y(a[5]))});
        break;
    default:
        break;
    }
}

bool PlugInInterpreter::ConditionHolds(const Line& line) const
{
    RequireArguments(line, 3);
    const double a = NumericValue(line.Operands[0]);
    const double b = NumericValue(line.Operands[2]);
    const QString& op = line.Arguments[1];
    if (op == u"=")
        return a == b;
    if (op == u"<")
        return a < b;
    if (op == u">")
        return a > b;
    if (op == u"<>")
        return a != b;
    if (op == u">=")
        return a >= b;
    if (op == u"<=")
        return a <= b;
    return true; // an unknown operator counts as a condition that holds
}

// The skips count nesting on the command words only: skipped lines are
// parsed, never executed. The answer depends on the start line alone, so it
// is kept for the next time the same line jumps.
int32_t PlugInInterpreter::MatchingEnd(int32_t ifIndex)
{
    int32_t& known = jumps_[static_cast<size_t>(ifIndex)];
    if (known >= 0)
        return known;
    const auto n = static_cast<int32_t>(lines_.size());
    int32_t j = ifIndex;
    int nesting = 1;
    do {
        ++j;
        if (j >= n)
            FailListIndex(j);
        const Command kind = lines_[static_cast<size_t>(j)].Kind;
        if (kind == Command::End)
            --nesting;
        else if (kind == Command::If)
            ++nesting;
    } while (nesting != 0);
    known = j;
    return j;
}

int32_t PlugInInterpreter::MatchingRepeat(int32_t untilIndex)
{
    int32_t& known = jumps_[static_cast<size_t>(untilIndex)];
    if (known >= 0)
        return known;
    int32_t j = untilIndex;
    int nesting = 1;
    do {
        --j;
        if (j < 0)
            FailListIndex(j);
        const Command kind = lines_[static_cast<size_t>(j)].Kind;
        if (kind == Command::Repeat)
            --nesting;
        else if (kind == Command::Until)
            ++nesting;
    } while (nesting != 0);
    known = j;
    return j;
}

void RunPlugInScript(int32_t X0, int32_t Y0, int32_t XMAX, int32_t YMAX, int32_t NUM,
                     TPixelEngine256& Target, const QStringList& Script, bool Invert)
{
    PlugInInterpreter interpreter;
    interpreter.RunPlugInScript(X0, Y0, XMAX, YMAX, NUM, Target, Script, Invert);
}

} // namespace lumora
