// The option table of lumora-render: --help lists each option it has, and
// a project file takes exactly the options the table gives it.
#include "render_command_line.h"
#include "render_option_table.h"

#include <QSet>
#include <gtest/gtest.h>

namespace lumora::cli {
namespace {

// A value each option's parser accepts, by the name --help gives it.
QStringList ArgumentsFor(const RenderOption& option)
{
    const QString value = QString::fromUtf8(option.Value);
    if (value.isEmpty())
        return {option.Flag};
    if (value == "R,G,B")
        return {option.Flag, "1,2,3"};
    if (value == "KIND")
        return {option.Flag, "image"};
    if (value == "MODE")
        return {option.Flag, "grey"};
    if (value == "NAME")
        return {option.Flag, "Simple"};
    return {option.Flag, "1"};
}

TEST(RenderOptionTable, EveryNameBelongsToOneRow)
{
    QSet<QString> names;
    for (const RenderOption& option : RenderOptionTable()) {
        ASSERT_NE(option.Apply, nullptr) << option.Flag;
        EXPECT_FALSE(names.contains(option.Flag)) << option.Flag;
        names << option.Flag;
        EXPECT_EQ(FindRenderOption(option.Flag), &option) << option.Flag;
        if (option.Alias != nullptr) {
            EXPECT_FALSE(names.contains(option.Alias)) << option.Alias;
            names << option.Alias;
            EXPECT_EQ(FindRenderOption(option.Alias), &option) << option.Alias;
        }
    }
    EXPECT_EQ(FindRenderOption("--no-such-option"), nullptr);
}

TEST(RenderOptionTable, HelpListsTheRowsWithAHelpTextInTheirOrder)
{
    const QStringList lines = UsageText().split('\n');
    QStringList listed;
    for (const QString& line : lines) {
        EXPECT_LE(line.size(), 80) << line.toStdString();
        if (line.startsWith("  -"))
            listed << line.mid(2).section(' ', 0, 0);
    }
    QStringList expected;
    for (const OptionGroup group : {OptionGroup::Render, OptionGroup::TileKind,
                                    OptionGroup::Afterburner, OptionGroup::Output})
        for (const RenderOption& option : RenderOptionTable())
            if (option.Group == group && *option.Help != '\0')
                expected << option.Flag;
    EXPECT_EQ(listed, expected);
    EXPECT_TRUE(expected.contains("--width"));
    EXPECT_TRUE(expected.contains("--overlay-anchor"));
    EXPECT_FALSE(expected.contains("--depth")); // in the usage lines only
}

TEST(RenderOptionTable, HelpTextsStartInOneColumn)
{
    const QString usage = UsageText();
    EXPECT_TRUE(usage.contains("\n  --dpi N              resolution, 1..10000 (72)\n"));
    EXPECT_TRUE(usage.contains("\n  --border-colour R,G,B  its colour (0,0,0)\n"));
    EXPECT_TRUE(
        usage.contains("\n  --quality N          0 Draft, 1 Low, 2 Normal, 3 High, 4 Best,\n"
                       "                       6 Optimized for Print (0)\n"));
    EXPECT_TRUE(usage.contains("\nIn place of a tile picture, --tile-kind makes the tile map of "
                               "one tile object:\n  --tile-kind KIND     randomdot"));
}

bool ReadsForAScene(const QStringList& option)
{
    try {
        ParseRenderArguments(QStringList{"--example", "-o", "x.png"} + option);
        return true;
    } catch (const UsageError&) {
        return false; // needs another option with it, such as --border
    }
}

TEST(RenderOptionTable, AProjectFileTakesTheOptionsMarkedForIt)
{
    int refusedByTheProject = 0;
    for (const RenderOption& option : RenderOptionTable()) {
        const QStringList arguments = QStringList{"p.l2p", "-o", "x.png"} + ArgumentsFor(option);
        if (option.ForProject) {
            EXPECT_NO_THROW(ParseRenderArguments(arguments)) << option.Flag;
            continue;
        }
        try {
            ParseRenderArguments(arguments);
            ADD_FAILURE() << option.Flag << " accepted with a project file";
        } catch (const UsageError& e) {
            if (ReadsForAScene(ArgumentsFor(option))) {
                EXPECT_EQ(std::string(e.what()),
                          std::string(option.Flag) +
                              " does not apply to a project file, which brings its own scene "
                              "and render options");
                ++refusedByTheProject;
            }
        }
    }
    EXPECT_GE(refusedByTheProject, 15);
}

} // namespace
} // namespace lumora::cli
