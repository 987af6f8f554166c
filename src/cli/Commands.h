#pragma once
// The headless program's commands. Each returns the exit status: 0 done, 1 a
// file the program refuses (its message on standard error) or cannot write,
// 2 wrong arguments. The commands that print JSON take --out FILE and
// --compact (JsonOutput).

#include "cli/Arguments.h"

#include <QStringList>

namespace tessaro::cli {

// Loads FILE as the desktop program's open command does; false when refused.
bool loadProject(const QString& path);
// Writes text to standard output.
void print(const QByteArray& text);
// "tessaro-cli COMMAND: reason" on standard error; returns 1.
int failed(const char* command, const QString& reason);

int dump(const Arguments& args);
int resave(const Arguments& args);
int evaluate(const Arguments& args);
int sheet(const Arguments& args);
// Prints a format file of the document texts as JSON.
int format(const Arguments& args);
// Applies a format file to one document family of a data file.
int formatApply(const QStringList& args);
QString formatApplyUsage();
// Composes a printed document (data sheets, blank sheets, …) into a PDF file.
int pdf(const QStringList& args);
QString pdfUsage();
// Writes the measurement data of one anchor or the anchor list as an Excel workbook.
int xlsx(const QStringList& args);
QString xlsxUsage();

} // namespace tessaro::cli
