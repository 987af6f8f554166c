#include "ui/OlectraChart.h"

#include "graphs/ChartFormatFile.h"
#include "model/UserMessage.h"
#include "ui/Chart2D.h"

#include <QDir>

namespace tessaro::ui {

void copyChartFormat(const Chart2D& source, Chart2D& target)
{
    target.setFormat(source.format());
}

bool loadChartFormat(Chart2D& chart, const QString& fileName)
{
    ChartFormat format = chart.format();
    if (!readChartFormat(chartFormatPath(fileName), format))
        return false;
    chart.setFormat(std::move(format));
    return true;
}

void restrictEditorHideBasic(Chart2D& chart)
{
    for (ChartEditorElement element : { ChartEditorElement::Titles, ChartEditorElement::AxisLabels,
             ChartEditorElement::Grid, ChartEditorElement::SeriesStyles, ChartEditorElement::Legend })
        chart.showEditorElement(element, false);
}

void restrictEditorGraphWindow(Chart2D& chart)
{
    for (ChartEditorElement element : { ChartEditorElement::Titles, ChartEditorElement::SeriesStyles,
             ChartEditorElement::Grid, ChartEditorElement::Legend })
        chart.showEditorElement(element, true);
    chart.showEditorElement(ChartEditorElement::AxisLabels, false);
}

void restrictEditorAxisLabels(Chart2D& chart)
{
    chart.showEditorElement(ChartEditorElement::AxisLabels, true);
}

bool saveChartFormatsAsDefault(const std::vector<ChartFormatTarget>& charts)
{
    if (showMessage(QStringLiteral("現在のグラフ書式が初期値として更新されますが、よろしいですか？"), MsgIcon::Question,
            MsgButtons::YesNo)
        != AnswerYes)
        return false;
    QStringList failed;
    for (const ChartFormatTarget& target : charts) {
        QString path = chartFormatPath(target.fileName);
        if (!writeChartFormat(path, target.chart->format()))
            failed << QDir::toNativeSeparators(path);
    }
    if (failed.isEmpty())
        return true;
    showMessage(QStringLiteral("グラフ書式を保存できませんでした。\n") + failed.join('\n'));
    return false;
}

} // namespace tessaro::ui
