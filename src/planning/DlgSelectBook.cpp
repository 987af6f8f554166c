#include "planning/DlgSelectBook.h"

#include "model/UserMessage.h"
#include "planning/TestKinds.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/ReferenceTextWindow.h"
#include "ui/WindowParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {

namespace {

const QString CreepCaption = QStringLiteral("クリープ係数判定値");
constexpr double ConstantMin = 0.01;
constexpr double ConstantMax = 9.99;
const QString ConstantFormat = QStringLiteral("0.00");

QLabel* label(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

// A message about an empty box names the edition the box belongs to.
QString withEdition(const QString& text, int edition)
{
    return text + "\n(" + editionText(edition) + ")";
}

} // namespace

DlgSelectBook::DlgSelectBook(const JudgementConstants& values, QWidget* parent)
    : QDialog(parent)
    , values_(values)
{
    setObjectName("DlgSelectBook");
    setWindowTitle(QStringLiteral("基準書の選択"));
    auto* layout = new QVBoxLayout(this);
    for (int edition : { Edition2000, Edition2012 }) {
        options_[std::size_t(edition)] = new QRadioButton(editionOptionCaption(edition), this);
        options_[std::size_t(edition)]->setObjectName(QStringLiteral("OptSelect_%1").arg(edition));
    }
    frameOld_ = buildOldFrame();
    frameNew_ = buildNewFrame();
    layout->addWidget(options_[0]);
    layout->addWidget(frameOld_);
    layout->addSpacing(6);
    layout->addWidget(options_[1]);
    layout->addWidget(frameNew_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addOkCancel(buttons, this);
    layout->addLayout(buttons);

    for (int edition : { Edition2000, Edition2012 })
        connect(options_[std::size_t(edition)], &QRadioButton::toggled, this, [this, edition](bool on) {
            if (on)
                selectEdition(edition);
        });
    int current = values_.edition == Edition2000 ? Edition2000 : Edition2012;
    options_[std::size_t(current)]->setChecked(true);
    selectEdition(current);
}

ui::NumberBox* DlgSelectBook::addBox(const QString& name, const QString& caption, double value)
{
    auto* box = new ui::NumberBox(this, ConstantFormat);
    box->setObjectName(name);
    box->SetCheck(caption, ConstantMin, ConstantMax);
    box->SetValue(value);
    box->setFixedWidth(64);
    return box;
}

QGroupBox* DlgSelectBook::buildOldFrame()
{
    auto* frame = new QGroupBox(editionText(Edition2000), this);
    frame->setObjectName("FrameOLD");
    creep_[0] = addBox("imTKuripu_1", CreepCaption, values_.creep[0]);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(label(QStringLiteral("クリープ係数判定値"), frame), 0, 0, 1, 4);
    grid->addWidget(label(QStringLiteral("⊿ｃ　＜"), frame), 1, 0, Qt::AlignRight);
    grid->addWidget(creep_[0], 1, 1);
    grid->addWidget(label(QStringLiteral("(mm)"), frame), 1, 2);
    grid->addWidget(ui::commandButton(frame, "Cmdkaisetu", QStringLiteral("解説")), 1, 3, Qt::AlignRight);
    auto* text = label(loadLimitLines2000().join('\n'), frame);
    text->setObjectName("LblOldLimits");
    grid->addWidget(label(QStringLiteral("計画最大荷重の制限"), frame), 2, 0, 1, 4);
    grid->addWidget(text, 3, 0, 1, 4);
    grid->setColumnStretch(2, 1);
    connect(frame->findChild<QPushButton*>("Cmdkaisetu"), &QPushButton::clicked, this,
        [this] { ui::showReferenceText(this, "DlgReferenceText", QStringLiteral("解説"), creepReferenceText2000()); });
    return frame;
}

QGroupBox* DlgSelectBook::buildNewFrame()
{
    auto* frame = new QGroupBox(editionText(Edition2012), this);
    frame->setObjectName("FrameNew");
    for (int i = 1; i < 5; ++i)
        creep_[std::size_t(i)] = addBox(QStringLiteral("imTKuripu_%1").arg(i + 1), CreepCaption, values_.creep[i]);
    creepExtend_ = addBox("imTKuripuExtend", CreepCaption, values_.creepExtend);
    tpA_ = addBox("imTTpA", QStringLiteral("計画最大荷重の制限のランクＡに関する係数"), values_.tpCoefA);
    tpB_ = addBox("imTTpB", QStringLiteral("計画最大荷重の制限のランクＢに関する係数"), values_.tpCoefB);

    auto* grid = new QGridLayout(frame);
    int row = 0;
    grid->addWidget(label(QStringLiteral("(1) 通常の試験時間 (変位＝⊿s）"), frame), row, 0, 1, 4);
    auto* explain = ui::commandButton(frame, "Cmdkaisetu2", QStringLiteral("解説"));
    grid->addWidget(explain, row++, 4, Qt::AlignRight);
    grid->addWidget(label(QStringLiteral("粘性土"), frame), row, 1, Qt::AlignCenter);
    grid->addWidget(label(QStringLiteral("砂質土、岩盤"), frame), row++, 2, Qt::AlignCenter);
    // Values 3 and 5 are for clay, 2 and 4 for sandy soil and rock.
    grid->addWidget(label(QStringLiteral("適性試験　⊿s≦"), frame), row, 0, Qt::AlignRight);
    grid->addWidget(creep_[2], row, 1, Qt::AlignCenter);
    grid->addWidget(creep_[1], row, 2, Qt::AlignCenter);
    grid->addWidget(label(QStringLiteral("(mm)"), frame), row++, 3);
    grid->addWidget(label(QStringLiteral("確認試験　⊿s≦"), frame), row, 0, Qt::AlignRight);
    grid->addWidget(creep_[4], row, 1, Qt::AlignCenter);
    grid->addWidget(creep_[3], row, 2, Qt::AlignCenter);
    grid->addWidget(label(QStringLiteral("(mm)"), frame), row++, 3);
    grid->addWidget(label(QStringLiteral("(2) 試験時間を延長した場合 （クリープ係数＝⊿ｃ）"), frame), row++, 0, 1, 5);
    grid->addWidget(label(QStringLiteral("⊿ｃ　≦"), frame), row, 0, Qt::AlignRight);
    grid->addWidget(creepExtend_, row, 1, Qt::AlignCenter);
    grid->addWidget(label(QStringLiteral("(mm)"), frame), row++, 2);
    grid->addWidget(label(QStringLiteral("計画最大荷重の制限"), frame), row, 0, 1, 4);
    auto* table = ui::commandButton(frame, "Command1", QStringLiteral("参考表"));
    grid->addWidget(table, row++, 4, Qt::AlignRight);
    grid->addWidget(label(QStringLiteral("ランクＡ　："), frame), row, 0, Qt::AlignRight);
    grid->addWidget(tpA_, row, 1, Qt::AlignCenter);
    grid->addWidget(label(QStringLiteral("×Td"), frame), row++, 2);
    grid->addWidget(label(QStringLiteral("ランクＢ　："), frame), row, 0, Qt::AlignRight);
    grid->addWidget(tpB_, row, 1, Qt::AlignCenter);
    grid->addWidget(label(QStringLiteral("×Td"), frame), row++, 2);
    grid->addWidget(label(QStringLiteral("Td：設計アンカー力"), frame), row++, 0, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(3, 1);
    connect(explain, &QPushButton::clicked, this,
        [this] { ui::showReferenceText(this, "DlgReferenceText", QStringLiteral("解説"), creepReferenceText2012()); });
    connect(table, &QPushButton::clicked, this, [this] {
        ui::showReferenceText(this, "DlgReferenceText", QStringLiteral("参考表"), loadLimitReferenceText());
    });
    return frame;
}

void DlgSelectBook::selectEdition(int edition)
{
    values_.edition = edition;
    frameOld_->setEnabled(edition == Edition2000);
    frameNew_->setEnabled(edition == Edition2012);
}

// Every box holds a valid number or is empty before the empties are looked at;
// a box the user did not leave (OK by the Enter key) is checked here.
bool DlgSelectBook::checkBoxes()
{
    for (ui::NumberBox* box : { creep_[0], creep_[1], creep_[2], creep_[3], creep_[4], creepExtend_, tpA_, tpB_ })
        if (!box->Check())
            return false;
    return true;
}

// Both editions' values are required whichever edition is chosen.
QString DlgSelectBook::firstEmptyBox() const
{
    if (tpA_->Text().isEmpty())
        return withEdition(QStringLiteral("計画最大荷重の制限のランクＡに関する係数が空白です。"), Edition2012);
    if (tpB_->Text().isEmpty())
        return withEdition(QStringLiteral("計画最大荷重の制限のランクＢに関する係数が空白です。"), Edition2012);
    const QString creepEmpty = QStringLiteral("クリープ係数判定値に空白があります。");
    for (int i = 1; i < 5; ++i)
        if (creep_[std::size_t(i)]->Text().isEmpty())
            return withEdition(creepEmpty, Edition2012);
    if (creep_[0]->Text().isEmpty())
        return withEdition(creepEmpty, Edition2000);
    if (creepExtend_->Text().isEmpty())
        return withEdition(creepEmpty, Edition2012);
    return QString();
}

void DlgSelectBook::accept()
{
    if (!checkBoxes())
        return;
    QString empty = firstEmptyBox();
    if (!empty.isEmpty()) {
        showMessage(empty, MsgIcon::Information);
        return;
    }
    for (std::size_t i = 0; i < 5; ++i)
        values_.creep[i] = creep_[i]->Value().value_or(0);
    values_.creepExtend = creepExtend_->Value().value_or(0);
    values_.tpCoefA = tpA_->Value().value_or(0);
    values_.tpCoefB = tpB_->Value().value_or(0);
    QDialog::accept();
}

bool DlgSelectBook::ShowForm(QWidget* parent, JudgementConstants& values)
{
    DlgSelectBook dialog(values, parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    values = dialog.values();
    return true;
}

} // namespace tessaro
