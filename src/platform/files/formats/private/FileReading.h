#pragma once

#include <QByteArray>
#include <QString>

class QFile;

namespace files {

// The whole file, opened for reading only and without a lock, so another
// program may keep it open. Throws FileError when it is missing or unreadable.
QByteArray readWholeFile(const QString &path);

// The file's bytes without copying them: mapped where the system allows,
// read otherwise; file (named path) stays open while they are in use.
// Throws FileError like readWholeFile().
QByteArray mappedFile(QFile &file, const QString &path);

// The file beside path with the given extension, whatever the case of its
// name ("Aenderung.txt" finds "AENDERUNG.SCH"); empty when there is none.
QString siblingWithExtension(const QString &path, const QString &extension);

} // namespace files
