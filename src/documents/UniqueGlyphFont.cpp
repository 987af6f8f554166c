#include "documents/UniqueGlyphFont.h"

#include <QtEndian>
#include <map>
#include <vector>

namespace tessaro::report {
namespace {

// Thrown inside the rewriting only; withUniqueGlyphs turns it into its error text.
struct FontError {
    QString text;
};

// The font's tables by tag, in the order the table directory lists them.
using Tables = std::map<QByteArray, QByteArray>;
using CharacterMap = std::map<char32_t, quint16>;

struct Metric {
    quint16 advance;
    quint16 bearing;
};

void need(const QByteArray& d, qsizetype at, qsizetype bytes)
{
    if (at < 0 || at + bytes > d.size())
        throw FontError { QStringLiteral("the font data is cut short") };
}

quint16 u16(const QByteArray& d, qsizetype at)
{
    need(d, at, 2);
    return quint16(quint8(d[at]) << 8 | quint8(d[at + 1]));
}

quint32 u32(const QByteArray& d, qsizetype at)
{
    return quint32(u16(d, at)) << 16 | u16(d, at + 2);
}

void put16(QByteArray& d, qsizetype at, quint16 v)
{
    need(d, at, 2);
    qToBigEndian(v, d.data() + at);
}

void put32(QByteArray& d, qsizetype at, quint32 v)
{
    need(d, at, 4);
    qToBigEndian(v, d.data() + at);
}

void append16(QByteArray& d, quint16 v)
{
    d.append(2, '\0');
    put16(d, d.size() - 2, v);
}

void append32(QByteArray& d, quint32 v)
{
    d.append(4, '\0');
    put32(d, d.size() - 4, v);
}

void padToFour(QByteArray& d)
{
    d.append((4 - d.size() % 4) % 4, '\0');
}

QByteArray& table(Tables& tables, const char* tag)
{
    auto it = tables.find(tag);
    if (it == tables.end())
        throw FontError { QStringLiteral("the font has no '%1' table").arg(QLatin1String(tag)) };
    return it->second;
}

Tables readTables(const QByteArray& font)
{
    const quint32 version = u32(font, 0);
    if (version != 0x00010000 && version != 0x74727565) // 1.0 or 'true'
        throw FontError { QStringLiteral("not a TrueType font") };
    Tables tables;
    for (int i = 0, count = u16(font, 4); i < count; ++i) {
        const qsizetype record = 12 + 16 * i;
        const qsizetype offset = u32(font, record + 8), length = u32(font, record + 12);
        need(font, offset, length);
        tables[font.mid(record, 4)] = font.mid(offset, length);
    }
    return tables;
}

// ---- Character map --------------------------------------------------------

CharacterMap readFormat12(const QByteArray& d, qsizetype at)
{
    CharacterMap map;
    for (quint32 i = 0, groups = u32(d, at + 12); i < groups; ++i) {
        const qsizetype group = at + 16 + 12 * qsizetype(i);
        const quint32 first = u32(d, group), last = u32(d, group + 4), glyph = u32(d, group + 8);
        if (last < first || last > 0x10FFFF)
            throw FontError { QStringLiteral("a character map group is out of range") };
        for (quint32 c = first; c <= last; ++c)
            map[c] = quint16(glyph + (c - first));
    }
    return map;
}

CharacterMap readFormat4(const QByteArray& d, qsizetype at)
{
    CharacterMap map;
    const int segments = u16(d, at + 6) / 2;
    const qsizetype ends = at + 14, starts = ends + 2 * segments + 2;
    const qsizetype deltas = starts + 2 * segments, ranges = deltas + 2 * segments;
    for (int s = 0; s < segments; ++s) {
        const quint32 first = u16(d, starts + 2 * s), last = u16(d, ends + 2 * s);
        const quint16 delta = u16(d, deltas + 2 * s), range = u16(d, ranges + 2 * s);
        for (quint32 c = first; c <= last && c != 0xFFFF; ++c) {
            quint16 glyph = range == 0 ? quint16(c + delta) : u16(d, ranges + 2 * s + range + 2 * (c - first));
            if (range != 0 && glyph != 0)
                glyph = quint16(glyph + delta);
            if (glyph != 0)
                map[c] = glyph;
        }
    }
    return map;
}

// The fullest Unicode map of the font: a 32-bit one (format 12) before a 16-bit one (format 4).
CharacterMap readCharacterMap(const QByteArray& cmap)
{
    qsizetype best = -1;
    quint16 bestFormat = 0;
    for (int i = 0, count = u16(cmap, 2); i < count; ++i) {
        const qsizetype record = 4 + 8 * i;
        const quint16 platform = u16(cmap, record), encoding = u16(cmap, record + 2);
        const qsizetype at = u32(cmap, record + 4);
        const quint16 format = u16(cmap, at);
        const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
        if (unicode && (format == 4 || format == 12) && format > bestFormat) {
            best = at;
            bestFormat = format;
        }
    }
    if (best < 0)
        throw FontError { QStringLiteral("the font has no Unicode character map") };
    return bestFormat == 12 ? readFormat12(cmap, best) : readFormat4(cmap, best);
}

// One format-12 map, listed for the Unicode and the Windows platform.
QByteArray characterMapTable(const CharacterMap& map)
{
    QByteArray groups;
    quint32 count = 0;
    for (auto it = map.begin(); it != map.end(); ++count) {
        const char32_t first = it->first;
        const quint16 glyph = it->second;
        char32_t last = first;
        for (++it; it != map.end() && it->first == last + 1 && it->second == glyph + (it->first - first); ++it)
            last = it->first;
        append32(groups, first);
        append32(groups, last);
        append32(groups, glyph);
    }
    QByteArray t;
    append16(t, 0);
    append16(t, 2);
    for (auto [platform, encoding] : { std::pair { 0, 4 }, { 3, 10 } }) {
        append16(t, quint16(platform));
        append16(t, quint16(encoding));
        append32(t, 20);
    }
    append16(t, 12);
    append16(t, 0);
    append32(t, quint32(16 + groups.size()));
    append32(t, 0);
    append32(t, count);
    return t + groups;
}

// ---- Glyphs and metrics -----------------------------------------------------

std::vector<quint32> readGlyphOffsets(const QByteArray& loca, bool longOffsets, int glyphs)
{
    std::vector<quint32> offsets;
    for (int g = 0; g <= glyphs; ++g)
        offsets.push_back(longOffsets ? u32(loca, 4 * g) : 2u * u16(loca, 2 * g));
    return offsets;
}

std::vector<Metric> readMetrics(const QByteArray& mtx, int longMetrics, int glyphs)
{
    if (longMetrics < 1)
        throw FontError { QStringLiteral("the font has no glyph metrics") };
    std::vector<Metric> metrics;
    for (int g = 0; g < glyphs; ++g)
        metrics.push_back(g < longMetrics
                ? Metric { u16(mtx, 4 * g), u16(mtx, 4 * g + 2) }
                : Metric { metrics.back().advance, u16(mtx, 4 * longMetrics + 2 * (g - longMetrics)) });
    return metrics;
}

QByteArray metricsTable(const std::vector<Metric>& metrics)
{
    QByteArray t;
    for (const Metric& m : metrics) {
        append16(t, m.advance);
        append16(t, m.bearing);
    }
    return t;
}

// ---- Names --------------------------------------------------------------------

QString utf16(const QByteArray& d, qsizetype at, qsizetype bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes; i += 2)
        text += QChar(u16(d, at + i));
    return text;
}

// The original's copyright, version and licence (Windows, English) under the new family name.
QByteArray nameTable(const QByteArray& original, const QString& family)
{
    std::map<quint16, QString> names;
    const qsizetype strings = u16(original, 4);
    for (int i = 0, count = u16(original, 2); i < count; ++i) {
        const qsizetype r = 6 + 12 * i;
        const quint16 id = u16(original, r + 6);
        const bool windowsEnglish = u16(original, r) == 3 && u16(original, r + 2) == 1 && u16(original, r + 4) == 0x409;
        if (windowsEnglish && (id == 0 || id == 5 || id == 13 || id == 14))
            names[id] = utf16(original, strings + u16(original, r + 10), u16(original, r + 8));
    }
    names[1] = family;
    names[2] = QStringLiteral("Regular");
    names[3] = family + QLatin1Char(' ') + names[5];
    names[4] = family;
    names[6] = QString(family).remove(QLatin1Char(' '));
    QByteArray records, text;
    for (const auto& [id, name] : names) {
        for (quint16 v : { 3, 1, 0x409, int(id), int(2 * name.size()), int(text.size()) })
            append16(records, v);
        for (QChar c : name)
            append16(text, c.unicode());
    }
    QByteArray t;
    append16(t, 0);
    append16(t, quint16(names.size()));
    append16(t, quint16(6 + records.size()));
    return t + records + text;
}

// ---- The font file ----------------------------------------------------------

quint32 checksum(const QByteArray& d)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i < d.size(); i += 4) {
        quint32 word = 0;
        for (qsizetype b = i; b < i + 4; ++b)
            word = (word << 8) | (b < d.size() ? quint8(d[b]) : 0u);
        sum += word;
    }
    return sum;
}

