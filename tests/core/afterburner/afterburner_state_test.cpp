// The afterburner state: composition in list order over the clean
// stereogram, adding, editing and moving objects, the selection commands,
// the list display, the edit commands and the pictures' lifetime.
#include "afterburner/afterburner_preview.h"
#include "afterburner/afterburner_state.h"
#include "afterburner/afterburner_ui.h"
#include "afterburner/tool_ab_border_frame.h"
#include "afterburner/tool_ab_border_image.h"
#include "afterburner/tool_ab_border_simple.h"
#include "afterburner/tool_ab_depthmap.h"
#include "afterburner/tool_ab_spot.h"
#include "afterburner/tool_ab_text.h"
#include "afterburner_test_support.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::ChangedBox;
using test::CopyOf;
using test::CountColour;
using test::PatternPicture;
using test::SamePixels;

class RecordingUi : public AfterburnerUi
{
public:
    QString DefaultAfterburnerName(int32_t kind) const override
    {
        return QStringLiteral("Name %1").arg(kind);
    }
    void ObjectListChanged() override { ++listChanges; }
    void SelectionChanged(int32_t index) override { selections.push_back(index); }
    void PictureComposed() override { ++compositions; }

    int listChanges = 0;
    int compositions = 0;
    std::vector<int32_t> selections;
};

Tool_ab_border_simple Border(int size, uint8_t red, uint8_t green)
{
    Tool_ab_border_simple b;
    b.BorderSize = size;
    b.ColourRed = red;
    b.ColourGreen = green;
    return b;
}

class Afterburner : public ::testing::Test
{
protected:
    Afterburner()
    {
        state.SetUi(&ui);
        state.SetCleanStereogram(PatternPicture(60, 40));
    }

    // Adds n simple borders named by the UI, the k-th of size k + 1.
    void AddBorders(int n)
    {
        for (int k = 0; k < n; ++k)
            ASSERT_TRUE(state.AfBu_Add(Border(k + 1, 10 * k, 0), context));
    }
    std::vector<int32_t> Sizes() const
    {
        std::vector<int32_t> sizes;
        for (const auto& o : state.Items())
            sizes.push_back(dynamic_cast<const Tool_ab_border_simple&>(*o).BorderSize);
        return sizes;
    }

    RecordingUi ui;
    AfterburnerState state;
    AfterburnerContext context{90, nullptr};
};

TEST_F(Afterburner, AnEmptyListLeavesTheCleanStereogram)
{
    state.Repaint_Stereo(context);
    ASSERT_NE(state.Picture(), nullptr);
    EXPECT_TRUE(SamePixels(*state.Picture(), *state.CleanStereogram()));
    EXPECT_EQ(ui.compositions, 1);
}

TEST_F(Afterburner, LaterObjectsDrawOverEarlierOnes)
{
    ASSERT_TRUE(state.AfBu_Add(Border(10, 255, 0), context));
    ASSERT_TRUE(state.AfBu_Add(Border(5, 0, 255), context));
    const TPixelEngine& p = *state.Picture();
    EXPECT_EQ(p.Pixel(2, 2), MakeColour(0, 255, 0)); // the later, thinner one on top
    EXPECT_EQ(p.Pixel(7, 7), MakeColour(255, 0, 0));
    EXPECT_EQ(p.Pixel(30, 20), state.CleanStereogram()->Pixel(30, 20));
    // The clean stereogram is never drawn on.
    EXPECT_TRUE(SamePixels(*state.CleanStereogram(), *PatternPicture(60, 40)));
}

TEST_F(Afterburner, MovingTheTopObjectDownMakesItIndexZeroDrawnFirst)
{
    ASSERT_TRUE(state.AfBu_Add(Border(10, 255, 0), context));
    ASSERT_TRUE(state.AfBu_Add(Border(5, 0, 255), context));
    EXPECT_EQ(state.SelectedIndex(), 1);
    ASSERT_TRUE(state.MoveSelectedToBottom());
    EXPECT_EQ(state.SelectedIndex(), 0);
    EXPECT_EQ(Sizes(), (std::vector<int32_t>{5, 10}));
    state.Repaint_Stereo(context);
    EXPECT_EQ(state.Picture()->Pixel(2, 2), MakeColour(255, 0, 0));
    EXPECT_FALSE(state.MoveSelectedToBottom()); // already there
}

