#include "documents/XlsxSheet.h"

#include "documents/DocumentInfo.h"
#include "documents/ZipArchive.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QXmlStreamWriter>
#include <initializer_list>
#include <utility>

namespace tessaro::xlsx {
namespace {

const QString MainSpace = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QString RelationSpace = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString PackageRelation = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");

// Row height of a heading, in points per line of text.
constexpr double HeadingLineHeight = 15.0;
// Excel adds a cell's padding to the width given in characters.
constexpr double ColumnPadding = 0.71;
// Characters of the cell face across A4 portrait between the margins below; a
// wider sheet prints landscape (and any sheet is fitted to one page wide).
constexpr double PortraitCharacters = 100;

// Cell styles (cellXfs) of every workbook; number styles follow, one per pattern.
enum Style { Plain, Heading, Ruled, FirstNumber };
constexpr int FirstCustomFormat = 164;

using Attributes = std::initializer_list<std::pair<const char*, QString>>;

class Xml {
public:
    Xml()
        : xml_(&bytes_)
    {
        xml_.writeStartDocument(QStringLiteral("1.0"), true);
    }
    void open(const char* name, Attributes attributes = {})
    {
        xml_.writeStartElement(QLatin1String(name));
        set(attributes);
    }
    void empty(const char* name, Attributes attributes = {})
    {
        xml_.writeEmptyElement(QLatin1String(name));
        set(attributes);
    }
    void text(const char* name, const QString& text) { xml_.writeTextElement(QLatin1String(name), text); }
    void characters(const QString& text) { xml_.writeCharacters(text); }
    void close() { xml_.writeEndElement(); }
    QByteArray done()
    {
        xml_.writeEndDocument();
        return bytes_;
    }

private:
    void set(Attributes attributes)
    {
        for (const auto& [name, value] : attributes)
            xml_.writeAttribute(QLatin1String(name), value);
    }
    QByteArray bytes_;
    QXmlStreamWriter xml_;
};

QString columnName(int column)
{
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar('A' + (c - 1) % 26));
    return name;
}

QString cellName(int column, int row)
{
    return columnName(column) + QString::number(row + 1);
}

// Excel refuses sheet names that are empty, longer than 31 characters, hold
// one of : \ / ? * [ ] or begin or end with an apostrophe.
bool acceptedSheetName(const QString& name)
{
    static const QRegularExpression refused(QStringLiteral(R"([:\\/?*\[\]])"));
    return !name.isEmpty() && name.size() <= 31 && !name.contains(refused) && !name.startsWith('\'')
        && !name.endsWith('\'');
}

int headingRows(const Sheet& sheet)
{
    return sheet.headingRow + 1;
}

int tableColumns(const Sheet& sheet)
{
    return sheet.headingRow >= 0 && std::size_t(sheet.headingRow) < sheet.rows.size()
        ? int(sheet.rows[std::size_t(sheet.headingRow)].size())
        : 0;
}

// What the cells of the sheet refer to: its texts once each, its number patterns.
struct Catalogue {
    QStringList texts;
    QHash<QString, int> textIndex;
    QStringList patterns;

