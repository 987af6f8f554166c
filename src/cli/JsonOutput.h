#pragma once
// Where a command's JSON goes and how: to standard output, or with --out to a
// file that is written whole or not at all; indented, or with --compact on one
// line. Long arrays are written element by element and the text handed on as
// it grows, so that a project of 999 anchors never stands in memory as one
// document.

#include "model/JsonText.h"

#include <QJsonObject>
#include <QSaveFile>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QFile;

namespace tessaro::cli {

struct Arguments;

class JsonOutput {
public:
    // Writes element `index` of an array into the text.
    using Element = std::function<void(json::JsonText& text, int index)>;
    struct StreamedArray {
        QString key;
        int count;
        Element element;
    };

    // Takes --out and --compact from the command's arguments.
    explicit JsonOutput(const Arguments& args);
    ~JsonOutput();

    // Each writes a whole document and ends it; false when it could not be
    // written (the reason in error(), an earlier --out file left as it was).
    bool write(const QJsonValue& value);
    bool writeArray(int count, const Element& element);
    // An object of these members with the named arrays among them, in the
    // order of their keys.
    bool writeObject(const QJsonObject& members, const std::vector<StreamedArray>& arrays);

    QString error() const { return error_; }

private:
    bool open();
    bool finish();
    void handOn(bool always = false);
    void putArray(int count, const Element& element);

    QString outPath_;
    json::JsonText text_;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QFile> stdout_;
    QIODevice* device_ = nullptr;
    QString error_;
};

// The options every command that prints JSON takes.
inline const QStringList JsonOutputFlags { QStringLiteral("compact") };
inline const QStringList JsonOutputValued { QStringLiteral("out") };

} // namespace tessaro::cli
