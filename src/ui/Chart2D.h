#pragma once
// The chart component every graph window places: it shows a chart description
// (ChartData) in an appearance (ChartFormat), offers the property editor for the
// appearance, and copies and prints itself at any size.

#include "graphs/ChartData.h"
#include "graphs/ChartFormat.h"
#include "ui/ChartEditorElements.h"

#include <QChartView>
#include <QImage>
#include <QSize>

class QPrinter;

namespace tessaro::ui {

class ChartPlot;

class Chart2D : public QChartView {
    Q_OBJECT
public:
    explicit Chart2D(QWidget* parent = nullptr);

    // What the chart shows; setting it redraws the chart once.
    const ChartData& data() const { return data_; }
    void setData(ChartData data);

    // How the chart looks: the designed appearance, a loaded format file or the
    // user's changes in the property editor.
    const ChartFormat& format() const { return format_; }
    void setFormat(ChartFormat format);

    // Which parts of the appearance the property editor offers (all at first).
    void showEditorElement(ChartEditorElement element, bool show);
    ChartEditorElements editorElements() const { return editorElements_; }
    // Opens the property editor; its changes apply when it is closed with OK.
    bool openPropertyEditor();

    // The chart laid out at the given size (drawing units), not as shown on screen.
    QImage toImage(QSize size) const;
    void copyToClipboard(QSize size) const;
    bool print(QPrinter& printer, QSize size) const;

private:
    void redraw();
    ChartPlot* plot_;
    ChartData data_;
    ChartFormat format_;
    ChartEditorElements editorElements_ = AllEditorElements;
};

} // namespace tessaro::ui
