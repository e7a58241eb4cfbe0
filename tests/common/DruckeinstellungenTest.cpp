#include "RegisterTestbasis.h"
#include "support/RecordingWeitergabe.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include "common/Druckeinstellungen.h"
#include "common/Tabelle_S_BENUTZ.h"
#include "common/Tabelle_S_FelderJust.h"
#include "common/Tabelle_S_PARAME.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmDrucker.h"
#include "common/TfrmFelderJustieren.h"
#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/print/PrintJob.h"
#include "platform/print/RecordingBackend.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/StatusBar.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

Belegart::Druck seiten(const QStringList &namen)
{
    Belegart::Druck druck;
    for (const QString &name : namen)
        druck.seitenarten << Seitenart{name};
    return druck;
}

// Three installed printers; the print settings of one user and the data
// directory in temporary folders.
class DruckeinstellungenTest : public testing::Test
{
protected:
    void SetUp() override
    {
        vorherigeListe = setDruckerListeQuelle([] {
            return print::PrinterList{{QStringLiteral("Laser"), QStringLiteral("Nadel"), QStringLiteral("Farbe")},
                                      QStringLiteral("Laser")};
        });
        vorherigerAnschluss = setDruckerAnschluss([this](const QString &drucker) {
            benutzteDrucker << drucker;
            return std::make_unique<RecordingWeitergabe>(aufnahme);
        });
        benutzer.setPath(benutzerOrdner.path());
        benutzer.open();
        benutzer.createTable(Tabelle_S_BENUTZ());
        daten.setPath(datenOrdner.path());
        daten.open();
        daten.createTable(Tabelle_S_FelderJust());
    }
    void TearDown() override
    {
        setDruckerListeQuelle(vorherigeListe);
        setDruckerAnschluss(vorherigerAnschluss);
    }

    void zeile(const QString &name, const QString &drucker, int spalte = 0, int zeile = 0, int kopien = 1)
    {
        benutzer.execute(QStringLiteral("INSERT INTO \"S_BENUTZ\" VALUES (?, ?, ?, ?, ?)"),
                         {name, drucker.isNull() ? QVariant() : QVariant(drucker), spalte, zeile, kopien});
    }
    // The data directory the print forms reach through the main database;
    // the test closes it again.
    db::Database &hauptdatenbank()
    {
        db::Database &haupt = db::Database::alias(QStringLiteral("Z_Tavero"));
        haupt.setPath(datenOrdner.path());
        haupt.open();
        haupt.createTable(Tabelle_S_FelderJust());
        return haupt;
    }
    QString gespeichert(const QString &name)
    {
        return db::Query::scalar(benutzer, QStringLiteral("SELECT \"schnittst\" FROM \"S_BENUTZ\" WHERE \"name\" = ?"),
                                 {name})
            .toString();
    }

    DruckerListeQuelle vorherigeListe;
    DruckerAnschluss vorherigerAnschluss;
    print::RecordingBackend aufnahme;
    QStringList benutzteDrucker;
    TempFolder benutzerOrdner;
    TempFolder datenOrdner;
    db::Database benutzer{QStringLiteral("DruckTestBenutzer")};
    db::Database daten{QStringLiteral("DruckTestDaten")};
};

// No printer chosen: an empty entry, the old "-1" and "LPT1", a printer
// that is no longer installed, or no row at all.
TEST_F(DruckeinstellungenTest, WithoutAPrinterTheClerkIsAskedAndTheChoiceStored)
{
    const QList<QVariant> eintraege = {QString(), QStringLiteral("-1"), QStringLiteral("lpt1"),
                                       QStringLiteral("Alter Drucker"), QStringLiteral("2"), QVariant()};
    for (const QVariant &eintrag : eintraege) {
        SCOPED_TRACE(eintrag.isValid() ? eintrag.toString().toStdString() : std::string("keine Zeile"));
        benutzer.execute(QStringLiteral("DELETE FROM \"S_BENUTZ\""));
        if (eintrag.isValid())
            zeile(QStringLiteral("CMR"), eintrag.toString());
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Es wurde kein Drucker ausgewählt!"), ui::ModalResult::Ok)
            .answerPrinterSetup(QStringLiteral("Nadel"));
        Druckeinstellungen einstellungen(seiten({QStringLiteral("CMR")}), benutzer);
        EXPECT_TRUE(einstellungen.oeffnen());
        EXPECT_EQ(gespeichert(QStringLiteral("CMR")), "Nadel");
        EXPECT_EQ(einstellungen.statusText(), "Drucker: Nadel");
    }
}

