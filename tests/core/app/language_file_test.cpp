// Language files: the code table and its escapes, the file layout, the
// publisher flags, and refusal of wrong or damaged files.
#include "app/language_code_table.h"
#include "app/language_file.h"
#include "app/language_header.h"
#include "app/language_line.h"
#include "app_test_support.h"
#include "common/lumora_error.h"
#include "language_file_writer.h"
#include "stream/windows1252.h"

#include <QTemporaryDir>
#include <cstring>
#include <set>

namespace lumora {
namespace {

using test::AppendInt32;
using test::Bytes;

// A file with the right magic and version around the given coded lines.
QByteArray FileAround(const QByteArray& codedLines, int32_t lineCount, uint8_t flagA = 1,
                      uint8_t flagB = 1)
{
    QByteArray out("LMAR2_LF_2003");
    AppendInt32(out, 5);
    out.append("2.0.0");
    out.append(static_cast<char>(flagA));
    AppendInt32(out, lineCount);
    out.append(codedLines);
    out.append(static_cast<char>(flagB));
    return out;
}

char CodeOf(uint8_t character)
{
    const auto code = FindLanguageCode(BuildLanguageCodeTable(), character);
    EXPECT_TRUE(code.has_value()) << int(character);
    return static_cast<char>(code.value_or(0));
}

TEST(LanguageCodeTable, HoldsEachCharacterAtMostOnceAndKeepsTheControlCodes)
{
    const LanguageCodeTable table = BuildLanguageCodeTable();
    EXPECT_EQ(table, BuildLanguageCodeTable()); // rebuilt the same from its key
    const std::set<uint8_t> distinct(table.begin(), table.end());
    EXPECT_EQ(distinct.size(), size_t(kLanguageCodeCount));
    // A real substitution, not the identity.
    int unchanged = 0;
    for (int i = 0; i < kLanguageCodeCount; ++i)
        unchanged += table[static_cast<size_t>(i)] == i;
    EXPECT_LT(unchanged, 10);
}

TEST(LanguageCodeTable, EveryCharacterHasACodeOrAnEscape)
{
    const LanguageCodeTable table = BuildLanguageCodeTable();
    int escaped = 0;
    for (int c = 0; c < 256; ++c) {
        const auto character = static_cast<uint8_t>(c);
        if (FindLanguageCode(table, character))
            continue;
        ++escaped;
        const auto escape = FindLanguageEscape(table, character);
        ASSERT_TRUE(escape.has_value()) << c;
        const QByteArray joined =
            QByteArray::number(table[escape->first]) + QByteArray::number(table[escape->second]);
        EXPECT_EQ(joined.toInt(), c);
    }
    EXPECT_EQ(escaped, 256 - kLanguageCodeCount);
}

TEST(LanguageFile, EscapeJoinsTheDecimalEntries)
{
    // Entries 2 and 28 give the character 228 ("ä" in Windows-1252).
    const char b1 = CodeOf(2);
    const char b2 = CodeOf(28);
    QByteArray line;
    line.append(static_cast<char>(kLanguageEscapeCode)).append(b1).append(b2);
    line.append(static_cast<char>(kLanguageEndOfLineCode));
    const LanguageFile file = DecodeLanguageFile(Bytes(FileAround(line, 1)));
    ASSERT_EQ(file.Lines.size(), 1);
    EXPECT_EQ(file.Lines[0], QString::fromUtf8("ä"));
    // 0 joined with a digit is that digit: "0" + "7" is 7.
    QByteArray seven;
    seven.append(static_cast<char>(kLanguageEscapeCode)).append(CodeOf(0)).append(CodeOf(7));
    seven.append(static_cast<char>(kLanguageEndOfLineCode));
    EXPECT_EQ(DecodeLanguageFile(Bytes(FileAround(seven, 1))).Lines[0], QString(QChar(7)));
}

TEST(LanguageFile, PlainCodesAndEmptyLines)
{
    QByteArray lines;
    for (const char c : QByteArray("[Header,x]"))
        lines.append(CodeOf(static_cast<uint8_t>(c)));
    lines.append(static_cast<char>(kLanguageEndOfLineCode));
    lines.append(static_cast<char>(kLanguageEndOfLineCode)); // an empty line
    const LanguageFile file = DecodeLanguageFile(Bytes(FileAround(lines, 2)));
    EXPECT_EQ(file.Lines, (QStringList{"[Header,x]", ""}));
}

TEST(LanguageFile, OfficialWhenTheFlagsShareABit)
{
    const struct
    {
        uint8_t A, B;
        bool Official;
    } cases[] = {{0x01, 0x01, true}, {0x5A, 0x0F, true}, {0x5A, 0xA5, false}, {0, 0xFF, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeLanguageFile(Bytes(FileAround({}, 0, c.A, c.B))).Official, c.Official)
            << int(c.A) << " " << int(c.B);
    }
}

TEST(LanguageFile, WriterRoundTripsEveryCharacterOfTheCodePage)
{
    QByteArray codePage;
    for (int c = 1; c < 256; ++c)
        codePage.append(static_cast<char>(c));
    const QString all = FromWindows1252(Bytes(codePage).data(), Bytes(codePage).size());
    const QStringList lines = {"; comment",
                               "",
                               " ",
                               "[Sonstiges, texts]",
                               QString::fromUtf8("Message.NeuRendern=Änderung € — «ok»"),
                               all};
    for (const bool official : {true, false}) {
        const LanguageFile file = DecodeLanguageFile(Bytes(EncodeLanguageFile(lines, official)));
        EXPECT_EQ(file.Lines, lines);
        EXPECT_EQ(file.Official, official);
    }
}

TEST(LanguageFile, WriterRefusesCharactersOutsideTheCodePage)
{
    EXPECT_THROW(EncodeLanguageFile({QString::fromUtf8("日本")}, true), LumoraError);
}

struct DamagedCase
{
    const char* What;
    QByteArray Data;
};

std::vector<DamagedCase> DamagedFiles()
{
    const QByteArray good = EncodeLanguageFile({"[Header,x]", "Version=2.0.0"}, true);
    std::vector<DamagedCase> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"wrong magic", QByteArray("LMAR2_PF_2003") + good.mid(13)});
    QByteArray version = good;
    version[21] = '1'; // "2.0.1"
    cases.push_back({"wrong version", version});
    QByteArray longVersion("LMAR2_LF_2003");
    AppendInt32(longVersion, 0x7FFFFFFF);
    cases.push_back({"version longer than the file", longVersion});
    QByteArray negative("LMAR2_LF_2003");
    AppendInt32(negative, -1);
    cases.push_back({"negative version length", negative});
    cases.push_back({"cut in the header", good.left(20)});
    cases.push_back({"cut in a line", good.left(good.size() - 4)});
    cases.push_back({"flag B missing", good.chopped(1)});
    cases.push_back({"line count beyond the data", FileAround({}, 1000000)});
    cases.push_back({"negative line count", FileAround({}, -3)});
    cases.push_back({"code 253", FileAround(QByteArray("\xFD\xFC", 2), 1)});
    cases.push_back({"escape of a control code", FileAround(QByteArray("\xFB\xFC\x01\xFC", 4), 1)});
    cases.push_back({"escape cut short", FileAround(QByteArray("\xFB\x01", 2), 1)});
    // Two entries whose digits join to more than 255.
    QByteArray big;
    big.append(static_cast<char>(kLanguageEscapeCode)).append(CodeOf(200)).append(CodeOf(200));
    big.append(static_cast<char>(kLanguageEndOfLineCode));
    cases.push_back({"escape beyond a byte", FileAround(big, 1)});
    return cases;
}

