#pragma once
// Chart format files: one INI file per chart of the graph, summary and input
// windows, in the folder IniChartFile of the data folder. A missing or damaged
// file is never an error; the chart keeps the appearance its window designed.

#include "graphs/ChartFormat.h"

#include <QString>

namespace tessaro {

inline const QString ChartFormatFolder = QStringLiteral("IniChartFile");
inline const QString InputChartFormatFile = QStringLiteral("IniInputChart.ini");

// "IniChartGraph1.ini" … "IniChartGraph4.ini": the four test graphs.
QString graphFormatFile(int chart);
// "IniSoukatuGraph1.ini", "IniSoukatuGraph2.ini": the two summary charts.
QString summaryFormatFile(int chart);
// The full path of a format file in the chart format folder.
QString chartFormatPath(const QString& fileName);

// Reads the file into the format. False, with the format untouched, when the
// file is missing, is not a chart format file or holds a value that is not valid.
bool readChartFormat(const QString& path, ChartFormat& format);
// Replaces the file by the format; false when it could not be written.
bool writeChartFormat(const QString& path, const ChartFormat& format);

} // namespace tessaro
