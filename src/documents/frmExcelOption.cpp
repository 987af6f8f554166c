#include "documents/frmExcelOption.h"

#include "evaluation/CycleEvaluation.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/FileDialogs.h"
#include "ui/Modal.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tessaro {
namespace {

ExcelColumns& stored()
{
    static ExcelColumns columns;
    return columns;
}

// The name the user chose, with the workbook's extension when it has another
// (a workbook saved as ".xls" would not open as what it is).
QString askWorkbookName(QWidget* parent, const QString& defaultName)
{
    QString path = ui::getSaveFileName(parent, QStringLiteral("名前を付けて保存"), ExcelFileFilter, defaultName);
    if (!path.isEmpty() && QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".xlsx");
    return path;
}

// Tells where the workbook went, with the way to its folder.
bool reportWritten(const QString& path, bool written)
{
    if (!written) {
        showMessage(workbookWriteFailureText(path), MsgIcon::Information);
        return false;
    }
    enum { Close, OpenFolder };
    const UserMessage notice {
        QStringLiteral("Excelファイルを保存しました。") + "\n\n" + QDir::toNativeSeparators(path), AppTitle,
        MsgIcon::Information, MsgButtons::Custom, { QStringLiteral("OK"), QStringLiteral("フォルダを開く") }
    };
    if (showMessage(notice) == OpenFolder)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
    return true;
}

} // namespace

frmExcelOption::frmExcelOption(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmExcelOption");
    setWindowTitle(QStringLiteral("Excel出力オプション"));
    const QString captions[] = { QStringLiteral("初期緊張力"), QStringLiteral("頭部変位量（測定点No.1）"),
        QStringLiteral("頭部変位量（測定点No.2）"), QStringLiteral("管理限界値（理論値、上限値、下限値）"),
        QStringLiteral("ゲージ圧") };
    auto* frame = new QGroupBox(QStringLiteral("出力項目"), this);
    auto* items = new QVBoxLayout(frame);
    const std::array<bool, 5> checks = stored().checks();
    for (int i = 0; i < 5; ++i) {
        option_[i] = new QCheckBox(captions[i], frame);
        option_[i]->setObjectName(QStringLiteral("ChkOption_%1").arg(i));
        option_[i]->setChecked(checks[std::size_t(i)]);
        items->addWidget(option_[i]);
    }

    auto* ok = new QPushButton(QStringLiteral("Excel出力"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] {
        store();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ExcelColumns frmExcelOption::columns() const
{
    std::array<bool, 5> checks {};
    for (int i = 0; i < 5; ++i)
        checks[std::size_t(i)] = option_[i]->isChecked();
    return ExcelColumns::fromChecks(checks);
}

void frmExcelOption::store()
{
    stored() = columns();
}

ExcelColumns frmExcelOption::storedColumns()
{
    return stored();
}

void frmExcelOption::resetStoredColumns()
{
    stored() = ExcelColumns {};
}

bool frmExcelOption::ShowForm(QWidget* parent, ExcelColumns* columns)
{
    frmExcelOption dialog(parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    *columns = dialog.columns();
    return true;
}

bool frmExcelOption::MeasurementDataToExcel(QWidget* parent, const AnchorRecord& anchor)
{
    ExcelColumns columns;
    if (!ShowForm(parent, &columns))
        return false;
    const QString path = askWorkbookName(parent, MeasurementSheetName);
    if (path.isEmpty())
        return false;
    return reportWritten(path, WriteMeasurementWorkbook(path, anchor, evaluationContextOf(project()), columns));
}

bool frmExcelOption::AnchorListToExcel(QWidget* parent)
{
    const QString path = askWorkbookName(parent, AnchorListSheetName);
    if (path.isEmpty())
        return false;
    return reportWritten(path, WriteAnchorListWorkbook(path, project()));
}

} // namespace tessaro
