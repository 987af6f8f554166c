#include "documents/DlgSelectFormat.h"

#include "ui/Modal.h"
#include "ui/WindowParts.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

DlgSelectFormat::DlgSelectFormat(DocumentFamily family, QWidget* parent)
    : QDialog(parent)
    , family_(family)
{
    setObjectName("DlgSelectFormat");
    setWindowTitle(QStringLiteral("書式ファイルの選択"));
    const QString extension = familyInfo(family).extension;
    QDir folder(formatFolder(family));
    if (QFileInfo::exists(defaultFormatFile(family)))
        paths_ << defaultFormatFile(family);
    for (const QString& name : folder.entryList({ "*" + extension }, QDir::Files, QDir::Name))
        paths_ << folder.filePath(name);

    files_ = new QListWidget(this);
    files_->setObjectName("File1");
    choice_ = new QComboBox(this);
    choice_->setObjectName("Combo1");
    for (const QString& path : paths_) {
        const QString name = QFileInfo(path).completeBaseName();
        files_->addItem(name);
        choice_->addItem(name);
    }
    connect(files_, &QListWidget::currentRowChanged, choice_, &QComboBox::setCurrentIndex);
    connect(choice_, &QComboBox::currentIndexChanged, files_, [this](int row) { files_->setCurrentRow(row); });
    connect(files_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    files_->setCurrentRow(paths_.isEmpty() ? -1 : 0);

    auto* folderLabel = new QLabel(QDir::toNativeSeparators(folder.absolutePath()), this);
    folderLabel->setWordWrap(true);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel(QStringLiteral("書式ファイル"), this));
    chooser->addWidget(choice_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = ui::addOkCancel(buttons, this, "OKButton", "CancelButton");
    ok->setText(QStringLiteral("書式を適用"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(familyInfo(family).caption + QStringLiteral("の書式ファイル："), this));
    layout->addWidget(folderLabel);
    layout->addWidget(files_, 1);
    layout->addLayout(chooser);
    layout->addLayout(buttons);
    resize(440, 340);
}

QString DlgSelectFormat::chosenPath() const
{
    return paths_.value(choice_->currentIndex());
}

bool DlgSelectFormat::ShowForm(QWidget* parent, DocumentFamily family, QString& path)
{
    DlgSelectFormat dialog(family, parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    path = dialog.chosenPath();
    return true;
}

} // namespace tessaro
