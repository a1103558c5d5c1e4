#pragma once
// Shared by the picture-file tests: fixture access and the reference
// pictures (binary PPM) that the fixture-making programs decoded.

#include "imageio/bitmap.h"
#include "imageio/palette_precision.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace lumora::test {

inline QString FixturePath(const char* name)
{
    return QStringLiteral(LUMORA_FIXTURES_DIR "/imageio/") + QString::fromUtf8(name);
}

inline QByteArray FixtureBytes(const char* name)
{
    QFile file(FixturePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

struct ReferencePicture
{
    int Width = 0;
    int Height = 0;
    int MaxValue = 0;
    std::vector<uint8_t> Rgb; // top row first, red, green, blue
};

// Binary PPM (P6) with one byte per sample, as the fixture script writes.
inline ReferencePicture ReadReferencePpm(const char* name)
{
    const QByteArray bytes = FixtureBytes(name);
    std::istringstream header(bytes.toStdString());
    std::string magic;
    ReferencePicture ref;
    header >> magic >> ref.Width >> ref.Height >> ref.MaxValue;
    EXPECT_EQ(magic, "P6") << name;
    EXPECT_LT(ref.MaxValue, 256) << name;
    const auto start = static_cast<qsizetype>(header.tellg()) + 1; // one white-space byte
    const auto size = static_cast<size_t>(ref.Width) * static_cast<size_t>(ref.Height) * 3;
    EXPECT_EQ(static_cast<size_t>(bytes.size() - start), size) << name;
    ref.Rgb.assign(bytes.begin() + start, bytes.end());
    return ref;
}

// How a reader's pixels relate to the reference: the same bytes, palette
// components kept with 6 bits, or 5-bit components multiplied by 8 (the
// reference widened them to the full range, v * 255 / 31 rounded).
enum class Expect
{
    Exact,
    SixBitPalette,
    FiveBitTimesEight,
};

inline uint8_t Expected(uint8_t reference, Expect rule)
{
    switch (rule) {
    case Expect::Exact:
        return reference;
    case Expect::SixBitPalette:
        return KeepSixBits(reference);
    case Expect::FiveBitTimesEight:
        return static_cast<uint8_t>((reference * 31 + 127) / 255 * 8);
    }
    return reference;
}

inline void ExpectMatchesReference(const Bitmap& picture, const ReferencePicture& ref, Expect rule)
{
    ASSERT_EQ(picture.Width(), ref.Width);
    ASSERT_EQ(picture.Height(), ref.Height);
    int mismatches = 0;
    for (int y = 0; y < ref.Height; ++y)
        for (int x = 0; x < ref.Width; ++x) {
            const uint8_t* r = ref.Rgb.data() + 3 * (static_cast<size_t>(y) * ref.Width + x);
            const Colour want =
                MakeColour(Expected(r[0], rule), Expected(r[1], rule), Expected(r[2], rule));
            const Colour got = picture.PixelColour(x, y);
            if (got != want && ++mismatches <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): got 0x" << std::hex << got
                              << ", want 0x" << want;
        }
    EXPECT_EQ(mismatches, 0);
}

inline Bitmap PatternPicture(int width, int height)
{
    Bitmap picture = Bitmap::TrueColour(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = picture.Row(y) + 3 * x;
            p[0] = static_cast<uint8_t>(x * 40 + y);          // blue
            p[1] = static_cast<uint8_t>(y * 70 + 5);          // green
            p[2] = static_cast<uint8_t>(x * 11 + y * 90 + 1); // red
        }
    return picture;
}

// A test-name suffix made of the letters and digits of a case's name.
inline std::string CaseName(const char* name)
{
    std::string out;
    for (const char* p = name; *p; ++p)
        if (std::isalnum(static_cast<unsigned char>(*p)))
            out += *p;
        else if (!out.empty() && out.back() != '_')
            out += '_';
    return out;
}

inline uint16_t U16At(const QByteArray& b, qsizetype at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1])
                                                                   << 8);
}

inline uint32_t U32At(const QByteArray& b, qsizetype at)
{
    return U16At(b, at) | static_cast<uint32_t>(U16At(b, at + 2)) << 16;
}

inline void SetU16(QByteArray& b, qsizetype at, uint16_t v)
{
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}

} // namespace lumora::test
