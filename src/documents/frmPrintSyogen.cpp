#include "documents/frmPrintSyogen.h"

#include "documents/frmPreview.h"
#include "model/basMainData.h"
#include "ui/Modal.h"
#include "ui/PrintOptionParts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

frmPrintSyogen::frmPrintSyogen(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmPrintSyogen");
    setWindowTitle(QStringLiteral("印刷オプション"));
    const Project& p = project();

    range_ = new ui::AnchorRangeBox(this, QStringLiteral("Option1"), p.anchorCount(), p.CurrentAnchor, p.isBasic());

    pageNumbers_ = new QCheckBox(QStringLiteral("ページ番号を表示"), this);
    pageNumbers_->setObjectName("ChkPage");
    pageNumbers_->setChecked(true);

    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = ui::printOptionButtons(this, pageNumbers_, &ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range_);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &frmPrintSyogen::confirm);
}

frmPrintSyogen::Range frmPrintSyogen::range() const
{
    return range_->byNumbers() ? ByNumbers : DisplayedOnly;
}

int frmPrintSyogen::first() const
{
    return range_->first();
}

int frmPrintSyogen::last() const
{
    return range_->last();
}

AnchorListOptions frmPrintSyogen::options() const
{
    return { pageNumbers_->isChecked() };
}

void frmPrintSyogen::confirm()
{
    if (range_->confirm())
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
