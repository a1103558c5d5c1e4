// The text sources lumora-assets turns into language files and picture
// libraries.
#include "common/lumora_error.h"
#include "language_file_writer.h"
#include "library_source.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(LanguageSource, LinesStandAsWritten)
{
    EXPECT_EQ(ParseLanguageSource("a\r\n b \n\nAnzeigen.Kachel=Tile \n"),
              (QStringList{"a", " b ", "", "Anzeigen.Kachel=Tile "}));
    EXPECT_EQ(ParseLanguageSource(QString::fromUtf8("Würfel").toUtf8()),
              QStringList{QString::fromUtf8("Würfel")});
    EXPECT_TRUE(ParseLanguageSource("").isEmpty());
}

TEST(LibrarySource, ReadsTextsThumbnailSizeAndPictures)
{
    const LibrarySource library = ParseLibrarySource("# comment\n"
                                                     "creator: Maker\n"
                                                     "contact: a@b.example\n"
                                                     "copyright: (c) Maker\n"
                                                     "information: Two pictures: see below\n"
                                                     "thumbnail: 80 60\n"
                                                     "\n"
                                                     "picture: sand 40 30 1 | Sand | Fine sand.\n"
                                                     "picture: frame-hard 60 45 2 | Frame |\n");
    EXPECT_EQ(library.Texts.Creator, "Maker");
    EXPECT_EQ(library.Texts.Contact, "a@b.example");
    EXPECT_EQ(library.Texts.Copyright, "(c) Maker");
    EXPECT_EQ(library.Texts.Information, "Two pictures: see below");
    EXPECT_EQ(library.ThumbnailWidth, 80);
    EXPECT_EQ(library.ThumbnailHeight, 60);
    ASSERT_EQ(library.Pictures.size(), 2u);
    EXPECT_EQ(library.Pictures[0].Name, "Sand");
    EXPECT_EQ(library.Pictures[0].Description, "Fine sand.");
    EXPECT_EQ(library.Pictures[0].Picture.size(), QSize(40, 30));
    EXPECT_EQ(library.Pictures[1].Name, "Frame");
    EXPECT_TRUE(library.Pictures[1].Description.isEmpty());
    EXPECT_EQ(library.Pictures[1].Picture.size(), QSize(60, 45));
}

TEST(LibrarySource, MistakesNameTheirLine)
{
    const struct
    {
        const char* Source;
        const char* Message;
    } cases[] = {
        {"creator: a\nno colon here\n", "line 2"},
        {"size: 3\n", "unknown key"},
        {"thumbnail: 80\n", "thumbnail needs"},
        {"thumbnail: 80 x\n", "not a number"},
        {"picture: sand 40 30 | A | B\n", "GENERATOR WIDTH HEIGHT SEED"},
        {"picture: sand 40 30 1 | A\n", "NAME | DESCRIPTION"},
        {"picture: nothing 40 30 1 | A | B\n", "no picture generator"},
        {"\n\npicture: sand 0 30 1 | A | B\n", "line 3"},
    };
    for (const auto& c : cases) {
        try {
            ParseLibrarySource(c.Source);
            ADD_FAILURE() << c.Source;
        } catch (const LumoraError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos)
                << c.Source << " gave " << e.what();
        }
    }
}

} // namespace
} // namespace lumora
