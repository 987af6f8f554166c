#pragma once
// What every fuzz target shares: an application object, messages that go
// nowhere (a refused file must be refused quietly and fast), and a file to
// hand the input to the parsers that read from a path.

#include "model/UserMessage.h"

#include <QGuiApplication>
#include <QFile>
#include <QTemporaryDir>

namespace tessaro::fuzz {

inline void setUp()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = { name, nullptr };
    // Chart formats read fonts and colours, which need the GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    setMessageHandler([](const UserMessage& m) { return cautiousAnswer(m); });
}

// The input written to a file of this name in a private folder; its path.
inline QString asFile(const uint8_t* data, size_t size, const QString& name)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace tessaro::fuzz
