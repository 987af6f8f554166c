#include "ui/ReferenceValueWindow.h"

#include "model/NumberFormat.h"
#include "ui/Modal.h"
#include "ui/WindowParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessaro::ui {
namespace {

QTableWidget* valueGrid(QWidget* parent, const ReferenceValueTable& t)
{
    auto* grid = new QTableWidget(int(t.rows.size()), int(t.columns.size()), parent);
    grid->setObjectName("vaSpread1");
    grid->setHorizontalHeaderLabels(t.columns);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    QStringList captions;
    for (int r = 0; r < int(t.rows.size()); ++r) {
        const ReferenceValueTable::Row& row = t.rows[std::size_t(r)];
        captions << row.caption;
        for (int c = 0; c < int(row.values.size()) && c < grid->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(formatNumber(row.values[std::size_t(c)], t.format));
            item->setTextAlignment(Qt::AlignCenter);
            grid->setItem(r, c, item);
        }
    }
    grid->setVerticalHeaderLabels(captions);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->setCornerButtonEnabled(false);
    return grid;
}

} // namespace

std::optional<double> chooseReferenceValue(QWidget* parent, const QString& objectName, const ReferenceValueTable& t)
{
    QDialog window(parent);
    window.setObjectName(objectName);
    window.setWindowTitle(t.title);
    QTableWidget* grid = valueGrid(&window, t);
    auto* note = namedLabel(&window, QStringLiteral("LblNote"), t.note);
    note->setWordWrap(true);

    QPushButton* choose = commandButton(&window, QStringLiteral("CmdOK"), QStringLiteral("選択"));
    choose->setDefault(true);
    QPushButton* close = commandButton(&window, QStringLiteral("CmdClose"), QStringLiteral("閉じる"));
    choose->setEnabled(false);
    QObject::connect(grid, &QTableWidget::itemSelectionChanged, choose,
        [grid, choose] { choose->setEnabled(!grid->selectedItems().isEmpty()); });
    QObject::connect(choose, &QPushButton::clicked, &window, &QDialog::accept);
    QObject::connect(grid, &QTableWidget::itemDoubleClicked, &window, &QDialog::accept);
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(choose);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(namedLabel(&window, QStringLiteral("LblHeading"), t.heading));
    layout->addWidget(grid);
    layout->addWidget(note);
    layout->addLayout(buttons);
    window.resize(600, 260);
    if (execModal(window) != QDialog::Accepted || grid->selectedItems().isEmpty())
        return std::nullopt;
    const QTableWidgetItem* item = grid->selectedItems().first();
    return t.rows[std::size_t(item->row())].values[std::size_t(item->column())];
}

} // namespace tessaro::ui
