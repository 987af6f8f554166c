#include "ui/InputBox.h"

#include "model/UserMessage.h"
#include "ui/Modal.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro::ui {

std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& hint, const QString& initial)
{
    QDialog dialog(parent);
    dialog.setObjectName("DlgInputBox");
    dialog.setWindowTitle(AppTitle);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(prompt, &dialog));
    if (!hint.isEmpty())
        layout->addWidget(new QLabel(hint, &dialog));
    auto* box = new QLineEdit(initial, &dialog);
    box->setObjectName("TxtInput");
    box->setMinimumWidth(320);
    box->selectAll();
    layout->addWidget(box);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    ok->setObjectName("CmdOK");
    cancel->setObjectName("CmdCancel");
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (execModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return box->text();
}

} // namespace tessaro::ui
