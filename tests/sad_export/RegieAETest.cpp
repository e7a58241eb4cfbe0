#include "Ausfuhrdaten.h"
#include "support/Namens.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"

#include "common/NummernDialog.h"
#include "common/RadioGroup.h"
#include "platform/ui/SpeedButton.h"
#include "common/TfrmSuche.h"
#include "common/TSR_dbGrid.h"
#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "common/Belegformular.h"
#include "sad_export/TfrmRegieAE.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QThread>

namespace {

// "&Bearbeiten" shows the entry form; the clerk closes it at once.
void eingabeformularSchliessen(ModalForms &formulare)
{
    formulare.whenShown<Belegformular>([](Belegformular &form) { form.setModalResult(ui::ModalResult::Cancel); });
}

class RegieAETest : public AusfuhrTest
{
protected:
    // Answers the next copy or delete dialog: numbers typed (empty: as
    // proposed), then OK.
    void nummernAntworten(ModalForms &formulare, const QString &von, const QString &bis,
                          QString *vorgeschlagen = nullptr)
    {
        formulare.whenShown<NummernDialog>([=](NummernDialog &dialog) {
            if (vorgeschlagen)
                *vorgeschlagen = dialog.Edit1->text() + u'/' + dialog.Edit2->text();
            if (!von.isEmpty())
                dialog.Edit1->setText(von);
            if (!bis.isEmpty())
                dialog.Edit2->setText(bis);
            dialog.OKBtn->click();
        });
    }
};

// Opening creates the master record and its item; closing adds nothing the
// clerk did not make, and the tables are the register's own meanwhile.
TEST_P(RegieAETest, OpeningCreatesTheMasterAndClosingAddsNoPlaceholder)
{
    {
        TfrmRegieAE regie;
        EXPECT_EQ(daten->koepfe(2000000000), 1);
        EXPECT_EQ(daten->positionen(2000000000), 1);
        EXPECT_EQ(regie.kopf().field(1).asDate(), QDate::currentDate());
        regie.setModalResult(ui::ModalResult::Cancel);
    }
    EXPECT_EQ(daten->zahl(QStringLiteral("SELECT COUNT(*) FROM \"EINHEIT\"")), 1);
    EXPECT_EQ(daten->zahl(QStringLiteral("SELECT COUNT(*) FROM \"EINFOLG\"")), 1);
}

TEST_P(RegieAETest, NewProposesTheNextFreeNumberAndUsesItUp)
{
    struct Fall
    {
        const char *name;
        int gespeichert;
        std::optional<QString> antwort;   // nullopt: "Abbrechen"
        int angelegt;                     // 0: nothing created
        const char *meldung;              // message expected besides the entry form's
        int vorschlagDanach;
    };
    const Fall faelle[] = {
        {"cancelled at 0", 0, std::nullopt, 0, nullptr, 2},
        {"taken as proposed", 3, QString(), 6, nullptr, 7},
        {"an existing number", 3, QStringLiteral("4"), 0, "Belegnummer existiert bereits !", 7},
        {"the master's number", 3, QStringLiteral("2000000000"), 0, "Belegnummer existiert bereits !", 7},
        {"beyond the master", 3, QStringLiteral("2000000001"), 0, nullptr, 7},
    };
    for (int nummer = 1; nummer <= 5; ++nummer)
        daten->erklaerung(nummer, QStringLiteral("Kunde"));
    daten->datenbank.execute(QStringLiteral("DELETE FROM \"EINHEIT\" WHERE \"belegnr\" IN (1, 2)"));
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.name);
        daten->vorschlagSetzen(fall.gespeichert);
        TfrmRegieAE regie;
        ScriptedDialogs dialoge;
        ModalForms formulare;
        dialoge.answerInput(QStringLiteral("Übernehmen oder Ändern"),
                            fall.antwort ? std::optional(fall.antwort->isEmpty() ? QStringLiteral("6") : *fall.antwort)
                                         : std::nullopt);
        if (fall.meldung)
            dialoge.answerMessage(QString::fromUtf8(fall.meldung), ui::ModalResult::Ok);
        if (fall.angelegt)
            eingabeformularSchliessen(formulare);
        regie.Neu();
        ASSERT_FALSE(dialoge.shown().empty());
        EXPECT_EQ(dialoge.shown().front().caption, "Belegnummmer !");
        EXPECT_EQ(daten->vorschlag(), fall.vorschlagDanach);
        if (fall.angelegt) {
            EXPECT_EQ(daten->koepfe(fall.angelegt), 1);
            EXPECT_EQ(regie.kopf().field(0).asInteger(), fall.angelegt);
            EXPECT_EQ(daten->positionen(fall.angelegt), 0) << "items come from the entry form";
        }
        EXPECT_EQ(daten->koepfe(2000000001), 0);
        if (!fall.meldung && !fall.angelegt) {
            EXPECT_EQ(dialoge.shown().size(), 1u) << "nothing said";
        }
        daten->datenbank.execute(QStringLiteral("DELETE FROM \"EINHEIT\" WHERE \"belegnr\" = 6"));
    }
}

