#pragma once
// The arguments of one command: its positional arguments and its --options,
// checked against what the command takes, so that every command refuses a
// wrong or missing argument the same way (a one-line reason, then its usage).

#include <QHash>
#include <QStringList>

namespace tessaro::cli {

struct ArgumentSpec {
    int minPositional = 0;
    int maxPositional = 0;
    QStringList flags; // options without a value ("compact")
    QStringList valued; // options followed by a value ("out")
};

struct Arguments {
    QStringList positional;
    QHash<QString, QString> options; // name without "--" → its value ("" for a flag)

    bool has(const QString& name) const { return options.contains(name); }
    QString value(const QString& name) const { return options.value(name); }
};

// False with a one-line reason for anything the spec does not take.
bool parseArguments(const QStringList& args, const ArgumentSpec& spec, Arguments* out, QString* reason);

} // namespace tessaro::cli
