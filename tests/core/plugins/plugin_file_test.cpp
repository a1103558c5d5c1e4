// The tagged value encoding of plug-in files, the header checks and the
// behaviour on damaged files.
#include "common/lumora_error.h"
#include "plugins/plugin_file.h"
#include "plugins/plugin_value_reader.h"
#include "plugins/plugin_value_writer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumora {
namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

PlugInFile SamplePlugIn()
{
    PlugInFile p;
    p.Script = {"GET(#01,0)", "REPEAT", "RECTANGLE(#01,0,10,YMAX,#01)", "ADDIT(#01,10)",
                "UNTIL(#01,>=,XMAX)"};
    p.PlugInName = "Bars";
    p.Description = {"Vertical bars,", "ten pixels wide. Grüße"};
    p.Author = "A. Author";
    p.Country = "Österreich";
    p.EMail = "author@example.org";
    p.Internet = "www.example.org";
    return p;
}

// List start, magic and version: the part whose damage means "no plug-in".
qsizetype HeaderLength()
{
    PlugInValueWriter w;
    w.WriteListStart();
    w.WriteText(QLatin1String(kPlugInMagic));
    w.WriteText(QLatin1String(kPlugInVersion));
    return w.Data().size();
}

struct IntegerCase
{
    QByteArray Data;
    int32_t Expected;
};

TEST(PlugInValueReader, ReadsEveryIntegerForm)
{
    const std::vector<IntegerCase> cases = {
        {Bytes({0x02, 0x7F}), 127},
        {Bytes({0x02, 0xFF}), -1},
        {Bytes({0x02, 0x80}), -128},
        {Bytes({0x03, 0x00, 0x80}), -32768},
        {Bytes({0x03, 0x34, 0x12}), 0x1234},
        {Bytes({0x04, 0x78, 0x56, 0x34, 0x12}), 0x12345678},
        {Bytes({0x04, 0xFF, 0xFF, 0xFF, 0xFF}), -1},
        {Bytes({0x04, 0x00, 0x00, 0x00, 0x80}), INT32_MIN},
    };
    for (const IntegerCase& c : cases) {
        PlugInValueReader reader(c.Data);
        EXPECT_EQ(reader.ReadInteger(), c.Expected) << c.Data.toHex().toStdString();
        EXPECT_TRUE(reader.AtEnd());
    }
}

struct TextCase
{
    QByteArray Data;
    QString Expected;
};

TEST(PlugInValueReader, ReadsEveryTextFormIntoTheCodePage)
{
    const std::vector<TextCase> cases = {
        {Bytes({0x06, 0x00}), ""},
        {Bytes({0x06, 0x03, 'a', 'b', 'c'}), "abc"},
        {Bytes({0x06, 0x02, 0xE4, 0x80}), QString::fromUtf8("ä€")},
        {Bytes({0x0C, 0x02, 0x00, 0x00, 0x00, 'h', 'i'}), "hi"},
        {Bytes({0x12, 0x02, 0x00, 0x00, 0x00, 0xE4, 0x00, 0xAC, 0x20}), QString::fromUtf8("ä€")},
        // Cyrillic ka has no place in the code page.
        {Bytes({0x12, 0x02, 0x00, 0x00, 0x00, 0x3A, 0x04, 'x', 0x00}), "?x"},
        {Bytes({0x14, 0x03, 0x00, 0x00, 0x00, 0xE2, 0x82, 0xAC}), QString::fromUtf8("€")},
        {Bytes({0x14, 0x03, 0x00, 0x00, 0x00, 0xD0, 0xBA, 'y'}), "?y"},
        {Bytes({0x14, 0x00, 0x00, 0x00, 0x00}), ""},
    };
    for (const TextCase& c : cases) {
        PlugInValueReader reader(c.Data);
        EXPECT_EQ(reader.ReadText(), c.Expected) << c.Data.toHex().toStdString();
        EXPECT_TRUE(reader.AtEnd());
    }
}

