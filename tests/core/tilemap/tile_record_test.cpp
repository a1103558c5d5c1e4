// Records of the three kinds and of the tile section: the stored layout,
// reading back, duplicates, and damaged data refused.
#include "tile_test_support.h"

#include "common/lumora_error.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"
#include "tilemap/tile_kind_registry.h"
#include "tilemap/tile_map.h"
#include "tilemap/tile_tm_image.h"
#include "tilemap/tile_tm_randomdot.h"
#include "tilemap/tile_tm_randomdotgradient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

namespace lumora {
namespace {

constexpr int kQuality = 95;

std::vector<uint8_t> Record(const Tile_tm& t)
{
    ProjectStreamWriter w;
    t.SaveToStream(w, kQuality);
    return w.TakeData();
}

std::unique_ptr<Tile_tm> ReadBack(int32_t kind, std::vector<uint8_t> bytes)
{
    ProjectStreamReader r(std::move(bytes));
    auto t = ReadTile(kind, r);
    EXPECT_TRUE(r.AtEnd());
    return t;
}

void SetEveryEffect(Tile_tm& t)
{
    t.SetEffects(TileEffects{-2, 3, 4, 5, 1, 6, 7, 1, 1});
}

Tile_tm_RandomDot FullRandomDot()
{
    Tile_tm_RandomDot t(300);
    SetEveryEffect(t);
    t.FxMirrorV = 0;
    t.DotMode = 2;
    t.Density = 11;
    t.MaxRedPct = 12;
    t.MaxGreenPct = 13;
    t.MaxBluePct = 14;
    t.DotRed = 15;
    t.DotGreen = 16;
    t.DotBlue = 17;
    t.MaxGreyPct = 18;
    t.BackRed = 19;
    t.BackGreen = 20;
    t.BackBlue = 21;
    return t;
}

Tile_tm_RandomDotGradient FullGradient()
{
    Tile_tm_RandomDotGradient t(77);
    SetEveryEffect(t);
    t.ApplyPreset(6);
    t.Density = 88;
    t.BackRed = 1;
    t.BackGreen = 2;
    t.BackBlue = 3;
    t.StopPos[40] = 0.125; // an unused slot keeps what it holds
    t.StopColour[49] = 0x123456;
    return t;
}

void ExpectSameBase(const Tile_tm& a, const Tile_tm& b)
{
    EXPECT_EQ(a.Kind, b.Kind);
    EXPECT_EQ(a.BandHeight, b.BandHeight);
    EXPECT_EQ(a.Effects(), b.Effects());
}

void ExpectSameRandomDot(const Tile_tm_RandomDot& a, const Tile_tm_RandomDot& b)
{
    ExpectSameBase(a, b);
    EXPECT_EQ(a.DotMode, b.DotMode);
    const uint8_t fa[] = {a.Density, a.MaxRedPct, a.MaxGreenPct, a.MaxBluePct,
                          a.DotRed,  a.DotGreen,  a.DotBlue,     a.MaxGreyPct,
                          a.BackRed, a.BackGreen, a.BackBlue};
    const uint8_t fb[] = {b.Density, b.MaxRedPct, b.MaxGreenPct, b.MaxBluePct,
                          b.DotRed,  b.DotGreen,  b.DotBlue,     b.MaxGreyPct,
                          b.BackRed, b.BackGreen, b.BackBlue};
    EXPECT_TRUE(std::equal(std::begin(fa), std::end(fa), std::begin(fb)));
}

void ExpectSameGradient(const Tile_tm_RandomDotGradient& a, const Tile_tm_RandomDotGradient& b)
{
    ExpectSameBase(a, b);
    EXPECT_EQ(a.Density, b.Density);
    EXPECT_EQ(a.StopPos, b.StopPos);
    EXPECT_EQ(a.StopColour, b.StopColour);
    EXPECT_EQ(a.StopCount, b.StopCount);
    EXPECT_EQ(MakeColour(a.BackRed, a.BackGreen, a.BackBlue),
              MakeColour(b.BackRed, b.BackGreen, b.BackBlue));
}

TEST(TileRecords, RandomDotRecordLayout)
{
    const std::vector<uint8_t> expected = {
        0x2C, 0x01, 0,    0,                                // BandHeight 300
        1,    0,    0,    0,                                // Kind
        0xFE, 0xFF, 0xFF, 0xFF,                             // FxBrightness -2
        3,    4,    5,    1,    6,  7,  1,  0,              // the eight effect bytes
        2,    0,    0,    0,                                // DotMode
        11,   12,   13,   14,   15, 16, 17, 18, 19, 20, 21, // the eleven bytes
    };
    EXPECT_EQ(Record(FullRandomDot()), expected);
}

TEST(TileRecords, GradientRecordLayout)
{
    const std::vector<uint8_t> bytes = Record(FullGradient());
    ASSERT_EQ(bytes.size(), 20u + 1 + 50 * 8 + 50 * 4 + 1 + 3);
    EXPECT_EQ(bytes[20], 88); // Density
    double second = 0;
    std::memcpy(&second, &bytes[21 + 8], 8); // StopPos[2]
    EXPECT_EQ(second, 0.16);
    // StopColour[1] = (255, 0, 0), red in the lowest byte.
    EXPECT_EQ(bytes[421], 0xFF);
    EXPECT_EQ(bytes[422], 0);
    EXPECT_EQ(bytes[621], 7); // StopCount
    EXPECT_EQ(bytes[624], 3); // BackBlue
}

TEST(TileRecords, EachKindReadsBackWithItsEffects)
{
    const Tile_tm_RandomDot dots = FullRandomDot();
    ExpectSameRandomDot(static_cast<const Tile_tm_RandomDot&>(*ReadBack(1, Record(dots))), dots);

    const Tile_tm_RandomDotGradient gradient = FullGradient();
    ExpectSameGradient(
        static_cast<const Tile_tm_RandomDotGradient&>(*ReadBack(2, Record(gradient))), gradient);

    Tile_tm_Image image(tiletest::RowCodedPicture(16, 16, 0), false, 90);
    image.Picture->FillColour(MakeColour(200, 40, 90));
    image.BandHeight = 250;
    SetEveryEffect(image);
    const auto read = ReadBack(3, Record(image));
    const auto& readImage = static_cast<const Tile_tm_Image&>(*read);
    ExpectSameBase(readImage, image);
    EXPECT_EQ(readImage.KeepProportions, 0);
    ASSERT_TRUE(readImage.HasPicture());
    EXPECT_EQ(readImage.Picture->Width(), 16);
    const Colour c = readImage.Picture->Pixel(7, 7);
    EXPECT_NEAR(RedOf(c), 200, 3);
    EXPECT_NEAR(GreenOf(c), 40, 3);
    EXPECT_NEAR(BlueOf(c), 90, 3);
}

TEST(TileRecords, DuplicatesKeepEveryField)
{
    const Tile_tm_RandomDot dots = FullRandomDot();
    ExpectSameRandomDot(static_cast<const Tile_tm_RandomDot&>(*dots.Clone()), dots);
    const Tile_tm_RandomDotGradient gradient = FullGradient();
    ExpectSameGradient(static_cast<const Tile_tm_RandomDotGradient&>(*gradient.Clone()), gradient);
}

TEST(TileRecords, SectionHoldsCountKindCodesAndRecordsInListOrder)
{
    TileMap tiles;
    tiles.Append(std::make_unique<Tile_tm_RandomDotGradient>(FullGradient()));
    tiles.Append(std::make_unique<Tile_tm_Image>(tiletest::RowCodedPicture(8, 8, 1), true, 90));
    tiles.Append(std::make_unique<Tile_tm_RandomDot>(FullRandomDot()));
    ProjectStreamWriter w;
    w.WriteInt32(-7); // something before the section, as in a project file
    tiles.SaveToStream(w, kQuality);
    w.WriteInt32(-8);
    std::vector<uint8_t> bytes = w.TakeData();
    EXPECT_EQ(bytes[4], 3); // count
    EXPECT_EQ(bytes[8], 2); // first kind code

    ProjectStreamReader r(std::move(bytes));
    EXPECT_EQ(r.ReadInt32(), -7);
    TileMap read;
    read.LoadFromStream(r);
    EXPECT_EQ(r.ReadInt32(), -8);
    ASSERT_EQ(read.Count(), 3);
    EXPECT_EQ(read.At(0)->Kind, 2);
    EXPECT_EQ(read.At(1)->Kind, 3);
    EXPECT_EQ(read.At(1)->BandHeight, 90);
    ExpectSameRandomDot(static_cast<const Tile_tm_RandomDot&>(*read.At(2)), FullRandomDot());
    EXPECT_EQ(read.SelectedIndex(), -1);
}

struct DamageCase
{
    const char* name;
    std::function<std::vector<uint8_t>()> bytes;
};

std::vector<uint8_t> SectionOf(const Tile_tm& t)
{
    ProjectStreamWriter w;
    w.WriteInt32(1);
    w.WriteInt32(t.Kind);
    t.SaveToStream(w, kQuality);
    return w.TakeData();
}

template <typename T> std::function<std::vector<uint8_t>()> Damaged(T t, std::function<void(T&)> f)
{
    return [t, f]() mutable {
        f(t);
        return SectionOf(t);
    };
}

TEST(TileRecords, DamagedSectionsAreRefusedAndTheListKept)
{
    using Dots = Tile_tm_RandomDot;
    using Grad = Tile_tm_RandomDotGradient;
    const std::vector<DamageCase> cases = {
        {"band height 0", Damaged<Dots>(Dots(), [](Dots& t) { t.BandHeight = 0; })},
        {"band height too large",
         Damaged<Dots>(Dots(), [](Dots& t) { t.BandHeight = kMaxBandHeight + 1; })},
        {"brightness beyond 255", Damaged<Dots>(Dots(), [](Dots& t) { t.FxBrightness = 256; })},
        {"ripple beyond 30", Damaged<Dots>(Dots(), [](Dots& t) { t.FxRipple = 31; })},
        {"spray beyond 30", Damaged<Dots>(Dots(), [](Dots& t) { t.FxSpray = 200; })},
        {"invert not a boolean", Damaged<Dots>(Dots(), [](Dots& t) { t.FxInvert = 2; })},
        {"dot mode 4", Damaged<Dots>(Dots(), [](Dots& t) { t.DotMode = 4; })},
        {"density beyond 100", Damaged<Dots>(Dots(), [](Dots& t) { t.Density = 101; })},
        {"grey beyond 100", Damaged<Dots>(Dots(), [](Dots& t) { t.MaxGreyPct = 255; })},
        {"one stop", Damaged<Grad>(Grad(), [](Grad& t) { t.StopCount = 1; })},
        {"51 stops", Damaged<Grad>(Grad(), [](Grad& t) { t.StopCount = 51; })},
        {"stop not a number", Damaged<Grad>(Grad(), [](Grad& t) { t.StopPos[1] = std::nan(""); })},
        {"stops descending", Damaged<Grad>(Grad(), [](Grad& t) { t.StopPos[1] = 1.5; })},
        {"kind code differs from the record's",
         [] {
             std::vector<uint8_t> b = SectionOf(Dots());
             b[4] = 2;
             return b;
         }},
        {"unknown kind code",
         [] {
             std::vector<uint8_t> b = SectionOf(Dots());
             b[4] = 4;
             return b;
         }},
        {"record cut short",
         [] {
             std::vector<uint8_t> b = SectionOf(Grad());
             b.resize(b.size() - 1);
             return b;
         }},
        {"count beyond the data",
         [] {
             std::vector<uint8_t> b = SectionOf(Dots());
             b[3] = 0x10;
             return b;
         }},
        {"negative count",
         [] {
             std::vector<uint8_t> b = SectionOf(Dots());
             b[3] = 0x80;
             return b;
         }},
    };
    for (const DamageCase& c : cases) {
        TileMap tiles;
        tiles.Append(std::make_unique<Tile_tm_RandomDot>(55));
        ProjectStreamReader r(c.bytes());
        EXPECT_THROW(tiles.LoadFromStream(r), LumoraError) << c.name;
        EXPECT_EQ(tiles.Count(), 1) << c.name;
    }
}

TEST(TileRecords, RegistryKnowsTheThreeKinds)
{
    for (const int32_t kind : {1, 2, 3}) {
        ASSERT_TRUE(IsTileKind(kind));
        EXPECT_EQ(CreateTile(kind)->Kind, kind);
    }
    for (const int32_t kind : {0, 4, -1})
        EXPECT_EQ(CreateTile(kind), nullptr) << kind;
}

} // namespace
} // namespace lumora
