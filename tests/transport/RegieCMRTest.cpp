#include "Cmrdaten.h"
#include "support/Namens.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"

#include "common/NummernDialog.h"
#include "platform/db/Table.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"
#include "common/Belegformular.h"
#include "common/Positionsformular.h"
#include "transport/TfrmRegieCMR.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class RegieCMRTest : public CmrTest
{
protected:
    void eingabeSchliessen(ModalForms &formulare)
    {
        formulare.whenShown<Belegformular>([](Belegformular &form) { form.setModalResult(ui::ModalResult::Cancel); });
    }
    void nummernAntworten(ModalForms &formulare, const QString &von, const QString &bis)
    {
        formulare.whenShown<NummernDialog>([=](NummernDialog &dialog) {
            if (!von.isEmpty())
                dialog.Edit1->setText(von);
            if (!bis.isEmpty())
                dialog.Edit2->setText(bis);
            dialog.OKBtn->click();
        });
    }
};

// A fresh store: the master record alone, without a line, shown in the list;
// with a note beside it the list hides the master.
TEST_P(RegieCMRTest, TheMasterHasNoLineAndIsHiddenByTheFilterOnceANoteExists)
{
    {
        TfrmRegieCMR regie(daten->datenbank);
        regie.show();
        EXPECT_EQ(daten->zeilen(2000000000), 0);
        EXPECT_FALSE(regie.kopf().filtered());
        EXPECT_EQ(regie.kopf().field(0).asInteger(), 2000000000);
        regie.setModalResult(ui::ModalResult::Cancel);
    }
    daten->frachtbrief(4, QStringLiteral("Empfänger"));
    TfrmRegieCMR regie(daten->datenbank);
    regie.show();
    EXPECT_TRUE(regie.kopf().filtered());
    EXPECT_EQ(regie.kopf().recordCount(), 1);
    // Opened shared: a second workstation's register opens too.
    TfrmRegieCMR zweite(daten->datenbank);
    EXPECT_TRUE(zweite.kopf().isOpen());
}