TEST_F(Afterburner, TheFourMoveCommands)
{
    AddBorders(4); // sizes 1 2 3 4, the last selected
    const struct
    {
        const char* name;
        int32_t selectBefore;
        bool (AfterburnerState::*move)();
        bool moved;
        std::vector<int32_t> sizes;
        int32_t selectedAfter;
    } cases[] = {
        {"to top from 1", 1, &AfterburnerState::MoveSelectedToTop, true, {1, 3, 4, 2}, 3},
        {"to top at top", 3, &AfterburnerState::MoveSelectedToTop, false, {1, 2, 3, 4}, 3},
        {"to bottom from 2", 2, &AfterburnerState::MoveSelectedToBottom, true, {3, 1, 2, 4}, 0},
        {"up from 0", 0, &AfterburnerState::MoveSelectedUp, true, {2, 1, 3, 4}, 1},
        {"up at top", 3, &AfterburnerState::MoveSelectedUp, false, {1, 2, 3, 4}, 3},
        {"down from 3", 3, &AfterburnerState::MoveSelectedDown, true, {1, 2, 4, 3}, 2},
        {"down at 0", 0, &AfterburnerState::MoveSelectedDown, false, {1, 2, 3, 4}, 0},
        {"none selected", -1, &AfterburnerState::MoveSelectedUp, false, {1, 2, 3, 4}, -1},
    };
    for (const auto& c : cases) {
        AfterburnerState s;
        for (int k = 0; k < 4; ++k)
            s.AfBu_Add(Border(k + 1, 0, 0), context);
        ASSERT_TRUE(s.Select(c.selectBefore));
        EXPECT_EQ((s.*c.move)(), c.moved) << c.name;
        std::vector<int32_t> sizes;
        for (const auto& o : s.Items())
            sizes.push_back(dynamic_cast<const Tool_ab_border_simple&>(*o).BorderSize);
        EXPECT_EQ(sizes, c.sizes) << c.name;
        EXPECT_EQ(s.SelectedIndex(), c.selectedAfter) << c.name;
    }
    EXPECT_FALSE(state.Move_AfBuObj(0, 4));
    EXPECT_TRUE(state.Move_AfBuObj(3, 0));
    EXPECT_EQ(Sizes(), (std::vector<int32_t>{4, 1, 2, 3}));
    EXPECT_EQ(state.SelectedIndex(), 0);
}

TEST_F(Afterburner, TheSelectionCommands)
{
    AddBorders(3);
    const struct
    {
        const char* name;
        int32_t before;
        void (AfterburnerState::*command)();
        int32_t after;
    } cases[] = {
        {"next from 2", 2, &AfterburnerState::SelectNext, 1},
        {"next from 0 wraps to the last", 0, &AfterburnerState::SelectNext, 2},
        {"next from none", -1, &AfterburnerState::SelectNext, 2},
        {"previous from 1", 1, &AfterburnerState::SelectPrevious, 2},
        {"previous from the last wraps to 0", 2, &AfterburnerState::SelectPrevious, 0},
        {"previous from none", -1, &AfterburnerState::SelectPrevious, 0},
        {"first is the last index", 0, &AfterburnerState::SelectFirst, 2},
        {"last is index 0", 0, &AfterburnerState::SelectLast, 0},
        {"last from 2", 2, &AfterburnerState::SelectLast, 0},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(state.Select(c.before));
        (state.*c.command)();
        EXPECT_EQ(state.SelectedIndex(), c.after) << c.name;
    }
    EXPECT_FALSE(state.Select(3));
    EXPECT_EQ(state.SelectedIndex(), 0);

    AfterburnerState empty;
    empty.SelectNext();
    empty.SelectFirst();
    EXPECT_EQ(empty.SelectedIndex(), -1);
}

