// The help page control: reading pages, the tags, word wrapping, the
// title band, link areas, pictures, the missing page and the history.
#include "common/lumora_error.h"
#include "help/help_page_file.h"
#include "help/help_page_layout.h"
#include "help/lumo_help.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/pixel_canvas.h"
#include "stream/windows1252.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace lumora {
namespace {

constexpr int kWidth = 400;
constexpr int kDefaultHeight = 300;

// One piece of text as the layout should draw it.
struct Piece
{
    int X;
    int Y;
    QString Text;
    PixelFont Font;
};

PixelFont Regular()
{
    return HelpWindowLook().Font;
}
PixelFont Bold()
{
    PixelFont font = Regular();
    font.Bold = true;
    return font;
}
PixelFont LinkFont()
{
    PixelFont font = Bold();
    font.Underline = true;
    font.Color = HelpWindowLook().ColorLink;
    return font;
}
int WidthOf(const QString& text, const PixelFont& font)
{
    return TextWidthOf(text, font);
}
int LineHeight()
{
    return TextHeightOf(QStringLiteral("Test"), Regular());
}

class LumoHelpTest : public ::testing::Test
{
protected:
    LumoHelpTest() : help_(kWidth, kDefaultHeight) { help_.Look = HelpWindowLook(); }

    QString WritePage(const QString& name, const QStringList& lines)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ToWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        return path;
    }
    QString WritePicture(const QString& name, const QImage& picture)
    {
        QDir(dir_.path()).mkpath(QStringLiteral("images"));
        const QString path = dir_.filePath(QStringLiteral("images/") + name);
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }

    // The page as drawn by hand: body colour, the title band of the given
    // title, then the pieces.
    std::unique_ptr<TPixelEngine> Expected(int height, const QString& title,
                                           const std::vector<Piece>& pieces) const
    {
        const LumoHelpLook look = HelpWindowLook();
        auto page = std::make_unique<TPixelEngine>(kWidth, height);
        page->FillColour(look.ColorBack);
        if (!title.isEmpty()) {
            PixelFont font = Bold();
            font.Color = look.ColorTitleFont;
            page->Font = font;
            page->TextOut(kWidth / 2 - page->TextWidth(title) / 2,
                          look.TitleHeight / 2 - page->TextHeight(title) / 2 - 1, title);
            page->SetBrushColor(look.ColorTitleLine);
            page->SetPen(1, false);
            page->Rectangle(0, look.TitleHeight - 2, kWidth, look.TitleHeight);
        }
        for (const Piece& piece : pieces) {
            page->Font = piece.Font;
            page->TextOut(piece.X, piece.Y, piece.Text);
        }
        return page;
    }

    static int Differences(const TPixelEngine& a, const TPixelEngine& b)
    {
        if (a.Width() != b.Width() || a.Height() != b.Height())
            return -1;
        int count = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                count += a.Pixel(x, y) != b.Pixel(x, y);
        return count;
    }

    static int CountColour(const TPixelEngine& page, Colour colour, int left, int top, int right,
                           int bottom)
    {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                count += page.Pixel(x, y) == colour;
        return count;
    }

    QTemporaryDir dir_;
    TLumoHelp help_;
};

TEST_F(LumoHelpTest, APageOfOneLineShowsOnlyTheTitleBandAndAnEmptyBody)
{
    help_.LoadPage(WritePage("one.l2h", {"Only a title"}), true);

    ASSERT_TRUE(help_.PageFound());
    EXPECT_EQ(help_.Height(), 20);
    EXPECT_TRUE(help_.Links().empty());
    EXPECT_EQ(Differences(help_.Picture(), *Expected(20, "Only a title", {})), 0);
    // The band's bottom two rows are the grey line, the rest is band colour
    // and title text.
    EXPECT_EQ(CountColour(help_.Picture(), 8421504, 0, 18, kWidth, 20), 2 * kWidth);
    EXPECT_GT(CountColour(help_.Picture(), 4210752, 0, 0, kWidth, 18), 0);
}

