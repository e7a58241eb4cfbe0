#include "Stammdatenbestand.h"
#include "support/PressKey.h"

#include "masterdata/TfrmAllgemein.h"
#include "masterdata/TfrmData1.h"
#include "masterdata/Typuebernahme.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QKeyEvent>

namespace {

using masterdata::Schluesselart;
using masterdata::Typuebernahme;

const QString keinLand = QStringLiteral("Es wurde kein Datensatz mit dieser Länderkennzahl gefunden!");

class Datenmodul : public Stammdatenbestand
{
protected:
    void SetUp() override
    {
        Stammdatenbestand::SetUp();
        if (IsSkipped())
            return;
        anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez"), QStringLiteral("Lkz")},
                {{QStringLiteral("004"), QStringLiteral("Deutschland"), QStringLiteral("DE")},
                 {QStringLiteral("008"), QStringLiteral("Dänemark"), QStringLiteral("DK")},
                 {QStringLiteral("001"), QStringLiteral("Frankreich"), QStringLiteral("FR")}});
        anlegen(QStringLiteral("S_KUNDEN"), {QStringLiteral("nummer"), QStringLiteral("name1")},
                {{12, QStringLiteral("Müller")}, {120, QStringLiteral("Meier")}});
        masterdata::datenmodulErzeugen();
    }
    void TearDown() override
    {
        masterdata::datenmodulFreigeben();
        Stammdatenbestand::TearDown();
    }

    db::Table &land() { return *masterdata::frmData1()->tbLand; }
    QString lkz() { return land().fieldByName(QStringLiteral("Lkz")).asString(); }
};

// Box-17a style: the typed start of an alpha-2 code in either case resolves
// to its one country at once, to the chooser for several, and to the
// no-match message for none; the field's text is the caller's and stays.
TEST_P(Datenmodul, ATypedCodeResolvesToNoneOneOrAChoiceAmongSeveral)
{
    Typuebernahme feld17a(land(), QStringLiteral("LKZ"), Schluesselart::Praefix, keinLand);

    formulare.failIfShown<TfrmAllgemein>();
    feld17a.textGeaendert(QStringLiteral("f"));
    EXPECT_TRUE(feld17a.aufloesen(QStringLiteral("f")));
    EXPECT_EQ(lkz(), QStringLiteral("FR"));

    dialoge.answerMessage(keinLand, ui::ModalResult::Ok);
    EXPECT_FALSE(feld17a.aufloesen(QStringLiteral("x")));
    EXPECT_TRUE(dialoge.allAnswered());
}

TEST_P(Datenmodul, SeveralMatchesOpenTheChooserOnTheModulesTable)
{
    Typuebernahme feld17a(land(), QStringLiteral("LKZ"), Schluesselart::Praefix, keinLand);
    QStringList spalten;
    int zeilen = 0;
    formulare.whenShown<TfrmAllgemein>([&](TfrmAllgemein &chooser) {
        chooser.DBGrid1->refresh();
        zeilen = chooser.DBGrid1->rowCount();
        for (const ui::GridColumn &spalte : chooser.DBGrid1->columns())
            spalten << spalte.fieldName;
        chooser.DBGrid1->dataSource()->dataSet()->next();
        pressKey(&chooser, Qt::Key_Return);
    });
    EXPECT_TRUE(feld17a.aufloesen(QStringLiteral("d")));
    EXPECT_EQ(zeilen, 2);
    EXPECT_EQ(spalten, (QStringList{QStringLiteral("Land"), QStringLiteral("Bez"), QStringLiteral("Lkz")}));
    EXPECT_EQ(lkz(), QStringLiteral("DK"));

    formulare.whenShown<TfrmAllgemein>([](TfrmAllgemein &chooser) { chooser.SpeedButton1->click(); });
    EXPECT_FALSE(feld17a.aufloesen(QStringLiteral("D")));
}

// Typed text never breaks the filter: an apostrophe is a letter, a letter
// in a number field matches nothing; both give the no-match message.
TEST_P(Datenmodul, AnApostropheOrALetterInANumberKeyIsNoMatchNotAnError)
{
    Typuebernahme feld17a(land(), QStringLiteral("LKZ"), Schluesselart::Praefix, keinLand);
    Typuebernahme kunde(*masterdata::frmData1()->tbKunden, QStringLiteral("nummer"), Schluesselart::Zahl,
                        QStringLiteral("Es wurde kein Kunde mit dieser Nummer gefunden!"));
    dialoge.answerMessage(keinLand, ui::ModalResult::Ok);
    dialoge.answerMessage(QStringLiteral("kein Kunde"), ui::ModalResult::Ok);
    feld17a.textGeaendert(QStringLiteral("d'"));
    EXPECT_FALSE(feld17a.aufloesen(QStringLiteral("d'")));
    kunde.textGeaendert(QStringLiteral("1a"));
    EXPECT_FALSE(kunde.aufloesen(QStringLiteral("1a")));
    // An exact number: 12, not 120.
    EXPECT_TRUE(kunde.aufloesen(QStringLiteral("12")));
    EXPECT_EQ(masterdata::frmData1()->tbKunden->fieldByName(QStringLiteral("name1")).asString(), QStringLiteral("Müller"));
    EXPECT_TRUE(dialoge.allAnswered());
}

// Clearing the field keeps the filter and writes nothing; a second user of
// the same table counts under its own filter; after the module was made
// anew its tables are open without filter.
TEST_P(Datenmodul, FiltersStayUntilTheNextUserAndTheModuleComesBackFresh)
{
    Typuebernahme feld17a(land(), QStringLiteral("LKZ"), Schluesselart::Praefix, keinLand);
    Typuebernahme landNummer(land(), QStringLiteral("Land"), Schluesselart::Praefix, keinLand);
    feld17a.textGeaendert(QStringLiteral("fr"));
    feld17a.textGeaendert(QString());
    EXPECT_FALSE(feld17a.aufloesen(QString()));
    EXPECT_EQ(land().recordCount(), 1);

    formulare.failIfShown<TfrmAllgemein>();
    EXPECT_TRUE(landNummer.aufloesen(QStringLiteral("004")));
    EXPECT_EQ(lkz(), QStringLiteral("DE"));

    masterdata::datenmodulFreigeben();
    EXPECT_EQ(masterdata::frmData1(), nullptr);
    masterdata::datenmodulErzeugen();
    EXPECT_TRUE(land().isOpen());
    EXPECT_FALSE(land().filtered());
    EXPECT_EQ(land().recordCount(), 3);
}

// Bound to a data edit: leaving the field takes the record.
TEST_P(Datenmodul, LeavingABoundEditHandsTheRecordToTheForm)
{
    Typuebernahme feld17a(land(), QStringLiteral("LKZ"), Schluesselart::Praefix, keinLand);
    ui::DataEdit edit;
    QString genommen;
    feld17a.anbinden(&edit, [&](db::Table &tabelle) { genommen = tabelle.fieldByName(QStringLiteral("Lkz")).asString(); });
    edit.setText(QStringLiteral("f"));
    emit edit.exited();
    EXPECT_EQ(genommen, QStringLiteral("FR"));
}

INSTANTIATE_TEST_SUITE_P(Speicher, Datenmodul, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
