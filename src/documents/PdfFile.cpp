#include "documents/PdfFile.h"

#include "documents/DocumentInfo.h"
#include "model/WriteFailure.h"

#include <QRegularExpression>
#include <cerrno>
#include <cstring>

namespace tessaro::report {
namespace {

// The writer stamps its date into the information dictionary at the start of
// the file; that far at most is held back.
constexpr qsizetype MaxHeld = 64 * 1024;
// The trailer lies within the last bytes of the writer's file.
constexpr qsizetype TailKept = 2048;

QByteArray pdfDate(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
}

// Replaces the date the writer stamped, "(D:20240101120000Z)" or
// "(D:20240101210000+09'00')", keeping its length: the writer counts the
// bytes it wrote to find its objects again. False while the date is not there yet.
bool stampCreationDate(QByteArray& head, const QDateTime& time)
{
    static const QByteArray key = "/CreationDate (D:";
    const qsizetype at = head.indexOf(key);
    const qsizetype from = at + key.size();
    const qsizetype to = at < 0 ? -1 : head.indexOf(')', from);
    if (to < 0)
        return false;
    const QByteArray digits = pdfDate(time);
    const QByteArray zone = to - from == digits.size() + 1 ? "Z" : "+00'00'";
    if (to - from == digits.size() + zone.size())
        head.replace(from, to - from, digits + zone);
    return true;
}

// A text string of the information dictionary: UTF-16 in hexadecimal.
QByteArray pdfText(const QString& text)
{
    QByteArray units = "\xfe\xff";
    for (QChar c : text) {
        units += char(c.unicode() >> 8);
        units += char(c.unicode() & 0xff);
    }
    return '<' + units.toHex() + '>';
}

// An update section giving the document its information dictionary, appended
// at offset `at` of a file whose last bytes are `tail`; empty when the tail
// holds no trailer.
QByteArray informationUpdate(const QByteArray& tail, qint64 at, const PdfInfo& info, const QDateTime& time)
{
    const QString trailer = QString::fromLatin1(tail.mid(tail.lastIndexOf("trailer")));
    const auto size = QRegularExpression(QStringLiteral(R"(/Size\s+(\d+))")).match(trailer);
    const auto root = QRegularExpression(QStringLiteral(R"(/Root\s+(\d+\s+\d+\s+R))")).match(trailer);
    const auto start = QRegularExpression(QStringLiteral(R"(startxref\s+(\d+))")).match(trailer);
    if (!trailer.startsWith(QLatin1String("trailer")) || !size.hasMatch() || !root.hasMatch() || !start.hasMatch())
        return {};
    const QByteArray object = size.captured(1).toLatin1();
    const QByteArray date = "(D:" + pdfDate(time) + "Z)";
    const std::pair<const char*, QString> entries[] = {
        { "Title", info.title },
        { "Author", documentAuthor() },
        { "Subject", info.subject },
        { "Creator", documentCreator() },
        { "Producer", documentCreator() + QStringLiteral(" (Qt %1)").arg(QLatin1String(qVersion())) },
    };
    QByteArray update = '\n' + object + " 0 obj\n<<\n";
    for (const auto& [key, value] : entries)
        if (!value.isEmpty())
            update += '/' + QByteArray(key) + ' ' + pdfText(value) + '\n';
    update += "/CreationDate " + date + "\n/ModDate " + date + "\n>>\nendobj\n";
    const qint64 xref = at + update.size();
    update += "xref\n" + object + " 1\n" + QByteArray::number(at + 1).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + QByteArray::number(object.toInt() + 1) + "\n/Root " + root.captured(1).toLatin1()
        + "\n/Info " + object + " 0 R\n/Prev " + start.captured(1).toLatin1() + "\n>>\nstartxref\n"
        + QByteArray::number(xref) + "\n%%EOF\n";
    return update;
}

} // namespace

PdfFile::PdfFile(const QString& path)
    : file_(path)
    , time_(documentTime())
{
}

bool PdfFile::begin()
{
    if (!file_.open(QIODevice::WriteOnly)) {
        setErrorString(writeFailureText(file_.fileName(), 0, file_.errorString()));
        return false;
    }
    return open(QIODevice::WriteOnly);
}

void PdfFile::fail()
{
    // The system's reason for the write that failed, if it gave one; what the
    // target's folder shows (a full disk, a read-only folder) comes first.
    const int reason = errno;
    if (!failure_.isEmpty())
        return;
    const QString systemText = reason != 0 ? QString::fromLocal8Bit(std::strerror(reason)) : file_.errorString();
    failure_ = writeFailureText(file_.fileName(), written_, systemText);
    setErrorString(failure_);
}

bool PdfFile::pass(const char* data, qint64 size)
{
    if (!failure_.isEmpty())
        return false;
    errno = 0;
    if (file_.write(data, size) != size) {
        fail();
        return false;
    }
    written_ += size;
    const qint64 kept = std::min<qint64>(size, TailKept);
    tail_.append(data + size - kept, qsizetype(kept));
    if (tail_.size() > 2 * TailKept)
        tail_ = tail_.right(TailKept);
    return true;
}

qint64 PdfFile::writeData(const char* data, qint64 size)
{
    if (stamped_)
        return pass(data, size) ? size : -1;
    held_.append(data, qsizetype(size));
    stamped_ = stampCreationDate(held_, time_) || held_.size() > MaxHeld;
    if (stamped_ && !pass(held_.constData(), held_.size()))
        return -1;
    if (stamped_)
        held_.clear();
    return size;
}

bool PdfFile::finish(const PdfInfo& info)
{
    if (!held_.isEmpty())
        pass(held_.constData(), held_.size());
    held_.clear();
    const QByteArray update = informationUpdate(tail_, written_, info, time_);
    if (update.isEmpty() && failure_.isEmpty()) {
        failure_ = QStringLiteral("PDFの終わりが書き込まれていません。");
        setErrorString(failure_);
    }
    pass(update.constData(), update.size());
    // A short write the file system did not report shows in the size.
    errno = 0;
    if (failure_.isEmpty() && (!file_.flush() || file_.size() != written_))
        fail();
    errno = 0;
    if (failure_.isEmpty() && !file_.commit())
        fail();
    if (!failure_.isEmpty())
        cancel();
    close();
    return failure_.isEmpty();
}

void PdfFile::cancel()
{
    if (file_.isOpen()) {
        file_.cancelWriting();
        file_.commit(); // discards the file beside the target
    }
    close();
}

} // namespace tessaro::report
