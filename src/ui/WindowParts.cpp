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
    return addOkCancel(row, dialog, QStringLiteral("CmdOK"), QStringLiteral("CmdCancel"));
}

QPushButton* addOkCancel(QHBoxLayout* row, QDialog* dialog, const QString& okName, const QString& cancelName)
{
    QPushButton* ok = commandButton(dialog, okName, QStringLiteral("OK"));
    QPushButton* cancel = commandButton(dialog, cancelName, QStringLiteral("キャンセル"));
    ok->setDefault(true);
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return ok;
}

QLabel* valueBox(QWidget* parent, const QString& name, int minimumWidth)
{
    QLabel* l = namedLabel(parent, name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(minimumWidth);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

void setEmphasis(QWidget* widget, double scale)
{
    QFont bold = widget->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * scale);
    widget->setFont(bold);
}

QHBoxLayout* anchorHeadRow(QLabel* anchorNo, QWidget* caption, QWidget* navigator)
{
    setEmphasis(anchorNo, 1.15);
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
