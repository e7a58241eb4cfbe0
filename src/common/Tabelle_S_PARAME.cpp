#include "Tabelle_S_PARAME.h"

#include "platform/db/Table.h"

db::TableDef Tabelle_S_PARAME()
{
    using namespace Qt::StringLiterals;
    using enum db::FieldType;
    return {
        .name = u"S_PARAME"_s,
        .fields = {
            {u"ID"_s, AutoInc},

            // Per document family its number proposal, plausibility switch and
            // fixed-field list; families that share them are listed once.
            // export declaration
            {u"VorschlagNr_1_1"_s, Long},
            {u"Plausi_1_1"_s, Logical},
            {u"Memo_1"_s, Memo},
            // the export declaration's second proposal, unused
            {u"VorschlagNr_1_2"_s, Long},
            {u"Plausi_1_2"_s, Logical},
            // import declaration
            {u"VorschlagNr_11"_s, Long},
            {u"Plausi_11"_s, Logical},
            {u"Memo_11"_s, Memo},
            // transit T1/T2
            {u"VorschlagNr_20"_s, Long},
            {u"Plausi_20"_s, Logical},
            {u"Memo_20"_s, Memo},
            // supplementary sheet
            {u"Vorschlag_EinheitZusatz"_s, Long},
            {u"Plausi_EinheitZusatz"_s, Logical},
            {u"Memo_EinheitZusatz"_s, Memo},
            // discharge notice 0243
            {u"VorschlagNr_Abmeldung"_s, Long},
            {u"Plausi_Abmeldung"_s, Logical},
            {u"Memo_Abmeldung"_s, Memo},
            // orders and invoices
            {u"VorschlagNr_8"_s, Long},
            {u"Plausi_8"_s, Logical},
            {u"Memo_8"_s, Memo},
            // forwarding order
            {u"VorschlagNr_9"_s, Long},
            {u"Plausi_9"_s, Logical},
            {u"Memo_9"_s, Memo},
            // packing list
            {u"VorschlagNr_16"_s, Long},
            {u"Plausi_16"_s, Logical},
            {u"Memo_16"_s, Memo},
            // delivery note
            {u"VorschlagNr_25"_s, Long},
            {u"Plausi_25"_s, Logical},
            {u"Memo_25"_s, Memo},
            // logistics record
            {u"VorschlagNr_24"_s, Long},
            {u"Plausi_24"_s, Logical},
            {u"Memo_24"_s, Memo},
            // ATLAS declaration
            {u"Vorschlag_AtlasAE"_s, Long},
            {u"Memo_AtlasAE"_s, Memo},
            // EUR.1, and the summary declaration and two notices
            {u"VorschlagNr_3"_s, Long},
            {u"Plausi_3"_s, Logical},
            {u"Memo_3"_s, Memo},
            // EUR.2
            {u"VorschlagNr_4"_s, Long},
            {u"Plausi_4"_s, Logical},
            {u"Memo_4"_s, Memo},
            // EUR-MED
            {u"Vorschlag_EURMED"_s, Long},
            {u"Memo_EURMED"_s, Memo},
            // A.TR.
            {u"VorschlagNr_13"_s, Long},
            {u"Plausi_13"_s, Logical},
            {u"Memo_13"_s, Memo},
            // certificate of origin
            {u"VorschlagNr_5"_s, Long},
            {u"Plausi_5"_s, Logical},
            {u"Memo_5"_s, Memo},
            // supplier declarations
            {u"Vorschlag_LL"_s, Long},
            {u"Memo_LL"_s, Memo},
            // CMR
            {u"VorschlagNr_10"_s, Long},
            {u"Plausi_10"_s, Logical},
            {u"Memo_10"_s, Memo},
            // IMO
            {u"VorschlagNr_12"_s, Long},
            {u"Plausi_12"_s, Logical},
            {u"Memo_12"_s, Memo},
            // shipper's declaration
            {u"VorschlagNr_21_2"_s, Long},
            {u"Plausi_21_2"_s, Logical},
            {u"Memo_21_2"_s, Memo},
            // international parcel card
            {u"VorschlagNr_15"_s, Long},
            {u"Plausi_15"_s, Logical},
            {u"Memo15_"_s, Memo},
            // domestic parcel card
            {u"VorschlagNr_PacketInland"_s, Long},
            {u"Plausi_PacketInland"_s, Logical},
            {u"Memo_PacketInland"_s, Memo},
            // TNT domestic
            {u"VorschlagNr_171"_s, Long},
            {u"Plausi_171"_s, Logical},
            {u"Memo_171"_s, Memo},
            // TNT worldwide
            {u"VorschlagNr_172"_s, Long},
            {u"Plausi_172"_s, Logical},
            {u"Memo_172"_s, Memo},
            // UPS
            {u"VorschlagNr_22"_s, Long},
            {u"Plausi_22"_s, Logical},
            {u"Memo_22"_s, Memo},
            // DHL
            {u"VorschlagNr_23"_s, Long},
            {u"Plausi_23"_s, Logical},
            {u"Memo_23"_s, Memo},
            // DPD
            {u"VorschlagNr_28"_s, Long},
            {u"Plausi_28"_s, Logical},
            {u"Memo_28"_s, Memo},
            // FedEx
            {u"VorschlagNr_30"_s, Long},
            {u"Plausi_30"_s, Logical},
            {u"Memo_30"_s, Memo},
            // German Parcel
            {u"VorschlagNr_27"_s, Long},
            {u"PLausi_27"_s, Logical},
            {u"Memo_27"_s, Memo},
            // T2L
            {u"Vorschlag_T2L"_s, Long},
            {u"Memo_T2L"_s, Logical},   // Logical all the same
            // T5 control copy
            {u"VorschlagNr_T5"_s, Long},
            {u"Plausi_T5"_s, Logical},
            {u"Memo_T5"_s, Memo},
            // presentation of a consignment
            {u"VorschlagNr_29"_s, Long},
            {u"Plausi_29"_s, Logical},
            {u"Memo_29"_s, Memo},
            // accompanying administrative document
            {u"Vorschlag_BVD"_s, Long},
            {u"Memo_BVD"_s, Memo},
            // collective declaration 0415/0416
            {u"VorschlagNr_7"_s, Long},
            {u"Plausi_7"_s, Logical},
            {u"Memo_7"_s, Memo},
            // supplementary declaration 0512/0514
            {u"VorschlagNr_19"_s, Long},
            {u"Plausi_19"_s, Logical},
            {u"Memo_19"_s, Memo},
            // customs value declaration D.V.1
            {u"VorschlagNr_26"_s, Long},
            {u"Plausi_26"_s, Logical},
            {u"Memo_26"_s, Memo},
            // ATA carnet
            {u"VorschlagNr_14"_s, Long},
            {u"Plausi_14"_s, Logical},
            {u"Memo_14"_s, Memo},
            // Intrastat arrivals; the list serves both directions
            {u"VorschlagNr_2_1"_s, Long},
            {u"Plausi_2_1"_s, Logical},
            {u"Memo_2"_s, Memo},
            // Intrastat dispatches
            {u"VorschlagNr_2_2"_s, Long},
            {u"Plausi_2_2"_s, Logical},
            // no family uses these
            {u"VorschlagNr_6"_s, Long},
            {u"Plausi_6"_s, Logical},
            {u"Memo_6"_s, Memo},
            {u"VorschlagNr_21"_s, Long},
            {u"Plausi_21"_s, Logical},
            {u"Memo_21"_s, Memo},

            // Company header and footer
            {u"Kopf1"_s, Alpha, 70},
            {u"Kopf2"_s, Alpha, 70},
            {u"Kopf3"_s, Alpha, 70},
            {u"Kopf4"_s, Alpha, 100},
            {u"Kopf5"_s, Alpha, 100},
            {u"Fuss1"_s, Alpha, 33},
            {u"Fuss2"_s, Alpha, 33},
            {u"Fuss3"_s, Alpha, 33},
            {u"Fuss4"_s, Alpha, 33},
            {u"Fuss5"_s, Alpha, 33},
            {u"Fuss6"_s, Alpha, 33},
            {u"Fuss7"_s, Alpha, 33},
            {u"Fuss8"_s, Alpha, 33},
            {u"Fuss9"_s, Alpha, 33},
            {u"Fuss10"_s, Alpha, 33},
            {u"Fuss11"_s, Alpha, 33},
            {u"Fuss12"_s, Alpha, 33},
            {u"Fuss13"_s, Alpha, 33},
            {u"Fuss14"_s, Alpha, 33},
            {u"Fuss15"_s, Alpha, 33},
            {u"Fuss16"_s, Alpha, 33},
            {u"Fuss20"_s, Alpha, 120},
            {u"Fuss21"_s, Alpha, 120},
            {u"Fuss22"_s, Alpha, 120},
            {u"Logo"_s, Graphic},
            {u"Ustnr"_s, Alpha, 29},
            {u"Mwst"_s, Number},

            // Languages and the rest
            {u"Sprache1"_s, Alpha, 15},
            {u"Sprache2"_s, Alpha, 15},
            {u"Sprache3"_s, Alpha, 15},
            {u"Sprache4"_s, Alpha, 15},
            {u"Sprache5"_s, Alpha, 15},
            {u"MemoVorabAE"_s, Memo},
            {u"MemoVorabT12"_s, Memo},
            {u"Inta"_s, Long},
            {u"Dateinamen"_s, Alpha, 8},
            {u"Dateinamen2"_s, Alpha, 8},
            {u"Eur1"_s, Alpha, 1},
            {u"UmrechKurs"_s, Alpha, 10},
        },
        .primaryKey = {u"ID"_s},
    };
}

const QStringList &S_PARAME_Sprachen()
{
    static const QStringList sprachen = {
        QStringLiteral("Deutsch"), QStringLiteral("Englisch"), QStringLiteral("Französisch"),
        QStringLiteral("Portugiesisch"), QStringLiteral("Spanisch"),
    };
    return sprachen;
}

bool S_PARAME_SatzSicherstellen(db::Table &parameter)
{
    parameter.first();
    if (!parameter.isEmpty())
        return false;
    parameter.append();
    for (const db::FieldDef &feld : Tabelle_S_PARAME().fields) {
        if (feld.type == db::FieldType::Long && feld.name.startsWith(QLatin1String("Vorschlag")))
            parameter.fieldByName(feld.name).setAsInteger(1);
        else if (feld.type == db::FieldType::Logical && feld.name.startsWith(QLatin1String("Plausi"), Qt::CaseInsensitive))
            parameter.fieldByName(feld.name).setAsBoolean(false);
    }
    for (int i = 0; i < S_PARAME_Sprachen().size(); ++i)
        parameter.fieldByName(QStringLiteral("Sprache%1").arg(i + 1)).setAsString(S_PARAME_Sprachen().at(i));
    parameter.post();
    return true;
}
