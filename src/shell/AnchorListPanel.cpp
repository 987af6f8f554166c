#include "shell/AnchorListPanel.h"

#include "model/basMainData.h"
#include "planning/AnchorList.h"
#include "planning/AnchorListTexts.h"
#include "ui/SpreadGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace tessaro {
namespace {

const QColor WithoutInput(0xd9, 0xd9, 0xd9);
const QColor OnScreen(0xff, 0xf2, 0xc6);

// Width of each quality-assurance column, wide enough for its heading.
constexpr int QualityWidths[]
    = { 40, 110, 92, 84, 84, 70, 70, 52, 96, 112, 62, 62, 80, 150, 72, 170, 70, 80, 62, 76, 120, 80, 96, 96 };
constexpr int BasicWidths[] = { 120, 180, 100, 70, 100, 100, 150, 180, 80, 90 };
// Columns of numbers, shown right-aligned.
constexpr int QualityNumberColumns[] = { 4, 5, 6, 7, 8, 11, 12, 13, 17, 18, 19, 20 };
constexpr int BasicNumberColumns[] = { 3, 4, 5, 9, 10 };

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

void setHeadings(ui::SpreadGrid& grid, const QStringList& headings, const int* widths)
{
    grid.SetMaxCols(int(headings.size()));
    for (int c = 1; c <= int(headings.size()); ++c) {
        grid.SetText(c, 0, headings[c - 1]);
        grid.SetColWidth(c, widths[c - 1]);
    }
    grid.verticalHeader()->setVisible(false);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
}

} // namespace

AnchorListPanel::AnchorListPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("AnchorListPanel");
    buildQualityGrid();
    buildBasicGrid();

    listCommands_ = new QFrame(this);
    listCommands_->setObjectName("FramList");
    auto* list = new QHBoxLayout(listCommands_);
    list->setContentsMargins(0, 0, 0, 0);
    list->addWidget(commandButton(listCommands_, "CmdAdd", QStringLiteral("追加")));
    list->addWidget(commandButton(listCommands_, "CmdDel", QStringLiteral("削除")));
    list->addWidget(commandButton(listCommands_, "CmdAllSpace", QStringLiteral("未入力行の削除")));
    for (int i : { 1, 0 }) {
        QPushButton* sort = commandButton(listCommands_, QStringLiteral("CmdSort_%1").arg(i),
            i == 1 ? QStringLiteral("▲ 上へ") : QStringLiteral("▼ 下へ"));
        sort->setToolTip(QStringLiteral("データの並べ替えを行います"));
        list->addWidget(sort);
    }

    auto* bar = new QHBoxLayout;
    bar->addWidget(listCommands_);
    bar->addStretch();
    bar->addWidget(commandButton(this, "CmdTextCopy", QStringLiteral("一覧をクリップボードへコピー")));
    bar->addWidget(commandButton(this, "CmdAnchorSyogenhyou", QStringLiteral("諸元表")));
    bar->addWidget(commandButton(this, "CmdExcel", QStringLiteral("Excel出力")));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addLayout(bar);
    layout->addWidget(hinshitu_, 1);
    layout->addWidget(kihon_, 1);

    popup_ = new QMenu(this);
    popup_->setObjectName("PopupMenu");
    popup_->addAction(QStringLiteral("コピー"))->setObjectName("PopupCopy");
    popup_->addAction(QStringLiteral("コピーを挿入"))->setObjectName("PopupInsert");
    popup_->addAction(QStringLiteral("削除"))->setObjectName("PopupDelete");
    setListCommandsVisible(false);
    setBasic(false);
}

void AnchorListPanel::buildQualityGrid()
{
    hinshitu_ = new ui::SpreadGrid(this);
    hinshitu_->setObjectName("vaSpreadHinshitu");
    setHeadings(*hinshitu_, qualityListHeadings(), QualityWidths);
    // Column properties are kept for the rows added later; the grid takes them
    // only while it has a row.
    hinshitu_->SetMaxRows(1);
    hinshitu_->SetLock(ui::CellBlock::cols(1, hinshitu_->MaxCols()), true);
    // Names and moduli are what the list view asks for; measurer and dates are
    // typed here as well.
    for (int c : { ListColName, ListColModulus, ListColMeasurer, ListColGroutDate, ListColTestDate })
        hinshitu_->SetLock(ui::CellBlock::cols(c, c), false);
    hinshitu_->SetTypeNumber(ui::CellBlock::cols(ListColModulus, ListColModulus), 2, 0.01, 999.99);
    hinshitu_->SetAlignment(ui::CellBlock::cols(ListColNo, ListColNo), Qt::AlignHCenter);
    for (int c : QualityNumberColumns)
        hinshitu_->SetAlignment(ui::CellBlock::cols(c, c), Qt::AlignRight);
    hinshitu_->SetMaxRows(0);
    connect(hinshitu_, &ui::SpreadGrid::Change, this, [this](int col, int row) {
        if (!filling_)
            emit cellEdited(col, row, hinshitu_->GetText(col, row));
    });
    connect(hinshitu_, &QAbstractItemView::doubleClicked, this,
        [this](const QModelIndex& index) { emit rowActivated(index.row() + 1); });
    connect(hinshitu_, &ui::SpreadGrid::RightClick, this, [this](int, int row, const QPoint& at) {
        if (row >= 1)
            selectRow(row);
        if (listCommandsVisible())
            popup_->popup(at);
    });
    connect(hinshitu_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { emit selectionMoved(); });
}

