#include "refdb/frmAncDBEntry.h"

#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "planning/TestKinds.h"
#include "refdb/frmAncNameAdd.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessaro {

namespace {

// Room below the registered designations for new ones.
constexpr int SpareRows = 20;
const QString SaveQuestion = QStringLiteral("データベースに保存してもよろしいですか？");

QString decimalsPattern(int decimals)
{
    return decimals > 0 ? "0." + QString(decimals, '0') : QStringLiteral("0");
}

// Widths that fit the headings and the largest values of each kind of column.
int columnWidth(const refdb::DesignationColumn& c)
{
    using F = refdb::DesignationField;
    switch (c.field) {
    case F::Yobina:
        return 110;
    case F::Danseikeisuu:
        return 100;
    case F::KTB_Taikatai:
    case F::KousenNum:
        return 66;
    case F::Taikatai:
        return 58;
    default:
        return 88;
    }
}

bool rowEmpty(const ui::SpreadGrid& grid, int row, int cols)
{
    for (int col = 1; col <= cols; ++col) {
        if (!grid.GetText(col, row).trimmed().isEmpty())
            return false;
    }
    return true;
}

// The designation of a grid row; nothing when an item it needs is empty.
std::optional<refdb::AnchorDesignation> readRow(
    const ui::SpreadGrid& grid, int row, const QList<refdb::DesignationColumn>& columns)
{
    refdb::AnchorDesignation d;
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].isText())
            d.Yobina = grid.GetText(i + 1, row).trimmed();
        else if (std::optional<double> v = grid.GetValue(i + 1, row))
            setColumnValue(d, columns[i], *v);
    }
    if (d.Yobina.isEmpty())
        return std::nullopt;
    for (int i = 0; i < columns.size(); ++i) {
        if (!columns[i].isText() && columnRequired(columns[i], d.KTB_Taikatai) && !grid.GetValue(i + 1, row))
            return std::nullopt;
    }
    return d;
}

} // namespace

void frmAncDBEntry::LayoutDesignationGrid(ui::SpreadGrid& grid, int type)
{
    const QList<refdb::DesignationColumn> columns = refdb::designationColumns(type);
    grid.SetMaxCols(int(columns.size()));
    for (int i = 0; i < columns.size(); ++i) {
        const refdb::DesignationColumn& c = columns[i];
        int col = i + 1;
        grid.SetText(col, 0, c.heading);
        grid.SetColWidth(col, columnWidth(c));
        if (c.isText())
            grid.SetTypeText(ui::CellBlock::cols(col, col));
        else
            grid.SetTypeNumber(ui::CellBlock::cols(col, col), c.decimals, c.minimum, c.maximum);
    }
}

void frmAncDBEntry::ShowDesignation(ui::SpreadGrid& grid, int row, int type, const refdb::AnchorDesignation& d)
{
    const QList<refdb::DesignationColumn> columns = refdb::designationColumns(type);
    for (int i = 0; i < columns.size(); ++i) {
        const refdb::DesignationColumn& c = columns[i];
        if (c.isText())
            grid.SetText(i + 1, row, d.Yobina);
        else if (columnRequired(c, d.KTB_Taikatai))
            grid.SetText(i + 1, row, formatNumber(columnValue(d, c), decimalsPattern(c.decimals)));
        else
            grid.SetText(i + 1, row, QString());
    }
}

frmAncDBEntry::frmAncDBEntry(int type, const QString& method, QWidget* parent)
    : QDialog(parent)
    , type_(type)
    , columns_(refdb::designationColumns(type))
{
    setObjectName("frmAncDBEntry");
    setWindowTitle(QStringLiteral("アンカー規格データベースの編集") + anchorTypeSuffix(type));
    buildControls();
    loadMethods(method);
}

void frmAncDBEntry::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("工法名"), this));
    methods_ = new QComboBox(this);
    methods_->setObjectName("Combo1");
    methods_->setMinimumWidth(320);
    top->addWidget(methods_);
    auto* names = ui::commandButton(this, "CmdNameAdd", QStringLiteral("工法名の追加・変更"));
    top->addWidget(names);
    top->addStretch();
    layout->addLayout(top);

    grid_ = new ui::SpreadGrid(this);
    grid_->setObjectName("vaSpread1");
    LayoutDesignationGrid(*grid_, type_);
    layout->addWidget(grid_, 1);
    if (type_ == LoadDistributionType)
        layout->addWidget(
            new QLabel(QStringLiteral("（荷重分散型の断面積はPC鋼より線1本当たりで登録されています）"), this));

    auto* buttons = new QHBoxLayout;
    auto* insert = ui::commandButton(this, "CmdInsert", QStringLiteral("行挿入"));
    auto* removeRow = ui::commandButton(this, "CmdRowDelete", QStringLiteral("行削除"));
    auto* removeAll = ui::commandButton(this, "CmdDelete", QStringLiteral("工法の規格を全削除"));
    auto* save = ui::commandButton(this, "CmdSave", QStringLiteral("保存"));
    auto* close = ui::commandButton(this, "CmdClose", QStringLiteral("閉じる"));
    for (QPushButton* b : { insert, removeRow, removeAll })
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(methods_, &QComboBox::currentIndexChanged, this, &frmAncDBEntry::methodChosen);
    connect(names, &QPushButton::clicked, this, &frmAncDBEntry::editMethods);
    connect(insert, &QPushButton::clicked, this, &frmAncDBEntry::insertRow);
    connect(removeRow, &QPushButton::clicked, this, &frmAncDBEntry::deleteRow);
    connect(removeAll, &QPushButton::clicked, this, &frmAncDBEntry::deleteMethodRows);
    connect(save, &QPushButton::clicked, this, [this] {
        if (!currentMethod().isEmpty() && showMessage(SaveQuestion, MsgIcon::Question, MsgButtons::YesNo) == AnswerYes)
            saveRows();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &ui::SpreadGrid::Change, this, [this] { modified_ = true; });
    connect(grid_, &ui::SpreadGrid::BlockCleared, this, [this] { modified_ = true; });
    resize(type_ == LoadDistributionType ? 1080 : 860, 560);
}

