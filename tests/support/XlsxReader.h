#pragma once
// Reads back what a test wrote as an .xlsx workbook: a zip archive of XML parts.
// Enough of the format for the tests: the sheet names, per cell its number or
// text as written, the number format of its style and whether it is ruled, and
// the attributes and texts of the parts' elements (page setup, properties).

#include "support/TestSupport.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>
#include <zlib.h>

namespace tessaro::test {

class XlsxReader {
public:
    struct Cell {
        bool isNumber = false;
        double number = 0;
        QString text;
        QString format; // number format code of the cell's style ("General" when none)
        QString written; // the value as the file holds it ("8.86")
    };

    explicit XlsxReader(const QString& path)
        : zip_(fileBytes(path))
    {
        // The central directory: where each part's data starts and how it is packed.
        const qsizetype end = zip_.lastIndexOf(QByteArray("PK\x05\x06", 4));
        valid_ = end >= 0;
        qsizetype at = valid_ ? le(end + 16, 4) : 0;
        for (int i = 0, count = valid_ ? int(le(end + 10, 2)) : 0; i < count && valid_; ++i) {
            valid_ = zip_.mid(at, 4) == QByteArray("PK\x01\x02", 4);
            const qsizetype name = le(at + 28, 2), header = le(at + 42, 4);
            entries_.insert(QString::fromUtf8(zip_.mid(at + 46, name)),
                { quint16(le(at + 10, 2)), le(at + 20, 4), le(at + 24, 4),
                    header + 30 + le(header + 26, 2) + le(header + 28, 2) });
            at += 46 + name + le(at + 30, 2) + le(at + 32, 2);
        }
        forEachStart("xl/workbook.xml", "sheet", [&](QXmlStreamReader& x) { sheetNames_ << attribute(x, "name"); });
        forEachStart("xl/sharedStrings.xml", "t", [&](QXmlStreamReader& x) { strings_ << x.readElementText(); });
        QXmlStreamReader styles(part("xl/styles.xml"));
        for (bool inCellXfs = false; !styles.atEnd();) {
            styles.readNext();
            if (styles.isStartElement() && styles.name() == QLatin1String("numFmt"))
                formats_.insert(attribute(styles, "numFmtId").toInt(), attribute(styles, "formatCode"));
            else if (styles.name() == QLatin1String("cellXfs"))
                inCellXfs = styles.isStartElement();
            else if (inCellXfs && styles.isStartElement() && styles.name() == QLatin1String("xf")) {
                styleFormats_ << attribute(styles, "numFmtId").toInt();
                styleBorders_ << attribute(styles, "borderId").toInt();
            }
        }
    }

    bool valid() const { return valid_; }
    QStringList sheetNames() const { return sheetNames_; }

    // An attribute of the first element of that name in a part ("xl/worksheets/sheet1.xml").
    QString attributeOf(const QString& partName, const char* element, const char* name) const
    {
        QString value;
        forEachStart(partName, element, [&](QXmlStreamReader& x) {
            if (value.isNull())
                value = attribute(x, name);
        });
        return value;
    }
    // The text of the first element of that name in a part.
    QString textOf(const QString& partName, const char* element) const
    {
        QString text;
        forEachStart(partName, element, [&](QXmlStreamReader& x) {
            if (text.isNull())
                text = x.readElementText();
        });
        return text;
    }

    // Cells of the first sheet with a border, written or empty, by (column, row).
    QSet<std::pair<int, int>> ruledCells() const
    {
        QSet<std::pair<int, int>> ruled;
        forEachStart("xl/worksheets/sheet1.xml", "c", [&](QXmlStreamReader& x) {
            if (styleBorders_.value(attribute(x, "s").toInt()) != 0)
                ruled.insert(cellRef(attribute(x, "r")));
        });
        return ruled;
    }

    // Cells of a sheet by (column, row), both 0-based.
    QMap<std::pair<int, int>, Cell> sheet(const QString& name) const
    {
        QMap<std::pair<int, int>, Cell> cells;
        const int at = int(sheetNames_.indexOf(name));
        if (at < 0)
            return cells;
        std::pair<int, int> ref;
        QString type;
        Cell cell;
        QXmlStreamReader xml(part(QStringLiteral("xl/worksheets/sheet%1.xml").arg(at + 1)));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("c")) {
                ref = cellRef(attribute(xml, "r"));
                type = attribute(xml, "t");
                cell = Cell { false, 0, {}, formatOfStyle(attribute(xml, "s").toInt()), {} };
            }
            else if (xml.isStartElement() && (xml.name() == QLatin1String("v") || xml.name() == QLatin1String("t"))) {
                const QString v = xml.readElementText();
                cell.written = v;
                cell.isNumber = type.isEmpty() || type == QLatin1String("n");
                cell.number = cell.isNumber ? v.toDouble() : 0;
                cell.text = type == QLatin1String("s") ? strings_.value(v.toInt()) : cell.isNumber ? QString() : v;
            }
            else if (xml.isEndElement() && xml.name() == QLatin1String("c") && (cell.isNumber || !cell.text.isEmpty()))
                cells.insert(ref, cell);
        }
        return cells;
    }

private:
    struct Entry {
        quint16 method;
        quint32 compressed, size;
        qsizetype data;
    };

    quint32 le(qsizetype at, int bytes) const
    {
        quint32 v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = (v << 8) | quint8(zip_.at(at + i));
        return v;
    }

    QByteArray part(const QString& name) const
    {
        auto it = entries_.find(name);
        if (it == entries_.end())
            return {};
        QByteArray packed = zip_.mid(it->data, it->compressed);
        if (it->method == 0)
            return packed;
        QByteArray out(qsizetype(it->size), '\0');
        z_stream z {};
        inflateInit2(&z, -MAX_WBITS); // raw deflate, as zip stores it
        z.next_in = reinterpret_cast<Bytef*>(packed.data());
        z.avail_in = uInt(packed.size());
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = uInt(out.size());
        const int status = inflate(&z, Z_FINISH);
        inflateEnd(&z);
        return status == Z_STREAM_END ? out : QByteArray();
    }

    template <class F> void forEachStart(const QString& partName, const char* element, F f) const
    {
        QXmlStreamReader xml(part(partName));
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String(element))
                f(xml);
    }

    static QString attribute(const QXmlStreamReader& xml, const char* name)
    {
        return xml.attributes().value(QLatin1String(name)).toString();
    }

    static std::pair<int, int> cellRef(const QString& ref)
    {
        int col = 0, i = 0;
        for (; i < ref.size() && ref[i].isLetter(); ++i)
            col = col * 26 + (ref[i].unicode() - 'A' + 1);
        return { col - 1, ref.mid(i).toInt() - 1 };
    }

    QString formatOfStyle(int style) const
    {
        const int id = styleFormats_.value(style, 0);
        static const QHash<int, QString> builtIn { { 0, "General" }, { 1, "0" }, { 2, "0.00" }, { 3, "#,##0" },
            { 4, "#,##0.00" } };
        return formats_.contains(id) ? formats_.value(id) : builtIn.value(id, QStringLiteral("builtin %1").arg(id));
    }

    QByteArray zip_;
    bool valid_ = false;
    QHash<QString, Entry> entries_;
    QStringList sheetNames_, strings_;
    QHash<int, QString> formats_;
    QList<int> styleFormats_;
    QList<int> styleBorders_;
};

} // namespace tessaro::test
