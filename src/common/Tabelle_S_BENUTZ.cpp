#include "Tabelle_S_BENUTZ.h"

db::TableDef Tabelle_S_BENUTZ()
{
    using db::FieldType;
    db::TableDef def;
    def.name = QStringLiteral("S_BENUTZ");
    def.fields = {
        {QStringLiteral("name"), FieldType::Alpha, 25},
        {QStringLiteral("schnittst"), FieldType::Alpha, 64},
        {QStringLiteral("spalte"), FieldType::Long},
        {QStringLiteral("zeile"), FieldType::Long},
        {QStringLiteral("Anzahl_Kopien"), FieldType::Long},
    };
    def.primaryKey = {QStringLiteral("name")};
    return def;
}

const QStringList &S_BENUTZ_Seitenarten()
{
    static const QStringList seitenarten = {
        QStringLiteral("0415"),
        QStringLiteral("0415 - ERGÄNZUNGSBLATT"),
        QStringLiteral("0512-0514"),
        QStringLiteral("0514"),
        QStringLiteral("0516"),
        QStringLiteral("ABMELDUNG"),
        QStringLiteral("ABMELDUNG_ANLAGE"),
        QStringLiteral("ABMELDUNG_POS"),
        QStringLiteral("ATA"),
        QStringLiteral("ATA RÜCKSEITE"),
        QStringLiteral("AUSFUHRANMELDUNG"),
        QStringLiteral("AUSFUHRANMELDUNG - ERGÄNZ"),
        QStringLiteral("Anschreibungsmitteilung"),
        QStringLiteral("Atr"),
        QStringLiteral("CMR"),
        QStringLiteral("DHL - FRACHTBRIEF"),
        QStringLiteral("DPD"),
        QStringLiteral("DV 1 ERGÄNZUNGEN"),
        QStringLiteral("DV 1 RÜCKSEITE"),
        QStringLiteral("DV 1 VORDERSEITE"),
        QStringLiteral("EINFUHRANMELDUNG"),
        QStringLiteral("EINFUHRANMELDUNG - ERGÄNZ"),
        QStringLiteral("EINHEITSPAPIER"),
        QStringLiteral("EINHEITSPAPIER - IMPORT"),
        QStringLiteral("EINHEITSPAPIER - VERSAND"),
        QStringLiteral("EINHEITSPAPIER T2L"),
        QStringLiteral("EPAS - Hauptseite"),
        QStringLiteral("EPAS - Positionen"),
        QStringLiteral("ERGÄNZUNGSBLATT"),
        QStringLiteral("ERGÄNZUNGSBLATT - IMPORT"),
        QStringLiteral("ERGÄNZUNGSBLATT - VERSAND"),
        QStringLiteral("ERGÄNZUNGSBLATT T2L"),
        QStringLiteral("EUR RÜCKSEITE"),
        QStringLiteral("EUR-MED"),
        QStringLiteral("EUR-MED RÜCKSEITE"),
        QStringLiteral("EUR1"),
        QStringLiteral("EUR2"),
        QStringLiteral("FEDEX"),
        QStringLiteral("GERMAN PARCEL"),
        QStringLiteral("GestellungAusfuhrsendung"),
        QStringLiteral("IMO"),
        QStringLiteral("INTRASTAT - EINGANG"),
        QStringLiteral("INTRASTAT - VERSAND"),
        QStringLiteral("LIEFERANTENERKLÄRUNG"),
        QStringLiteral("LIEFERSCHEIN"),
        QStringLiteral("PACKLISTE"),
        QStringLiteral("PAKETKARTE"),
        QStringLiteral("POSTPAKET"),
        QStringLiteral("RECHNUNG"),
        QStringLiteral("Rueckwareneigenschaft"),
        QStringLiteral("SHIPPERS DECLARATION"),
        QStringLiteral("SPEDITIONSAUFTRAG"),
        QStringLiteral("Summarische RÜCKSEITE"),
        QStringLiteral("Summarische Rückseite"),
        QStringLiteral("SummarischeAnmeldung"),
        QStringLiteral("T5"),
        QStringLiteral("T5 - ERGÄNZUNGEN"),
        QStringLiteral("TNT - EXPRESS-INLAND"),
        QStringLiteral("TNT - WORLDWIDE"),
        QStringLiteral("UPS - FRACHTBRIEF"),
        QStringLiteral("URSPRUNG RÜCKSEITE"),
        QStringLiteral("URSPRUNGSZEUGNIS"),
        QStringLiteral("VERSANDANMELDUNG"),
        QStringLiteral("VERSANDANMELDUNG - ERGÄNZ"),
        QStringLiteral("VERWALTUNGSDOKUMENT"),
        QStringLiteral("ZUSATZBL - EINHEITSPAPIER"),
    };
    return seitenarten;
}
