// The pages of the document wizards: which controls each page holds and how
// they are laid out. The behaviour is in frmDocumentWizard.cpp.

#include "documents/frmDocumentWizard.h"

#include "documents/PlanReportTexts.h"
#include "ui/EntryBoxes.h"
#include "ui/SpreadGrid.h"
#include "ui/TextArea.h"
#include "ui/WindowParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

const QString TextLimitNote = QStringLiteral("(最大120文字)");

QLabel* pageTitle(QWidget* page, const QString& text)
{
    auto* title = new QLabel(text, page);
    ui::setEmphasis(title, 1.25);
    return title;
}

QLabel* sectionTitle(QWidget* page, const QString& text)
{
    auto* title = new QLabel(text, page);
    ui::setEmphasis(title);
    return title;
}

ui::TextBox* textBox(QWidget* parent, const QString& name, int limit = ItemTextLimit)
{
    auto* box = new ui::TextBox(parent);
    box->setObjectName(name);
    box->setMaxLength(limit);
    return box;
}

ui::TextArea* textArea(QWidget* parent, const QString& name, int limit, int lines)
{
    auto* area = new ui::TextArea(parent, limit, lines);
    area->setObjectName(name);
    return area;
}

QWidget* namedPage(const QString& name)
{
    auto* w = new QWidget;
    w->setObjectName(name);
    return w;
}

// A caption above its text box, with the limit noted.
void addCaptioned(QVBoxLayout* layout, QWidget* parent, const QString& caption, QWidget* box)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption, parent));
    row->addStretch();
    row->addWidget(new QLabel(TextLimitNote, parent));
    layout->addLayout(row);
    layout->addWidget(box);
}

} // namespace

QWidget* frmDocumentWizard::outlinePage()
{
    QWidget* w = namedPage("PicKei1");
    static const char16_t* captions[OutlineItemCount]
        = { u"工事名", u"工事場所", u"工事期間", u"施工会社", u"施工管理責任者", u"工事目的", u"アンカー施工会社",
              u"グラウンドアンカー施工士", u"適用基準/参考文献", u"使用ソフト名" };
    auto* grid = new QGridLayout;
    for (int i = 0; i < OutlineItemCount; ++i) {
        outline_[std::size_t(i)] = textBox(w, QStringLiteral("imTxtGaiyou_%1").arg(i));
        grid->addWidget(new QLabel(QString::fromUtf16(captions[i]), w), i, 0);
        grid->addWidget(outline_[std::size_t(i)], i, 1, 1, 2);
    }
    date_ = textBox(w, "imTxtDate", 40);
    QPushButton* calendar = ui::commandButton(w, "CmdCalendar", QStringLiteral("カレンダー..."));
    connect(calendar, &QPushButton::clicked, this, &frmDocumentWizard::chooseDate);
    grid->addWidget(new QLabel(QStringLiteral("日付"), w), OutlineItemCount, 0);
    grid->addWidget(date_, OutlineItemCount, 1);
    grid->addWidget(calendar, OutlineItemCount, 2);
    grid->setColumnStretch(1, 1);
    worksNameOnCover_ = new QCheckBox(QStringLiteral("表紙に工事名を表示する"), w);
    worksNameOnCover_->setObjectName("ChkTitleKoujimei");
    subcontractor_ = new QCheckBox(QStringLiteral("下請けの項目を表示する"), w);
    subcontractor_->setObjectName("ChkShitauke");

    auto* layout = new QVBoxLayout(w);
    layout->addWidget(pageTitle(w, QStringLiteral("１. 試験の概要")));
    layout->addLayout(grid);
    layout->addWidget(worksNameOnCover_);
    layout->addWidget(subcontractor_);
    layout->addStretch();
    return w;
}

QWidget* frmDocumentWizard::anchorPage()
{
    QWidget* w = namedPage("PicKei2");
    boreDiameter_ = new ui::NumberBox(w, QStringLiteral("#0"));
    boreDiameter_->setObjectName("imTextSakukoukei");
    boreDiameter_->SetCheck(QStringLiteral("削孔径"), 1, 9999);
    drillingAngle_ = new ui::NumberBox(w, QStringLiteral("#0.00"));
    drillingAngle_->setObjectName("imTextKakudo");
    drillingAngle_->SetCheck(QStringLiteral("削孔角度"), 0, 90);
    for (ui::NumberBox* box : { boreDiameter_, drillingAngle_ })
        box->setFixedWidth(90);
    tendonName_ = textBox(w, "imTxtTendonName");
    tendonDescription_ = textArea(w, "imTxtTendon", ItemTextLimit, 3);
    groutingMethod_ = textBox(w, "imTxtGurauto");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("（１）削孔径"), w), 0, 0);
    grid->addWidget(boreDiameter_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("mmとする"), w), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("（２）削孔角度"), w), 1, 0);
    grid->addWidget(drillingAngle_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("°"), w), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("（３）テンドン"), w), 2, 0);
    grid->addWidget(tendonName_, 2, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("（４）注入方法"), w), 3, 0);
    grid->addWidget(groutingMethod_, 3, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(pageTitle(w, QStringLiteral("２. 試験アンカー体")));
    layout->addLayout(grid);
    addCaptioned(layout, w, QStringLiteral("テンドンの説明"), tendonDescription_);
    layout->addStretch();
    return w;
}

