// The render progress dialog during a real render of a small project: what
// the user sees after each report of the pipeline.
#include "common/random_generator.h"
#include "depthmap/tool_dm_rectangle.h"
#include "dialog_test_support.h"
#include "project/project.h"
#include "project/render_stereogram.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_randomdot.h"
#include "ui/rendering/tstereo_prog.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lumora {
namespace {

using test::Child;

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int Take() { return std::exchange(count_, 0); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count_;
        return false;
    }

private:
    int count_ = 0;
};

struct Seen
{
    std::string Report;
    bool Visible;
    std::vector<bool> Ticks;
    int Maximum;
    int Position;
    QString Counter;
    std::vector<int> Paints; // since the report before: the three ticks, the bar
};

// Hands every report to the dialog and notes what it shows right after.
class WatchedProgress : public RenderProgress
{
public:
    explicit WatchedProgress(TStereo_Prog& dialog) : dialog_(dialog)
    {
        for (const char* name : {"VorlageErzeugenCheck", "KachelErzeugenCheck",
                                 "RenderingVorbereitenCheck", "RenderProgressBar"})
            painted_.push_back(std::make_unique<PaintCounter>(*Child<QWidget>(dialog_, name)));
    }

    void Begin(int maximum) override
    {
        dialog_.Begin(maximum);
        Note("begin");
    }
    void StepDone(RenderStep step) override
    {
        dialog_.StepDone(step);
        Note("step " + std::to_string(static_cast<int>(step)));
    }
    void SetPosition(int row) override
    {
        dialog_.SetPosition(row);
        Note("row " + std::to_string(row));
    }
    void End() override
    {
        dialog_.End();
        Note("end");
    }

    std::vector<Seen> seen;

private:
    void Note(std::string report)
    {
        const auto* bar = Child<QProgressBar>(dialog_, "RenderProgressBar");
        std::vector<bool> ticks;
        for (const char* name :
             {"VorlageErzeugenCheck", "KachelErzeugenCheck", "RenderingVorbereitenCheck"})
            ticks.push_back(Child<QCheckBox>(dialog_, name)->isChecked());
        std::vector<int> paints;
        for (const auto& counter : painted_)
            paints.push_back(counter->Take());
        seen.push_back({std::move(report), dialog_.isVisible(), ticks, bar->maximum(), bar->value(),
                        Child<QLabel>(dialog_, "RowCounterLabel")->text(), paints});
    }

    TStereo_Prog& dialog_;
    std::vector<std::unique_ptr<PaintCounter>> painted_;
};

void BuildSmallProject(Project& project, int width, int height)
{
    project.Options.RenderOptions_RenderWidth = width;
    project.Options.RenderOptions_RenderHeight = height;
    project.Options.RenderOptions_Tile_Width = 30;
    auto rectangle =
        std::make_unique<Tool_dm_Rectangle>(project.Depth.NewObjectId(), 100, 100, 300, 200);
    rectangle->Depth = 180;
    project.Depth.Append(std::move(rectangle));
    project.Tiles.Append(std::make_unique<Tile_tm_RandomDot>(20));
}

TEST(TStereo_Prog, TicksItsStepsAndCountsTheRowsOfARender)
{
    Project project;
    constexpr int kHeight = 40;
    BuildSmallProject(project, 80, kHeight);
    TStereo_Prog dialog;
    WatchedProgress progress(dialog);
    RandomGenerator generator;
    TileRandomSource random(generator, 5);
    RenderStereogram(project, random, &progress);

    ASSERT_EQ(progress.seen.size(), 1u + 3u + kHeight + 1u);
    const Seen& begin = progress.seen.front();
    EXPECT_EQ(begin.Report, "begin");
    EXPECT_TRUE(begin.Visible);
    EXPECT_EQ(begin.Ticks, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(begin.Maximum, kHeight - 1);
    EXPECT_EQ(begin.Position, 0);
    EXPECT_EQ(dialog.windowTitle(), QString("Rendering"));

    const std::vector<std::vector<bool>> ticksAfterSteps = {
        {true, false, false}, {true, true, false}, {true, true, true}};
    for (size_t k = 0; k < 3; ++k) {
        const Seen& step = progress.seen[1 + k];
        EXPECT_EQ(step.Report, "step " + std::to_string(k));
        EXPECT_TRUE(step.Visible);
        EXPECT_EQ(step.Ticks, ticksAfterSteps[k]);
        // Painted before the render goes on: no event loop runs meanwhile.
        EXPECT_GE(step.Paints[k], 1);
    }
    for (int r = 0; r < kHeight; ++r) {
        const Seen& row = progress.seen[static_cast<size_t>(4 + r)];
        EXPECT_EQ(row.Report, "row " + std::to_string(r));
        EXPECT_EQ(row.Position, r);
        EXPECT_EQ(row.Counter, QString("%1 / %2").arg(r).arg(kHeight - 1));
        EXPECT_TRUE(row.Visible);
        EXPECT_GE(row.Paints[3], 1); // the bar
    }
    const Seen& end = progress.seen.back();
    EXPECT_EQ(end.Report, "end");
    EXPECT_FALSE(end.Visible);
    EXPECT_EQ(end.Position, kHeight - 1); // the bar ends at H - 1
    EXPECT_TRUE(project.Rendered());
}

TEST(TStereo_Prog, ASecondRenderStartsUnticked)
{
    Project project;
    BuildSmallProject(project, 60, 30);
    TStereo_Prog dialog;
    WatchedProgress progress(dialog);
    RandomGenerator generator;
    TileRandomSource random(generator, 9);
    RenderStereogram(project, random, &progress);
    progress.seen.clear();
    RenderStereogram(project, random, &progress);
    ASSERT_FALSE(progress.seen.empty());
    EXPECT_EQ(progress.seen.front().Ticks, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(progress.seen.front().Position, 0);
    EXPECT_EQ(progress.seen.front().Counter, QString("0 / 29"));
}

TEST(TStereo_Prog, TheUserCannotTickTheSteps)
{
    TStereo_Prog dialog;
    dialog.Begin(10);
    auto* box = Child<QCheckBox>(dialog, "KachelErzeugenCheck");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());
    dialog.End();
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace lumora
