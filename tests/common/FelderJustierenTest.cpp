#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include "common/Belegart.h"
#include "common/TSR_dbGrid.h"
#include "common/Tabelle_S_FelderJust.h"
#include "common/TfrmFelderJustieren.h"
#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class FelderJustierenTest : public testing::Test
{
protected:
    void SetUp() override
    {
        daten.setPath(ordner.path());
        daten.open();
        daten.createTable(Tabelle_S_FelderJust());
        daten.execute(QStringLiteral("INSERT INTO \"S_FelderJust\" (\"Name\", \"Feld3x\") VALUES ('IMO', 5)"));
        tabelle.open();
    }
    int feld3x()
    {
        return db::Query::scalar(daten, QStringLiteral("SELECT \"Feld3x\" FROM \"S_FelderJust\"")).toInt();
    }
    void tippen(int wert)
    {
        tabelle.edit();
        tabelle.fieldByName(QStringLiteral("Feld3x")).setAsInteger(wert);
    }

    TempFolder ordner;
    db::Database daten{QStringLiteral("FelderJustTest")};
    db::Table tabelle{daten, QStringLiteral("S_FelderJust")};
    db::DataSource quelle{&tabelle};
    ScriptedDialogs dialoge;
};

TEST_F(FelderJustierenTest, ColumnsAreTitledAfterTheFormsFields)
{
    struct Fall
    {
        const char *seite;
        int spalten;
        int spalte;
        const char *titel;
    };
    for (const Fall &fall : {Fall{"IMO", 51, 5, "Empfänger / Spalte"}, Fall{"IMO", 51, 50, "Ort u. Datum / Zeile"},
                             Fall{"SHIPPERS DECLARATION", 49, 11, " / Spalte"},
                             Fall{"SHIPPERS DECLARATION", 49, 48, "Signature / Zeile"}}) {
        SCOPED_TRACE(testing::Message() << fall.seite << " " << fall.spalte);
        TfrmFelderJustieren dialog(seitenartNamens(QString::fromUtf8(fall.seite)), &quelle);
        const auto spalten = dialog.DBGrid1->columns();
        ASSERT_EQ(spalten.size(), fall.spalten);
        EXPECT_EQ(spalten[0].title, "Formularbezeichnung");
        EXPECT_EQ(spalten[fall.spalte].title, QString::fromUtf8(fall.titel));
    }
    // Any other form: the table's own fields.
    TfrmFelderJustieren anderes(seitenartNamens(QStringLiteral("CMR")), &quelle);
    const auto spalten = anderes.DBGrid1->columns();
    ASSERT_EQ(spalten.size(), 51);
    EXPECT_EQ(spalten[5].fieldName, "Feld3x");
    EXPECT_FALSE(spalten[5].title.contains(QLatin1Char('/')));
}

TEST_F(FelderJustierenTest, CancelDiscardsWhatWasTyped)
{
    {
        TfrmFelderJustieren dialog(seitenartNamens(QStringLiteral("IMO")), &quelle);
        dialog.show();
        tippen(15);
        dialog.btnAbbrechen->click();
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(feld3x(), 5);
    EXPECT_EQ(tabelle.state(), db::DatasetState::Browse);
    EXPECT_EQ(tabelle.fieldByName(QStringLiteral("Feld3x")).asInteger(), 5);

    {
        TfrmFelderJustieren dialog(seitenartNamens(QStringLiteral("IMO")), &quelle);
        dialog.show();
        tippen(16);
        dialog.close();
    }
    EXPECT_EQ(feld3x(), 5) << "closing the window is cancelling";

    {
        TfrmFelderJustieren dialog(seitenartNamens(QStringLiteral("IMO")), &quelle);
        dialog.show();
        tippen(17);
        dialog.btnOK->click();
        EXPECT_EQ(dialog.result(), ui::ModalResult::Ok);
    }
    EXPECT_EQ(feld3x(), 17);
}

} // namespace

namespace {

// What the IMO print reads: raising field 3's column by 10 moves only that
// field, 1 mm to the right; a form without a row prints unshifted.
TEST_F(FelderJustierenTest, PrintFormsReadTheOffsetsOfTheirRow)
{
    daten.execute(QStringLiteral("UPDATE \"S_FelderJust\" SET \"Feld3x\" = 15, \"Feld25y\" = -4"));
    const QList<QPoint> imo = S_FelderJust_Versaetze(daten, QStringLiteral("IMO"));
    ASSERT_EQ(imo.size(), 25);
    EXPECT_EQ(imo[2], QPoint(15, 0));
    EXPECT_EQ(imo[24], QPoint(0, -4));
    EXPECT_EQ(imo[0], QPoint(0, 0));

    const QList<QPoint> ohne = S_FelderJust_Versaetze(daten, QStringLiteral("SHIPPERS DECLARATION"));
    ASSERT_EQ(ohne.size(), 25);
    EXPECT_EQ(ohne.count(QPoint(0, 0)), 25);
}

} // namespace
