#include "Benutzerordner.h"

#include "common/Util.h"

#include "platform/db/BatchMove.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/sys/Files.h"

namespace {

const QString druckEinstellungen = QStringLiteral("S_BENUTZ");

void einstellungenKopieren(const QString &ordner, db::Database &datenbank)
{
    db::Database ziel(QStringLiteral("Razazu"));
    ziel.setPath(ordner);
    ziel.open();
    db::Table vorlage(datenbank, druckEinstellungen);
    vorlage.setReadOnly(true);
    vorlage.open();
    vorlage.first();
    db::batchMove(vorlage, ziel, druckEinstellungen, db::BatchMode::Copy);
}

} // namespace

QString BenutzerOrdner(int userNr)
{
    return ProgrammVerzeichnis() + QStringLiteral("User") + QString::number(userNr);
}

bool BenutzerOrdnerAnlegen(const QString &ordner, db::Database &datenbank)
{
    if (sys::folderExists(ordner))
        return true;
    try {
        sys::ensureFolder(ordner);
        einstellungenKopieren(ordner, datenbank);
    } catch (const std::exception &) {
        return false;
    }
    return true;
}

void BenutzerEinstellungenSicherstellen(const QString &ordner, db::Database &datenbank)
{
    sys::ensureFolder(ordner);
    {
        db::Database ziel(QStringLiteral("Razazu"));
        ziel.setPath(ordner);
        ziel.open();
        if (ziel.tableExists(druckEinstellungen))
            return;
    }
    einstellungenKopieren(ordner, datenbank);
}
