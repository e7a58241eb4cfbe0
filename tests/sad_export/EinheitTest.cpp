#include "Eingabetest.h"
#include "support/Namens.h"
#include "support/Druckumgebung.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"

#include "common/Eingabeformulare.h"
#include "common/TSR_dbGrid.h"
#include "platform/db/Table.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"
#include "sad_export/Ausfuhranmeldung.h"
#include "common/Positionsformular.h"
#include "common/Belegformular.h"
#include "sad_export/TfrmEinheit_d.h"
#include "common/Pruefdialog.h"
#include "sad_export/TfrmRegieAE.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>

namespace {

class EinheitTest : public AusfuhrTest
{
protected:
    QString kopfFeld(int nummer, const QString &feld)
    {
        return speicherText(*daten, QStringLiteral("SELECT \"%1\" FROM \"EINHEIT\" WHERE \"belegnr\" = ?").arg(feld),
                            {nummer});
    }
    QString positionsFeld(int nummer, int pos, const QString &feld)
    {
        return speicherText(*daten,
                            QStringLiteral("SELECT \"%1\" FROM \"EINFOLG\" WHERE \"belegnr\" = ? AND \"pos\" = ?").arg(feld),
                            {nummer, pos});
    }
    QList<int> positionsnummern(int nummer)
    {
        QList<int> nummern;
        db::Query abfrage(daten->datenbank,
                          QStringLiteral("SELECT \"pos\" FROM \"EINFOLG\" WHERE \"belegnr\" = ? ORDER BY \"pos\""));
        abfrage.bind(0, nummer);
        for (abfrage.open(); !abfrage.eof(); abfrage.next())
            nummern << abfrage.value(0).toInt();
        return nummern;
    }
    void plausiSchalten(bool an)
    {
        daten->datenbank.execute(QStringLiteral("UPDATE \"S_PARAME\" SET \"Plausi_1_1\" = ?"), {an});
    }
    // Every box the header check asks for, filled.
    void allesAusgefuellt(int nummer)
    {
        daten->datenbank.execute(
            QStringLiteral("UPDATE \"EINHEIT\" SET \"f1_1\" = 'EX', \"f1_2\" = 'A', \"f2_1\" = 'Versender', "
                           "\"f8_2\" = 'Empf', \"f14_3\" = 'Anm', \"f17_1\" = 'US', \"f17_2\" = 'USA', \"f19\" = '0', "
                           "\"f21_1\" = 'LKW', \"f21_2\" = 'DE', \"f22_1\" = 'EUR', \"f22_2\" = '100', "
                           "\"f24_1\" = '1', \"f24_2\" = '1', \"f25\" = '3', \"f26\" = '3', \"f29\" = 'DE001', "
                           "\"f54_1\" = 'Hamburg' WHERE \"belegnr\" = ?"),
            {nummer});
    }
    static QLineEdit *edit(Eingabeformular &form, const char *name)
    {
        return qobject_cast<QLineEdit *>(form.steuerelement(QString::fromLatin1(name)));
    }
};

// F9 in a box clicks its lookup: the record goes into edit state, the
// lookup is asked with the box's text, its columns go into the boxes as if
// typed, the record is posted and the focus moves as the binding says. A
// picker given a Tag writes by control name through the open entry forms.
TEST_P(EinheitTest, F9RunsTheLookupAndItsChoiceReachesTheStore)
{
    daten->erklaerung(5, QStringLiteral("Alt"));
    FalscheAuswahl kunde(QStringLiteral("AuswahlKunde"), [](const Auswahlanfrage &) {
        return QHash<QString, QString>{{QStringLiteral("Name1"), QStringLiteral("Müller GmbH")},
                                       {QStringLiteral("Name2"), QStringLiteral("Einkauf")},
                                       {QStringLiteral("Name3"), QString()},
                                       {QStringLiteral("Strasse"), QStringLiteral("Hafenstr. 1")},
                                       {QStringLiteral("Ort"), QStringLiteral("20457 Hamburg")}};
    });
    FalscheAuswahl land(QStringLiteral("AuswahlLand"), [](const Auswahlanfrage &anfrage) -> Auswahlergebnis {
        if (anfrage.tag == 22)
            inEingabefeldSchreiben(anfrage.formular, QStringLiteral("DBEdit43"), QStringLiteral("USD"));
        return QHash<QString, QString>{};
    });
    FalscheAuswahl abgebrochen(QStringLiteral("AuswahlLieferbedingung"),
                               [](const Auswahlanfrage &) { return Auswahlergebnis{}; });
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    EXPECT_EQ(offenesEingabeformular(QStringLiteral("frmEinheit")), &form);
    EXPECT_EQ(form.statusBar()->panelText(1), "BelegNr: 5");

    edit(form, "DBEdit6")->setFocus();
    EXPECT_EQ(form.statusBar()->panelText(0), "8 Empfänger - (hier besteht eine Übernahmemöglichkeit)");
    tasteDruecken(Qt::Key_F9);
    ASSERT_EQ(kunde.anfragen.size(), 1u);
    EXPECT_EQ(kunde.anfragen[0].start, "") << "box 8's number edit is the start";
    EXPECT_EQ(regie.kopf().state(), db::DatasetState::Browse) << "posted after the lookup";
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f8_1")), "Müller GmbH");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f8_2")), "Einkauf");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f8_4")), "Hafenstr. 1");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f8_5")), "20457 Hamburg");
    EXPECT_EQ(QApplication::focusWidget(), edit(form, "DBEdit6")) << "box 8 keeps the focus";

    edit(form, "DBEdit43")->setFocus();
    tasteDruecken(Qt::Key_F9);
    ASSERT_EQ(land.anfragen.size(), 1u);
    EXPECT_EQ(land.anfragen[0].tag, 22);
    EXPECT_EQ(land.anfragen[0].index, "LKZ");
    EXPECT_EQ(land.anfragen[0].titelZusatz, "  (Feld: 22)");
    EXPECT_EQ(land.anfragen[0].formular, "frmEinheit");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f22_1")), "USD");
    EXPECT_EQ(QApplication::focusWidget(), edit(form, "DBEdit45")) << "on to the next box";

    eintippen(edit(form, "DBEdit56"), QStringLiteral("CIF"));
    tasteDruecken(Qt::Key_F9);
    EXPECT_EQ(abgebrochen.anfragen.size(), 1u);
    EXPECT_EQ(abgebrochen.anfragen[0].start, "CIF");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f20_1")), "CIF") << "a cancelled lookup keeps what was typed";
    EXPECT_EQ(QApplication::focusWidget(), edit(form, "DBEdit10"));

    // A box without a lookup: F9 does nothing.
    edit(form, "DBEdit31")->setFocus();
    tasteDruecken(Qt::Key_F9);
    EXPECT_EQ(kunde.anfragen.size() + land.anfragen.size() + abgebrochen.anfragen.size(), 3u);
    form.setModalResult(ui::ModalResult::Cancel);
}

