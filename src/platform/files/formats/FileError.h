#pragma once

#include "platform/db/DatabaseError.h"

#include <QDir>
#include <QString>

namespace files {

// A foreign file that cannot be read or written. The message is German and
// names the file, so the error dialog can show it as it is; it derives from
// DatabaseError so an import that catches store errors also catches this one
// and rolls its transaction back.
class FileError : public db::DatabaseError
{
public:
    FileError(const QString &fileName, const QString &message)
        : db::DatabaseError(message), fileName_(fileName) {}

    QString fileName() const { return fileName_; }

    static FileError corrupt(const QString &fileName, const QString &detail = {})
    {
        QString text = QStringLiteral("Die Datei '%1' ist beschädigt oder hat nicht das erwartete Format.")
                           .arg(displayName(fileName));
        if (!detail.isEmpty())
            text += QStringLiteral("\n") + detail;
        return FileError(fileName, text);
    }

    static FileError notFound(const QString &fileName)
    {
        return FileError(fileName, QStringLiteral("Die Datei '%1' wurde nicht gefunden.")
                                       .arg(displayName(fileName)));
    }

    static FileError cannotRead(const QString &fileName, const QString &reason)
    {
        return FileError(fileName, QStringLiteral("Die Datei '%1' kann nicht gelesen werden: %2")
                                       .arg(displayName(fileName), reason));
    }

    static FileError cannotImport(const QString &fileName, const QString &reason)
    {
        return FileError(fileName, QStringLiteral("Die Datei '%1' kann nicht eingelesen werden: %2")
                                       .arg(displayName(fileName), reason));
    }

    static FileError cannotWrite(const QString &fileName, const QString &reason)
    {
        return FileError(fileName, QStringLiteral("Die Datei '%1' kann nicht geschrieben werden: %2")
                                       .arg(displayName(fileName), reason));
    }

    // A character the file's code page cannot carry; where names the
    // record and field.
    static FileError unencodable(const QString &fileName, QChar character, const QString &where)
    {
        return FileError(fileName, QStringLiteral("Die Datei '%1' kann nicht geschrieben werden: Das Zeichen '%2' "
                                                  "(%3) ist im Zeichensatz der Datei nicht vorhanden.")
                                       .arg(displayName(fileName), QString(character), where));
    }

    // The path as the clerk chose it: there may be files of the same name in
    // several folders.
    static QString displayName(const QString &fileName) { return QDir::toNativeSeparators(fileName); }

private:
    QString fileName_;
};

} // namespace files
