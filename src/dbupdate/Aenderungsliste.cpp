#include "Aenderungsliste.h"

#include "platform/db/Table.h"
#include "platform/files/formats/TextTable.h"
#include "platform/sys/Files.h"

#include <QFileInfo>

namespace dbupdate {

const char *const standardSchemaAenderung =
    "[Aenderung]\r\n"
    "FILETYPE=VARYING\r\n"
    "CHARSET=ANSIINTL\r\n"
    "DELIMITER=\"\r\n"
    "SEPARATOR=,\r\n"
    "Field1=LfdNr,LONGINT,11,00,00\r\n"
    "Field2=Aktion,CHAR,1,00,00\r\n"
    "Field3=FeldName,CHAR,50,00,00\r\n"
    "Field4=Laenge,LONGINT,11,00,00\r\n"
    "Field5=Typ,LONGINT,11,00,00\r\n"
    "Field6=Tabelle,CHAR,30,00,00\r\n"
    "Field7=Index,NUMBER,6,00,00\r\n";

std::unique_ptr<files::ForeignTable> AenderungslisteOeffnen(const QString &programmVerzeichnis)
{
    const QString name = QStringLiteral("Aenderung.txt");
    const QString pfad = sys::findFileIgnoringCase(programmVerzeichnis, name)
                             .value_or(sys::joinPath(programmVerzeichnis, name));
    if (!sys::fileExists(pfad))
        throw files::FileError::notFound(pfad);

    std::unique_ptr<files::ForeignTable> liste;
    const QFileInfo info(pfad);
    if (sys::findFileIgnoringCase(info.path(), info.completeBaseName() + QStringLiteral(".sch"))) {
        files::OpenOptions options;
        options.format = files::FileFormat::TextTable;
        liste = files::openForeignTable(pfad, options);
    } else {
        QByteArray inhalt;
        try {
            inhalt = sys::readFileBytes(pfad);
        } catch (const sys::FileSystemError &error) {
            throw files::FileError::cannotRead(pfad, error.message());
        }
        const files::TextSchema schema = files::TextSchema::parse(standardSchemaAenderung, pfad);
        liste = files::foreignTableOf(files::readTextTable(inhalt, schema, pfad), pfad);
    }

    for (const char *feld : {"FeldName", "Laenge", "Typ", "Tabelle"}) {
        if (!liste->table().findField(QLatin1String(feld)))
            throw files::FileError::corrupt(pfad, QStringLiteral("Das Feld %1 fehlt.").arg(QLatin1String(feld)));
    }
    return liste;
}

} // namespace dbupdate