QWidget* frmDocumentWizard::constructionPage()
{
    QWidget* w = namedPage("PicKei3");
    machine_ = textBox(w, "imTxtkikai");
    tendon_ = textBox(w, "Tendon");
    ratio_ = textBox(w, "Hiritu", 40);
    ratio_->setFixedWidth(120);
    groutMaterial_ = textBox(w, "imTxtGurautoZai");
    mix_ = textBox(w, "imTxtHaigou");
    mixTable_ = new ui::SpreadGrid(w);
    mixTable_->setObjectName("vaSpread2");
    mixTable_->SetMaxCols(4);
    mixTable_->SetMaxRows(MixRowCount);
    const QStringList headings { QStringLiteral("材料"), QStringLiteral("規格名"), QStringLiteral("1m³当たり"),
        QStringLiteral("1バッチ当たり") };
    const int widths[] = { 110, 220, 110, 110 };
    for (int c = 1; c <= 4; ++c) {
        mixTable_->SetText(c, 0, headings[c - 1]);
        mixTable_->SetColWidth(c, widths[c - 1]);
    }
    mixTable_->SetTypeText({ 1, 1, 4, MixRowCount });
    mixTable_->setFixedHeight(mixTable_->horizontalHeader()->sizeHint().height() + mixTable_->verticalHeader()->length()
        + 2 * mixTable_->frameWidth());

    auto* machineRow = new QHBoxLayout;
    machineRow->addWidget(new QLabel(QStringLiteral("本施工の削孔は"), w));
    machineRow->addWidget(machine_, 1);
    machineRow->addWidget(new QLabel(QStringLiteral("を使用する。"), w));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("（１）テンドン"), w), 0, 0);
    grid->addWidget(tendon_, 0, 1);
    grid->addWidget(ratio_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("（比率）"), w), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("（２）グラウト材"), w), 1, 0);
    grid->addWidget(groutMaterial_, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("（３）配合"), w), 2, 0);
    grid->addWidget(mix_, 2, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(pageTitle(w, QStringLiteral("３. 試験アンカーの施工方法")));
    layout->addWidget(sectionTitle(w, QStringLiteral("３－１. 削孔機械")));
    layout->addLayout(machineRow);
    layout->addWidget(sectionTitle(w, QStringLiteral("３－２. 使用材料")));
    layout->addLayout(grid);
    layout->addWidget(mixTable_);
    layout->addStretch();
    return w;
}

QWidget* frmDocumentWizard::stepsPage()
{
    QWidget* w = namedPage("PicKei4");
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(pageTitle(w, QStringLiteral("３－３. 作業手順")));
    for (int i = 0; i < WorkStepCount; ++i) {
        steps_[std::size_t(i)] = textArea(w, QStringLiteral("imTxtSagyou_%1").arg(i), ItemTextLimit, 2);
        addCaptioned(layout, w, workStepCaptions()[std::size_t(i)], steps_[std::size_t(i)]);
    }
    layout->addStretch();
    return w;
}

QWidget* frmDocumentWizard::jackPage()
{
    const bool basic = isBasicFamily(family_);
    QWidget* w = namedPage(basic ? "PicKei5" : "PicKei2");
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(pageTitle(w, basic ? QStringLiteral("４. 試験装置") : QStringLiteral("２. 試験装置の組み立て")));
    for (int i = 0; i < JackTextCount; ++i) {
        jack_[std::size_t(i)] = textArea(w, QStringLiteral("imTxtJakki_%1").arg(i), ItemTextLimit, 3);
        addCaptioned(layout, w, jackItemCaptions()[std::size_t(i)], jack_[std::size_t(i)]);
    }
    sketchShown_ = new QCheckBox(QStringLiteral("ジャッキの略図を表示する"), w);
    sketchShown_->setObjectName("ChkJakki");
    sketchPath_ = textBox(w, "imTxtJakkiPath", 32767);
    sketchPath_->setReadOnly(true);
    QPushButton* choose = ui::commandButton(w, "CmdJakki", QStringLiteral("ジャッキ略図読み込み"));
    connect(choose, &QPushButton::clicked, this, &frmDocumentWizard::chooseSketch);
    connect(sketchShown_, &QCheckBox::clicked, this, &frmDocumentWizard::sketchToggled);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("場所　："), w));
    pathRow->addWidget(sketchPath_, 1);
    pathRow->addWidget(choose);
    layout->addWidget(sketchShown_);
    layout->addLayout(pathRow);
    if (!basic) {
        lockOffFormula_ = new QCheckBox(QStringLiteral("初期緊張力の算出式を表示"), w);
        lockOffFormula_->setObjectName("ChkTeityakuji");
        layout->addWidget(lockOffFormula_);
    }
    layout->addStretch();
    return w;
}