TEST_F(LumoHelpTest, OneWordBetweenBoldTagsIsBoldAndTheRestRegular)
{
    help_.LoadPage(WritePage("bold.l2h", {"T", "plain <B>strong</B> tail"}), true);

    const int y = 20;
    const int x1 = WidthOf("plain ", Regular());
    const int x2 = x1 + WidthOf("strong", Bold());
    const int x3 = x2 + WidthOf(" ", Regular());
    const std::vector<Piece> expected = {{0, y, "plain ", Regular()},
                                         {x1, y, "strong", Bold()},
                                         {x2, y, " ", Regular()},
                                         {x3, y, "tail", Regular()}};
    EXPECT_EQ(Differences(help_.Picture(), *Expected(20 + LineHeight(), "T", expected)), 0);
    // Drawn all regular it would look different, so the test can tell.
    const std::vector<Piece> allRegular = {{0, y, "plain strong tail", Regular()}};
    EXPECT_GT(Differences(help_.Picture(), *Expected(20 + LineHeight(), "T", allRegular)), 0);
}

TEST_F(LumoHelpTest, AnUnclosedBoldEndsAtTheEndOfItsLine)
{
    help_.LoadPage(WritePage("open.l2h", {"T", "<B>all bold", "regular"}), true);

    const int h = LineHeight();
    const std::vector<Piece> expected = {{0, 20, "all ", Bold()},
                                         {WidthOf("all ", Bold()), 20, "bold", Bold()},
                                         {2, 20 + h, "regular", Regular()}};
    EXPECT_EQ(help_.Height(), 20 + 2 * h);
    EXPECT_EQ(Differences(help_.Picture(), *Expected(20 + 2 * h, "T", expected)), 0);
}

TEST_F(LumoHelpTest, ALinkIsBoldUnderlinedInTheLinkColourAndClickingItLoadsItsTarget)
{
    WritePage("index.l2h", {"Index", "The start page"});
    help_.LoadPage(WritePage("from.l2h", {"From", "See <L>the index|index.l2h</L> now"}), true);
    EXPECT_FALSE(help_.CanGoBack());

    const int h = LineHeight();
    const int x1 = WidthOf("See ", Regular());
    const int x2 = x1 + WidthOf("the ", LinkFont());
    const int x3 = x2 + WidthOf("index", LinkFont());
    const std::vector<Piece> expected = {{0, 20, "See ", Regular()},
                                         {x1, 20, "the ", LinkFont()},
                                         {x2, 20, "index", LinkFont()},
                                         {x3, 20, " ", Regular()},
                                         {x3 + WidthOf(" ", Regular()), 20, "now", Regular()}};
    EXPECT_EQ(Differences(help_.Picture(), *Expected(20 + h, "From", expected)), 0);
    ASSERT_EQ(help_.Links().size(), 1u);
    EXPECT_EQ(help_.Links()[0], (HelpLinkArea{x1, 20, x3, 20 + h, "index.l2h"}));
    EXPECT_GT(CountColour(help_.Picture(), HelpWindowLook().ColorLink, x1, 20, x3, 20 + h), 0);
    EXPECT_EQ(CountColour(help_.Picture(), HelpWindowLook().ColorLink, 0, 20, x1, 20 + h), 0);

    EXPECT_FALSE(help_.FollowLinkAt(x1 - 1, 20 + h / 2));
    EXPECT_EQ(help_.LinkAt(x3, 20), nullptr);
    ASSERT_TRUE(help_.FollowLinkAt(x1 + 1, 20 + h / 2));

    EXPECT_EQ(help_.CurrentPath(), dir_.filePath("index.l2h"));
    EXPECT_EQ(help_.Lines(), (QStringList{"Index", "The start page"}));
    EXPECT_TRUE(help_.CanGoBack());
    EXPECT_FALSE(help_.CanGoForward());
    EXPECT_EQ(help_.History().Entries().size(), 2);
}