TEST(PlugInValueReader, BooleanIsTrueOnlyForItsTag)
{
    PlugInValueReader reader(Bytes({0x09, 0x08, 0x05, 0x01}));
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_THROW(reader.ReadBoolean(), LumoraError);
}

struct BadValueCase
{
    const char* What;
    QByteArray Data;
    bool AsText;
    std::string Message;
};

TEST(PlugInValueReader, RejectsWrongTagsAndReadsPastTheEnd)
{
    const std::vector<BadValueCase> cases = {
        {"integer with a text tag", Bytes({0x06, 0x01, 'a'}), false, "Invalid property value"},
        {"integer with the list tag", Bytes({0x01}), false, "Invalid property value"},
        {"text with an integer tag", Bytes({0x02, 0x05}), true, "Invalid property value"},
        {"text with the boolean tag", Bytes({0x09}), true, "Invalid property value"},
        {"no bytes for an integer", QByteArray(), false, "Stream read error"},
        {"no bytes for a text", QByteArray(), true, "Stream read error"},
        {"cut 32-bit integer", Bytes({0x04, 0x01, 0x02}), false, "Stream read error"},
        {"cut 16-bit integer", Bytes({0x03, 0x01}), false, "Stream read error"},
        {"short text longer than the data", Bytes({0x06, 0x05, 'a'}), true, "Stream read error"},
        {"missing short length", Bytes({0x06}), true, "Stream read error"},
        {"huge long text", Bytes({0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}), true, "Stream read error"},
        {"huge UTF-16 text", Bytes({0x12, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}), true,
         "Stream read error"},
        {"odd UTF-16 payload", Bytes({0x12, 0x02, 0, 0, 0, 'a', 0, 'b'}), true,
         "Stream read error"},
        {"huge UTF-8 text", Bytes({0x14, 0x00, 0x00, 0x00, 0x80}), true, "Stream read error"},
    };
    for (const BadValueCase& c : cases) {
        PlugInValueReader reader(c.Data);
        try {
            if (c.AsText)
                reader.ReadText();
            else
                reader.ReadInteger();
            ADD_FAILURE() << c.What << ": no error";
        } catch (const LumoraError& e) {
            EXPECT_EQ(e.what(), c.Message) << c.What;
        }
    }
}

TEST(PlugInValueWriter, WritesTheSmallestIntegerAndTextForms)
{
    PlugInValueWriter w;
    w.WriteInteger(-128);
    w.WriteInteger(128);
    w.WriteInteger(-40000);
    w.WriteText("ab");
    w.WriteText(QString(300, 'x'));
    const QByteArray& d = w.Data();
    EXPECT_EQ(d.left(10), Bytes({0x02, 0x80, 0x03, 0x80, 0x00, 0x04, 0xC0, 0x63, 0xFF, 0xFF}));
    EXPECT_EQ(d.mid(10, 4), Bytes({0x06, 0x02, 'a', 'b'}));
    EXPECT_EQ(d.mid(14, 5), Bytes({0x0C, 0x2C, 0x01, 0x00, 0x00}));
    EXPECT_THROW(w.WriteText(QString::fromUtf8("к")), LumoraError);
}

TEST(PlugInFile, EncodedPlugInReadsBackFieldForField)
{
    PlugInFile read;
    ASSERT_EQ(ReadPlugIn(EncodePlugIn(SamplePlugIn()), read), PlugInFileState::Usable);
    EXPECT_EQ(read, SamplePlugIn());
}

