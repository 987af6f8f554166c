#include "shell/AnchorSpecPanel.h"

#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "model/basMainData.h"
#include "planning/AnchorCheck.h"
#include "planning/AnchorParticulars.h"
#include "planning/TestKinds.h"
#include "ui/EntryBoxes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>

namespace tessaro {
namespace {

QString shownNumber(double value, const QString& pattern)
{
    return value == 0 ? QString() : formatNumber(value, pattern);
}

bool isBasicProject()
{
    return project().isBasic();
}

// What a number box shows for a stored value: empty while it is not set.
QString shownValue(double value, double unset, const QString& format)
{
    return value == unset ? QString() : formatNumber(value, format);
}

} // namespace

AnchorSpecPanel::AnchorSpecPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("AnchorSpecPanel");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(buildConditions(), 9);
    QWidget* designSlot = new QWidget(this);
    auto* slot = new QVBoxLayout(designSlot);
    slot->setContentsMargins(0, 0, 0, 0);
    slot->addWidget(buildQualityFrame());
    slot->addWidget(buildPullOutFrame());
    layout->addWidget(designSlot, 11);
    layout->addWidget(buildTendon(), 14);
    layout->addWidget(buildLengths(), 10);
    layout->addWidget(buildLoads(), 9);
    refreshEditionTexts();
    setBasic(false);
}

ui::NumberBox* AnchorSpecPanel::number(const QString& name, const QString& format, const QString& caption,
    double minimum, double maximum, double (*get)(const AnchorRecord&), void (*set)(AnchorRecord&, double),
    double unset)
{
    auto* box = new ui::NumberBox(this, format);
    box->setObjectName(name);
    box->SetCheck(caption, minimum, maximum);
    box->setMinimumWidth(64);
    numbers_.push_back({ box, get, set, unset });
    auto write = [this, box, get, set, unset] {
        // Leaving a box without changing it changes nothing.
        if (box->text() == shownValue(get(project().currentAnchor()), unset, box->Format()))
            return;
        std::optional<double> v = box->Value();
        store([&](AnchorRecord& a) { set(a, v ? *v : unset); });
    };
    connect(box, &QLineEdit::textEdited, this, write);
    connect(box, &ui::EntryBox::LostFocus, this, write);
    return box;
}

QComboBox* AnchorSpecPanel::choice(
    const QString& name, const QStringList& items, int (*get)(const AnchorRecord&), void (*set)(AnchorRecord&, int))
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(6);
    choices_.push_back({ combo, get, set });
    connect(combo, &QComboBox::currentIndexChanged, this, [this, set](int index) {
        if (!loading_)
            store([&](AnchorRecord& a) { set(a, index); });
    });
    return combo;
}

ui::TextBox* AnchorSpecPanel::text(
    const QString& name, QString (*get)(const AnchorRecord&), void (*set)(AnchorRecord&, const QString&))
{
    auto* box = new ui::TextBox(this);
    box->setObjectName(name);
    texts_.push_back({ box, get, set });
    // Product names are longer than the box: the box shows their beginning
    // when it is not being edited, and the whole name as its tip.
    connect(box, &QLineEdit::textChanged, box, &QWidget::setToolTip);
    connect(box, &ui::EntryBox::LostFocus, box, [box] { box->setCursorPosition(0); });
    connect(box, &QLineEdit::textEdited, this,
        [this, set](const QString& t) { store([&](AnchorRecord& a) { set(a, t.trimmed()); }); });
    return box;
}

QLabel* AnchorSpecPanel::display(const QString& name)
{
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(64);
    return l;
}

QPushButton* AnchorSpecPanel::button(const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    return b;
}

// A small button beside a box: as wide as its caption, the box takes the rest.
QPushButton* AnchorSpecPanel::sideButton(const QString& name, const QString& text)
{
    QPushButton* b = button(name, text);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    b->setMaximumWidth(b->fontMetrics().horizontalAdvance(text) + 16);
    return b;
}

void AnchorSpecPanel::refreshEditionTexts()
{
    const int edition = project().Settings.StandardEdition;
    QScopedValueRollback guard(loading_, true);
    for (QComboBox* combo : { cmbShiken_, combo5_ }) {
        int index = combo->currentIndex();
        combo->clear();
        if (combo == cmbShiken_)
            combo->addItems({ kindText(edition, 0), kindText(edition, 1) });
        else
            combo->addItems({ rankText(edition, 0), rankText(edition, 1) });
        combo->setCurrentIndex(index);
    }
    lblCmbKihon_->setText(categoryText(edition, 0));
}

