#include "private/TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace files {

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five bytes it leaves undefined.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (windows1252High[i] == c)
            return 0x80 + i;
    }
    // The undefined bytes read as their Latin-1 control character; write
    // them back the same way.
    if (c >= 0x80 && c < 0xA0 && windows1252High[c - 0x80] == 0)
        return c;
    return -1;
}

class Iconv
{
public:
    Iconv(const char *to, const char *from) : handle_(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (valid())
            iconv_close(handle_);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return handle_; }

private:
    iconv_t handle_;
};

} // namespace

TextCodec::TextCodec(const QByteArray &codePage) : codePage_(codePage.toUpper())
{
    if (codePage_ == "UTF-8" || codePage_ == "UTF8")
        kind_ = Kind::Utf8;
    else if (codePage_ == "CP1252" || codePage_ == "WINDOWS-1252")
        kind_ = Kind::Windows1252;
    else {
        Iconv probe("UTF-16LE", codePage_.constData());
        kind_ = probe.valid() ? Kind::Iconv : Kind::Windows1252;
        if (!probe.valid())
            codePage_ = "CP1252";
    }
}

QString TextCodec::decode(QByteArrayView bytes) const
{
    if (kind_ == Kind::Utf8)
        return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    if (kind_ == Kind::Windows1252) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            char16_t c = b;
            if (b >= 0x80 && b < 0xA0 && windows1252High[b - 0x80] != 0)
                c = windows1252High[b - 0x80];
            out[i] = c;
        }
        return text;
    }
    // One byte at a time, so that a byte the code page rejects costs only
    // itself.
    Iconv converter("UTF-16LE", codePage_.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        char in = bytes[i];
        char16_t c = 0;
        char *inPtr = &in;
        size_t inLeft = 1;
        char *outPtr = reinterpret_cast<char *>(&c);
        size_t outLeft = sizeof c;
        if (iconv(converter.handle(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
            c = static_cast<unsigned char>(in);
        out[i] = c;
    }
    return text;
}

bool TextCodec::encode(QStringView text, QByteArray &out, QChar *badCharacter) const
{
    if (kind_ == Kind::Utf8) {
        out = text.toUtf8();
        return true;
    }
    out.resize(text.size());
    char *data = out.data();
    if (kind_ == Kind::Windows1252) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const int b = windows1252Byte(text[i].unicode());
            if (b < 0) {
                if (badCharacter)
                    *badCharacter = text[i];
                return false;
            }
            data[i] = static_cast<char>(b);
        }
        return true;
    }
    Iconv converter(codePage_.constData(), "UTF-16LE");
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        char *inPtr = reinterpret_cast<char *>(&c);
        size_t inLeft = sizeof c;
        char *outPtr = data + i;
        size_t outLeft = 1;
        if (iconv(converter.handle(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            if (badCharacter)
                *badCharacter = text[i];
            return false;
        }
    }
    return true;
}

QByteArray TextCodec::codePageForNumber(int number)
{
    switch (number) {
    case 437: return "CP437";
    case 850: return "CP850";
    case 852: return "CP852";
    case 865: return "CP865";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 65001: return "UTF-8";
    default: return "CP1252";
    }
}

bool TextCodec::stripUtf8Bom(QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
        return true;
    }
    return false;
}

} // namespace files