TEST(PlugInFile, UnicodeTextsOfAFileReadAsTheCodePageHoldsThem)
{
    PlugInValueWriter w;
    w.WriteListStart();
    w.WriteUtf8Text(QLatin1String(kPlugInMagic));
    w.WriteUtf16Text(QLatin1String(kPlugInVersion));
    w.WriteText("h1");
    w.WriteText("h2");
    w.WriteBoolean(true);
    w.WriteInteger(1);
    w.WriteUtf16Text("GET(#01,1)");
    w.WriteUtf8Text(QString::fromUtf8("Stern ★"));
    w.WriteInteger(0);
    for (int i = 0; i < 4; ++i)
        w.WriteUtf16Text(QString::fromUtf8("Zoë"));
    w.WriteInteger(300);
    w.WriteInteger(-70000);
    w.WriteUtf8Text("end");
    PlugInFile read;
    ASSERT_EQ(ReadPlugIn(w.Data(), read), PlugInFileState::Usable);
    EXPECT_EQ(read.Script, QStringList{"GET(#01,1)"});
    EXPECT_EQ(read.PlugInName, "Stern ?");
    EXPECT_TRUE(read.Description.isEmpty());
    EXPECT_EQ(read.Internet, QString::fromUtf8("Zoë"));
}

// Builds a file from the sample, with one part replaced.
struct Variant
{
    bool ListStart = true;
    QString Magic = QLatin1String(kPlugInMagic);
    QString Version = QLatin1String(kPlugInVersion);
    int FlagByte = PlugInValueTag::True;
    int32_t LineCount = 5;
    bool LineAsInteger = false;
};

QByteArray Build(const Variant& v)
{
    const PlugInFile p = SamplePlugIn();
    PlugInValueWriter w;
    if (v.ListStart)
        w.WriteListStart();
    else
        w.WriteRaw(Bytes({0x02}));
    w.WriteText(v.Magic);
    w.WriteText(v.Version);
    w.WriteText("h1");
    w.WriteText("h2");
    w.WriteRaw(Bytes({v.FlagByte}));
    w.WriteInteger(v.LineCount);
    for (const QString& line : p.Script) {
        if (v.LineAsInteger)
            w.WriteInteger(7);
        else
            w.WriteText(line);
    }
    w.WriteText(p.PlugInName);
    w.WriteInteger(0);
    for (int i = 0; i < 4; ++i)
        w.WriteText("x");
    w.WriteInteger(0);
    w.WriteInteger(0);
    w.WriteText("");
    return w.Data();
}

struct FileCase
{
    const char* What;
    Variant Change;
    PlugInFileState Expected; // Usable here stands for "reports an error"
    bool Throws;
};

TEST(PlugInFile, HeaderChecksAndDamagedParts)
{
    const auto variant = [](auto change) {
        Variant v;
        change(v);
        return v;
    };
    const std::vector<FileCase> cases = {
        {"intact", Variant{}, PlugInFileState::Usable, false},
        {"no list start", variant([](Variant& v) { v.ListStart = false; }),
         PlugInFileState::NotAPlugIn, false},
        {"magic in another case", variant([](Variant& v) { v.Magic = "Lumora lpi datei"; }),
         PlugInFileState::NotAPlugIn, false},
        {"other version", variant([](Variant& v) { v.Version = "1.1"; }),
         PlugInFileState::NotAPlugIn, false},
        {"has-script false", variant([](Variant& v) { v.FlagByte = PlugInValueTag::False; }),
         PlugInFileState::NoScript, false},
        {"has-script some other byte", variant([](Variant& v) { v.FlagByte = 0x02; }),
         PlugInFileState::NoScript, false},
        {"negative line count", variant([](Variant& v) { v.LineCount = -1; }),
         PlugInFileState::Usable, true},
        {"line count beyond the data", variant([](Variant& v) { v.LineCount = 0x7FFFFFFF; }),
         PlugInFileState::Usable, true},
        {"script line as integer", variant([](Variant& v) { v.LineAsInteger = true; }),
         PlugInFileState::Usable, true},
    };
    for (const FileCase& c : cases) {
        PlugInFile read;
        if (c.Throws) {
            EXPECT_THROW(ReadPlugIn(Build(c.Change), read), LumoraError) << c.What;
        } else {
            EXPECT_EQ(ReadPlugIn(Build(c.Change), read), c.Expected) << c.What;
        }
    }
}

