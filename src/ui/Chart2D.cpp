#include "ui/Chart2D.h"

#include "ui/ChartOutput.h"
#include "ui/ChartPlot.h"
#include "ui/DlgChartProperty.h"
#include "ui/Modal.h"

namespace tessaro::ui {

Chart2D::Chart2D(QWidget* parent)
    : QChartView(parent)
    , plot_(new ChartPlot)
{
    setChart(plot_);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(Qt::white);
    setMinimumSize(200, 160);
    redraw();
}

void Chart2D::setData(ChartData data)
{
    data_ = std::move(data);
    redraw();
}

void Chart2D::setFormat(ChartFormat format)
{
    format_ = std::move(format);
    redraw();
}

void Chart2D::redraw()
{
    plot_->draw(data_, format_);
}

void Chart2D::showEditorElement(ChartEditorElement element, bool show)
{
    editorElements_.setFlag(element, show);
}

bool Chart2D::openPropertyEditor()
{
    if (!editorElements_)
        return false; // this window's charts offer nothing to change
    DlgChartProperty dialog(data_, format_, editorElements_, this);
    if (execModal(dialog) != QDialog::Accepted)
        return false;
    setFormat(dialog.chosenFormat());
    return true;
}

QImage Chart2D::toImage(QSize size) const
{
    return chartImage(data_, format_, size);
}

void Chart2D::copyToClipboard(QSize size) const
{
    copyChartToClipboard(data_, format_, size);
}

bool Chart2D::print(QPrinter& printer, QSize size) const
{
    return printChart(data_, format_, printer, size);
}

} // namespace tessaro::ui