QByteArray assemble(Tables& tables)
{
    put32(table(tables, "head"), 8, 0); // the whole font's checksum adjustment, set below
    const int count = int(tables.size());
    int power = 1, log = 0;
    for (; power * 2 <= count; power *= 2)
        ++log;
    QByteArray font;
    append32(font, 0x00010000);
    for (int v : { count, 16 * power, log, 16 * (count - power) })
        append16(font, quint16(v));
    QByteArray body;
    qsizetype headAt = 0;
    for (auto& [tag, data] : tables) {
        const qsizetype at = 12 + 16 * count + body.size();
        if (tag == "head")
            headAt = at;
        font += tag;
        append32(font, checksum(data));
        append32(font, quint32(at));
        append32(font, quint32(data.size()));
        body += data;
        padToFour(body);
    }
    font += body;
    put32(font, headAt + 8, 0xB1B0AFBA - checksum(font));
    return font;
}

QByteArray rewrite(const QByteArray& font, const QString& family)
{
    Tables t = readTables(font);
    CharacterMap map = readCharacterMap(table(t, "cmap"));
    const int glyphs = u16(table(t, "maxp"), 4);
    std::vector<quint32> offsets = readGlyphOffsets(table(t, "loca"), u16(table(t, "head"), 50) == 1, glyphs);
    QByteArray glyf = table(t, "glyf");
    need(glyf, 0, offsets.back());
    glyf.truncate(offsets.back());
    std::vector<Metric> across = readMetrics(table(t, "hmtx"), u16(table(t, "hhea"), 34), glyphs);
    const bool vertical = t.count("vhea") && t.count("vmtx");
    std::vector<Metric> down = vertical ? readMetrics(t["vmtx"], u16(t["vhea"], 34), glyphs) : std::vector<Metric> {};

    // The first character of a glyph keeps it; each further one gets a copy.
    std::vector<bool> taken(std::size_t(glyphs), false);
    for (auto& [c, glyph] : map) {
        if (glyph >= glyphs)
            throw FontError { QStringLiteral("the character map names a glyph the font does not have") };
        if (!taken[glyph]) {
            taken[glyph] = true;
            continue;
        }
        if (offsets.size() > 0xFFFF)
            throw FontError { QStringLiteral("too many glyphs") };
        glyf += glyf.mid(offsets[glyph], offsets[glyph + 1] - offsets[glyph]);
        padToFour(glyf);
        offsets.push_back(quint32(glyf.size()));
        across.push_back(across[glyph]);
        if (vertical)
            down.push_back(down[glyph]);
        glyph = quint16(offsets.size() - 2);
    }

    const auto total = quint16(offsets.size() - 1);
    QByteArray loca;
    for (quint32 offset : offsets)
        append32(loca, offset);
    t["glyf"] = glyf;
    t["loca"] = loca;
    put16(table(t, "head"), 50, 1); // 32-bit glyph offsets
    put16(table(t, "maxp"), 4, total);
    t["hmtx"] = metricsTable(across);
    put16(table(t, "hhea"), 34, total);
    if (vertical) {
        t["vmtx"] = metricsTable(down);
        put16(t["vhea"], 34, total);
    }
    QByteArray& post = table(t, "post");
    need(post, 0, 32);
    post.truncate(32);
    put32(post, 0, 0x00030000); // no glyph names
    t["cmap"] = characterMapTable(map);
    t["name"] = nameTable(table(t, "name"), family);
    // Tables with an entry per glyph of the original, and its signature.
    for (const char* tag : { "hdmx", "LTSH", "DSIG" })
        t.erase(tag);
    return assemble(t);
}

} // namespace

std::optional<QByteArray> withUniqueGlyphs(const QByteArray& trueType, const QString& family, QString* error)
{
    try {
        return rewrite(trueType, family);
    }
    catch (const FontError& e) {
        *error = e.text;
        return std::nullopt;
    }
}

} // namespace tessaro::report
