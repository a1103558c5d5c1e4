#include "app/language_file.h"

#include "app/language_code_table.h"
#include "common/lumora_error.h"
#include "stream/windows1252.h"

#include <QFile>
#include <cstring>
#include <vector>

namespace lumora {

namespace {

class LanguageFileReader
{
public:
    explicit LanguageFileReader(std::span<const uint8_t> data) : data_(data) {}

    void Require(size_t count) const
    {
        if (count > data_.size() - position_)
            Damaged();
    }

    uint8_t ReadByte()
    {
        Require(1);
        return data_[position_++];
    }

    int32_t ReadInt32()
    {
        Require(4);
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | data_[position_ + static_cast<size_t>(i)];
        position_ += 4;
        return static_cast<int32_t>(v);
    }

    std::span<const uint8_t> ReadBytes(size_t count)
    {
        Require(count);
        const auto bytes = data_.subspan(position_, count);
        position_ += count;
        return bytes;
    }

    size_t Remaining() const { return data_.size() - position_; }

    [[noreturn]] static void Damaged() { throw LumoraError("The language file is damaged."); }

private:
    std::span<const uint8_t> data_;
    size_t position_ = 0;
};

void CheckMagic(LanguageFileReader& in)
{
    const auto magic = in.ReadBytes(kLanguageMagicSize);
    if (std::memcmp(magic.data(), kLanguageMagic, kLanguageMagicSize) != 0)
        throw LumoraError("The file is not a Lumora R2 language file.");
}

void CheckVersion(LanguageFileReader& in)
{
    const int32_t length = in.ReadInt32();
    if (length < 0 || static_cast<size_t>(length) > in.Remaining())
        LanguageFileReader::Damaged();
    const auto version = in.ReadBytes(static_cast<size_t>(length));
    if (version.size() != std::strlen(kLanguageFormatVersion) ||
        std::memcmp(version.data(), kLanguageFormatVersion, version.size()) != 0)
        throw LumoraError("The language file has a format version this program cannot read.");
}

// Appends the decimal digits of b to a: 2 and 28 give 228.
int JoinDecimal(int a, int b)
{
    int scale = 10;
    while (b >= scale)
        scale *= 10;
    return a * scale + b;
}

uint8_t TableEntry(const LanguageCodeTable& table, uint8_t code)
{
    if (code >= kLanguageCodeCount)
        LanguageFileReader::Damaged();
    return table[code];
}

QString DecodeLine(LanguageFileReader& in, const LanguageCodeTable& table,
                   std::vector<uint8_t>& text)
{
    text.clear();
    for (;;) {
        const uint8_t code = in.ReadByte();
        if (code == kLanguageEndOfLineCode)
            break;
        if (code == kLanguageEscapeCode) {
            const int first = TableEntry(table, in.ReadByte());
            const int second = TableEntry(table, in.ReadByte());
            const int character = JoinDecimal(first, second);
            if (character > 255)
                LanguageFileReader::Damaged();
            text.push_back(static_cast<uint8_t>(character));
        } else {
            text.push_back(TableEntry(table, code));
        }
    }
    return FromWindows1252(text.data(), text.size());
}

} // namespace

LanguageFile DecodeLanguageFile(std::span<const uint8_t> data)
{
    // The table is rebuilt for every read, as the format's key routine
    // does.
    const LanguageCodeTable table = BuildLanguageCodeTable();
    LanguageFileReader in(data);
    CheckMagic(in);
    CheckVersion(in);
    const uint8_t flagA = in.ReadByte();
    const int32_t lineCount = in.ReadInt32();
    // Every line takes at least its end byte, and flag B follows them.
    if (lineCount < 0 || static_cast<size_t>(lineCount) + 1 > in.Remaining())
        LanguageFileReader::Damaged();
    LanguageFile file;
    file.Lines.reserve(lineCount);
    std::vector<uint8_t> text;
    for (int32_t i = 0; i < lineCount; ++i)
        file.Lines.append(DecodeLine(in, table, text));
    const uint8_t flagB = in.ReadByte();
    file.Official = (flagA & flagB) != 0;
    return file;
}

LanguageFile LoadLanguageFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw LumoraError("The language file " + path.toStdString() + " cannot be opened.");
    if (f.size() > kMaxLanguageFileBytes)
        throw LumoraError("The file " + path.toStdString() + " is too large for a language file.");
    const QByteArray bytes = f.read(kMaxLanguageFileBytes + 1);
    if (bytes.size() > kMaxLanguageFileBytes)
        throw LumoraError("The file " + path.toStdString() + " is too large for a language file.");
    return DecodeLanguageFile(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        static_cast<size_t>(bytes.size())));
}

bool ReadLanguageFile(const QString& path, QStringList& lines, bool& official)
{
    lines.clear();
    official = false;
    try {
        LanguageFile file = LoadLanguageFile(path);
        lines = std::move(file.Lines);
        official = file.Official;
        return true;
    } catch (const LumoraError&) {
        return false;
    }
}

} // namespace lumora
