#include "Formhilfen.h"
#include "Stammdatenbestand.h"

#include "masterdata/Hafen.h"
#include "masterdata/Liefer.h"
#include "masterdata/Urzeug.h"
#include "masterdata/Verzweig.h"
#include "masterdata/Zoll.h"

#include "common/RadioGroup.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmSuche.h"

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>

namespace {

// A second master on the same engine: number key, take-over buttons, a
// check box and a country.
class TfrmTestStamm : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmTestStamm(QWidget *parent = nullptr) : Stammformular(deklaration(), parent) {}

    static masterdata::Stammdeklaration deklaration()
    {
        masterdata::Stammdeklaration d;
        d.name = QStringLiteral("frmTestStamm");
        d.titel = QStringLiteral("Teststamm");
        d.tabelle = QStringLiteral("S_TEST");
        d.ordnung = QStringLiteral("iName");
        d.suche = {{QStringLiteral("Nummer"), QStringLiteral("Nummer"), false, 11},
                   {QStringLiteral("Name"), QStringLiteral("Name"), true, 0},
                   {QStringLiteral("Kennung"), QStringLiteral("Kennung"), true, 11}};
        d.ordnungNachSuche = QStringLiteral("iName");
        d.karte = {{.feld = QStringLiteral("Nummer"), .beschriftung = QStringLiteral("Nummer")},
                   {.feld = QStringLiteral("Name"), .beschriftung = QStringLiteral("Name")},
                   {.feld = QStringLiteral("Kennung"), .beschriftung = QStringLiteral("Kennung")},
                   {.feld = QStringLiteral("Aktiv"),
                    .beschriftung = QStringLiteral("Aktiv"),
                    .art = masterdata::Eingabeart::Kontrollkaestchen,
                    .wahr = QStringLiteral("J"),
                    .falsch = QStringLiteral("N")},
                   {.feld = QStringLiteral("Land"),
                    .beschriftung = QStringLiteral("Land"),
                    .art = masterdata::Eingabeart::Auswahl,
                    .liste = masterdata::landNachNummer()}};
        d.uebernahme = {QStringLiteral("BitBtn1"), QStringLiteral("bbtAbbruch"), QStringLiteral("Abbruch"), true};
        return d;
    }
};

struct Knoepfe
{
    bool erster, vorheriger, naechster, letzter;
    bool operator==(const Knoepfe &) const = default;
};

Knoepfe knoepfe(const masterdata::Stammformular &form)
{
    return {form.SpeedButton13->isEnabled(), form.SpeedButton14->isEnabled(), form.SpeedButton15->isEnabled(),
            form.SpeedButton16->isEnabled()};
}

std::ostream &operator<<(std::ostream &aus, const Knoepfe &k)
{
    return aus << k.erster << k.vorheriger << k.naechster << k.letzter;
}