TEST(PlugInFile, EveryTruncationIsNoPlugInOrAnError)
{
    const QByteArray whole = EncodePlugIn(SamplePlugIn());
    const qsizetype header = HeaderLength();
    for (qsizetype length = 0; length < whole.size(); ++length) {
        PlugInFile read;
        if (length < header) {
            EXPECT_EQ(ReadPlugIn(whole.left(length), read), PlugInFileState::NotAPlugIn) << length;
        } else {
            EXPECT_THROW(ReadPlugIn(whole.left(length), read), LumoraError) << length;
        }
        EXPECT_EQ(read, PlugInFile{}) << "contents changed at length " << length;
    }
}

TEST(PlugInFile, CorruptedBytesNeverCrash)
{
    const QByteArray whole = EncodePlugIn(SamplePlugIn());
    uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 134775813u + 1u;
        return seed >> 8;
    };
    int usable = 0;
    int errors = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = whole;
        const int flips = 1 + static_cast<int>(next() % 4);
        for (int i = 0; i < flips; ++i)
            damaged[static_cast<qsizetype>(next() % static_cast<uint32_t>(damaged.size()))] =
                static_cast<char>(next());
        PlugInFile read;
        QString name;
        try {
            usable += ReadPlugIn(damaged, read) == PlugInFileState::Usable ? 1 : 0;
        } catch (const LumoraError&) {
            ++errors;
        }
        CheckPlugInFunction(damaged, name);
    }
    // Both outcomes occur, so the damage reached the reader's checks.
    EXPECT_GT(usable, 0);
    EXPECT_GT(errors, 0);
}

TEST(PlugInFile, CheckReadsOnlyUpToTheName)
{
    const QByteArray whole = EncodePlugIn(SamplePlugIn());
    QString name;
    EXPECT_TRUE(CheckPlugInFunction(whole, name));
    EXPECT_EQ(name, "Bars");

    // Cut right after the name: listed, but reading it whole reports the damage.
    const QByteArray cut = whole.left(whole.indexOf("Bars") + 4);
    name.clear();
    EXPECT_TRUE(CheckPlugInFunction(cut, name));
    EXPECT_EQ(name, "Bars");
    PlugInFile read;
    EXPECT_THROW(ReadPlugIn(cut, read), LumoraError);

    Variant noScript;
    noScript.FlagByte = PlugInValueTag::False;
    EXPECT_FALSE(CheckPlugInFunction(Build(noScript), name));
    EXPECT_FALSE(CheckPlugInFunction(whole.left(whole.indexOf("Bars") + 2), name));
    Variant badVersion;
    badVersion.Version = "2.0";
    EXPECT_FALSE(CheckPlugInFunction(Build(badVersion), name));
}

TEST(PlugInFile, FilesOnDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&dir](const QString& name, const QByteArray& data) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return dir.filePath(name);
    };
    const QByteArray whole = EncodePlugIn(SamplePlugIn());
    const QString good = write("good.lpi", whole);
    const QString damaged = write("damaged.lpi", whole.left(whole.size() - 3));

    PlugInFile read;
    EXPECT_EQ(ReadPlugInFile(good, read), PlugInFileState::Usable);
    EXPECT_EQ(read, SamplePlugIn());
    try {
        ReadPlugInFile(damaged, read);
        ADD_FAILURE() << "damaged file read without error";
    } catch (const LumoraError& e) {
        EXPECT_NE(std::string(e.what()).find("damaged.lpi"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Stream read error"), std::string::npos) << e.what();
    }
    QString name;
    EXPECT_FALSE(CheckPlugInFunction(dir.filePath("missing.lpi"), name));
    EXPECT_THROW(ReadPlugInFile(dir.filePath("missing.lpi"), read), LumoraError);

    // An oversized file is refused before it is read.
    QByteArray huge = whole;
    huge.resize(kMaxPlugInFileSize + 1, '\0');
    const QString big = write("big.lpi", huge);
    EXPECT_FALSE(CheckPlugInFunction(big, name));
    EXPECT_THROW(ReadPlugInFile(big, read), LumoraError);
}

} // namespace
} // namespace lumora
