#include "documents/frmPrintGRAPH.h"

#include "model/basMainData.h"
#include "ui/Modal.h"
#include "ui/PrintOptionParts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

// A group of two choices named name_0 and name_1.
QGroupBox* choiceGroup(
    QWidget* parent, const QString& title, const QString& name, const QString (&captions)[2], QRadioButton* (&out)[2])
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    for (int i = 0; i < 2; ++i) {
        out[i] = new QRadioButton(captions[i], group);
        out[i]->setObjectName(name + QStringLiteral("_%1").arg(i));
        layout->addWidget(out[i]);
    }
    return group;
}

} // namespace

frmPrintGRAPH::frmPrintGRAPH(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmPrintGRAPH");
    setWindowTitle(QStringLiteral("印刷オプション"));
    const Project& p = project();

    const QString types[2] = { QStringLiteral("詳細項目付きグラフ(A4縦）"), QStringLiteral("グラフのみ印刷(A4横)") };
    const QString colours[2] = { QStringLiteral("グラフを白黒で出力します"), QStringLiteral("カラー") };
    auto* choices = new QHBoxLayout;
    choices->addWidget(choiceGroup(this, QStringLiteral("印刷形式"), QStringLiteral("Option1"), types, type_));
    choices->addWidget(choiceGroup(this, QStringLiteral("グラフの色"), QStringLiteral("Option2"), colours, colour_));
    type_[0]->setChecked(true);
    // Sheets go to clients printed in colour; black and white is for office printers.
    colour_[1]->setChecked(true);

    range_ = new ui::AnchorRangeBox(this, QStringLiteral("Option3"), p.anchorCount(), p.CurrentAnchor, p.isBasic());

    pageNumbers_ = new QCheckBox(QStringLiteral("ページ番号を表示"), this);
    pageNumbers_->setObjectName("Check2");
    pageNumbers_->setChecked(true);
    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = ui::printOptionButtons(this, pageNumbers_, &ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(range_);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &frmPrintGRAPH::confirm);
}

GraphPrintChoice frmPrintGRAPH::choice() const
{
    GraphPrintChoice c;
    c.sheet.kind = type_[1]->isChecked() ? GraphSheetKind::GraphsOnly : GraphSheetKind::Detailed;
    c.sheet.pageNumbers = pageNumbers_->isChecked();
    c.sheet.monochrome = colour_[0]->isChecked();
    c.first = range_->first();
    c.last = range_->last();
    return c;
}

void frmPrintGRAPH::confirm()
{
    if (range_->confirm())
        accept();
}

bool frmPrintGRAPH::ShowForm(QWidget* parent, GraphPrintChoice* choice)
{
    frmPrintGRAPH dialog(parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    *choice = dialog.choice();
    return true;
}

} // namespace tessaro
