#include "common/Parameter.h"
#include "common/Tabelle_S_BEARB.h"
#include "common/Tabelle_S_BENUTZ.h"
#include "common/Tabelle_S_PARAME.h"
#include "common/Tabellen.h"

#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Schema.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "support/ModalForms.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSet>
#include <gtest/gtest.h>

namespace {

void tippen(QWidget *ziel, const QString &text)
{
    for (QChar zeichen : text) {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(zeichen));
        QApplication::sendEvent(ziel, &druck);
    }
}

// A data store with this folder's tables and the parameter record.
struct Datenbestand
{
    TempFolder ordner;
    db::Database daten{QStringLiteral("Z_Tavero")};

    Datenbestand()
    {
        common::tabellenAnmelden();
        common::tabellenAnmelden();   // twice: harmless
        daten.setPath(ordner.path());
        daten.open();
        daten.createMissingTables();
    }
};

TEST(S_PARAME, EveryFamilyFieldIsDeclaredOnceWithItsOddSpellingsKept)
{
    const db::TableDef def = Tabelle_S_PARAME();
    QSet<QString> namen;
    for (const db::FieldDef &feld : def.fields)
        EXPECT_FALSE(namen.contains(feld.name.toLower())) << feld.name.toStdString();
    for (const db::FieldDef &feld : def.fields)
        namen.insert(feld.name.toLower());

    struct Erwartet
    {
        const char *name;
        db::FieldType typ;
    };
    for (const Erwartet &feld : {Erwartet{"VorschlagNr_1_1", db::FieldType::Long},
                                 Erwartet{"Plausi_1_1", db::FieldType::Logical},
                                 Erwartet{"Memo_1", db::FieldType::Memo},
                                 Erwartet{"Memo15_", db::FieldType::Memo},
                                 Erwartet{"PLausi_27", db::FieldType::Logical},
                                 Erwartet{"Memo_T2L", db::FieldType::Logical},
                                 Erwartet{"Vorschlag_AtlasAE", db::FieldType::Long},
                                 Erwartet{"Memo_2", db::FieldType::Memo},
                                 Erwartet{"Mwst", db::FieldType::Number},
                                 Erwartet{"Logo", db::FieldType::Graphic},
                                 Erwartet{"Sprache5", db::FieldType::Alpha},
                                 Erwartet{"ID", db::FieldType::AutoInc}}) {
        const int index = def.fieldIndex(QLatin1String(feld.name));
        ASSERT_GE(index, 0) << feld.name;
        EXPECT_EQ(def.fields[index].name, QLatin1String(feld.name));
        EXPECT_EQ(def.fields[index].type, feld.typ) << feld.name;
    }
    for (const char *fehlt : {"Plausi_AtlasAE", "Plausi_T2L", "Plausi_BVD", "Plausi_EURMED", "Plausi_LL", "Memo_2_2"})
        EXPECT_LT(def.fieldIndex(QLatin1String(fehlt)), 0) << fehlt;
}

TEST(S_PARAME, ANewStoreGetsTheTablesAndOneParameterRecord)
{
    Datenbestand bestand;
    for (const char *tabelle : {"S_PARAME", "S_BEARB", "S_SPRACH", "S_BENUTZ"})
        EXPECT_TRUE(bestand.daten.tableExists(QLatin1String(tabelle))) << tabelle;
    EXPECT_EQ(db::Schema::find(QStringLiteral("s_benutz.db"))->fields[1].size, 64);

    db::Table parameter(bestand.daten, QStringLiteral("S_PARAME.DB"));
    parameter.open();
    EXPECT_TRUE(S_PARAME_SatzSicherstellen(parameter));
    EXPECT_FALSE(S_PARAME_SatzSicherstellen(parameter));
    EXPECT_EQ(parameter.recordCount(), 1);
    EXPECT_EQ(parameter[QStringLiteral("Sprache4")].asString(), QStringLiteral("Portugiesisch"));
    // Every proposal at 1 and every switch off, odd spellings included; other
    // numbers and switches stay empty.
    for (const char *vorschlag : {"VorschlagNr_1_1", "VorschlagNr_1_2", "Vorschlag_T2L", "VorschlagNr_21"})
        EXPECT_EQ(parameter[QLatin1String(vorschlag)].asInteger(), 1) << vorschlag;
    for (const char *schalter : {"Plausi_1_1", "PLausi_27", "Plausi_2_2"}) {
        EXPECT_FALSE(parameter[QLatin1String(schalter)].isNull()) << schalter;
        EXPECT_FALSE(parameter[QLatin1String(schalter)].asBoolean()) << schalter;
    }
    for (const char *leer : {"Memo_T2L", "Inta"})
        EXPECT_TRUE(parameter[QLatin1String(leer)].isNull()) << leer;
}

TEST(TfrmParameter, OkPostsAndAnyOtherEndCancelsWhatWasTyped)
{
    Datenbestand bestand;
    db::Table parameter(bestand.daten, QStringLiteral("S_PARAME.DB"));
    parameter.open();
    S_PARAME_SatzSicherstellen(parameter);
    db::DataSource quelle(&parameter);

    struct Fall
    {
        int ergebnis;
        int erwartet;
    };
    for (const Fall &fall : {Fall{ui::ModalResult::Cancel, 1}, Fall{ui::ModalResult::Ok, 4711}}) {
        ModalForms formulare;
        bool schalterSichtbar = false;
        formulare.whenShown<TfrmParameter>([&](TfrmParameter &dialog) {
            schalterSichtbar = dialog.DBCheckBox1->isVisible();
            dialog.DBEdit1->setFocus();
            dialog.DBEdit1->selectAll();
            tippen(dialog.DBEdit1, QStringLiteral("4711"));
            dialog.DBCheckBox1->click();
            dialog.setModalResult(fall.ergebnis);
        });
        EXPECT_EQ(ParameterBearbeiten(parameter, quelle, QStringLiteral("VorschlagNr_10"), QStringLiteral("Plausi_10")),
                  fall.ergebnis == ui::ModalResult::Ok);
        EXPECT_TRUE(schalterSichtbar);
        EXPECT_EQ(parameter.state(), db::DatasetState::Browse);
        parameter.refresh();
        EXPECT_EQ(parameter[QStringLiteral("VorschlagNr_10")].asInteger(), fall.erwartet);
        EXPECT_EQ(parameter[QStringLiteral("Plausi_10")].asBoolean(), fall.ergebnis == ui::ModalResult::Ok);
    }

    // A family without a switch: the box is hidden.
    ModalForms formulare;
    formulare.whenShown<TfrmParameter>([](TfrmParameter &dialog) {
        EXPECT_FALSE(dialog.DBCheckBox1->isVisible());
        dialog.setModalResult(ui::ModalResult::Cancel);
    });
    ParameterBearbeiten(parameter, quelle, QStringLiteral("Vorschlag_T2L"), QString());
}

} // namespace
