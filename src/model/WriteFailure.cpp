#include "model/WriteFailure.h"

#include "model/UserMessage.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace tessaro {
namespace {

// Room a file system keeps for its own bookkeeping beyond the file's bytes.
constexpr qint64 SpareBytes = 64 * 1024;

// The nearest folder on the way to `path` that exists.
QString existingFolderOf(const QString& path)
{
    QDir dir = QFileInfo(path).absoluteDir();
    while (!dir.exists() && !dir.isRoot())
        dir.setPath(QFileInfo(dir.absolutePath()).absolutePath());
    return dir.absolutePath();
}

bool meaningful(const QString& systemText)
{
    return !systemText.trimmed().isEmpty() && systemText != QLatin1String("Unknown error");
}

} // namespace

WriteProblem writeProblemOf(const QString& path, qint64 bytes)
{
    const QFileInfo file(path);
    if (file.isDir())
        return WriteProblem::FolderInTheWay;
    const QString folder = existingFolderOf(path);
    if (!QFileInfo(folder).isWritable() || (file.exists() && !file.isWritable()))
        return WriteProblem::ReadOnly;
    if (folder != file.absolutePath())
        return WriteProblem::NoFolder;
    const QStorageInfo storage(folder);
    if (storage.isValid() && (storage.isReadOnly() || storage.bytesAvailable() < bytes + SpareBytes))
        return storage.isReadOnly() ? WriteProblem::ReadOnly : WriteProblem::DiskFull;
    return WriteProblem::Other;
}

QString writeProblemText(WriteProblem problem, const QString& place, const QString& systemText)
{
    const QString shown = QDir::toNativeSeparators(place);
    switch (problem) {
    case WriteProblem::FolderInTheWay:
        return QStringLiteral("同じ名前のフォルダ「%1」があるため、ファイルを書き込めません。").arg(shown);
    case WriteProblem::NoFolder:
        return QStringLiteral("保存先のフォルダ「%1」が見つかりません。").arg(shown);
    case WriteProblem::ReadOnly:
        return QStringLiteral("「%1」は読み取り専用のため、書き込めません。").arg(shown);
    case WriteProblem::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りないため、「%1」に書き込めません。").arg(shown);
    case WriteProblem::Other:
        break;
    }
    return meaningful(systemText) ? systemText : QStringLiteral("ファイルを書き込めませんでした。");
}

QString writeFailureText(const QString& path, qint64 bytes, const QString& systemText)
{
    const WriteProblem problem = writeProblemOf(path, bytes);
    QString place = path;
    if (problem == WriteProblem::ReadOnly && !QFileInfo(path).exists())
        place = existingFolderOf(path);
    else if (problem == WriteProblem::NoFolder || problem == WriteProblem::DiskFull)
        place = QFileInfo(path).absolutePath();
    return writeProblemText(problem, place, systemText);
}

bool SaveWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    showMessage(
        writeFailureText(path, bytes.size(), file.errorString()) + "\n\n" + QStringLiteral("ファイル名：") + path,
        MsgIcon::Exclamation);
    return false;
}

} // namespace tessaro