// The copy probes from the stored proposal as it is, carries every item,
// empties the ticket number, recounts the items, and gives the proposal
// back, so the next "&Neu" skips the copy.
TEST_P(RegieAETest, CopyCarriesTheItemsAndGivesTheProposalBack)
{
    daten->erklaerung(4, QStringLiteral("Kunde 4"), 3);
    daten->erklaerung(7, QStringLiteral("Kunde 7"));
    daten->datenbank.execute(QStringLiteral("UPDATE \"EINHEIT\" SET \"AnzPos\" = 0 WHERE \"belegnr\" = 4"));
    daten->vorschlagSetzen(7);
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({4}));
    ModalForms formulare;
    ScriptedDialogs dialoge;
    QString vorgeschlagen;
    nummernAntworten(formulare, {}, {}, &vorgeschlagen);
    eingabeformularSchliessen(formulare);
    regie.Kopieren();
    EXPECT_EQ(vorgeschlagen, "4/8");
    EXPECT_EQ(daten->positionen(8), 3);
    EXPECT_EQ(daten->vorschlag(), 8);
    EXPECT_EQ(regie.kopf().field(0).asInteger(), 8);
    EXPECT_EQ(regie.kopf().fieldByName(QStringLiteral("AnzPos")).asInteger(), 3);
    EXPECT_EQ(regie.kopf().fieldByName(QStringLiteral("datum")).asDate(), QDate::currentDate());
    EXPECT_EQ(regie.kopf().fieldByName(QStringLiteral("f8_1")).asString(), "Kunde 4");
    EXPECT_TRUE(regie.kopf().fieldByName(QStringLiteral("NV_TicketNr")).asString().isEmpty());

    dialoge.answerInput(QStringLiteral("Übernehmen"), std::nullopt);
    regie.Neu();
    EXPECT_EQ(daten->vorschlag(), 10) << "9 was proposed and used up";
}

// The range goes in one write: a failure in its middle leaves every
// declaration and item as it was, and the clerk is told.
TEST_P(RegieAETest, RangeDeleteIsAllOrNothing)
{
    for (int nummer : {3, 4, 5, 9})
        daten->erklaerung(nummer, QStringLiteral("Kunde"), 2);
    {
        TfrmRegieAE regie;
        db::Subscription stoerung = regie.kopf().beforeDelete.add([](db::Table &kopf) {
            if (kopf.field(0).asInteger() == 4)
                throw db::DatabaseError(QStringLiteral("Die Platte ist voll."));
        });
        ModalForms formulare;
        ScriptedDialogs dialoge;
        nummernAntworten(formulare, QStringLiteral("3"), QStringLiteral("5"));
        dialoge.answerMessage(QStringLiteral("Belegnummern bitte richtig eingeben !"), ui::ModalResult::Ok);
        regie.Loeschen();
        for (int nummer : {3, 4, 5}) {
            EXPECT_EQ(daten->koepfe(nummer), 1) << nummer;
            EXPECT_EQ(daten->positionen(nummer), 2) << nummer;
        }
        stoerung.remove();
        nummernAntworten(formulare, QStringLiteral("3"), QStringLiteral("8"));
        regie.Loeschen();
    }
    for (int nummer : {3, 4, 5})
        EXPECT_EQ(daten->koepfe(nummer) + daten->positionen(nummer), 0) << nummer;
    EXPECT_EQ(daten->positionen(9), 2);
    EXPECT_EQ(daten->koepfe(2000000000), 1);
}