TEST_F(LumoHelpTest, GoingBackTwiceThenFollowingALinkDropsTheTwoForwardEntries)
{
    const QString a = WritePage("a.l2h", {"A", "<L>to b|b.l2h</L> <L>to d|d.l2h</L>"});
    const QString b = WritePage("b.l2h", {"B", "<L>to c|c.l2h</L>"});
    const QString c = WritePage("c.l2h", {"C", "end"});
    const QString d = WritePage("d.l2h", {"D", "other end"});
    help_.LoadPage(a, true);
    ASSERT_TRUE(help_.FollowLinkAt(help_.Links()[0].Left, help_.Links()[0].Top));
    ASSERT_TRUE(help_.FollowLinkAt(help_.Links()[0].Left, help_.Links()[0].Top));
    EXPECT_EQ(help_.History().Entries(), (QStringList{a, b, c}));

    help_.GoBack();
    EXPECT_EQ(help_.CurrentPath(), b);
    help_.GoBack();
    EXPECT_EQ(help_.CurrentPath(), a);
    EXPECT_FALSE(help_.CanGoBack());
    EXPECT_TRUE(help_.CanGoForward());
    help_.GoBack(); // nothing further back
    EXPECT_EQ(help_.CurrentPath(), a);

    ASSERT_EQ(help_.Links().size(), 2u);
    ASSERT_TRUE(help_.FollowLinkAt(help_.Links()[1].Left, help_.Links()[1].Top));
    EXPECT_EQ(help_.History().Entries(), (QStringList{a, d}));
    EXPECT_EQ(help_.History().Index(), 1);
    EXPECT_FALSE(help_.CanGoForward());
    help_.GoBack();
    help_.GoForward();
    EXPECT_EQ(help_.CurrentPath(), d);
}

TEST_F(LumoHelpTest, AWordThatDoesNotFitStartsTheNextLineAtTheLeftMargin)
{
    // Room for the first two words only.
    const QString first = "wwwwwwwwww ";
    const QString second = "mmmmmmmmmm ";
    const QString third = "xxxxxxxxxx";
    const int w1 = WidthOf(first, Regular());
    const int w2 = WidthOf(second, Regular());
    const int w3 = WidthOf(third, Regular());
    ASSERT_LT(w1 + w2, kWidth);
    // Fill the line up to just below the width, so the third word cannot fit.
    QString filler = "i";
    while (w1 + w2 + WidthOf(filler + "i ", Regular()) < kWidth)
        filler += "i";
    const QString line = first + second + filler + " " + third;
    ASSERT_LT(w1 + w2 + WidthOf(filler + " ", Regular()), kWidth);
    ASSERT_GE(w1 + w2 + WidthOf(filler + " ", Regular()) + w3, kWidth);
    help_.LoadPage(WritePage("wrap.l2h", {"T", line}), true);

    const int h = LineHeight();
    const int x3 = w1 + w2;
    const std::vector<Piece> expected = {{0, 20, first, Regular()},
                                         {w1, 20, second, Regular()},
                                         {x3, 20, filler + " ", Regular()},
                                         {2, 20 + h, third, Regular()}};
    EXPECT_EQ(help_.Height(), 20 + 2 * h);
    EXPECT_EQ(Differences(help_.Picture(), *Expected(20 + 2 * h, "T", expected)), 0);
}

TEST_F(LumoHelpTest, TheFirstWordOfTheFirstBodyLineStartsAtZeroAndLaterLinesAtTheMargin)
{
    help_.LoadPage(WritePage("margin.l2h", {"T", "first", "second"}), true);
    const int h = LineHeight();
    const std::vector<Piece> expected = {{0, 20, "first", Regular()},
                                         {2, 20 + h, "second", Regular()}};
    EXPECT_EQ(Differences(help_.Picture(), *Expected(20 + 2 * h, "T", expected)), 0);
    // Both starting at the margin would differ.
    const std::vector<Piece> shifted = {{2, 20, "first", Regular()},
                                        {2, 20 + h, "second", Regular()}};
    EXPECT_GT(Differences(help_.Picture(), *Expected(20 + 2 * h, "T", shifted)), 0);
}

