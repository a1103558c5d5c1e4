// Stored records of the depth objects: the base part byte for byte, every
// kind written and read back field for field, and damaged records.
#include "common/lumora_error.h"
#include "depthmap/depth_kind_registry.h"
#include "depthmap/depth_kinds.h"
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_group.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_polygon.h"
#include "depthmap/tool_dm_rectangle.h"
#include "depthmap/tool_dm_text.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ostream>

#include <functional>
#include <string>

namespace lumora {
namespace {

using Bytes = std::vector<uint8_t>;

void SetBaseFields(Tool_dm& o)
{
    o.Left = -12;
    o.Top = 34;
    o.Width = 560;
    o.Height = 78;
    o.Id = 9;
    o.Name = QString::fromUtf8("Überschrift 1");
    o.Invert = true;
    o.MirrorH = false;
    o.MirrorV = true;
    o.Visible = false;
    o.Selected = true;
    o.ParentId = 4;
    o.Depth = 200;
}

void ExpectSameBase(const Tool_dm& a, const Tool_dm& b)
{
    EXPECT_EQ(a.Kind, b.Kind);
    EXPECT_EQ(a.Left, b.Left);
    EXPECT_EQ(a.Top, b.Top);
    EXPECT_EQ(a.Width, b.Width);
    EXPECT_EQ(a.Height, b.Height);
    EXPECT_EQ(a.Id, b.Id);
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Invert, b.Invert);
    EXPECT_EQ(a.MirrorH, b.MirrorH);
    EXPECT_EQ(a.MirrorV, b.MirrorV);
    EXPECT_EQ(a.Visible, b.Visible);
    EXPECT_EQ(a.Selected, b.Selected);
    EXPECT_EQ(a.ParentId, b.ParentId);
    EXPECT_EQ(a.CanInvert, b.CanInvert);
    EXPECT_EQ(a.CanMirrorH, b.CanMirrorH);
    EXPECT_EQ(a.CanMirrorV, b.CanMirrorV);
    EXPECT_EQ(a.HasDepth, b.HasDepth);
}

TEST(DepthRecord, BaseRecordBytes)
{
    Tool_dm_Ellipse e(258, 1, -1, 16, 2);
    e.Name = QStringLiteral("Ab");
    e.Invert = true;
    e.Selected = true;
    e.ParentId = 3;
    e.Depth = 7;
    ProjectStreamWriter w;
    e.SaveToStream(w);
    const Bytes expected{
        1,    0,    0,    0,              // Left
        0xFF, 0xFF, 0xFF, 0xFF,           // Top
        16,   0,    0,    0,              // Width
        2,    0,    0,    0,              // Height
        2,    1,    0,    0,              // Id 258
        2,    0,    0,    0,    'A', 'b', // Name
        1,    0,    0,    1,    1,        // Invert, MirrorH, MirrorV, Visible, Selected
        3,    0,    0,    0,              // ParentId
        2,    0,    0,    0,              // Kind
        7,                                // the ellipse's own field: Depth
    };
    EXPECT_EQ(w.Data(), expected);
}

TEST(DepthRecord, GroupRecordIsBaseThenMembersThenExpanded)
{
    Tool_dm_Group g(5);
    g.Members = {QStringLiteral("2"), QStringLiteral("11")};
    g.Expanded = true;
    ProjectStreamWriter w;
    g.SaveToStream(w);
    const Bytes& data = w.Data();
    // Base part with an empty name: 5 int32, a 4-byte text, 5 flags, 2 int32.
    const size_t baseSize = 5 * 4 + 4 + 5 + 2 * 4;
    ASSERT_EQ(data.size(), baseSize + 4 + (4 + 1) + (4 + 2) + 1);
    EXPECT_EQ(Bytes(data.begin() + 8, data.begin() + 16),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})); // -1, -1
    EXPECT_EQ(Bytes(data.begin() + baseSize - 4, data.begin() + baseSize), (Bytes{19, 0, 0, 0}));
    EXPECT_EQ(Bytes(data.begin() + baseSize, data.end()),
              (Bytes{2, 0, 0, 0, 1, 0, 0, 0, '2', 2, 0, 0, 0, '1', '1', 1}));
}

struct KindCase
{
    std::string name;
    std::function<std::unique_ptr<Tool_dm>()> make;
    std::function<void(const Tool_dm&, const Tool_dm&)> expectSameFields;
};

void PrintTo(const KindCase& c, std::ostream* os)
{
    *os << c.name;
}

template <typename T> const T& As(const Tool_dm& o)
{
    return dynamic_cast<const T&>(o);
}

