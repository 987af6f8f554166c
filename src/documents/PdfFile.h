#pragma once
// The file a PDF document is written into. The PDF writer's bytes go through
// to a file beside the target that replaces it only when the document is
// complete, so that an earlier file of the same name stays as it was until
// then. Every write is checked: a failing or short write (a full disk) fails
// the whole document, however the writer carries on.
//
// The finished file names the document (title, subject), the program (author,
// creator) and its date (documentTime(): SOURCE_DATE_EPOCH when set) in an
// update of the writer's information dictionary; the creation date the writer
// stamped itself is replaced by the same date, so that a document composed
// again is the same file byte for byte.

#include <QDateTime>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

namespace tessaro::report {

struct PdfInfo {
    QString title;
    QString subject;
};

class PdfFile : public QIODevice {
public:
    explicit PdfFile(const QString& path);

    // Opens the file for writing; false (with errorString()) when it cannot be created.
    bool begin();
    // Adds the information and replaces the target with the finished file.
    // False (with errorString()) when anything could not be written; the
    // target is then left as it was.
    bool finish(const PdfInfo& info);
    // Drops what was written; the target stays as it was.
    void cancel();

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool pass(const char* data, qint64 size);
    void fail();

    QSaveFile file_;
    QDateTime time_;
    qint64 written_ = 0;
    QByteArray held_; // the writer's first bytes, held until its creation date is stamped
    bool stamped_ = false;
    QByteArray tail_; // the last bytes written: the writer's trailer
    QString failure_;
};

} // namespace tessaro::report