TEST_F(LumoHelpTest, AMissingPageShowsNoneCentredAndIsStillRecorded)
{
    int loads = 0;
    int heightAtLoad = 0;
    help_.OnLoadHelpScript = [&] {
        ++loads;
        heightAtLoad = help_.Height();
    };
    const QString missing = dir_.filePath("missing.l2h");
    help_.LoadPage(missing, true);

    EXPECT_FALSE(help_.PageFound());
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(heightAtLoad, kDefaultHeight);
    EXPECT_EQ(help_.History().Entries(), QStringList{missing});
    auto expected = std::make_unique<TPixelEngine>(kWidth, kDefaultHeight);
    expected->FillColour(HelpWindowLook().ColorBack);
    expected->Font = Regular();
    expected->TextOut(kWidth / 2 - expected->TextWidth("None") / 2,
                      kDefaultHeight / 2 - expected->TextHeight("None") / 2, "None");
    EXPECT_EQ(Differences(help_.Picture(), *expected), 0);
    EXPECT_GT(CountColour(help_.Picture(), 0, 0, 0, kWidth, kDefaultHeight), 0);
}

TEST_F(LumoHelpTest, TheLoadEventSeesThePageHeightBeforeThePageIsDrawn)
{
    std::optional<int> heightAtLoad;
    help_.OnLoadHelpScript = [&] { heightAtLoad = help_.Height(); };
    help_.LoadPage(WritePage("two.l2h", {"T", "one", "two"}), true);
    EXPECT_EQ(heightAtLoad, 20 + 2 * LineHeight());
}

TEST_F(LumoHelpTest, APictureIsDrawnStretchedAndAMissingOneDrawsNothing)
{
    QImage red(4, 3, QImage::Format_RGB888);
    red.fill(QColor(255, 0, 0));
    WritePicture("red.bmp", red);
    help_.LoadPage(WritePage("pictures.l2h",
                             {"T", "<I>red.bmp|40|30</I>after", "<I>nothere.bmp|40|30</I>still"}),
                   true);

    const int h = LineHeight();
    const int secondLine = 20 + 30 + 2 + h;
    EXPECT_EQ(help_.Height(), secondLine + h);
    auto expected = Expected(secondLine + h, "T",
                             {{2, 52, "after", Regular()}, {2, secondLine, "still", Regular()}});
    expected->SetBrushColor(MakeColour(255, 0, 0));
    expected->SetPen(1, false);
    expected->Rectangle(0, 20, 40, 50);
    EXPECT_EQ(Differences(help_.Picture(), *expected), 0);
    EXPECT_EQ(CountColour(help_.Picture(), MakeColour(255, 0, 0), 0, 0, kWidth, help_.Height()),
              40 * 30);
}

TEST_F(LumoHelpTest, APictureSizeThatIsNoWholeNumberStopsDrawingWithAConversionError)
{
    QImage red(2, 2, QImage::Format_RGB888);
    red.fill(QColor(255, 0, 0));
    WritePicture("red.bmp", red);
    const QString page = WritePage("bad.l2h", {"T", "drawn", "<I>red.bmp|4x|30</I>", "never"});
    try {
        help_.LoadPage(page, true);
        FAIL() << "no conversion error";
    } catch (const LumoraError& e) {
        EXPECT_STREQ(e.what(), "'4x' is not a valid integer value");
    }
    const int h = LineHeight();
    EXPECT_EQ(help_.History().Entries(), QStringList{page});
    EXPECT_EQ(
        Differences(help_.Picture(), *Expected(help_.Height(), "T", {{0, 20, "drawn", Regular()}})),
        0);
    // The measure skipped the picture; the last line still took its room.
    EXPECT_EQ(help_.Height(), 20 + 3 * h);
}

