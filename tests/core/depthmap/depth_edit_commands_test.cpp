// Copy, paste, delete and rename of the selected depth objects.
#include "selection_test_support.h"

#include <gmock/gmock.h>

namespace lumora {
namespace {

using testing::ElementsAre;
using testing_support::SceneTest;

class EditCommandsTest : public SceneTest
{
protected:
    // Group 10 {R1, R2}, R3: list 1, 2, 10, 3.
    void SetUp() override
    {
        SceneTest::SetUp();
        AddRect(1, 10);
        AddRect(2, 10);
        AddGroup(10, {"1", "2"});
        AddRect(3);
        Finish();
    }
};

TEST_F(EditCommandsTest, ACopiedGroupPastesAsANewGroupOfNewObjects)
{
    Select({10});
    const DepthClipboard clipboard = commands.CopySelection();
    ASSERT_EQ(clipboard.size(), 3u);
    EXPECT_EQ(objects.LastObjectId, 13);
    EXPECT_EQ(clipboard[0]->ParentId, clipboard[2]->Id);
    const auto& copiedGroup = dynamic_cast<const Tool_dm_Group&>(*clipboard[2]);
    EXPECT_EQ(copiedGroup.MemberIds(), (std::vector<int32_t>{clipboard[0]->Id, clipboard[1]->Id}));

    history.calls.clear();
    commands.PasteObjects(clipboard);
    // Pasting renumbers: the pasted copies are 5, 6 and 7, on top.
    EXPECT_THAT(Ids(), ElementsAre(1, 2, 3, 4, 5, 6, 7));
    EXPECT_EQ(MembersOf(7), QStringList({"5", "6"}));
    EXPECT_EQ(ParentOf(5), 7);
    EXPECT_EQ(ParentOf(6), 7);
    EXPECT_EQ(MembersOf(3), QStringList({"1", "2"}));
    EXPECT_THAT(objects.SelectedIds(), ElementsAre(5, 6, 7));
    EXPECT_EQ(objects.SelectedCount, 3);
    EXPECT_EQ(objects.Display.Bounds, (Box{10, 10, 30, 30})); // where the originals stand
    EXPECT_THAT(history.calls, ElementsAre("remap", "paste"));

    commands.PasteObjects(clipboard); // the clipboard keeps its content
    EXPECT_EQ(objects.Count(), 10);
    EXPECT_EQ(MembersOf(10), QStringList({"8", "9"}));
}

TEST_F(EditCommandsTest, AMemberCopiedAloneBecomesTopLevel)
{
    Select({2});
    const DepthClipboard clipboard = commands.CopySelection();
    ASSERT_EQ(clipboard.size(), 1u);
    EXPECT_EQ(clipboard[0]->ParentId, -1);
    commands.PasteObjects(clipboard);
    EXPECT_EQ(objects.Count(), 5);
    EXPECT_EQ(objects.At(4)->ParentId, -1);
    EXPECT_EQ(objects.At(4)->Name, QStringLiteral("R2"));
    EXPECT_EQ(MembersOf(objects.At(2)->Id).size(), 2);
}

TEST_F(EditCommandsTest, NothingSelectedCopiesNothing)
{
    objects.DeselectAll();
    EXPECT_TRUE(commands.CopySelection().empty());
    commands.PasteObjects(DepthClipboard{});
    commands.DeleteSelection();
    EXPECT_EQ(objects.Count(), 4);
}

TEST_F(EditCommandsTest, DeletingTheLastMemberDeletesTheEmptyGroup)
{
    Select({1});
    history.calls.clear();
    commands.DeleteSelection();
    EXPECT_THAT(Ids(), ElementsAre(2, 10, 3));
    EXPECT_EQ(MembersOf(10), QStringList({"2"}));
    Select({2});
    commands.DeleteSelection();
    EXPECT_THAT(Ids(), ElementsAre(3));
    EXPECT_EQ(objects.SelectedCount, 0);
    EXPECT_EQ(objects.Display.Panel, SelectionDisplay::PanelKind::Background);
    EXPECT_THAT(history.calls, ElementsAre("delete", "delete"));
    EXPECT_EQ(editor.repaintAreas.back(), (Box{20, 20, 30, 30}));
    Select({3});
    commands.DeleteSelection();
    EXPECT_TRUE(objects.IsEmpty());
    // With no object left the whole map is repainted.
    EXPECT_EQ(editor.repaintAreas.back(), (Box{0, 0, 600, 450}));
}

TEST_F(EditCommandsTest, RenameRefusesBlankNamesAndKeepsLeadingBlanks)
{
    const int32_t r3 = objects.FindObjectIndex(3);
    history.calls.clear();
    EXPECT_FALSE(commands.RenameObject(r3, QStringLiteral("   ")));
    EXPECT_FALSE(commands.RenameObject(r3, QString()));
    EXPECT_EQ(Obj(3).Name, QStringLiteral("R3"));
    EXPECT_TRUE(history.calls.empty());
    EXPECT_TRUE(commands.RenameObject(r3, QStringLiteral("  Berg")));
    EXPECT_EQ(Obj(3).Name, QStringLiteral("  Berg"));
    EXPECT_THAT(history.calls, ElementsAre("begin", "end ok"));
    const auto order = objects.Tree.PreOrder();
    EXPECT_EQ(objects.Tree.At(order.front()).Caption, QStringLiteral("  Berg"));
    EXPECT_FALSE(commands.RenameObject(99, QStringLiteral("x")));
}

} // namespace
} // namespace lumora