// The register's "&Bearbeiten" shows the entry form on its declaration, with
// the number in panel 1, and signs it off from the open forms afterwards.
TEST_P(EinheitTest, EditOpensTheEntryFormOnTheDeclaration)
{
    daten->erklaerung(5, QStringLiteral("Kunde"));
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    ModalForms formulare;
    QString status;
    QString empfaenger;
    formulare.whenShown<Belegformular>([&](Belegformular &form) {
        status = form.statusBar()->panelText(1);
        empfaenger = edit(form, "DBEdit6")->text();
        form.Schliessen1->trigger();
    });
    regie.Bearbeiten();
    EXPECT_EQ(status, "BelegNr: 5");
    EXPECT_EQ(empfaenger, "Kunde");
    EXPECT_EQ(offenesEingabeformular(QStringLiteral("frmEinheit")), nullptr);
}

// F6 in the master record marks a box as fixed (its name in Memo_1, kept
// when the form closes); in an ordinary declaration that box is then off.
// F6 again takes the mark away.
TEST_P(EinheitTest, F6FixesABoxInTheMasterRecordForEveryDeclaration)
{
    daten->erklaerung(5, QStringLiteral("Kunde"));
    TfrmRegieAE regie;
    auto masterF6 = [&] {
        ASSERT_TRUE(regie.kopf().findKey({Belegart::MasterFormularNr}));
        Belegformular form(regie, QStringLiteral("Master-Formular"));
        eingabeZeigen(form);
        edit(form, "DBEdit6")->setFocus();
        tasteDruecken(Qt::Key_F6);
        form.setModalResult(ui::ModalResult::Cancel);
    };
    auto gewoehnlich = [&](const char *name) {
        regie.kopf().findKey({5});
        Belegformular form(regie, QStringLiteral("BelegNr: 5"));
        auto *control = qobject_cast<ui::DataEdit *>(form.steuerelement(QString::fromLatin1(name)));
        return std::pair{control->isEnabled(), control->color()};
    };

    masterF6();
    EXPECT_EQ(speicherText(*daten, QStringLiteral("SELECT \"Memo_1\" FROM \"S_PARAME\"")), "DBEdit6");
    EXPECT_EQ(gewoehnlich("DBEdit6"), std::pair(false, sys::colors::activeBorder));
    EXPECT_EQ(gewoehnlich("DBEdit32"), std::pair(true, sys::colors::window));
    {
        ASSERT_TRUE(regie.kopf().findKey({Belegart::MasterFormularNr}));
        Belegformular form(regie, QStringLiteral("Master-Formular"));
        EXPECT_TRUE(form.steuerelement(QStringLiteral("DBEdit6"))->isEnabled()) << "the master stays editable";
        EXPECT_TRUE(form.istFestesFeld(QStringLiteral("DBEdit6")));
    }
    masterF6();
    EXPECT_EQ(speicherText(*daten, QStringLiteral("SELECT \"Memo_1\" FROM \"S_PARAME\"")), "");
    EXPECT_EQ(gewoehnlich("DBEdit6"), std::pair(true, sys::colors::window));

    // In an ordinary declaration F6 marks nothing.
    regie.kopf().findKey({5});
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    edit(form, "DBEdit32")->setFocus();
    tasteDruecken(Qt::Key_F6);
    EXPECT_FALSE(form.istFestesFeld(QStringLiteral("DBEdit32")));
    form.setModalResult(ui::ModalResult::Cancel);
    EXPECT_EQ(speicherText(*daten, QStringLiteral("SELECT \"Memo_1\" FROM \"S_PARAME\"")), "");
}

