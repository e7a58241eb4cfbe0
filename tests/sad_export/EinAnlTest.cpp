#include "Eingabetest.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"

#include "common/Programmzustand.h"
#include "platform/db/Table.h"
#include "platform/ui/StatusBar.h"
#include "common/Positionsformular.h"
#include "common/Pruefdialog.h"
#include "sad_export/TfrmRegieAE.h"

#include <QAction>
#include <QGroupBox>

namespace {

class EinAnlTest : public AusfuhrTest
{
protected:
    QString positionsFeld(int pos, const QString &feld)
    {
        return speicherText(*daten,
                            QStringLiteral("SELECT \"%1\" FROM \"EINFOLG\" WHERE \"belegnr\" = 5 AND \"pos\" = ?").arg(feld),
                            {pos});
    }
    static QLineEdit *edit(Eingabeformular &form, const char *name)
    {
        return qobject_cast<QLineEdit *>(form.steuerelement(QString::fromLatin1(name)));
    }
    static QHash<QString, QString> warenNr()
    {
        QHash<QString, QString> werte{{QStringLiteral("waren"), QStringLiteral("84713000")},
                                      {QStringLiteral("Netto"), QStringLiteral("12,5")},
                                      {QStringLiteral("Einheit"), QStringLiteral("Stück")}};
        for (int i = 1; i <= 8; ++i)
            werte.insert(QStringLiteral("bez%1").arg(i), i == 4 ? QString() : QStringLiteral("Zeile %1").arg(i));
        return werte;
    }
};

// The goods-number take-over fills the eight description lines, the goods
// number, the net mass and the units at once, over what was there (an empty
// line of the master empties the box line); the item is posted.
TEST_P(EinAnlTest, GoodsNumberTakeOverFillsTheItem)
{
    daten->erklaerung(5, QStringLiteral("Kunde"), 2);
    daten->datenbank.execute(QStringLiteral("UPDATE \"EINFOLG\" SET \"f31_5\" = 'alt', \"f38\" = '1' "
                                            "WHERE \"belegnr\" = 5 AND \"pos\" = 2"));
    FalscheAuswahl ware(QStringLiteral("AuswahlWarenNr"), [](const Auswahlanfrage &) { return warenNr(); });
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    ASSERT_TRUE(regie.regie().positionen()->findKey({5, 2}));
    for (bool feld33Fokus : {true, false}) {
        programmzustand().AEFeld33Focus = feld33Fokus;
        Positionsformular form(regie, QStringLiteral("BelegNr: 5"));
        eingabeZeigen(form);
        EXPECT_EQ(form.statusBar()->panelText(1), "BelegNr: 5 (2. Position)");
        edit(form, "DBEdit28")->setFocus();
        tasteDruecken(Qt::Key_F9);
        EXPECT_EQ(QApplication::focusWidget(), edit(form, feld33Fokus ? "DBEdit28" : "DBEdit26"));
        form.setModalResult(ui::ModalResult::Cancel);
    }
    programmzustand().AEFeld33Focus = true;
    EXPECT_EQ(ware.anfragen.size(), 2u);
    EXPECT_EQ(positionsFeld(2, QStringLiteral("f31_2")), "Zeile 1");
    EXPECT_EQ(positionsFeld(2, QStringLiteral("f31_5")), "");
    EXPECT_EQ(positionsFeld(2, QStringLiteral("f31_9")), "Zeile 8");
    EXPECT_EQ(positionsFeld(2, QStringLiteral("f33_1")), "84713000");
    EXPECT_EQ(positionsFeld(2, QStringLiteral("f38")), "12,5");
    EXPECT_EQ(positionsFeld(2, QStringLiteral("f41_1")), "Stück");
    EXPECT_EQ(positionsFeld(1, QStringLiteral("f31_2")), "") << "the other item is untouched";
}

// Take-overs put together from several columns: packages (count, a blank,
// the kind) and box 40 (category, code and the hyphens, caret at the end).
TEST_P(EinAnlTest, TakeOversPutColumnsTogether)
{
    daten->erklaerung(5, QStringLiteral("Kunde"), 1);
    struct Fall
    {
        const char *auswahl;
        const char *steuerelement;
        QHash<QString, QString> werte;
        const char *ergebnis;
    };
    const QList<Fall> faelle{
        {"AuswahlPackstueck", "DBEdit25", {{"Anzahl", "12"}, {"packart", "KT"}}, "12 KT"},
        {"AuswahlPackstueck", "DBEdit25", {{"Anzahl", ""}, {"packart", "KT"}}, " KT"},
        {"InfoFeld40", "DBEdit12", {{"Kategorie", "Y"}, {"Code", "740"}}, "Y-740-"},
        {"InfoFeld40", "DBEdit12", {{"Kategorie", ""}, {"Code", "380"}}, "-380-"},
    };
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.ergebnis);
        FalscheAuswahl auswahl(QString::fromLatin1(fall.auswahl), [&](const Auswahlanfrage &) { return fall.werte; });
        Positionsformular form(regie, QStringLiteral("BelegNr: 5"));
        eingabeZeigen(form);
        const QString knopf = QString::fromLatin1(fall.steuerelement) == u"DBEdit25" ? QStringLiteral("sbPackst")
                                                                                     : QStringLiteral("sbFeld40");
        qobject_cast<QAbstractButton *>(form.steuerelement(knopf))->click();
        QLineEdit *ziel = edit(form, fall.steuerelement);
        EXPECT_EQ(ziel->text(), fall.ergebnis);
        if (knopf == u"sbFeld40") {
            EXPECT_EQ(QApplication::focusWidget(), ziel);
            EXPECT_EQ(ziel->cursorPosition(), ziel->text().size());
        }
        form.setModalResult(ui::ModalResult::Cancel);
    }
}