TEST_F(DruckeinstellungenTest, AnInstalledPrinterIsTakenWithoutAQuestion)
{
    zeile(QStringLiteral("CMR"), QStringLiteral("nadel"), 10, 20, 2);
    ScriptedDialogs dialoge;
    Druckeinstellungen einstellungen(seiten({QStringLiteral("CMR")}), benutzer);
    EXPECT_TRUE(einstellungen.oeffnen());
    EXPECT_EQ(einstellungen.statusText(), "Drucker: Nadel");
    const SeitenEinstellung seite = einstellungen.einstellung();
    EXPECT_EQ(seite.spalte, 10);
    EXPECT_EQ(seite.zeile, 20);
    EXPECT_EQ(seite.kopien, 2);
    EXPECT_TRUE(dialoge.shown().empty());
}

TEST_F(DruckeinstellungenTest, CancellingTheSetUpKeepsTheDefaultPrinter)
{
    zeile(QStringLiteral("CMR"), QStringLiteral("-1"));
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Es wurde kein Drucker ausgewählt!"), ui::ModalResult::Ok)
        .answerPrinterSetup(std::nullopt);
    Druckeinstellungen einstellungen(seiten({QStringLiteral("CMR")}), benutzer);
    EXPECT_TRUE(einstellungen.oeffnen());
    EXPECT_EQ(gespeichert(QStringLiteral("CMR")), "Laser");
}

TEST_F(DruckeinstellungenTest, PrintsEachCopyAsAJobShiftedByTheOffsets)
{
    zeile(QStringLiteral("CMR"), QStringLiteral("Farbe"), 10, 10, 2);
    zeile(QStringLiteral("CMR - RÜCKSEITE"), QStringLiteral("Farbe"), 0, 0, 0);
    ScriptedDialogs dialoge;
    Druckeinstellungen einstellungen(seiten({QStringLiteral("CMR"), QStringLiteral("CMR - RÜCKSEITE")}), benutzer);
    ASSERT_TRUE(einstellungen.oeffnen());

    const int kopien = einstellungen.drucken(QStringLiteral("CMR"), QStringLiteral("CMR 4711"), [](print::PrintJob &job) {
        job.canvas().textOut(500, 300, QStringLiteral("Absender"));
    });
    EXPECT_EQ(kopien, 2);
    ASSERT_EQ(aufnahme.jobs().size(), 2);
    for (const auto &job : aufnahme.jobs()) {
        EXPECT_EQ(job.title, "Razazu / Versand: CMR 4711");
        EXPECT_TRUE(job.ended);
    }
    EXPECT_EQ(benutzteDrucker, QStringList({"Farbe", "Farbe"}));
    const auto text = aufnahme.findText(QStringLiteral("Absender"));
    ASSERT_TRUE(text);
    // A larger spalte moves the print left, a larger zeile down: 1 mm each.
    EXPECT_EQ(text->device, QPoint(490, 310));

    EXPECT_EQ(einstellungen.drucken(QStringLiteral("CMR - RÜCKSEITE"), QStringLiteral("CMR 4711"),
                                    [](print::PrintJob &) { FAIL() << "0 copies print nothing"; }),
              0);
    EXPECT_EQ(aufnahme.jobs().size(), 2);
}