void frmAncDBEntry::loadMethods(const QString& select)
{
    QSignalBlocker quiet(methods_);
    methods_->clear();
    for (const refdb::AnchorMethod& m : refdb::anchorMethods()) {
        if (m.AncType == type_)
            methods_->addItem(m.AncName);
    }
    int index = methods_->findText(select, Qt::MatchFixedString);
    methods_->setCurrentIndex(index >= 0 ? index : (methods_->count() > 0 ? 0 : -1));
    showRows();
}

QString frmAncDBEntry::currentMethod() const
{
    return methods_->currentText();
}

void frmAncDBEntry::methodChosen()
{
    if (!keepOrDropEdits()) {
        QSignalBlocker quiet(methods_);
        methods_->setCurrentIndex(methods_->findText(shownMethod_, Qt::MatchFixedString));
        return;
    }
    showRows();
}

void frmAncDBEntry::showRows()
{
    shownMethod_ = currentMethod();
    QList<refdb::AnchorDesignation> rows;
    if (!shownMethod_.isEmpty())
        rows = refdb::designations(shownMethod_, type_);
    {
        ui::ReDrawSuspended pause(*grid_);
        grid_->SetMaxRows(int(rows.size()) + SpareRows);
        grid_->ClearText(ui::CellBlock::all());
        for (int i = 0; i < rows.size(); ++i)
            ShowDesignation(*grid_, i + 1, type_, rows[i]);
    }
    grid_->setEnabled(!shownMethod_.isEmpty());
    modified_ = false;
}

bool frmAncDBEntry::saveRows()
{
    QList<refdb::AnchorDesignation> rows;
    for (int row = 1; row <= grid_->MaxRows(); ++row) {
        if (rowEmpty(*grid_, row, grid_->MaxCols()))
            continue;
        std::optional<refdb::AnchorDesignation> d = readRow(*grid_, row, columns_);
        if (!d) {
            showMessage(
                QString::number(row) + QStringLiteral("行目のデータに未入力項目があります。"), MsgIcon::Exclamation);
            grid_->SetActiveCell(1, row);
            return false;
        }
        rows << *d;
    }
    if (!refdb::saveDesignations(shownMethod_, type_, rows))
        return false;
    saved_ = true;
    showRows();
    return true;
}

// True when the window may show other rows: nothing was changed, or the user
// saved the changes, or chose to drop them.
bool frmAncDBEntry::keepOrDropEdits()
{
    if (!modified_ || shownMethod_.isEmpty())
        return true;
    if (showMessage(SaveQuestion, MsgIcon::Question, MsgButtons::YesNo) == AnswerYes)
        return saveRows();
    modified_ = false;
    return true;
}

void frmAncDBEntry::insertRow()
{
    int row = grid_->ActiveRow();
    if (row < 1 || !grid_->isEnabled())
        return;
    int last = grid_->MaxRows();
    grid_->SetMaxRows(last + 1);
    grid_->MoveBlock(ui::CellBlock::rows(row, last), 1, row + 1);
    modified_ = true;
}

void frmAncDBEntry::deleteRow()
{
    int row = grid_->ActiveRow();
    if (row < 1 || !grid_->isEnabled())
        return;
    int last = grid_->MaxRows();
    if (row < last)
        grid_->MoveBlock(ui::CellBlock::rows(row + 1, last), 1, row);
    else
        grid_->ClearText(ui::CellBlock::rows(row, row));
    modified_ = true;
}

void frmAncDBEntry::deleteMethodRows()
{
    if (shownMethod_.isEmpty())
        return;
    if (showMessage(
            QStringLiteral("データベースから削除します。よろしいですか？"), MsgIcon::Question, MsgButtons::YesNo)
        != AnswerYes)
        return;
    if (refdb::deleteDesignations(shownMethod_, type_))
        saved_ = true;
    showRows();
}

void frmAncDBEntry::editMethods()
{
    if (!keepOrDropEdits())
        return;
    if (frmAncNameAdd::ShowForm(this, type_))
        saved_ = true;
    loadMethods(shownMethod_);
}

void frmAncDBEntry::done(int result)
{
    if (!keepOrDropEdits())
        return;
    QDialog::done(result);
}

bool frmAncDBEntry::ShowForm(QWidget* parent, int type, const QString& method)
{
    frmAncDBEntry dialog(type, method, parent);
    ui::execModal(dialog);
    return dialog.databaseChanged();
}

} // namespace tessaro
