#pragma once
// Reads back what a test wrote as an .xlsx workbook: a zip archive of XML parts.
// Enough of the format for the tests: the sheet names, and per cell its number
// or text and the number format of its style.

#include <QFile>
#include <QHash>
#include <QMap>
#include <QString>
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
    };

    explicit XlsxReader(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return;
        zip_ = f.readAll();
        valid_ = readCentralDirectory();
        if (valid_)
            readBook();
    }

    bool valid() const { return valid_; }
    QStringList sheetNames() const { return sheetNames_; }

    // Cells of a sheet by (column, row), both 0-based.
    QMap<std::pair<int, int>, Cell> sheet(const QString& name) const
    {
        QMap<std::pair<int, int>, Cell> cells;
        const int at = int(sheetNames_.indexOf(name));
        if (at < 0)
            return cells;
        QXmlStreamReader xml(part(QStringLiteral("xl/worksheets/sheet%1.xml").arg(at + 1)));
        std::pair<int, int> ref;
        QString type;
        Cell cell;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("c")) {
                ref = cellRef(xml.attributes().value("r").toString());
                type = xml.attributes().value("t").toString();
                cell = Cell { false, 0, {}, formatOfStyle(xml.attributes().value("s").toInt()) };
            }
            else if (xml.isStartElement() && (xml.name() == QLatin1String("v") || xml.name() == QLatin1String("t"))) {
                const QString v = xml.readElementText();
                if (type == QLatin1String("s"))
                    cell.text = strings_.value(v.toInt());
                else if (type.isEmpty() || type == QLatin1String("n"))
                    cell = Cell { true, v.toDouble(), {}, cell.format };
                else
                    cell.text = v;
            }
            else if (xml.isEndElement() && xml.name() == QLatin1String("c")) {
                if (cell.isNumber || !cell.text.isEmpty())
                    cells.insert(ref, cell);
            }
        }
        return cells;
    }

private:
    struct Entry {
        quint16 method;
        quint32 compressed, size, localHeader;
    };

    static quint32 le(const QByteArray& b, qsizetype at, int bytes)
    {
        quint32 v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = (v << 8) | quint8(b[at + i]);
        return v;
    }

    bool readCentralDirectory()
    {
        const qsizetype end = zip_.lastIndexOf(QByteArray("PK\x05\x06", 4));
        if (end < 0)
            return false;
        const int count = int(le(zip_, end + 10, 2));
        qsizetype at = le(zip_, end + 16, 4);
        for (int i = 0; i < count; ++i) {
            if (zip_.mid(at, 4) != QByteArray("PK\x01\x02", 4))
                return false;
            const int nameLength = int(le(zip_, at + 28, 2));
            const int extra = int(le(zip_, at + 30, 2));
            const int comment = int(le(zip_, at + 32, 2));
            const QString name = QString::fromUtf8(zip_.mid(at + 46, nameLength));
            entries_.insert(name,
                { quint16(le(zip_, at + 10, 2)), le(zip_, at + 20, 4), le(zip_, at + 24, 4), le(zip_, at + 42, 4) });
            at += 46 + nameLength + extra + comment;
        }
        return true;
    }

    QByteArray part(const QString& name) const
    {
        auto it = entries_.find(name);
        if (it == entries_.end())
            return {};
        const qsizetype header = it->localHeader;
        const qsizetype data = header + 30 + le(zip_, header + 26, 2) + le(zip_, header + 28, 2);
        QByteArray packed = zip_.mid(data, it->compressed);
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

    void readBook()
    {
        QXmlStreamReader book(part("xl/workbook.xml"));
        while (!book.atEnd())
            if (book.readNext() == QXmlStreamReader::StartElement && book.name() == QLatin1String("sheet"))
                sheetNames_ << book.attributes().value("name").toString();

        QXmlStreamReader shared(part("xl/sharedStrings.xml"));
        while (!shared.atEnd())
            if (shared.readNext() == QXmlStreamReader::StartElement && shared.name() == QLatin1String("t"))
                strings_ << shared.readElementText();

        QXmlStreamReader styles(part("xl/styles.xml"));
        bool inCellXfs = false;
        while (!styles.atEnd()) {
            styles.readNext();
            if (styles.isStartElement() && styles.name() == QLatin1String("numFmt"))
                formats_.insert(
                    styles.attributes().value("numFmtId").toInt(), styles.attributes().value("formatCode").toString());
            else if (styles.isStartElement() && styles.name() == QLatin1String("cellXfs"))
                inCellXfs = true;
            else if (styles.isEndElement() && styles.name() == QLatin1String("cellXfs"))
                inCellXfs = false;
            else if (inCellXfs && styles.isStartElement() && styles.name() == QLatin1String("xf"))
                styleFormats_.insert(int(styleFormats_.size()), styles.attributes().value("numFmtId").toInt());
        }
    }

    QByteArray zip_;
    bool valid_ = false;
    QHash<QString, Entry> entries_;
    QStringList sheetNames_;
    QStringList strings_;
    QHash<int, QString> formats_;
    QHash<int, int> styleFormats_;
};

} // namespace tessaro::test
