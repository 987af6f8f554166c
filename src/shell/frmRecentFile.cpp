#include "shell/frmRecentFile.h"

#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "ui/Modal.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessaro {

frmRecentFile::frmRecentFile(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmRecentFile");
    setWindowTitle(QStringLiteral("最近使ったファイル"));
    resize(640, 320);
    list_ = new QTreeWidget(this);
    list_->setObjectName("ListView1");
    list_->setHeaderLabels({QStringLiteral("ファイル名"), QStringLiteral("フォルダ（フルパス）")});
    list_->setRootIsDecorated(false);
    list_->header()->resizeSection(0, 200);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName("OKButton");
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("CancelButton");
    delete_ = new QPushButton(QStringLiteral("履歴から削除"), this);
    delete_->setObjectName("CmdRegDelete");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &frmRecentFile::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(delete_, &QPushButton::clicked, this, &frmRecentFile::deleteSelected);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &frmRecentFile::confirm);
    fill();
}

void frmRecentFile::fill()
{
    list_->clear();
    const QStringList files = recent::files();
    for (const QString& path : files)
        new QTreeWidgetItem(list_, {QFileInfo(path).fileName(), path});
    bool any = !files.isEmpty();
    if (any)
        list_->setCurrentItem(list_->topLevelItem(0));
    ok_->setEnabled(any);
    delete_->setEnabled(any);
}

void frmRecentFile::confirm()
{
    if (list_->topLevelItemCount() == 0 || !list_->currentItem())
        return;
    chosen_ = list_->currentItem()->text(1);
    accept();
}

void frmRecentFile::deleteSelected()
{
    QTreeWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    if (showMessage(QStringLiteral("最近使ったファイルから削除します。よろしいですか？"), MsgIcon::Information,
                    MsgButtons::YesNo) != AnswerYes)
        return;
    delete item;
    QStringList remaining;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        remaining << list_->topLevelItem(i)->text(1);
    recent::setFiles(remaining);
    fill();
}

bool frmRecentFile::ShowForm(QWidget* parent, QString& path)
{
    frmRecentFile dialog(parent);
    bool accepted = ui::execModal(dialog) == QDialog::Accepted;
    path = dialog.chosenPath();
    return accepted;
}

} // namespace tessaro
