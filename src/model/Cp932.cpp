#include "model/Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace tessaro::cp932 {
namespace {

bool isAscii(const char* data, int size)
{
    for (int i = 0; i < size; ++i)
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return false;
    return true;
}

// One conversion descriptor per direction, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != iconv_t(-1))
            iconv_close(cd_);
    }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

iconv_t toCp932()
{
    static Converter c("CP932", "UTF-16LE");
    return c.get();
}

iconv_t fromCp932()
{
    static Converter c("UTF-16LE", "CP932");
    return c.get();
}

} // namespace

QByteArray encode(const QString& text)
{
    if (text.isEmpty())
        return {};
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();

    QByteArray out;
    out.reserve(text.size() * 2);
    iconv_t cd = toCp932();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    qsizetype i = 0;
    while (i < text.size()) {
        // Convert one character (one or two UTF-16 units) at a time so that a
        // character without a code-page form is replaced alone.
        qsizetype len = (QChar::isHighSurrogate(units[i]) && i + 1 < text.size()) ? 2 : 1;
        char* in = reinterpret_cast<char*>(const_cast<char16_t*>(units + i));
        size_t inLeft = size_t(len) * 2;
        char buf[8];
        char* o = buf;
        size_t outLeft = sizeof buf;
        if (iconv(cd, &in, &inLeft, &o, &outLeft) == size_t(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            out.append('?');
        } else {
            out.append(buf, o - buf);
        }
        i += len;
    }
    return out;
}

QString decode(const char* data, int size)
{
    if (size <= 0)
        return {};
    if (isAscii(data, size))
        return QString::fromLatin1(data, size);

    iconv_t cd = fromCp932();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QString out;
    out.reserve(size);
    char* in = const_cast<char*>(data);
    size_t inLeft = size_t(size);
    char16_t buf[256];
    while (inLeft > 0) {
        char* o = reinterpret_cast<char*>(buf);
        size_t outLeft = sizeof buf;
        size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
        out.append(QStringView(buf, (reinterpret_cast<char16_t*>(o) - buf)));
        if (r == size_t(-1) && errno != E2BIG) {
            // An invalid or cut-off byte sequence: replace one byte and go on.
            out.append(QChar::ReplacementCharacter);
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

} // namespace tessaro::cp932
