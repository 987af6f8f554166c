#include "cli/Arguments.h"

namespace tessaro::cli {

bool parseArguments(const QStringList& args, const ArgumentSpec& spec, Arguments* out, QString* reason)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith("--") || arg == "--") {
            out->positional << arg;
            continue;
        }
        const QString name = arg.mid(2);
        if (spec.flags.contains(name)) {
            out->options.insert(name, QString());
        }
        else if (!spec.valued.contains(name)) {
            *reason = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        else if (i + 1 >= args.size()) {
            *reason = QStringLiteral("%1 needs a value").arg(arg);
            return false;
        }
        else {
            out->options.insert(name, args[++i]);
        }
    }
    if (out->positional.size() < spec.minPositional)
        *reason = QStringLiteral("missing arguments");
    else if (out->positional.size() > spec.maxPositional)
        *reason = QStringLiteral("unexpected argument %1").arg(out->positional.value(spec.maxPositional));
    return reason->isEmpty();
}

} // namespace tessaro::cli
