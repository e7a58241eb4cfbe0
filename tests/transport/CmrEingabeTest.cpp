#include "Cmrdaten.h"
#include "support/Namens.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"

#include "common/Eingabeauswahl.h"
#include "platform/db/Table.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"
#include "common/Belegformular.h"
#include "common/Positionsformular.h"
#include "common/Pruefdialog.h"
#include "transport/TfrmRegieCMR.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// A lookup answered by the test for its lifetime.
class CmrFalscheAuswahl
{
public:
    CmrFalscheAuswahl(const QString &name, Auswahlergebnis antwort) : name_(name)
    {
        auswahlRegistrieren(name, [this, antwort](const Auswahlanfrage &) {
            ++gefragt;
            return antwort;
        });
    }
    ~CmrFalscheAuswahl() { auswahlRegistrieren(name_, {}); }
    int gefragt = 0;

private:
    QString name_;
};

class CmrEingabeTest : public CmrTest
{
protected:
    void SetUp() override
    {
        CmrTest::SetUp();
        if (IsSkipped())
            return;
        daten->frachtbrief(12, QStringLiteral("Empfänger"), 2);
        regie = std::make_unique<TfrmRegieCMR>(daten->datenbank);
        ASSERT_TRUE(regie->kopf().findKey({12}));
        form = std::make_unique<Belegformular>(*regie, QStringLiteral("BelegNr: 12"));
        form->show();
        QApplication::setActiveWindow(form.get());
    }
    // The forms go before their store.
    void TearDown() override
    {
        form.reset();
        regie.reset();
        CmrTest::TearDown();
    }
    QString text(const char *name) { return qobject_cast<QLineEdit *>(form->steuerelement(QString::fromLatin1(name)))->text(); }
    void tippen(const char *name, const QString &wert)
    {
        auto *edit = qobject_cast<QLineEdit *>(form->steuerelement(QString::fromLatin1(name)));
        edit->setText(wert);
        emit edit->textEdited(wert);
    }
    void plausi(bool an) { daten->setzen(QStringLiteral("UPDATE \"S_PARAME\" SET \"Plausi_10\" = ?"), {an}); regie->regie().parameter().refresh(); }

    std::unique_ptr<TfrmRegieCMR> regie;
    std::unique_ptr<Belegformular> form;
};

// The head of the paper form stands above the boxes.
TEST_P(CmrEingabeTest, TheFormShowsTheHeadOfThePaperForm)
{
    QStringList texte;
    for (const QLabel *label : form->ScrollBox1->content()->findChildren<QLabel *>())
        texte << label->text();
    for (const QString &zeile : {QStringLiteral("INTERNATIONALER"), QStringLiteral("FRACHTBRIEF"),
                                 QStringLiteral("LETTRE DE VOITURE"), QStringLiteral("INTERNATIONAL"),
                                 QStringLiteral("C M R")})
        EXPECT_TRUE(texte.contains(zeile)) << zeile.toStdString();
}

// Customers fill name lines, street and town into the box and move on; the
// forwarder fills five name lines; both are stored at once.
TEST_P(CmrEingabeTest, LookupsFillTheirBoxAndMoveOn)
{
    CmrFalscheAuswahl kunde(QStringLiteral("AuswahlKunde"),
                            QHash<QString, QString>{{QStringLiteral("Name1"), QStringLiteral("Muster GmbH")},
                                                    {QStringLiteral("Name2"), QStringLiteral("Versand")},
                                                    {QStringLiteral("Name3"), QString()},
                                                    {QStringLiteral("Strasse"), QStringLiteral("Hafenweg 1")},
                                                    {QStringLiteral("Ort"), QStringLiteral("Bremen")}});
    CmrFalscheAuswahl spediteur(QStringLiteral("AuswahlSpediteur"),
                                QHash<QString, QString>{{QStringLiteral("Name1"), QStringLiteral("Spedition A")},
                                                        {QStringLiteral("Name5"), QStringLiteral("Linz")}});
    form->auswahlAusfuehren(QStringLiteral("sbKunde2"));
    EXPECT_EQ(text("DBEdit6"), QStringLiteral("Muster GmbH"));
    EXPECT_EQ(text("DBEdit9"), QStringLiteral("Hafenweg 1"));
    EXPECT_EQ(text("DBEdit10"), QStringLiteral("Bremen"));
    EXPECT_EQ(QApplication::focusWidget(), form->steuerelement(QStringLiteral("DBEdit11")));
    EXPECT_EQ(daten->kopf(12, QStringLiteral("C2_4")), QStringLiteral("Hafenweg 1"));

    form->auswahlAusfuehren(QStringLiteral("sbSpedit17"));
    EXPECT_EQ(daten->kopf(12, QStringLiteral("C17_1")), QStringLiteral("Spedition A"));
    EXPECT_EQ(daten->kopf(12, QStringLiteral("C17_5")), QStringLiteral("Linz"));
    EXPECT_EQ(QApplication::focusWidget(), form->steuerelement(QStringLiteral("DBEdit23")));
    EXPECT_EQ(kunde.gefragt, 1);
    EXPECT_EQ(spediteur.gefragt, 1);
}

