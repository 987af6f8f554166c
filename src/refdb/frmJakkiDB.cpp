#include "refdb/frmJakkiDB.h"

#include "graphs/JackCalibrationChart.h"
#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/basKajyuu.h"
#include "refdb/JackDatabase.h"
#include "refdb/frmJakki.h"
#include "ui/Chart2D.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/OlectraChart.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

namespace {

constexpr int MaxPairs = 20;
constexpr int PressureCol = 1;
constexpr int OutputCol = 2;
const QString RemarkFormat = QStringLiteral("###0.00");
constexpr double RemarkMax = 9999.99;

struct RemarkBox {
    const char* name;
    const char* caption;
    const char* unit;
};
// Capacity, working pressure, ram area, stroke: the order of the CDataJakki remarks.
const std::array<RemarkBox, 4> RemarkBoxes = { {
    { "imTxtNouryoku", "ジャッキ能力", "(kN)" },
    { "imTxtAturyoku", "常用圧力", "(MPa)" },
    { "imTxtMenseki", "受圧面積", "(cm2)" },
    { "imTxtStrok", "ストローク長", "(mm)" },
} };

std::array<double*, 4> remarkFields(refdb::CDataJakki& j)
{
    return { &j.Nouryoku, &j.Aturyoku, &j.menseki, &j.Strok };
}

// Remarks: a value that was not given is shown empty. Anchor copies keep such a
// value as 0, which no real jack has, so 0 shows empty as well.
void showRemark(ui::NumberBox* box, double value)
{
    if (value <= 0)
        box->clear();
    else
        box->SetValue(value);
}

void warn(const QString& text)
{
    showMessage(text, MsgIcon::Exclamation);
}

// The number the jack database gives the jack of this name; -1 when it holds none.
int storedNumber(const QString& name)
{
    if (name.isEmpty())
        return -1;
    std::optional<refdb::CDataJakki> stored = refdb::findJack(name);
    return stored ? stored->No : -1;
}

// Another jack reads other pressures for the same loads: the plan's gauge
// pressures follow it, and the reading sheet is made again at the next input.
void setAnchorJack(Project& p, int index, AnchorRecord& anchor, const JackRecord& jack)
{
    anchor.Jack = jack;
    anchor.EditFlag = 0;
    FillPlanGauges(anchor);
    if (index >= 1 && index <= int(p.Record.AnchorLabels.size()) && index <= int(p.Record.AnchorMarks.size())) {
        p.Record.AnchorLabels[std::size_t(index - 1)] = jack.JackName;
        p.Record.AnchorMarks[std::size_t(index - 1)] = jack.JackNo;
    }
}

} // namespace

frmJakkiDB::frmJakkiDB(Target target, const refdb::CDataJakki& jack, int storedNo, QWidget* parent)
    : QDialog(parent)
    , target_(target)
    , storedNo_(storedNo)
{
    setObjectName("frmJakkiDB");
    setWindowTitle(QStringLiteral("ジャッキの詳細"));
    buildControls();
    showJack(jack);
    resize(900, 560);
}

