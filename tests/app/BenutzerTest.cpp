#include "StartUmgebung.h"

#include "app/Benutzer.h"
#include "common/RadioGroup.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmSuche.h"

#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class Benutzerverwaltung : public StartUmgebung
{
protected:
    void SetUp() override
    {
        StartUmgebung::SetUp();
        einrichten();
        db::Database::alias(QStringLiteral("Z_Tavero")).setPath(daten());
    }

    db::Database &store() { return db::Database::alias(QStringLiteral("Z_Tavero")); }

    int druckEinstellungen(const QString &ordner)
    {
        db::Database eigene(QStringLiteral("Razazu"));
        eigene.setPath(ordner);
        eigene.open();
        if (!eigene.tableExists(QStringLiteral("S_BENUTZ")))
            return -1;
        db::Table druck(eigene, QStringLiteral("S_BENUTZ"));
        druck.open();
        return druck.recordCount();
    }

    static void tippen(QWidget *ziel, const QString &text)
    {
        for (QChar zeichen : text) {
            QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(zeichen));
            QApplication::sendEvent(ziel, &druck);
        }
    }
};

TEST_F(Benutzerverwaltung, TheFirstOpeningOfAnEmptyUserTableCreatesTheAdministratorWithHisFolder)
{
    {
        db::Table benutzer(store(), QStringLiteral("S_BEARB"));
        benutzer.open();
        benutzer.first();
        benutzer.remove();
    }
    ASSERT_TRUE(QDir(programm.datei(QStringLiteral("User1"))).removeRecursively());

    TfrmBenutzer form{QString()};

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Benutzerverwaltung"));
    ASSERT_EQ(form.tbBenutzer->recordCount(), 1);
    EXPECT_EQ(form.tbBenutzer->fieldByName(QStringLiteral("Kurzname")).asString(), QStringLiteral("Systemverwalter"));
    EXPECT_EQ(form.tbBenutzer->fieldByName(QStringLiteral("Funktion")).asString(), QStringLiteral("Systemverwalter"));
    EXPECT_EQ(form.tbBenutzer->fieldByName(QStringLiteral("UserNr")).asInteger(), 1);
    EXPECT_EQ(druckEinstellungen(programm.datei(QStringLiteral("User1"))), 66);
    // Nobody known is logged in: only his own record, nothing else.
    for (QWidget *aus : std::initializer_list<QWidget *>{form.DBGrid1, form.DBComboBox1, form.sbHinzufuegen,
                                                          form.sbLoeschen, form.sbBearbeiten, form.sbErster,
                                                          form.sbLetzter})
        EXPECT_FALSE(aus->isEnabled()) << aus->objectName().toStdString();
    EXPECT_TRUE(form.sbSchliessen->isEnabled());
}

TEST_F(Benutzerverwaltung, ANewUserGetsTheNextNumberAndACopyOfThePrintSettings)
{
    benutzerAnlegen(QStringLiteral("meier"), {}, 4);
    // The folder of a deleted user with that number stays as it is.
    QDir().mkpath(programm.datei(QStringLiteral("User5")));
    QFile marke(programm.datei(QStringLiteral("User5/eigene.txt")));
    ASSERT_TRUE(marke.open(QIODevice::WriteOnly));
    marke.close();
    benutzerAnlegen(QStringLiteral("alt"), {}, 5);
    {
        db::Table benutzer(store(), QStringLiteral("S_BEARB"));
        benutzer.open();
        ASSERT_TRUE(benutzer.findKey({QStringLiteral("alt")}));
        benutzer.remove();
    }

    formulare.whenShown<TfrmBenutzer>([this](TfrmBenutzer &form) {
        EXPECT_TRUE(form.sbHinzufuegen->isEnabled());
        form.sbHinzufuegen->click();
        EXPECT_EQ(form.tbBenutzer->state(), db::DatasetState::Insert);
        EXPECT_EQ(form.tbBenutzer->fieldByName(QStringLiteral("UserNr")).asInteger(), 5);
        tippen(form.DBEdit1, QStringLiteral("neu"));
        tippen(form.DBEdit6, QStringLiteral("Kennwort"));
        form.sbSchliessen->click();
    });
    dialoge.answerMessage(QStringLiteral("Änderungen erst nach einem Programm-Neustart wirksam"), ui::ModalResult::Ok);

    BenutzerVerwalten(QStringLiteral("Systemverwalter"));

    db::Table benutzer(store(), QStringLiteral("S_BEARB"));
    benutzer.open();
    ASSERT_TRUE(benutzer.findKey({QStringLiteral("neu")}));
    EXPECT_EQ(benutzer[QStringLiteral("UserNr")].asInteger(), 5);
    EXPECT_EQ(benutzer[QStringLiteral("Passwort")].asString(), QStringLiteral("Kennwort"));
    EXPECT_EQ(druckEinstellungen(programm.datei(QStringLiteral("User5"))), -1);
    EXPECT_TRUE(QFile::exists(marke.fileName()));
}

