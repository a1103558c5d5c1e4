// Stored records of the six kinds and of the afterburner section: the byte
// layout, the round trip, and damaged data refused with the list kept.
#include "afterburner/afterburner_kind_registry.h"
#include "afterburner/afterburner_state.h"
#include "afterburner/tool_ab_border_frame.h"
#include "afterburner/tool_ab_border_image.h"
#include "afterburner/tool_ab_border_simple.h"
#include "afterburner/tool_ab_depthmap.h"
#include "afterburner/tool_ab_spot.h"
#include "afterburner/tool_ab_text.h"
#include "afterburner_test_support.h"
#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <functional>
#include <gtest/gtest.h>

namespace lumora {
namespace {

// One object of each kind with values other than a new object's.
std::vector<std::unique_ptr<Tool_ab>> SampleObjects()
{
    std::vector<std::unique_ptr<Tool_ab>> objects;
    auto simple = std::make_unique<Tool_ab_border_simple>();
    simple->Name = QStringLiteral("Rand");
    simple->BorderSize = 17;
    simple->SideRight = 0;
    simple->ColourRed = 1;
    simple->ColourGreen = 2;
    simple->ColourBlue = 3;
    objects.push_back(std::move(simple));

    auto frame = std::make_unique<Tool_ab_border_frame>();
    frame->Name = QStringLiteral("Rahmen");
    TPixelEngine256 mask(9, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            mask.SetPixel(x, y, static_cast<uint8_t>(x * 25 + y));
    frame->SetMask(mask);
    frame->InvertMask = 1;
    frame->ColourBlue = 200;
    frame->Tolerance = 5;
    frame->Transparency = 6;
    objects.push_back(std::move(frame));

    auto image = std::make_unique<Tool_ab_border_image>();
    image->Name = QStringLiteral("Bild");
    TPixelEngine picture(16, 16);
    picture.FillColour(MakeColour(200, 40, 40));
    image->SetPicture(picture);
    image->KeyRed = 9;
    image->KeyTolerance = 30;
    objects.push_back(std::move(image));

    auto text = std::make_unique<Tool_ab_text>();
    text->Name = QStringLiteral("Grüße");
    text->Text = QStringLiteral("Tiefe: 3D");
    text->FontName = QStringLiteral("Times New Roman");
    text->FontSize = 30;
    text->Italic = 1;
    text->StrikeOut = 1;
    text->TextColour = 0x123456;
    text->BackColour = 0x654321;
    text->BackOn = 1;
    text->Anchor = 5;
    text->MarginV = 4;
    text->MarginH = 1000000;
    objects.push_back(std::move(text));

    auto spot = std::make_unique<Tool_ab_spot>();
    spot->Name = QStringLiteral("Punkte");
    spot->SpotWidth = 20;
    spot->SpotHeight = 8;
    spot->OutlineSize = 3;
    spot->Margin = 0;
    spot->Shape = 2;
    spot->FillColour = 0x00FF00;
    spot->OutlineColour = 0x0000FF;
    spot->SpotPosition = 2;
    objects.push_back(std::move(spot));

    auto overlay = std::make_unique<Tool_ab_depthmap>(Tool_ab_depthmap::ForNewObject(600, 450));
    overlay->Name = QStringLiteral("Vorlage");
    overlay->Anchor = 3;
    overlay->KeepAspect = 0;
    overlay->OverlayHeight = 33;
    overlay->MarginV = 2;
    overlay->MarginH = 1;
    objects.push_back(std::move(overlay));
    return objects;
}

std::vector<uint8_t> SectionBytes(const AfterburnerState& state)
{
    ProjectStreamWriter writer;
    state.SaveToStream(writer, 90);
    return writer.TakeData();
}

std::vector<uint8_t> RecordBytes(const Tool_ab& object)
{
    ProjectStreamWriter writer;
    object.SaveToStream(writer, 90);
    return writer.TakeData();
}

TEST(AfterburnerRecords, TheSimpleBorderAndSpotLayouts)
{
    Tool_ab_border_simple border;
    border.Name = QStringLiteral("ab");
    border.BorderSize = 0x0102;
    border.SideTop = 0;
    border.ColourBlue = 7;
    const std::vector<uint8_t> expected = {2, 0, 0, 0, 'a', 'b', 1, 0, 0, 0, 2,
                                           1, 0, 0, 1, 1,   0,   1, 0, 0, 7};
    EXPECT_EQ(RecordBytes(border), expected);

    Tool_ab_spot spot;
    spot.Name = QString();
    const std::vector<uint8_t> bytes = RecordBytes(spot);
    ASSERT_EQ(bytes.size(), 4u + 4u + 8u * 4u);
    EXPECT_EQ(bytes[4], 5); // the kind
    EXPECT_EQ(bytes[8], 12);
    EXPECT_EQ(bytes[8 + 6 * 4], 0xFF); // OutlineColour 0xFFFFFF
    EXPECT_EQ(bytes[8 + 6 * 4 + 3], 0);
    EXPECT_EQ(bytes[8 + 7 * 4], 1); // SpotPosition
}

TEST(AfterburnerRecords, TheSectionRoundTripsEveryKind)
{
    AfterburnerState saved;
    for (auto& object : SampleObjects())
        saved.Append(std::move(object));
    const std::vector<uint8_t> bytes = SectionBytes(saved);

    AfterburnerState loaded;
    ProjectStreamReader reader{std::span<const uint8_t>(bytes)};
    loaded.LoadFromStream(reader);
    EXPECT_TRUE(reader.AtEnd());
    ASSERT_EQ(loaded.Count(), 6);
    EXPECT_EQ(loaded.SelectedIndex(), 5);
    for (int32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(loaded.At(i)->Kind, i + 1);
        EXPECT_EQ(loaded.At(i)->Name, saved.At(i)->Name);
        // Apart from the JPEG picture, a second save writes the same bytes.
        if (loaded.At(i)->Kind != Tool_ab_border_image::KindCode) {
            EXPECT_EQ(RecordBytes(*loaded.At(i)), RecordBytes(*saved.At(i))) << i;
        }
    }
    const auto& frame = dynamic_cast<const Tool_ab_border_frame&>(*loaded.At(1));
    EXPECT_EQ(frame.Mask->Pixel(8, 6), 8 * 25 + 6);
    const auto& image = dynamic_cast<const Tool_ab_border_image&>(*loaded.At(2));
    ASSERT_TRUE(image.HasPicture());
    EXPECT_EQ(image.Picture->Width(), 16);
    const Colour c = image.Picture->Pixel(8, 8);
    EXPECT_NEAR(RedOf(c), 200, 3);
    EXPECT_NEAR(GreenOf(c), 40, 3);
    EXPECT_EQ(image.KeyRed, 9);
    EXPECT_EQ(image.KeyTolerance, 30);
    const auto& text = dynamic_cast<const Tool_ab_text&>(*loaded.At(3));
    EXPECT_EQ(text.Text, "Tiefe: 3D");
    EXPECT_EQ(text.FontName, "Times New Roman");
    EXPECT_EQ(text.MarginH, 1000000);
}

TEST(AfterburnerRecords, DuplicatesAreEqualAndIndependent)
{
    for (const auto& object : SampleObjects()) {
        auto copy = object->Clone();
        EXPECT_EQ(copy->Kind, object->Kind);
        EXPECT_EQ(copy->Name, object->Name);
        if (object->Kind != Tool_ab_border_image::KindCode) {
            EXPECT_EQ(RecordBytes(*copy), RecordBytes(*object)) << object->Kind;
        }
    }
    auto objects = SampleObjects();
    auto copy = objects[2]->Clone();
    dynamic_cast<Tool_ab_border_image&>(*objects[2]).Picture->FillColour(0);
    EXPECT_EQ(dynamic_cast<Tool_ab_border_image&>(*copy).Picture->Pixel(0, 0),
              MakeColour(200, 40, 40));
}

TEST(AfterburnerRecords, AnEmptySectionIsOneZeroCount)
{
    AfterburnerState empty;
    EXPECT_EQ(SectionBytes(empty), (std::vector<uint8_t>{0, 0, 0, 0}));
    ProjectStreamReader reader{std::vector<uint8_t>{0, 0, 0, 0}};
    empty.LoadFromStream(reader);
    EXPECT_EQ(empty.SelectedIndex(), -1);
}

TEST(AfterburnerRecords, ObjectsWithoutTheirPictureAreNotStored)
{
    ProjectStreamWriter writer;
    EXPECT_THROW(Tool_ab_border_frame().SaveToStream(writer, 80), LumoraError);
    EXPECT_THROW(Tool_ab_border_image().SaveToStream(writer, 80), LumoraError);
}

// Writes a section of one object whose record a callback writes.
std::vector<uint8_t> Section(int32_t kind, const std::function<void(ProjectStreamWriter&)>& body)
{
    ProjectStreamWriter w;
    w.WriteInt32(1);
    w.WriteInt32(kind);
    body(w);
    return w.TakeData();
}

void SpotRecord(ProjectStreamWriter& w, int32_t kindInRecord, int32_t width, int32_t shape,
                int32_t fill)
{
    w.WriteText(QStringLiteral("s"));
    w.WriteInt32(kindInRecord);
    for (int32_t v : {width, 12, 1, 1, shape, fill, 0xFFFFFF, 1})
        w.WriteInt32(v);
}

void TextRecord(ProjectStreamWriter& w, int32_t fontSize, uint8_t bold, int32_t anchor,
                int32_t marginV)
{
    w.WriteText(QStringLiteral("t"));
    w.WriteInt32(4);
    w.WriteText(QStringLiteral("Text"));
    w.WriteText(QStringLiteral("Arial"));
    w.WriteInt32(fontSize);
    for (uint8_t b : {bold, uint8_t{0}, uint8_t{0}, uint8_t{0}})
        w.WriteByte(b);
    w.WriteInt32(0);
    w.WriteInt32(0);
    w.WriteByte(0);
    w.WriteInt32(anchor);
    w.WriteInt32(marginV);
    w.WriteInt32(0);
}

TEST(AfterburnerRecords, DamagedDataIsRefusedAndTheListKept)
{
    const struct
    {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"a good spot, for reference", Section(5, [](auto& w) { SpotRecord(w, 5, 12, 1, 0); })},
        {"unknown kind code", Section(7, [](auto& w) { SpotRecord(w, 7, 12, 1, 0); })},
        {"kind code 0", Section(0, [](auto& w) { SpotRecord(w, 0, 12, 1, 0); })},
        {"record of another kind", Section(5, [](auto& w) { SpotRecord(w, 4, 12, 1, 0); })},
        {"spot width 0", Section(5, [](auto& w) { SpotRecord(w, 5, 0, 1, 0); })},
        {"spot shape 3", Section(5, [](auto& w) { SpotRecord(w, 5, 12, 3, 0); })},
        {"colour beyond 24 bits", Section(5, [](auto& w) { SpotRecord(w, 5, 12, 1, -1); })},
        {"a good text", Section(4, [](auto& w) { TextRecord(w, 12, 1, 6, 0); })},
        {"font size 0", Section(4, [](auto& w) { TextRecord(w, 0, 0, 1, 0); })},
        {"bold 2", Section(4, [](auto& w) { TextRecord(w, 12, 2, 1, 0); })},
        {"anchor 7", Section(4, [](auto& w) { TextRecord(w, 12, 0, 7, 0); })},
        {"negative margin", Section(4, [](auto& w) { TextRecord(w, 12, 0, 1, -1); })},
        {"border size 256", Section(1,
                                    [](auto& w) {
                                        w.WriteText(QString());
                                        w.WriteInt32(1);
                                        w.WriteInt32(256);
                                        for (int i = 0; i < 7; ++i)
                                            w.WriteByte(1);
                                    })},
        {"frame without its PNG", Section(2,
                                          [](auto& w) {
                                              w.WriteText(QString());
                                              w.WriteInt32(2);
                                              w.WriteInt32(12);
                                          })},
        {"negative count", std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}},
        {"count beyond the data", std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x7F, 5, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        AfterburnerState state;
        state.Append(std::make_unique<Tool_ab_spot>());
        ProjectStreamReader reader{std::span<const uint8_t>(c.bytes)};
        const bool good = std::string(c.name).rfind("a good", 0) == 0;
        if (good) {
            EXPECT_NO_THROW(state.LoadFromStream(reader)) << c.name;
            EXPECT_EQ(state.Count(), 2) << c.name;
        } else {
            EXPECT_THROW(state.LoadFromStream(reader), LumoraError) << c.name;
            EXPECT_EQ(state.Count(), 1) << c.name;
        }
    }
    // Every cut of a good section fails cleanly.
    AfterburnerState sample;
    for (auto& object : SampleObjects())
        sample.Append(std::move(object));
    const std::vector<uint8_t> whole = SectionBytes(sample);
    for (size_t cut = 0; cut < whole.size(); cut += 7) {
        AfterburnerState state;
        ProjectStreamReader reader{std::span<const uint8_t>(whole.data(), cut)};
        EXPECT_THROW(state.LoadFromStream(reader), LumoraError) << cut;
        EXPECT_TRUE(state.IsEmpty());
    }
}

TEST(AfterburnerRecords, TheRegistryKnowsTheSixKinds)
{
    for (int32_t kind = 1; kind <= 6; ++kind) {
        ASSERT_TRUE(IsAfterburnerKind(kind));
        const auto object = CreateAfterburnerObject(kind);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->Kind, kind);
    }
    for (int32_t kind : {0, 7, -1})
        EXPECT_EQ(CreateAfterburnerObject(kind), nullptr);
}

} // namespace
} // namespace lumora
