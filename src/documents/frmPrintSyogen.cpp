#include "documents/frmPrintSyogen.h"

#include "documents/frmPreview.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

int anchorsOf(const Project& p)
{
    return p.isBasic() ? 1 : p.anchorCount();
}

ui::NumberBox* rangeBox(QWidget* parent, const char* name)
{
    auto* box = new ui::NumberBox(parent, QStringLiteral("0"));
    box->setObjectName(QLatin1String(name));
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(60);
    box->SetCheck(QStringLiteral("印刷範囲"), 0, 99999);
    return box;
}

} // namespace

frmPrintSyogen::frmPrintSyogen(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmPrintSyogen");
    setWindowTitle(QStringLiteral("印刷オプション"));
    const Project& p = project();

    option_[ByNumbers] = new QRadioButton(QStringLiteral("アンカー孔番の指定"), this);
    option_[DisplayedOnly] = new QRadioButton(QStringLiteral("表示しているアンカー孔番のみ"), this);
    for (int i = 0; i < 2; ++i)
        option_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    start_ = rangeBox(this, "imtxtStart");
    end_ = rangeBox(this, "imtxtEnd");

    auto* rangeGroup = new QGroupBox(QStringLiteral("印刷範囲"), this);
    auto* grid = new QGridLayout(rangeGroup);
    grid->addWidget(option_[ByNumbers], 0, 0);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(start_);
    numbers->addWidget(new QLabel(QStringLiteral("～"), this));
    numbers->addWidget(end_);
    numbers->addWidget(new QLabel(QStringLiteral("(1 ～ %1)").arg(anchorsOf(p)), this));
    numbers->addStretch();
    grid->addLayout(numbers, 0, 1);
    grid->addWidget(option_[DisplayedOnly], 1, 0, 1, 2);

    pageNumbers_ = new QCheckBox(QStringLiteral("ページ番号を表示"), this);
    pageNumbers_->setObjectName("ChkPage");
    pageNumbers_->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("印刷プレビュー"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pageNumbers_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rangeGroup);
    layout->addLayout(buttons);

    // A basic investigation has its one anchor: there is no range to give.
    const int current = p.isBasic() ? 1 : p.CurrentAnchor;
    start_->SetValue(current);
    end_->SetValue(current);
    option_[ByNumbers]->setEnabled(!p.isBasic());
    option_[DisplayedOnly]->setChecked(true);

    for (QRadioButton* r : option_)
        connect(r, &QRadioButton::toggled, this, &frmPrintSyogen::rangeChanged);
    connect(ok, &QPushButton::clicked, this, &frmPrintSyogen::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    rangeChanged();
}

frmPrintSyogen::Range frmPrintSyogen::range() const
{
    return option_[ByNumbers]->isChecked() ? ByNumbers : DisplayedOnly;
}

int frmPrintSyogen::first() const
{
    return range() == DisplayedOnly ? project().CurrentAnchor : int(start_->Value().value_or(0));
}

int frmPrintSyogen::last() const
{
    return range() == DisplayedOnly ? project().CurrentAnchor : int(end_->Value().value_or(0));
}

AnchorListOptions frmPrintSyogen::options() const
{
    return { pageNumbers_->isChecked() };
}

void frmPrintSyogen::rangeChanged()
{
    start_->SetEnabled(range() == ByNumbers);
    end_->SetEnabled(range() == ByNumbers);
}

void frmPrintSyogen::confirm()
{
    if (range() == ByNumbers) {
        const int anchors = anchorsOf(project());
        if (!start_->Value() || !end_->Value()) {
            showMessage(QStringLiteral("印刷範囲が未入力です。"), MsgIcon::Exclamation);
            return;
        }
        if (first() > last()) {
            showMessage(QStringLiteral("範囲指定が間違っています｡"), MsgIcon::Exclamation);
            return;
        }
        if (first() < 1 || last() > anchors) {
            showMessage(QStringLiteral("印刷範囲を超えています。") + "\n" + QStringLiteral("入力範囲 ： 1 ～ ")
                    + QString::number(anchors),
                MsgIcon::Exclamation);
            return;
        }
    }
    accept();
}

bool frmPrintSyogen::compose(report::ReportEngine& engine) const
{
    return PreviewAnchorInformation(engine, project(), first(), last(), options());
}

void frmPrintSyogen::ShowForm(QWidget* parent)
{
    frmPrintSyogen dialog(parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return;
    report::ReportEngine engine;
    const bool ended = dialog.compose(engine);
    previewDocument(parent, engine, ended, QStringLiteral("試験アンカー諸元表"));
}

} // namespace tessaro