TEST_F(Benutzerverwaltung, OnlyOneAdministratorMayStayAndTheRefusalAllowsDeletingOne)
{
    benutzerAnlegen(QStringLiteral("meier"), {}, 2);
    TfrmBenutzer form(QStringLiteral("Systemverwalter"));
    form.show();

    dialoge.answerMessage(QStringLiteral("Sie können den Systemverwalter nicht löschen"), ui::ModalResult::Ok)
        .answerMessage(QStringLiteral("Jetzt Beenden?"), ui::ModalResult::No);
    form.sbLoeschen->click();
    EXPECT_EQ(form.tbBenutzer->recordCount(), 2);

    ASSERT_TRUE(form.tbBenutzer->findKey({QStringLiteral("meier")}));
    form.tbBenutzer->fieldByName(QStringLiteral("Funktion")).setAsString(QStringLiteral("Systemverwalter"));
    dialoge.answerMessage(QStringLiteral("Sie können nur einen Systemverwalter anlegen!"), ui::ModalResult::Ok);
    form.sbSchliessen->click();
    EXPECT_TRUE(form.isVisible());

    dialoge.answerMessage(QStringLiteral("Möchten Sie diesen Benutzer löschen"), ui::ModalResult::Yes)
        .answerMessage(QStringLiteral("Jetzt Beenden?"), ui::ModalResult::No);
    form.sbLoeschen->click();
    EXPECT_EQ(form.tbBenutzer->recordCount(), 1);

    form.sbSchliessen->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.GeaenderteDaten());
    EXPECT_TRUE(enden.isEmpty());
}

TEST_F(Benutzerverwaltung, AnOrdinaryUserChangesOnlyHisOwnEntry)
{
    benutzerAnlegen(QStringLiteral("meier"), QStringLiteral("alt"), 2);
    benutzerAnlegen(QStringLiteral("zander"), {}, 3);
    TfrmBenutzer form(QStringLiteral("meier"));
    form.show();

    EXPECT_EQ(form.tbBenutzer->fieldByName(QStringLiteral("Kurzname")).asString(), QStringLiteral("meier"));
    for (QWidget *aus : std::initializer_list<QWidget *>{form.DBGrid1, form.DBComboBox1, form.sbHinzufuegen,
                                                          form.sbLoeschen, form.sbBearbeiten, form.sbErster,
                                                          form.sbVorheriger, form.sbNaechster, form.sbLetzter})
        EXPECT_FALSE(aus->isEnabled()) << aus->objectName().toStdString();
    for (QWidget *an : std::initializer_list<QWidget *>{form.sbSuche, form.sbSchliessen, form.DBEdit2, form.DBEdit6})
        EXPECT_TRUE(an->isEnabled()) << an->objectName().toStdString();

    form.DBEdit6->selectAll();
    tippen(form.DBEdit6, QStringLiteral("neu"));
    form.sbSchliessen->click();
    EXPECT_FALSE(form.isVisible());

    db::Table benutzer(store(), QStringLiteral("S_BEARB"));
    benutzer.open();
    ASSERT_TRUE(benutzer.findKey({QStringLiteral("meier")}));
    EXPECT_EQ(benutzer[QStringLiteral("Passwort")].asString(), QStringLiteral("neu"));
}

