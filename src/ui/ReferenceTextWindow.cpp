#include "ui/ReferenceTextWindow.h"

#include "ui/Modal.h"
#include "ui/WindowParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro::ui {

void showReferenceText(QWidget* parent, const QString& objectName, const QString& title, const QString& text)
{
    QDialog window(parent);
    window.setObjectName(objectName);
    window.setWindowTitle(title);
    auto* view = new QPlainTextEdit(text, &window);
    view->setObjectName("txtReference");
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* buttons = new QDialogButtonBox(&window);
    QPushButton* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    close->setObjectName("CmdClose");
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(view);
    layout->addWidget(buttons);
    window.resize(520, 320);
    execModal(window);
}

QPushButton* referenceTextButton(QWidget* window, const QString& name, const QString& caption, ReferenceText (*make)())
{
    QPushButton* button = commandButton(window, name, caption);
    QObject::connect(button, &QPushButton::clicked, window, [window, make] {
        ReferenceText r = make();
        showReferenceText(window, QStringLiteral("DlgReferenceText"), r.title, r.text);
    });
    return button;
}

} // namespace tessaro::ui
