#include "documents/frmPrintDataSheet.h"

#include "documents/frmPreview.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/NumericCheck.h"
#include "ui/Modal.h"

#include <QCheckBox>
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

// "全３ページ": the page total with full-width digits.
QString pageTotalText(int pages)
{
    QString digits = QString::number(pages);
    for (QChar& c : digits)
        c = QChar(c.unicode() - u'0' + u'０');
    return QStringLiteral("全") + digits + QStringLiteral("ページ");
}

QLineEdit* numberBox(QWidget* parent, const char* name, int width)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(width);
    return box;
}

} // namespace

frmPrintDataSheet::frmPrintDataSheet(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmPrintDataSheet");
    setWindowTitle(QStringLiteral("データシートの印刷"));
    const Project& p = project();

    const QString captions[] = { QStringLiteral("アンカー孔番の指定"), QStringLiteral("表示しているアンカー孔番のみ"),
        QStringLiteral("シート枚数指定") };
    for (int i = 0; i < 3; ++i) {
        option_[i] = new QRadioButton(captions[i], this);
        option_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    }
    start_ = numberBox(this, "imtxtStart", 60);
    end_ = numberBox(this, "imtxtEnd", 60);
    sheets_ = numberBox(this, "imTxtMai", 40);
    auto* rangeBox = new QGroupBox(QStringLiteral("印刷範囲"), this);
    auto* grid = new QGridLayout(rangeBox);
    grid->addWidget(option_[ByNumbers], 0, 0);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(start_);
    numbers->addWidget(new QLabel(QStringLiteral("～"), this));
    numbers->addWidget(end_);
    numbers->addWidget(new QLabel(QStringLiteral("(1 ～ %1)").arg(p.shownAnchorCount()), this));
    numbers->addStretch();
    grid->addLayout(numbers, 0, 1);
    grid->addWidget(option_[DisplayedOnly], 1, 0, 1, 2);
    grid->addWidget(option_[BlankSheets], 2, 0);
    auto* count = new QHBoxLayout;
    count->addWidget(sheets_);
    count->addWidget(new QLabel(QStringLiteral("枚"), this));
    count->addStretch();
    grid->addLayout(count, 2, 1);
    auto* note = new QLabel(QStringLiteral("最大で10枚まで出力できます（時刻表示はできません）"), this);
    note->setIndent(24);
    grid->addWidget(note, 3, 0, 1, 2);

    blankData_ = new QCheckBox(QStringLiteral("データは全て空白で表示する"), this);
    blankData_->setObjectName("Check1");
    time_ = new QCheckBox(QStringLiteral("時刻欄を表示する"), this);
    time_->setObjectName("ChkisTime");
    blankRemarks_ = new QCheckBox(QStringLiteral("備考欄を空白で表示する"), this);
    blankRemarks_->setObjectName("ChkBikou");
    auto* optionBox = new QGroupBox(QStringLiteral("印刷オプション"), this);
    auto* optionLayout = new QVBoxLayout(optionBox);
    for (QCheckBox* c : { blankData_, time_, blankRemarks_ })
        optionLayout->addWidget(c);

    maxPage_ = new QLabel(this);
    maxPage_->setObjectName("LblMaxPage");
    auto* ok = new QPushButton(QStringLiteral("印刷プレビュー"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(maxPage_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rangeBox);
    layout->addWidget(optionBox);
    layout->addLayout(buttons);

    // A basic investigation has its one anchor: there is no range to give.
    const QString current = QString::number(p.shownAnchor());
    start_->setText(current);
    end_->setText(current);
    option_[ByNumbers]->setEnabled(!p.isBasic());
    blankRemarks_->setEnabled(!p.isBasic());
    option_[DisplayedOnly]->setChecked(true);

    for (QRadioButton* r : option_)
        connect(r, &QRadioButton::toggled, this, &frmPrintDataSheet::rangeChanged);
    for (QLineEdit* box : { start_, end_, sheets_ })
        connect(box, &QLineEdit::textChanged, this, &frmPrintDataSheet::refreshPageTotal);
    // Leaving a range box refuses only what is not a number; whether the
    // range lies within the anchors is said on OK.
    constexpr double AnyNumber = 99999;
    connect(start_, &QLineEdit::editingFinished, this,
        [=, this] { checkEntry(start_, QStringLiteral("印刷範囲"), -AnyNumber, AnyNumber, "0"); });
    connect(end_, &QLineEdit::editingFinished, this,
        [=, this] { checkEntry(end_, QStringLiteral("印刷範囲"), -AnyNumber, AnyNumber, "0"); });
    connect(sheets_, &QLineEdit::editingFinished, this,
        [this] { checkEntry(sheets_, QStringLiteral("シート枚数"), 1, MaxBlankSheets, "#0"); });
    connect(ok, &QPushButton::clicked, this, &frmPrintDataSheet::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    rangeChanged();
}

void frmPrintDataSheet::checkEntry(
    QLineEdit* box, const QString& caption, double minimum, double maximum, const QString& format)
{
    NumericCheck check = checkNumericText(caption, box->text(), minimum, maximum, format);
    if (check.ok()) {
        box->setText(check.text);
        return;
    }
    box->clear();
    showMessage(check.message, MsgIcon::Exclamation, MsgButtons::Ok, InputErrorTitle);
    box->setFocus();
}

frmPrintDataSheet::Range frmPrintDataSheet::range() const
{
    for (int i = 0; i < 3; ++i)
        if (option_[i]->isChecked())
            return Range(i);
    return DisplayedOnly;
}

int frmPrintDataSheet::first() const
{
    return range() == DisplayedOnly ? project().CurrentAnchor : start_->text().toInt();
}

int frmPrintDataSheet::last() const
{
    return range() == DisplayedOnly ? project().CurrentAnchor : end_->text().toInt();
}

int frmPrintDataSheet::sheets() const
{
    return sheets_->text().toInt();
}

DataSheetOptions frmPrintDataSheet::options() const
{
    return { blankData_->isChecked(), time_->isChecked(), blankRemarks_->isChecked() };
}

void frmPrintDataSheet::rangeChanged()
{
    Range r = range();
    start_->setEnabled(r == ByNumbers);
    end_->setEnabled(r == ByNumbers);
    sheets_->setEnabled(r == BlankSheets);
    // Blank sheets are always empty and carry neither the time of day nor the items.
    blankData_->setEnabled(r != BlankSheets);
    time_->setEnabled(r != BlankSheets);
    blankRemarks_->setEnabled(r != BlankSheets && !project().isBasic());
    refreshPageTotal();
}

void frmPrintDataSheet::refreshPageTotal()
{
    int pages = 0;
    if (range() == BlankSheets) {
        int s = sheets();
        pages = s >= 1 && s <= MaxBlankSheets ? s : 0;
    }
    else {
        pages = dataSheetPageTotal(project(), first(), last());
    }
    maxPage_->setText(pages > 0 ? pageTotalText(pages) : QString());
}

void frmPrintDataSheet::confirm()
{
    const Project& p = project();
    if (range() == ByNumbers) {
        if (start_->text().trimmed().isEmpty() || end_->text().trimmed().isEmpty()) {
            showMessage(QStringLiteral("印刷範囲を入力して下さい。"), MsgIcon::Exclamation);
            return;
        }
        if (first() > last() || first() < 1 || last() > p.anchorCount()) {
            showMessage(QStringLiteral("印刷範囲指定が間違っています。入力し直してください。"), MsgIcon::Exclamation);
            return;
        }
    }
    if (range() == BlankSheets) {
        if (sheets_->text().trimmed().isEmpty()) {
            showMessage(QStringLiteral("シートの枚数を入力して下さい。"), MsgIcon::Exclamation);
            return;
        }
        checkEntry(sheets_, QStringLiteral("シート枚数"), 1, MaxBlankSheets, "#0");
        if (sheets_->text().isEmpty())
            return;
    }
    accept();
}

bool frmPrintDataSheet::compose(report::ReportEngine& engine) const
{
    if (range() == BlankSheets)
        return PrintModule::PrintBlankDataSheets(engine, sheets());
    return PrintModule::PrintDataSheets(engine, project(), first(), last(), options());
}

void frmPrintDataSheet::ShowForm(QWidget* parent)
{
    frmPrintDataSheet dialog(parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return;
    report::ReportEngine engine;
    bool ended = dialog.compose(engine);
    previewDocument(parent, engine, ended, QStringLiteral("データシート"));
}

} // namespace tessaro
