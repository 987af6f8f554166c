#pragma once
// The program's start-up sequence.

#include <QStringList>

namespace tessaro {

class frmMain;

namespace MainModule {

// The data-file path named on the command line: the arguments after the program
// name joined by blanks; a text ending in a double quote loses its first and
// last characters.
QString commandLineFile(const QStringList& arguments);

// Loads the command-line file into the main window; true when it loaded.
bool LoadFromCommandLine(frmMain& main, const QString& path);

// The application's name, desktop entry, icon, font and the Japanese texts of
// Qt's own dialogs.
// Window captions are exactly those the windows compose: no display name is
// set for the platform to append.
void setUpApplication();

// Runs the whole start-up and then the event loop; returns the exit code.
int run(const QStringList& arguments);

} // namespace MainModule
} // namespace tessaro