TEST(LanguageFile, DamagedFilesAreRefusedWithAMessage)
{
    QTemporaryDir dir;
    for (const DamagedCase& c : DamagedFiles()) {
        SCOPED_TRACE(c.What);
        try {
            DecodeLanguageFile(Bytes(c.Data));
            ADD_FAILURE() << "accepted";
        } catch (const LumoraError& e) {
            EXPECT_GT(std::strlen(e.what()), 10u);
        }
        const QString path = dir.filePath("damaged.l2l");
        test::WriteFile(path, c.Data);
        QStringList lines{"left over"};
        bool official = true;
        EXPECT_FALSE(ReadLanguageFile(path, lines, official));
        EXPECT_TRUE(lines.isEmpty());
        EXPECT_FALSE(official);
    }
}

TEST(LanguageFile, MissingFileDoesNotRead)
{
    QStringList lines;
    bool official = false;
    EXPECT_FALSE(ReadLanguageFile("/nonexistent/folder/none.l2l", lines, official));
    EXPECT_THROW(LoadLanguageFile("/nonexistent/folder/none.l2l"), LumoraError);
}

TEST(LanguageLine, ParsesEachKindOfLine)
{
    const struct
    {
        const char* Text;
        LanguageLine::Kind Kind;
        const char* Section;
        const char* Component;
        const char* Property;
        const char* Value;
    } cases[] = {
        {"", LanguageLine::Kind::Ignored, "", "", "", ""},
        {" ", LanguageLine::Kind::Ignored, "", "", "", ""},
        {"; a comment", LanguageLine::Kind::Comment, "", "", "", ""},
        {"[Vorlage, TVorlage]", LanguageLine::Kind::Section, "Vorlage", "", "", ""},
        {"[Header]", LanguageLine::Kind::Section, "Header", "", "", ""},
        {"[Odd", LanguageLine::Kind::Section, "Odd", "", "", ""},
        {"Vorlage.Caption=Lumora", LanguageLine::Kind::Entry, "", "Vorlage", "Caption", "Lumora"},
        {"Button1.Hint= a = b. ", LanguageLine::Kind::Entry, "", "Button1", "Hint", " a = b. "},
        {"Label.Caption", LanguageLine::Kind::Entry, "", "Label", "Caption", ""},
        {"NoDotHere=x", LanguageLine::Kind::Entry, "", "NoDotHere=x", "", ""},
        {"  ", LanguageLine::Kind::Entry, "", "  ", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const LanguageLine line = LanguageLine::Parse(QString::fromUtf8(c.Text));
        EXPECT_EQ(line.LineKind, c.Kind);
        EXPECT_EQ(line.Section, c.Section);
        EXPECT_EQ(line.Component, c.Component);
        EXPECT_EQ(line.Property, c.Property);
        EXPECT_EQ(line.Value, c.Value);
    }
}

TEST(LanguageHeader, ReadsFourLinesByPosition)
{
    const QStringList lines = {"; x",
                               "[Sonstiges,a]",
                               "[Header, description]",
                               "Version=2.0.0",
                               "Language_Name=Klingon",
                               "Translated_By=K. Worf",
                               "E-Mail=worf@example.org",
                               "[Header, second]",
                               "Version=9.9.9"};
    const auto header = LanguageHeader::Find(lines);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->Version, "2.0.0");
    EXPECT_EQ(header->DisplayName, "Klingon");
    EXPECT_EQ(header->Author, "K. Worf");
    EXPECT_EQ(header->Contact, "worf@example.org");
}

TEST(LanguageHeader, RefusesAWrongVersionAMissingHeaderAndTooFewLines)
{
    EXPECT_FALSE(LanguageHeader::Find({"[Header,x]", "Version=2.0.1", "a", "b", "c"}));
    EXPECT_FALSE(LanguageHeader::Find({"[Sonstiges,x]", "Version=2.0.0", "a", "b", "c"}));
    EXPECT_FALSE(LanguageHeader::Find({"[Header,x]", "Version=2.0.0", "a", "b"}));
}

} // namespace
} // namespace lumora
