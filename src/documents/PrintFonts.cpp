#include "documents/PrintFonts.h"

#include "documents/UniqueGlyphFont.h"

#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStandardPaths>
#include <array>

namespace tessaro::report {
namespace {

struct Face {
    QString systemFamily; // as the system's font database names the original
    QString shownName; // as a message names it
    QString file;
    QString printFamily;
};

const std::array<Face, 2>& faces()
{
    static const std::array<Face, 2> all { {
        { "IPAexMincho", QStringLiteral("IPAex明朝"), "ipaexm.ttf", "Tessaro Mincho" },
        { "IPAexGothic", QStringLiteral("IPAexゴシック"), "ipaexg.ttf", "Tessaro Gothic" },
    } };
    return all;
}

const Face& faceOf(FontFace face)
{
    return faces()[face == FontFace::Gothic ? 1 : 0];
}

// The font folders of the system and of the user, searched through.
QString findFontFile(const QString& name)
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
    folders += QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("fonts"), QStandardPaths::LocateDirectory);
    for (const QString& folder : folders) {
        QDirIterator it(folder, { name }, QDir::Files, QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        if (it.hasNext())
            return it.next();
    }
    return {};
}

struct Registration {
    std::array<bool, 2> loaded {};
    QStringList missing;
};

// Loads, rewrites and registers both faces on first use (fonts need the
// application's font database: a program without one prints nothing).
const Registration& registration()
{
    static const Registration none;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return none;
    static const Registration done = [] {
        Registration r;
        for (std::size_t i = 0; i < faces().size(); ++i) {
            const Face& face = faces()[i];
            const QString path = findFontFile(face.file);
            QFile file(path);
            QString error = QStringLiteral("見つかりません");
            std::optional<QByteArray> font;
            if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
                font = withUniqueGlyphs(file.readAll(), face.printFamily, &error);
            r.loaded[i] = font && QFontDatabase::addApplicationFontFromData(*font) >= 0;
            if (!r.loaded[i])
                r.missing
                    << QStringLiteral("%1 (%2: %3)").arg(face.shownName, path.isEmpty() ? face.file : path, error);
        }
        return r;
    }();
    return done;
}

} // namespace

QString printFamily(FontFace face)
{
    const bool loaded = registration().loaded[face == FontFace::Gothic ? 1 : 0];
    return loaded ? faceOf(face).printFamily : faceOf(face).systemFamily;
}

QFont printFont(QFont font)
{
    QStringList families = font.families().isEmpty() ? QStringList { font.family() } : font.families();
    for (QString& family : families)
        for (FontFace face : { FontFace::Mincho, FontFace::Gothic })
            if (family.compare(faceOf(face).systemFamily, Qt::CaseInsensitive) == 0)
                family = printFamily(face);
    font.setFamilies(families);
    return font;
}

QStringList missingPrintFonts()
{
    return registration().missing;
}

} // namespace tessaro::report