// Items added take the master's first item (not its number), are numbered
// on, and boxes 3 and 5 follow; deleting one renumbers the rest 1..n. In the
// master record a new item starts empty.
TEST_P(EinheitTest, ItemsAreAddedDeletedAndRenumberedWithTheCounters)
{
    daten->erklaerung(5, QStringLiteral("Kunde"));
    TfrmRegieAE regie;
    daten->datenbank.execute(QStringLiteral("UPDATE \"EINFOLG\" SET \"f31_2\" = 'Vorgabe', \"f44_1\" = 'Vermerk' "
                                            "WHERE \"belegnr\" = ?"),
                             {Belegart::MasterFormularNr});
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    ModalForms formulare;
    QStringList positionsStatus;
    for (int i = 0; i < 4; ++i) {
        formulare.whenShown<Positionsformular>([&](Positionsformular &position) {
            positionsStatus << position.statusBar()->panelText(1);
            edit(position, "DBEdit6")->setText(QString());
            eintippen(edit(position, "DBEdit6"), QStringLiteral("8471%1").arg(positionsStatus.size()));
            position.Schliessen1->trigger();
        });
        namens<ui::SpeedButton>(form, QStringLiteral("sbPosHinzufuegen"))->click();
    }
    EXPECT_EQ(positionsStatus, QStringList({"BelegNr: 5 (1. Position)", "BelegNr: 5 (2. Position)",
                                            "BelegNr: 5 (3. Position)", "BelegNr: 5 (4. Position)"}));
    EXPECT_EQ(positionsnummern(5), QList<int>({1, 2, 3, 4}));
    EXPECT_EQ(positionsFeld(5, 3, QStringLiteral("f31_2")), "Vorgabe");
    EXPECT_EQ(positionsFeld(5, 3, QStringLiteral("f44_1")), "Vermerk");
    EXPECT_EQ(positionsFeld(5, 3, QStringLiteral("f33_1")), "84713");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("F5")), "4");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f3_2")), "2");
    EXPECT_EQ(edit(form, "DBEdit59")->text(), "4");

    ASSERT_TRUE(regie.regie().positionen()->findKey({5, 2}));
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Datensatz löschen?"), ui::ModalResult::Ok);
    namens<ui::SpeedButton>(form, QStringLiteral("sbPosLoeschen"))->click();
    EXPECT_EQ(positionsnummern(5), QList<int>({1, 2, 3}));
    EXPECT_EQ(positionsFeld(5, 2, QStringLiteral("f33_1")), "84713") << "item 3 moved up to 2";
    EXPECT_EQ(positionsFeld(5, 3, QStringLiteral("f33_1")), "84714");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("F5")), "3");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f3_1")), "1");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f3_2")), "2");
    EXPECT_EQ(regie.regie().positionen()->field(1).asInteger(), 1) << "the first item is current";

    dialoge.answerMessage(QStringLiteral("Datensatz löschen?"), ui::ModalResult::Cancel);
    namens<ui::SpeedButton>(form, QStringLiteral("sbPosLoeschen"))->click();
    EXPECT_EQ(positionsnummern(5), QList<int>({1, 2, 3}));
    form.setModalResult(ui::ModalResult::Cancel);

    // The master's own items are not pre-filled.
    ASSERT_TRUE(regie.kopf().findKey({Belegart::MasterFormularNr}));
    Belegformular masterForm(regie, QStringLiteral("Master-Formular"));
    formulare.whenShown<Positionsformular>([&](Positionsformular &position) {
        EXPECT_EQ(regie.regie().positionen()->state(), db::DatasetState::Insert);
        EXPECT_EQ(edit(position, "DBEdit26")->text(), "");
        position.Schliessen1->trigger();
    });
    namens<ui::SpeedButton>(masterForm, QStringLiteral("sbPosHinzufuegen"))->click();
    EXPECT_EQ(positionsnummern(Belegart::MasterFormularNr), QList<int>({1, 2}));
    EXPECT_EQ(positionsFeld(Belegart::MasterFormularNr, 2, QStringLiteral("f31_2")), "");
    masterForm.setModalResult(ui::ModalResult::Cancel);
}

