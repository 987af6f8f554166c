#pragma once
// The chart property editor: titles and their fonts, axis labels, grid, series
// colours, lines and markers, and the legend of one chart. It works on a copy of
// the chart's format; the caller takes chosenFormat() when it closes with OK.

#include "graphs/ChartData.h"
#include "graphs/ChartFormat.h"
#include "ui/ChartEditorElements.h"

#include <QDialog>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QTabWidget;

namespace tessaro::ui {

class FontEdit;

class DlgChartProperty : public QDialog {
    Q_OBJECT
public:
    DlgChartProperty(
        const ChartData& data, const ChartFormat& format, ChartEditorElements elements, QWidget* parent = nullptr);
    const ChartFormat& chosenFormat() const { return format_; }

private:
    QWidget* titlesPage();
    QWidget* axesPage(ChartEditorElements elements);
    QWidget* seriesPage();
    QWidget* legendPage();
    void showSeries(int choice);
    void storeSeries();
    void takeEdits();

    ChartData data_;
    ChartFormat format_;
    std::vector<std::pair<int, int>> seriesIndex_; // (group, series) of each series choice
    bool showingSeries_ = false;

    QTabWidget* tabs_;
    QLineEdit* title_;
    QLineEdit* xTitle_;
    QLineEdit* yTitle_;
    FontEdit* titleFont_;
    FontEdit* axisTitleFont_;
    FontEdit* labelFont_;
    FontEdit* axisLabelFont_;
    QCheckBox* gridX_;
    QCheckBox* gridY_;
    QComboBox* gridColor_;
    QComboBox* series_;
    QComboBox* seriesColor_;
    QComboBox* lineStyle_;
    QDoubleSpinBox* lineWidth_;
    QComboBox* marker_;
    QDoubleSpinBox* markerSize_;
    QCheckBox* legend_;
    QComboBox* legendPosition_;
    FontEdit* legendFont_;
};

} // namespace tessaro::ui
