#include "ui/SpreadGrid.h"

#include "planning/NumericCheck.h"
#include "ui/SpreadHeaderView.h"
#include "ui/SpreadModel.h"
#include "ui/TabSeparated.h"
#include "ui/basSpreadCustom.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

namespace tessaro::ui {

namespace {

bool isEnter(const QKeyEvent* e)
{
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
           (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

// Cell editor: a plain line edit whose text goes back through the grid's entry
// rules; Enter commits and moves down the column as on a reading sheet.
class SpreadDelegate : public QStyledItemDelegate {
public:
    explicit SpreadDelegate(SpreadGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
        lastEditor_ = editor;
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = static_cast<QLineEdit*>(editor);
        line->setText(index.data(Qt::EditRole).toString());
        if (grid_->EditModeReplace())
            line->selectAll();
        else
            line->end(false);
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        grid_->EnterText(index.column() + 1, index.row() + 1, static_cast<QLineEdit*>(editor)->text());
    }

    QLineEdit* lastEditor() const { return lastEditor_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            grid_->moveDown();
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    SpreadGrid* grid_;
    mutable QPointer<QLineEdit> lastEditor_;
};

SpreadGrid::SpreadGrid(QWidget* parent)
    : QTableView(parent), model_(new SpreadModel(this)), header_(new SpreadHeaderView(this))
{
    setModel(model_);
    setHorizontalHeader(header_);
    setItemDelegate(new SpreadDelegate(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().boundingRect(QStringLiteral("漢0")).height() + 6);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(model_, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation o) {
        if (o == Qt::Horizontal)
            refreshHeader();
    });
}

int SpreadGrid::MaxRows() const { return model_->maxRows(); }
int SpreadGrid::MaxCols() const { return model_->maxCols(); }
void SpreadGrid::SetMaxRows(int rows) { model_->setMaxRows(rows); }

void SpreadGrid::SetMaxCols(int cols)
{
    model_->setMaxCols(cols);
    refreshHeader();
}

QString SpreadGrid::GetText(int col, int row) const
{
    if (row == 0 && col >= 1)
        return model_->headerText(model_->headerRows() - 1, col);
    if (col == 0 && row >= 1)
        return model_->rowHeaderText(row);
    return model_->contains(col, row) ? model_->cell(col, row).text : QString();
}

void SpreadGrid::SetText(int col, int row, const QString& text)
{
    if (row == 0 && col >= 1)
        SetColHeaderText(col, model_->headerRows() - 1, text);
    else if (col == 0 && row >= 1)
        SetRowHeaderText(row, text);
    else
        model_->setText(col, row, text);
}

std::optional<double> SpreadGrid::GetValue(int col, int row) const { return parseNumericText(GetText(col, row)); }

int SpreadGrid::ActiveCol() const { return currentIndex().isValid() ? currentIndex().column() + 1 : 0; }
int SpreadGrid::ActiveRow() const { return currentIndex().isValid() ? currentIndex().row() + 1 : 0; }

void SpreadGrid::SetActiveCell(int col, int row)
{
    if (model_->contains(col, row))
        setCurrentIndex(model_->index(row - 1, col - 1));
}

void SpreadGrid::SetTypeText(const CellBlock& block)
{
    model_->changeBlock(block, [](SpreadCell& c) { c.type = CellType::Text; });
}

void SpreadGrid::SetTypeStaticText(const CellBlock& block)
{
    model_->changeBlock(block, [](SpreadCell& c) { c.type = CellType::StaticText; });
}

void SpreadGrid::SetTypeNumber(const CellBlock& block, int decimals, double minimum, double maximum)
{
    model_->changeBlock(block, [&](SpreadCell& c) {
        c.type = CellType::Number;
        c.decimals = std::clamp(decimals, 0, 10);
        c.minimum = std::min(minimum, maximum);
        c.maximum = std::max(minimum, maximum);
        c.text = SpreadModel::shownText(c, c.text);
    });
}

void SpreadGrid::SetLock(const CellBlock& block, bool locked)
{
    model_->changeBlock(block, [locked](SpreadCell& c) { c.locked = locked; });
}

void SpreadGrid::SetBackColor(const CellBlock& block, const QColor& color)
{
    model_->changeBlock(block, [&](SpreadCell& c) { c.back = color; });
}

void SpreadGrid::SetForeColor(const CellBlock& block, const QColor& color)
{
    model_->changeBlock(block, [&](SpreadCell& c) { c.fore = color; });
}

void SpreadGrid::SetAlignment(const CellBlock& block, Qt::Alignment horizontal)
{
    model_->changeBlock(block, [horizontal](SpreadCell& c) { c.alignment = horizontal & Qt::AlignHorizontal_Mask; });
}

const SpreadCell& SpreadGrid::Cell(int col, int row) const
{
    static const SpreadCell outside;
    return model_->contains(col, row) ? model_->cell(col, row) : outside;
}

CellType SpreadGrid::Type(int col, int row) const { return Cell(col, row).type; }
bool SpreadGrid::Lock(int col, int row) const { return Cell(col, row).locked; }
QColor SpreadGrid::BackColor(int col, int row) const { return Cell(col, row).back; }
QColor SpreadGrid::ForeColor(int col, int row) const { return Cell(col, row).fore; }

void SpreadGrid::ClearText(const CellBlock& block)
{
    model_->changeBlock(block, [](SpreadCell& c) { c.text.clear(); });
}

void SpreadGrid::CopyBlock(const CellBlock& block, int destCol, int destRow)
{
    model_->copyBlock(block, destCol, destRow, false);
}

void SpreadGrid::MoveBlock(const CellBlock& block, int destCol, int destRow)
{
    model_->copyBlock(block, destCol, destRow, true);
}

void SpreadGrid::SetColHeaderRows(int rows) { model_->setHeaderRows(rows); }
int SpreadGrid::ColHeaderRows() const { return model_->headerRows(); }

void SpreadGrid::SetColHeaderText(int col, int headerRow, const QString& text)
{
    model_->setHeaderText(headerRow, col, text);
}

QString SpreadGrid::ColHeaderText(int col, int headerRow) const { return model_->headerText(headerRow, col); }

void SpreadGrid::AddColHeaderSpan(int col, int headerRow, int cols, int rows)
{
    model_->addHeaderSpan(headerRow, col, cols, rows);
}

void SpreadGrid::SetGroupHeader(int col, int col2, int headerRow, const QString& text)
{
    model_->setHeaderText(headerRow, col, text);
    model_->addHeaderSpan(headerRow, col, col2 - col + 1, 1);
}

void SpreadGrid::SetRowHeaderText(int row, const QString& text) { model_->setRowHeaderText(row, text); }
void SpreadGrid::SetColWidth(int col, int pixels) { setColumnWidth(col - 1, pixels); }
void SpreadGrid::SetRowHeaderWidth(int pixels) { verticalHeader()->setFixedWidth(pixels); }

CellBlock SpreadGrid::SelBlock() const
{
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty())
        return CellBlock::cell(ActiveCol(), ActiveRow());
    CellBlock b{INT_MAX, INT_MAX, 0, 0};
    for (const QItemSelectionRange& r : selection) {
        b.col = std::min(b.col, r.left() + 1);
        b.row = std::min(b.row, r.top() + 1);
        b.col2 = std::max(b.col2, r.right() + 1);
        b.row2 = std::max(b.row2, r.bottom() + 1);
    }
    return b;
}

void SpreadGrid::SetSelection(const CellBlock& block)
{
    CellBlock b;
    if (!model_->resolve(block, b))
        return;
    QModelIndex topLeft = model_->index(b.row - 1, b.col - 1);
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, model_->index(b.row2 - 1, b.col2 - 1)),
                             QItemSelectionModel::ClearAndSelect);
}

QString SpreadGrid::SelectionText() const
{
    CellBlock b;
    if (!model_->resolve(SelBlock(), b))
        return QString();
    QList<QStringList> rows;
    for (int row = b.row; row <= b.row2; ++row) {
        QStringList cells;
        for (int col = b.col; col <= b.col2; ++col)
            cells << GetText(col, row);
        rows << cells;
    }
    return toTabSeparated(rows);
}

void SpreadGrid::ClipboardCopy() { QApplication::clipboard()->setText(SelectionText()); }
void SpreadGrid::ClipboardPaste() { PasteText(QApplication::clipboard()->text()); }

void SpreadGrid::ClipboardCut()
{
    ClipboardCopy();
    ClearSelectedCells(*this);
}

void SpreadGrid::PasteText(const QString& tabSeparated)
{
    const QList<QStringList> rows = fromTabSeparated(tabSeparated);
    int col0 = ActiveCol();
    int row0 = ActiveRow();
    if (rows.isEmpty() || col0 < 1 || row0 < 1)
        return;
    std::vector<std::pair<int, int>> changed;
    std::vector<std::pair<std::pair<int, int>, QString>> refused;
    int width = 0;
    {
        ReDrawSuspended pause(*this);
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c) {
                width = std::max(width, c + 1);
                SpreadModel::Entry entry = model_->enterText(col0 + c, row0 + r, rows[r][c]);
                if (entry == SpreadModel::Entry::Changed)
                    changed.emplace_back(col0 + c, row0 + r);
                else if (entry == SpreadModel::Entry::Refused)
                    refused.push_back({{col0 + c, row0 + r}, rows[r][c]});
            }
    }
    SetSelection({col0, row0, std::min(col0 + width - 1, MaxCols()), std::min(row0 + int(rows.size()) - 1, MaxRows())});
    for (auto [col, row] : changed)
        emit Change(col, row);
    for (const auto& [cell, text] : refused)
        emit EntryRefused(cell.first, cell.second, text);
}

void SpreadGrid::SetReDraw(bool redraw)
{
    model_->setSuspended(!redraw);
    setUpdatesEnabled(redraw);
    if (redraw)
        refreshHeader();
}

bool SpreadGrid::ReDraw() const { return !model_->suspended(); }

void SpreadGrid::EnterText(int col, int row, const QString& text)
{
    SpreadModel::Entry entry = model_->enterText(col, row, text);
    if (entry == SpreadModel::Entry::Changed)
        emit Change(col, row);
    else if (entry == SpreadModel::Entry::Refused)
        emit EntryRefused(col, row, text);
}

void SpreadGrid::moveDown()
{
    QModelIndex i = currentIndex();
    if (i.isValid() && i.row() + 1 < MaxRows())
        selectionModel()->setCurrentIndex(model_->index(i.row() + 1, i.column()), QItemSelectionModel::ClearAndSelect);
}

void SpreadGrid::refreshHeader()
{
    if (model_->suspended())
        return;
    header_->refresh();
    updateGeometries();
}

void SpreadGrid::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown(event->key(), event->modifiers());
    if (event->matches(QKeySequence::Copy))
        ClipboardCopy();
    else if (event->matches(QKeySequence::Paste))
        ClipboardPaste();
    else if (event->matches(QKeySequence::Cut))
        ClipboardCut();
    else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && deleteKeyClears_)
        ClearSelectedCells(*this);
    else if (isEnter(event))
        moveDown();
    else
        QTableView::keyPressEvent(event);
}

bool SpreadGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Open the editor without the typed key, set it up for replacing or
    // appending, then hand it the key.
    if (trigger != AnyKeyPressed || !event)
        return QTableView::edit(index, trigger, event);
    if (!QTableView::edit(index, trigger, nullptr))
        return false;
    auto* delegate = static_cast<SpreadDelegate*>(itemDelegate());
    if (QLineEdit* editor = delegate->lastEditor()) {
        if (editModeReplace_)
            editor->selectAll();
        else
            editor->end(false);
        QApplication::sendEvent(editor, event);
    }
    return true;
}

void SpreadGrid::contextMenuEvent(QContextMenuEvent* event)
{
    QModelIndex i = indexAt(event->pos());
    if (!i.isValid())
        return;
    if (!selectionModel()->isSelected(i))
        setCurrentIndex(i);
    emit RightClick(i.column() + 1, i.row() + 1, event->globalPos());
}

void SpreadGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (previous.isValid())
        emit LeaveCell(previous.column() + 1, previous.row() + 1, current.isValid() ? current.column() + 1 : 0,
                       current.isValid() ? current.row() + 1 : 0);
}

} // namespace tessaro::ui