TEST_F(LumoHelpTest, AWrappedLinkIsClickableOnBothLines)
{
    WritePage("target.l2h", {"Target"});
    const QString words = "aaaaaaaaaaaa bbbbbbbbbbbb cccccccccccc dddddddddddd eeeeeeeeeeee";
    help_.LoadPage(WritePage("long.l2h", {"T", "<L>" + words + "|target.l2h</L>"}), true);

    ASSERT_EQ(help_.Links().size(), 2u);
    const HelpLinkArea first = help_.Links()[0];
    const HelpLinkArea second = help_.Links()[1];
    EXPECT_EQ(first.Left, 0);
    EXPECT_EQ(first.Top, 20);
    EXPECT_EQ(second.Left, 2);
    EXPECT_EQ(second.Top, 20 + LineHeight());
    EXPECT_EQ(first.Target, "target.l2h");
    EXPECT_EQ(second.Target, "target.l2h");
    ASSERT_TRUE(help_.FollowLinkAt(first.Left + 1, first.Top + 1));
    EXPECT_EQ(help_.CurrentPath(), dir_.filePath("target.l2h"));
}

TEST_F(LumoHelpTest, PagesAreReadInTheWindowsCodePage)
{
    const QString path = dir_.filePath("umlaut.l2h");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Gr\xfc\xdf"
               "e\nSch\xf6n\n");
    file.close();
    help_.LoadPage(path, true);
    EXPECT_EQ(help_.Lines(), (QStringList{QString::fromUtf8("Grüße"), QString::fromUtf8("Schön")}));
}

TEST_F(LumoHelpTest, AReloadAtAnotherWidthWrapsAnewWithoutRecording)
{
    help_.LoadPage(WritePage("re.l2h", {"T", "one two three four five six seven eight"}), true);
    const int wide = help_.Height();
    help_.SetWidth(60);
    help_.Reload();
    EXPECT_GT(help_.Height(), wide);
    EXPECT_EQ(help_.Picture().Width(), 60);
    EXPECT_EQ(help_.History().Entries().size(), 1);
}

TEST(HelpPageHeight, IsTheHeightTheLayoutDraws)
{
    // Ten short words on a narrow page need more lines than the sum of
    // their widths divided by the width.
    const LumoHelpLook look = HelpWindowLook();
    const QString word = "abcdef ";
    const int width = WidthOf(word, look.Font) * 3 / 2;
    const int height =
        TLumoHelp::PageHeight({"T", word.repeated(10)}, look, width, QDir::tempPath() + "/");
    EXPECT_EQ(height, 20 + 10 * LineHeight());
}

struct NumberCase
{
    const char* Text;
    std::optional<int> Value;
};

class HelpWholeNumberTest : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(HelpWholeNumberTest, ConvertsOrNamesTheText)
{
    const NumberCase c = GetParam();
    if (c.Value) {
        EXPECT_EQ(HelpWholeNumber(c.Text), *c.Value);
        return;
    }
    try {
        HelpWholeNumber(c.Text);
        FAIL() << "accepted " << c.Text;
    } catch (const LumoraError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "'" + std::string(c.Text) + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpWholeNumberTest,
    ::testing::Values(NumberCase{"12", 12}, NumberCase{"  7", 7}, NumberCase{"-3", -3},
                      NumberCase{"+5", 5}, NumberCase{"2147483647", 2147483647},
                      NumberCase{"", std::nullopt}, NumberCase{"x", std::nullopt},
                      NumberCase{"1.5", std::nullopt}, NumberCase{"12 ", std::nullopt},
                      NumberCase{"-", std::nullopt}, NumberCase{"2147483648", std::nullopt},
                      NumberCase{"99999999999999999999", std::nullopt}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

struct SplitCase
{
    const char* Name;
    QString Text;
    QStringList Lines;
};

class SplitHelpPageTextTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitHelpPageTextTest, SplitsAtEveryKindOfLineBreak)
{
    EXPECT_EQ(SplitHelpPageText(GetParam().Text), GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitHelpPageTextTest,
    ::testing::Values(SplitCase{"Empty", "", {}}, SplitCase{"CrLf", "a\r\nb", {"a", "b"}},
                      SplitCase{"TrailingBreak", "a\n", {"a"}},
                      SplitCase{"EmptyLines", "a\r\rb\n\nc", {"a", "", "b", "", "c"}},
                      SplitCase{"OnlyBreak", "\r\n", {""}}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace lumora
