#include "documents/FormatFile.h"

#include "documents/DocumentInputs.h"

#include "model/ProjectRecord.h"
#include "model/RecordIO.h"
#include "model/UserMessage.h"
#include "model/WriteFailure.h"

#include <QFile>
#include <QFileInfo>

namespace tessaro {
namespace {

// Looks through records for texts: any text at all, or one that holds a
// character no file of the program can carry (the mark of bytes that were
// never text).
struct TextSearch {
    bool anyText = false;
    bool unreadableText = false;

    template <Scalar T> void operator()(const char*, const T&) { }
    template <std::size_t N> void operator()(const char*, const Block<N>&) { }
    void operator()(const char*, const QString& text)
    {
        anyText = anyText || !text.isEmpty();
        unreadableText = unreadableText || text.contains(QChar::ReplacementCharacter);
    }
    template <class T, std::size_t N> void operator()(const char* name, const std::array<T, N>& items)
    {
        for (const T& item : items)
            (*this)(name, item);
    }
    template <class R>
    requires std::is_class_v<R>
    void operator()(const char*, const R& record) { const_cast<R&>(record).visit(*this); }
};

template <class R> TextSearch searchTexts(const R& record)
{
    TextSearch search;
    search("", record);
    return search;
}

const QString FileNameLabel = QStringLiteral("ファイル名：");

void tellProblem(const QString& text, const QString& path)
{
    showMessage(text + "\n\n" + FileNameLabel + path, MsgIcon::Exclamation);
}

} // namespace

FormatContents formatContentsOf(const Project& p)
{
    return { p.Record.Documents, p.Settings.Header.DocumentTexts };
}

QByteArray encodeFormatFile(const FormatContents& contents)
{
    QByteArray out;
    RecordWriter w(out);
    w("FormatContents", contents);
    return out;
}

std::optional<FormatContents> decodeFormatFile(const QByteArray& bytes, QString* problem)
{
    if (bytes.isEmpty()) {
        *problem = QStringLiteral("書式ファイルが空です。");
        return std::nullopt;
    }
    FormatContents contents;
    RecordReader r(bytes.constData(), std::size_t(bytes.size()));
    r("FormatContents", contents);
    if (r.failed()) {
        *problem = QStringLiteral(
            "書式ファイルが途中で終わっています。ファイルが壊れているか、書式ファイルではありません。");
        return std::nullopt;
    }
    if (r.remaining() > 0 || searchTexts(contents).unreadableText) {
        *problem = QStringLiteral("書式ファイルではありません。ファイル形式が違います。");
        return std::nullopt;
    }
    return contents;
}

bool familyHasTexts(const FormatContents& c, DocumentFamily family)
{
    bool fields = false;
    withFamilyFields(c.settings, family, [&](const auto& part) { fields = searchTexts(part).anyText; });
    return fields || searchTexts(c.texts[std::size_t(familyIndex(family))]).anyText;
}

void applyFamilyContents(Project& p, DocumentFamily family, const FormatContents& c)
{
    copyFamilyFields(c.settings, p.Record.Documents, family);
    const std::size_t i = std::size_t(familyIndex(family));
    p.Settings.Header.DocumentTexts[i] = c.texts[i];
}

std::optional<FormatContents> ReadFormatFile(const QString& path)
{
    if (path.isEmpty()) {
        showMessage(QStringLiteral("ファイルを指定してください"), MsgIcon::Exclamation);
        return std::nullopt;
    }
    if (!QFileInfo(path).isFile()) {
        showMessage(
            QStringLiteral("フォルダが見つかりませんでした") + "\n" + FileNameLabel + path, MsgIcon::Exclamation);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tellProblem(file.errorString(), path);
        return std::nullopt;
    }
    QString problem;
    std::optional<FormatContents> contents = decodeFormatFile(file.readAll(), &problem);
    if (!contents)
        tellProblem(problem, path);
    return contents;
}

bool ApplyFormatFile(Project& p, DocumentFamily family, const QString& path)
{
    std::optional<FormatContents> contents = ReadFormatFile(path);
    if (!contents)
        return false;
    if (!familyHasTexts(*contents, family)) {
        tellProblem(
            QStringLiteral("この書式ファイルには「%1」の書式が登録されていません。").arg(familyInfo(family).caption),
            path);
        return false;
    }
    applyFamilyContents(p, family, *contents);
    return true;
}

bool ApplyDefaultFormat(Project& p, DocumentFamily family)
{
    return ApplyFormatFile(p, family, defaultFormatFile(family));
}

bool SaveFormatFile(const Project& p, const QString& path)
{
    return SaveWholeFile(path, encodeFormatFile(formatContentsOf(p)));
}

} // namespace tessaro