TEST_F(DruckeinstellungenTest, APrinterThatVanishedIsAskedForAgainAtPrintTime)
{
    zeile(QStringLiteral("CMR"), QStringLiteral("Nadel"));
    Druckeinstellungen einstellungen(seiten({QStringLiteral("CMR")}), benutzer);
    ASSERT_TRUE(einstellungen.oeffnen());
    benutzer.execute(QStringLiteral("UPDATE \"S_BENUTZ\" SET \"schnittst\" = 'Weg'"));
    einstellungen.tabelle().refresh();

    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Es wurde kein Drucker ausgewählt!"), ui::ModalResult::Ok)
        .answerPrinterSetup(QStringLiteral("Farbe"));
    EXPECT_EQ(einstellungen.drucken(QStringLiteral("CMR"), QStringLiteral("CMR 1"), [](print::PrintJob &) {}), 1);
    EXPECT_EQ(benutzteDrucker, QStringList({"Farbe"}));
}

TEST_F(DruckeinstellungenTest, EditorShowsEachRowsPrinter)
{
    const print::PrinterList drucker{{QStringLiteral("Laser"), QStringLiteral("Nadel")}, QStringLiteral("Laser")};
    struct Fall
    {
        const char *gespeichert;
        const char *text;
    };
    for (const Fall &fall : {Fall{"-1", "Kein Drucker zugeordnet"}, Fall{"", "Kein Drucker zugeordnet"},
                             Fall{"LPT1", "Kein Drucker zugeordnet"}, Fall{"nadel", "Nadel"},
                             Fall{"Weg", "Druckerzuordnung fehlerhaft!"}, Fall{"2", "Druckerzuordnung fehlerhaft!"}}) {
        SCOPED_TRACE(fall.gespeichert);
        EXPECT_EQ(TfrmDrucker::druckerText(QString::fromUtf8(fall.gespeichert), drucker), QString::fromUtf8(fall.text));
    }
}

TEST_F(DruckeinstellungenTest, EditorCountsTheRowsOfItsPageKinds)
{
    zeile(QStringLiteral("CMR"), QStringLiteral("Nadel"));
    zeile(QStringLiteral("CMR2"), QStringLiteral("Weg"));
    zeile(QStringLiteral("Cmr3"), QStringLiteral("LPT1"));
    zeile(QStringLiteral("IMO"), QStringLiteral("Laser"));
    zeile(QStringLiteral("EUR1"), QStringLiteral("Fort"));

    struct Fall
    {
        const char *praefix;
        const char *texte[3];
    };
    const Fall faelle[] = {
        {"CMR*",
         {" 1 Drucker zugeordnet", " 1 Drucker nicht zugeordnet", " 1 Druckerzuordnung Falsch!"}},
        {"",
         {" 2 Drucker zugeordnet", " 1 Drucker nicht zugeordnet", " 2 Druckerzuordnungen Falsch!"}},
        {"IMO",
         {" 1 Drucker zugeordnet", " 0 Drucker nicht zugeordnet", " 0 Druckerzuordnungen Falsch!"}},
    };
    ScriptedDialogs dialoge;
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.praefix);
        TfrmDrucker editor(benutzer, daten);
        editor.nurSeitenarten(QString::fromUtf8(fall.praefix));
        editor.show();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(editor.StatusBar1->panelText(i), QString::fromUtf8(fall.texte[i]));
        editor.BitBtn1->click();
    }
    // Opening the editor stored the old "LPT1" as no printer.
    EXPECT_EQ(gespeichert(QStringLiteral("Cmr3")), "-1");
}

TEST_F(DruckeinstellungenTest, EditorDoubleClickAssignsAPrinter)
{
    zeile(QStringLiteral("CMR"), QStringLiteral("-1"));
    ScriptedDialogs dialoge;
    TfrmDrucker editor(benutzer, daten);
    editor.show();
    dialoge.answerPrinterSetup(QStringLiteral("Nadel")).answerPrinterSetup(std::nullopt);
    editor.druckerZuordnen();
    EXPECT_EQ(gespeichert(QStringLiteral("CMR")), "Nadel");
    EXPECT_EQ(editor.StatusBar1->panelText(0), " 1 Drucker zugeordnet");
    editor.druckerZuordnen();
    EXPECT_EQ(gespeichert(QStringLiteral("CMR")), "Nadel") << "cancelling changes nothing";
}