TEST_F(Afterburner, AddingNamesSelectsAndRecomposes)
{
    Tool_ab_text text;
    ASSERT_TRUE(state.AfBu_Add(text, context));
    ASSERT_TRUE(state.AfBu_Add(Tool_ab_spot(), context));
    EXPECT_EQ(state.At(0)->Name, "Name 4");
    EXPECT_EQ(state.At(1)->Name, "Name 5");
    EXPECT_EQ(state.SelectedIndex(), 1);
    EXPECT_EQ(ui.selections, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(ui.listChanges, 2);
    EXPECT_EQ(ui.compositions, 2);
    EXPECT_FALSE(SamePixels(*state.Picture(), *state.CleanStereogram()));

    // Without a window the keys of the language section name them.
    AfterburnerState bare;
    const struct
    {
        int32_t kind;
        const char* name;
    } names[] = {{1, "BorderSimple"}, {2, "BorderFrame"}, {3, "BorderImage"},
                 {4, "Text"},         {5, "Spot"},        {6, "DepthMap"}};
    for (const auto& n : names)
        EXPECT_EQ(bare.Get_AfBuBezeichnung(n.kind), n.name);
    EXPECT_EQ(bare.Get_AfBuBezeichnung(7), "");
}

TEST_F(Afterburner, AFrameOrImageBorderWithoutItsPictureIsNotAdded)
{
    EXPECT_FALSE(state.AfBu_Add(Tool_ab_border_frame(), context));
    EXPECT_FALSE(state.AfBu_Add(Tool_ab_border_image(), context));
    EXPECT_TRUE(state.IsEmpty());
    EXPECT_EQ(ui.compositions, 0);
}

TEST_F(Afterburner, TheListDisplayShowsTheLastIndexAtTheTop)
{
    state.AfBu_Add(Border(1, 0, 0), context);
    state.AfBu_Add(Tool_ab_text(), context);
    state.AfBu_Add(Tool_ab_spot(), context);
    const auto entries = state.DisplayEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Name, "Name 5");
    EXPECT_EQ(entries[0].IconIndex, 4);
    EXPECT_EQ(entries[2].Name, "Name 1");
    EXPECT_EQ(entries[2].IconIndex, 0);
    for (int32_t k = 0; k < 3; ++k) {
        EXPECT_EQ(state.IndexOfDisplayRow(k), 2 - k);
        EXPECT_EQ(state.DisplayRowOfIndex(2 - k), k);
    }
    EXPECT_EQ(state.IndexOfDisplayRow(3), -1);
    EXPECT_EQ(state.IndexOfDisplayRow(-1), -1);
    EXPECT_EQ(state.DisplayRowOfIndex(3), -1);
}

TEST_F(Afterburner, EditingTakesTheDialogValuesAndKeepsTheName)
{
    state.AfBu_Add(Border(10, 255, 0), context);
    ASSERT_TRUE(state.Rename(0, QStringLiteral("Frame line")));
    const int compositions = ui.compositions;
    ASSERT_TRUE(state.EditObject(0, Border(3, 0, 255), context));
    EXPECT_EQ(state.At(0)->Name, "Frame line");
    EXPECT_EQ(Sizes(), (std::vector<int32_t>{3}));
    EXPECT_EQ(ui.compositions, compositions + 1);
    EXPECT_EQ(state.Picture()->Pixel(5, 5), state.CleanStereogram()->Pixel(5, 5));
    // Another kind is not taken.
    EXPECT_FALSE(state.EditObject(0, Tool_ab_spot(), context));
    EXPECT_FALSE(state.EditObject(1, Border(3, 0, 0), context));
    EXPECT_FALSE(state.Rename(1, QStringLiteral("x")));
}

TEST_F(Afterburner, CopyPasteAndDelete)
{
    AddBorders(2);
    state.Select(0);
    auto clip = state.CopySelected();
    ASSERT_NE(clip, nullptr);
    state.Paste(*clip, context);
    state.Paste(*clip, context);
    EXPECT_EQ(Sizes(), (std::vector<int32_t>{1, 2, 1, 1}));
    EXPECT_EQ(state.SelectedIndex(), 3);
    // Independent copies.
    dynamic_cast<Tool_ab_border_simple&>(*state.At(3)).BorderSize = 9;
    EXPECT_EQ(Sizes(), (std::vector<int32_t>{1, 2, 1, 9}));

    ASSERT_TRUE(state.DeleteSelected(context));
    EXPECT_EQ(Sizes(), (std::vector<int32_t>{1, 2, 1}));
    EXPECT_EQ(state.SelectedIndex(), 0);
    ui.selections.clear();
    ASSERT_TRUE(state.DeleteSelected(context));
    EXPECT_EQ(ui.selections, (std::vector<int32_t>{0})); // reported: another object now
    state.DeleteSelected(context);
    state.DeleteSelected(context);
    EXPECT_TRUE(state.IsEmpty());
    EXPECT_EQ(state.SelectedIndex(), -1);
    EXPECT_FALSE(state.DeleteSelected(context));
    EXPECT_EQ(state.CopySelected(), nullptr);
    EXPECT_TRUE(SamePixels(*state.Picture(), *state.CleanStereogram()));
}