// "&Neu" probes from VorschlagNr_10 and stores the next at once; the new note
// is issued today and has no lines, whatever the master's text.
TEST_P(RegieCMRTest, NewNumbersFromItsOwnProposalAndIssuesToday)
{
    for (int n = 1; n <= 5; ++n)
        daten->frachtbrief(n, QStringLiteral("E%1").arg(n));
    daten->setzen(QStringLiteral("UPDATE \"S_PARAME\" SET \"VorschlagNr_10\" = 3, \"VorschlagNr_1_1\" = 50"));
    TfrmRegieCMR regie(daten->datenbank);
    regie.show();
    ScriptedDialogs dialoge;
    ModalForms formulare;
    dialoge.answerInput(QStringLiteral("Übernehmen oder Ändern"), QStringLiteral("6"));
    eingabeSchliessen(formulare);
    regie.Neu();
    EXPECT_EQ(daten->kopf(6, QStringLiteral("C21_2")), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    EXPECT_EQ(daten->kopf(6, QStringLiteral("Positionen")), QStringLiteral("0"));
    EXPECT_EQ(daten->zeilen(6), 0);
    EXPECT_EQ(daten->vorschlag(), 7);
    EXPECT_TRUE(regie.kopf().filtered());
}

// Copying carries every header field but the lock mark, and the lines; the
// proposal is not given back, as it is for the export declaration.
TEST_P(RegieCMRTest, CopyCarriesTunnelCodeIssueDateAndLinesButNotTheLock)
{
    daten->frachtbrief(4, QStringLiteral("Empfänger"), 3);
    daten->setzen(QStringLiteral("UPDATE \"S_PARAME\" SET \"VorschlagNr_10\" = 9"));
    TfrmRegieCMR regie(daten->datenbank);
    regie.show();
    ASSERT_TRUE(regie.kopf().findKey({4}));
    ModalForms formulare;
    nummernAntworten(formulare, {}, {});
    eingabeSchliessen(formulare);
    regie.Kopieren();
    EXPECT_EQ(daten->kopf(9, QStringLiteral("TUCode")), QStringLiteral("E"));
    EXPECT_EQ(daten->kopf(9, QStringLiteral("C21_2")), QStringLiteral("01.03.2024"));
    EXPECT_EQ(daten->kopf(9, QStringLiteral("NAT")), QStringLiteral("J"));
    EXPECT_EQ(daten->kopf(9, QStringLiteral("IsLockedByUser")), QString());
    EXPECT_EQ(daten->wert(QStringLiteral("SELECT \"DATUM\" FROM \"CMR\" WHERE \"BELEGNR\" = 9")).toDate(),
              QDate::currentDate());
    EXPECT_EQ(daten->zeilen(9), 3);
    EXPECT_EQ(daten->kopf(9, QStringLiteral("Positionen")), QStringLiteral("3"));
    EXPECT_EQ(daten->vorschlag(), 10);
}

TEST_P(RegieCMRTest, DeleteRemovesTheRangeWithItsLines)
{
    for (int n = 2; n <= 6; ++n)
        daten->frachtbrief(n, QStringLiteral("E%1").arg(n), 2);
    TfrmRegieCMR regie(daten->datenbank);
    regie.show();
    ModalForms formulare;
    nummernAntworten(formulare, QStringLiteral("3"), QStringLiteral("5"));
    regie.Loeschen();
    EXPECT_EQ(daten->wert(QStringLiteral("SELECT COUNT(*) FROM \"CMR\" WHERE \"BELEGNR\" < 2000000000")).toInt(), 2);
    EXPECT_EQ(daten->wert(QStringLiteral("SELECT COUNT(*) FROM \"Cmrfolg\"")).toInt(), 4);
    EXPECT_EQ(daten->zeilen(2), 2);
    EXPECT_EQ(daten->zeilen(6), 2);
    EXPECT_TRUE(regie.kopf().filtered());
}

// Which of first, prior, next and last are on.
struct Navigation
{
    bool erste, vorherige, naechste, letzte;
    bool operator==(const Navigation &) const = default;
};

std::ostream &operator<<(std::ostream &aus, const Navigation &n)
{
    return aus << n.erste << n.vorherige << n.naechste << n.letzte;
}

// After every move the way that is left stays open: on the last note first
// and prior, on the first next and last, between them all four. A list of
// one note is at its end.
TEST_P(RegieCMRTest, NavigationButtonsOpenTheWayThatIsLeft)
{
    const Navigation amAnfang{false, false, true, true};
    const Navigation amEnde{true, true, false, false};
    const Navigation dazwischen{true, true, true, true};
    using Knopf = ui::SpeedButton *TfrmRegie::*;
    struct Schritt
    {
        Knopf knopf;   // nullptr: as shown
        Navigation danach;
    };
    struct Fall
    {
        const char *name;
        QList<int> notes;
        QList<Schritt> schritte;
    };
    const QList<Fall> faelle{
        {"the master alone", {}, {{nullptr, amEnde}, {&TfrmRegie::SpeedButtonErste, amEnde}}},
        {"one note, the master hidden", {4}, {{nullptr, amEnde}, {&TfrmRegie::SpeedButtonLetzte, amEnde}}},
        {"three notes",
         {4, 5, 6},
         {{nullptr, amAnfang},
          {&TfrmRegie::SpeedButtonNaechste, dazwischen},
          {&TfrmRegie::SpeedButtonNaechste, amEnde},
          {&TfrmRegie::SpeedButtonVorherige, dazwischen},
          {&TfrmRegie::SpeedButtonVorherige, amAnfang},
          {&TfrmRegie::SpeedButtonLetzte, amEnde},
          {&TfrmRegie::SpeedButtonErste, amAnfang}}},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.name);
        daten->setzen(QStringLiteral("DELETE FROM \"CMR\""));
        for (int nummer : fall.notes)
            daten->frachtbrief(nummer, QStringLiteral("E%1").arg(nummer));
        TfrmRegieCMR regie(daten->datenbank);
        regie.show();
        for (const Schritt &schritt : fall.schritte) {
            if (schritt.knopf)
                (regie.*schritt.knopf)->click();
            EXPECT_EQ((Navigation{regie.SpeedButtonErste->isEnabled(), regie.SpeedButtonVorherige->isEnabled(),
                                  regie.SpeedButtonNaechste->isEnabled(), regie.SpeedButtonLetzte->isEnabled()}),
                      schritt.danach)
                << "on " << regie.kopf().field(0).asInteger();
        }
        regie.setModalResult(ui::ModalResult::Cancel);
    }
}

// The CMR names the master record after the number's prefix, in its entry
// form and in the line form of the master's first line.
TEST_P(RegieCMRTest, TheMasterFormsReadBelegNrMasterFormular)
{
    TfrmRegieCMR regie(daten->datenbank);
    regie.show();
    QString eingabe;
    QString zeile;
    ModalForms formulare;
    formulare.whenShown<Belegformular>([&](Belegformular &form) {
        eingabe = form.statusBar()->panelText(1);
        ModalForms darin;
        darin.whenShown<Positionsformular>([&](Positionsformular &folg) {
            zeile = folg.statusBar()->panelText(1);
            folg.setModalResult(ui::ModalResult::Cancel);
        });
        namens<ui::SpeedButton>(form, QStringLiteral("nbInsert"))->click();
        form.setModalResult(ui::ModalResult::Cancel);
    });
    regie.MasterForm();
    EXPECT_EQ(eingabe, QStringLiteral("BelegNr: Master-Formular"));
    EXPECT_EQ(zeile, QStringLiteral("BelegNr: Master-Formular (1. Position)"));
}

SPEICHER_TESTS(RegieCMRTest);

} // namespace