class Stammformular : public Stammdatenbestand
{
protected:
    void zollstellen(int anzahl)
    {
        QList<QVariantList> zeilen;
        for (int i = 1; i <= anzahl; ++i)
            zeilen.append({QStringLiteral("DE%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("Ort %1").arg(i)});
        anlegen(QStringLiteral("S_ZOLLST"), {QStringLiteral("Zollst"), QStringLiteral("Ort")}, zeilen);
    }

    void testStamm()
    {
        anlegen(QStringLiteral("S_TEST"), {QStringLiteral("Nummer"), QStringLiteral("Name"), QStringLiteral("Kennung")},
                {{12, QStringLiteral("Zwölf"), QStringLiteral("ABCDEFGHIJKLMNO")},
                 {120, QStringLiteral("O'Brien"), QStringLiteral("X1")},
                 {7, QStringLiteral("obermeier"), QStringLiteral("ABCDEFGHIJ")}});
    }
};

TEST_P(Stammformular, NavigationButtonsFollowTheCursorOnEmptyOneRowAndLongerTables)
{
    const Knoepfe vorneZu{false, false, true, true};
    const Knoepfe hintenZu{true, true, false, false};
    const Knoepfe alle{true, true, true, true};
    {
        TfrmZoll leer;
        zeigen(leer);
        EXPECT_EQ(knoepfe(leer), hintenZu);
    }
    zollstellen(1);
    {
        TfrmZoll eine;
        zeigen(eine);
        EXPECT_EQ(knoepfe(eine), hintenZu);
    }
    anlegen(QStringLiteral("S_ZOLLST"), {QStringLiteral("Zollst")},
            {{QStringLiteral("DE002")}, {QStringLiteral("DE003")}, {QStringLiteral("DE004")}});
    TfrmZoll form;
    zeigen(form);
    EXPECT_EQ(knoepfe(form), vorneZu);
    form.SpeedButton15->click();
    EXPECT_EQ(knoepfe(form), alle);
    form.SpeedButton15->click();
    form.SpeedButton15->click();
    EXPECT_EQ(feld(form, QStringLiteral("Zollst")), QStringLiteral("DE004"));
    EXPECT_EQ(knoepfe(form), hintenZu);
    form.SpeedButton14->click();
    EXPECT_EQ(knoepfe(form), alle);
    form.SpeedButton16->click();
    EXPECT_EQ(knoepfe(form), hintenZu);
    form.SpeedButton13->click();
    EXPECT_EQ(knoepfe(form), vorneZu);
    EXPECT_EQ(feld(form, QStringLiteral("Zollst")), QStringLiteral("DE001"));
}

TEST_P(Stammformular, AddEditAndDeleteWithAndWithoutConfirmation)
{
    zollstellen(2);
    {
        TfrmZoll form;
        zeigen(form);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Zollstellen"));
        EXPECT_EQ(form.SpeedButton17->toolTip(), QStringLiteral("Zollstelle hinzufügen"));
        form.SpeedButton17->click();
        EXPECT_EQ(form.Table1->state(), db::DatasetState::Insert);
        EXPECT_EQ(QApplication::focusWidget(), edit(form, 1));
        tippen(edit(form, 1), QStringLiteral("DE999"));
        tippen(edit(form, 3), QStringLiteral("Bremen"));
        form.SpeedButton13->click();   // moving on posts
        EXPECT_EQ(anzahl(QStringLiteral("S_ZOLLST"), QStringLiteral("\"Ort\" = ?"), {QStringLiteral("Bremen")}), 1);

        form.SpeedButton19->click();
        EXPECT_EQ(form.Table1->state(), db::DatasetState::Edit);
        EXPECT_EQ(QApplication::focusWidget(), edit(form, 1));
        tippen(edit(form, 3), QStringLiteral(" Nord"));

        dialoge.answerMessage(QStringLiteral("Datensatz löschen?"), ui::ModalResult::Cancel);
        form.SpeedButton18->click();
        dialoge.answerMessage(QStringLiteral("Datensatz löschen?"), ui::ModalResult::Ok);
        form.SpeedButton16->click();
        form.SpeedButton18->click();
        EXPECT_TRUE(dialoge.allAnswered());
        form.findChild<QAction *>(QStringLiteral("mnuSchliessen"))->trigger();
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_EQ(anzahl(QStringLiteral("S_ZOLLST")), 2);
    EXPECT_EQ(wert(QStringLiteral("SELECT \"Ort\" FROM \"S_ZOLLST\" WHERE \"Zollst\" = 'DE001'")).toString(),
              QStringLiteral("Ort 1 Nord"));
    EXPECT_EQ(anzahl(QStringLiteral("S_ZOLLST"), QStringLiteral("\"Zollst\" = 'DE999'")), 0);
}

TEST_P(Stammformular, ARefusedPostOnClosingKeepsTheFormOpenAndNothingHalfSaved)
{
    zollstellen(1);
    TfrmZoll form;
    zeigen(form);
    form.SpeedButton17->click();
    tippen(edit(form, 1), QStringLiteral("DE001"));
    tippen(edit(form, 3), QStringLiteral("Doppelt"));
    dialoge.answerMessage(QStringLiteral("\nDaten konnten nicht gespeichert werden!"), ui::ModalResult::Ok);
    form.findChild<QAction *>(QStringLiteral("mnuSchliessen"))->trigger();
    EXPECT_TRUE(dialoge.allAnswered());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Table1->state(), db::DatasetState::Insert);
    EXPECT_EQ(wert(QStringLiteral("SELECT \"Ort\" FROM \"S_ZOLLST\"")).toString(), QStringLiteral("Ort 1"));
    EXPECT_EQ(anzahl(QStringLiteral("S_ZOLLST")), 1);

    tippen(edit(form, 1), QStringLiteral("2"));
    form.findChild<QAction *>(QStringLiteral("mnuSchliessen"))->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(anzahl(QStringLiteral("S_ZOLLST"), QStringLiteral("\"Zollst\" = 'DE0012'")), 1);
}

TEST_P(Stammformular, TextInANumberFieldIsRefusedAndNothingIsSaved)
{
    TfrmLieferbedingungen form;
    zeigen(form);
    form.SpeedButton17->click();
    tippen(edit(form, 1), QStringLiteral("FOB"));
    tippen(edit(form, 4), QStringLiteral("viel"));
    dialoge.answerMessage(QString(), ui::ModalResult::Ok);
    form.findChild<QAction *>(QStringLiteral("mnuSchliessen"))->trigger();
    EXPECT_TRUE(dialoge.allAnswered());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(anzahl(QStringLiteral("S_LIEFER")), 0);
}

TEST_P(Stammformular, EnterMovesAsEachMasterDeclares)
{
    struct Fall
    {
        std::function<std::unique_ptr<masterdata::Stammformular>()> form;
        int von;
        int nach;
    };
    const auto hafen = [] { return std::make_unique<TfrmHafen>(); };
    const auto verkehr = [] { return std::make_unique<TfrmVerkehrszweig>(); };
    const auto zoll = [] { return std::make_unique<TfrmZoll>(); };
    const auto liefer = [] { return std::make_unique<TfrmLieferbedingungen>(); };
    const QList<Fall> faelle = {{hafen, 1, 2}, {hafen, 2, 2},  {verkehr, 1, 2}, {verkehr, 2, 3},
                                {zoll, 1, 2},  {zoll, 3, 4},   {liefer, 1, 1}};
    for (const Fall &fall : faelle) {
        const auto form = fall.form();
        zeigen(*form);
        form->SpeedButton17->click();
        edit(*form, fall.von)->setFocus();
        taste(Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(QApplication::focusWidget(), edit(*form, fall.nach))
            << form->objectName().toStdString() << " " << fall.von;
        form->Table1->cancel();
    }
}

TEST_P(Stammformular, SearchBindsTheTextCutsTheKeyAndOrdersByTheTextAfterwards)
{
    testStamm();
    TfrmTestStamm form;
    zeigen(form);
    struct Suche
    {
        int kriterium;
        QString text;
        int treffer;
        bool uebernehmen;
        QString gewaehlt;   // Name of the record taken
    };
    const QList<Suche> suchen = {
        {1, QStringLiteral("o'b"), 1, true, QStringLiteral("O'Brien")},
        {0, QStringLiteral("12"), 1, true, QStringLiteral("Zwölf")},
        {0, QStringLiteral("zwölf"), 0, false, {}},
        {2, QStringLiteral("ABCDEFGHIJKxyz"), 1, true, QStringLiteral("Zwölf")},
        {2, QStringLiteral("ABCDEFGHIJ"), 2, false, {}},
        {1, QString(), 3, false, {}},
    };
    for (const Suche &suche : suchen) {
        form.Table1->setIndexName(QString());
        int gefunden = -1;
        formulare.whenShown<TfrmSuche>([&](TfrmSuche &dialog) {
            dialog.RadioGroup1->setItemIndex(suche.kriterium);
            dialog.Edit1->setText(suche.text);
            dialog.SpeedButton3->click();
            gefunden = form.Table1->recordCount();
            (suche.uebernehmen ? dialog.SpeedButton1 : dialog.SpeedButton2)->click();
        });
        form.findChild<QAction *>(QStringLiteral("mnuSuche"))->trigger();
        EXPECT_EQ(gefunden, suche.treffer) << suche.text.toStdString();
        EXPECT_FALSE(form.Table1->filtered());
        EXPECT_EQ(form.Table1->recordCount(), 3);
        if (suche.uebernehmen) {
            EXPECT_EQ(feld(form, QStringLiteral("Name")), suche.gewaehlt) << suche.text.toStdString();
            EXPECT_EQ(form.Table1->indexName(), QStringLiteral("iName"));
        } else {
            EXPECT_EQ(form.Table1->indexName(), QString()) << suche.text.toStdString();
        }
    }
}

TEST_P(Stammformular, TakeOverModeClosesWithOneOrTwoAndTheCallerReadsTable1)
{
    testStamm();
    {
        TfrmTestStamm upkeep;
        zeigen(upkeep);
        EXPECT_FALSE(upkeep.findChild<QAbstractButton *>(QStringLiteral("BitBtn1"))->isVisible());
        // Without the take-over buttons a double click takes nothing.
        emit upkeep.dbgrBenutzer->recordDoubleClicked();
        EXPECT_TRUE(upkeep.isVisible());
    }
    struct Fall
    {
        std::function<void(TfrmTestStamm &)> aktion;
        int ergebnis;
    };
    const QList<Fall> faelle = {
        {[](TfrmTestStamm &f) { f.findChild<QAbstractButton *>(QStringLiteral("BitBtn1"))->click(); }, 1},
        {[](TfrmTestStamm &f) { emit f.dbgrBenutzer->recordDoubleClicked(); }, 1},
        {[](TfrmTestStamm &f) { f.findChild<QAbstractButton *>(QStringLiteral("bbtAbbruch"))->click(); }, 2},
    };
    for (const Fall &fall : faelle) {
        TfrmTestStamm form;
        form.oeffnen();
        ASSERT_TRUE(form.Table1->locate(QStringLiteral("Nummer"), {7}));
        form.uebernahmeZeigen();
        formulare.whenShown<TfrmTestStamm>([&](TfrmTestStamm &gezeigt) {
            EXPECT_EQ(feld(gezeigt, QStringLiteral("Name")), QStringLiteral("obermeier"));
            ASSERT_TRUE(gezeigt.Table1->locate(QStringLiteral("Nummer"), {120}));
            fall.aktion(gezeigt);
        });
        EXPECT_EQ(form.exec(), fall.ergebnis);
        EXPECT_EQ(form.Table1->fieldByName(QStringLiteral("Nummer")).asInteger(), 120);
    }
}

TEST_P(Stammformular, TheCountryComboTypesAheadByNameAndReturnsToTheNumberOrder)
{
    anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez")},
            {{QStringLiteral("004"), QStringLiteral("Deutschland")},
             {QStringLiteral("001"), QStringLiteral("Frankreich")},
             {QStringLiteral("017"), QStringLiteral("Belgien")}});
    TfrmUrzeug form;
    zeigen(form);
    EXPECT_EQ(form.PageControl1->currentIndex(), 0);
    form.SpeedButton17->click();
    EXPECT_EQ(form.PageControl1->currentIndex(), 1);
    tippen(edit(form, 1), QStringLiteral("1"));
    auto *land = form.findChild<ui::DataLookupComboBox *>(QStringLiteral("DBLookupComboBox1"));
    ASSERT_NE(land, nullptr);
    land->setFocus();
    struct Taste
    {
        QString zeichen;
        QString land;
    };
    for (const Taste &t : {Taste{QStringLiteral("d"), QStringLiteral("004")}, Taste{QStringLiteral("E"), QStringLiteral("001")},
                           Taste{QStringLiteral("7"), QStringLiteral("001")}, Taste{QStringLiteral("B"), QStringLiteral("017")}}) {
        taste(0, t.zeichen);
        EXPECT_EQ(feld(form, QStringLiteral("land")), t.land) << t.zeichen.toStdString();
    }
    auto *liste = form.findChild<db::Table *>(QStringLiteral("Table2"));
    EXPECT_EQ(liste->indexName(), QStringLiteral("iBez"));
    edit(form, 2)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(liste->indexName(), QString());
    EXPECT_EQ(land->currentText(), QStringLiteral("Belgien"));
    form.findChild<QAction *>(QStringLiteral("mnuSchliessen"))->trigger();
    EXPECT_EQ(wert(QStringLiteral("SELECT \"land\" FROM \"S_URZEUG\" WHERE \"uzklaus\" = '1'")).toString(),
              QStringLiteral("017"));
}

INSTANTIATE_TEST_SUITE_P(Speicher, Stammformular, testing::Values(Speicher::SQLite, Speicher::PostgreSQL),
                         speicherName);

} // namespace

#include "StammformularTest.moc"
