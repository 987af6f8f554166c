#include "evaluation/VerdictTexts.h"

#include "model/AppPaths.h"
#include "model/IniFile.h"

#include <algorithm>

namespace tessaro {

QString verdictTextSection(int list)
{
    return list == 2 ? QStringLiteral("HanteiNG") : QStringLiteral("HanteiOK");
}

QString verdictTextsPath()
{
    return paths::data(QStringLiteral("IniHantei.ini"));
}

QStringList readVerdictTexts(const QString& path, int list)
{
    IniFile ini(path);
    const QString section = verdictTextSection(list);
    bool ok = false;
    const int count = ini.value(section, QStringLiteral("Num")).toInt(&ok);
    QStringList texts;
    for (int i = 1; ok && i <= std::min(count, RememberedVerdictTexts); ++i) {
        QString text = ini.value(section, QStringLiteral("No%1").arg(i));
        if (!text.isEmpty() && !texts.contains(text))
            texts << text;
    }
    return texts;
}

QStringList rememberedVerdictTexts(const QStringList& texts, const QString& used)
{
    if (used.isEmpty() || texts.contains(used))
        return texts;
    QStringList result { used };
    result << texts.mid(0, RememberedVerdictTexts - 1);
    return result;
}

bool rememberVerdictText(const QString& path, int list, const QString& used)
{
    const QStringList before = readVerdictTexts(path, list);
    const QStringList after = rememberedVerdictTexts(before, used);
    if (after == before)
        return true;
    // The section is written anew, so that texts beyond the count do not linger.
    IniFile ini(path);
    const QString section = verdictTextSection(list);
    bool written
        = ini.removeSection(section) && ini.setValue(section, QStringLiteral("Num"), QString::number(after.size()));
    for (int i = 0; written && i < after.size(); ++i)
        written = ini.setValue(section, QStringLiteral("No%1").arg(i + 1), after[i]);
    return written;
}

} // namespace tessaro
