#include "shell/frmFileName.h"

#include "documents/DocumentFamily.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

namespace tessaro {
namespace {

// Characters no file name may hold on any system the data folder may live on.
bool validFileName(const QString& name)
{
    static const QRegularExpression forbidden(QStringLiteral(R"([\\/:*?"<>|])"));
    return !name.contains(forbidden) && name != "." && name != "..";
}

} // namespace

frmFileName::Family frmFileName::familyOf(int testCategory, Document document)
{
    const DocumentFamily family = documentFamily(testCategory, document == Report);
    return { formatFolder(family), familyInfo(family).extension };
}

frmFileName::frmFileName(Document document, QWidget* parent)
    : QDialog(parent)
    , family_(familyOf(project().TestCategory, document))
{
    setObjectName("frmFileName");
    setWindowTitle(QStringLiteral("書式ファイルの保存"));
    QDir().mkpath(family_.folder);

    folder_ = new QLabel(QDir::toNativeSeparators(family_.folder), this);
    folder_->setObjectName("Label1");
    folder_->setWordWrap(true);
    files_ = new QListWidget(this);
    files_->setObjectName("File1");
    name_ = new ui::TextBox(this);
    name_->setObjectName("imText1");
    auto* ext = new QLabel(family_.extension, this);
    ext->setObjectName("lblExt");
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("Command2");
    delete_ = new QPushButton(QStringLiteral("削除"), this);
    delete_->setObjectName("Command3");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("保存先："), this), 0, 0);
    grid->addWidget(folder_, 0, 1, 1, 2);
    grid->addWidget(files_, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("ファイル名"), this), 2, 0);
    grid->addWidget(name_, 2, 1);
    grid->addWidget(ext, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 3);
    resize(460, 360);

    connect(files_, &QListWidget::itemClicked, this, &frmFileName::fileClicked);
    connect(files_, &QListWidget::currentItemChanged, this, [this] { delete_->setEnabled(files_->currentItem()); });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this] {
        fileClicked();
        confirm();
    });
    connect(ok, &QPushButton::clicked, this, &frmFileName::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(delete_, &QPushButton::clicked, this, &frmFileName::deleteSelected);
    fill();
}

void frmFileName::fill()
{
    files_->clear();
    files_->addItems(QDir(family_.folder).entryList({ "*" + family_.extension }, QDir::Files, QDir::Name));
    delete_->setEnabled(false);
}

void frmFileName::fileClicked()
{
    if (QListWidgetItem* item = files_->currentItem())
        name_->setText(QFileInfo(item->text()).completeBaseName());
}

void frmFileName::confirm()
{
    const QString name = name_->text().trimmed();
    if (name.isEmpty()) {
        showMessage(QStringLiteral("ファイル名を入力してください"), MsgIcon::Information);
        return;
    }
    if (!validFileName(name)) {
        showMessage(QStringLiteral("ファイル名に使用できない文字（\\ / : * ? \" < > |）が含まれています。"),
            MsgIcon::Information);
        return;
    }
    const QString path = QDir(family_.folder).filePath(name + family_.extension);
    if (QFileInfo::exists(path)
        && showMessage(name + QStringLiteral("に上書きしますか？"), MsgIcon::Question, MsgButtons::OkCancel)
            != AnswerOk)
        return;
    chosen_ = path;
    accept();
}

void frmFileName::deleteSelected()
{
    QListWidgetItem* item = files_->currentItem();
    if (!item
        || showMessage(QStringLiteral("選択している書式ファイルを削除してもよろしいですか？"), MsgIcon::Information,
               MsgButtons::YesNo)
            != AnswerYes)
        return;
    QFile file(QDir(family_.folder).filePath(item->text()));
    if (!file.remove())
        showMessage(
            file.errorString() + "\n\n" + QStringLiteral("ファイル名：") + file.fileName(), MsgIcon::Exclamation);
    fill();
}

bool frmFileName::ShowForm(QWidget* parent, Document document, QString& path)
{
    frmFileName dialog(document, parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    path = dialog.chosenPath();
    return true;
}

} // namespace tessaro