QWidget* frmDocumentWizard::lastPage()
{
    const bool basic = isBasicFamily(family_);
    QWidget* w = namedPage(basic ? "PicKei6" : "PicKei3");
    auto* layout = new QVBoxLayout(w);
    summary_ = textArea(w, "imTxtMatome", SummaryTextLimit, basic && isReportFamily(family_) ? 6 : 10);
    if (basic) {
        layout->addWidget(pageTitle(w, QStringLiteral("５．試験方法")));
        layout->addWidget(new QLabel(QStringLiteral("５. 載荷計画　（自動作成）"), w));
        layout->addWidget(new QLabel(QStringLiteral("６. データ整理法　（自動作成）"), w));
    }
    else {
        layout->addWidget(pageTitle(w, QStringLiteral("３．試験方法")));
        layout->addWidget(new QLabel(QStringLiteral("３. 試験方法　（自動作成）"), w));
    }
    auto* caption = new QHBoxLayout;
    caption->addWidget(
        new QLabel(basic ? QStringLiteral("７. 試験結果の整理と判定") : QStringLiteral("４. 試験結果の整理"), w));
    caption->addStretch();
    caption->addWidget(new QLabel(QStringLiteral("(最大1600文字)"), w));
    layout->addLayout(caption);
    layout->addWidget(summary_);
    if (family_ == DocumentFamily::BasicReport)
        layout->addWidget(reportItems());
    layout->addStretch();
    return w;
}

// The results of the basic report: generated from the evaluation, with the
// buttons that open the friction-loss and pull-out windows.
QWidget* frmDocumentWizard::reportItems()
{
    auto* w = new QWidget;
    frictionState_ = ui::namedLabel(w, "lblMasatu");
    frictionMark_ = ui::namedLabel(w, "lblMasatuMark");
    frictionMark_->setStyleSheet(QStringLiteral("color: #c0392b;"));
    apparentFreeLength_
        = ui::namedLabel(w, "lblMikake", QStringLiteral("７－３．見かけのテンドン自由長（試験値）　（自動作成）"));
    ultimateHeading_ = ui::namedLabel(w, "lblHikinukiTitle");
    ultimateSentence_ = ui::namedLabel(w, "lblHikinuki");
    skinFrictionSentence_ = ui::namedLabel(w, "lblSyuumen");
    QPushButton* friction = ui::commandButton(w, "Command5", QStringLiteral("摩擦損失量の算出"));
    QPushButton* ultimate = ui::commandButton(w, "Command4", QStringLiteral("極限引抜力の判定"));
    connect(friction, &QPushButton::clicked, this, &frmDocumentWizard::openFriction);
    connect(ultimate, &QPushButton::clicked, this, &frmDocumentWizard::openUltimate);

    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("７－１．アンカー頭部の変位量　（自動作成）"), w), 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("７－２．テンドンの摩擦損失量"), w), 1, 0);
    grid->addWidget(frictionState_, 1, 1);
    grid->addWidget(friction, 1, 2);
    grid->addWidget(frictionMark_, 2, 0, 1, 3);
    grid->addWidget(apparentFreeLength_, 3, 0, 1, 3);
    grid->addWidget(ultimateHeading_, 4, 0, 1, 2);
    grid->addWidget(ultimate, 4, 2);
    grid->addWidget(ultimateSentence_, 5, 0, 1, 3);
    grid->addWidget(skinFrictionSentence_, 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return w;
}

QWidget* frmDocumentWizard::buttonRow()
{
    auto* w = new QWidget;
    back_ = ui::commandButton(w, "CmdBack", QStringLiteral("< 戻る"));
    next_ = ui::commandButton(w, "cmdNext", QStringLiteral("次へ >"));
    pageLabel_ = ui::namedLabel(w, "lblPage");
    QPushButton* copy = ui::commandButton(w, "CmdCopy",
        isReportFamily(family_) ? QStringLiteral("計画書よりコピー") : QStringLiteral("報告書よりコピー"));
    QPushButton* apply = ui::commandButton(w, applyButtonName(family_), QStringLiteral("書式適用"));
    QPushButton* save = ui::commandButton(w, saveButtonName(family_), QStringLiteral("書式登録"));
    QPushButton* preview = ui::commandButton(w, "Command1", QStringLiteral("印刷プレビュー"));
    QPushButton* close = ui::commandButton(w, "CmdCan", QStringLiteral("閉じる"));
    connect(back_, &QPushButton::clicked, this, [this] { setPage(page() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { setPage(page() + 1); });
    connect(copy, &QPushButton::clicked, this, &frmDocumentWizard::copyCounterpart);
    connect(apply, &QPushButton::clicked, this, &frmDocumentWizard::applyFormat);
    connect(save, &QPushButton::clicked, this, &frmDocumentWizard::saveFormat);
    connect(preview, &QPushButton::clicked, this, &frmDocumentWizard::preview);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(back_);
    layout->addWidget(pageLabel_);
    layout->addWidget(next_);
    layout->addStretch();
    layout->addWidget(copy);
    layout->addWidget(apply);
    layout->addWidget(save);
    layout->addWidget(preview);
    layout->addWidget(close);
    return w;
}

} // namespace tessaro
