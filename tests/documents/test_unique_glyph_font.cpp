// The print faces' rewriting: every character of IPAex gets a glyph of its own
// (rewriting the rewritten font changes nothing more), and font data that is
// not a TrueType font with outlines, or is damaged, is refused without harm.

#include "documents/UniqueGlyphFont.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

quint32 bigEndian(const QByteArray& d, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | quint8(d.at(at + i));
    return v;
}

// The glyph count of a TrueType font (its 'maxp' table).
int glyphCount(const QByteArray& font)
{
    for (int i = 0; i < int(bigEndian(font, 4, 2)); ++i)
        if (font.mid(12 + 16 * i, 4) == "maxp")
            return int(bigEndian(font, bigEndian(font, 12 + 16 * i + 8, 4) + 4, 2));
    return 0;
}

} // namespace

TEST(UniqueGlyphFont, EveryCharacterGetsAGlyphOfItsOwn)
{
    const QByteArray ipaex = test::fileBytes("/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf");
    ASSERT_FALSE(ipaex.isEmpty()) << "fonts-ipaexfont-gothic (scripts/setup-deps.sh)";
    QString error;
    const auto once = report::withUniqueGlyphs(ipaex, "Tessaro Gothic", &error);
    ASSERT_TRUE(once) << error.toStdString();
    // Characters sharing a glyph (工 and the radical ⼯, ～ and 〜, …) got copies.
    EXPECT_GT(glyphCount(*once), glyphCount(ipaex) + 200);
    // Rewritten again, the font has no glyph left to share: it stays as it is.
    const auto twice = report::withUniqueGlyphs(*once, "Tessaro Gothic", &error);
    ASSERT_TRUE(twice) << error.toStdString();
    EXPECT_TRUE(*twice == *once);

    // Damaged data: cut short anywhere, or with bytes changed, it is refused or
    // rewritten, never a crash.
    const QByteArray cases[] = { {}, "not a font", ipaex.left(12), ipaex.left(4000), ipaex.left(ipaex.size() / 2) };
    for (const QByteArray& data : cases)
        EXPECT_FALSE(report::withUniqueGlyphs(data, "X", &error)) << data.size();
    EXPECT_FALSE(error.isEmpty());
    for (int seed = 1; seed <= 10; ++seed) {
        QByteArray damaged = ipaex;
        for (int k = 0; k < 8; ++k)
            damaged[qsizetype((quint64(seed) * 2654435761u + quint64(k) * 40503u) % 2000)] = char(seed * 31 + k);
        report::withUniqueGlyphs(damaged, "X", &error);
    }
}