// Box 37: F9 in either field opens the second list and fills the second
// field; the button beside the first opens the first list.
TEST_P(EinAnlTest, Box37ListsFillTheirFields)
{
    daten->erklaerung(5, QStringLiteral("Kunde"), 1);
    FalscheAuswahl erste(QStringLiteral("AuswahlVerfahren1"), [](const Auswahlanfrage &) {
        return QHash<QString, QString>{{QStringLiteral("Code"), QStringLiteral("1000")}};
    });
    FalscheAuswahl zweite(QStringLiteral("AuswahlVerfahren2"), [](const Auswahlanfrage &) {
        return QHash<QString, QString>{{QStringLiteral("Code"), QStringLiteral("001")}};
    });
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Positionsformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    edit(form, "DBEdit2")->setFocus();
    tasteDruecken(Qt::Key_F9);
    EXPECT_EQ(erste.anfragen.size(), 0u);
    EXPECT_EQ(edit(form, "DBEdit3")->text(), "001");
    EXPECT_EQ(QApplication::focusWidget(), edit(form, "DBEdit4"));
    qobject_cast<QAbstractButton *>(form.steuerelement(QStringLiteral("sbVerfahren1")))->click();
    EXPECT_EQ(edit(form, "DBEdit2")->text(), "1000");
    EXPECT_EQ(QApplication::focusWidget(), edit(form, "DBEdit3"));
    form.setModalResult(ui::ModalResult::Cancel);
    EXPECT_EQ(positionsFeld(1, QStringLiteral("f37_1")), "1000");
    EXPECT_EQ(positionsFeld(1, QStringLiteral("f37_2")), "001");
}

// Item 1 of an ordinary declaration has no box-44 lines; item 2 has them.
TEST_P(EinAnlTest, Box44PanelOnlyFromTheSecondItem)
{
    daten->erklaerung(5, QStringLiteral("Kunde"), 2);
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    for (int pos : {1, 2}) {
        ASSERT_TRUE(regie.regie().positionen()->findKey({5, pos}));
        Positionsformular form(regie, QStringLiteral("BelegNr: 5"));
        eingabeZeigen(form);
        EXPECT_EQ(form.steuerelement(QStringLiteral("DBEdit8"))->isVisible(), pos == 2) << pos;
        EXPECT_EQ(form.steuerelement(QStringLiteral("sbFeld44"))->isVisible(), pos == 2) << pos;
        form.setModalResult(ui::ModalResult::Cancel);
    }
}

// The item check: a code in 34a with 34b empty is a gap without the
// "34 Ursp.-Land" tick; "Korrigieren" keeps the form open with the focus in
// the first empty box.
TEST_P(EinAnlTest, ItemCheckOnClosing)
{
    daten->erklaerung(5, QStringLiteral("Kunde"), 1);
    daten->datenbank.execute(QStringLiteral(
        "UPDATE \"EINFOLG\" SET \"f31_3\" = 'Ware', \"f34_1\" = 'DE', \"f37_1\" = '1000', \"f37_2\" = '001', "
        "\"f38\" = '1', \"f41_1\" = '2', \"f46\" = '100' WHERE \"belegnr\" = 5"));
    daten->datenbank.execute(QStringLiteral("UPDATE \"S_PARAME\" SET \"Plausi_1_1\" = ?"), {true});
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({5}));
    Positionsformular form(regie, QStringLiteral("BelegNr: 5"));
    eingabeZeigen(form);
    ModalForms formulare;
    QStringList angekreuzt;
    bool kopfgruppeSichtbar = false;
    formulare.whenShown<Pruefdialog>([&](Pruefdialog &dialog) {
        angekreuzt = dialog.angekreuzt();
        kopfgruppeSichtbar = !dialog.gruppe(0)->isHidden() && !dialog.gruppe(1)->isHidden();
        dialog.Korrigieren->click();
    });
    form.setModalResult(ui::ModalResult::Cancel);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(angekreuzt, QStringList()) << "34a holds a code";
    EXPECT_TRUE(kopfgruppeSichtbar);
    EXPECT_EQ(form.focusWidget(), edit(form, "DBEdit7"));

    eintippen(edit(form, "DBEdit7"), QStringLiteral("02"));
    ModalForms ohneDialog;
    ohneDialog.failIfShown<Pruefdialog>();
    form.setModalResult(ui::ModalResult::Cancel);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(positionsFeld(1, QStringLiteral("f34_2")), "02") << "closing posts the item";
}

} // namespace

AUSFUHR_TESTS(EinAnlTest);
