#include "refdb/frmAncDBRefer.h"

#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/TestKinds.h"
#include "refdb/DesignationColumns.h"
#include "refdb/ProductSelection.h"
#include "refdb/frmAncDBEntry.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro {

namespace {

const QString Title = QStringLiteral("アンカー規格の登録");
const QString DetailsTitle = QStringLiteral("現在選択されているアンカーの詳細情報");

// A detail of the chosen designation: its value label, caption and unit, and
// where it stands: the left block holds what every type has, the right block
// the values of some types only.
struct Detail {
    const char* name;
    const char* caption;
    const char* unit;
    int column;
    bool isName = false; // a name: wide and left-aligned
};

const std::array<Detail, 13> Details = { {
    { "LblAncName", "工法名", "", 0, true },
    { "LblYobina", "呼び名", "", 0, true },
    { "LblHippari", "引張荷重 Tus", "(kN)", 0 },
    { "LblKoufuku", "降伏荷重 Tys", "(kN)", 0 },
    { "LblDanmenseki", "断面積", "(mm2)", 0 },
    { "LblDanseikeisuu", "ﾃﾝﾄﾞﾝ弾性係数", "(kN/mm2)", 0 },
    { "LblSakukoukei", "削孔径[参考値]", "(mm)", 0 },
    { "LblMikake", "見かけ周長", "(mm)", 1 },
    { "LblUeMansyon", "上部ﾏﾝｼｮﾝ", "(mm)", 1 },
    { "LblShitaMansyon", "下部ﾏﾝｼｮﾝ", "(mm)", 1 },
    { "LblTaikatai", "耐荷体数", "(個)", 1 },
    { "LblKousen", "鋼線総数", "(組)", 1 },
    { "LblTaikataiKumi", "耐荷体毎の鋼線組数", "(組)", 1 },
} };

bool detailShown(const QString& name, int type)
{
    refdb::TypeColumns c = refdb::columnsOfType(type);
    if (name == "LblMikake")
        return c.MikakeSyuutyou;
    if (name == "LblUeMansyon")
        return c.UeMansyon;
    if (name == "LblShitaMansyon")
        return c.ShitaMansyon;
    if (name == "LblTaikatai" || name == "LblKousen" || name == "LblTaikataiKumi")
        return c.Bodies;
    return true;
}

std::map<QString, QString> detailTexts(const refdb::AnchorMethod& m, const refdb::AnchorDesignation& d)
{
    QStringList sets;
    for (int k = 0; k < std::clamp(d.KTB_Taikatai, 0, refdb::MaxBodies); ++k)
        sets << QString::number(d.Taikatai[std::size_t(k)]);
    return {
        { "LblAncName", m.AncName },
        { "LblYobina", d.Yobina },
        { "LblHippari", formatNumber(d.Hippari, "0.00") },
        { "LblKoufuku", formatNumber(d.Koufuku, "0.00") },
        { "LblDanmenseki", formatNumber(d.Danmenseki, "0.00") },
        { "LblDanseikeisuu", formatNumber(d.Danseikeisuu, "0.00") },
        { "LblSakukoukei", formatNumber(d.Sakukoukei, "0") },
        { "LblMikake", formatNumber(d.MikakeSyuutyou, "0.0") },
        { "LblUeMansyon", formatNumber(d.UeMansyon, "0") },
        { "LblShitaMansyon", formatNumber(d.ShitaMansyon, "0") },
        { "LblTaikatai", QString::number(d.KTB_Taikatai) },
        { "LblKousen", QString::number(d.KousenNum) },
        { "LblTaikataiKumi", sets.join(QStringLiteral(" - ")) },
    };
}

} // namespace

frmAncDBRefer::frmAncDBRefer(const AnchorRecord& anchor, QWidget* parent)
    : QDialog(parent)
    , anchor_(anchor)
{
    setObjectName("frmAncDBRefer");
    setWindowTitle(Title);
    buildControls();
    loadMethods(anchor_.Tendon.AnchorTypeName, anchor_.Tendon.AnchorTypeCode);
    resize(1080, 660);
}