const KindCase kKinds[] = {
    {"Rectangle",
     [] {
         auto o = std::make_unique<Tool_dm_Rectangle>(1, 0, 0, 1, 1);
         SetBaseFields(*o);
         o->Rounding = 37;
         return o;
     },
     [](const Tool_dm& a, const Tool_dm& b) {
         EXPECT_EQ(a.Depth, b.Depth);
         EXPECT_EQ(As<Tool_dm_Rectangle>(a).Rounding, As<Tool_dm_Rectangle>(b).Rounding);
     }},
    {"Ellipse",
     [] {
         auto o = std::make_unique<Tool_dm_Ellipse>(1, 0, 0, 1, 1);
         SetBaseFields(*o);
         return o;
     },
     [](const Tool_dm& a, const Tool_dm& b) { EXPECT_EQ(a.Depth, b.Depth); }},
    {"Line",
     [] {
         auto o = std::make_unique<Tool_dm_line>(1, 0, 0, 50, 50, 3, 1);
         SetBaseFields(*o);
         o->Thickness = 100000;
         o->CapStyle = 1;
         return o;
     },
     [](const Tool_dm& a, const Tool_dm& b) {
         const auto& la = As<Tool_dm_line>(a);
         const auto& lb = As<Tool_dm_line>(b);
         EXPECT_EQ(a.Depth, b.Depth);
         EXPECT_EQ(la.Thickness, lb.Thickness);
         EXPECT_EQ(la.DirX, lb.DirX);
         EXPECT_EQ(la.DirY, lb.DirY);
         EXPECT_EQ(la.CapStyle, lb.CapStyle);
     }},
    {"Polygon",
     [] {
         auto o = std::make_unique<Tool_dm_polygon>(1, 0, 0, 1, 1);
         SetBaseFields(*o);
         o->Corners = 17;
         o->Rotation = 359;
         return o;
     },
     [](const Tool_dm& a, const Tool_dm& b) {
         EXPECT_EQ(a.Depth, b.Depth);
         EXPECT_EQ(As<Tool_dm_polygon>(a).Corners, As<Tool_dm_polygon>(b).Corners);
         EXPECT_EQ(As<Tool_dm_polygon>(a).Rotation, As<Tool_dm_polygon>(b).Rotation);
     }},
    {"Text",
     [] {
         auto o = std::make_unique<Tool_dm_Text>(1, 0, 0, 1, 1, QString::fromUtf8("Größe €5"));
         SetBaseFields(*o);
         o->FontName = QStringLiteral("Courier New");
         o->Bold = true;
         o->Italic = false;
         o->Underline = true;
         o->StrikeOut = true;
         return o;
     },
     [](const Tool_dm& a, const Tool_dm& b) {
         const auto& ta = As<Tool_dm_Text>(a);
         const auto& tb = As<Tool_dm_Text>(b);
         EXPECT_EQ(a.Depth, b.Depth);
         EXPECT_EQ(ta.Text, tb.Text);
         EXPECT_EQ(ta.FontName, tb.FontName);
         EXPECT_EQ(ta.Bold, tb.Bold);
         EXPECT_EQ(ta.Italic, tb.Italic);
         EXPECT_EQ(ta.Underline, tb.Underline);
         EXPECT_EQ(ta.StrikeOut, tb.StrikeOut);
     }},
    {"Group",
     [] {
         auto o = std::make_unique<Tool_dm_Group>(1);
         SetBaseFields(*o);
         o->Members = {QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("2")};
         o->Expanded = true;
         return o;
     },
     [](const Tool_dm& a, const Tool_dm& b) {
         EXPECT_EQ(As<Tool_dm_Group>(a).Members, As<Tool_dm_Group>(b).Members);
         EXPECT_EQ(As<Tool_dm_Group>(a).Expanded, As<Tool_dm_Group>(b).Expanded);
     }},
};

class KindRecord : public testing::TestWithParam<KindCase>
{
protected:
    DepthKindRegistry registry;
    void SetUp() override { RegisterDepthmapKinds(registry); }
};

TEST_P(KindRecord, WrittenAndReadBackFieldForField)
{
    const auto original = GetParam().make();
    ProjectStreamWriter w;
    w.WriteInt32(original->Kind);
    original->SaveToStream(w);
    w.WriteInt32(0x5EED); // whatever follows the record stays in step

    ProjectStreamReader r(w.Data());
    const auto back = registry.Read(r.ReadInt32(), r);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(typeid(*back), typeid(*original));
    ExpectSameBase(*original, *back);
    GetParam().expectSameFields(*original, *back);
    EXPECT_EQ(r.ReadInt32(), 0x5EED);
    EXPECT_TRUE(r.AtEnd());
}

TEST_P(KindRecord, CloneCopiesEveryFieldWithTheNewId)
{
    const auto original = GetParam().make();
    const auto copy = original->Clone(77);
    EXPECT_EQ(copy->Id, 77);
    copy->Id = original->Id;
    EXPECT_EQ(typeid(*copy), typeid(*original));
    ExpectSameBase(*original, *copy);
    GetParam().expectSameFields(*original, *copy);
    EXPECT_NE(copy.get(), original.get());
}

