#include "documents/XlsxSheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <map>
#include <xlsxwriter.h>

namespace tessaro::xlsx {
namespace {

// Row height of a heading, in points per line of text.
constexpr double HeadingLineHeight = 15.0;

// Cell formats of one workbook, made once per kind of cell.
class Formats {
public:
    explicit Formats(lxw_workbook* book)
        : book_(book)
    {
    }

    lxw_format* heading()
    {
        if (!heading_) {
            heading_ = bordered();
            format_set_bold(heading_);
            format_set_align(heading_, LXW_ALIGN_CENTER);
            format_set_align(heading_, LXW_ALIGN_VERTICAL_CENTER);
            format_set_text_wrap(heading_);
            format_set_bg_color(heading_, 0xE8E8E8);
        }
        return heading_;
    }

    lxw_format* text()
    {
        if (!text_)
            text_ = bordered();
        return text_;
    }

    lxw_format* number(const QString& pattern)
    {
        auto it = numbers_.find(pattern);
        if (it == numbers_.end()) {
            lxw_format* f = bordered();
            format_set_num_format(f, pattern.toUtf8().constData());
            it = numbers_.emplace(pattern, f).first;
        }
        return it->second;
    }

private:
    lxw_format* bordered()
    {
        lxw_format* f = workbook_add_format(book_);
        format_set_border(f, LXW_BORDER_THIN);
        return f;
    }

    lxw_workbook* book_;
    lxw_format* heading_ = nullptr;
    lxw_format* text_ = nullptr;
    std::map<QString, lxw_format*> numbers_;
};

void writeCells(lxw_worksheet* ws, Formats& formats, const Sheet& sheet)
{
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const bool heading = int(r) == sheet.headingRow;
        int lines = 1;
        for (std::size_t c = 0; c < sheet.rows[r].size(); ++c) {
            const Cell& cell = sheet.rows[r][c];
            const auto row = lxw_row_t(r);
            const auto col = lxw_col_t(c);
            if (cell.kind == Cell::Number)
                worksheet_write_number(ws, row, col, cell.number, formats.number(cell.format));
            else if (cell.kind == Cell::Text)
                worksheet_write_string(
                    ws, row, col, cell.text.toUtf8().constData(), heading ? formats.heading() : formats.text());
            else if (heading)
                worksheet_write_blank(ws, row, col, formats.heading());
            lines = std::max<int>(lines, int(cell.text.count('\n')) + 1);
        }
        if (heading) {
            worksheet_set_row(ws, lxw_row_t(r), HeadingLineHeight * lines, nullptr);
            worksheet_freeze_panes(ws, lxw_row_t(r + 1), 0);
        }
    }
    for (std::size_t c = 0; c < sheet.columnWidths.size(); ++c)
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), sheet.columnWidths[c], nullptr);
}

// Writes the workbook to a file of its own; false when anything failed.
bool writeFile(const QString& file, const Sheet& sheet)
{
    lxw_workbook* book = workbook_new(QFile::encodeName(file).constData());
    if (!book)
        return false;
    Formats formats(book);
    lxw_worksheet* ws = workbook_add_worksheet(book, sheet.name.toUtf8().constData());
    if (ws)
        writeCells(ws, formats, sheet);
    // Closing writes the file; it also frees the workbook when writing fails.
    const lxw_error closed = workbook_close(book);
    return ws && closed == LXW_NO_ERROR;
}

// A free name beside the target. The reserving file is removed again, so that
// the workbook is created with the permissions files in that folder usually get.
QString temporaryName(const QFileInfo& target)
{
    QTemporaryFile reserve(target.absolutePath() + QStringLiteral("/.~") + target.fileName());
    return reserve.open() ? reserve.fileName() : QString();
}

} // namespace

bool writeWorkbook(const QString& path, const Sheet& sheet)
{
    const QFileInfo target(path);
    if (target.isDir() || (target.exists() && !target.isWritable()))
        return false;
    const QString written = temporaryName(target);
    if (written.isEmpty())
        return false;
    std::error_code error;
    if (writeFile(written, sheet)) {
        if (target.exists())
            QFile::setPermissions(written, target.permissions());
        std::filesystem::rename(written.toStdU16String(), path.toStdU16String(), error);
    }
    else {
        error = std::make_error_code(std::errc::io_error);
    }
    if (error)
        QFile::remove(written);
    return !error;
}

} // namespace tessaro::xlsx