void frmAncDBRefer::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("工法名"), this));
    methodBox_ = new QComboBox(this);
    methodBox_->setObjectName("Combo1");
    methodBox_->setMinimumWidth(360);
    top->addWidget(methodBox_);
    top->addStretch();
    auto* entry = ui::commandButton(this, "CmdTouroku", QStringLiteral("アンカー規格の登録・変更"));
    top->addWidget(entry);
    layout->addLayout(top);

    grid_ = new ui::SpreadGrid(this);
    grid_->setObjectName("vaSpread1");
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(grid_, 1);
    areaNote_ = new QLabel(QStringLiteral("（荷重分散型の断面積はPC鋼より線1本当たりで登録されています）"), this);
    layout->addWidget(areaNote_);
    layout->addWidget(buildDetails());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addOkCancel(buttons, this);
    layout->addLayout(buttons);

    connect(methodBox_, &QComboBox::currentIndexChanged, this, &frmAncDBRefer::methodChosen);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { rowChosen(current.isValid() ? current.row() + 1 : 0); });
    connect(grid_, &QAbstractItemView::doubleClicked, this, &frmAncDBRefer::accept);
    connect(entry, &QPushButton::clicked, this, &frmAncDBRefer::openRegistration);
}

QWidget* frmAncDBRefer::buildDetails()
{
    auto* frame = new QGroupBox(DetailsTitle, this);
    frame->setObjectName("FraSyousai");
    auto* blocks = new QHBoxLayout(frame);
    std::array<QVBoxLayout*, 2> block { new QVBoxLayout, new QVBoxLayout };
    for (const Detail& d : Details) {
        auto* line = new QWidget(frame);
        line->setObjectName(QString::fromUtf8(d.name) + "Row");
        auto* h = new QHBoxLayout(line);
        h->setContentsMargins(0, 0, 0, 0);
        auto* caption = new QLabel(QString::fromUtf8(d.caption), line);
        caption->setMinimumWidth(140);
        auto* value = ui::namedLabel(line, QString::fromUtf8(d.name));
        value->setFrameShape(QFrame::Panel);
        value->setFrameShadow(QFrame::Sunken);
        value->setMinimumWidth(d.isName ? 300 : 110);
        value->setAlignment((d.isName ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        auto* unit = new QLabel(QString::fromUtf8(d.unit), line);
        unit->setMinimumWidth(64);
        h->addWidget(caption);
        h->addWidget(value);
        h->addWidget(unit);
        h->addStretch();
        block[std::size_t(d.column)]->addWidget(line);
        details_[QString::fromUtf8(d.name)] = value;
    }
    for (QVBoxLayout* b : block) {
        b->addStretch();
        blocks->addLayout(b);
    }
    return frame;
}

void frmAncDBRefer::loadMethods(const QString& name, int type)
{
    methods_ = refdb::anchorMethods();
    QSignalBlocker quiet(methodBox_);
    methodBox_->clear();
    int select = -1;
    for (int i = 0; i < methods_.size(); ++i) {
        const refdb::AnchorMethod& m = methods_[i];
        methodBox_->addItem(m.AncName + anchorTypeSuffix(m.AncType));
        if (m.AncType == type && m.AncName.compare(name, Qt::CaseInsensitive) == 0)
            select = i;
    }
    methodBox_->setCurrentIndex(select);
    methodChosen();
}

std::optional<refdb::AnchorMethod> frmAncDBRefer::currentMethod() const
{
    int i = methodBox_->currentIndex();
    if (i < 0 || i >= methods_.size())
        return std::nullopt;
    return methods_[i];
}

void frmAncDBRefer::methodChosen()
{
    std::optional<refdb::AnchorMethod> m = currentMethod();
    int type = m ? m->AncType : -1;
    setWindowTitle(Title + anchorTypeSuffix(type));
    rows_ = m ? refdb::designations(m->AncName, m->AncType) : QList<refdb::AnchorDesignation> {};
    {
        ui::ReDrawSuspended pause(*grid_);
        frmAncDBEntry::LayoutDesignationGrid(*grid_, std::max(type, 0));
        grid_->SetMaxRows(int(rows_.size()));
        grid_->SetLock(ui::CellBlock::all(), true);
        for (int i = 0; i < rows_.size(); ++i)
            frmAncDBEntry::ShowDesignation(*grid_, i + 1, type, rows_[i]);
    }
    areaNote_->setVisible(type == LoadDistributionType);
    for (const Detail& d : Details)
        findChild<QWidget*>(QString::fromUtf8(d.name) + "Row")->setVisible(detailShown(d.name, type));
    // The anchor's own designation is chosen again when its method is shown.
    int row = 0;
    for (int i = 0; i < rows_.size(); ++i) {
        if (m && m->AncName.compare(anchor_.Tendon.AnchorTypeName, Qt::CaseInsensitive) == 0
            && m->AncType == anchor_.Tendon.AnchorTypeCode && rows_[i].Yobina == anchor_.Spec2.Designation)
            row = i + 1;
    }
    if (row > 0)
        grid_->SetActiveCell(1, row);
    rowChosen(row);
}

void frmAncDBRefer::rowChosen(int row)
{
    if (row >= 1 && row <= rows_.size())
        chosen_ = rows_[row - 1];
    else
        chosen_.reset();
    showDetails();
}

void frmAncDBRefer::showDetails()
{
    std::optional<refdb::AnchorMethod> m = currentMethod();
    std::map<QString, QString> texts;
    if (m && chosen_)
        texts = detailTexts(*m, *chosen_);
    for (auto& [name, label] : details_)
        label->setText(texts.count(name) ? texts[name] : QString());
}

void frmAncDBRefer::openRegistration()
{
    showMessage(QStringLiteral("ここからデータベース変更を行った場合は、更新後、変更した規格を選択し直して下さい。\n"
                               "アンカー規格の登録画面下の「現在選択されているアンカーの詳細情報」の値が"
                               "変更されていることを確認して下さい。"),
        MsgIcon::Information);
    std::optional<refdb::AnchorMethod> m = currentMethod();
    int type = m ? m->AncType : std::clamp<int>(anchor_.Tendon.AnchorTypeCode, 0, 5);
    frmAncDBEntry::ShowForm(this, type, m ? m->AncName : QString());
    // The method may have been renamed or removed meanwhile; what is still there is shown again.
    std::optional<QString> yobina = chosen_ ? std::optional<QString>(chosen_->Yobina) : std::nullopt;
    loadMethods(m ? m->AncName : QString(), m ? m->AncType : -1);
    for (int i = 0; yobina && i < rows_.size(); ++i) {
        if (rows_[i].Yobina == *yobina) {
            grid_->SetActiveCell(1, i + 1);
            rowChosen(i + 1);
        }
    }
}

void frmAncDBRefer::accept()
{
    std::optional<refdb::AnchorMethod> m = currentMethod();
    if (!m || !chosen_ || !refdb::designationComplete(*chosen_, m->AncType)) {
        showMessage(DetailsTitle + QStringLiteral("に値が正しく取り込まれていません。\n選択しなおしてください。"),
            MsgIcon::Exclamation);
        return;
    }
    refdb::takeDesignation(anchor_, *m, *chosen_);
    QDialog::accept();
}

bool frmAncDBRefer::ShowForm(QWidget* parent)
{
    return ShowForm(parent, project().currentAnchor());
}

bool frmAncDBRefer::ShowForm(QWidget* parent, AnchorRecord& anchor)
{
    frmAncDBRefer dialog(anchor, parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    anchor = dialog.anchor();
    return true;
}

} // namespace tessaro
