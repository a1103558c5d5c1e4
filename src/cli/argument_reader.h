#pragma once
// Reads lumora-render's arguments one at a time, with the values of options
// checked against their ranges; a wrong value throws UsageError.

#include <QString>
#include <QStringList>
#include <array>

namespace lumora::cli {

class ArgumentReader
{
public:
    explicit ArgumentReader(const QStringList& arguments) : arguments_(arguments) {}

    bool AtEnd() const { return index_ >= arguments_.size(); }
    QString Next() { return arguments_[index_++]; }

    // The argument after flag, whatever it is.
    QString ValueOf(const QString& flag);
    int IntegerOf(const QString& flag, int lo, int hi);
    double NumberOf(const QString& flag, double lo, double hi);
    // R,G,B, each a whole number 0..hi.
    std::array<int, 3> TripleOf(const QString& flag, int hi);
    // One of names (answered 1-based), by number or by name: letters only,
    // case ignored, so "Blue Waves", "blue-waves" and "BLUEWAVES" match.
    int ChoiceOf(const QString& flag, const QStringList& names);

private:
    const QStringList& arguments_;
    qsizetype index_ = 0;
};

} // namespace lumora::cli
