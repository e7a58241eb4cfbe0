#include "Einrichtung.h"

#include "Benutzerordner.h"
#include "Tabellen.h"

#include "common/Tabelle_S_BEARB.h"
#include "common/Tabelle_S_BENUTZ.h"
#include "common/Tabelle_S_PARAME.h"
#include "sad_export/Ausfuhranmeldung.h"

#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/sys/Files.h"
#include "platform/sys/IniFile.h"

namespace {

void datenbestandAnlegen(db::Database &daten)
{
    db::Transaction transaktion(daten);
    daten.createMissingTables();

    db::Table parameter(daten, QStringLiteral("S_PARAME"));
    parameter.open();
    S_PARAME_SatzSicherstellen(parameter);

    db::Table sprachen(daten, QStringLiteral("S_SPRACH"));
    sprachen.open();
    const QStringList kuerzel = {QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("p"),
                                 QStringLiteral("s")};
    for (int i = 0; i < kuerzel.size(); ++i) {
        sprachen.append();
        sprachen.fieldByName(QStringLiteral("Skz")).setAsString(kuerzel.at(i));
        sprachen.fieldByName(QStringLiteral("Sprache")).setAsString(S_PARAME_Sprachen().at(i));
        sprachen.post();
    }

    db::Table druck(daten, QStringLiteral("S_BENUTZ"));
    druck.open();
    for (const QString &seitenart : S_BENUTZ_Seitenarten()) {
        druck.append();
        druck.fieldByName(QStringLiteral("name")).setAsString(seitenart);
        druck.fieldByName(QStringLiteral("schnittst")).setAsString(QStringLiteral("-1"));
        druck.fieldByName(QStringLiteral("spalte")).setAsInteger(0);
        druck.fieldByName(QStringLiteral("zeile")).setAsInteger(0);
        druck.fieldByName(QStringLiteral("Anzahl_Kopien")).setAsInteger(1);
        druck.post();
    }

    db::Table benutzer(daten, QStringLiteral("S_BEARB"));
    benutzer.open();
    benutzer.append();
    benutzer.fieldByName(QStringLiteral("Kurzname")).setAsString(FunktionSystemverwalter);
    benutzer.fieldByName(QStringLiteral("Funktion")).setAsString(FunktionSystemverwalter);
    benutzer.fieldByName(QStringLiteral("UserNr")).setAsInteger(1);
    benutzer.post();

    transaktion.commit();
}

} // namespace

Einrichtung InstallationEinrichten(const QString &programmOrdner)
{
    const QString ordner = sys::withTrailingSeparator(programmOrdner);
    const QString iniDatei = ordner + QStringLiteral("Razazu.ini");
    if (sys::fileExists(iniDatei)) {
        VorablistenAEAnlegen(ordner);
        return Einrichtung::Vorhanden;
    }

    sys::ensureFolder(ordner);
    VorablistenAEAnlegen(ordner);
    const QString datenOrdner = ordner + QStringLiteral("Daten");
    sys::ensureFolder(datenOrdner);
    alleTabellenAnmelden();

    db::Database daten(QStringLiteral("Z_Tavero"));
    daten.setPath(datenOrdner);
    daten.open();
    if (!daten.tableExists(QStringLiteral("Rechnung"))) {
        datenbestandAnlegen(daten);
        const QString verwalterOrdner = ordner + QStringLiteral("User1");
        if (!BenutzerOrdnerAnlegen(verwalterOrdner, daten))
            throw sys::FileSystemError(QStringLiteral("Der Benutzerordner %1 konnte nicht angelegt werden.").arg(verwalterOrdner),
                                 verwalterOrdner);
    }
    daten.close();

    sys::IniFile ini(iniDatei, QStringLiteral("Kandrel Razazu"));
    if (!ini.writeString(QStringLiteral("DatenBankPfad"), datenOrdner)
        || !ini.writeString(QStringLiteral("ProgrammPfad"), ordner))
        throw sys::FileSystemError(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.").arg(iniDatei), iniDatei);
    return Einrichtung::Eingerichtet;
}
