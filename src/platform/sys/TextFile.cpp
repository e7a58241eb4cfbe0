#include "TextFile.h"

#include "Files.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace sys {

namespace {

// One conversion through iconv. Input that the target cannot take is
// replaced through onBadInput, which consumes input and appends output.
class Converter
{
public:
    Converter(const char *to, const char *from) : handle_(iconv_open(to, from))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw FileSystemError(QStringLiteral("Die Zeichenumwandlung %1 -> %2 ist nicht verfügbar.")
                                .arg(QLatin1String(from), QLatin1String(to)), {});
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    template<typename OnBadInput>
    QByteArray run(const QByteArray &input, OnBadInput onBadInput)
    {
        QByteArray output;
        output.reserve(input.size() * 2 + 16);
        char *in = const_cast<char *>(input.constData());
        size_t inLeft = size_t(input.size());
        char buffer[4096];
        while (inLeft > 0) {
            char *out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, int(sizeof buffer - outLeft));
            if (result != size_t(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: a character the target lacks, or a cut-off
            // sequence at the end of the input.
            const size_t used = onBadInput(in, inLeft, output);
            in += used;
            inLeft -= used;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return output;
    }

private:
    iconv_t handle_;
};

// Length of the UTF-8 sequence that starts with this byte.
size_t utf8Length(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

QByteArray withLineEnding(const QString &text, LineEnding lineEnding)
{
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (lineEnding == LineEnding::CrLf)
        normalized.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return normalized.toUtf8();
}

QString joinLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace

QByteArray encodeText(const QString &text, CodePage codePage, int *unmappable)
{
    if (unmappable)
        *unmappable = 0;
    const QByteArray utf8 = text.toUtf8();
    if (codePage == CodePage::Utf8)
        return utf8;
    Converter converter("WINDOWS-1252", "UTF-8");
    return converter.run(utf8, [&](const char *in, size_t left, QByteArray &out) {
        out.append('?');
        if (unmappable)
            ++*unmappable;
        return std::min(left, utf8Length(static_cast<unsigned char>(*in)));
    });
}

QString decodeText(const QByteArray &bytes, CodePage codePage)
{
    if (codePage == CodePage::Utf8)
        return QString::fromUtf8(bytes);
    Converter converter("UTF-8", "WINDOWS-1252");
    // The five bytes Windows-1252 leaves undefined come through as the control
    // characters of the same number, as Windows itself reads them.
    const QByteArray utf8 = converter.run(bytes, [](const char *in, size_t, QByteArray &out) {
        out.append(QString(QChar(static_cast<unsigned char>(*in))).toUtf8());
        return size_t(1);
    });
    return QString::fromUtf8(utf8);
}

QString readTextFile(const QString &path, CodePage codePage)
{
    QString text = decodeText(readFileBytes(path), codePage);
    if (codePage == CodePage::Utf8 && text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QStringList readTextLines(const QString &path, CodePage codePage)
{
    QStringList lines = readTextFile(path, codePage).split(QLatin1Char('\n'));
    // A final line ending does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void writeTextFile(const QString &path, const QString &text, CodePage codePage, LineEnding lineEnding)
{
    const QString withEndings = QString::fromUtf8(withLineEnding(text, lineEnding));
    writeFileBytes(path, encodeText(withEndings, codePage));
}

void writeTextLines(const QString &path, const QStringList &lines, CodePage codePage, LineEnding lineEnding)
{
    writeTextFile(path, joinLines(lines), codePage, lineEnding);
}

void appendTextLines(const QString &path, const QStringList &lines, CodePage codePage, LineEnding lineEnding)
{
    const QByteArray bytes = encodeText(QString::fromUtf8(withLineEnding(joinLines(lines), lineEnding)), codePage);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size() || !file.flush())
        throw FileSystemError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2").arg(path, file.errorString()), path);
}

} // namespace sys