TEST_P(RegieAETest, SearchByNumberIsExactAndByConsigneeAPrefixInAnyCase)
{
    daten->erklaerung(12, QStringLiteral("Müller GmbH"));
    daten->erklaerung(120, QStringLiteral("MÜLLER & Söhne"));
    daten->erklaerung(121, QStringLiteral("O'Brien Ltd"));
    daten->erklaerung(122, QStringLiteral("Mueller"));
    struct Fall
    {
        int kriterium;
        QString text;
        QList<int> treffer;
    };
    const QList<Fall> faelle{
        {0, QStringLiteral("12"), {12}},
        {1, QStringLiteral("müller"), {12, 120}},
        {1, QStringLiteral("o'b"), {121}},
    };
    TfrmRegieAE regie;
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.text.toStdString());
        QList<int> gefunden;
        ModalForms formulare;
        formulare.whenShown<TfrmSuche>([&](TfrmSuche &suche) {
            suche.RadioGroup1->setItemIndex(fall.kriterium);
            suche.Edit1->setText(fall.text);
            suche.SpeedButton3->click();
            db::Table &kopf = regie.kopf();
            for (kopf.first(); !kopf.eof(); kopf.next())
                gefunden << kopf.field(0).asInteger();
            suche.SpeedButton1->click();
        });
        regie.Suchen();
        EXPECT_EQ(gefunden, fall.treffer);
        EXPECT_EQ(regie.kopf().field(0).asInteger(), fall.treffer.last());
        EXPECT_FALSE(regie.kopf().filtered());
    }
}

// A follow-up transfer writes its declaration in the register's write: when
// filling it fails, no header and no item of it stays.
TEST_P(RegieAETest, FollowUpCreationRolledBackLeavesNothing)
{
    TfrmRegieAE regie;
    Belegregister &tabellen = regie.regie();
    EXPECT_THROW(tabellen.folgebelegAnlegen(77,
                                            [](Belegregister &beleg) {
                                                beleg.kopf().fieldByName(QStringLiteral("f8_1")).setAsString(
                                                    QStringLiteral("Aus Auftrag"));
                                                beleg.kopf().post();
                                                beleg.positionen()->append();
                                                beleg.positionen()->fieldByName(QStringLiteral("pos")).setAsInteger(1);
                                                beleg.positionen()->post();
                                                throw db::DatabaseError(QStringLiteral("Auftrag gesperrt"));
                                            }),
                 db::DatabaseError);
    EXPECT_EQ(daten->koepfe(77), 0);
    EXPECT_EQ(daten->positionen(77), 0);

    tabellen.folgebelegAnlegen(77, [](Belegregister &beleg) {
        for (int pos = 1; pos <= 2; ++pos) {
            beleg.positionen()->append();
            beleg.positionen()->fieldByName(QStringLiteral("pos")).setAsInteger(pos);
            beleg.positionen()->post();
        }
    });
    EXPECT_EQ(daten->positionen(77), 2);
    EXPECT_EQ(daten->zahl(QStringLiteral("SELECT \"AnzPos\" FROM \"EINHEIT\" WHERE \"belegnr\" = 77")), 2);
    EXPECT_EQ(regie.kopf().field(0).asInteger(), 77);
}

// Runs only as the child of the next test: another workstation with the
// register open until it is killed.
TEST(RegieAEKind, HaeltDasRegisterOffen)
{
    if (qEnvironmentVariableIsEmpty("RAZAZU_AE_KIND"))
        GTEST_SKIP() << "started by RegieAETest.ASecondWorkstationIsRefused only";
    Ausfuhrdaten daten(Speicher::SQLite, qEnvironmentVariable("RAZAZU_AE_KIND"));
    TfrmRegieAE regie;
    std::fputs("offen\n", stdout);
    std::fflush(stdout);
    QThread::sleep(120);
}

TEST_P(RegieAETest, ASecondWorkstationIsRefused)
{
    { TfrmRegieAE anlegen; }   // the master exists before the child opens
    QProcess kind;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("RAZAZU_AE_KIND"), daten->datenbank.path());
    kind.setProcessEnvironment(umgebung);
    kind.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=RegieAEKind.*")});
    ASSERT_TRUE(kind.waitForStarted(10000));
    QByteArray ausgabe;
    QElapsedTimer uhr;
    uhr.start();
    while (!ausgabe.contains("offen") && uhr.elapsed() < 30000 && kind.state() == QProcess::Running) {
        kind.waitForReadyRead(200);
        ausgabe += kind.readAllStandardOutput();
    }
    ASSERT_TRUE(ausgabe.contains("offen")) << ausgabe.toStdString() << kind.readAllStandardError().toStdString();

    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("anderen Arbeitsplatz"), ui::ModalResult::Ok);
    EXPECT_EQ(RegisterErzeugen<TfrmRegieAE>(nullptr), nullptr);
    ASSERT_EQ(dialoge.shown().size(), 1u);
    EXPECT_EQ(dialoge.shown().front().type, ui::MessageType::Error);

    kind.kill();
    kind.waitForFinished(10000);
}

AUSFUHR_TESTS(RegieAETest);

} // namespace
