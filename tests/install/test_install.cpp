// The program as `cmake --install` lays it out for a desktop: the desktop
// entry and the AppStream description pass their validators, data files are
// recognised by their header (a TypeScript .tsx is not taken for one), the
// icon comes in every size, and the installed command line finds its
// resources beside its own folder.

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString AppId = QStringLiteral("jp.tessaro.Tessaro");

// Runs a program; its exit code, its output in *out.
int run(const QString& program, const QStringList& args, QByteArray* out = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(120000);
    if (out)
        *out = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString installedTree()
{
    static const QString prefix = [] {
        const QString dir = tessaro::test::tempPath("installed");
        QByteArray out;
        EXPECT_EQ(run(TESSARO_CMAKE, { "--install", TESSARO_BUILD_DIR, "--prefix", dir }, &out), 0) << out.toStdString();
        return dir;
    }();
    return prefix;
}

} // namespace

TEST(InstalledTree, DesktopEntryAndAppStreamDescriptionPassTheirValidators)
{
    const QString share = installedTree() + "/share";
    QByteArray out;
    EXPECT_EQ(run("desktop-file-validate", { share + "/applications/" + AppId + ".desktop" }, &out), 0)
        << out.toStdString();
    EXPECT_EQ(run("appstreamcli", { "validate", "--no-net", share + "/metainfo/" + AppId + ".metainfo.xml" }, &out), 0)
        << out.toStdString();
    for (const char* size : { "16x16", "32x32", "48x48", "256x256" })
        EXPECT_TRUE(QFile::exists(share + "/icons/hicolor/" + size + "/apps/" + AppId + ".png")) << size;
    EXPECT_TRUE(QFile::exists(share + "/icons/hicolor/scalable/apps/" + AppId + ".svg"));
    EXPECT_TRUE(QFile::exists(share + "/man/man1/tessaro-cli.1"));
}

TEST(InstalledTree, DataFilesAreKnownByTheirHeaderNotByTheirExtension)
{
    const QString share = installedTree() + "/share";
    ASSERT_EQ(run("update-mime-database", { share + "/mime" }), 0);
    qputenv("XDG_DATA_DIRS", (share + ":/usr/share").toUtf8());
    const QString works = tessaro::test::tempPath("works.tsx");
    const QString renamed = tessaro::test::tempPath("works.dat");
    const QString source = tessaro::test::tempPath("App.tsx");
    const QByteArray header = "Quarnelvistobrante 4.005UsrData (c) 2013 QUOLT Development Corp.";
    ASSERT_TRUE(tessaro::test::writeFile(works, header + QByteArray(200, '\0')));
    ASSERT_TRUE(tessaro::test::writeFile(renamed, "Quarnelvistobrante 2.06 UsrData (c) 2006 QUOLT" + QByteArray(200, '\0')));
    ASSERT_TRUE(tessaro::test::writeFile(source, "import React from 'react';\nexport const App = () => <div/>;\n"));
    QMimeDatabase db;
    EXPECT_EQ(db.mimeTypeForFile(works).name(), "application/x-tessaro-data");
    EXPECT_EQ(db.mimeTypeForFile(renamed).name(), "application/x-tessaro-data");
    EXPECT_NE(db.mimeTypeForFile(source).name(), "application/x-tessaro-data");
}

TEST(InstalledTree, TheInstalledCommandLineFindsItsResources)
{
    const QString pdf = tessaro::test::tempPath("blank.pdf");
    QByteArray out;
    EXPECT_EQ(run(installedTree() + "/bin/tessaro-cli", { "pdf", "-", "--doc", "blank", "--sheets", "2", "--out", pdf }, &out), 0)
        << out.toStdString();
    EXPECT_FALSE(out.contains("warning")) << out.toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
}
