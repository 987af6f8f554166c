#include "ui/WindowParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>

namespace tessaro::ui {

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* namedLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton* addOkCancel(QHBoxLayout* row, QDialog* dialog)
{
    QPushButton* ok = commandButton(dialog, QStringLiteral("CmdOK"), QStringLiteral("OK"));
    QPushButton* cancel = commandButton(dialog, QStringLiteral("CmdCancel"), QStringLiteral("キャンセル"));
    ok->setDefault(true);
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return ok;
}

QHBoxLayout* anchorHeadRow(QLabel* anchorNo, QWidget* caption, QWidget* navigator)
{
    QFont bold = anchorNo->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    anchorNo->setFont(bold);
    auto* head = new QHBoxLayout;
    head->addWidget(anchorNo);
    head->addSpacing(16);
    head->addWidget(caption);
    head->addStretch();
    head->addWidget(navigator);
    return head;
}

QSplitter* sheetBesideChart(QWidget* parent, QWidget* sheet, QWidget* chart)
{
    auto* split = new QSplitter(Qt::Horizontal, parent);
    split->addWidget(sheet);
    split->addWidget(chart);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    return split;
}

} // namespace tessaro::ui
