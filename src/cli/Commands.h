#pragma once
// The headless program's commands. Each takes the arguments after its name and
// returns the exit status; a file the program refuses gives the system's
// message on standard error and status 1.

#include <QStringList>

namespace tessaro::cli {

// Loads FILE as the desktop program's open command does; false when refused.
bool loadProject(const QString& path);
// Writes text to standard output.
void print(const QByteArray& text);

int dump(const QStringList& args);
int resave(const QStringList& args);
// Composes a printed document (data sheets, blank sheets, …) into a PDF file.
int pdf(const QStringList& args);
// Writes the measurement data of one anchor or the anchor list as an Excel workbook.
int xlsx(const QStringList& args);
int evaluate(const QStringList& args);
int sheet(const QStringList& args);

} // namespace tessaro::cli
