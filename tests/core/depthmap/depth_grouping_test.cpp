// Grouping the selection, ungrouping one level, and removing empty groups.
#include "selection_test_support.h"

#include <gmock/gmock.h>

namespace lumora {
namespace {

using testing::ElementsAre;
using testing_support::SceneTest;

using GroupingTest = SceneTest;

TEST_F(GroupingTest, TopLevelObjectsGroupWhereTheTopMostStood)
{
    for (int32_t id : {1, 2, 3, 4})
        AddRect(id);
    Finish();
    Select({1, 3});
    history.calls.clear();
    commands.GroupSelection();
    // The new group takes the next id, the default name and the place of
    // R3 among the top-level objects; Members run bottom to top.
    EXPECT_THAT(Ids(), ElementsAre(2, 1, 3, 5, 4));
    EXPECT_EQ(MembersOf(5), QStringList({"1", "3"}));
    EXPECT_EQ(Obj(5).Name, QStringLiteral("Name19"));
    EXPECT_EQ(ParentOf(5), -1);
    EXPECT_EQ(ParentOf(1), 5);
    EXPECT_EQ(ParentOf(3), 5);
    EXPECT_EQ(objects.LastObjectId, 5);
    // The new group is the selection.
    EXPECT_THAT(objects.SelectedIds(), ElementsAre(1, 3, 5));
    EXPECT_EQ(objects.SelectedCount, 3);
    EXPECT_THAT(history.calls, ElementsAre("begin group", "end group"));
    EXPECT_EQ(objects.Tree.Count(), 6); // rebuilt: five objects and the background
}

TEST_F(GroupingTest, FewerThanTwoSelectedDoesNothing)
{
    AddRect(1);
    AddRect(2);
    Finish();
    Select({1});
    history.calls.clear();
    commands.GroupSelection();
    EXPECT_THAT(Ids(), ElementsAre(1, 2));
    EXPECT_TRUE(history.calls.empty());
}

TEST_F(GroupingTest, MembersOfDifferentGroupsGroupOnTopAtTopLevel)
{
    // Group 10 {R1, R2}, group 20 {R3, R4}, R5.
    AddRect(1, 10);
    AddRect(2, 10);
    AddGroup(10, {"1", "2"});
    AddRect(3, 20);
    AddRect(4, 20);
    AddGroup(20, {"3", "4"});
    AddRect(5);
    Finish();
    Select({2, 3});
    commands.GroupSelection();
    EXPECT_THAT(Ids(), ElementsAre(1, 10, 4, 20, 5, 2, 3, 21));
    EXPECT_EQ(MembersOf(21), QStringList({"2", "3"}));
    EXPECT_EQ(MembersOf(10), QStringList({"1"}));
    EXPECT_EQ(MembersOf(20), QStringList({"4"}));
    EXPECT_EQ(ParentOf(21), -1);
}

TEST_F(GroupingTest, GroupsLeftEmptyAreRemoved)
{
    AddRect(1, 10);
    AddGroup(10, {"1"});
    AddRect(2, 20);
    AddGroup(20, {"2"});
    Finish();
    Select({1, 2});
    commands.GroupSelection();
    EXPECT_THAT(Ids(), ElementsAre(1, 2, 21));
    EXPECT_EQ(ParentOf(1), 21);
}

struct SharedParentCase
{
    const char* name;
    std::vector<int32_t> grouped;
    QStringList parentMembers; // of group 10 afterwards
    QStringList newMembers;
};

void PrintTo(const SharedParentCase& c, std::ostream* os)
{
    *os << c.name;
}

class GroupingInAGroup : public SceneTest, public testing::WithParamInterface<SharedParentCase>
{
};

// The new group keeps the top-most grouped object's place among the members
// that stay in the shared parent.
TEST_P(GroupingInAGroup, TheNewGroupTakesTheTopMostPlaceAmongTheRest)
{
    for (int32_t id : {1, 2, 3, 4})
        AddRect(id, 10);
    AddGroup(10, {"1", "2", "3", "4"});
    AddRect(5);
    Finish();
    const SharedParentCase& c = GetParam();
    objects.DeselectAll();
    for (int32_t id : c.grouped)
        objects.SelectObject(objects.FindObjectIndex(id), false);
    commands.GroupSelection();
    EXPECT_EQ(MembersOf(10), c.parentMembers);
    EXPECT_EQ(MembersOf(11), c.newMembers);
    EXPECT_EQ(ParentOf(11), 10);
    EXPECT_EQ(Ids().back(), 5);
    EXPECT_EQ(Ids()[Ids().size() - 2], 10);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GroupingInAGroup,
    testing::Values(SharedParentCase{"Adjacent", {2, 3}, {"1", "11", "4"}, {"2", "3"}},
                    SharedParentCase{"Apart", {1, 4}, {"2", "3", "11"}, {"1", "4"}},
                    SharedParentCase{"AtTheBottom", {1, 2}, {"11", "3", "4"}, {"1", "2"}},
                    SharedParentCase{"All", {1, 2, 3, 4}, {"11"}, {"1", "2", "3", "4"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupingTest, ASelectedGroupIsGroupedAsAWhole)
{
    AddRect(1, 10);
    AddRect(2, 10);
    AddGroup(10, {"1", "2"});
    AddRect(3);
    Finish();
    Select({10, 3});
    commands.GroupSelection();
    EXPECT_THAT(Ids(), ElementsAre(1, 2, 10, 3, 11));
    EXPECT_EQ(MembersOf(11), QStringList({"10", "3"}));
    EXPECT_EQ(MembersOf(10), QStringList({"1", "2"}));
    EXPECT_EQ(ParentOf(10), 11);
    EXPECT_EQ(ParentOf(1), 10);
}

TEST_F(GroupingTest, UngroupingATopLevelGroupFreesItsMembers)
{
    AddRect(1, 10);
    AddRect(2, 10);
    AddGroup(10, {"1", "2"});
    AddRect(3);
    Finish();
    Select({10});
    history.calls.clear();
    commands.UngroupSelection();
    EXPECT_THAT(Ids(), ElementsAre(1, 2, 3));
    EXPECT_EQ(ParentOf(1), -1);
    EXPECT_EQ(ParentOf(2), -1);
    EXPECT_EQ(objects.SelectedCount, 0);
    EXPECT_THAT(history.calls, ElementsAre("begin group", "end group"));
}

TEST_F(GroupingTest, UngroupingANestedGroupHandsItsMembersToTheEnclosingOne)
{
    // Group 20 {R1, group 10 {R2, R3}, R4}.
    AddRect(1, 20);
    AddRect(2, 10);
    AddRect(3, 10);
    AddGroup(10, {"2", "3"}, 20);
    AddRect(4, 20);
    AddGroup(20, {"1", "10", "4"});
    Finish();
    Select({10});
    commands.UngroupSelection();
    EXPECT_THAT(Ids(), ElementsAre(1, 2, 3, 4, 20));
    EXPECT_EQ(MembersOf(20), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(ParentOf(2), 20);
    EXPECT_EQ(ParentOf(3), 20);
    EXPECT_EQ(objects.FindObjectIndex(10), -1);
}

TEST_F(GroupingTest, UngroupingDissolvesOneLevelOnly)
{
    // Group 20 {R1, group 10 {R2}}.
    AddRect(1, 20);
    AddRect(2, 10);
    AddGroup(10, {"2"}, 20);
    AddGroup(20, {"1", "10"});
    Finish();
    Select({20});
    commands.UngroupSelection();
    EXPECT_THAT(Ids(), ElementsAre(1, 2, 10));
    EXPECT_EQ(ParentOf(10), -1);
    EXPECT_EQ(ParentOf(2), 10);
    EXPECT_EQ(MembersOf(10), QStringList({"2"}));
}

TEST_F(GroupingTest, SingleMembersLeaveTheirGroupForTheTop)
{
    for (int32_t id : {1, 2, 3})
        AddRect(id, 10);
    AddGroup(10, {"1", "2", "3"});
    AddRect(4);
    Finish();
    Select({1, 3});
    commands.UngroupSelection();
    EXPECT_THAT(Ids(), ElementsAre(2, 10, 4, 1, 3));
    EXPECT_EQ(MembersOf(10), QStringList({"2"}));
    EXPECT_EQ(ParentOf(1), -1);
    EXPECT_EQ(ParentOf(3), -1);
}

TEST_F(GroupingTest, RemovingEmptyGroupsCascadesUpward)
{
    AddGroup(10, {}, 20);
    AddGroup(20, {"10"});
    AddRect(1, 30);
    AddGroup(30, {"1"});
    AddRect(2);
    objects.SelectAll();
    history.calls.clear();
    commands.RemoveEmptyGroups();
    EXPECT_THAT(Ids(), ElementsAre(1, 30, 2));
    EXPECT_EQ(objects.SelectedCount, 0);
    EXPECT_THAT(history.calls, ElementsAre("begin group", "end group"));
}

} // namespace
} // namespace lumora
