#include "model/RecordIO.h"

namespace tessaro {

void RecordWriter::operator()(const char* name, const QString& text)
{
    QByteArray bytes = cp932::encode(text);
    // The length field is 16 bits: an over-long text is cut at a character
    // boundary (a lead byte is never left without its trail byte).
    if (bytes.size() > 0xFFFF) {
        qsizetype cut = 0;
        for (qsizetype i = 0; i < bytes.size();) {
            auto c = static_cast<unsigned char>(bytes[i]);
            qsizetype len = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
            if (i + len > 0xFFFF)
                break;
            i += len;
            cut = i;
        }
        bytes.truncate(cut);
    }
    (*this)(name, std::uint16_t(bytes.size()));
    out_.append(bytes);
}

void RecordReader::operator()(const char* name, QString& text)
{
    std::uint16_t length = 0;
    const char* before = p_;
    (*this)(name, length);
    const char* src = nullptr;
    if (!failed_ && take(length, src))
        text = cp932::decode(src, length);
    else
        p_ = before;
}

} // namespace tessaro
