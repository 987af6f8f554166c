#include "recording/DlgSyokikintyouryoku.h"

#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "planning/AnchorListTexts.h"
#include "planning/GaugeHenkan.h"
#include "planning/TestKinds.h"
#include "ui/Modal.h"
#include "ui/ReferenceTextWindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

const QString ValuePattern = QStringLiteral("####0.00");

QString value(double v)
{
    return isMissing(v) ? QString() : formatNumber(v, ValuePattern);
}

QLabel* label(QWidget* parent, const QString& text, const char* name = nullptr)
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

// "Pi　＝　Pt　＋" beside a fraction: numerator over a rule over denominator.
QWidget* formulaRow(QWidget* parent, const QString& head, const QString& numerator, const QString& denominator,
    const char* numeratorName, const char* denominatorName)
{
    auto* row = new QWidget(parent);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(1);
    layout->addWidget(label(row, head), 0, 0, 3, 1, Qt::AlignVCenter);
    layout->addWidget(label(row, numerator, numeratorName), 0, 1, Qt::AlignHCenter);
    auto* rule = new QFrame(row);
    rule->setFrameShape(QFrame::HLine);
    layout->addWidget(rule, 1, 1);
    layout->addWidget(label(row, denominator, denominatorName), 2, 1, Qt::AlignHCenter);
    layout->setColumnStretch(2, 1);
    return row;
}

QString referenceText()
{
    return QStringLiteral(
        "初期緊張力 Pi は、定着時緊張力 Pt に、定着時のセット量によって失われる緊張力 ΔPs を加えた値です。\n\n"
        "　Pi ＝ Pt ＋ ΔPs\n"
        "　ΔPs ＝ Set × Es × As ／ (Lsf − Lr)\n\n"
        "Set：セット量 (mm)\n"
        "Es：テンドン弾性係数 (kN/mm2)\n"
        "As：テンドンの断面積 (mm2)、PC鋼線1組当たり\n"
        "Lsf：緊張時自由長 (mm)\n"
        "Lr：ジャッキ内自由長 (mm)\n\n"
        "荷重分散型アンカーでは、As に PC鋼線総組数 N を乗じます。\n"
        "ジャッキはこの初期緊張力まで緊張し、定着後にセット量の分だけ緊張力が減って定着時緊張力となります。");
}

} // namespace

DlgSyokikintyouryoku::DlgSyokikintyouryoku(const AnchorRecord& a, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DlgSyokikintyouryoku");
    setWindowTitle(QStringLiteral("初期緊張力"));
    const bool distributed = a.Tendon.AnchorTypeCode == LoadDistributionType;

    auto* frame = new QGroupBox(QStringLiteral("初期緊張力算出式"), this);
    auto* body = new QVBoxLayout(frame);
    body->addWidget(label(frame,
        anchoringTypeText(a.AnchoringType) + QStringLiteral("  ( セット量 ") + formatNumber(a.SetAmount, "0.0")
            + QStringLiteral(" mm )"),
        "LblTeityaku"));

    QString numerator = QStringLiteral("Set　×　Es　×　As");
    QString numeratorValues = value(a.SetAmount) + QStringLiteral(" × ") + value(a.Material.TendonModulus)
        + QStringLiteral(" × ") + value(a.Material.TendonArea);
    if (distributed) {
        numerator += QStringLiteral(" × N");
        numeratorValues += QStringLiteral(" × ") + QString::number(a.Material.StrandSetCount);
    }
    body->addWidget(formulaRow(frame, QStringLiteral("Pi　＝　Pt　＋　"), numerator, QStringLiteral("Lｓｆ　－　Lr"),
        "LblBunshi", "LblBunbo"));
    body->addWidget(formulaRow(frame, QStringLiteral("Pi　＝　") + value(a.LockOffLoad) + QStringLiteral("　＋　"),
        numeratorValues, value(a.Tendon.TensionFreeLength) + QStringLiteral(" - ") + value(a.Tendon.ExtraLength),
        "LblBunshiValue", "LblBunboValue"));

    auto* legend = new QGridLayout;
    const std::pair<QString, QString> lines[] = {
        { QStringLiteral("Pi 　：　初期緊張力"), {} },
        { QStringLiteral("Pt 　：　定着時緊張力"), {} },
        { QStringLiteral("Set ：　セット量"), {} },
        { QStringLiteral("Es  ：　テンドン弾性係数"), {} },
        { QStringLiteral("As  ：　テンドンの断面積"), QStringLiteral("※PC鋼線1組当たり") },
        { QStringLiteral("Lｓｆ ：　緊張時自由長"), {} },
        { QStringLiteral("Lr   ：　ジャッキ内自由長"), {} },
    };
    int row = 0;
    for (const auto& [line, note] : lines) {
        legend->addWidget(label(frame, line), row, 0);
        if (!note.isEmpty())
            legend->addWidget(label(frame, note), row, 1);
        ++row;
    }
    if (distributed)
        legend->addWidget(label(frame, QStringLiteral("(N : PC鋼線総組数）"), "LblN"), row, 0, 1, 2);
    legend->setColumnStretch(2, 1);
    body->addLayout(legend);

    auto* result = new QGroupBox(QStringLiteral("初期緊張力"), this);
    auto* resultLayout = new QHBoxLayout(result);
    auto* force = label(result,
        (isMissing(a.JackingForce) ? QString() : formatNumber(a.JackingForce, "0.00")) + QStringLiteral("  (kN)"),
        "LblKintyouryoku");
    QFont big = force->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    force->setFont(big);
    float gauge = ConvertGaugeRounded(a.Jack, a.JackingForce, LoadToPressure);
    resultLayout->addWidget(force);
    resultLayout->addWidget(label(result,
        QStringLiteral("[ ゲージ圧　：　") + (isMissing(gauge) ? QString() : formatNumber(gauge, "0.00"))
            + QStringLiteral("  (MPa) ]"),
        "LblGauge"));
    resultLayout->addStretch();

    auto* note = label(this,
        QStringLiteral("初期緊張力の算出式は、計画書および報告書作成画面の2/"
                       "3ページの「初期緊張力の算出式を表示」にチェックを付けて出"
                       "力を行ってください。"),
        "LblNote");
    note->setWordWrap(true);

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName("OKButton");
    close->setDefault(true);
    auto* reference = new QPushButton(QStringLiteral("参考資料"), this);
    reference->setObjectName("CmdSansyou");
    reference->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(reference, &QPushButton::clicked, this, [this] {
        ui::showReferenceText(
            this, QStringLiteral("DlgReferenceText"), QStringLiteral("初期緊張力の算出式"), referenceText());
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reference);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(result);
    layout->addWidget(note);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

float DlgSyokikintyouryoku::ShowForm(QWidget* parent, const AnchorRecord& anchor)
{
    AnchorRecord evaluated = anchor;
    EvaluateAnchor(evaluated);
    DlgSyokikintyouryoku dialog(evaluated, parent);
    ui::execModal(dialog);
    return evaluated.JackingForce;
}

} // namespace tessaro