TEST_F(Afterburner, EnablingFollowsTheCount)
{
    EXPECT_FALSE(state.CanEdit());
    AddBorders(1);
    EXPECT_TRUE(state.CanEdit());
    EXPECT_FALSE(state.CanArrange());
    AddBorders(1);
    EXPECT_TRUE(state.CanArrange());
}

TEST_F(Afterburner, NothingIsComposedBeforeTheFirstRender)
{
    AfterburnerState fresh;
    fresh.SetUi(&ui);
    EXPECT_TRUE(fresh.AfBu_Add(Border(4, 0, 0), context));
    EXPECT_FALSE(fresh.HasStereogram());
    EXPECT_EQ(fresh.Picture(), nullptr);
    EXPECT_EQ(ui.compositions, 0);
}

TEST_F(Afterburner, AnOpenedPictureBecomesTheStereogramAtItsSize)
{
    AddBorders(1);
    state.AfBu_Add(Tool_ab_spot(), context);
    state.OpenStereogram(PatternPicture(100, 80), context);
    ASSERT_TRUE(state.HasStereogram());
    EXPECT_EQ(state.CleanStereogram()->Width(), 100);
    EXPECT_EQ(state.Picture()->Height(), 80);
    // The border of size 1 around the 100 x 80 picture, and the spots.
    EXPECT_EQ(state.Picture()->Pixel(99, 79), 0u);
    EXPECT_EQ(state.Picture()->Pixel(50, 40), state.CleanStereogram()->Pixel(50, 40));
    EXPECT_EQ(ChangedBox(*state.CleanStereogram(), *state.Picture()), QRect(0, 0, 100, 80));
}

TEST_F(Afterburner, ARenderTakesBackTheStereogramsMemory)
{
    AddBorders(1);
    const TPixelEngine* cleanBefore = state.CleanStereogram();
    const TPixelEngine* pictureBefore = state.Picture();
    std::unique_ptr<TPixelEngine> reuse = state.ReleaseStereogramForReuse();
    EXPECT_EQ(reuse.get(), cleanBefore);
    EXPECT_FALSE(state.HasStereogram());
    EXPECT_EQ(state.Picture(), nullptr); // no stale picture meanwhile
    // The same size keeps the picture's buffer; the objects compose anew.
    reuse->FillColour(MakeColour(0, 0, 255));
    state.SetCleanStereogram(std::move(reuse));
    EXPECT_EQ(state.Picture(), pictureBefore);
    state.Repaint_Stereo(context);
    EXPECT_EQ(state.Picture()->Pixel(30, 20), MakeColour(0, 0, 255));
    EXPECT_EQ(state.Picture()->Pixel(0, 0), 0u);
    // Another size takes a new one.
    state.SetCleanStereogram(PatternPicture(30, 20));
    EXPECT_EQ(state.Picture()->Width(), 30);
}

TEST_F(Afterburner, ResetFreesObjectsSelectionAndPictures)
{
    AddBorders(3);
    state.Reset();
    EXPECT_TRUE(state.IsEmpty());
    EXPECT_EQ(state.SelectedIndex(), -1);
    EXPECT_FALSE(state.HasStereogram());
    EXPECT_EQ(state.Picture(), nullptr);
}

TEST(AfterburnerPlacement, CentredInTheVisibleAreaAndNeverAboveOrLeftOfIt)
{
    EXPECT_EQ(AfterburnerPicturePlacement(800, 600, 600, 450), QPoint(100, 75));
    EXPECT_EQ(AfterburnerPicturePlacement(801, 601, 600, 451), QPoint(100, 75));
    EXPECT_EQ(AfterburnerPicturePlacement(500, 600, 600, 450), QPoint(0, 75));
    EXPECT_EQ(AfterburnerPicturePlacement(0, 0, 600, 450), QPoint(0, 0));
}

} // namespace
} // namespace lumora
