#pragma once
// Format files (.kkf, .khf, .hkf, .hhf): an office's standard wording of the
// plan and report documents, kept apart from any works. A format file has no
// header: it is the project's DocumentSettings record followed by its four
// DocumentText records, encoded exactly as the data file encodes them. Whatever
// family's wizard saves it, it holds the texts of all four families; applying
// one takes only the applying family's part.

#include "documents/DocumentFamily.h"
#include "model/DocumentRecords.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace tessaro {

struct Project;

struct FormatContents {
    DocumentSettings settings;
    std::array<DocumentText, 4> texts; // basic plan, basic report, quality plan, quality report

    template <class V> void visit(V& v)
    {
        v("DocumentSettings", settings);
        v("DocumentTexts", texts);
    }
};

// The document texts of the project, of all four families.
FormatContents formatContentsOf(const Project& p);

QByteArray encodeFormatFile(const FormatContents& contents);
// The contents of a whole format file; none with the reason in *problem when
// the bytes are empty, end too early, run on past the records, or hold texts
// no format file can hold.
std::optional<FormatContents> decodeFormatFile(const QByteArray& bytes, QString* problem);

// Whether the family's part holds any text.
bool familyHasTexts(const FormatContents& contents, DocumentFamily family);
// Copies the family's part (its DocumentSettings part and its DocumentText) into the project.
void applyFamilyContents(Project& p, DocumentFamily family, const FormatContents& contents);

// Reads a format file, telling the user what is wrong with it; none then.
std::optional<FormatContents> ReadFormatFile(const QString& path);
// Applies a format file to the family's texts (an empty path: "ファイルを
// 指定してください"). A file that cannot be read, is no format file or holds no
// texts of the family is refused with a message, and nothing changes.
bool ApplyFormatFile(Project& p, DocumentFamily family, const QString& path);
// Applies the family's Default file of the data folder.
bool ApplyDefaultFormat(Project& p, DocumentFamily family);
// Saves the project's texts of all four families as a format file, replacing
// any file of that name; a failed save is told and leaves an older file intact.
bool SaveFormatFile(const Project& p, const QString& path);

} // namespace tessaro
