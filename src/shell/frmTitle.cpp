#include "shell/frmTitle.h"

#include "model/basMainData.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

ui::TextBox* textBox(QWidget* parent, const QString& name, const QString& text)
{
    auto* box = new ui::TextBox(parent);
    box->setObjectName(name);
    box->setText(text);
    box->setMinimumWidth(420);
    return box;
}

QLabel* note(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

} // namespace

frmTitle::frmTitle(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmTitle");
    setWindowTitle(QStringLiteral("現場情報"));
    const Project& p = project();
    const ProjectRecord& r = p.Record;

    auto* site = new QGroupBox(QStringLiteral("現場情報　（印刷物に反映）"), this);
    auto* form = new QFormLayout(site);
    names_ = { textBox(site, "TxtKouji", r.WorksName), textBox(site, "TxtGenba", r.SiteName),
        textBox(site, "TxtMotouke", r.PrimeContractor), textBox(site, "TxtShitauke", r.Subcontractor) };
    form->addRow(QStringLiteral("工事名"), names_[0]);
    form->addRow(QStringLiteral("現場名"), names_[1]);
    form->addRow(QStringLiteral("元請会社"), names_[2]);
    form->addRow(QStringLiteral("下請会社"), names_[3]);
    form->addRow(note(QStringLiteral("※後で入力も可能です。"), site));

    auto* memo = new QGroupBox(QStringLiteral("備考"), this);
    auto* memoLayout = new QVBoxLayout(memo);
    for (int i = 0; i < 2; ++i) {
        remarks_[std::size_t(i)]
            = textBox(memo, QStringLiteral("imTBikou_%1").arg(i), p.Settings.Header.Remarks[std::size_t(i)]);
        memoLayout->addWidget(remarks_[std::size_t(i)]);
    }
    memoLayout->addWidget(
        note(QStringLiteral("※備考枠の項目は、印刷には反映されません。メモとしてご利用ください。"), memo));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("Command1_0");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("Command1_1");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(site);
    layout->addWidget(memo);
    layout->addLayout(buttons);

    for (ui::TextBox* box : names_)
        connect(box, &QLineEdit::textEdited, this, [this] { changed_ = true; });
    connect(ok, &QPushButton::clicked, this, &frmTitle::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTitle::accept()
{
    Project& p = project();
    ProjectRecord& r = p.Record;
    r.WorksName = names_[0]->text();
    r.SiteName = names_[1]->text();
    r.PrimeContractor = names_[2]->text();
    r.Subcontractor = names_[3]->text();
    p.Settings.Header.Remarks[0] = remarks_[0]->text();
    p.Settings.Header.Remarks[1] = remarks_[1]->text();
    QDialog::accept();
}

bool frmTitle::ShowForm(QWidget* parent, bool& changed)
{
    frmTitle dialog(parent);
    bool accepted = ui::execModal(dialog) == QDialog::Accepted;
    changed = dialog.changed();
    return accepted;
}

} // namespace tessaro