TEST_F(Benutzerverwaltung, NavigationButtonsFollowThePosition)
{
    benutzerAnlegen(QStringLiteral("meier"), {}, 2);
    benutzerAnlegen(QStringLiteral("zander"), {}, 3);
    TfrmBenutzer form(QStringLiteral("Systemverwalter"));
    struct Fall
    {
        ui::SpeedButton *knopf;
        const char *kurzname;
        bool vorne;
        bool hinten;
    };
    // Key order, capitals first: Systemverwalter, meier, zander.
    for (const Fall &fall : {Fall{form.sbErster, "Systemverwalter", false, true}, Fall{form.sbNaechster, "meier", true, true},
                             Fall{form.sbLetzter, "zander", true, false}, Fall{form.sbVorheriger, "meier", true, true}}) {
        fall.knopf->click();
        EXPECT_EQ(form.tbBenutzer->fieldByName(QStringLiteral("Kurzname")).asString(), QLatin1String(fall.kurzname));
        EXPECT_EQ(form.sbErster->isEnabled(), fall.vorne) << fall.kurzname;
        EXPECT_EQ(form.sbVorheriger->isEnabled(), fall.vorne) << fall.kurzname;
        EXPECT_EQ(form.sbNaechster->isEnabled(), fall.hinten) << fall.kurzname;
        EXPECT_EQ(form.sbLetzter->isEnabled(), fall.hinten) << fall.kurzname;
    }
}

TEST_F(Benutzerverwaltung, TheSearchFindsByTheStartOfTheNameInTheSameCaseAndReturnsToTheWholeList)
{
    struct Person
    {
        const char *kurzname;
        const char *name;
    };
    int nummer = 2;
    for (const Person &person : {Person{"mm", "Müller"}, Person{"ml", "müller"}, Person{"od", "O'Donnell"},
                                 Person{"mk", "Mückenberger"}}) {
        benutzerAnlegen(QLatin1String(person.kurzname), {}, nummer++);
        db::Table benutzer(store(), QStringLiteral("S_BEARB"));
        benutzer.open();
        ASSERT_TRUE(benutzer.findKey({QLatin1String(person.kurzname)}));
        benutzer[QStringLiteral("Name")].setAsString(QString::fromUtf8(person.name));
        benutzer.post();
    }
    TfrmBenutzer form(QStringLiteral("Systemverwalter"));
    struct Suche
    {
        int kriterium;
        const char *text;
        int treffer;
        bool uebernehmen;
    };
    for (const Suche &suche : {Suche{1, "Mü", 2, true}, Suche{1, "O'D", 1, true}, Suche{0, "m", 3, false}}) {
        int gefunden = -1;
        QString gewaehlt;
        formulare.whenShown<TfrmSuche>([&](TfrmSuche &dialog) {
            dialog.RadioGroup1->setItemIndex(suche.kriterium);
            dialog.Edit1->setText(QString::fromUtf8(suche.text));
            dialog.SpeedButton3->click();
            gefunden = form.tbBenutzer->recordCount();
            form.tbBenutzer->last();
            gewaehlt = form.tbBenutzer->fieldByName(QStringLiteral("Kurzname")).asString();
            (suche.uebernehmen ? dialog.SpeedButton1 : dialog.SpeedButton2)->click();
        });
        form.sbSuche->click();
        EXPECT_EQ(gefunden, suche.treffer) << suche.text;
        EXPECT_EQ(form.tbBenutzer->recordCount(), 5) << suche.text;
        if (suche.uebernehmen) {
            EXPECT_EQ(form.tbBenutzer->fieldByName(QStringLiteral("Kurzname")).asString(), gewaehlt) << suche.text;
        }
    }
}