// Cut anywhere, the record is an error, never a half-read object.
TEST_P(KindRecord, EveryTruncatedRecordFails)
{
    const auto original = GetParam().make();
    ProjectStreamWriter w;
    original->SaveToStream(w);
    const Bytes& full = w.Data();
    for (size_t cut = 0; cut < full.size(); ++cut) {
        const Bytes data(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        ProjectStreamReader r(data);
        EXPECT_THROW(registry.Read(original->Kind, r), LumoraError) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindRecord, testing::ValuesIn(kKinds),
                         [](const auto& info) { return info.param.name; });

TEST(DepthRecord, KindFieldDifferentFromTheCodeBeforeTheRecordIsAnError)
{
    Tool_dm_Rectangle rect(1, 0, 0, 10, 10);
    rect.Kind = Tool_dm_Group::KindCode; // a rectangle posing as a group
    ProjectStreamWriter w;
    rect.SaveToStream(w);
    DepthKindRegistry registry;
    RegisterDepthmapKinds(registry);
    ProjectStreamReader r(w.Data());
    try {
        registry.Read(Tool_dm_Rectangle::KindCode, r);
        ADD_FAILURE();
    } catch (const LumoraError& e) {
        EXPECT_THAT(e.what(), testing::HasSubstr("kind code 19"));
    }
}

TEST(DepthRecord, LineThicknessOutsideItsRangeIsAnError)
{
    for (int32_t thickness : {0, -3, 100001, 2147483647}) {
        Tool_dm_line line(1, 0, 0, 10, 10, 1, 1);
        line.Thickness = thickness;
        ProjectStreamWriter w;
        line.SaveToStream(w);
        ProjectStreamReader r(w.Data());
        Tool_dm_line back;
        EXPECT_THROW(back.LoadFromStream(r), LumoraError) << thickness;
    }
}

TEST(DepthKindRegistry, UnknownCodesCreateNothingAndReadNothing)
{
    DepthKindRegistry registry;
    RegisterDepthmapKinds(registry);
    const Bytes data{1, 2, 3, 4};
    for (int32_t kind : {-1, 0, 13, 20, 1000}) {
        ProjectStreamReader r(data);
        EXPECT_EQ(registry.Read(kind, r), nullptr) << kind;
        EXPECT_EQ(r.Position(), 0u);
    }
    for (int32_t kind : {1, 2, 3, 4, 5, 19}) {
        const auto object = registry.Create(kind);
        ASSERT_NE(object, nullptr) << kind;
        EXPECT_EQ(object->Kind, kind);
    }
}

TEST(DepthKinds, TableCarriesCodesNamesAndStorage)
{
    ASSERT_EQ(DepthKinds().size(), 20u);
    EXPECT_EQ(DefaultNameKey(0), QStringLiteral("Hintergrund"));
    EXPECT_EQ(DefaultNameKey(4), QStringLiteral("n-Eck"));
    EXPECT_EQ(DefaultNameKey(19), QStringLiteral("Gruppe"));
    EXPECT_EQ(DefaultNameKey(20), QString());
    EXPECT_FALSE(FindDepthKind(13)->Stored);
    EXPECT_STREQ(FindDepthKind(3)->ClassName, "Tool_dm_line");
    for (int32_t kind = 0; kind < 20; ++kind)
        EXPECT_EQ(FindDepthKind(kind)->Kind, kind);
}

// The constructors' defaults and capability flags.
TEST(DepthRecord, ShapeDefaults)
{
    const Tool_dm_Rectangle rect(1, 0, 0, 5, 5);
    EXPECT_EQ(rect.Depth, 255);
    EXPECT_TRUE(rect.HasDepth);
    EXPECT_EQ(rect.Rounding, 0);
    const Tool_dm_line line(2, 0, 0, 40, 0, 1, 2);
    EXPECT_EQ(line.Thickness, 2);
    EXPECT_EQ(line.Height, 2); // raised to the thickness
    EXPECT_EQ(line.CapStyle, 0);
    const Tool_dm_polygon polygon(3, 0, 0, 5, 5);
    EXPECT_EQ(polygon.Corners, 5);
    EXPECT_EQ(polygon.Rotation, 0);
    const Tool_dm_Text text(4, 0, 0, 5, 5, QStringLiteral("x"));
    EXPECT_EQ(text.FontName, QStringLiteral("Arial"));
    EXPECT_FALSE(text.CanMirrorH);
    EXPECT_FALSE(text.CanMirrorV);
    EXPECT_TRUE(text.CanInvert);
    EXPECT_TRUE(text.HasDepth);
    const Tool_dm_Group group(5);
    EXPECT_EQ(group.Width, -1);
    EXPECT_EQ(group.Height, -1);
    EXPECT_FALSE(group.HasDepth);
    EXPECT_TRUE(group.Visible);
    EXPECT_EQ(group.ParentId, -1);
}

} // namespace
} // namespace lumora