// A cancelled lookup changes nothing and stores the header; the customer's
// leaves the cursor where it was, the forwarder's moves it on all the same.
TEST_P(CmrEingabeTest, ACancelledLookupMovesOnOnlyForForwarders)
{
    struct Fall
    {
        const char *knopf;
        const char *auswahl;
        const char *fokusDanach;
    };
    for (const Fall fall : {Fall{"sbKunde1", "AuswahlKunde", "DBEdit3"}, Fall{"sbKunde2", "AuswahlKunde", "DBEdit3"},
                            Fall{"sbSpedit16", "AuswahlSpediteur", "DBEdit16"},
                            Fall{"sbSpedit17", "AuswahlSpediteur", "DBEdit23"}}) {
        SCOPED_TRACE(fall.knopf);
        CmrFalscheAuswahl abbruch(QString::fromLatin1(fall.auswahl), std::nullopt);
        form->steuerelement(QStringLiteral("DBEdit3"))->setFocus();
        tippen("DBEdit3", QStringLiteral("getippt"));
        form->auswahlAusfuehren(QString::fromLatin1(fall.knopf));
        EXPECT_EQ(abbruch.gefragt, 1);
        EXPECT_EQ(QApplication::focusWidget(), form->steuerelement(QString::fromLatin1(fall.fokusDanach)));
        EXPECT_EQ(regie->kopf().state(), db::DatasetState::Browse);
        EXPECT_EQ(daten->kopf(12, QStringLiteral("C1_3")), QStringLiteral("getippt"));
        EXPECT_EQ(daten->kopf(12, QStringLiteral("C2_1")), QStringLiteral("Empfänger"));
    }
}

// The goods number of a line comes from the picker; a cancel changes nothing.
TEST_P(CmrEingabeTest, TheLineFormTakesTheGoodsNumber)
{
    db::Table &zeilen = *regie->regie().positionen();
    zeilen.first();
    zeilen.edit();
    Positionsformular zeile(*regie, QStringLiteral("BelegNr: 12"));
    EXPECT_EQ(zeile.statusBar()->panelText(1), QStringLiteral("BelegNr: 12 (1. Position)"));
    {
        CmrFalscheAuswahl abbruch(QStringLiteral("AuswahlWarennummer"), std::nullopt);
        zeile.auswahlAusfuehren(QStringLiteral("sbWare"));
    }
    EXPECT_EQ(daten->wert(QStringLiteral("SELECT \"C10\" FROM \"Cmrfolg\" WHERE \"BelegNr\" = 12 AND \"Pos\" = 1")).toString(),
              QStringLiteral("84713000"));
    CmrFalscheAuswahl ware(QStringLiteral("AuswahlWarennummer"),
                           QHash<QString, QString>{{QStringLiteral("waren"), QStringLiteral("94036090")}});
    zeilen.edit();
    zeile.auswahlAusfuehren(QStringLiteral("sbWare"));
    EXPECT_EQ(daten->wert(QStringLiteral("SELECT \"C10\" FROM \"Cmrfolg\" WHERE \"BelegNr\" = 12 AND \"Pos\" = 1")).toString(),
              QStringLiteral("94036090"));
}

// Sender and consignee each count as missing only with both first lines
// empty; "Korrigieren" keeps the form open in the consignee's box.
TEST_P(CmrEingabeTest, TheCheckAsksForSenderAndConsignee)
{
    plausi(false);
    tippen("DBEdit6", QString());
    EXPECT_TRUE(form->belegPruefen());

    plausi(true);
    tippen("DBEdit1", QString());
    tippen("DBEdit2", QStringLiteral("nur Zeile 2"));
    tippen("DBEdit6", QStringLiteral("Empfänger"));
    EXPECT_TRUE(form->belegPruefen()) << "no dialog: ModalForms would fail the test";

    tippen("DBEdit6", QString());
    QStringList angekreuzt;
    ModalForms formulare;
    formulare.whenShown<Pruefdialog>([&](Pruefdialog &dialog) {
        angekreuzt = dialog.angekreuzt();
        dialog.Korrigieren->click();
    });
    EXPECT_FALSE(form->belegPruefen());
    EXPECT_EQ(angekreuzt, QStringList{QStringLiteral("2 Angaben")});
    EXPECT_EQ(form->focusWidget(), form->steuerelement(QStringLiteral("DBEdit6")));

    formulare.whenShown<Pruefdialog>([](Pruefdialog &dialog) { dialog.Schliessen->click(); });
    EXPECT_TRUE(form->belegPruefen());
}

// Lines: a new one follows the last, a deleted one closes the gap, and the
// header keeps the count.
TEST_P(CmrEingabeTest, LinesAreNumberedWithoutGaps)
{
    ModalForms formulare;
    formulare.whenShown<Positionsformular>([](Positionsformular &zeile) { zeile.setModalResult(ui::ModalResult::Cancel); });
    namens<ui::SpeedButton>(*form, QStringLiteral("nbInsert"))->click();
    EXPECT_EQ(daten->zeilen(12), 3);
    EXPECT_EQ(daten->kopf(12, QStringLiteral("Positionen")), QStringLiteral("3"));
    regie->regie().positionen()->first();
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Datensatz löschen?"), ui::ModalResult::Ok);
    namens<ui::SpeedButton>(*form, QStringLiteral("nbDelete"))->click();
    EXPECT_EQ(daten->wert(QStringLiteral("SELECT MAX(\"Pos\") FROM \"Cmrfolg\" WHERE \"BelegNr\" = 12")).toInt(), 2);
    EXPECT_EQ(daten->kopf(12, QStringLiteral("Positionen")), QStringLiteral("2"));
    EXPECT_EQ(daten->wert(QStringLiteral("SELECT \"C6\" FROM \"Cmrfolg\" WHERE \"BelegNr\" = 12 AND \"Pos\" = 1")).toString(),
              QStringLiteral("Kiste 2"));
}

SPEICHER_TESTS(CmrEingabeTest);

} // namespace