TEST_F(Benutzerverwaltung, AFolderThatCannotBeMadeOrADuplicateShortNameKeepTheNewRecordAndSaySo)
{
    benutzerAnlegen(QStringLiteral("meier"), {}, 2);
    // A file in the way of the new user's folder.
    QFile imWeg(programm.datei(QStringLiteral("User3")));
    ASSERT_TRUE(imWeg.open(QIODevice::WriteOnly));
    imWeg.close();
    TfrmBenutzer form(QStringLiteral("Systemverwalter"));
    form.show();

    dialoge.answerMessage(QStringLiteral("Fehler beim anlegen eines Verzeichnisses"), ui::ModalResult::Ok);
    form.sbHinzufuegen->click();
    EXPECT_TRUE(dialoge.allAnswered());
    EXPECT_EQ(form.tbBenutzer->state(), db::DatasetState::Insert);
    EXPECT_EQ(form.tbBenutzer->fieldByName(QStringLiteral("UserNr")).asInteger(), 3);

    tippen(form.DBEdit1, QStringLiteral("meier"));
    form.DBEdit2->setFocus();
    dialoge.answerMessage(QStringLiteral("Daten konnten nicht gespeichert werden!"), ui::ModalResult::Ok);
    form.sbSchliessen->click();
    EXPECT_TRUE(dialoge.allAnswered());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.tbBenutzer->state(), db::DatasetState::Insert);
    EXPECT_EQ(form.focusWidget(), form.DBEdit1);

    form.tbBenutzer->cancel();
    form.sbSchliessen->click();
    EXPECT_FALSE(form.isVisible());
    db::Table benutzer(store(), QStringLiteral("S_BEARB"));
    benutzer.open();
    EXPECT_EQ(benutzer.recordCount(), 2);
}

TEST_F(Benutzerverwaltung, DeletingAsksJetztBeendenWhateverTheAnswer)
{
    benutzerAnlegen(QStringLiteral("meier"), {}, 2);
    TfrmBenutzer form(QStringLiteral("Systemverwalter"));
    form.show();
    ASSERT_TRUE(form.tbBenutzer->findKey({QStringLiteral("meier")}));
    dialoge.answerMessage(QStringLiteral("Möchten Sie diesen Benutzer löschen"), ui::ModalResult::No)
        .answerMessage(QStringLiteral("Jetzt Beenden?"), ui::ModalResult::No);

    form.sbLoeschen->click();

    EXPECT_TRUE(dialoge.allAnswered());
    EXPECT_EQ(form.tbBenutzer->recordCount(), 2);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(enden.isEmpty());
}

TEST_F(Benutzerverwaltung, JetztBeendenEndsTheProgramAtOnceWithoutTheReminder)
{
    benutzerAnlegen(QStringLiteral("meier"), {}, 2);
    formulare.whenShown<TfrmBenutzer>([](TfrmBenutzer &form) {
        ASSERT_TRUE(form.tbBenutzer->findKey({QStringLiteral("meier")}));
        form.sbLoeschen->click();
    });
    dialoge.answerMessage(QStringLiteral("Möchten Sie diesen Benutzer löschen"), ui::ModalResult::Yes)
        .answerMessage(QStringLiteral("Jetzt Beenden?"), ui::ModalResult::Yes);

    BenutzerVerwalten(QStringLiteral("Systemverwalter"));

    EXPECT_EQ(enden, QList<ProgrammEnde>{ProgrammEnde::Beenden});
    db::Table benutzer(store(), QStringLiteral("S_BEARB"));
    benutzer.open();
    EXPECT_EQ(benutzer.recordCount(), 1);
}

} // namespace
