#include "documents/frmDocumentWizard.h"

#include "documents/BasicDocument.h"
#include "documents/DlgSelectFormat.h"
#include "documents/FormatFile.h"
#include "documents/JackSketch.h"
#include "documents/PlanReportTexts.h"
#include "documents/QualityDocument.h"
#include "documents/ReportEngine.h"
#include "documents/frmPreview.h"
#include "documents/frmPrintReport.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/FrictionLoss.h"
#include "evaluation/frmKihonHantei.h"
#include "evaluation/frmMasatuSonshitu.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "shell/DlgCalendar.h"
#include "shell/frmFileName.h"
#include "ui/EntryBoxes.h"
#include "ui/FileDialogs.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/TextArea.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tessaro {
namespace {

const QString SketchFilter
    = QStringLiteral("画像ファイル (*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.svg)|*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.svg|"
                     "ビットマップファイル (*.bmp)|*.bmp|JPEG形式 (*.jpg)|*.jpg;*.jpeg|GIF形式 (*.gif)|*.gif|"
                     "PNG形式 (*.png)|*.png|SVG形式 (*.svg)|*.svg|");

// The project's texts of all four families, to tell whether the window changed them.
QByteArray documentTexts()
{
    return encodeFormatFile(formatContentsOf(project()));
}

QString windowTitleOf(DocumentFamily family)
{
    return familyInfo(family).caption + QStringLiteral("作成");
}

} // namespace

frmDocumentWizard::frmDocumentWizard(DocumentFamily family, QWidget* parent)
    : QDialog(parent)
    , family_(family)
    , before_(documentTexts())
{
    setObjectName(familyInfo(family).windowName);
    setWindowTitle(windowTitleOf(family));
    pages_ = new QStackedWidget(this);
    pages_->addWidget(outlinePage());
    if (isBasicFamily(family)) {
        pages_->addWidget(anchorPage());
        pages_->addWidget(constructionPage());
        pages_->addWidget(stepsPage());
    }
    pages_->addWidget(jackPage());
    pages_->addWidget(lastPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttonRow());
    resize(760, 640);

    showInputs(documentInputs(project(), family));
    refreshResults();
    setPage(1);
}

int frmDocumentWizard::pageCount() const
{
    return pages_->count();
}

int frmDocumentWizard::page() const
{
    return pages_->currentIndex() + 1;
}

void frmDocumentWizard::setPage(int page)
{
    page = std::clamp(page, 1, pageCount());
    pages_->setCurrentIndex(page - 1);
    pageLabel_->setText(QStringLiteral("%1 / %2").arg(page).arg(pageCount()));
    back_->setEnabled(page > 1);
    next_->setEnabled(page < pageCount());
}

QString frmDocumentWizard::applyButtonName(DocumentFamily family)
{
    return family == DocumentFamily::QualityReport ? QStringLiteral("Command2") : QStringLiteral("Command3");
}

QString frmDocumentWizard::saveButtonName(DocumentFamily family)
{
    return isBasicFamily(family) ? QStringLiteral("Command2") : QStringLiteral("Command4");
}

void frmDocumentWizard::showInputs(const DocumentInputs& in)
{
    for (std::size_t i = 0; i < outline_.size(); ++i)
        outline_[i]->setText(in.outline[i]);
    date_->setText(in.date);
    worksNameOnCover_->setChecked(in.worksNameOnCover);
    subcontractor_->setChecked(in.subcontractorShown);
    if (lockOffFormula_)
        lockOffFormula_->setChecked(in.lockOffFormulaShown);
    for (std::size_t i = 0; i < jack_.size(); ++i)
        jack_[i]->SetText(in.jack[i]);
    sketchShown_->setChecked(in.sketchShown);
    sketchPath_->setText(in.sketchPath);
    summary_->SetText(in.summary);
    if (!isBasicFamily(family_))
        return;
    boreDiameter_->setText(in.boreDiameter > 0 ? QString::number(in.boreDiameter) : QString());
    drillingAngle_->setText(in.drillingAngle);
    tendonName_->setText(in.tendonName);
    tendonDescription_->SetText(in.tendonDescription);
    groutingMethod_->setText(in.groutingMethod);
    machine_->setText(in.machine);
    tendon_->setText(in.tendon);
    ratio_->setText(in.ratio);
    groutMaterial_->setText(in.groutMaterial);
    mix_->setText(in.mix);
    for (int r = 1; r <= MixRowCount; ++r) {
        const MixRow& row = in.mixTable[std::size_t(r - 1)];
        mixTable_->SetText(1, r, row.material);
        mixTable_->SetText(2, r, row.standard);
        mixTable_->SetText(3, r, row.perCubicMetre);
        mixTable_->SetText(4, r, row.perBatch);
    }
    for (std::size_t i = 0; i < steps_.size(); ++i)
        steps_[i]->SetText(in.steps[i]);
}