void frmJakkiDB::buildControls()
{
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("ジャッキ名称"), this));
    name_ = new ui::TextBox(this);
    name_->setObjectName("imTxtJName");
    name_->setMinimumWidth(260);
    top->addWidget(name_);
    top->addStretch();
    auto* import = ui::commandButton(this, "CmdTouroku", QStringLiteral("ジャッキ登録リストから取り込み"));
    import->setVisible(target_ != Target::DatabaseOnly);
    top->addWidget(import);
    layout->addLayout(top);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* remarks = new QGroupBox(QStringLiteral("備考"), this);
    auto* remarkGrid = new QGridLayout(remarks);
    for (std::size_t i = 0; i < RemarkBoxes.size(); ++i) {
        const RemarkBox& r = RemarkBoxes[i];
        remarks_[i] = new ui::NumberBox(remarks, RemarkFormat);
        remarks_[i]->setObjectName(r.name);
        remarks_[i]->SetCheck(QString::fromUtf8(r.caption), 0, RemarkMax);
        remarks_[i]->setFixedWidth(90);
        remarkGrid->addWidget(new QLabel(QString::fromUtf8(r.caption), remarks), int(i), 0);
        remarkGrid->addWidget(remarks_[i], int(i), 1);
        remarkGrid->addWidget(new QLabel(QString::fromUtf8(r.unit), remarks), int(i), 2);
    }
    auto* note = new QLabel(QStringLiteral("※備考欄の値は計算には使われません。\n空白でも登録できます。"), remarks);
    remarkGrid->addWidget(note, int(RemarkBoxes.size()), 0, 1, 3);
    left->addWidget(remarks);

    auto* table = new QGroupBox(QStringLiteral("キャリブレーション表"), this);
    auto* tableLayout = new QVBoxLayout(table);
    grid_ = new ui::SpreadGrid(table);
    grid_->setObjectName("vaSpread1");
    grid_->SetMaxCols(2);
    grid_->SetMaxRows(MaxPairs);
    grid_->SetText(PressureCol, 0, QStringLiteral("ゲージ圧力\n(MPa)"));
    grid_->SetText(OutputCol, 0, QStringLiteral("ジャッキ出力\n(kN)"));
    grid_->SetTypeNumber(ui::CellBlock::all(), 2, 0, 9999.99);
    grid_->SetColWidth(PressureCol, 100);
    grid_->SetColWidth(OutputCol, 100);
    grid_->horizontalHeader()->setStretchLastSection(true);
    tableLayout->addWidget(grid_);
    left->addWidget(table, 1);
    body->addLayout(left);

    chart_ = new ui::Chart2D(this);
    chart_->setObjectName("Chart2D1");
    chart_->setMinimumSize(420, 360);
    ui::restrictEditorHideBasic(*chart_);
    body->addWidget(chart_, 1);
    layout->addLayout(body, 1);

    allAnchors_ = new QCheckBox(QStringLiteral("このジャッキデータを全アンカー孔番号に反映させる"), this);
    allAnchors_->setObjectName("ChkAllJakki");
    // Only a quality-assurance project has anchors besides the one being edited.
    allAnchors_->setVisible(target_ == Target::CurrentAnchor && !project().isBasic());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(allAnchors_);
    buttons->addStretch();
    ui::addOkCancel(buttons, this);
    layout->addLayout(buttons);

    connect(import, &QPushButton::clicked, this, &frmJakkiDB::importFromList);
    connect(grid_, &ui::SpreadGrid::Change, this, &frmJakkiDB::redrawChart);
    connect(grid_, &ui::SpreadGrid::BlockCleared, this, &frmJakkiDB::redrawChart);
}

void frmJakkiDB::showJack(const refdb::CDataJakki& jack)
{
    name_->SetText(jack.JakkiName);
    refdb::CDataJakki shown = jack;
    std::array<double*, 4> values = remarkFields(shown);
    for (std::size_t i = 0; i < remarks_.size(); ++i)
        showRemark(remarks_[i], *values[i]);
    {
        ui::ReDrawSuspended pause(*grid_);
        grid_->ClearText(ui::CellBlock::all());
        for (int i = 0; i < std::min(jack.PairCount(), MaxPairs); ++i) {
            grid_->SetText(PressureCol, i + 1, formatNumber(jack.CarryAtu[i], "0.00"));
            grid_->SetText(OutputCol, i + 1, formatNumber(jack.CarrySyutu[i], "0.00"));
        }
    }
    redrawChart();
    // What the window shows is what OK compares with to see whether the stored
    // jack has to be rewritten.
    loaded_ = readJack().value_or(jack);
    loaded_.No = std::int16_t(storedNo_);
}

std::optional<refdb::CDataJakki> frmJakkiDB::readJack() const
{
    refdb::CDataJakki j;
    j.No = std::int16_t(storedNo_);
    j.JakkiName = name_->Text().trimmed();
    std::array<double*, 4> values = remarkFields(j);
    for (std::size_t i = 0; i < remarks_.size(); ++i) {
        if (std::optional<double> v = remarks_[i]->Value())
            *values[i] = *v;
    }
    for (int row = 1; row <= MaxPairs; ++row) {
        std::optional<double> pressure = grid_->GetValue(PressureCol, row);
        std::optional<double> output = grid_->GetValue(OutputCol, row);
        if (!pressure && !output)
            continue;
        if (!pressure || !output)
            return std::nullopt;
        j.CarryAtu << *pressure;
        j.CarrySyutu << *output;
    }
    return j;
}

