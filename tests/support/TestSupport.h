#pragma once
// Helpers shared by the tests.

#include <QString>
#include <QStringList>

namespace tessaro::test {

// A fresh temporary folder for this test, removed at the end of the program.
QString tempDir();
QString tempPath(const QString& name);

// A file's whole content (empty when it cannot be read), and a file written anew.
QByteArray fileBytes(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

// Runs tessaro-cli with the arguments; returns the exit status and fills the
// standard output and error.
int runCli(const QStringList& args, QByteArray* out = nullptr, QByteArray* err = nullptr);

} // namespace tessaro::test
