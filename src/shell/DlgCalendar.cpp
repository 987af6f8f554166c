#include "shell/DlgCalendar.h"

#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/SpreadHeaderView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace tessaro {
namespace {

constexpr int Weeks = 6;
constexpr int DaysPerWeek = 7;

QPushButton* stepButton(QWidget* parent, const QString& name, const QString& text, const QString& tip)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

// Column of a weekday, the week starting on Sunday.
int columnOf(const QDate& date)
{
    return date.dayOfWeek() % DaysPerWeek + 1;
}

} // namespace

DlgCalendar::DlgCalendar(const QDate& initial, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DlgCalendar");
    setWindowTitle(QStringLiteral("日付の選択"));
    years_ = new QComboBox(this);
    years_->setObjectName("Combo1");
    for (int y = FirstYear; y <= LastYear; ++y)
        years_->addItem(QString::number(y) + QStringLiteral("年"));
    months_ = new QComboBox(this);
    months_->setObjectName("Combo2");
    for (int m = 1; m <= 12; ++m)
        months_->addItem(QString::number(m) + QStringLiteral("月"));

    days_ = new ui::SpreadGrid(this);
    days_->setObjectName("DateSpread");
    days_->SetMaxCols(DaysPerWeek);
    days_->SetMaxRows(Weeks);
    const QStringList weekdays = { "日", "月", "火", "水", "木", "金", "土" };
    for (int c = 1; c <= DaysPerWeek; ++c) {
        days_->SetText(c, 0, weekdays[c - 1]);
        days_->SetColWidth(c, 40);
    }
    days_->SetTypeStaticText(ui::CellBlock::all());
    days_->SetAlignment(ui::CellBlock::all(), Qt::AlignCenter);
    days_->SetForeColor(ui::CellBlock::cols(1, 1), QColor(0xc0, 0x00, 0x00));
    days_->SetForeColor(ui::CellBlock::cols(7, 7), QColor(0x00, 0x30, 0xc0));
    days_->verticalHeader()->setVisible(false);
    days_->setSelectionMode(QAbstractItemView::SingleSelection);
    days_->setFixedSize(40 * DaysPerWeek + 4,
        days_->columnHeader()->sizeHint().height() + Weeks * days_->verticalHeader()->defaultSectionSize() + 4);

    auto* top = new QHBoxLayout;
    top->addWidget(stepButton(this, "Command1", "<<", QStringLiteral("前年")));
    top->addWidget(stepButton(this, "Command3", "<", QStringLiteral("前月")));
    top->addWidget(years_);
    top->addWidget(months_);
    top->addWidget(stepButton(this, "Command4", ">", QStringLiteral("翌月")));
    top->addWidget(stepButton(this, "Command2", ">>", QStringLiteral("翌年")));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("ComOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("ComCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(days_, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);

    connect(findChild<QPushButton*>("Command1"), &QPushButton::clicked, this, [this] { stepYear(-1); });
    connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this, [this] { stepYear(1); });
    connect(findChild<QPushButton*>("Command3"), &QPushButton::clicked, this, [this] { stepMonth(-1); });
    connect(findChild<QPushButton*>("Command4"), &QPushButton::clicked, this, [this] { stepMonth(1); });
    connect(years_, &QComboBox::currentIndexChanged, this, &DlgCalendar::listsChanged);
    connect(months_, &QComboBox::currentIndexChanged, this, &DlgCalendar::listsChanged);
    connect(days_->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& index) { dayChosen(index.column() + 1, index.row() + 1); });
    connect(days_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!days_->GetText(index.column() + 1, index.row() + 1).isEmpty())
            accept();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const bool usable = initial.isValid() && initial.year() >= FirstYear && initial.year() <= LastYear;
    showMonth(usable ? initial : QDate::currentDate());
}

void DlgCalendar::showMonth(const QDate& date)
{
    QScopedValueRollback guard(showing_, true);
    date_ = date;
    years_->setCurrentIndex(date.year() - FirstYear);
    months_->setCurrentIndex(date.month() - 1);
    drawDays();
}

void DlgCalendar::drawDays()
{
    ui::ReDrawSuspended pause(*days_);
    days_->ClearText(ui::CellBlock::all());
    const QDate first(date_.year(), date_.month(), 1);
    const int offset = columnOf(first) - 1;
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        int cell = offset + day - 1;
        days_->SetText(cell % DaysPerWeek + 1, cell / DaysPerWeek + 1, QString::number(day));
    }
    int cell = offset + date_.day() - 1;
    days_->SetActiveCell(cell % DaysPerWeek + 1, cell / DaysPerWeek + 1);
}

// Stepping goes from the first day of the month shown and stops at the ends
// of the year list; months do not step across the year.
void DlgCalendar::stepYear(int step)
{
    const int year = date_.year() + step;
    if (year < FirstYear || year > LastYear)
        return;
    showMonth(QDate(date_.year(), date_.month(), 1).addYears(step));
}

void DlgCalendar::stepMonth(int step)
{
    const int month = date_.month() + step;
    if (month < 1 || month > 12)
        return;
    showMonth(QDate(date_.year(), date_.month(), 1).addMonths(step));
}

void DlgCalendar::listsChanged()
{
    if (showing_ || years_->currentIndex() < 0 || months_->currentIndex() < 0)
        return;
    const QDate first(FirstYear + years_->currentIndex(), months_->currentIndex() + 1, 1);
    showMonth(QDate(first.year(), first.month(), std::min(date_.day(), first.daysInMonth())));
}

void DlgCalendar::dayChosen(int col, int row)
{
    bool ok = false;
    const int day = days_->GetText(col, row).toInt(&ok);
    if (ok && !showing_)
        date_ = QDate(date_.year(), date_.month(), day);
}

QString DlgCalendar::dateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy年MM月dd日"));
}

QDate DlgCalendar::parseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"((\d{4})\s*年\s*(\d{1,2})\s*月\s*(\d{1,2})\s*日)"));
    QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

bool DlgCalendar::ShowForm(QWidget* parent, const QString& initial, QString& dateText)
{
    DlgCalendar dialog(parseDate(initial), parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    dateText = DlgCalendar::dateText(dialog.date());
    return true;
}

} // namespace tessaro
