// The four arrange commands on top-level objects, on members of an
// unselected group and on a selected group, with one and several objects.
#include "selection_test_support.h"

#include <gmock/gmock.h>

namespace lumora {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing_support::SceneTest;

enum class Op
{
    Front,
    Back,
    Forward,
    Backward
};

struct ArrangeCase
{
    const char* name;
    Op op;
    std::vector<int32_t> selected; // each selected alone; 10 selects its group
    std::vector<int32_t> order;    // the list afterwards
};

void PrintTo(const ArrangeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Arrange : public SceneTest, public testing::WithParamInterface<ArrangeCase>
{
protected:
    // Top level R1, R2, group 10 {R5, R6, R7}, R3, R4:
    // list 1, 2, 5, 6, 7, 10, 3, 4.
    void SetUp() override
    {
        SceneTest::SetUp();
        for (int32_t id : {1, 2})
            AddRect(id);
        for (int32_t id : {5, 6, 7})
            AddRect(id, 10);
        AddGroup(10, {"5", "6", "7"});
        for (int32_t id : {3, 4})
            AddRect(id);
        Finish();
    }
    void Run(Op op)
    {
        switch (op) {
        case Op::Front:
            commands.BringToFront();
            break;
        case Op::Back:
            commands.SendToBack();
            break;
        case Op::Forward:
            commands.BringForward();
            break;
        case Op::Backward:
            commands.SendBackward();
            break;
        }
    }
};

TEST_P(Arrange, MovesTheSelectionAndKeepsTheOrderCanonical)
{
    const ArrangeCase& c = GetParam();
    objects.DeselectAll();
    for (int32_t id : c.selected)
        objects.SelectObject(objects.FindObjectIndex(id), false);
    history.calls.clear();
    Run(c.op);
    EXPECT_THAT(Ids(), ElementsAreArray(c.order));
    // The group's Members follow the list.
    QStringList members;
    for (int32_t id : Ids()) {
        if (id >= 5 && id <= 7)
            members.append(QString::number(id));
    }
    EXPECT_EQ(MembersOf(10), members);
    EXPECT_THAT(history.calls, ElementsAre("begin hierarchy", "end hierarchy"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Arrange,
    testing::Values(
        ArrangeCase{"FrontOne", Op::Front, {1}, {2, 5, 6, 7, 10, 3, 4, 1}},
        ArrangeCase{"FrontKeepsOrder", Op::Front, {1, 3}, {2, 5, 6, 7, 10, 4, 1, 3}},
        ArrangeCase{"BackKeepsOrder", Op::Back, {4, 2}, {2, 4, 1, 5, 6, 7, 10, 3}},
        ArrangeCase{"ForwardOne", Op::Forward, {1}, {2, 1, 5, 6, 7, 10, 3, 4}},
        ArrangeCase{"ForwardPassesAGroup", Op::Forward, {2}, {1, 5, 6, 7, 10, 2, 3, 4}},
        ArrangeCase{"ForwardTwo", Op::Forward, {1, 2}, {5, 6, 7, 10, 1, 2, 3, 4}},
        ArrangeCase{"ForwardBlockAtTheTopStays", Op::Forward, {3, 4}, {1, 2, 5, 6, 7, 10, 3, 4}},
        ArrangeCase{"BackwardOne", Op::Backward, {4}, {1, 2, 5, 6, 7, 10, 4, 3}},
        ArrangeCase{"BackwardPassesAGroup", Op::Backward, {3}, {1, 2, 3, 5, 6, 7, 10, 4}},
        ArrangeCase{"BackwardAtTheBottom", Op::Backward, {1}, {1, 2, 5, 6, 7, 10, 3, 4}},
        ArrangeCase{
            "BackwardBlockAtTheBottomStays", Op::Backward, {1, 2}, {1, 2, 5, 6, 7, 10, 3, 4}},
        ArrangeCase{"MemberToFront", Op::Front, {5}, {1, 2, 6, 7, 5, 10, 3, 4}},
        ArrangeCase{"MemberToBack", Op::Back, {7}, {1, 2, 7, 5, 6, 10, 3, 4}},
        ArrangeCase{"MemberForward", Op::Forward, {5}, {1, 2, 6, 5, 7, 10, 3, 4}},
        ArrangeCase{"MembersForward", Op::Forward, {5, 6}, {1, 2, 7, 5, 6, 10, 3, 4}},
        ArrangeCase{"LastMemberForward", Op::Forward, {6, 7}, {1, 2, 5, 6, 7, 10, 3, 4}},
        ArrangeCase{"MemberBackward", Op::Backward, {6}, {1, 2, 6, 5, 7, 10, 3, 4}},
        ArrangeCase{"MemberAndTopLevel", Op::Front, {1, 6}, {2, 5, 7, 6, 10, 3, 4, 1}},
        ArrangeCase{"GroupToFront", Op::Front, {10}, {1, 2, 3, 4, 5, 6, 7, 10}},
        ArrangeCase{"GroupToBack", Op::Back, {10}, {5, 6, 7, 10, 1, 2, 3, 4}},
        ArrangeCase{"GroupBackward", Op::Backward, {10}, {1, 5, 6, 7, 10, 2, 3, 4}},
        ArrangeCase{"GroupForward", Op::Forward, {10}, {1, 2, 3, 5, 6, 7, 10, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Arrange, NothingSelectedDoesNothing)
{
    objects.DeselectAll();
    history.calls.clear();
    for (Op op : {Op::Front, Op::Back, Op::Forward, Op::Backward})
        Run(op);
    EXPECT_THAT(Ids(), ElementsAre(1, 2, 5, 6, 7, 10, 3, 4));
    EXPECT_TRUE(history.calls.empty());
}

TEST_F(Arrange, TheTreeAndTheSelectionFollow)
{
    objects.DeselectAll();
    objects.SelectObject(objects.FindObjectIndex(1), false);
    commands.BringToFront();
    const auto order = objects.Tree.PreOrder();
    EXPECT_EQ(objects.Tree.At(order.front()).ObjectId, 1); // top-most first
    EXPECT_TRUE(objects.Tree.IsSelected(order.front()));
    EXPECT_EQ(objects.SelectionBox, (Box{10, 10, 20, 20}));
}

} // namespace
} // namespace lumora