TEST_F(DruckeinstellungenTest, FieldAdjustmentOnlyForFormsThatHaveIt)
{
    zeile(QStringLiteral("CMR"), QStringLiteral("-1"));
    zeile(QStringLiteral("IMO"), QStringLiteral("-1"));
    daten.execute(QStringLiteral("INSERT INTO \"S_FelderJust\" (\"Name\") VALUES ('IMO')"));
    ScriptedDialogs dialoge;
    TfrmDrucker editor(benutzer, daten);
    editor.show();
    editor.Table1->findKey({QStringLiteral("CMR")});
    EXPECT_FALSE(editor.btnFelderJustieren->isVisible());
    editor.Table1->findKey({QStringLiteral("IMO")});
    EXPECT_TRUE(editor.btnFelderJustieren->isVisible());

    int spalten = 0;
    int zeilen = 0;
    wennModal([&](QWidget *fenster) {
        if (auto *dialog = qobject_cast<TfrmFelderJustieren *>(fenster)) {
            spalten = int(dialog->DBGrid1->columns().size());
            zeilen = editor.Table2->recordCount();
        }
        fenster->close();
    });
    editor.btnFelderJustieren->click();
    EXPECT_EQ(spalten, 51) << "titled for the IMO";
    EXPECT_EQ(zeilen, 1) << "only the IMO row";
    EXPECT_FALSE(editor.Table2->filtered());
}

// The Intrastat print's "... parameter einstellen" also edits the distance
// of the Intrastat lines in the parameter record: kept with OK only.
TEST_F(DruckeinstellungenTest, IntrastatLineDistanceIsKeptWithOkOnly)
{
    zeile(QStringLiteral("INTRASTAT - VERSAND"), QStringLiteral("Laser"));
    zeile(QStringLiteral("CMR"), QStringLiteral("Laser"));
    db::Database &haupt = hauptdatenbank();
    haupt.createTable(Tabelle_S_PARAME());
    haupt.execute(QStringLiteral("INSERT INTO \"S_PARAME\" (\"ID\", \"Inta\") VALUES (1, 5)"));
    {
        db::Table parameter(haupt, QStringLiteral("S_PARAME"));
        db::DataSource quelle(&parameter);
        parameter.open();
        Belegart::Druck intrastat = seiten({QStringLiteral("INTRASTAT - VERSAND")});
        intrastat.positionsabstand = true;
        Druckeinstellungen einstellungen(intrastat, benutzer, &quelle);
        ScriptedDialogs dialoge;
        for (const auto &[ok, erwartet] : {std::pair{false, 5}, std::pair{true, 8}}) {
            SCOPED_TRACE(ok);
            wennModal([&, ok = ok](QWidget *fenster) {
                auto *editor = qobject_cast<TfrmDrucker *>(fenster);
                if (!editor) {
                    ADD_FAILURE() << "no print-settings editor";
                    fenster->close();
                    return;
                }
                EXPECT_TRUE(editor->DBEdit1->isVisibleTo(editor));
                EXPECT_EQ(editor->height(), 260);
                EXPECT_EQ(editor->Table1->recordCount(), 1) << "only the Intrastat page kinds";
                if (db::Field *abstand = editor->DBEdit1->field())
                    abstand->setAsInteger(8);
                else
                    ADD_FAILURE() << "the line distance is not bound";
                if (ok)
                    editor->BitBtn1->click();
                else
                    editor->close();
            });
            einstellungen.parameterEinstellen(QStringLiteral("INTRASTAT"));
            EXPECT_EQ(parameter.state(), db::DatasetState::Browse);
            EXPECT_EQ(db::Query::scalar(haupt, QStringLiteral("SELECT \"Inta\" FROM \"S_PARAME\"")).toInt(), erwartet);
        }

        // Another family's print leaves the parameter record alone.
        Druckeinstellungen cmr(seiten({QStringLiteral("CMR")}), benutzer, &quelle);
        wennModal([&](QWidget *fenster) {
            if (auto *editor = qobject_cast<TfrmDrucker *>(fenster)) {
                EXPECT_FALSE(editor->DBEdit1->isVisibleTo(editor));
                EXPECT_EQ(parameter.state(), db::DatasetState::Browse);
            }
            fenster->close();
        });
        cmr.parameterEinstellen(QStringLiteral("CMR"));
    }
    haupt.close();
}

