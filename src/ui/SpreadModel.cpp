#include "ui/SpreadModel.h"

#include "model/NumberFormat.h"
#include "planning/NumericCheck.h"

#include <algorithm>

namespace tessaro::ui {

SpreadModel::SpreadModel(QObject* parent) : QAbstractTableModel(parent) { headerTexts_.resize(1); }

int SpreadModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int SpreadModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant SpreadModel::data(const QModelIndex& i, int role) const
{
    if (!i.isValid())
        return {};
    const SpreadCell& c = cell(i.column() + 1, i.row() + 1);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return c.text;
    case Qt::BackgroundRole: return c.back.isValid() ? QVariant(c.back) : QVariant();
    case Qt::ForegroundRole: return c.fore.isValid() ? QVariant(c.fore) : QVariant();
    case Qt::TextAlignmentRole: {
        if (c.alignment)
            return int(c.alignment | Qt::AlignVCenter);
        Qt::Alignment h = c.type == CellType::Number       ? Qt::AlignRight
                          : c.type == CellType::StaticText ? Qt::AlignHCenter
                                                           : Qt::AlignLeft;
        return int(h | Qt::AlignVCenter);
    }
    default: return {};
    }
}

Qt::ItemFlags SpreadModel::flags(const QModelIndex& i) const
{
    if (!i.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (cell(i.column() + 1, i.row() + 1).editable())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant SpreadModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return rowHeaderText(section + 1);
    return headerText(headerRows_ - 1, section + 1);
}

void SpreadModel::setMaxRows(int rows)
{
    rows = std::max(rows, 0);
    if (rows == rows_)
        return;
    if (rows > rows_)
        beginInsertRows({}, rows_, rows - 1);
    else
        beginRemoveRows({}, rows, rows_ - 1);
    int old = rows_;
    rows_ = rows;
    cells_.resize(std::size_t(rows_) * cols_);
    for (int row = old + 1; row <= rows_; ++row)
        for (int col = 1; col <= cols_; ++col)
            at(col, row) = columnDefaults_[std::size_t(col - 1)];
    rowHeaders_.resize(std::size_t(rows_));
    if (rows > old)
        endInsertRows();
    else
        endRemoveRows();
}

void SpreadModel::setMaxCols(int cols)
{
    cols = std::max(cols, 0);
    if (cols == cols_)
        return;
    beginResetModel();
    std::vector<SpreadCell> cells(std::size_t(rows_) * cols);
    columnDefaults_.resize(std::size_t(cols));
    for (int row = 1; row <= rows_; ++row)
        for (int col = 1; col <= cols; ++col)
            cells[std::size_t(row - 1) * cols + (col - 1)] =
                col <= cols_ ? cell(col, row) : columnDefaults_[std::size_t(col - 1)];
    cells_ = std::move(cells);
    cols_ = cols;
    for (auto& texts : headerTexts_)
        texts.resize(std::size_t(cols));
    std::erase_if(spans_, [cols](const HeaderCell& s) { return s.col > cols; });
    endResetModel();
}

namespace {

// The range a..b clipped to 1..last; -1 at either end stands for all of it.
bool clipRange(int a, int b, int last, int& lo, int& hi)
{
    if (a == -1 || b == -1) {
        lo = 1;
        hi = last;
    }
    else {
        lo = std::max(std::min(a, b), 1);
        hi = std::min(std::max(a, b), last);
    }
    return lo <= hi;
}

} // namespace

bool SpreadModel::resolve(const CellBlock& block, CellBlock& inside) const
{
    return clipRange(block.col, block.col2, cols_, inside.col, inside.col2) &&
           clipRange(block.row, block.row2, rows_, inside.row, inside.row2);
}

bool SpreadModel::resolveColumns(const CellBlock& block, int& first, int& last) const
{
    return clipRange(block.col, block.col2, cols_, first, last);
}

QString SpreadModel::shownText(const SpreadCell& cell, const QString& text)
{
    if (cell.type != CellType::Number)
        return text;
    std::optional<double> value = parseNumericText(text);
    if (!value)
        return QString();
    QString pattern = cell.decimals > 0 ? QStringLiteral("0.") + QString(cell.decimals, '0') : QStringLiteral("0");
    return formatNumber(*value, pattern);
}

void SpreadModel::setText(int col, int row, const QString& text)
{
    if (!contains(col, row))
        return;
    SpreadCell& c = at(col, row);
    QString shown = shownText(c, text);
    if (shown == c.text)
        return;
    c.text = shown;
    announce(CellBlock::cell(col, row));
}

SpreadModel::Entry SpreadModel::enterText(int col, int row, const QString& text)
{
    if (!contains(col, row) || !at(col, row).editable())
        return Entry::Unchanged;
    const SpreadCell& c = at(col, row);
    if (c.type == CellType::Number) {
        if (text.contains(QChar(',')) || text.contains(QChar(0xFF0C)))
            return Entry::Refused;
        std::optional<double> value = parseNumericText(text);
        if (value && (*value < c.minimum || *value > c.maximum))
            return Entry::Refused;
    }
    QString before = c.text;
    setText(col, row, text);
    return c.text != before ? Entry::Changed : Entry::Unchanged;
}

void SpreadModel::copyBlock(const CellBlock& block, int destCol, int destRow, bool move)
{
    CellBlock from;
    if (!resolve(block, from))
        return;
    std::vector<SpreadCell> copied;
    for (int row = from.row; row <= from.row2; ++row)
        for (int col = from.col; col <= from.col2; ++col)
            copied.push_back(cell(col, row));
    int width = from.col2 - from.col + 1;
    auto inDestination = [&](int col, int row) {
        return col >= destCol && col < destCol + width && row >= destRow && row <= destRow + from.row2 - from.row;
    };
    if (move)
        for (int row = from.row; row <= from.row2; ++row)
            for (int col = from.col; col <= from.col2; ++col)
                if (!inDestination(col, row))
                    at(col, row).text.clear();
    for (std::size_t k = 0; k < copied.size(); ++k) {
        int col = destCol + int(k) % width;
        int row = destRow + int(k) / width;
        if (contains(col, row))
            at(col, row) = copied[k];
    }
    announce(from);
    announce({destCol, destRow, destCol + width - 1, destRow + from.row2 - from.row});
}

void SpreadModel::setHeaderRows(int rows)
{
    // Rows come and go at the top: the lowest row stays the columns' own headings.
    rows = std::clamp(rows, 1, 3);
    int added = rows - headerRows_;
    if (added > 0)
        headerTexts_.insert(headerTexts_.begin(), std::size_t(added), std::vector<QString>(std::size_t(cols_)));
    else
        headerTexts_.erase(headerTexts_.begin(), headerTexts_.begin() - added);
    for (HeaderCell& s : spans_)
        s.row += added;
    std::erase_if(spans_, [](const HeaderCell& s) { return s.row < 0; });
    headerRows_ = rows;
    emit headerDataChanged(Qt::Horizontal, 0, std::max(cols_ - 1, 0));
}

void SpreadModel::setHeaderText(int headerRow, int col, const QString& text)
{
    if (headerRow < 0 || headerRow >= headerRows_ || col < 1 || col > cols_)
        return;
    headerTexts_[std::size_t(headerRow)][std::size_t(col - 1)] = text;
    if (!suspended_)
        emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
}

QString SpreadModel::headerText(int headerRow, int col) const
{
    if (headerRow < 0 || headerRow >= headerRows_ || col < 1 || col > cols_)
        return QString();
    return headerTexts_[std::size_t(headerRow)][std::size_t(col - 1)];
}

void SpreadModel::addHeaderSpan(int headerRow, int col, int cols, int rows)
{
    if (headerRow < 0 || headerRow >= headerRows_ || col < 1 || col > cols_)
        return;
    HeaderCell span{headerRow, col, std::clamp(rows, 1, headerRows_ - headerRow), std::clamp(cols, 1, cols_ - col + 1), QString()};
    std::erase_if(spans_, [&](const HeaderCell& s) { return s.row == headerRow && s.col == col; });
    spans_.push_back(span);
    if (!suspended_)
        emit headerDataChanged(Qt::Horizontal, col - 1, col + span.cols - 2);
}

const HeaderCell* SpreadModel::spanAt(int headerRow, int col) const
{
    for (const HeaderCell& s : spans_)
        if (headerRow >= s.row && headerRow < s.row + s.rows && col >= s.col && col < s.col + s.cols)
            return &s;
    return nullptr;
}

HeaderCell SpreadModel::headerCellAt(int headerRow, int col) const
{
    if (const HeaderCell* s = spanAt(headerRow, col)) {
        HeaderCell c = *s;
        c.text = headerText(s->row, s->col);
        return c;
    }
    // Empty cells without a span merge down into the first filled cell below.
    auto single = [&](int r) { return r >= 0 && r < headerRows_ && !spanAt(r, col); };
    auto empty = [&](int r) { return single(r) && headerText(r, col).isEmpty(); };
    int bottom = headerRow;
    while (empty(bottom) && single(bottom + 1))
        ++bottom;
    int top = headerRow;
    while (empty(top - 1))
        --top;
    return HeaderCell{top, col, bottom - top + 1, 1, headerText(bottom, col)};
}

void SpreadModel::setRowHeaderText(int row, const QString& text)
{
    if (row < 1 || row > rows_)
        return;
    rowHeaders_[std::size_t(row - 1)] = text;
    if (!suspended_)
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
}

QString SpreadModel::rowHeaderText(int row) const
{
    if (row < 1 || row > rows_)
        return QString();
    const QString& text = rowHeaders_[std::size_t(row - 1)];
    return text.isNull() ? QString::number(row) : text;
}

void SpreadModel::setSuspended(bool suspended)
{
    suspended_ = suspended;
    if (suspended_ || !dirty_)
        return;
    dirty_ = false;
    if (rows_ > 0 && cols_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    emit headerDataChanged(Qt::Horizontal, 0, std::max(cols_ - 1, 0));
    emit headerDataChanged(Qt::Vertical, 0, std::max(rows_ - 1, 0));
}

void SpreadModel::announce(const CellBlock& b)
{
    if (suspended_) {
        dirty_ = true;
        return;
    }
    CellBlock inside;
    if (resolve(b, inside))
        emit dataChanged(index(inside.row - 1, inside.col - 1), index(inside.row2 - 1, inside.col2 - 1));
}

} // namespace tessaro::ui
