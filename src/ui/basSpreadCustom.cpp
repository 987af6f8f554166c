#include "ui/basSpreadCustom.h"

#include "model/NumberFormat.h"
#include "model/Reading.h"
#include "model/UserMessage.h"
#include "planning/NumericCheck.h"

#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <memory>

#include <QHeaderView>

namespace tessaro::ui {

QString CellText(const SpreadGrid& grid, int col, int row) { return grid.GetText(col, row); }

QString EmptyForNull(const QVariant& value) { return value.isNull() ? QString() : value.toString(); }

void SetNumberText(SpreadGrid& grid, int col, int row, double value, const QString& pattern)
{
    grid.SetText(col, row, isMissing(value) ? QString() : formatNumber(value, pattern));
}

void SetListColumns(SpreadGrid& grid, const QStringList& headings)
{
    grid.SetMaxCols(int(headings.size()));
    for (int col = 1; col <= int(headings.size()); ++col)
        grid.SetText(col, 0, headings[col - 1]);
    grid.SetTypeStaticText(CellBlock::all());
    grid.SetLock(CellBlock::all(), true);
    grid.SetAlignment(CellBlock::all(), Qt::AlignRight);
}

void FitGridToRows(SpreadGrid& grid, int rows)
{
    int frame = 2 * grid.frameWidth();
    int width = grid.verticalHeader()->width() + frame;
    for (int col = 0; col < grid.MaxCols(); ++col)
        width += grid.columnWidth(col);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setFixedSize(width, grid.horizontalHeader()->sizeHint().height()
                                 + rows * grid.verticalHeader()->defaultSectionSize() + frame);
}

void ClearUnlockedCells(SpreadGrid& grid, int row, int row2)
{
    ReDrawSuspended pause(grid);
    for (int r = std::max(row, 1); r <= std::min(row2, grid.MaxRows()); ++r)
        for (int col = 1; col <= grid.MaxCols(); ++col)
            if (!grid.Lock(col, r))
                grid.SetText(col, r, QString());
}

void SetRowsBackColor(SpreadGrid& grid, const QList<int>& rows, const QColor& color)
{
    ReDrawSuspended pause(grid);
    for (int row : rows)
        if (row >= 1 && row <= grid.MaxRows())
            grid.SetBackColor(CellBlock::rows(row, row), color);
}

void ClearSelectedCells(SpreadGrid& grid)
{
    CellBlock b = grid.SelBlock();
    if (b.col < 1 || b.row < 1)
        return;
    if (b.col == b.col2 && b.row == b.row2) {
        if (grid.Cell(b.col, b.row).editable() && !grid.GetText(b.col, b.row).isEmpty()) {
            grid.SetText(b.col, b.row, QString());
            grid.NotifyChange(b.col, b.row);
        }
        return;
    }
    {
        ReDrawSuspended pause(grid);
        for (int row = b.row; row <= std::min(b.row2, grid.MaxRows()); ++row)
            for (int col = b.col; col <= std::min(b.col2, grid.MaxCols()); ++col)
                if (grid.Cell(col, row).editable())
                    grid.SetText(col, row, QString());
    }
    grid.NotifyBlockCleared(b);
}

namespace {

QString refusalText(const SpreadGrid& grid, int col, int row, const QString& text)
{
    const QString caption = QStringLiteral("%1行目の%2").arg(row).arg(grid.GetText(col, 0).remove('\n'));
    if (text.contains(QChar(',')) || text.contains(QChar(0xFF0C)))
        return caption + QStringLiteral("に入力された「") + text
            + QStringLiteral("」は、小数点に「,」（カンマ）が使われているため受け付けられません。\n"
                             "小数点は「.」（ピリオド）で入力してください。");
    const SpreadCell& cell = grid.Cell(col, row);
    const QString format = cell.decimals > 0 ? QStringLiteral("0.") + QString(cell.decimals, '0') : QStringLiteral("0");
    return checkNumericText(caption, text, cell.minimum, cell.maximum, format).message;
}

} // namespace

void ReportRefusedEntries(SpreadGrid& grid)
{
    auto pending = std::make_shared<QStringList>();
    QObject::connect(&grid, &SpreadGrid::EntryRefused, &grid, [&grid, pending](int col, int row, const QString& text) {
        pending->append(refusalText(grid, col, row, text));
        if (pending->size() > 1)
            return;
        // Told after the entry is over, not from inside the cell editor.
        QTimer::singleShot(0, &grid, [pending] {
            QString message = pending->first();
            if (pending->size() > 1)
                message += QStringLiteral("\n（ほかに %1 件の入力も受け付けられませんでした。）").arg(pending->size() - 1);
            pending->clear();
            showMessage(message, MsgIcon::Exclamation, MsgButtons::Ok, InputErrorTitle);
        });
    });
}

int ContentWidth(const SpreadGrid& grid)
{
    int width = grid.verticalHeader()->sizeHint().width() + grid.verticalScrollBar()->sizeHint().width()
        + 2 * grid.frameWidth();
    for (int col = 0; col < grid.MaxCols(); ++col)
        width += grid.columnWidth(col);
    return width;
}

void CopySelectionWithNotice(SpreadGrid& grid)
{
    grid.ClipboardCopy();
    showMessage(QStringLiteral("クリップボードにコピーされました。"), MsgIcon::Information);
}

void ShowSpreadPopMenu(SpreadGrid& grid, const QPoint& globalPos)
{
    QMenu menu(&grid);
    menu.setObjectName("SpredPopMenu");
    QAction* copy = menu.addAction(QStringLiteral("コピー"), &grid, [&grid] { CopySelectionWithNotice(grid); });
    copy->setObjectName("Copy1");
    menu.exec(globalPos);
}

} // namespace tessaro::ui
