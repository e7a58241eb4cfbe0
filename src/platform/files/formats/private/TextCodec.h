#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace files {

// 8-bit code pages of foreign files. Windows-1252 is the system's own code
// page and converted here directly; the DOS code pages old tables were written
// in go through iconv.
class TextCodec
{
public:
    // An iconv name: "CP1252" (also "WINDOWS-1252"), "CP437", "CP850", "UTF-8".
    explicit TextCodec(const QByteArray &codePage = "CP1252");

    QByteArray codePage() const { return codePage_; }
    bool isUtf8() const { return kind_ == Kind::Utf8; }

    // Bytes the code page does not define come through as the Latin-1
    // character of the same number, so nothing is dropped.
    QString decode(QByteArrayView bytes) const;

    // Returns false (and leaves *badCharacter) when the text holds a
    // character the code page cannot carry.
    bool encode(QStringView text, QByteArray &out, QChar *badCharacter = nullptr) const;

    // The code page of a DOS or Windows code page number (437, 850, 1252);
    // unknown numbers give Windows-1252.
    static QByteArray codePageForNumber(int number);

    // Strips a UTF-8 byte-order mark; returns true when there was one.
    static bool stripUtf8Bom(QByteArray &bytes);

private:
    enum class Kind { Windows1252, Utf8, Iconv };
    QByteArray codePage_;
    Kind kind_;
};

} // namespace files
