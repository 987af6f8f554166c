#include "evaluation/frmHantei.h"

#include "evaluation/AcceptanceJudgement.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/JudgementReferenceTexts.h"
#include "evaluation/VerdictTexts.h"
#include "evaluation/frmMenuHantei.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/Modal.h"
#include "ui/ReferenceTextWindow.h"
#include "ui/WindowParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

const QString FailedStyle = QStringLiteral("color: #c0392b;");
const QString PassedStyle = QStringLiteral("color: black;");

QLabel* emphasisedLabel(QWidget* parent, const QString& name, double scale)
{
    QLabel* label = ui::namedLabel(parent, name);
    ui::setEmphasis(label, scale);
    return label;
}

QLabel* limitNote(QWidget* parent)
{
    auto* note = new QLabel(QStringLiteral("(最大入力文字は60文字)"), parent);
    note->setStyleSheet(QStringLiteral("color: #555;"));
    return note;
}

} // namespace

frmHantei::frmHantei(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmHantei");
    setWindowTitle(QStringLiteral("技術者最終判定"));
    const Project& p = project();
    const AnchorRecord& anchor = project().currentAnchor();

    auto* automatic = new QGroupBox(QStringLiteral("自動判定"), this);
    auto_ = emphasisedLabel(automatic, "LblAuto", 1.2);
    range_ = ui::namedLabel(automatic, "LblHani");
    QPushButton* rangeButton = ui::commandButton(automatic, "CmdHani", QStringLiteral("判定範囲の設定"));
    rangeButton->setToolTip(QStringLiteral("判定範囲の設定を行います"));
    connect(rangeButton, &QPushButton::clicked, this, &frmHantei::editRange);
    auto* autoGrid = new QGridLayout(automatic);
    autoGrid->addWidget(new QLabel(QStringLiteral("自動判定　："), automatic), 0, 0);
    autoGrid->addWidget(auto_, 0, 1);
    autoGrid->addWidget(new QLabel(QStringLiteral("判定範囲　："), automatic), 1, 0, Qt::AlignTop);
    autoGrid->addWidget(range_, 1, 1);
    autoGrid->addWidget(rangeButton, 1, 2, Qt::AlignTop);
    autoGrid->setColumnStretch(1, 1);

    auto* verdicts = new QGroupBox(QStringLiteral("技術者最終判定"), this);
    auto* verdictLayout = new QVBoxLayout(verdicts);
    options_ = new QButtonGroup(this);
    for (int i = 0; i < VerdictOptionCount; ++i) {
        auto* option = new QRadioButton(verdictOption(i).caption, verdicts);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        options_->addButton(option, i);
        verdictLayout->addWidget(option);
        if (int list = verdictTextList(i)) {
            QComboBox* combo = verdictCombo(list == 1 ? "Combo1" : "Combo2", list);
            auto* row = new QHBoxLayout;
            row->addSpacing(24);
            row->addWidget(combo, 1);
            row->addWidget(limitNote(verdicts));
            verdictLayout->addLayout(row);
        }
    }
    auto* reported = new QLabel(QStringLiteral("※入力した内容は報告書に反映します"), verdicts);
    reported->setStyleSheet(QStringLiteral("color: #555;"));
    verdictLayout->addWidget(reported);
    connect(options_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            choiceChanged(id);
    });

    final_ = emphasisedLabel(this, "LblFinHantei", 1.5);
    auto* finalRow = new QHBoxLayout;
    finalRow->addWidget(new QLabel(QStringLiteral("最終判定　："), this));
    finalRow->addWidget(final_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        ui::referenceTextButton(this, "CmdSankou", QStringLiteral("判定の目安"), finalJudgementReference));
    buttons->addStretch();
    ui::addOkCancel(buttons, this, "Command1_0", "Command1_1");

    auto* layout = new QVBoxLayout(this);
    QLabel* anchorNo = emphasisedLabel(this, "LblAncNo", 1.15);
    anchorNo->setText(QStringLiteral("アンカー孔番　") + anchor.AnchorNo);
    layout->addWidget(anchorNo);
    layout->addWidget(automatic);
    layout->addWidget(verdicts);
    layout->addLayout(finalRow);
    layout->addLayout(buttons);

    showAutomatic();
    // A basic investigation is judged by its ultimate pull-out force: no stored choice shows.
    if (p.isBasic()) {
        choiceChanged(-1);
        return;
    }
    const int choice = anchor.FinalChoice < VerdictOptionCount ? anchor.FinalChoice : 0;
    options_->button(choice)->setChecked(true);
    if (int list = verdictTextList(choice))
        combos_[std::size_t(list - 1)]->setEditText(anchor.AnchorRemarks[std::size_t(list - 1)]);
}

QComboBox* frmHantei::verdictCombo(const char* name, int list)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumContentsLength(36);
    combo->addItems(readVerdictTexts(verdictTextsPath(), list));
    combo->setCurrentIndex(-1);
    // Longer texts do not fit the report's line: they are cut as they are typed.
    connect(combo, &QComboBox::editTextChanged, combo, [combo](const QString& text) {
        if (text.size() > VerdictTextLimit)
            combo->setEditText(cutVerdictText(text));
    });
    combos_[std::size_t(list - 1)] = combo;
    return combo;
}

void frmHantei::choiceChanged(int index)
{
    for (QComboBox* combo : combos_)
        combo->setEnabled(false);
    if (int list = verdictTextList(index))
        combos_[std::size_t(list - 1)]->setEnabled(true);
    if (index < 0)
        return;
    const VerdictOption& option = verdictOption(index);
    final_->setText(option.finalText);
    // The automatic verdict leaves the label empty; its colour stays.
    if (!option.finalText.isEmpty())
        final_->setStyleSheet(option.failed ? FailedStyle : PassedStyle);
}

// The verdict of the anchor's last evaluation, made afresh with the project's range.
void frmHantei::showAutomatic()
{
    const AnchorRecord evaluated = EvaluatedCopy(project().currentAnchor(), project());
    auto_->setText(evaluated.RangeVerdictText);
    auto_->setStyleSheet(evaluated.RangeVerdict == 1 ? FailedStyle : QString());
    const ProjectSettings& s = project().Settings;
    range_->setText(judgeRangeDescription(s.JudgeRangeMode, s.JudgeFromCycle, true));
}

void frmHantei::editRange()
{
    if (!frmMenuHantei::ShowForm(this))
        return;
    changed_ = true;
    showAutomatic();
}

void frmHantei::accept()
{
    const int choice = options_->checkedId();
    const int list = verdictTextList(choice);
    const QString text = list ? combos_[std::size_t(list - 1)]->currentText().trimmed() : QString();
    if (list && text.isEmpty()) {
        showMessage(
            QStringLiteral("入力可コンボボックス内が空白です。判定文章を入力して下さい。"), MsgIcon::Information);
        return;
    }
    if (!project().isBasic() && choice >= 0) {
        StoreFinalVerdict(project().currentAnchor(), choice, text);
        changed_ = true;
    }
    if (list)
        rememberVerdictText(verdictTextsPath(), list, text);
    QDialog::accept();
}

bool frmHantei::ShowForm(QWidget* parent)
{
    frmHantei window(parent);
    ui::execModal(window);
    return window.projectChanged();
}

} // namespace tessaro
