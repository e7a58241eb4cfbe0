// A family declared in the test, with no class of its own, gets its entry
// form, line form and check from the engine.

#include "support/ModalForms.h"
#include "support/Namens.h"
#include "support/ScriptedDialogs.h"
#include "support/Testspeicher.h"

#include "common/Beleghaken.h"
#include "common/Belegformular.h"
#include "common/Positionsformular.h"
#include "common/Pruefdialog.h"
#include "common/TSR_dbGrid.h"
#include "common/Tabelle_S_PARAME.h"
#include "common/TfrmRegie.h"
#include "platform/db/Query.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QGroupBox>

namespace {

// The engine's hook points the test watches: how often the lines changed.
struct Zaehlhaken : Beleghaken
{
    static inline int geaendert = 0;
    void positionenGeaendert(Belegformular &formular) override
    {
        ++geaendert;
        Beleghaken::positionenGeaendert(formular);
    }
};

const Belegart &testart()
{
    using Spalte = Belegart::Spalte;
    static const Belegart art{
        .tabellen = {.kopf = QStringLiteral("LIEFER"), .positionen = QStringLiteral("LIEFERPOS"),
                     .positionsanzahl = QStringLiteral("Zeilen")},
        .parameter = {.vorschlag = QStringLiteral("VorschlagNr_10"), .plausi = QStringLiteral("Plausi_10"),
                      .festeFelder = QStringLiteral("Memo_10")},
        .regie = {.titel = QStringLiteral("Regiezentrum: Lieferungen")},
        .eingabe = {.name = QStringLiteral("frmLiefer"),
                    .titel = QStringLiteral("Lieferung"),
                    .felder = {{.steuerelement = QStringLiteral("DBEdit1"), .feld = QStringLiteral("Empfaenger"),
                                .kasten = QStringLiteral("1 Empfänger"), .hilfe = QStringLiteral("1 Empfänger")},
                               {.steuerelement = QStringLiteral("DBEdit2"), .feld = QStringLiteral("Ort"),
                                .kasten = QStringLiteral("2 Ort"), .hilfe = QStringLiteral("2 Ort")},
                               {.steuerelement = QStringLiteral("DBGrid1"), .feld = {},
                                .kasten = QStringLiteral("3 Waren"), .art = Feldart::Positionsliste,
                                .quelle = Datenquelle::Positionen}},
                    .positionsspalten = {Spalte{QStringLiteral("Pos"), QStringLiteral("Pos."), 4},
                                         Spalte{QStringLiteral("Ware"), QStringLiteral("Ware")}},
                    .positionsknoepfe = {{QStringLiteral("nbErste"), QStringLiteral("|<"), QStringLiteral("Erste")},
                                         {QStringLiteral("nbZurueck"), QStringLiteral("<"), QStringLiteral("Zurück")},
                                         {QStringLiteral("nbWeiter"), QStringLiteral(">"), QStringLiteral("Weiter")},
                                         {QStringLiteral("nbLetzte"), QStringLiteral(">|"), QStringLiteral("Letzte")},
                                         {QStringLiteral("nbNeu"), QStringLiteral("+"), QStringLiteral("Neue Ware")},
                                         {QStringLiteral("nbWeg"), QStringLiteral("-"), QStringLiteral("Ware löschen")},
                                         {QStringLiteral("nbAendern"), QStringLiteral("..."), QStringLiteral("Ware ändern")}}},
        .position = {.name = QStringLiteral("frmLieferPos"),
                     .titel = QStringLiteral("Ware der Lieferung"),
                     .felder = {{.steuerelement = QStringLiteral("DBEdit1"), .feld = QStringLiteral("Ware"),
                                 .kasten = QStringLiteral("3 Ware"), .quelle = Datenquelle::Positionen}}},
        .pruefdialog = {.name = QStringLiteral("frmLieferPruef"), .titel = QStringLiteral("Prüfung Lieferung")},
        .pruefung = {.punkte = {{QStringLiteral("1 Empfänger"), leer(QStringLiteral("Empfaenger"))},
                                {QStringLiteral("2 Ort"), leer(QStringLiteral("Ort")), {}, true}}},
        .positionsPruefung = {.gruppe = QStringLiteral("Waren"),
                              .punkte = {{QStringLiteral("3 Ware"), leer(QStringLiteral("Ware"))}}},
        .haken = [] { return std::make_unique<Zaehlhaken>(); },
    };
    return art;
}

struct Lieferdaten : Testspeicher
{
    explicit Lieferdaten(Speicher speicher) : Testspeicher(speicher)
    {
        db::TableDef kopf;
        kopf.name = QStringLiteral("LIEFER");
        kopf.fields = {{QStringLiteral("BelegNr"), db::FieldType::Long},
                       {QStringLiteral("Datum"), db::FieldType::Date},
                       {QStringLiteral("Zeilen"), db::FieldType::Long},
                       {QStringLiteral("Empfaenger"), db::FieldType::Alpha, 30},
                       {QStringLiteral("Ort"), db::FieldType::Alpha, 30}};
        kopf.primaryKey = {QStringLiteral("BelegNr")};
        datenbank.createTable(kopf);
        db::TableDef zeilen;
        zeilen.name = QStringLiteral("LIEFERPOS");
        zeilen.fields = {{QStringLiteral("BelegNr"), db::FieldType::Long},
                         {QStringLiteral("Pos"), db::FieldType::Long},
                         {QStringLiteral("Ware"), db::FieldType::Alpha, 20}};
        zeilen.primaryKey = {QStringLiteral("BelegNr"), QStringLiteral("Pos")};
        datenbank.createTable(zeilen);
        datenbank.createTable(Tabelle_S_PARAME());
        datenbank.execute(QStringLiteral("INSERT INTO \"S_PARAME\" (\"ID\", \"VorschlagNr_10\", \"Plausi_10\") "
                                         "VALUES (1, 1, ?)"),
                          {true});
        datenbank.execute(QStringLiteral("INSERT INTO \"LIEFER\" VALUES (1, ?, 0, 'Kunde', '')"), {QDate(2024, 5, 2)});
    }
    QStringList waren()
    {
        db::Query abfrage(datenbank, QStringLiteral("SELECT \"Pos\", \"Ware\" FROM \"LIEFERPOS\" WHERE \"BelegNr\" = 1 "
                                                    "ORDER BY \"Pos\""));
        QStringList liste;
        for (abfrage.open(); !abfrage.eof(); abfrage.next())
            liste << abfrage.value(0).toString() + u' ' + abfrage.value(1).toString();
        return liste;
    }
    int zeilen() { return db::Query::scalar(datenbank, QStringLiteral("SELECT \"Zeilen\" FROM \"LIEFER\" WHERE \"BelegNr\" = 1")).toInt(); }
};

class BelegartTest : public SpeicherTest<Lieferdaten>
{
};

void wareErfassen(ModalForms &formulare, const QString &ware)
{
    formulare.whenShown<Positionsformular>([ware](Positionsformular &zeile) {
        EXPECT_EQ(zeile.objectName(), "frmLieferPos");
        EXPECT_EQ(zeile.windowTitle(), "Ware der Lieferung");
        EXPECT_TRUE(zeile.statusBar()->panelText(1).startsWith(QStringLiteral("BelegNr: 1 (")));
        zeile.schreiben(QStringLiteral("DBEdit1"), ware);
        zeile.setModalResult(ui::ModalResult::Cancel);
    });
}

// "&Bearbeiten" opens the declared entry form: its boxes bound to the
// header, the line grid with its columns and buttons, the line form behind
// "+", lines renumbered after a deletion, the hook told each time; closing
// with a gap shows the declared check dialog, "Korrigieren" keeps the form.
TEST_P(BelegartTest, EntryAndLineFormsAndTheCheckComeFromTheDeclaration)
{
    TfrmRegie regie(testart(), daten->datenbank);
    ASSERT_TRUE(regie.kopf().findKey({1}));
    Zaehlhaken::geaendert = 0;
    ModalForms formulare;
    formulare.whenShown<Belegformular>([&](Belegformular &form) {
        QApplication::setActiveWindow(&form);
        EXPECT_EQ(form.objectName(), "frmLiefer");
        EXPECT_EQ(form.windowTitle(), "Lieferung");
        EXPECT_EQ(form.statusBar()->panelText(1), "BelegNr: 1");
        EXPECT_EQ(namens<ui::DataEdit>(form, QStringLiteral("DBEdit1"))->text(), "Kunde");
        TSR_dbGrid *liste = form.positionsliste();
        ASSERT_NE(liste, nullptr);
        EXPECT_EQ(liste->model()->headerData(1, Qt::Horizontal).toString(), "Ware");

        ModalForms darin;
        for (const QString &ware : {QStringLiteral("Kabel"), QStringLiteral("Rohr"), QStringLiteral("Draht")}) {
            wareErfassen(darin, ware);
            namens<ui::SpeedButton>(form, QStringLiteral("nbNeu"))->click();
        }
        EXPECT_EQ(daten->waren(), (QStringList{"1 Kabel", "2 Rohr", "3 Draht"}));
        namens<ui::SpeedButton>(form, QStringLiteral("nbErste"))->click();
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Datensatz löschen?"), ui::ModalResult::Ok);
        namens<ui::SpeedButton>(form, QStringLiteral("nbWeg"))->click();
        EXPECT_EQ(daten->waren(), (QStringList{"1 Rohr", "2 Draht"}));
        EXPECT_EQ(daten->zeilen(), 2) << "the engine's own recount after the family's hook";
        EXPECT_EQ(Zaehlhaken::geaendert, 4);

        // Closing with the recipient empty: the check, its ticks, "Korrigieren".
        form.schreiben(QStringLiteral("DBEdit1"), QString());
        darin.whenShown<Pruefdialog>([](Pruefdialog &pruefung) {
            EXPECT_EQ(pruefung.objectName(), "frmLieferPruef");
            EXPECT_EQ(pruefung.windowTitle(), "Prüfung Lieferung");
            EXPECT_EQ(pruefung.angekreuzt(), (QStringList{"1 Empfänger", "2 Ort"})) << "a tick need not be a gap";
            EXPECT_FALSE(pruefung.gruppe(1)->isVisibleTo(&pruefung)) << "the lines' group belongs to the line form";
            pruefung.Korrigieren->click();
        });
        form.setModalResult(ui::ModalResult::Cancel);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.focusWidget(), form.steuerelement(QStringLiteral("DBEdit1")));

        // The place alone is no gap: the form closes without a dialog.
        form.schreiben(QStringLiteral("DBEdit1"), QStringLiteral("Kunde"));
        darin.failIfShown<Pruefdialog>();
        form.setModalResult(ui::ModalResult::Cancel);
    });
    regie.Bearbeiten();
    EXPECT_TRUE(formulare.allShown());
}