    explicit Catalogue(const Sheet& sheet)
    {
        for (const auto& row : sheet.rows)
            for (const Cell& cell : row) {
                if (cell.kind == Cell::Text && !textIndex.contains(cell.text)) {
                    textIndex.insert(cell.text, int(texts.size()));
                    texts << cell.text;
                }
                if (cell.kind == Cell::Number && !patterns.contains(cell.format))
                    patterns << cell.format;
            }
    }
    int numberStyle(const QString& pattern) const { return FirstNumber + int(patterns.indexOf(pattern)); }
};

void writeCell(Xml& x, const Cell& cell, int column, int row, bool heading, const Catalogue& catalogue)
{
    const QString at = cellName(column, row);
    if (cell.kind == Cell::Number) {
        x.open("c", { { "r", at }, { "s", QString::number(catalogue.numberStyle(cell.format)) } });
        x.text("v", QString::number(cell.number, 'g', QLocale::FloatingPointShortest));
        x.close();
    }
    else if (cell.kind == Cell::Text) {
        x.open("c", { { "r", at }, { "s", QString::number(heading ? Heading : Ruled) }, { "t", "s" } });
        x.text("v", QString::number(catalogue.textIndex.value(cell.text)));
        x.close();
    }
    else {
        x.empty("c", { { "r", at }, { "s", QString::number(heading ? Heading : Ruled) } });
    }
}

double totalWidth(const Sheet& sheet)
{
    double width = 0;
    for (double w : sheet.columnWidths)
        width += w + ColumnPadding;
    return width;
}

QByteArray worksheet(const Sheet& sheet, const Catalogue& catalogue)
{
    Xml x;
    x.open("worksheet", { { "xmlns", MainSpace }, { "xmlns:r", RelationSpace } });
    x.open("sheetPr");
    x.empty("pageSetUpPr", { { "fitToPage", "1" } });
    x.close();
    const int lastRow = std::max(0, int(sheet.rows.size()) - 1);
    int lastColumn = 0;
    for (const auto& row : sheet.rows)
        lastColumn = std::max(lastColumn, int(row.size()) - 1);
    x.empty("dimension", { { "ref", cellName(0, 0) + ':' + cellName(lastColumn, lastRow) } });
    x.open("sheetViews");
    x.open("sheetView", { { "tabSelected", "1" }, { "workbookViewId", "0" } });
    if (sheet.headingRow >= 0) {
        const QString below = cellName(0, headingRows(sheet));
        x.empty("pane",
            { { "ySplit", QString::number(headingRows(sheet)) }, { "topLeftCell", below },
                { "activePane", "bottomLeft" }, { "state", "frozen" } });
        x.empty("selection", { { "pane", "bottomLeft" }, { "activeCell", below }, { "sqref", below } });
    }
    x.close();
    x.close();
    x.empty("sheetFormatPr", { { "defaultRowHeight", "13.5" } });
    if (!sheet.columnWidths.empty()) {
        x.open("cols");
        for (std::size_t c = 0; c < sheet.columnWidths.size(); ++c) {
            const QString n = QString::number(c + 1);
            x.empty("col",
                { { "min", n }, { "max", n }, { "width", QString::number(sheet.columnWidths[c] + ColumnPadding) },
                    { "customWidth", "1" } });
        }
        x.close();
    }
    x.open("sheetData");
    const int ruled = tableColumns(sheet);
    for (int r = 0; r < int(sheet.rows.size()); ++r) {
        const auto& row = sheet.rows[std::size_t(r)];
        const bool heading = r == sheet.headingRow;
        const bool inTable = sheet.headingRow >= 0 && r >= sheet.headingRow;
        int lines = 1;
        for (const Cell& cell : row)
            lines = std::max(lines, int(cell.text.count('\n')) + 1);
        if (heading)
            x.open("row",
                { { "r", QString::number(r + 1) }, { "ht", QString::number(HeadingLineHeight * lines) },
                    { "customHeight", "1" } });
        else
            x.open("row", { { "r", QString::number(r + 1) } });
        // The table is ruled on every cell; above it only the cells written.
        const int columns = std::max(int(row.size()), inTable ? ruled : 0);
        for (int c = 0; c < columns; ++c) {
            const Cell& cell = std::size_t(c) < row.size() ? row[std::size_t(c)] : Cell {};
            if (cell.kind != Cell::Empty || inTable)
                writeCell(x, cell, c, r, heading, catalogue);
        }
        x.close();
    }
    x.close();
    x.empty("printOptions", { { "horizontalCentered", "1" } });
    x.empty("pageMargins",
        { { "left", "0.59" }, { "right", "0.59" }, { "top", "0.79" }, { "bottom", "0.79" }, { "header", "0.31" },
            { "footer", "0.31" } });
    x.empty("pageSetup",
        { { "paperSize", "9" }, // A4
            { "orientation", totalWidth(sheet) > PortraitCharacters ? "landscape" : "portrait" }, { "fitToWidth", "1" },
            { "fitToHeight", "0" } });
    x.open("headerFooter");
    x.text("oddFooter", QStringLiteral("&C&P / &N"));
    x.close();
    x.close();
    return x.done();
}

QByteArray sharedStrings(const Catalogue& catalogue)
{
    Xml x;
    const QString count = QString::number(catalogue.texts.size());
    x.open("sst", { { "xmlns", MainSpace }, { "count", count }, { "uniqueCount", count } });
    for (const QString& text : catalogue.texts) {
        x.open("si");
        if (text.trimmed() != text)
            x.open("t", { { "xml:space", "preserve" } });
        else
            x.open("t");
        x.characters(text);
        x.close();
        x.close();
    }
    x.close();
    return x.done();
}

void font(Xml& x, bool bold)
{
    x.open("font");
    if (bold)
        x.empty("b");
    x.empty("sz", { { "val", "11" } });
    x.empty("name", { { "val", CellFont } });
    x.empty("family", { { "val", "3" } });
    x.empty("charset", { { "val", "128" } }); // Shift JIS: a Japanese face
    x.close();
}

void cellStyle(Xml& x, int format, int fontId, int fillId, int borderId, bool centred = false)
{
    x.open("xf",
        { { "numFmtId", QString::number(format) }, { "fontId", QString::number(fontId) },
            { "fillId", QString::number(fillId) }, { "borderId", QString::number(borderId) }, { "xfId", "0" },
            { "applyNumberFormat", format ? "1" : "0" }, { "applyBorder", "1" } });
    if (centred)
        x.empty("alignment", { { "horizontal", "center" }, { "vertical", "center" }, { "wrapText", "1" } });
    x.close();
}

QByteArray styles(const Catalogue& catalogue)
{
    Xml x;
    x.open("styleSheet", { { "xmlns", MainSpace } });
    if (!catalogue.patterns.isEmpty()) {
        x.open("numFmts", { { "count", QString::number(catalogue.patterns.size()) } });
        for (int i = 0; i < catalogue.patterns.size(); ++i)
            x.empty("numFmt",
                { { "numFmtId", QString::number(FirstCustomFormat + i) }, { "formatCode", catalogue.patterns[i] } });
        x.close();
    }
    x.open("fonts", { { "count", "2" } });
    font(x, false);
    font(x, true);
    x.close();
    x.open("fills", { { "count", "3" } });
    for (const char* pattern : { "none", "gray125" }) {
        x.open("fill");
        x.empty("patternFill", { { "patternType", pattern } });
        x.close();
    }
    x.open("fill");
    x.open("patternFill", { { "patternType", "solid" } });
    x.empty("fgColor", { { "rgb", "FFE8E8E8" } });
    x.empty("bgColor", { { "indexed", "64" } });
    x.close();
    x.close();
    x.close();
    x.open("borders", { { "count", "2" } });
    x.open("border");
    for (const char* side : { "left", "right", "top", "bottom", "diagonal" })
        x.empty(side);
    x.close();
    x.open("border");
    for (const char* side : { "left", "right", "top", "bottom" }) {
        x.open(side, { { "style", "thin" } });
        x.empty("color", { { "auto", "1" } });
        x.close();
    }
    x.empty("diagonal");
    x.close();
    x.close();
    x.open("cellStyleXfs", { { "count", "1" } });
    x.empty("xf", { { "numFmtId", "0" }, { "fontId", "0" }, { "fillId", "0" }, { "borderId", "0" } });
    x.close();
    x.open("cellXfs", { { "count", QString::number(FirstNumber + catalogue.patterns.size()) } });
    cellStyle(x, 0, 0, 0, 0);
    cellStyle(x, 0, 1, 2, 1, true);
    cellStyle(x, 0, 0, 0, 1);
    for (int i = 0; i < catalogue.patterns.size(); ++i)
        cellStyle(x, FirstCustomFormat + i, 0, 0, 1);
    x.close();
    x.open("cellStyles", { { "count", "1" } });
    x.empty("cellStyle", { { "name", "Normal" }, { "xfId", "0" }, { "builtinId", "0" } });
    x.close();
    x.close();
    return x.done();
}

QByteArray workbook(const Sheet& sheet)
{
    Xml x;
    x.open("workbook", { { "xmlns", MainSpace }, { "xmlns:r", RelationSpace } });
    x.open("bookViews");
    x.empty("workbookView");
    x.close();
    x.open("sheets");
    x.empty("sheet", { { "name", sheet.name }, { "sheetId", "1" }, { "r:id", "rId1" } });
    x.close();
    if (sheet.headingRow >= 0) {
        // The rows down to the headings head every printed page.
        x.open("definedNames");
        x.open("definedName", { { "name", "_xlnm.Print_Titles" }, { "localSheetId", "0" } });
        const QString quoted = QString(sheet.name).replace('\'', QStringLiteral("''"));
        x.characters(QStringLiteral("'%1'!$1:$%2").arg(quoted).arg(headingRows(sheet)));
        x.close();
        x.close();
    }
    x.close();
    return x.done();
}

QByteArray relationships(std::initializer_list<std::pair<QString, QString>> targets)
{
    Xml x;
    x.open("Relationships", { { "xmlns", PackageRelation } });
    int id = 0;
    for (const auto& [type, target] : targets)
        x.empty(
            "Relationship", { { "Id", QStringLiteral("rId%1").arg(++id) }, { "Type", type }, { "Target", target } });
    x.close();
    return x.done();
}

QByteArray contentTypes()
{
    const QString office = QStringLiteral("application/vnd.openxmlformats-officedocument.");
    Xml x;
    x.open("Types", { { "xmlns", "http://schemas.openxmlformats.org/package/2006/content-types" } });
    x.empty("Default",
        { { "Extension", "rels" }, { "ContentType", "application/vnd.openxmlformats-package.relationships+xml" } });
    x.empty("Default", { { "Extension", "xml" }, { "ContentType", "application/xml" } });
    const std::pair<const char*, QString> parts[] = {
        { "/xl/workbook.xml", office + "spreadsheetml.sheet.main+xml" },
        { "/xl/worksheets/sheet1.xml", office + "spreadsheetml.worksheet+xml" },
        { "/xl/styles.xml", office + "spreadsheetml.styles+xml" },
        { "/xl/sharedStrings.xml", office + "spreadsheetml.sharedStrings+xml" },
        { "/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml" },
        { "/docProps/app.xml", office + "extended-properties+xml" },
    };
    for (const auto& [part, type] : parts)
        x.empty("Override", { { "PartName", part }, { "ContentType", type } });
    x.close();
    return x.done();
}

QByteArray coreProperties(const WorkbookInfo& info)
{
    const QString date = documentTime().toString(Qt::ISODate);
    Xml x;
    x.open("cp:coreProperties",
        { { "xmlns:cp", "http://schemas.openxmlformats.org/package/2006/metadata/core-properties" },
            { "xmlns:dc", "http://purl.org/dc/elements/1.1/" }, { "xmlns:dcterms", "http://purl.org/dc/terms/" },
            { "xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance" } });
    x.text("dc:title", info.title);
    x.text("dc:subject", info.subject);
    x.text("dc:creator", documentAuthor());
    x.text("cp:lastModifiedBy", documentAuthor());
    for (const char* name : { "dcterms:created", "dcterms:modified" }) {
        x.open(name, { { "xsi:type", "dcterms:W3CDTF" } });
        x.characters(date);
        x.close();
    }
    x.close();
    return x.done();
}

QByteArray appProperties()
{
    Xml x;
    x.open("Properties", { { "xmlns", "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties" } });
    x.text("Application", documentCreator());
    x.close();
    return x.done();
}

QByteArray package(const Sheet& sheet, const WorkbookInfo& info)
{
    const Catalogue catalogue(sheet);
    const QString officeRelation
        = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/");
    ZipArchive zip(documentTime());
    zip.add("[Content_Types].xml", contentTypes());
    zip.add("_rels/.rels",
        relationships({ { officeRelation + "officeDocument", "xl/workbook.xml" },
            { PackageRelation + "/metadata/core-properties", "docProps/core.xml" },
            { officeRelation + "extended-properties", "docProps/app.xml" } }));
    zip.add("docProps/app.xml", appProperties());
    zip.add("docProps/core.xml", coreProperties(info));
    zip.add("xl/workbook.xml", workbook(sheet));
    zip.add("xl/_rels/workbook.xml.rels",
        relationships({ { officeRelation + "worksheet", "worksheets/sheet1.xml" },
            { officeRelation + "styles", "styles.xml" }, { officeRelation + "sharedStrings", "sharedStrings.xml" } }));
    zip.add("xl/styles.xml", styles(catalogue));
    zip.add("xl/sharedStrings.xml", sharedStrings(catalogue));
    zip.add("xl/worksheets/sheet1.xml", worksheet(sheet, catalogue));
    return zip.bytes();
}

} // namespace

bool writeWorkbook(const QString& path, const Sheet& sheet, const WorkbookInfo& info)
{
    const QFileInfo target(path);
    if (target.isDir() || (target.exists() && !target.isWritable()) || !acceptedSheetName(sheet.name))
        return false;
    const QByteArray bytes = package(sheet, info);
    QSaveFile file(path);
    // A short write the file system did not report shows in the size.
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.size() == bytes.size() && file.commit();
}

} // namespace tessaro::xlsx
