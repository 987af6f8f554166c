#pragma once
// Texts in data files are stored in code page 932 (Japanese ANSI), as the
// systems that write these files hold them.

#include <QByteArray>
#include <QString>

namespace tessaro::cp932 {

// Characters without a code-page-932 form become "?". U+301C WAVE DASH is
// written as 0x8160, which reads back as U+FF5E FULLWIDTH TILDE, the form
// Japanese Windows uses for it.
QByteArray encode(const QString& text);

// Bytes that are not valid code page 932 become U+FFFD.
QString decode(const char* data, int size);
inline QString decode(const QByteArray& bytes) { return decode(bytes.constData(), int(bytes.size())); }

} // namespace tessaro::cp932