DocumentInputs frmDocumentWizard::shownInputs() const
{
    DocumentInputs in;
    for (std::size_t i = 0; i < outline_.size(); ++i)
        in.outline[i] = outline_[i]->text();
    in.date = date_->text();
    in.worksNameOnCover = worksNameOnCover_->isChecked();
    in.subcontractorShown = subcontractor_->isChecked();
    in.lockOffFormulaShown = lockOffFormula_ && lockOffFormula_->isChecked();
    for (std::size_t i = 0; i < jack_.size(); ++i)
        in.jack[i] = jack_[i]->Text();
    in.sketchShown = sketchShown_->isChecked();
    in.sketchPath = sketchPath_->text();
    in.summary = summary_->Text();
    if (!isBasicFamily(family_))
        return in;
    in.boreDiameter = int(boreDiameter_->AcceptedValue().value_or(0));
    in.drillingAngle
        = drillingAngle_->AcceptedValue() ? formatNumber(*drillingAngle_->AcceptedValue(), "#0.00") : QString();
    in.tendonName = tendonName_->text();
    in.tendonDescription = tendonDescription_->Text();
    in.groutingMethod = groutingMethod_->text();
    in.machine = machine_->text();
    in.tendon = tendon_->text();
    in.ratio = ratio_->text();
    in.groutMaterial = groutMaterial_->text();
    in.mix = mix_->text();
    for (int r = 1; r <= MixRowCount; ++r)
        in.mixTable[std::size_t(r - 1)] = { mixTable_->GetText(1, r), mixTable_->GetText(2, r),
            mixTable_->GetText(3, r), mixTable_->GetText(4, r) };
    for (std::size_t i = 0; i < steps_.size(); ++i)
        in.steps[i] = steps_[i]->Text();
    return in;
}

// The texts as shown go into the project when they differ from what it holds
// (a window merely opened and closed changes nothing).
void frmDocumentWizard::store()
{
    const DocumentInputs shown = shownInputs();
    if (shown != documentInputs(project(), family_))
        storeDocumentInputs(project(), family_, shown);
}

void frmDocumentWizard::refreshResults()
{
    if (family_ != DocumentFamily::BasicReport)
        return;
    const AnchorRecord a = EvaluatedCopy(project().Record.WorkingAnchor, project());
    frictionState_->setText(frictionLossChosen(a)
            ? QStringLiteral("摩擦損失量　%1 kN").arg(formatNumber(a.InterceptShift, "0.00"))
            : QStringLiteral("未設定です。"));
    if (frictionLossChosen(a))
        frictionMark_->clear();
    const bool apparent = showsApparentFreeLength(a);
    apparentFreeLength_->setVisible(apparent);
    ultimateHeading_->setText((apparent ? QStringLiteral("７－４．") : QStringLiteral("７－３．"))
        + QStringLiteral("アンカーの極限引抜き力　（自動作成）"));
    const bool judged = !a.UltimatePullOutText.isEmpty();
    ultimateSentence_->setText(judged ? ultimatePullOutSentence(a.UltimatePullOutText) : QString());
    skinFrictionSentence_->setText(judged ? skinFrictionSentence(a.SkinFrictionText) : QString());
}

void frmDocumentWizard::chooseDate()
{
    QString date;
    if (DlgCalendar::ShowForm(this, date_->text(), date))
        date_->setText(date);
}