// The line form's own check shows the lines' group beside the entry form's.
TEST_P(BelegartTest, TheLineFormChecksItsBoxesInItsOwnGroup)
{
    TfrmRegie regie(testart(), daten->datenbank);
    ASSERT_TRUE(regie.kopf().findKey({1}));
    ModalForms formulare;
    formulare.whenShown<Belegformular>([&](Belegformular &form) {
        ModalForms darin;
        darin.whenShown<Positionsformular>([](Positionsformular &zeile) {
            ModalForms pruefung;
            pruefung.whenShown<Pruefdialog>([](Pruefdialog &dialog) {
                EXPECT_EQ(dialog.angekreuzt(), (QStringList{"3 Ware"}));
                EXPECT_TRUE(dialog.gruppe(1)->isVisibleTo(&dialog));
                EXPECT_EQ(dialog.gruppe(1)->title(), "Waren");
                dialog.Schliessen->click();
            });
            zeile.setModalResult(ui::ModalResult::Cancel);
            EXPECT_FALSE(zeile.isVisible()) << "\"Schließen\" accepts the gap";
        });
        namens<ui::SpeedButton>(form, QStringLiteral("nbNeu"))->click();
        form.schreiben(QStringLiteral("DBEdit2"), QStringLiteral("Ort"));
        form.setModalResult(ui::ModalResult::Cancel);
    });
    regie.Bearbeiten();
    EXPECT_TRUE(formulare.allShown());
}

SPEICHER_TESTS(BelegartTest);

} // namespace