void AnchorListPanel::buildBasicGrid()
{
    kihon_ = new ui::SpreadGrid(this);
    kihon_->setObjectName("vaSpreadKihon");
    setHeadings(*kihon_, basicListHeadings(), BasicWidths);
    kihon_->SetMaxRows(1);
    kihon_->SetLock(ui::CellBlock::cols(1, kihon_->MaxCols()), true);
    for (int c : BasicNumberColumns)
        kihon_->SetAlignment(ui::CellBlock::cols(c, c), Qt::AlignRight);
    kihon_->SetMaxRows(0);
}

void AnchorListPanel::setBasic(bool basic)
{
    hinshitu_->setVisible(!basic);
    kihon_->setVisible(basic);
}

void AnchorListPanel::clear()
{
    QScopedValueRollback guard(filling_, true);
    hinshitu_->SetMaxRows(0);
    kihon_->SetMaxRows(0);
    current_ = 0;
}

void AnchorListPanel::fillAll()
{
    QScopedValueRollback guard(filling_, true);
    const Project& p = project();
    if (p.isBasic()) {
        ui::ReDrawSuspended pause(*kihon_);
        kihon_->SetMaxRows(1);
        const QStringList texts = basicRowTexts(p);
        for (int c = 1; c <= int(texts.size()); ++c)
            kihon_->SetText(c, 1, texts[c - 1]);
        return;
    }
    ui::ReDrawSuspended pause(*hinshitu_);
    const int rows = std::min<int>(p.Record.AnchorCount, int(p.Record.Anchors.size()));
    hinshitu_->SetMaxRows(rows);
    hinshitu_->SetBackColor(ui::CellBlock::all(), QColor());
    for (int row = 1; row <= rows; ++row)
        refreshRow(row);
}

void AnchorListPanel::refreshRow(int row)
{
    const Project& p = project();
    if (p.isBasic()) {
        fillAll();
        return;
    }
    if (row < 1 || row > hinshitu_->MaxRows())
        return;
    QScopedValueRollback guard(filling_, true);
    const QStringList texts = qualityRowTexts(p, row);
    for (int c = 1; c <= int(texts.size()); ++c) {
        if (hinshitu_->GetText(c, row) != texts[c - 1])
            hinshitu_->SetText(c, row, texts[c - 1]);
    }
    paintRow(row);
}

void AnchorListPanel::paintRow(int row)
{
    const Project& p = project();
    if (row < 1 || row > hinshitu_->MaxRows() || row > int(p.Record.Anchors.size()))
        return;
    QColor colour;
    if (row == current_)
        colour = OnScreen;
    else if (!anchorHasInput(p.Record.Anchors[std::size_t(row - 1)]))
        colour = WithoutInput;
    if (hinshitu_->BackColor(1, row) != colour)
        hinshitu_->SetBackColor(ui::CellBlock::rows(row, row), colour);
}

void AnchorListPanel::markCurrent(int row)
{
    const int previous = current_;
    current_ = project().isBasic() ? 0 : row;
    paintRow(previous);
    paintRow(current_);
    if (current_ >= 1)
        selectRow(current_);
}

int AnchorListPanel::selectedRow() const
{
    if (hinshitu_->MaxRows() == 0 || !hinshitu_->selectionModel()->hasSelection())
        return 0;
    int row = hinshitu_->ActiveRow();
    return row >= 1 && row <= hinshitu_->MaxRows() ? row : 0;
}

void AnchorListPanel::selectRow(int row)
{
    if (row < 1 || row > hinshitu_->MaxRows())
        return;
    hinshitu_->SetActiveCell(std::max(1, hinshitu_->ActiveCol()), row);
    hinshitu_->selectRow(row - 1);
    emit selectionMoved();
}

void AnchorListPanel::setListCommandsVisible(bool visible)
{
    listCommands_->setVisible(visible);
}

bool AnchorListPanel::listCommandsVisible() const
{
    return !listCommands_->isHidden();
}

} // namespace tessaro