void frmJakkiDB::redrawChart()
{
    QList<double> pressures;
    QList<double> outputs;
    for (int row = 1; row <= MaxPairs; ++row) {
        std::optional<double> pressure = grid_->GetValue(PressureCol, row);
        std::optional<double> output = grid_->GetValue(OutputCol, row);
        if (pressure && output) {
            pressures << *pressure;
            outputs << *output;
        }
    }
    chart_->setData(jackCalibrationChart(pressures, outputs));
}

void frmJakkiDB::importFromList()
{
    QString name;
    int number = -1;
    if (!frmJakki::ShowForm(this, frmJakki::ImportForAnchor, name, number))
        return;
    std::optional<refdb::CDataJakki> jack = refdb::findJack(name);
    if (!jack)
        return;
    storedNo_ = jack->No;
    showJack(*jack);
}

bool frmJakkiDB::appliesToAllAnchors() const
{
    return !allAnchors_->isHidden() && allAnchors_->isChecked();
}

// False when the window has to stay open: the name belongs to another jack, or
// the database could not take a jack that is edited for the list alone. An
// anchor's jack is still taken over when the database cannot be used (the user
// has been told), as the project does not depend on the list.
bool frmJakkiDB::storeInDatabase(refdb::CDataJakki& jack)
{
    using refdb::WriteResult;
    jack.No = std::int16_t(storedNo_);
    if (storedNo_ > 0 && !jack.CheckModify(loaded_))
        return true;
    WriteResult result = storedNo_ > 0 ? refdb::updateJack(jack) : WriteResult::NotFound;
    // A jack removed from the list since the window opened is appended anew.
    if (result == WriteResult::NotFound)
        result = refdb::insertJack(jack);
    if (result == WriteResult::DuplicateName) {
        warn(QStringLiteral("ジャッキ名称が重複しています。入力し直して下さい。"));
        name_->SetFocus();
        return false;
    }
    if (result == WriteResult::Done)
        storedNo_ = jack.No;
    return result == WriteResult::Done || target_ != Target::DatabaseOnly;
}

void frmJakkiDB::accept()
{
    for (ui::NumberBox* box : remarks_) {
        if (!box->Check())
            return;
    }
    std::optional<refdb::CDataJakki> jack = readJack();
    if (!jack || jack->JakkiName.isEmpty() || jack->PairCount() == 0) {
        warn(QStringLiteral("入力されていない項目があります。入力してください。"));
        return;
    }
    if (!jack->PairsAscending()) {
        warn(QStringLiteral("キャリブレーション表は、ゲージ圧力・ジャッキ出力とも小さい順に入力して下さい。"));
        return;
    }
    if (!storeInDatabase(*jack))
        return;
    accepted_ = *jack;
    QDialog::accept();
}

bool frmJakkiDB::ShowForm(QWidget* parent)
{
    Project& p = project();
    AnchorRecord& current = p.currentAnchor();
    refdb::CDataJakki jack = refdb::CDataJakki::fromJackRecord(current.Jack);
    frmJakkiDB dialog(Target::CurrentAnchor, jack, storedNumber(jack.JakkiName), parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    JackRecord record = dialog.jack().toJackRecord();
    if (dialog.appliesToAllAnchors()) {
        for (int i = 1; i <= int(p.Record.Anchors.size()); ++i)
            setAnchorJack(p, i, p.anchor(i), record);
    }
    else {
        setAnchorJack(p, p.shownAnchor(), current, record);
    }
    return true;
}

bool frmJakkiDB::ShowForm22(QWidget* parent, JackRecord& jack)
{
    refdb::CDataJakki shown = refdb::CDataJakki::fromJackRecord(jack);
    frmJakkiDB dialog(Target::GivenRecord, shown, storedNumber(shown.JakkiName), parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    jack = dialog.jack().toJackRecord();
    return true;
}

bool frmJakkiDB::ShowFormDatabase(QWidget* parent, const std::optional<refdb::CDataJakki>& jack, int& storedNo)
{
    frmJakkiDB dialog(Target::DatabaseOnly, jack.value_or(refdb::CDataJakki {}), jack ? jack->No : -1, parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    storedNo = dialog.storedNo();
    return true;
}

} // namespace tessaro