void AnchorSpecPanel::setBasic(bool basic)
{
    basic_ = basic;
    framKihon_->setVisible(basic);
    framMasatu_->setVisible(basic);
    framHinshitu_->setVisible(!basic);
    for (QWidget* w : qualityOnly_)
        w->setVisible(!basic);
}

void AnchorSpecPanel::load()
{
    QScopedValueRollback guard(loading_, true);
    const AnchorRecord& a = project().currentAnchor();
    applyModes(a);
    for (const NumberBinding& b : numbers_)
        b.box->setText(shownValue(b.get(a), b.unset, b.box->Format()));
    for (const ChoiceBinding& b : choices_) {
        int i = b.get(a);
        b.combo->setCurrentIndex(i < b.combo->count() ? i : -1);
    }
    for (const TextBinding& b : texts_) {
        b.box->setText(b.get(a));
        b.box->setCursorPosition(0);
    }
    showDerived(a);
}

void AnchorSpecPanel::store(const std::function<void(AnchorRecord&)>& write)
{
    if (loading_)
        return;
    AnchorRecord& a = project().currentAnchor();
    write(a);
    refreshDerivedParticulars(a, isBasicProject());
    // Set amount, lock-off load, lengths and modulus enter the results.
    EvaluateAnchor(a);
    applyModes(a);
    showDerived(a);
    emit edited();
}

// Captions, formats and enabled boxes that depend on the anchor's choices.
void AnchorSpecPanel::applyModes(const AnchorRecord& a)
{
    const bool byRatio = a.LockOffMode == LockOffByRatio;
    kajyu_->SetFormat(byRatio ? "0.00" : "###0.00");
    kajyu_->SetCheck(
        byRatio ? QStringLiteral("定着荷重比率") : QStringLiteral("定着時緊張力"), 0.01, byRatio ? 9.99 : 9999.99);
    kajyu_->setEnabled(a.LockOffMode >= 0);

    const int type = a.Tendon.AnchorTypeCode;
    const bool given = hasGivenTensionFreeLength(type);
    for (QWidget* w : givenLsfRow_)
        w->setVisible(given);
    extraLength_->setEnabled(!given);
    bodies_->setEnabled(type == LoadDistributionType);
    teigen_->setEnabled(needsReductionCoefficient(a.Tendon.AnchorTypeName));

    const bool bySpeed = a.Spec2.LoadChangeBySpeed != 0;
    zoukaCaption_->setText(bySpeed ? QStringLiteral("増荷速度") : QStringLiteral("増荷時間"));
    genkaCaption_->setText(bySpeed ? QStringLiteral("減荷速度") : QStringLiteral("減荷時間"));
    zoukaUnit_->setText(bySpeed ? QStringLiteral("kN/分") : QStringLiteral("分"));
    genkaUnit_->setText(zoukaUnit_->text());
    zouka_->SetCheck(zoukaCaption_->text(), 1, bySpeed ? 9999 : 999);
    genka_->SetCheck(genkaCaption_->text(), 1, bySpeed ? 9999 : 999);
}

void AnchorSpecPanel::showDerived(const AnchorRecord& a)
{
    lblKintyou_->setText(a.Tendon.TensionFreeLength == 0 ? QString() : QString::number(a.Tendon.TensionFreeLength));
    if (a.LockOffMode == LockOffByLoad)
        lblTeityaku_->setText(
            a.LockOffRatio > 0 ? QStringLiteral("（%1 × Td）").arg(formatNumber(a.LockOffRatio, "0.00")) : QString());
    else if (a.LockOffMode == LockOffByRatio)
        lblTeityaku_->setText(a.LockOffLoad > 0
                ? QStringLiteral("× Td ＝ %1 kN").arg(formatNumber(a.LockOffLoad, "0.00"))
                : QStringLiteral("× Td"));
    else
        lblTeityaku_->clear();
    lblTug_->setText(pullOutResistanceText(a));
    lblT0_->setText(shownNumber(a.Plan.InitialLoad, "###0.00"));
    lblTp_->setText(shownNumber(a.Plan.PlannedMaxLoad, "###0.00"));
    const ProjectRecord& r = project().Record;
    const int i = project().CurrentAnchor - 1;
    jackName_->setText(!project().isBasic() && i >= 0 && i < int(r.AnchorLabels.size()) ? r.AnchorLabels[std::size_t(i)]
                                                                                        : a.Jack.JackName);
}

} // namespace tessaro
