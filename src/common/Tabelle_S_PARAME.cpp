#include "Tabelle_S_PARAME.h"

#include "platform/db/Table.h"

const QList<ParameterFamilie> &S_PARAME_Familien()
{
    static const QList<ParameterFamilie> familien = {
        {"VorschlagNr_1_1", "Plausi_1_1", "Memo_1"},              // export declaration
        {"VorschlagNr_1_2", "Plausi_1_2", ""},                   // its second proposal, unused
        {"VorschlagNr_11", "Plausi_11", "Memo_11"},               // import declaration
        {"VorschlagNr_20", "Plausi_20", "Memo_20"},               // transit T1/T2
        {"Vorschlag_EinheitZusatz", "Plausi_EinheitZusatz", "Memo_EinheitZusatz"},
        {"VorschlagNr_Abmeldung", "Plausi_Abmeldung", "Memo_Abmeldung"},
        {"VorschlagNr_8", "Plausi_8", "Memo_8"},                  // orders
        {"VorschlagNr_9", "Plausi_9", "Memo_9"},                  // forwarding order
        {"VorschlagNr_16", "Plausi_16", "Memo_16"},               // packing list
        {"VorschlagNr_25", "Plausi_25", "Memo_25"},               // delivery note
        {"VorschlagNr_24", "Plausi_24", "Memo_24"},               // logistics
        {"Vorschlag_AtlasAE", "", "Memo_AtlasAE"},
        {"VorschlagNr_3", "Plausi_3", "Memo_3"},                  // EUR.1 and three notices
        {"VorschlagNr_4", "Plausi_4", "Memo_4"},                  // EUR.2
        {"Vorschlag_EURMED", "", "Memo_EURMED"},
        {"VorschlagNr_13", "Plausi_13", "Memo_13"},               // A.TR.
        {"VorschlagNr_5", "Plausi_5", "Memo_5"},                  // certificate of origin
        {"Vorschlag_LL", "", "Memo_LL"},                          // supplier declarations
        {"VorschlagNr_10", "Plausi_10", "Memo_10"},               // CMR
        {"VorschlagNr_12", "Plausi_12", "Memo_12"},               // IMO
        {"VorschlagNr_21_2", "Plausi_21_2", "Memo_21_2"},         // shipper's declaration
        {"VorschlagNr_15", "Plausi_15", "Memo15_"},               // international parcel card
        {"VorschlagNr_PacketInland", "Plausi_PacketInland", "Memo_PacketInland"},
        {"VorschlagNr_171", "Plausi_171", "Memo_171"},            // TNT domestic
        {"VorschlagNr_172", "Plausi_172", "Memo_172"},            // TNT worldwide
        {"VorschlagNr_22", "Plausi_22", "Memo_22"},               // UPS
        {"VorschlagNr_23", "Plausi_23", "Memo_23"},               // DHL
        {"VorschlagNr_28", "Plausi_28", "Memo_28"},               // DPD
        {"VorschlagNr_30", "Plausi_30", "Memo_30"},               // FedEx
        {"VorschlagNr_27", "PLausi_27", "Memo_27"},               // German Parcel
        {"Vorschlag_T2L", "", "Memo_T2L"},
        {"VorschlagNr_T5", "Plausi_T5", "Memo_T5"},
        {"VorschlagNr_29", "Plausi_29", "Memo_29"},               // presentation of a consignment
        {"Vorschlag_BVD", "", "Memo_BVD"},
        {"VorschlagNr_7", "Plausi_7", "Memo_7"},                  // 0415/0416
        {"VorschlagNr_19", "Plausi_19", "Memo_19"},               // 0512/0514
        {"VorschlagNr_26", "Plausi_26", "Memo_26"},               // D.V.1
        {"VorschlagNr_14", "Plausi_14", "Memo_14"},               // ATA carnet
        {"VorschlagNr_2_1", "Plausi_2_1", "Memo_2"},              // Intrastat arrivals
        {"VorschlagNr_2_2", "Plausi_2_2", ""},                    // Intrastat dispatches
        {"VorschlagNr_6", "Plausi_6", "Memo_6"},                  // unused
        {"VorschlagNr_21", "Plausi_21", "Memo_21"},               // unused
    };
    return familien;
}

db::TableDef Tabelle_S_PARAME()
{
    using db::FieldType;
    db::TableDef def;
    def.name = QStringLiteral("S_PARAME");
    def.fields << db::FieldDef{QStringLiteral("ID"), FieldType::AutoInc};

    for (const ParameterFamilie &familie : S_PARAME_Familien()) {
        def.fields << db::FieldDef{QLatin1String(familie.vorschlag), FieldType::Long};
        if (*familie.plausi)
            def.fields << db::FieldDef{QLatin1String(familie.plausi), FieldType::Logical};
        if (*familie.memo) {
            const QString memo = QLatin1String(familie.memo);
            def.fields << db::FieldDef{memo, memo == QLatin1String("Memo_T2L") ? FieldType::Logical : FieldType::Memo};
        }
    }

    for (int i = 1; i <= 3; ++i)
        def.fields << db::FieldDef{QStringLiteral("Kopf%1").arg(i), FieldType::Alpha, 70};
    for (int i = 4; i <= 5; ++i)
        def.fields << db::FieldDef{QStringLiteral("Kopf%1").arg(i), FieldType::Alpha, 100};
    for (int i = 1; i <= 16; ++i)
        def.fields << db::FieldDef{QStringLiteral("Fuss%1").arg(i), FieldType::Alpha, 33};
    for (int i = 20; i <= 22; ++i)
        def.fields << db::FieldDef{QStringLiteral("Fuss%1").arg(i), FieldType::Alpha, 120};
    def.fields << db::FieldDef{QStringLiteral("Logo"), FieldType::Graphic}
               << db::FieldDef{QStringLiteral("Ustnr"), FieldType::Alpha, 29}
               << db::FieldDef{QStringLiteral("Mwst"), FieldType::Number};
    for (int i = 1; i <= 5; ++i)
        def.fields << db::FieldDef{QStringLiteral("Sprache%1").arg(i), FieldType::Alpha, 15};
    def.fields << db::FieldDef{QStringLiteral("MemoVorabAE"), FieldType::Memo}
               << db::FieldDef{QStringLiteral("MemoVorabT12"), FieldType::Memo}
               << db::FieldDef{QStringLiteral("Inta"), FieldType::Long}
               << db::FieldDef{QStringLiteral("Dateinamen"), FieldType::Alpha, 8}
               << db::FieldDef{QStringLiteral("Dateinamen2"), FieldType::Alpha, 8}
               << db::FieldDef{QStringLiteral("Eur1"), FieldType::Alpha, 1}
               << db::FieldDef{QStringLiteral("UmrechKurs"), FieldType::Alpha, 10};
    def.primaryKey = {QStringLiteral("ID")};
    return def;
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
    for (const ParameterFamilie &familie : S_PARAME_Familien()) {
        parameter.fieldByName(QLatin1String(familie.vorschlag)).setAsInteger(1);
        if (*familie.plausi)
            parameter.fieldByName(QLatin1String(familie.plausi)).setAsBoolean(false);
    }
    for (int i = 0; i < S_PARAME_Sprachen().size(); ++i)
        parameter.fieldByName(QStringLiteral("Sprache%1").arg(i + 1)).setAsString(S_PARAME_Sprachen().at(i));
    parameter.post();
    return true;
}