// Deleting an item, renumbering and recounting go together: when the header
// cannot be written, every item is as it was.
TEST_P(EinheitTest, ItemDeletionIsOneTransaction)
{
    daten->erklaerung(5, QStringLiteral("Kunde"), 4);
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    ASSERT_TRUE(regie.regie().positionen()->findKey({5, 2}));
    db::Subscription stoerung = regie.kopf().beforePost.add([](db::Table &) { throw db::Abort(); });
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Datensatz löschen?"), ui::ModalResult::Ok);
    namens<ui::SpeedButton>(form, QStringLiteral("sbPosLoeschen"))->click();
    EXPECT_EQ(positionsnummern(5), QList<int>({1, 2, 3, 4}));
    EXPECT_EQ(positionsFeld(5, 2, QStringLiteral("f33_1")), "84712");
    EXPECT_EQ(regie.regie().positionen()->recordCount(), 4);
    stoerung.remove();
    form.setModalResult(ui::ModalResult::Cancel);
}

// The check of required boxes: off, nothing is asked; on, a gap shows the
// dialog with its tick, the focus goes into the box, "Korrigieren" keeps the
// form open and "Schließen" lets it close; no gap, no dialog.
TEST_P(EinheitTest, CheckOfRequiredBoxesOnClosing)
{
    daten->erklaerung(5, QStringLiteral("Kunde"));
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    {
        ModalForms formulare;
        formulare.failIfShown<Pruefdialog>();
        Belegformular form(regie, QStringLiteral("BelegNr: 5"));
        eingabeZeigen(form);
        form.setModalResult(ui::ModalResult::Cancel);
        EXPECT_FALSE(form.isVisible()) << "switched off, an empty declaration closes";
    }
    plausiSchalten(true);
    allesAusgefuellt(5);
    daten->datenbank.execute(QStringLiteral("UPDATE \"EINHEIT\" SET \"f54_1\" = NULL WHERE \"belegnr\" = 5"));
    regie.kopf().refresh();
    regie.regie().parameter().refresh();
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    edit(form, "DBEdit31")->setFocus();
    struct Fall
    {
        int antwort;
        bool offen;
    };
    for (const Fall fall : {Fall{ui::ModalResult::Correct, true}, Fall{ui::ModalResult::Cancel, false}}) {
        ModalForms formulare;
        QStringList angekreuzt;
        bool positionenSichtbar = true;
        formulare.whenShown<Pruefdialog>([&](Pruefdialog &dialog) {
            angekreuzt = dialog.angekreuzt();
            positionenSichtbar = !dialog.gruppe(1)->isHidden();
            (fall.antwort == ui::ModalResult::Correct ? dialog.Korrigieren : dialog.Schliessen)->click();
        });
        form.setModalResult(ui::ModalResult::Cancel);
        EXPECT_EQ(angekreuzt, QStringList({"54 Ort, Datum"}));
        EXPECT_FALSE(positionenSichtbar);
        EXPECT_EQ(form.isVisible(), fall.offen);
        if (fall.offen) {
            EXPECT_EQ(form.focusWidget(), edit(form, "DBEdit55"));
        }
    }

    // Typed text counts; an empty box 17 alone is no gap.
    regie.kopf().refresh();
    Belegformular nochmal(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(nochmal);
    eintippen(edit(nochmal, "DBEdit55"), QStringLiteral("Hamburg, 2.5.2024"));
    edit(nochmal, "DBEdit40")->setText(QString());
    emit edit(nochmal, "DBEdit40")->textEdited(QString());
    {
        ModalForms ohneDialog;
        ohneDialog.failIfShown<Pruefdialog>();
        EXPECT_TRUE(nochmal.belegPruefen());
    }

    // With another gap, box 17 is ticked as well.
    edit(nochmal, "DBEdit41")->setText(QString());
    ModalForms formulare;
    QStringList angekreuzt;
    formulare.whenShown<Pruefdialog>([&](Pruefdialog &dialog) {
        angekreuzt = dialog.angekreuzt();
        dialog.Schliessen->click();
    });
    EXPECT_TRUE(nochmal.belegPruefen());
    EXPECT_EQ(angekreuzt, QStringList({"17 Bestimmungsland", "19 Container"}));
    edit(nochmal, "DBEdit41")->setText(QStringLiteral("0"));
    nochmal.setModalResult(ui::ModalResult::Cancel);
}

// "&Drucken" posts what was typed, checks, and only then prints.
TEST_P(EinheitTest, PrintRunsOnlyAfterPostAndCheck)
{
    daten->erklaerung(5, QStringLiteral("Kunde"));
    allesAusgefuellt(5);
    Druckumgebung druckumgebung({ausfuhrErste, ausfuhrFolge});
    QList<int> gedruckt;
    QString gespeichertBeimDruck;
    // The print dialog of the declaration, closed as soon as it shows.
    auto druckErwarten = [&](ModalForms &formulare) {
        formulare.whenShown<TfrmEinheit_d>([&](TfrmEinheit_d &druck) {
            gedruckt << druck.lblBelegNr->text().toInt();
            gespeichertBeimDruck =
                speicherText(*daten, QStringLiteral("SELECT \"f7\" FROM \"EINHEIT\" WHERE \"belegnr\" = 5"));
            druck.BtnAbbruch->click();
        });
    };
    plausiSchalten(true);
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    eintippen(edit(form, "DBEdit31"), QStringLiteral("REF-1"));
    {
        ModalForms formulare;
        druckErwarten(formulare);
        form.Drucken1->trigger();
    }
    EXPECT_EQ(gedruckt, QList<int>({5}));
    EXPECT_EQ(gespeichertBeimDruck, "REF-1");

    // A gap the clerk goes back to correct prints nothing.
    eintippen(edit(form, "DBEdit41"), QString());
    {
        ModalForms formulare;
        formulare.whenShown<Pruefdialog>([](Pruefdialog &dialog) { dialog.Korrigieren->click(); });
        formulare.failIfShown<TfrmEinheit_d>();
        form.Drucken1->trigger();
    }
    EXPECT_EQ(gedruckt.size(), 1);
    {
        ModalForms formulare;
        formulare.whenShown<Pruefdialog>([](Pruefdialog &dialog) { dialog.Schliessen->click(); });
        druckErwarten(formulare);
        form.Drucken1->trigger();
    }
    EXPECT_EQ(gedruckt.size(), 2) << "accepted gaps print";

    // A post that fails prints nothing either.
    eintippen(edit(form, "DBEdit41"), QStringLiteral("1"));
    db::Subscription stoerung = regie.kopf().beforePost.add([](db::Table &) { throw db::Abort(); });
    {
        ModalForms formulare;
        formulare.failIfShown<TfrmEinheit_d>();
        form.Drucken1->trigger();
    }
    EXPECT_EQ(gedruckt.size(), 2);
    stoerung.remove();
    form.setModalResult(ui::ModalResult::Cancel);
}

// Box 14's pop-ups put the kind of representation before line 1 (twice when
// chosen twice) and the role after line 2.
TEST_P(EinheitTest, Box14PopUpsPrefixAndAppend)
{
    daten->erklaerung(5, QStringLiteral("Kunde"));
    daten->datenbank.execute(QStringLiteral("UPDATE \"EINHEIT\" SET \"F14_1\" = 'Spedition', \"f14_2\" = 'als ' "
                                            "WHERE \"belegnr\" = 5"));
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    namens<QMenu>(form, QStringLiteral("PopupMenu14_1"))->actions().at(1)->trigger();
    namens<QMenu>(form, QStringLiteral("PopupMenu14_1"))->actions().at(1)->trigger();
    namens<QMenu>(form, QStringLiteral("PopupMenu14_2"))->actions().at(0)->trigger();
    form.setModalResult(ui::ModalResult::Cancel);
    EXPECT_EQ(kopfFeld(5, QStringLiteral("F14_1")), "[2] [2] Spedition");
    EXPECT_EQ(kopfFeld(5, QStringLiteral("f14_2")), "als Ausführer - 00400");
}

// Box 17a: leaving it with a prefix asks the country resolution; the code it
// finds replaces the prefix and the header is posted; when it finds none the
// typed text stays.
TEST_P(EinheitTest, Box17aCompletesATypedPrefixOnLeaving)
{
    daten->erklaerung(5, QStringLiteral("Kunde"));
    FalscheAuswahl aufloesen(QStringLiteral("LandKennzeichenAufloesen"),
                             [](const Auswahlanfrage &anfrage) -> Auswahlergebnis {
                                 if (anfrage.start == u"U")
                                     return QHash<QString, QString>{{QStringLiteral("Lkz"), QStringLiteral("US")}};
                                 return std::nullopt;
                             });
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Belegformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    for (const auto &[getippt, danach] : {std::pair{"U", "US"}, std::pair{"XY", "XY"}}) {
        eintippen(edit(form, "DBEdit11"), QString::fromLatin1(getippt));
        edit(form, "DBEdit40")->setFocus();
        EXPECT_EQ(edit(form, "DBEdit11")->text(), danach);
        EXPECT_EQ(kopfFeld(5, QStringLiteral("f17_1")), danach);
    }
    EXPECT_EQ(aufloesen.anfragen.size(), 2u);
    form.setModalResult(ui::ModalResult::Cancel);
}

// The master record is named without the number's prefix, in the entry
// form and in the form of its first item.
TEST_P(EinheitTest, TheMasterFormsReadMasterFormular)
{
    TfrmRegieAE regie;
    QString eingabe;
    QString position;
    ModalForms formulare;
    formulare.whenShown<Belegformular>([&](Belegformular &form) {
        eingabe = form.statusBar()->panelText(1);
        ModalForms darin;
        darin.whenShown<Positionsformular>([&](Positionsformular &item) {
            position = item.statusBar()->panelText(1);
            item.Schliessen1->trigger();
        });
        namens<ui::SpeedButton>(form, QStringLiteral("sbPosBearbeiten"))->click();
        form.Schliessen1->trigger();
    });
    regie.MasterForm();
    EXPECT_EQ(eingabe, QStringLiteral("Master-Formular"));
    EXPECT_EQ(position, QStringLiteral("Master-Formular (1. Position)"));
}

// The item buttons leave open the way that is left: on the last item first
// and prior, on the first next and last; no item or one counts as the end.
TEST_P(EinheitTest, ItemButtonsOpenTheWayThatIsLeft)
{
    struct Navigation
    {
        bool erste, vorherige, naechste, letzte;
        bool operator==(const Navigation &) const = default;
    };
    const Navigation amAnfang{false, false, true, true};
    const Navigation amEnde{true, true, false, false};
    const Navigation dazwischen{true, true, true, true};
    struct Fall
    {
        int positionen;
        QList<std::pair<const char *, Navigation>> schritte;   // nullptr: as opened
    };
    const QList<Fall> faelle{
        {0, {{nullptr, amEnde}}},
        {1, {{nullptr, amEnde}, {"sbPosErste", amEnde}}},
        {3,
         {{nullptr, amAnfang},
          {"sbPosNaechste", dazwischen},
          {"sbPosNaechste", amEnde},
          {"sbPosVorherige", dazwischen},
          {"sbPosVorherige", amAnfang},
          {"sbPosLetzte", amEnde}}},
    };
    for (const Fall &fall : faelle)
        daten->erklaerung(10 + fall.positionen, QStringLiteral("Kunde"), fall.positionen);
    TfrmRegieAE regie;
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.positionen);
        ASSERT_TRUE(regie.kopf().findKey({10 + fall.positionen}));
        Belegformular form(regie, QStringLiteral("BelegNr: %1").arg(10 + fall.positionen));
        for (const auto &[knopf, danach] : fall.schritte) {
            const auto an = [&form](const char *name) {
                return namens<ui::SpeedButton>(form, QString::fromLatin1(name))->isEnabled();
            };
            if (knopf)
                namens<ui::SpeedButton>(form, QString::fromLatin1(knopf))->click();
            const Navigation gezeigt{an("sbPosErste"), an("sbPosVorherige"), an("sbPosNaechste"), an("sbPosLetzte")};
            EXPECT_TRUE(gezeigt == danach) << gezeigt.erste << gezeigt.vorherige << gezeigt.naechste << gezeigt.letzte;
        }
        form.setModalResult(ui::ModalResult::Cancel);
    }
}

} // namespace

AUSFUHR_TESTS(EinheitTest);
