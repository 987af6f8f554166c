#include "refdb/DbMessages.h"

#include "model/UserMessage.h"

#include <QDir>
#include <QSqlError>

namespace tessaro::refdb {
namespace {

// Primary result codes of SQLite; the driver reports the extended code, whose
// low byte is the primary one.
enum SqliteCode { Perm = 3, Busy = 5, LockedTable = 6, ReadOnlyDb = 8, Corrupt = 11, NotADb = 26 };

QString sentence(DbProblem problem, const QString& label)
{
    switch (problem) {
    case DbProblem::Missing: return label + QStringLiteral("のファイルが見つかりません。");
    case DbProblem::NotADatabase:
        return label + QStringLiteral("のファイルを開けません。") + "\n" +
               QStringLiteral("データベースファイルではないか、ファイルが壊れています。");
    case DbProblem::WrongContents:
        return label + QStringLiteral("のファイルに必要な表がありません。") + "\n" +
               QStringLiteral("別のファイルが置かれていないか確認してください。");
    case DbProblem::Locked:
        return label + QStringLiteral("のファイルが他のプログラムで使用中のため、読み書きできません。") + "\n" +
               QStringLiteral("そのプログラムを終了してから、もう一度実行してください。");
    case DbProblem::ReadOnly:
        return label + QStringLiteral("のファイルに書き込めません。") + "\n" +
               QStringLiteral("ファイルやフォルダーが読み取り専用になっていないか確認してください。");
    case DbProblem::CannotCreate: return label + QStringLiteral("のファイルを作成できませんでした。");
    case DbProblem::Other: break;
    }
    return label + QStringLiteral("の読み書き中にエラーが発生しました。");
}

} // namespace

QString databaseLabel(DbKind kind)
{
    return kind == DbKind::Anchor ? QStringLiteral("アンカー規格データベース") : QStringLiteral("ジャッキデータベース");
}

DbProblem problemOf(const QSqlError& error)
{
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case Busy:
    case LockedTable: return DbProblem::Locked;
    case Perm:
    case ReadOnlyDb: return DbProblem::ReadOnly;
    case Corrupt:
    case NotADb: return DbProblem::NotADatabase;
    default: return DbProblem::Other;
    }
}

void reportProblem(DbKind kind, const QString& path, DbProblem problem, const QString& lead, const QString& detail)
{
    QString text;
    if (!lead.isEmpty())
        text = lead + "\n\n";
    text += sentence(problem, databaseLabel(kind));
    text += "\n\n" + QStringLiteral("ファイル：") + QDir::toNativeSeparators(path);
    if (!detail.isEmpty())
        text += "\n\n" + detail;
    showMessage(text, MsgIcon::Exclamation);
}

} // namespace tessaro::refdb
