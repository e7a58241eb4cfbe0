#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sys {

// The code pages of the files the program reads and writes. Files that leave
// the system (statistics office, spreadsheets, old import files) are
// Windows-1252; the program's own new files are UTF-8.
enum class CodePage { Windows1252, Utf8 };

enum class LineEnding { CrLf, Lf };

// Characters that have no place in the code page become '?', one byte for
// one character, so fixed-width lines keep their width. unmappable (when
// given) receives how many were replaced.
QByteArray encodeText(const QString &text, CodePage codePage, int *unmappable = nullptr);
QString decodeText(const QByteArray &bytes, CodePage codePage);

// The whole file as text; CR LF, CR and LF all end a line and come back as
// "\n". FileSystemError when it cannot be read.
QString readTextFile(const QString &path, CodePage codePage);
QStringList readTextLines(const QString &path, CodePage codePage);

// Writes the text with the given line ending; "\n" in the text marks the
// lines. The file is replaced only when everything was written (FileSystemError
// otherwise, and the old file stays).
void writeTextFile(const QString &path, const QString &text, CodePage codePage,
                   LineEnding lineEnding = LineEnding::CrLf);
// Each line followed by the line ending.
void writeTextLines(const QString &path, const QStringList &lines, CodePage codePage,
                    LineEnding lineEnding = LineEnding::CrLf);
// Appends lines (a report that grows while work runs); creates the file when
// missing. FileSystemError when it cannot be written.
void appendTextLines(const QString &path, const QStringList &lines, CodePage codePage,
                     LineEnding lineEnding = LineEnding::CrLf);

} // namespace sys