void frmDocumentWizard::chooseSketch()
{
    const QString path = ui::getOpenFileName(this, QStringLiteral("既存のファイルを開く"), SketchFilter);
    if (path.isEmpty())
        return;
    if (!isSketchFile(path)) {
        showMessage(QStringLiteral("指定したファイルは画像として読み込めませんでした。指定し直して下さい。"),
            MsgIcon::Exclamation);
        return;
    }
    sketchPath_->setText(path);
}

void frmDocumentWizard::sketchToggled(bool on)
{
    if (on && !QFileInfo(sketchPath_->text()).isFile()) {
        showMessage(QStringLiteral("指定したファイルは存在しませんでした。指定し直して下さい。"), MsgIcon::Exclamation);
        sketchShown_->setChecked(false);
    }
}

void frmDocumentWizard::copyCounterpart()
{
    const QString question = isReportFamily(family_)
        ? QStringLiteral("計画書で入力した内容を、報告書にコピーしますか？")
        : QStringLiteral("報告書で入力した内容を、計画書にコピーしますか？");
    if (showMessage(question, MsgIcon::Question, MsgButtons::YesNo) != AnswerYes)
        return;
    copyFamilyTexts(project(), counterpartFamily(family_), family_);
    showInputs(documentInputs(project(), family_));
}

void frmDocumentWizard::applyFormat()
{
    QString path;
    if (!DlgSelectFormat::ShowForm(this, family_, path))
        return;
    store();
    if (ApplyFormatFile(project(), family_, path))
        showInputs(documentInputs(project(), family_));
}

void frmDocumentWizard::saveFormat()
{
    QString path;
    if (!frmFileName::ShowForm(this, isReportFamily(family_) ? frmFileName::Report : frmFileName::Plan, path))
        return;
    store();
    SaveFormatFile(project(), path);
}

void frmDocumentWizard::preview()
{
    if (!ui::EndOpenEntry(*this))
        return;
    store();
    const QString refusal = basicDocumentRefusal(project(), family_);
    if (!refusal.isEmpty()) {
        if (frictionMark_)
            frictionMark_->setText(FrictionLossMark);
        showMessage(refusal, MsgIcon::Exclamation);
        return;
    }
    report::ReportEngine engine;
    bool ended = false;
    if (isBasicFamily(family_))
        ended = PrintBasicDocument(engine, project(), family_);
    else if (!composeQualityDocument(engine, ended))
        return;
    previewDocument(this, engine, ended, planReportTitle(family_));
}

// The anchors to print are chosen first; a progress window with a working
// Cancel stands while the chapters of many anchors are composed. False when
// the engineer cancelled.
bool frmDocumentWizard::composeQualityDocument(report::ReportEngine& engine, bool& ended)
{
    if (!frmPrintReport::ShowForm(this))
        return false;
    const std::vector<int> anchors = chosenReportAnchors(project());
    QProgressDialog progress(
        QStringLiteral("文書を作成しています…"), QStringLiteral("キャンセル"), 0, int(anchors.size()), this);
    progress.setObjectName("progress");
    progress.setWindowTitle(planReportTitle(family_));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    ended = PrintQualityDocument(engine, project(), family_, anchors, [&progress](int done) {
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    return !progress.wasCanceled();
}

// The friction-loss and pull-out windows store their results with the anchor:
// the project then needs saving, and the report's items show the new results.
void frmDocumentWizard::judged(bool stored)
{
    if (stored) {
        EvaluateAnchor(project().currentAnchor());
        anchorChanged_ = true;
    }
    refreshResults();
}

void frmDocumentWizard::openFriction()
{
    judged(frmMasatuSonshitu::ShowForm(this));
}

void frmDocumentWizard::openUltimate()
{
    judged(frmKihonHantei::ShowForm(this));
}

void frmDocumentWizard::done(int result)
{
    store();
    QDialog::done(result);
}

bool frmDocumentWizard::ShowForm(QWidget* parent, DocumentFamily family)
{
    frmDocumentWizard w(family, parent);
    ui::execModal(w);
    return w.anchorChanged_ || documentTexts() != w.before_;
}

} // namespace tessaro
