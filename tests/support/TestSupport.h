#pragma once
// Helpers shared by the tests.

#include <QString>
#include <QStringList>

namespace tessaro::test {

// A fresh temporary folder for this test, removed at the end of the program.
QString tempDir();
QString tempPath(const QString& name);

// Runs tessaro-cli with the arguments; returns the exit status and fills the
// standard output and error.
int runCli(const QStringList& args, QByteArray* out = nullptr, QByteArray* err = nullptr);

} // namespace tessaro::test