// A family whose print creates no missing rows: no question, no row, no print.
TEST_F(DruckeinstellungenTest, AMissingRowIsCreatedOnlyWhereTheFamilySaysSo)
{
    zeile(QStringLiteral("EUR RÜCKSEITE"), QStringLiteral("Laser"));
    Belegart::Druck eur1 = seiten({QStringLiteral("EUR1"), QStringLiteral("EUR RÜCKSEITE")});
    eur1.zeilenAnlegen = false;
    ScriptedDialogs dialoge;
    Druckeinstellungen einstellungen(eur1, benutzer);
    EXPECT_FALSE(einstellungen.oeffnen());
    EXPECT_EQ(einstellungen.drucken(QStringLiteral("EUR1"), QStringLiteral("EUR.1 1"),
                                    [](print::PrintJob &) { FAIL() << "a page kind without its row prints nothing"; }),
              0);
    EXPECT_EQ(einstellungen.drucken(QStringLiteral("EUR RÜCKSEITE"), QStringLiteral("EUR.1 1"), [](print::PrintJob &) {}),
              1);
    EXPECT_TRUE(dialoge.shown().empty());
    EXPECT_EQ(db::Query::scalar(benutzer, QStringLiteral("SELECT COUNT(*) FROM \"S_BENUTZ\"")).toInt(), 1);
}

TEST_F(DruckeinstellungenTest, PrinterMenuSetsUpThePrinterAndOpensTheEditorOnItsPageKinds)
{
    zeile(QStringLiteral("CMR"), QStringLiteral("Laser"));
    zeile(QStringLiteral("CMR - RÜCKSEITE"), QStringLiteral("Laser"));
    zeile(QStringLiteral("IMO"), QStringLiteral("Laser"));
    db::Database &haupt = hauptdatenbank();
    {
        Druckeinstellungen einstellungen(seiten({QStringLiteral("CMR")}), benutzer);
        ASSERT_TRUE(einstellungen.oeffnen());
        QMenu menue;
        QStringList angezeigt;
        einstellungen.druckerMenueFuellen(&menue, QStringLiteral("CMR"),
                                          [&] { angezeigt << einstellungen.statusText(); });
        ASSERT_EQ(menue.actions().size(), 2);
        EXPECT_EQ(menue.actions()[0]->text(), "... einrichten");
        EXPECT_EQ(menue.actions()[1]->text(), "... parameter einstellen");

        ScriptedDialogs dialoge;
        dialoge.answerPrinterSetup(QStringLiteral("Nadel"));
        menue.actions()[0]->trigger();
        EXPECT_EQ(gespeichert(QStringLiteral("CMR")), "Nadel");
        EXPECT_EQ(gespeichert(QStringLiteral("IMO")), "Laser");

        int zeilen = 0;
        wennModal([&](QWidget *fenster) {
            if (auto *editor = qobject_cast<TfrmDrucker *>(fenster)) {
                zeilen = editor->Table1->recordCount();
                // What the clerk assigns in the editor reaches the print form.
                editor->Table1->findKey({QStringLiteral("CMR")});
                dialoge.answerPrinterSetup(QStringLiteral("Farbe"));
                editor->druckerZuordnen();
            }
            fenster->close();
        });
        menue.actions()[1]->trigger();
        EXPECT_EQ(zeilen, 2) << "only the CMR page kinds";
        EXPECT_EQ(angezeigt, QStringList({"Drucker: Nadel", "Drucker: Farbe"}));
    }
    haupt.close();
}

TEST_F(DruckeinstellungenTest, HelpSaysALargerColumnOffsetMovesThePrintLeft)
{
    const QStringList zeilen = TfrmDrucker::hilfeZeilen();
    ASSERT_EQ(zeilen.size(), 9);
    EXPECT_TRUE(zeilen[1].contains(QStringLiteral("erhöht")));
    EXPECT_TRUE(zeilen[1].endsWith(QStringLiteral("nach links.")));
    EXPECT_TRUE(zeilen[2].endsWith(QStringLiteral("nach rechts.")));
    EXPECT_TRUE(zeilen[5].endsWith(QStringLiteral("nach unten.")));
}

} // namespace
